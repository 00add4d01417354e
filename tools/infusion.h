// The continuous infusions of an intensive-care ward, one shape for every
// drug, as a smart pump's drug library has them. A drug is a record: its
// texts, its dose unit, its usual range (a soft limit either side), the
// label's maximum dose and concentration when the label gives them (hard
// limits), a daily maximum, the source of each, and its usual
// preparations. The tool's inputs, outputs, expressions, verdict rules and
// reference are built from the record while compiling, and the record is
// checked there too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <type_traits>

#include "engine/tool_model.h"
#include "tools/suite.h"

namespace kelomed {

// The dose units of the family, each in the unit the drug's label doses
// in: a dose the label gives per hour is never shown per minute, nor the
// reverse.
enum class DoseUnit : std::int32_t {
    MicrogramPerKgPerMinute,  // μg/kg/min; the drug comes in mg
    MicrogramPerMinute,       // μg/min; mg
    UnitPerMinute,            // U/min; U
    MilligramPerHour,         // mg/h; mg
    MicrogramPerKgPerHour,    // μg/kg/h; μg
    MilligramPerKgPerHour,    // mg/kg/h; mg
    MilligramPerMinute,       // mg/min; mg
    MicrogramPerHour,         // μg/h; mg
    MilligramPerKgPerMinute,  // mg/kg/min; mg
};

// One usual preparation: the amount of drug, in the unit it comes in, and
// the volume it is diluted to, as decimal texts ("200", "50").
struct Preparation {
    const char* amount = nullptr;
    const char* volume = nullptr;
};

inline constexpr std::size_t kMostPreparations = 3;

// The value of "自定义" in every drug's list of preparations: the amount and
// the volume are typed then, and apply only then.
inline constexpr int kCustomPreparation = 9;

struct InfusionDrug {
    // Id, title, subtitle, category, note and initials; the reference is built from
    // the limits and `source`.
    ToolTexts texts;
    DoseUnit unit;
    // The usual range, a soft limit at either end, as decimal texts
    // ("0.375"): the rules compare the ordered dose with the numbers they
    // stand for, and the verdicts and the reference show them as written.
    const char* usualLowest;
    const char* usualHighest;
    // The label's maximum dose, a hard limit; null when the label gives
    // none. `maximumTime` says how long the label allows it ("最长 10 分钟").
    const char* maximum = nullptr;
    const char16_t* maximumTime = nullptr;
    // The label's highest concentration, in the concentration's unit, a
    // hard limit; null when the label gives none.
    const char* maximumConcentration = nullptr;
    // The label's most per day, in the unit of the 24-hour amount; a rate
    // is above it only when it runs all day, so it asks for the running
    // time to be checked. Null when the label gives none.
    const char* dailyMaximum = nullptr;
    // Where the limits come from, each with its year (or "未注明日期" where
    // the source shows none), in the source's own words and unit.
    const char16_t* source = nullptr;
    // What the dose field takes (a margin either side of the limits, so a
    // dose off by ten still reaches its verdict), what the amount field
    // takes, and the usual preparations, the first the default.
    InputRange doseRange;
    double defaultDose = 0;
    InputRange amountRange;
    std::array<Preparation, kMostPreparations> preparations = {};
};

// What a dose unit means for the tool: the texts of its units and the
// expressions that turn dose, weight and concentration into the outputs.
struct DoseUnitShape {
    const char16_t* dose;
    const char16_t* amount;
    const char16_t* concentration;
    const char16_t* amountPerHour;
    const char16_t* amountPerDay;
    bool perKilogram;
    // What turns the amount per ml into the concentration's unit.
    const char* concentrationScale;
    const char* rateExpression;
    const char* amountPerHourExpression;
    const char* dosePerRateExpression;
    const char* amountPerDayExpression;
};

// One row per DoseUnit, in the enum's order. The rate and the dose of
// 1 ml/h read the concentration computed before them.
// clang-format off
inline constexpr DoseUnitShape kDoseUnitShapes[] = {
    {u"μg/kg/min", u"mg", u"μg/ml", u"mg/h", u"mg/kg", true, "*1000",
     "dose*w*60/conc", "dose*w*60/1000", "conc/(w*60)", "dose*1440/1000"},
    {u"μg/min", u"mg", u"μg/ml", u"mg/h", u"mg", false, "*1000",
     "dose*60/conc", "dose*60/1000", "conc/60", "dose*1440/1000"},
    {u"U/min", u"U", u"U/ml", u"U/h", u"U", false, "",
     "dose*60/conc", "dose*60", "conc/60", "dose*1440"},
    {u"mg/h", u"mg", u"mg/ml", u"mg/h", u"mg", false, "",
     "dose/conc", "dose", "conc", "dose*24"},
    {u"μg/kg/h", u"μg", u"μg/ml", u"μg/h", u"μg/kg", true, "",
     "dose*w/conc", "dose*w", "conc/w", "dose*24"},
    {u"mg/kg/h", u"mg", u"mg/ml", u"mg/h", u"mg/kg", true, "",
     "dose*w/conc", "dose*w", "conc/w", "dose*24"},
    {u"mg/min", u"mg", u"mg/ml", u"mg/h", u"mg", false, "",
     "dose*60/conc", "dose*60", "conc/60", "dose*1440"},
    {u"μg/h", u"mg", u"μg/ml", u"mg/h", u"mg", false, "*1000",
     "dose/conc", "dose/1000", "conc", "dose*24/1000"},
    {u"mg/kg/min", u"mg", u"mg/ml", u"mg/h", u"mg/kg", true, "",
     "dose*w*60/conc", "dose*w*60", "conc/(w*60)", "dose*1440"},
};
// clang-format on

constexpr const DoseUnitShape& ShapeOf(DoseUnit unit) {
    return kDoseUnitShapes[static_cast<int>(unit)];
}

// The rates a pump runs. Below 0.1 ml/h, the smallest step of a syringe
// pump, a rate cannot be set; above 1200 ml/h, the top of a volumetric
// infusion pump's range, no pump of the ward delivers it.
inline constexpr char kLowestPumpRate[] = "0.1";
inline constexpr char kHighestPumpRate[] = "1200";

// The number a decimal text ("0.375", "50") stands for, as the expression
// evaluator reads it: the digits as a whole number divided by a power of
// ten, both exact, so the quotient is the correctly rounded value. NaN for a
// text that is not a plain decimal of at most 15 digits.
constexpr double DecimalValue(const char* text) {
    constexpr double kNotADecimal = std::numeric_limits<double>::quiet_NaN();
    double digits = 0;
    double scale = 1;
    int count = 0;
    bool point = false;
    char last = 0;
    for (const char* at = text; *at != 0; last = *at++) {
        if (*at == '.' && !point && count > 0) {
            point = true;
        } else if (*at >= '0' && *at <= '9' && count < 15) {
            digits = digits * 10 + (*at - '0');
            scale = point ? scale * 10 : scale;
            ++count;
        } else {
            return kNotADecimal;
        }
    }
    return count > 0 && last != '.' ? digits / scale : kNotADecimal;
}

// A text built while compiling, in storage of N units.
template <typename Unit, std::size_t N>
struct FixedText {
    Unit units[N] = {};
    std::size_t length = 0;

