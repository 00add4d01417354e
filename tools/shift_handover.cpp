// Tool 109: the shift handover template.
#include "reports/shift_handover.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// As many beds as the template makes; more are refused, not cut.
constexpr InputField kInputs[] = {
    NumberInput("beds", u"床位数", u"床", 10, WholeBetween(1, kMostBeds)),
};

constexpr ToolDef kTool =
    ReportTool({109, u"护理交班报告模板", u"按床位数生成交班条目", u"护理管理",
                u"护理交接班制度：危重、新入院、手术、输血及病情变化患者床旁交接",
                u"床位数 1-30；按床号顺序逐床填写，交接双方签名。", "hljbbgmb"},
               kInputs, GenerateShiftHandover);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
