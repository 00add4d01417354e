// Tool 80: dexmedetomidine for sedation, by body weight per hour.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kDexmedetomidine = {
    .texts = {80, u"右美托咪定配置与剂量", u"按体重计算右美托咪定泵速", u"重症用药", nullptr,
              u"可致低血压、心动过缓；欧盟说明书不推荐 ICU 镇静用负荷剂量。", "ymtmdpzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerHour,
    .uses = {{{.usualLowest = "0.2",
               .usualHighest = "0.7",
               .maximum = "1.4",
               .limitNote = u"持续输注不超过 24 小时",
               .loading = {.amount = "1",
                           .unit = u"μg/kg",
                           .mass = u"μg",
                           .minutes = "10",
                           .minutesAtLeast = true}}}},
    .dilutionHighest = "4",
    .source =
        u"盐酸右美托咪定注射液说明书（未注明日期）：用 0.9% 氯化钠稀释至 4 μg/ml，1 μg/kg "
        u"缓慢静注，"
        u"输注时间超过 10 分钟；Precedex 美国说明书（未注明日期）：ICU 镇静维持 0.2-0.7 μg/kg/h；"
        u"Dexdor 欧盟说明书（2019）：最大 1.4 μg/kg/h，ICU "
        u"镇静不推荐负荷剂量；右美托咪定注射液美国说明书"
        u"（2024）：ICU 镇静持续输注不超过 24 小时",
    .doseRange = Between(0.02, 7),
    .defaultDose = 0.5,
    .amountRange = Between(10, 2000),
    .preparations = {{{"200", "50"}, {"400", "100"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kDexmedetomidine)

}  // namespace kelomed
