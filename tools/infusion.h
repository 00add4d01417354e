// The continuous infusions of an intensive-care ward, one shape for every
// drug. A drug is a record: its texts, its dose unit, its usual range and
// maximum as decimal texts with the source they come from, and its usual
// preparation. The tool's inputs, outputs, expressions, verdict rules and
// reference are built from the record while compiling, and the record is
// checked there too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

#include "engine/tool_model.h"
#include "tools/suite.h"

namespace kelomed {

// The dose units of the family, each in the drug's label's own unit: a dose
// the label gives per hour is never shown per minute, nor the reverse.
enum class DoseUnit : std::int32_t {
    MicrogramPerKgPerMinute,  // μg/kg/min; the drug comes in mg
    MicrogramPerMinute,       // μg/min; mg
    UnitPerMinute,            // U/min; U
    MilligramPerHour,         // mg/h; mg
    MicrogramPerKgPerHour,    // μg/kg/h; μg
    MilligramPerKgPerHour,    // mg/kg/h; mg
};

struct InfusionDrug {
    // Id, title, subtitle, category and note; the reference is built from
    // the limits and `source`.
    ToolTexts texts;
    DoseUnit unit;
    // The usual range and the maximum, as decimal texts ("0.375"): the rules
    // compare the ordered dose with the numbers they stand for, and the
    // verdicts and the reference show them as written.
    const char* usualLowest;
    const char* usualHighest;
    const char* maximum;
    // Where the limits come from, with its year, in the source's own words
    // and unit.
    const char16_t* source;
    // What the dose field takes (a margin either side of the limits, so a
    // dose off by ten still reaches its verdict), and the usual preparation:
    // the amount of drug in the ampoule's unit and the volume it is diluted
    // to.
    InputRange doseRange;
    double defaultDose;
    InputRange amountRange;
    double defaultAmount;
    double defaultVolume;
};

// What a dose unit means for the tool: the texts of its units and the
// expressions that turn dose, weight, amount and volume into the outputs.
struct DoseUnitShape {
    const char16_t* dose;
    const char16_t* amount;
    const char16_t* concentration;
    const char16_t* amountPerHour;
    bool perKilogram;
    const char* concentrationExpression;
    const char* rateExpression;
    const char* amountPerHourExpression;
    const char* dosePerRateExpression;
};

// One row per DoseUnit, in the enum's order. The rate and the dose of
// 1 ml/h read the concentration computed before them.
// clang-format off
inline constexpr DoseUnitShape kDoseUnitShapes[] = {
    {u"μg/kg/min", u"mg", u"μg/ml", u"mg/h", true,
     "drug*1000/dil", "dose*w*60/conc", "dose*w*60/1000", "conc/(w*60)"},
    {u"μg/min", u"mg", u"μg/ml", u"mg/h", false,
     "drug*1000/dil", "dose*60/conc", "dose*60/1000", "conc/60"},
    {u"U/min", u"U", u"U/ml", u"U/h", false,
     "drug/dil", "dose*60/conc", "dose*60", "conc/60"},
    {u"mg/h", u"mg", u"mg/ml", u"mg/h", false,
     "drug/dil", "dose/conc", "dose", "conc"},
    {u"μg/kg/h", u"μg", u"μg/ml", u"μg/h", true,
     "drug/dil", "dose*w/conc", "dose*w", "conc/w"},
    {u"mg/kg/h", u"mg", u"mg/ml", u"mg/h", true,
     "drug/dil", "dose*w/conc", "dose*w", "conc/w"},
};
// clang-format on

constexpr const DoseUnitShape& ShapeOf(DoseUnit unit) {
    return kDoseUnitShapes[static_cast<int>(unit)];
}

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

