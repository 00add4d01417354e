// Tool 83: amiodarone, a dose per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kAmiodarone = {
    .texts = {83, u"胺碘酮配置与剂量", u"按剂量计算胺碘酮泵速", u"重症用药", nullptr,
              u"浓度超过 2 mg/ml 须经中心静脉输注；仅用 5% 葡萄糖稀释，不加入其他药物。",
              "adtpzyjl"},
    .unit = DoseUnit::MilligramPerMinute,
    .usualLowest = "0.5",
    .usualHighest = "1",
    .source =
        u"盐酸胺碘酮注射液（可达龙）说明书（未注明日期）：负荷后 1 mg/min 滴注 6 小时，继以 0.5 "
        u"mg/min 维持；浓度超过 2 mg/ml 须经中心静脉",
    .doseRange = Between(0.05, 5),
    .defaultDose = 1,
    .amountRange = Between(1, 2000),
    .preparations = {{{"300", "50"}, {"150", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kAmiodarone)

}  // namespace kelomed
