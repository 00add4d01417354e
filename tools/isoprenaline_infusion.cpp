// Tool 86: isoprenaline, a dose per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kIsoprenaline = {
    .texts = {86, u"异丙肾上腺素配置与剂量", u"按剂量计算异丙肾上腺素泵速", u"重症用药", nullptr,
              u"监测心率与心律，警惕快速性心律失常与心肌缺血。", "ybssxspzyjl"},
    .unit = DoseUnit::MicrogramPerMinute,
    .uses = {{
        {.name = u"心脏传导阻滞", .usualHighest = "5"},
        {.name = u"抗休克", .usualLowest = "0.5", .usualHighest = "2"},
    }},
    .source =
        u"盐酸异丙肾上腺素注射液说明书（未注明日期）：抗休克以 0.5-2 μg/min "
        u"静脉滴注，按心率与血压调整；Isuprel 美国说明书（未注明日期）：心脏传导阻滞静脉滴注起始 5 "
        u"μg/min，之后按心室率调整",
    .doseRange = Between(0.05, 20),
    .defaultDose = 1,
    .amountRange = Between(0.1, 20),
    .preparations = {{{"1", "50"}, {"1", "250"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kIsoprenaline)

}  // namespace kelomed