    // A text, as an array or a pointer; a null pointer adds nothing: the
    // texts of a limit the label does not give.
    template <typename Text>
    constexpr FixedText& operator<<(const Text& part) {
        if constexpr (std::is_array_v<Text>) {
            return Append(&part[0]);
        } else {
            return part != nullptr ? Append(part) : *this;
        }
    }

    template <typename Part>
    constexpr FixedText& Append(const Part* part) {
        for (; *part != 0; ++part) {
            if (length + 1 >= N) {
                ToolTableIsInvalid("a text built from an infusion record is too long");
            }
            units[length++] = static_cast<Unit>(*part);
        }
        return *this;
    }
};

// True when `text` holds `part` (ASCII or UTF-16) at some place.
template <typename Part>
constexpr bool HoldsText(const char16_t* text, const Part* part) {
    for (const char16_t* start = text; *start != 0; ++start) {
        const char16_t* at = start;
        const Part* wanted = part;
        while (*wanted != 0 && *at == static_cast<char16_t>(*wanted)) {
            ++at;
            ++wanted;
        }
        if (*wanted == 0) {
            return true;
        }
    }
    return false;
}

// True when `text` names a year from 1900 to 2099.
constexpr bool NamesYear(const char16_t* text) {
    for (const char16_t* at = text; at[0] != 0 && at[1] != 0 && at[2] != 0 && at[3] != 0; ++at) {
        const bool century = (at[0] == u'1' && at[1] == u'9') || (at[0] == u'2' && at[1] == u'0');
        if (century && at[2] >= u'0' && at[2] <= u'9' && at[3] >= u'0' && at[3] <= u'9') {
            return true;
        }
    }
    return false;
}

// The count of preparations a record gives, from the first.
constexpr std::size_t PreparationCount(const InfusionDrug& drug) {
    std::size_t count = 0;
    while (count < kMostPreparations && drug.preparations[count].amount != nullptr) {
        ++count;
    }
    return count;
}

// The texts of the tool of `drug`, with its `reference`, once the record
// passes its checks: limits that are decimals in order, the maximum (when
// there is one) not below the usual range; a dose field that takes each
// limit and doses above the highest; preparations that the amount and
// volume fields take and that stay within the label's concentration; and a
// source with a year, or saying it shows none, that states the maximum in
// the drug's unit.
consteval ToolTexts CheckedInfusionTexts(const InfusionDrug& drug, const char16_t* reference) {
    const double lowest = DecimalValue(drug.usualLowest);
    const double highest = DecimalValue(drug.usualHighest);
    const double top = drug.maximum != nullptr ? DecimalValue(drug.maximum) : highest;
    if (!(lowest > 0 && lowest <= highest && highest <= top)) {
        ToolTableIsInvalid("an infusion's limits are decimals with low <= high <= maximum");
    }
    if (!IsWithin(drug.doseRange, lowest) || !IsWithin(drug.doseRange, top) ||
        !(drug.doseRange.highest > top)) {
        ToolTableIsInvalid("an infusion's dose field takes its limits and doses above them");
    }
    if (drug.maximumTime != nullptr && drug.maximum == nullptr) {
        ToolTableIsInvalid("an infusion's time limit belongs to its maximum");
    }
    if ((drug.maximumConcentration != nullptr && !(DecimalValue(drug.maximumConcentration) > 0)) ||
        (drug.dailyMaximum != nullptr && !(DecimalValue(drug.dailyMaximum) > 0))) {
        ToolTableIsInvalid("an infusion's concentration and daily limits are decimals");
    }
    const std::size_t preparations = PreparationCount(drug);
    if (preparations == 0) {
        ToolTableIsInvalid("an infusion has a usual preparation");
    }
    const DoseUnitShape& shape = ShapeOf(drug.unit);
    const double scale = shape.concentrationScale[0] != 0 ? 1000 : 1;
    for (std::size_t i = 0; i < preparations; ++i) {
        const double amount = DecimalValue(drug.preparations[i].amount);
        const double volume = DecimalValue(drug.preparations[i].volume);
        if (!IsWithin(drug.amountRange, amount) || !(volume >= 1 && volume <= 1000)) {
            ToolTableIsInvalid("an infusion's preparation is within the amount and volume fields");
        }
        if (drug.maximumConcentration != nullptr &&
            amount * scale / volume > DecimalValue(drug.maximumConcentration)) {
            ToolTableIsInvalid("an infusion's preparation is within the label's concentration");
        }
    }
    if (!NamesYear(drug.source) && !HoldsText(drug.source, u"未注明日期")) {
        ToolTableIsInvalid("an infusion's source names its year or says it shows none");
    }
    if (drug.maximum != nullptr) {
        FixedText<char16_t, 64> statedMaximum;
        statedMaximum << drug.maximum << u" " << shape.dose;
        if (!HoldsText(drug.source, statedMaximum.units)) {
            ToolTableIsInvalid("an infusion's source states its maximum in the drug's unit");
        }
    }
    return {drug.texts.id, drug.texts.title, drug.texts.subtitle, drug.texts.category,
            reference,     drug.texts.note,  drug.texts.initials};
}

// The verdict levels of the family.
inline constexpr std::int32_t kBelowUsualLevel = 1;
inline constexpr std::int32_t kAboveUsualLevel = 2;
inline constexpr std::int32_t kAboveMaximumLevel = 3;

// The tables of `Drug`'s tool: they live here, in static storage, so that
// the ToolDef can point into them.
template <const InfusionDrug& Drug>
struct InfusionTool {
    static constexpr DoseUnitShape shape = ShapeOf(Drug.unit);
    static constexpr std::size_t preparationCount = PreparationCount(Drug);
    static constexpr bool hasMaximum = Drug.maximum != nullptr;
    // With the maximum at the usual upper limit, no dose is above the one
    // and not the other: the rule of level 2 is left out.
    static constexpr bool hasAboveUsualRule = !hasMaximum || DecimalValue(Drug.maximum) >
                                                                 DecimalValue(Drug.usualHighest);
    static constexpr bool hasConcentrationRule = Drug.maximumConcentration != nullptr;
    static constexpr bool hasDailyRule = Drug.dailyMaximum != nullptr;

