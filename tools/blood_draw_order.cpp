// Tool 103: the blood-draw order card.
#include "tools/suite.h"

namespace kelomed {
namespace {

// The number selects the test of this draw; 0 and any number not listed
// give the general advice, so every value is valid.
constexpr InputField kInputs[] = {
    {"kind", u"本次项目编号", u"", 1},
};
static_assert(DefaultsAreAccepted(kInputs), "a default must pass its own lower bound");

constexpr ToolDef kTool = {
    103,
    u"采血顺序与采血管",
    u"按添加剂顺序采血，避免交叉污染",
    u"检验标本",
    u"WS/T 661-2020《静脉血液标本采集指南》；CLSI GP41 采血顺序",
    u"本次项目编号：1 血常规　2 凝血　3 生化　4 血气　5 血培养　6 血糖/乳酸；0 "
    u"或其他数字显示通用提示。",
    InputCountOf(kInputs),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    ToolKind::BloodDrawOrder,
};

}  // namespace

template <>
const ToolDef& ToolDefinition<kTool.id>() {
    return kTool;
}

}  // namespace kelomed
