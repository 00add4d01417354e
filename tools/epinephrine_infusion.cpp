// Tool 72: epinephrine in septic shock, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kEpinephrine = {
    .texts = {72, u"肾上腺素配置与剂量", u"按体重计算肾上腺素泵速", u"重症用药", nullptr,
              u"经大静脉输注，老年人避免下肢静脉；监测血压，警惕心律失常与肺水肿。"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .usualLowest = "0.05",
    .usualHighest = "2",
    .maximum = "2",
    .source =
        u"Hospira 肾上腺素注射液美国说明书（DailyMed 2024）："
        u"脓毒性休克低血压 0.05-2 μg/kg/min，按平均动脉压调整",
    .doseRange = Between(0.005, 10),
    .defaultDose = 0.05,
    .amountRange = Between(0.1, 100),
    .defaultAmount = 4,
    .defaultVolume = 50,
};

}  // namespace

KELOMED_SUITE_INFUSION(kEpinephrine)

}  // namespace kelomed