    // "200 mg / 50 ml" for each preparation, then "自定义".
    static constexpr std::array<FixedText<char16_t, 32>, kMostPreparations> preparationNames = [] {
        std::array<FixedText<char16_t, 32>, kMostPreparations> names = {};
        for (std::size_t i = 0; i < preparationCount; ++i) {
            names[i] << Drug.preparations[i].amount << u" " << shape.amount << u" / "
                     << Drug.preparations[i].volume << u" ml";
        }
        return names;
    }();
    static constexpr std::array<InputChoice, kMostPreparations + 1> preparationChoices = [] {
        std::array<InputChoice, kMostPreparations + 1> choices = {};
        for (std::size_t i = 0; i < preparationCount; ++i) {
            choices[i] = {static_cast<double>(i + 1), preparationNames[i].units};
        }
        choices[preparationCount] = {kCustomPreparation, u"自定义"};
        return choices;
    }();

    // The concentration: a chosen preparation's amount over its volume, or
    // the typed ones, which count 0 unless "自定义" is chosen.
    static constexpr auto concentration = [] {
        FixedText<char, 160> text;
        text << "(";
        for (std::size_t i = 0; i < preparationCount; ++i) {
            const char digit[] = {static_cast<char>('1' + i), 0};
            text << Drug.preparations[i].amount << "*(prep==" << digit << ")+";
        }
        text << "drug)" << shape.concentrationScale << "/(";
        for (std::size_t i = 0; i < preparationCount; ++i) {
            const char digit[] = {static_cast<char>('1' + i), 0};
            text << Drug.preparations[i].volume << "*(prep==" << digit << ")+";
        }
        text << "dil)";
        return text;
    }();

