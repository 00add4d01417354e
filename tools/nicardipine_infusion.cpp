// Tool 77: nicardipine, a dose per hour.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kNicardipine = {
    .texts = {77, u"尼卡地平配置与剂量", u"按剂量计算尼卡地平泵速", u"重症用药", nullptr,
              u"外周静脉输注每 12 小时更换部位；出现低血压或心动过速即停用。"},
    .unit = DoseUnit::MilligramPerHour,
    .usualLowest = "3",
    .usualHighest = "15",
    .maximum = "15",
    .source =
        u"Cardene I.V. 美国说明书（2020）：起始 5 mg/h，每 5-15 分钟加 2.5 mg/h，"
        u"最大 15 mg/h；达标后减至 3 mg/h",
    .doseRange = Between(0.3, 75),
    .defaultDose = 5,
    .amountRange = Between(1, 200),
    .defaultAmount = 20,
    .defaultVolume = 200,
};

}  // namespace

KELOMED_SUITE_INFUSION(kNicardipine)

}  // namespace kelomed
