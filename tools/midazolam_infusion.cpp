// Tool 89: midazolam for sedation, by body weight per hour.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kMidazolam = {
    .texts = {89, u"咪达唑仑配置与剂量", u"按体重计算咪达唑仑泵速", u"重症用药", nullptr,
              u"长时间输注可蓄积；每日评估镇静深度（RASS）并尽量浅镇静。", "mdzlpzyjl"},
    .unit = DoseUnit::MilligramPerKgPerHour,
    .uses = {{{.usualLowest = "0.02", .usualHighest = "0.1"}}},
    .source = u"SCCM 成人 ICU 疼痛、躁动和谵妄指南（PAD，2013）：咪达唑仑持续输注 0.02-0.1 mg/kg/h",
    .doseRange = Between(0.002, 1),
    .defaultDose = 0.05,
    .amountRange = Between(1, 500),
    .preparations = {{{"50", "50"}, {"100", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kMidazolam)

}  // namespace kelomed
