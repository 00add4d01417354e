// Tool 90: fentanyl for analgesia, by body weight per hour.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kFentanyl = {
    .texts = {90, u"芬太尼配置与剂量", u"按体重计算芬太尼泵速", u"重症用药", nullptr,
              u"警惕呼吸抑制与胸壁强直；长时间输注可蓄积，毒麻药品双人核对。", "ftnpzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerHour,
    .uses = {{{.usualLowest = "0.7", .usualHighest = "10"}}},
    .source = u"SCCM 成人 ICU 疼痛、躁动和谵妄指南（PAD，2013）：芬太尼持续输注 0.7-10 μg/kg/h",
    .doseRange = Between(0.07, 50),
    .defaultDose = 1,
    .amountRange = Between(10, 5000),
    .preparations = {{{"500", "50"}, {"1000", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kFentanyl)

}  // namespace kelomed
