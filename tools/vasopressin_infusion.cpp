// Tool 73: vasopressin in septic shock, a dose per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kVasopressin = {
    .texts = {73, u"血管加压素配置与剂量", u"按剂量计算血管加压素泵速", u"重症用药", nullptr,
              u"用于补液与儿茶酚胺后仍低血压者；停用时每小时减 0.005 U/min。", "xgjyspzyjl"},
    .unit = DoseUnit::UnitPerMinute,
    .uses = {{{.usualLowest = "0.01", .usualHighest = "0.03", .maximum = "0.07"}}},
    .source =
        u"拯救脓毒症运动指南（2016）：去甲肾上腺素基础上可加用血管加压素至 0.03 U/min；Vasostrict "
        u"美国说明书（未注明日期）：起始 0.01 U/min，最大 0.07 U/min",
    .doseRange = Between(0.001, 0.35),
    .defaultDose = 0.03,
    .amountRange = Between(1, 200),
    .preparations = {{{"20", "50"}, {"20", "100"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kVasopressin)

}  // namespace kelomed
