// Tool 76: nitroprusside, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kNitroprusside = {
    .texts = {76, u"硝普钠配置与剂量", u"按体重计算硝普钠泵速", u"重症用药", nullptr,
              u"避光输注；eGFR<30 者平均剂量应低于 3 μg/kg/min；警惕氰化物中毒。"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .usualLowest = "0.3",
    .usualHighest = "5",
    .maximum = "10",
    .source =
        u"ESC 心力衰竭指南（2016）：起始 0.3 μg/kg/min，可增至 5 μg/kg/min；"
        u"Nipride RTU 美国说明书（2018）：最大 10 μg/kg/min",
    .doseRange = Between(0.03, 50),
    .defaultDose = 0.5,
    .amountRange = Between(1, 200),
    .defaultAmount = 50,
    .defaultVolume = 50,
};

}  // namespace

KELOMED_SUITE_INFUSION(kNitroprusside)

}  // namespace kelomed
