// Tool 75: nitroglycerin, a dose per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kNitroglycerin = {
    .texts = {75, u"硝酸甘油配置与剂量", u"按剂量计算硝酸甘油泵速", u"重症用药", nullptr,
              u"使用不吸附药物的输液器；收缩压低于 90 mmHg 时避免使用。", "xsgypzyjl"},
    .unit = DoseUnit::MicrogramPerMinute,
    .uses = {{{.usualLowest = "10", .usualHighest = "200"}}},
    .source = u"ESC 急慢性心力衰竭指南（2016）：硝酸甘油起始 10-20 μg/min，可增至 200 μg/min",
    .doseRange = Between(1, 1000),
    .defaultDose = 10,
    .amountRange = Between(1, 200),
    .preparations = {{{"5", "50"}, {"10", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kNitroglycerin)

}  // namespace kelomed
