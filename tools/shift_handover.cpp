// Tool 109: the shift handover template.
#include "tools/suite.h"

namespace kelomed {
namespace {

// A ward has at least one bed; the generator keeps the count within 1-30.
constexpr InputField kInputs[] = {
    {"beds", u"床位数", u"床", 10, 0},
};
static_assert(DefaultsAreAccepted(kInputs), "a default must pass its own lower bound");

constexpr ToolDef kTool = {
    109,
    u"护理交班报告模板",
    u"按床位数生成交班条目",
    u"护理管理",
    u"护理交接班制度：危重、新入院、手术、输血及病情变化患者床旁交接",
    u"床位数按 1-30 计，超出按上限；按床号顺序逐床填写，交接双方签名。",
    InputCountOf(kInputs),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    ToolKind::ShiftHandover,
};

}  // namespace

template <>
const ToolDef& ToolDefinition<kTool.id>() {
    return kTool;
}

}  // namespace kelomed
