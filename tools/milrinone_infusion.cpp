// Tool 79: milrinone, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kMilrinone = {
    .texts = {79, u"米力农配置与剂量", u"按体重计算米力农泵速", u"重症用药", nullptr,
              u"肾功能不全须减量；持续心电监护，警惕室性心律失常。", "mlnpzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .uses = {{{.usualLowest = "0.25",
               .usualHighest = "1.0",
               .dailyMaximum = "1.13",
               .dailyIsHard = true,
               .dailyCountsLoading = true,
               .loading = {.amount = "50", .unit = u"μg/kg", .mass = u"μg", .minutes = "10"}}}},
    .source =
        u"乳酸米力农注射液说明书（未注明日期）：维持 0.25-1.0 μg/kg/min，每日最大剂量不超过 1.13 "
        u"mg/kg；米力农注射液说明书（未注明日期）：负荷剂量 50 μg/kg，10 分钟内注入",
    .doseRange = Between(0.025, 5),
    .defaultDose = 0.5,
    .amountRange = Between(1, 100),
    .preparations = {{{"10", "50"}, {"20", "100"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kMilrinone)

}  // namespace kelomed
