// Tool 84: lidocaine, a dose per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kLidocaine = {
    .texts = {84, u"利多卡因配置与剂量", u"按剂量计算利多卡因泵速", u"重症用药", nullptr,
              u"用药期间监测血压与心电图；老年人、心力衰竭、肝功能不全者减量。", "ldkypzyjl"},
    .unit = DoseUnit::MilligramPerMinute,
    .usualLowest = "1",
    .usualHighest = "4",
    .maximum = "4",
    .source =
        u"盐酸利多卡因注射液说明书（未注明日期）：抗心律失常静脉滴注 1-4 mg/min，最大维持量 4 "
        u"mg/min",
    .doseRange = Between(0.1, 20),
    .defaultDose = 1,
    .amountRange = Between(10, 5000),
    .preparations = {{{"500", "50"}, {"1000", "250"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kLidocaine)

}  // namespace kelomed
