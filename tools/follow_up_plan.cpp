// Tool 107: the follow-up plan.
#include "tools/suite.h"

namespace kelomed {
namespace {

// The first follow-up may be any day from today; a gap or a count of 0 is
// a slip of the keyboard (the generator would quietly take 7 days or 1).
constexpr InputField kInputs[] = {
    {"start", u"首次随访", u"天后", 7},
    {"gap", u"随访间隔", u"天", 30, 0},
    {"times", u"随访次数", u"次", 4, 0},
};
static_assert(DefaultsAreAccepted(kInputs), "a default must pass its own lower bound");

constexpr ToolDef kTool = {
    107,
    u"出院随访计划",
    u"以今天为基准生成随访日期",
    u"延续护理",
    u"按出院医嘱与专科随访规范确定首次随访时间与间隔",
    u"首次随访填距今天的天数（0 为今天）；间隔以天计；次数按 1-20 "
    u"计。日期按本机日历计算，请确认电脑日期正确。",
    InputCountOf(kInputs),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    ToolKind::FollowUpPlan,
};

}  // namespace

template <>
const ToolDef& ToolDefinition<kTool.id>() {
    return kTool;
}

}  // namespace kelomed
