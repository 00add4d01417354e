// Tool 101: the three-shift nurse rota.
#include "reports/nurse_rota.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// As many nurses and days as the rota makes; more are refused, not cut.
constexpr InputField kInputs[] = {
    NumberInput("nurses", u"护士人数", u"人", 6, WholeBetween(1, kMostNurses)),
    NumberInput("days", u"排班天数", u"天", 7, WholeBetween(1, kMostDays)),
};

constexpr ToolDef kTool =
    ReportTool({101, u"护士三班轮转排班", u"按护士人数与天数生成轮转表", u"护理管理",
                u"科室护理排班制度：白班 D → 夜班 N → 休息 R 依次轮转，每日每班 1 人",
                u"人数 1-40、天数 1-31。每名护士按 D → N → R "
                u"轮转，夜班次日休息；请按科室实际人数与能级调整。",
                "hssblzpb"},
               kInputs, GenerateNurseRota);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