    static constexpr auto aboveMaximum = FixedText<char, 24>() << "dose>" << Drug.maximum;
    static constexpr auto aboveConcentration = FixedText<char, 24>()
                                               << "conc>" << Drug.maximumConcentration;
    static constexpr auto belowPumpRate = FixedText<char, 24>() << "rate<" << kLowestPumpRate;
    static constexpr auto abovePumpRate = FixedText<char, 24>() << "rate>" << kHighestPumpRate;
    static constexpr auto aboveUsual = FixedText<char, 24>() << "dose>" << Drug.usualHighest;
    static constexpr auto aboveDaily = FixedText<char, 24>() << "per_day>" << Drug.dailyMaximum;
    static constexpr auto belowUsual = FixedText<char, 24>() << "dose<" << Drug.usualLowest;

    static constexpr auto maximumText = [] {
        FixedText<char16_t, 64> text;
        if (hasMaximum) {
            text << Drug.maximum << u" " << shape.dose;
        }
        if (Drug.maximumTime != nullptr) {
            text << u"（" << Drug.maximumTime << u"）";
        }
        return text;
    }();
    static constexpr auto aboveMaximumVerdict = FixedText<char16_t, 96>()
                                                << u"超过说明书最大剂量 " << maximumText.units
                                                << u"，硬限制，立即核对医嘱";
    static constexpr auto aboveConcentrationVerdict =
        FixedText<char16_t, 96>() << u"浓度超过说明书最大浓度 " << Drug.maximumConcentration << u" "
                                  << shape.concentration << u"，硬限制，请加大稀释量";
    static constexpr auto belowPumpRateVerdict =
        FixedText<char16_t, 96>() << u"泵速低于 " << kLowestPumpRate
                                  << u" ml/h，注射泵无法准确输注，请降低浓度（加大稀释量）";
    static constexpr auto abovePumpRateVerdict = FixedText<char16_t, 96>()
                                                 << u"泵速高于 " << kHighestPumpRate
                                                 << u" ml/h，超出输液泵可设范围，请提高浓度";
    static constexpr auto aboveUsualVerdict = [] {
        FixedText<char16_t, 96> text;
        text << u"高于常用剂量上限 " << Drug.usualHighest << u" " << shape.dose << u"，软限制";
        if (Drug.maximumTime != nullptr) {
            text << u"；最大 " << Drug.maximum << u" " << shape.dose << u" " << Drug.maximumTime;
        }
        text << u"，请核对医嘱";
        return text;
    }();
    static constexpr auto aboveDailyVerdict =
        FixedText<char16_t, 96>() << u"持续 24 小时将超过说明书每日最大量 " << Drug.dailyMaximum
                                  << u" " << shape.amountPerDay << u"，请核对输注时长";
    static constexpr auto belowUsualVerdict = FixedText<char16_t, 96>()
                                              << u"低于常用剂量下限 " << Drug.usualLowest << u" "
                                              << shape.dose << u"，软限制，请核对医嘱";
    static constexpr auto withinUsualVerdict = FixedText<char16_t, 96>()
                                               << u"在常用剂量范围 " << Drug.usualLowest << u"-"
                                               << Drug.usualHighest << u" " << shape.dose << u" 内";
    static constexpr auto reference = [] {
        FixedText<char16_t, 512> text;
        text << u"常用 " << Drug.usualLowest << u"-" << Drug.usualHighest << u" " << shape.dose
             << u"（软限制）；";
        if (hasMaximum) {
            text << u"说明书最大 " << maximumText.units << u"（硬限制）；";
        } else {
            text << u"说明书未给最大剂量；";
        }
        if (hasConcentrationRule) {
            text << u"最大浓度 " << Drug.maximumConcentration << u" " << shape.concentration
                 << u"（硬限制）；";
        }
        if (hasDailyRule) {
            text << u"每日不超过 " << Drug.dailyMaximum << u" " << shape.amountPerDay << u"；";
        }
        text << u"泵速 " << kLowestPumpRate << u"-" << kHighestPumpRate
             << u" ml/h 之外无法准确输注。" << Drug.source;
        return text;
    }();

