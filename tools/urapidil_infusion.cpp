// Tool 82: urapidil, a dose per hour.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kUrapidil = {
    .texts =
        {82, u"乌拉地尔配置与剂量", u"按剂量计算乌拉地尔泵速", u"重症用药", nullptr,
         u"病人取卧位；血压下降程度由前 15 分钟输入量决定，之后以低剂量维持；疗程一般不超过 7 天。",
         "wldepzyjl"},
    .unit = DoseUnit::MilligramPerHour,
    .uses = {{
        {.name = u"初始", .usualHighest = "120", .limitNote = u"血压下降后改为维持剂量"},
        {.name = u"维持", .usualHighest = "9"},
    }},
    .defaultUse = 1,
    .maximumConcentration = "4",
    .source =
        u"盐酸乌拉地尔注射液说明书（修改日期 2019 年 5 月 22 日）：输液泵用 100 mg 稀释至 50 "
        u"ml，最大浓度 4 mg/ml；推荐初始 2 mg/min（120 mg/h），维持 9 "
        u"mg/h；注射用盐酸乌拉地尔（利喜定）说明书（未注明日期）："
        u"疗程一般不超过 7 天",
    .doseRange = Between(0.9, 600),
    .defaultDose = 9,
    .amountRange = Between(1, 1000),
    .preparations = {{{"100", "50"}, {"200", "50"}}},
};

}  // namespace

KELOMED_SUITE_INFUSION(kUrapidil)

}  // namespace kelomed
