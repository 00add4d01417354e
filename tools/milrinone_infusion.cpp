// Tool 79: milrinone, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kMilrinone = {
    .texts = {79, u"米力农配置与剂量", u"按体重计算米力农泵速", u"重症用药", nullptr,
              u"肾功能不全须减量；持续心电监护，警惕室性心律失常。"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .usualLowest = "0.375",
    .usualHighest = "0.75",
    .maximum = "0.75",
    .source =
        u"Hospira 米力农注射液美国说明书（2026 年查阅）："
        u"维持最小 0.375、标准 0.5、最大 0.75 μg/kg/min，每日不超过 1.13 mg/kg",
    .doseRange = Between(0.03, 3.75),
    .defaultDose = 0.5,
    .amountRange = Between(1, 100),
    .defaultAmount = 10,
    .defaultVolume = 50,
};

}  // namespace

KELOMED_SUITE_INFUSION(kMilrinone)

}  // namespace kelomed
