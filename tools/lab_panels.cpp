// Tool 111: the laboratory panels card.
#include "reports/lab_panels.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// The panels as the card names them; the urine test is 0, as before.
constexpr InputChoice kPanels[] = {
    {1, u"血常规"},     {2, u"生化全套"},       {3, u"凝血四项"},
    {4, u"甲状腺功能"}, {5, u"心肌损伤标志物"}, {0, u"尿常规"},
};
constexpr InputField kInputs[] = {
    ChoiceInput("panel", u"检验套餐", 1, kPanels),
};

constexpr ToolDef kTool =
    ReportTool({111, u"常用检验套餐", u"项目组成、采血管与注意事项", u"检验",
                u"WS/T 661-2020《静脉血液标本采集指南》；本院检验项目手册",
                u"选择检验套餐，卡片列出项目组成、采血管与注意事项。", "cyjytc"},
               kInputs, GenerateLabPanels);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
