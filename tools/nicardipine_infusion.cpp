// Tool 77: nicardipine, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kNicardipine = {
    .texts = {77, u"尼卡地平配置与剂量", u"按体重计算尼卡地平泵速", u"重症用药", nullptr,
              u"外周静脉输注每 12 小时更换部位；出现低血压或心动过速即停用。", "nkdppzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .uses = {{{.usualLowest = "0.5", .usualHighest = "6"}}},
    .dilutionHighest = "200",
    .source =
        u"盐酸尼卡地平注射液说明书（未注明日期）：稀释至 0.1-0.2 mg/ml；高血压急症 0.5-6 "
        u"μg/kg/min；手术时异常高血压 2-10 μg/kg/min",
    .doseRange = Between(0.05, 30),
    .defaultDose = 0.5,
    .amountRange = Between(1, 200),
    .preparations = {{{"10", "50"}, {"10", "100"}, {"50", "50", true}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kNicardipine)

}  // namespace kelomed
