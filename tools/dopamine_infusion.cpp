// Tool 70: dopamine, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kDopamine = {
    .texts = {70, u"多巴胺配置与剂量", u"按体重计算多巴胺泵速", u"重症用药", nullptr,
              u"宜经大静脉输注；外渗可致组织坏死，需酚妥拉明局部浸润。", "dbapzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .uses = {{{.usualLowest = "1", .usualHighest = "20", .maximum = "50"}}},
    .source =
        u"盐酸多巴胺注射液说明书（修改日期 2015 年 12 月 1 日）：开始每分钟 1-5 μg/kg；危重病例先 "
        u"5 μg/kg/min，再每次 5-10 μg/kg/min 递增至 20-50 μg/kg/min",
    .doseRange = Between(0.1, 250),
    .defaultDose = 5,
    .amountRange = Between(1, 2000),
    .preparations = {{{"200", "50"}, {"100", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kDopamine)

}  // namespace kelomed