    template <typename Part>
    constexpr FixedText& operator<<(const Part* part) {
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

// The texts of the tool of `drug`, with its `reference`, once the record
// passes its checks: limits that are decimals in order, within what the dose
// field takes, which also takes doses above the maximum; and a source with a
// year that states the maximum in the drug's unit.
consteval ToolTexts CheckedInfusionTexts(const InfusionDrug& drug, const char16_t* reference) {
    const double lowest = DecimalValue(drug.usualLowest);
    const double highest = DecimalValue(drug.usualHighest);
    const double maximum = DecimalValue(drug.maximum);
    if (!(lowest > 0 && lowest <= highest && highest <= maximum)) {
        ToolTableIsInvalid("an infusion's limits are decimals with low <= high <= maximum");
    }
    if (!IsWithin(drug.doseRange, lowest) || !IsWithin(drug.doseRange, maximum) ||
        !(drug.doseRange.highest > maximum)) {
        ToolTableIsInvalid("an infusion's dose field takes its limits and doses above the maximum");
    }
    FixedText<char16_t, 64> statedMaximum;
    statedMaximum << drug.maximum << u" " << ShapeOf(drug.unit).dose;
    if (!NamesYear(drug.source) || !HoldsText(drug.source, statedMaximum.units)) {
        ToolTableIsInvalid(
            "an infusion's source names its year and its maximum in the drug's unit");
    }
    return {drug.texts.id,       drug.texts.title, drug.texts.subtitle,
            drug.texts.category, reference,        drug.texts.note};
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
    // With the maximum at the usual upper limit, no dose is above the one
    // and not the other: the rule of level 2 is left out.
    static constexpr bool hasAboveUsualRule = DecimalValue(Drug.maximum) >
                                              DecimalValue(Drug.usualHighest);

    static constexpr auto aboveMaximum = FixedText<char, 24>() << "dose>" << Drug.maximum;
    static constexpr auto aboveUsual = FixedText<char, 24>() << "dose>" << Drug.usualHighest;
    static constexpr auto belowUsual = FixedText<char, 24>() << "dose<" << Drug.usualLowest;

    static constexpr auto aboveMaximumVerdict = FixedText<char16_t, 96>()
                                                << u"超过最大剂量 " << Drug.maximum << u" "
                                                << shape.dose << u"，立即核对医嘱";
    static constexpr auto aboveUsualVerdict = FixedText<char16_t, 96>()
                                              << u"高于常用剂量上限 " << Drug.usualHighest << u" "
                                              << shape.dose << u"，请核对医嘱";
    static constexpr auto belowUsualVerdict = FixedText<char16_t, 96>()
                                              << u"低于常用剂量下限 " << Drug.usualLowest << u" "
                                              << shape.dose << u"，请核对医嘱";
    static constexpr auto withinUsualVerdict = FixedText<char16_t, 96>()
                                               << u"在常用剂量范围 " << Drug.usualLowest << u"-"
                                               << Drug.usualHighest << u" " << shape.dose << u" 内";
    static constexpr auto reference = FixedText<char16_t, 256>()
                                      << u"常用 " << Drug.usualLowest << u"-" << Drug.usualHighest
                                      << u" " << shape.dose << u"，最大 " << Drug.maximum << u" "
                                      << shape.dose << u"。" << Drug.source;

    static constexpr std::array<VerdictRule, 4> rules = [] {
        std::array<VerdictRule, 4> list = {};
        std::size_t count = 0;
        list[count++] = {aboveMaximum.units, kAboveMaximumLevel, aboveMaximumVerdict.units};
        if (hasAboveUsualRule) {
            list[count++] = {aboveUsual.units, kAboveUsualLevel, aboveUsualVerdict.units};
        }
        list[count++] = {belowUsual.units, kBelowUsualLevel, belowUsualVerdict.units};
        list[count++] = {"", 0, withinUsualVerdict.units};
        return list;
    }();
    static constexpr std::size_t ruleCount = hasAboveUsualRule ? 4 : 3;

    // The ranges of tool 48: weights from a premature newborn to the
    // heaviest adult, volumes from a syringe to a bag.
    static constexpr std::array<InputField, 4> inputs = [] {
        std::array<InputField, 4> list = {};
        std::size_t count = 0;
        list[count++] =
            NumberInput("dose", u"目标剂量", shape.dose, Drug.defaultDose, Drug.doseRange);
        if (shape.perKilogram) {
            list[count++] = NumberInput("w", u"体重", u"kg", 60, Between(0.3, 500));
        }
        list[count++] =
            NumberInput("drug", u"药量", shape.amount, Drug.defaultAmount, Drug.amountRange);
        list[count++] = NumberInput("dil", u"稀释至", u"ml", Drug.defaultVolume, Between(1, 1000));
        return list;
    }();
    static constexpr std::size_t inputCount = shape.perKilogram ? 4 : 3;

    static constexpr std::array<OutputField, 4> outputs = {{
        {"conc", u"浓度", shape.concentration, shape.concentrationExpression, "g3"},
        {"rate", u"泵速", u"ml/h", shape.rateExpression, "f2"},
        {"per_hour", u"每小时药量", shape.amountPerHour, shape.amountPerHourExpression, "g3"},
        {"per_rate", u"每 1 ml/h 相当于", shape.dose, shape.dosePerRateExpression, "g3"},
    }};
};

// The tool of `Drug`, built from its tables and checked while compiling.
template <const InfusionDrug& Drug>
consteval ToolDef InfusionToolOf() {
    using Tables = InfusionTool<Drug>;
    return FormulaTool(CheckedInfusionTexts(Drug, Tables::reference.units),
                       std::span(Tables::inputs.data(), Tables::inputCount), Tables::outputs,
                       std::span(Tables::rules.data(), Tables::ruleCount));
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
