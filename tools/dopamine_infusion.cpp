// Tool 70: dopamine, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kDopamine = {
    .texts = {70, u"多巴胺配置与剂量", u"按体重计算多巴胺泵速", u"重症用药", nullptr,
              u"宜经大静脉输注；外渗可致组织坏死，需酚妥拉明局部浸润。"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .usualLowest = "2",
    .usualHighest = "50",
    .maximum = "50",
    .source =
        u"Hospira 盐酸多巴胺注射液美国说明书（2023）："
        u"起始 2-5 μg/kg/min，逐步加量至不超过 50 μg/kg/min",
    .doseRange = Between(0.2, 250),
    .defaultDose = 5,
    .amountRange = Between(1, 2000),
    .defaultAmount = 200,
    .defaultVolume = 50,
};

}  // namespace

KELOMED_SUITE_INFUSION(kDopamine)

}  // namespace kelomed
