// Tool 74: phenylephrine, a dose per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kPhenylephrine = {
    .texts = {74, u"去氧肾上腺素配置与剂量", u"按剂量计算去氧肾上腺素泵速", u"重症用药", nullptr,
              u"可致严重心动过缓与外周、内脏缺血；输注中持续监测血压心率。", "qyssxspzyjl"},
    .unit = DoseUnit::MicrogramPerMinute,
    .uses = {{{.usualLowest = "40", .usualHighest = "180"}}},
    .source =
        u"盐酸去氧肾上腺素注射液说明书（未注明日期）：严重低血压和休克，初始 100-180 "
        u"μg/min，血压稳定后 40-60 μg/min 维持",
    .doseRange = Between(4, 1000),
    .defaultDose = 100,
    .amountRange = Between(0.1, 100),
    .preparations = {{{"10", "500"}, {"20", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kPhenylephrine)

}  // namespace kelomed
