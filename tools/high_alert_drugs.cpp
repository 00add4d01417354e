// Tool 105: the high-alert drugs card.
#include "reports/high_alert_drugs.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// The groups as the card names them; the anaesthetics are 0, as before.
constexpr InputChoice kGroups[] = {
    {1, u"高浓度电解质"},
    {2, u"胰岛素与口服降糖药"},
    {3, u"抗凝与化疗药"},
    {0, u"麻醉与肌松药"},
};
constexpr InputField kInputs[] = {
    ChoiceInput("kind", u"药品类别", 1, kGroups),
};

constexpr ToolDef kTool =
    ReportTool({105, u"高警示药品要点", u"分类管理与核对要点", u"用药与输液",
                u"中国药学会医院药学专业委员会《中国高警示药品推荐目录（2019版）》",
                u"选择药品类别，卡片列出该类别的代表药品与管理要点。", "gjsypyd"},
               kInputs, GenerateHighAlertDrugs);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
