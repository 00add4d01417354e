// Tool 88: octreotide, a dose per hour.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kOctreotide = {
    .texts = {88, u"奥曲肽配置与剂量", u"按剂量计算奥曲肽泵速", u"重症用药", nullptr,
              u"静脉曲张出血连续使用最多 5 天；监测血糖。", "aqtpzyjl"},
    .unit = DoseUnit::MicrogramPerHour,
    .uses = {{{.usualLowest = "25", .usualHighest = "50", .limitNote = u"连续使用最多 5 天"}}},
    .source =
        u"醋酸奥曲肽注射液说明书（未注明日期）：食管胃底静脉曲张出血 25 μg/h 持续静脉滴注，最多 5 "
        u"天；肝硬化门静脉高压食管胃静脉曲张出血防治指南（2016）：25-50 μg/h",
    .doseRange = Between(2.5, 250),
    .defaultDose = 25,
    .amountRange = Between(0.05, 10),
    .preparations = {{{"0.6", "50"}, {"0.3", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kOctreotide)

}  // namespace kelomed
