// Tool 71: dobutamine, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kDobutamine = {
    .texts = {71, u"多巴酚丁胺配置与剂量", u"按体重计算多巴酚丁胺泵速", u"重症用药", nullptr,
              u"持续监测心电与血压；心房颤动者心室率可加快，宜先用洋地黄。"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .usualLowest = "2.5",
    .usualHighest = "15",
    .maximum = "40",
    .source =
        u"Hospira 多巴酚丁胺注射液美国说明书（2026 年查阅）："
        u"增加心排血量通常需 2.5-15 μg/kg/min，偶需 40 μg/kg/min",
    .doseRange = Between(0.25, 200),
    .defaultDose = 5,
    .amountRange = Between(1, 2000),
    .defaultAmount = 250,
    .defaultVolume = 50,
};

}  // namespace

KELOMED_SUITE_INFUSION(kDobutamine)

}  // namespace kelomed
