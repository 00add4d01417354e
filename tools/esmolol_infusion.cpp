// Tool 78: esmolol, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kEsmolol = {
    .texts = {78, u"艾司洛尔配置与剂量", u"按体重计算艾司洛尔泵速", u"重症用药", nullptr,
              u"低血压常见且与剂量相关；出现心力衰竭征象立即停药。"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .usualLowest = "50",
    .usualHighest = "200",
    .maximum = "300",
    .source =
        u"Brevibloc 美国说明书（DailyMed 2020）：维持 50-200 μg/kg/min；"
        u"围术期高血压最大 300 μg/kg/min",
    .doseRange = Between(5, 1500),
    .defaultDose = 50,
    .amountRange = Between(10, 5000),
    .defaultAmount = 500,
    .defaultVolume = 50,
};

}  // namespace

KELOMED_SUITE_INFUSION(kEsmolol)

}  // namespace kelomed
