// Tool 80: dexmedetomidine for sedation, by body weight per hour.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kDexmedetomidine = {
    .texts = {80, u"右美托咪定配置与剂量", u"按体重计算右美托咪定泵速", u"重症用药", nullptr,
              u"可致低血压、心动过缓；欧盟说明书不推荐 ICU 镇静用负荷剂量。", "ymtmdpzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerHour,
    .usualLowest = "0.2",
    .usualHighest = "0.7",
    .maximum = "1.4",
    .source =
        u"Precedex 美国说明书（未注明日期）：ICU 镇静维持 0.2-0.7 μg/kg/h；Dexdor "
        u"欧盟说明书（2019）：最大 1.4 μg/kg/h",
    .doseRange = Between(0.02, 7),
    .defaultDose = 0.5,
    .amountRange = Between(10, 2000),
    .preparations = {{{"200", "50"}, {"400", "100"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kDexmedetomidine)

}  // namespace kelomed
