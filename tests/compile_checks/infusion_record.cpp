// An infusion record that passes its checks compiles; each WRONG_* variant
// must stop the build with its check's message.
#include "tools/infusion.h"

namespace kelomed {
namespace {

constexpr InfusionDrug kDrug = {
    .texts = {999, u"试验药配置与剂量", u"按体重计算泵速", u"重症用药", nullptr, u"注意",
              "syypzyjl"},
#ifdef WRONG_LOADING_PER_KG_WITHOUT_WEIGHT
    .unit = DoseUnit::MicrogramPerMinute,
#else
    .unit = DoseUnit::MicrogramPerKgPerMinute,
#endif
    .uses = {{
        {
#ifdef WRONG_SECOND_USE_WITHOUT_NAME
            .name = u"初始",
#endif
            .usualLowest = "2",
#ifdef WRONG_MAXIMUM_BELOW_USUAL
            .usualHighest = "60",
#elif defined(WRONG_NOT_A_DECIMAL)
            .usualHighest = "2O",
#else
            .usualHighest = "20",
#endif
            .maximum = "50",
#ifdef WRONG_LOADING_PER_KG_WITHOUT_WEIGHT
            .loading = {.amount = "50", .unit = u"μg/kg", .mass = u"μg", .minutes = "10"},
#endif
        },
#ifdef WRONG_SECOND_USE_WITHOUT_NAME
        {.usualLowest = "1", .usualHighest = "5"},
#endif
    }},
    .maximumConcentration = "4000",
#ifdef WRONG_CENTRAL_PREPARATION_UNNAMED
    .dilutionHighest = "3000",
#endif
#ifdef WRONG_SOURCE_WITHOUT_YEAR
    .source = u"说明书：最大 50 μg/kg/min",
#elif defined(WRONG_SOURCE_IN_OTHER_UNIT)
    .source = u"说明书（2023）：最大 50 μg/kg/h",
#else
    .source = u"说明书（2023）：最大 50 μg/kg/min",
#endif
#ifdef WRONG_DOSE_FIELD_STOPS_AT_MAXIMUM
    .doseRange = Between(0.2, 50),
#else
    .doseRange = Between(0.2, 250),
#endif
    .defaultDose = 5,
    .amountRange = Between(1, 2000),
#ifdef WRONG_PREPARATION_ABOVE_LABEL_CONCENTRATION
    .preparations = {{{"200", "50"}, {"400", "50"}}},
#else
    .preparations = {{{"200", "50"}, {"100", "50"}}},
#endif
};

static_assert(InfusionToolOf<kDrug>().ruleCount == 7);

}  // namespace
}  // namespace kelomed
