// Tool 87: somatostatin, a dose per hour.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kSomatostatin = {
    .texts = {87, u"生长抑素配置与剂量", u"按剂量计算生长抑素泵速", u"重症用药", nullptr,
              u"单独通路持续输注；中断超过 3-5 分钟应重新静注负荷量 250 μg。", "szyspzyjl"},
    .unit = DoseUnit::MicrogramPerHour,
    .uses = {{
        {.name = u"上消化道大出血",
         .usualLowest = "250",
         .usualHighest = "250",
         .loading = {.amount = "250", .unit = u"μg", .mass = u"μg", .pushTime = u"3-5 分钟"}},
        {.name = u"胰瘘、胆瘘、肠瘘", .usualLowest = "250", .usualHighest = "250"},
        {.name = u"糖尿病酮症酸中毒", .usualLowest = "100", .usualHighest = "500"},
    }},
    .source =
        u"注射用生长抑素说明书（未注明日期）：上消化道大出血先缓慢静推 250 μg（3-5 分钟）作负荷量，"
        u"再 250 μg/h 持续滴注；胰瘘、胆瘘、肠瘘 250 μg/h；糖尿病酮症酸中毒辅助治疗 100-500 μg/h",
    .doseRange = Between(10, 2500),
    .defaultDose = 250,
    .amountRange = Between(0.25, 30),
    .preparations = {{{"3", "50"}, {"6", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kSomatostatin)

}  // namespace kelomed
