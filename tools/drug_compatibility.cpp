// Tool 106: the two-drug compatibility check.
#include "reports/drug_compatibility.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// The ten drugs of the list, in its order, by name.
constexpr InputChoice kDrugs[] = {
    {1, u"头孢曲松"}, {2, u"葡萄糖酸钙"}, {3, u"万古霉素"}, {4, u"呋塞米"},   {5, u"氨溴索"},
    {6, u"奥美拉唑"}, {7, u"维生素C"},    {8, u"胰岛素"},   {9, u"碳酸氢钠"}, {10, u"多巴胺"},
};
constexpr InputField kInputs[] = {
    ChoiceInput("drugA", u"药物 A", 1, kDrugs),
    ChoiceInput("drugB", u"药物 B", 2, kDrugs),
};

constexpr ToolDef kTool =
    ReportTool({106, u"两药同瓶配伍查询", u"十种常用注射药两两配伍", u"用药与输液",
                u"药品说明书配伍禁忌；本院静脉用药配伍表",
                u"从列表中选择两种药物。未收录的组合不代表可以同瓶。", "lytppwcx"},
               kInputs, GenerateDrugCompatibility);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
