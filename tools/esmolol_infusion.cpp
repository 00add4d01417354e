// Tool 78: esmolol, by body weight per minute.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kEsmolol = {
    .texts = {78, u"艾司洛尔配置与剂量", u"按体重计算艾司洛尔泵速", u"重症用药", nullptr,
              u"低血压常见且与剂量相关；出现心力衰竭征象立即停药。", "aslepzyjl"},
    .unit = DoseUnit::MilligramPerKgPerMinute,
    .uses = {{{.usualLowest = "0.05", .usualHighest = "0.2", .maximum = "0.3"}}},
    .source =
        u"盐酸艾司洛尔注射液说明书（未注明日期）：维持 0.05 mg/kg/min 起，最大维持量可加至 0.3 "
        u"mg/kg/min，0.2 mg/kg/min 以上未显示更多益处",
    .doseRange = Between(0.005, 1.5),
    .defaultDose = 0.05,
    .amountRange = Between(10, 5000),
    .preparations = {{{"500", "50"}, {"1000", "100"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kEsmolol)

}  // namespace kelomed
