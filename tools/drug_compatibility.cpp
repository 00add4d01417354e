// Tool 106: the two-drug compatibility check.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Drugs are numbered from 1; a number of 0 or below names none.
constexpr InputField kInputs[] = {
    {"drugA", u"药物 A 编号", u"号（1-10）", 1, 0},
    {"drugB", u"药物 B 编号", u"号（1-10）", 2, 0},
};
static_assert(DefaultsAreAccepted(kInputs), "a default must pass its own lower bound");

constexpr ToolDef kTool = {
    106,
    u"两药同瓶配伍查询",
    u"十种常用注射药两两配伍",
    u"用药安全",
    u"药品说明书配伍禁忌；本院静脉用药配伍表",
    u"药物编号：1 头孢曲松　2 葡萄糖酸钙　3 万古霉素　4 呋塞米　5 氨溴索　6 奥美拉唑　7 维生素C　8 "
    u"胰岛素　9 碳酸氢钠　10 多巴胺。未收录的组合不代表可以同瓶。",
    InputCountOf(kInputs),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    ToolKind::DrugCompatibility,
};

}  // namespace

template <>
const ToolDef& ToolDefinition<kTool.id>() {
    return kTool;
}

}  // namespace kelomed
