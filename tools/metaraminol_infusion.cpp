// Tool 92: metaraminol, a dose per minute, which its label limits only from
// above.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kMetaraminol = {
    .texts = {92, u"间羟胺配置与剂量", u"按剂量计算间羟胺泵速", u"重症用药", nullptr,
              u"有蓄积作用，增量前至少观察 10 分钟；外渗可致组织坏死，需酚妥拉明局部浸润。",
              "jqapzyjl"},
    .unit = DoseUnit::MilligramPerMinute,
    .uses = {{{.usualHighest = "0.3", .ceiling = true, .maximum = "0.4"}}},
    .dilutionHighest = "0.2",
    .source =
        u"重酒石酸间羟胺注射液说明书（未注明日期）：15-100 mg 加入 500 ml 静脉滴注，调节滴速以维持"
        u"合适的血压；成人极量一次 100 mg（每分钟 0.3-0.4 mg，即 0.4 mg/min 为上限）；说明书未给"
        u"常用滴速",
    .doseRange = Between(0.01, 2),
    .defaultDose = 0.3,
    .amountRange = Between(1, 500),
    .preparations = {{{"100", "500"}, {"50", "50", true}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kMetaraminol)

}  // namespace kelomed
