// Tool 84: lidocaine, a dose per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kLidocaine = {
    .texts = {84, u"利多卡因配置与剂量", u"按剂量计算利多卡因泵速", u"重症用药", nullptr,
              u"用药期间监测血压与心电图；老年人、心力衰竭、肝功能不全者减量。", "ldkypzyjl"},
    .unit = DoseUnit::MilligramPerMinute,
    .uses = {{{.usualLowest = "1",
               .usualHighest = "4",
               .maximum = "4",
               .loading = {.amount = "50",
                           .highest = "100",
                           .unit = u"mg",
                           .mass = u"mg",
                           .pushTime = u"2-3 分钟"}}}},
    .source =
        u"盐酸利多卡因注射液说明书（未注明日期）：抗心律失常先静注 1-1.5 mg/kg（一般 50-100 "
        u"mg）作负荷量，2-3 分钟注完，1 小时内总量不超过 300 mg；静脉滴注 1-4 mg/min，最大维持量 4 "
        u"mg/min",
    .doseRange = Between(0.1, 20),
    .defaultDose = 1,
    .amountRange = Between(10, 5000),
    .preparations = {{{"500", "50"}, {"1000", "250"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kLidocaine)

}  // namespace kelomed
