// Tool 83: amiodarone, a dose per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kAmiodarone = {
    .texts = {83, u"胺碘酮配置与剂量", u"按剂量计算胺碘酮泵速", u"重症用药", nullptr,
              u"浓度超过 2 mg/ml 须经中心静脉输注；仅用 5% 葡萄糖稀释，不加入其他药物。",
              "adtpzyjl"},
    .unit = DoseUnit::MilligramPerMinute,
    .uses = {{
        {.name = u"前 6 小时",
         .usualLowest = "1",
         .usualHighest = "1",
         .limitNote = u"仅限前 6 小时，之后 0.5 mg/min 维持",
         .dailyMaximum = "2100",
         .loading = {.amount = "150", .unit = u"mg", .mass = u"mg", .minutes = "10"}},
        {.name = u"维持", .usualLowest = "0.5", .usualHighest = "0.5", .dailyMaximum = "2100"},
    }},
    .dilutionHighest = "2",
    .source =
        u"盐酸胺碘酮注射液（可达龙）说明书（未注明日期）：负荷量 150 mg 10 分钟输完，之后 1 mg/min "
        u"滴注 6 小时，继以 0.5 mg/min 维持；每日平均剂量 2100 mg 以上低血压风险增加；浓度超过 2 "
        u"mg/ml 须经中心静脉",
    .doseRange = Between(0.05, 5),
    .defaultDose = 1,
    .amountRange = Between(1, 2000),
    .preparations = {{{"300", "250"}, {"300", "50", true}, {"150", "50", true}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kAmiodarone)

}  // namespace kelomed
