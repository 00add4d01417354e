// Tool 102: the dosing time table.
#include "tools/suite.h"

namespace kelomed {
namespace {

// A start of 0 is midnight; an interval or a count of 0 is a slip of the
// keyboard (the generator would quietly take 8 hours or 1 dose for it).
constexpr InputField kInputs[] = {
    {"start", u"首剂时间", u"时", 8},
    {"interval", u"给药间隔", u"小时", 8, 0},
    {"times", u"给药次数", u"次", 3, 0},
};
static_assert(DefaultsAreAccepted(kInputs), "a default must pass its own lower bound");

constexpr ToolDef kTool = {
    102,
    u"给药时间表",
    u"按首剂时间与间隔排定各次给药",
    u"临床用药",
    u"按医嘱间隔等间隔给药；抗菌药物结合半衰期与肝肾功能调整",
    u"首剂时间按 24 小时制填写，小数为分钟（7.5 即 07:30），负数按 0 点计；间隔以小时计；次数按 "
    u"1-30 计。",
    InputCountOf(kInputs),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    ToolKind::DosingTimes,
};

}  // namespace

template <>
const ToolDef& ToolDefinition<kTool.id>() {
    return kTool;
}

}  // namespace kelomed
