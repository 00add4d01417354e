// Tool 110: the infusion card.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Beds are numbered from 1, and an infusion of no drug, no solvent or no
// drops is not one; the card prints every value as it is.
constexpr InputField kInputs[] = {
    {"bed", u"床号", u"床", 12, 0},
    {"dose", u"医嘱药量", u"", 2.5, 0},
    {"volume", u"溶媒量", u"ml", 250, 0},
    {"gtt", u"滴速", u"滴/分", 40, 0},
};
static_assert(DefaultsAreAccepted(kInputs), "a default must pass its own lower bound");

constexpr ToolDef kTool = {
    110,
    u"静脉输液卡",
    u"床号、药液与滴速",
    u"输液护理",
    u"WS/T 433-2013《静脉治疗护理技术操作规范》",
    u"约 ml/h 按 20 滴/ml 的普通输液器折算（滴速 × 3）；使用 15 滴/ml 或 60 滴/ml "
    u"输液器时请另行换算。药量单位按医嘱填写。",
    InputCountOf(kInputs),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    ToolKind::InfusionCard,
};

}  // namespace

template <>
const ToolDef& ToolDefinition<kTool.id>() {
    return kTool;
}

}  // namespace kelomed
