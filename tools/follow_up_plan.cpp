// Tool 107: the follow-up plan.
#include "reports/follow_up_plan.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// Whole days within ten years; as many follow-ups as the plan makes, more
// refused, not cut.
constexpr InputField kInputs[] = {
    NumberInput("start", u"首次随访", u"天后", 7, WholeBetween(0, 3650)),
    NumberInput("gap", u"随访间隔", u"天", 30, WholeBetween(1, 3650)),
    NumberInput("times", u"随访次数", u"次", 4, WholeBetween(1, kMostVisits)),
};

constexpr ToolDef kTool = ReportTool(
    {107, u"出院随访计划", u"以今天为基准生成随访日期", u"护理管理",
     u"按出院医嘱与专科随访规范确定首次随访时间与间隔",
     u"首次随访填距今天的天数（0-3650，0 为今天）；间隔 1-3650 天；次数 1-20。日期按本机日历计算，"
     u"请确认电脑日期正确。",
     "cysfjh"},
    kInputs, GenerateFollowUpPlan);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