    // The hard limits first, then the pump, then the soft limits.
    static constexpr std::array<VerdictRule, 9> rules = [] {
        std::array<VerdictRule, 9> list = {};
        std::size_t count = 0;
        if (hasMaximum) {
            list[count++] = {aboveMaximum.units, kAboveMaximumLevel, aboveMaximumVerdict.units};
        }
        if (hasConcentrationRule) {
            list[count++] = {aboveConcentration.units, kAboveMaximumLevel,
                             aboveConcentrationVerdict.units};
        }
        list[count++] = {belowPumpRate.units, kAboveMaximumLevel, belowPumpRateVerdict.units};
        list[count++] = {abovePumpRate.units, kAboveMaximumLevel, abovePumpRateVerdict.units};
        if (hasAboveUsualRule) {
            list[count++] = {aboveUsual.units, kAboveUsualLevel, aboveUsualVerdict.units};
        }
        if (hasDailyRule) {
            list[count++] = {aboveDaily.units, kAboveUsualLevel, aboveDailyVerdict.units};
        }
        list[count++] = {belowUsual.units, kBelowUsualLevel, belowUsualVerdict.units};
        list[count++] = {"", 0, withinUsualVerdict.units};
        return list;
    }();
    static constexpr std::size_t ruleCount = 4 + (hasMaximum ? 1 : 0) +
                                             (hasConcentrationRule ? 1 : 0) +
                                             (hasAboveUsualRule ? 1 : 0) + (hasDailyRule ? 1 : 0);

