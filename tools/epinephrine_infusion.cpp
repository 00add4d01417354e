// Tool 72: epinephrine, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kEpinephrine = {
    .texts = {72, u"肾上腺素配置与剂量", u"按体重计算肾上腺素泵速", u"重症用药", nullptr,
              u"经大静脉输注，老年人避免下肢静脉；监测血压，警惕心律失常与肺水肿。", "ssxspzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .uses = {{{.usualLowest = "0.05", .usualHighest = "0.5", .maximum = "2"}}},
    .source =
        u"ESC 急慢性心力衰竭指南（2016）：0.05-0.5 μg/kg/min；Hospira "
        u"肾上腺素注射液美国说明书（2024）：脓毒性休克剂量范围 0.05-2 μg/kg/min",
    .doseRange = Between(0.005, 10),
    .defaultDose = 0.05,
    .amountRange = Between(0.1, 100),
    .preparations = {{{"4", "50"}, {"2", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kEpinephrine)

}  // namespace kelomed
