// Tool 76: nitroprusside, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kNitroprusside = {
    .texts = {76, u"硝普钠配置与剂量", u"按体重计算硝普钠泵速", u"重症用药", nullptr,
              u"避光输注；eGFR<30 者平均剂量应低于 3 μg/kg/min；警惕氰化物中毒。", "xpnpzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .uses = {{{.usualLowest = "0.5",
               .usualHighest = "3",
               .maximum = "10",
               .maximumTime = u"最长 10 分钟",
               .cumulativeMaximum = "3.5"}}},
    .dilutionHighest = "200",
    .source =
        u"注射用硝普钠说明书（核准日期 2006 年 12 月 15 日）：50 mg 稀释于 250-1000 ml；开始 0.5 "
        u"μg/kg/min，常用 3 μg/kg/min，极量 10 μg/kg/min，总量 3.5 mg/kg；Nipride RTU "
        u"美国说明书（2018）：最大剂量输注不超过 10 分钟",
    .doseRange = Between(0.05, 50),
    .defaultDose = 0.5,
    .amountRange = Between(1, 200),
    .preparations = {{{"50", "250"}, {"50", "50", true}, {"25", "50", true}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kNitroprusside)

}  // namespace kelomed
