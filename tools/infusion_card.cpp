// Tool 110: the infusion card.
#include "reports/infusion_card.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// Bed numbers of a hospital; an amount in any unit the order gives; the
// volumes of an infusion bag and the drip rates of a gravity set.
constexpr InputField kInputs[] = {
    NumberInput("bed", u"床号", u"床", 12, WholeBetween(1, 9999)),
    NumberInput("dose", u"医嘱药量", u"", 2.5, Between(0.001, 100000)),
    NumberInput("volume", u"溶媒量", u"ml", 250, Between(1, 5000)),
    NumberInput("gtt", u"滴速", u"滴/分", 40, Between(1, 200)),
};

constexpr ToolDef kTool = ReportTool(
    {110, u"静脉输液卡", u"床号、药液与滴速", u"用药与输液",
     u"WS/T 433-2013《静脉治疗护理技术操作规范》",
     u"约 ml/h 按 20 滴/ml 的普通输液器折算（滴速 × 3）；使用 15 滴/ml 或 60 滴/ml "
     u"输液器时请另行换算。药量单位按医嘱填写。床号 1-9999，溶媒 1-5000 ml，滴速 1-200 滴/分。",
     "jmsyk"},
    kInputs, GenerateInfusionCard);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
