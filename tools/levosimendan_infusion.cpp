// Tool 91: levosimendan, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kLevosimendan = {
    .texts = {91, u"左西孟旦配置与剂量", u"按体重计算左西孟旦泵速", u"重症用药", nullptr,
              u"持续输注 24 小时；低血压或心动过速时减量或停药。", "zxmdpzyjl"},
    .unit = DoseUnit::MicrogramPerKgPerMinute,
    .uses = {{{.usualLowest = "0.05", .usualHighest = "0.2"}}},
    .source =
        u"ESC 急慢性心力衰竭指南（2016）：左西孟旦 0.1 μg/kg/min，可减至 0.05 或增至 0.2 μg/kg/min",
    .doseRange = Between(0.005, 1),
    .defaultDose = 0.1,
    .amountRange = Between(1, 50),
    .preparations = {{{"12.5", "500"}, {"12.5", "250"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kLevosimendan)

}  // namespace kelomed
