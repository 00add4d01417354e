// Tool 85: diltiazem, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kDiltiazem = {
    .texts = {85, u"地尔硫卓配置与剂量", u"按体重计算地尔硫卓泵速", u"重症用药", nullptr,
              u"先选用途；监测血压、心率与房室传导。", "delzpzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .uses = {{
        {.name = u"高血压急症", .usualLowest = "5", .usualHighest = "15"},
        {.name = u"不稳定型心绞痛", .usualLowest = "1", .usualHighest = "5", .maximum = "5"},
    }},
    .source =
        u"注射用盐酸地尔硫卓说明书（未注明日期）：高血压急症及手术时异常高血压 5-15 "
        u"μg/kg/min；不稳定型心绞痛 1-5 μg/kg/min，最大用量 5 μg/kg/min；室上性心动过速单次静注，"
        u"未给滴注剂量",
    .doseRange = Between(0.1, 75),
    .defaultDose = 5,
    .amountRange = Between(1, 500),
    .preparations = {{{"50", "50"}, {"10", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kDiltiazem)

}  // namespace kelomed
