// Tool 104: the critical values card.
#include "reports/critical_values.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// The groups of tests; the last refers to the hospital's own list.
constexpr InputChoice kGroups[] = {
    {1, u"电解质"},     {2, u"血糖与血气"},           {3, u"血细胞"}, {4, u"凝血"}, {5, u"微生物"},
    {6, u"心肌与胰酶"}, {0, u"其他（查阅本院目录）"},
};
constexpr InputField kInputs[] = {
    ChoiceInput("kind", u"项目组", 1, kGroups),
};

constexpr ToolDef kTool = ReportTool(
    {104, u"检验危急值速查", u"常见危急值界值与报告流程", u"检验",
     u"国家卫生健康委《医疗质量安全核心制度要点》危急值报告制度；界值以本院危急值目录为准",
     u"选择项目组，卡片列出常见危急值界值与报告流程；界值以本院危急值目录为准。", "jywjzsc"},
    kInputs, GenerateCriticalValues);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
