// Tool 74: phenylephrine, a dose per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kPhenylephrine = {
    .texts = {74, u"去氧肾上腺素配置与剂量", u"按剂量计算去氧肾上腺素泵速", u"重症用药", nullptr,
              u"可致严重心动过缓与外周、内脏缺血；输注中持续监测血压心率。"},
    .unit = DoseUnit::MicrogramPerMinute,
    .usualLowest = "10",
    .usualHighest = "35",
    .maximum = "200",
    .source =
        u"Vazculep 去氧肾上腺素美国说明书（2019）："
        u"麻醉期低血压持续输注 10-35 μg/min，不超过 200 μg/min",
    .doseRange = Between(1, 1000),
    .defaultDose = 20,
    .amountRange = Between(0.1, 100),
    .defaultAmount = 10,
    .defaultVolume = 500,
};

}  // namespace

KELOMED_SUITE_INFUSION(kPhenylephrine)

}  // namespace kelomed
