// Tool 81: propofol for sedation, by body weight per hour.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kPropofol = {
    .texts = {81, u"丙泊酚配置与剂量", u"按体重计算丙泊酚泵速", u"重症用药", nullptr,
              u"长时间大剂量输注警惕丙泊酚输注综合征；监测血脂与乳酸。", "bbfpzyjl"},
    .unit = DoseUnit::MilligramPerKgPerHour,
    .uses = {{{.usualLowest = "0.3", .usualHighest = "4", .maximum = "4"}}},
    .source =
        u"Diprivan 1% 英国说明书（SmPC，未注明日期）：ICU 镇静 0.3-4.0 mg/kg/h，不推荐超过 4 "
        u"mg/kg/h",
    .doseRange = Between(0.03, 20),
    .defaultDose = 1,
    .amountRange = Between(10, 5000),
    .preparations = {{{"500", "50"}, {"1000", "100"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kPropofol)

}  // namespace kelomed
