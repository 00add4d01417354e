// Tool 73: vasopressin in septic shock, a dose per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kVasopressin = {
    .texts = {73, u"血管加压素配置与剂量", u"按剂量计算血管加压素泵速", u"重症用药", nullptr,
              u"用于补液与儿茶酚胺后仍低血压者；停用时每小时减 0.005 U/min。"},
    .unit = DoseUnit::UnitPerMinute,
    .usualLowest = "0.01",
    .usualHighest = "0.07",
    .maximum = "0.07",
    .source =
        u"Vasostrict 美国说明书（2026 年查阅）：脓毒性休克起始 0.01 U/min，"
        u"每 10-15 分钟加 0.005 U/min，最大 0.07 U/min",
    .doseRange = Between(0.001, 0.35),
    .defaultDose = 0.03,
    .amountRange = Between(1, 200),
    .defaultAmount = 20,
    .defaultVolume = 50,
};

}  // namespace

KELOMED_SUITE_INFUSION(kVasopressin)

}  // namespace kelomed
