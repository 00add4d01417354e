// Tool 102: the dosing time table.
#include "reports/dosing_times.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// The first dose is a time of day; intervals from every quarter hour to
// weekly; as many doses as the table makes, more refused, not cut.
constexpr InputField kInputs[] = {
    ClockTimeInput("start", u"首剂时间", 8),
    NumberInput("interval", u"给药间隔", u"小时", 8, Between(0.25, 168)),
    NumberInput("times", u"给药次数", u"次", 3, WholeBetween(1, kMostDoses)),
};

constexpr ToolDef kTool = ReportTool(
    {102, u"给药时间表", u"按首剂时间与间隔排定各次给药", u"用药与输液",
     u"按医嘱间隔等间隔给药；抗菌药物结合半衰期与肝肾功能调整",
     u"首剂时间按 24 小时制“时:分”填写（如 8:30）；间隔以小时计（0.25-168，可为小数，1.5 即 1 "
     u"小时 30 分）；次数 1-30。各次时间按分钟取整。",
     "gysjb"},
    kInputs, GenerateDosingTimes);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
