// Tool 71: dobutamine, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kDobutamine = {
    .texts = {71, u"多巴酚丁胺配置与剂量", u"按体重计算多巴酚丁胺泵速", u"重症用药", nullptr,
              u"持续监测心电与血压；心房颤动者心室率可加快，宜先用洋地黄。", "dbfdapzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .uses = {{{.usualLowest = "2.5", .usualHighest = "10"}}},
    .source =
        u"盐酸多巴酚丁胺注射液说明书（未注明日期）：2.5-10 μg/kg/min；偶用 >15 "
        u"μg/kg/min，过大剂量仍可能加快心率并致心律失常",
    .doseRange = Between(0.25, 200),
    .defaultDose = 5,
    .amountRange = Between(1, 2000),
    .preparations = {{{"250", "50"}, {"200", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kDobutamine)

}  // namespace kelomed