    // The ranges of tool 48: weights from a premature newborn to the
    // heaviest adult, volumes from a syringe to a bag.
    static constexpr std::array<InputField, 5> inputs = [] {
        std::array<InputField, 5> list = {};
        std::size_t count = 0;
        list[count++] =
            NumberInput("dose", u"目标剂量", shape.dose, Drug.defaultDose, Drug.doseRange);
        if (shape.perKilogram) {
            list[count++] = NumberInput("w", u"体重", u"kg", 60, Between(0.3, 500));
        }
        list[count++] = {"prep",
                         u"配置",
                         u"",
                         1,
                         kAnyNumber,
                         InputForm::Choice,
                         preparationChoices.data(),
                         static_cast<std::int32_t>(preparationCount + 1),
                         nullptr};
        // The amount and the volume apply while "自定义" (kCustomPreparation)
        // is chosen.
        static_assert(kCustomPreparation == 9);
        list[count++] =
            NumberInput("drug", u"自定义药量", shape.amount,
                        DecimalValue(Drug.preparations[0].amount), Drug.amountRange, "prep==9");
        list[count++] =
            NumberInput("dil", u"自定义稀释至", u"ml", DecimalValue(Drug.preparations[0].volume),
                        Between(1, 1000), "prep==9");
        return list;
    }();
    static constexpr std::size_t inputCount = shape.perKilogram ? 5 : 4;

    // A rate shows at least two significant digits, so that a small one
    // never reads 0.00 nor a third off.
    static constexpr std::array<OutputField, 5> outputs = {{
        {"conc", u"浓度", shape.concentration, concentration.units, "g3"},
        {"rate", u"泵速", u"ml/h", shape.rateExpression, "sig2"},
        {"per_hour", u"每小时药量", shape.amountPerHour, shape.amountPerHourExpression, "g3"},
        {"per_rate", u"每 1 ml/h 相当于", shape.dose, shape.dosePerRateExpression, "g3"},
        {"per_day", u"持续 24 小时药量", shape.amountPerDay, shape.amountPerDayExpression, "g3"},
    }};
    static constexpr std::size_t outputCount = hasDailyRule ? 5 : 4;
};

// The tool of `Drug`, built from its tables and checked while compiling; its
// report begins with the dose, weight and preparation as entered.
template <const InfusionDrug& Drug>
consteval ToolDef InfusionToolOf() {
    using Tables = InfusionTool<Drug>;
    ToolDef tool = FormulaTool(CheckedInfusionTexts(Drug, Tables::reference.units),
                               std::span(Tables::inputs.data(), Tables::inputCount),
                               std::span(Tables::outputs.data(), Tables::outputCount),
                               std::span(Tables::rules.data(), Tables::ruleCount));
    tool.listsChosenItems = true;
    return tool;
}

// The infusion drug of tool `Id`, for the tools listed with
// KELOMED_INFUSION_TOOL.
template <int Id>
const InfusionDrug& InfusionDrugDefinition();

#define KELOMED_TOOL(id, file)
#define KELOMED_INFUSION_TOOL(id, file) \
    template <>                         \
    const InfusionDrug& InfusionDrugDefinition<id>();
#include "tools/tool_list.h"
#undef KELOMED_INFUSION_TOOL
#undef KELOMED_TOOL

// Makes `drug`, a constant InfusionDrug of a file in tools/, the suite's
// tool of its id: the one line every infusion file ends with.
#define KELOMED_SUITE_INFUSION(drug)                              \
    constexpr ToolDef kInfusionTool = InfusionToolOf<drug>();     \
    template <>                                                   \
    const InfusionDrug& InfusionDrugDefinition<drug.texts.id>() { \
        return drug;                                              \
    }                                                             \
    KELOMED_SUITE_TOOL(kInfusionTool)

// Every infusion drug of the suite, in the order of the list.
std::span<const InfusionDrug* const> InfusionLibrary();

}  // namespace kelomed
