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
#include <utility>

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
// the volume it is diluted to, as decimal texts ("200", "50"); `central`
// names a preparation stronger than the label's dilution, for a central
// line, in the list ("200 mg / 50 ml（中心静脉）").
struct Preparation {
    const char* amount = nullptr;
    const char* volume = nullptr;
    bool central = false;
};

inline constexpr std::size_t kMostPreparations = 3;

// The value of "自定义" in every drug's list of preparations: the amount and
// the volume are typed then, and apply only then.
inline constexpr int kCustomPreparation = 9;

// A loading dose as the label gives it, in `unit` ("μg/kg", "mg"), whose
// mass is `mass` ("μg", "mg"): one amount, or a range the nurse types the
// ordered dose within; at most `cap` in the drug's amount unit; given by a
// pump over `minutes` (at least that long where `minutesAtLeast`), or as a
// slow push over `pushTime`.
struct LoadingDose {
    const char* amount = nullptr;
    const char* highest = nullptr;
    const char16_t* unit = nullptr;
    const char16_t* mass = nullptr;
    const char* cap = nullptr;
    const char* minutes = nullptr;
    bool minutesAtLeast = false;
    const char16_t* pushTime = nullptr;
};

// One use or phase of a drug as its label doses it ("初始", "维持"), with
// its own limits; a drug of one use has one, without a name. The limits are
// decimal texts ("0.375"): the rules compare the ordered dose with the
// numbers they stand for, and the verdicts and the reference show them as
// written.
struct InfusionUse {
    const char16_t* name = nullptr;
    // The usual range, a soft limit at either end. A use the label gives
    // one rate for has it as its highest (a dose above it is soft), and as
    // its lowest too where a lower dose is short of the label's. Where
    // `ceiling` is set the label gives no usual dose at all: the highest is
    // where its ceiling (极量) begins, and the maximum where it ends.
    const char* usualLowest = nullptr;
    const char* usualHighest = nullptr;
    bool ceiling = false;
    // The label's maximum dose, a hard limit; null when the label gives
    // none. `maximumTime` says how long the label allows it ("最长 10 分钟").
    const char* maximum = nullptr;
    const char16_t* maximumTime = nullptr;
    // What limits the use in time ("仅限前 6 小时"): a dose within its range
    // is then level 1 and says so, never green.
    const char16_t* limitNote = nullptr;
    // The label's most per day, in the unit of the 24-hour amount: hard
    // where the label states a maximum, soft where it words a warning; with
    // the loading dose counted where the label counts it.
    const char* dailyMaximum = nullptr;
    bool dailyIsHard = false;
    bool dailyCountsLoading = false;
    // The label's total for a course, in the unit of the 24-hour amount:
    // the report says when this rate reaches it.
    const char* cumulativeMaximum = nullptr;
    LoadingDose loading = {};
};

inline constexpr std::size_t kMostUses = 3;

struct InfusionDrug {
    // Id, title, subtitle, category, note and initials; the reference is built from
    // the limits and `source`.
    ToolTexts texts;
    DoseUnit unit;
    // Each use, the default first unless `defaultUse` says otherwise.
    std::array<InfusionUse, kMostUses> uses = {};
    std::size_t defaultUse = 0;
    // The label's highest concentration, in the concentration's unit, a
    // hard limit where the label states it as a maximum; its dilution
    // ("稀释至 0.1-0.2 mg/ml") a soft one, for a central line above it.
    const char* maximumConcentration = nullptr;
    const char* dilutionHighest = nullptr;
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

// The count of uses a record gives, from the first.
constexpr std::size_t UseCount(const InfusionDrug& drug) {
    std::size_t count = 0;
    while (count < kMostUses && drug.uses[count].usualHighest != nullptr) {
        ++count;
    }
    return count;
}

constexpr bool HasLoading(const InfusionUse& use) {
    return use.loading.amount != nullptr;
}

// The index of the one use for which `has` holds, or kMostUses for none.
template <typename Has>
constexpr std::size_t UseWhere(const InfusionDrug& drug, Has has) {
    for (std::size_t i = 0; i < UseCount(drug); ++i) {
        if (has(drug.uses[i])) {
            return i;
        }
    }
    return kMostUses;
}

// True when the texts are equal.
template <typename Unit>
constexpr bool SameText(const Unit* left, const Unit* right) {
    while (*left != 0 && *left == *right) {
        ++left;
        ++right;
    }
    return *left == *right;
}

// The mass of a unit, the text before its first "/": "μg" of "μg/kg/min".
constexpr FixedText<char16_t, 16> MassOf(const char16_t* unit) {
    FixedText<char16_t, 16> mass;
    for (; *unit != 0 && *unit != u'/'; ++unit) {
        const char16_t part[] = {*unit, 0};
        mass << part;
    }
    return mass;
}

// What turns an amount in the mass `from` into the mass `to`: "" for the
// same mass, "/1000" from μg to mg, "*1000" from mg to μg.
constexpr const char* MassScale(const char16_t* from, const char16_t* to) {
    if (SameText(MassOf(from).units, MassOf(to).units)) {
        return "";
    }
    if (SameText(MassOf(from).units, u"μg") && SameText(MassOf(to).units, u"mg")) {
        return "/1000";
    }
    if (SameText(MassOf(from).units, u"mg") && SameText(MassOf(to).units, u"μg")) {
        return "*1000";
    }
    ToolTableIsInvalid("an infusion's loading dose is in μg, mg or the drug's own unit");
    return "";
}

// The name of the drug, its title before "配置与剂量": the verdicts of a
// drug of several uses begin with it and the use ("乌拉地尔 维持：").
constexpr FixedText<char16_t, 32> DrugNameOf(const char16_t* title) {
    constexpr char16_t kTitleEnd[] = u"配置与剂量";
    const int length = TextLength(title);
    const int end = TextLength(kTitleEnd);
    if (length <= end || !SameText(title + length - end, kTitleEnd)) {
        ToolTableIsInvalid("an infusion's title ends with 配置与剂量");
    }
    FixedText<char16_t, 32> name;
    for (int i = 0; i < length - end; ++i) {
        const char16_t part[] = {title[i], 0};
        name << part;
    }
    return name;
}

// True when a use's dose above its highest is soft, below the maximum: with
// the maximum at the usual upper limit, no dose is above the one and not
// the other.
constexpr bool HasAboveUsual(const InfusionUse& use) {
    return use.maximum == nullptr || DecimalValue(use.maximum) > DecimalValue(use.usualHighest);
}

// True when the label gives the use one rate rather than a range.
constexpr bool IsLabelRate(const InfusionUse& use) {
    return !use.ceiling &&
           (use.usualLowest == nullptr || SameText(use.usualLowest, use.usualHighest));
}

// The texts of the tool of `drug`, with its `reference`, once the record
// passes its checks: for each use, limits that are decimals in order, the
// maximum (when there is one) not below the usual range, a dose field that
// takes each limit and doses above the highest, a loading dose the tool can
// compute; preparations that the amount and volume fields take, that stay
// within the label's concentration and are named for a central line exactly
// when above its dilution; and a source with a year, or saying it shows
// none, that states each maximum in the drug's unit.
consteval ToolTexts CheckedInfusionTexts(const InfusionDrug& drug, const char16_t* reference) {
    const std::size_t uses = UseCount(drug);
    const DoseUnitShape& shape = ShapeOf(drug.unit);
    if (uses == 0 || drug.defaultUse >= uses) {
        ToolTableIsInvalid("an infusion has a use, and its default is one of them");
    }
    std::size_t loadings = 0;
    std::size_t cumulatives = 0;
    for (std::size_t i = 0; i < uses; ++i) {
        const InfusionUse& use = drug.uses[i];
        if ((use.name != nullptr) != (uses > 1)) {
            ToolTableIsInvalid("each use of a drug of several uses has a name, and only then");
        }
        const double highest = DecimalValue(use.usualHighest);
        const double lowest = use.usualLowest != nullptr ? DecimalValue(use.usualLowest) : highest;
        const double top = use.maximum != nullptr ? DecimalValue(use.maximum) : highest;
        if (!(lowest > 0 && lowest <= highest && highest <= top) ||
            (use.ceiling && (use.maximum == nullptr || use.usualLowest != nullptr))) {
            ToolTableIsInvalid("an infusion's limits are decimals with low <= high <= maximum");
        }
        if (!IsWithin(drug.doseRange, lowest) || !IsWithin(drug.doseRange, top) ||
            !(drug.doseRange.highest > top)) {
            ToolTableIsInvalid("an infusion's dose field takes its limits and doses above them");
        }
        if (use.maximumTime != nullptr && use.maximum == nullptr) {
            ToolTableIsInvalid("an infusion's time limit belongs to its maximum");
        }
        if ((use.dailyMaximum != nullptr && !(DecimalValue(use.dailyMaximum) > 0)) ||
            (use.cumulativeMaximum != nullptr && !(DecimalValue(use.cumulativeMaximum) > 0)) ||
            (use.dailyMaximum == nullptr && (use.dailyIsHard || use.dailyCountsLoading))) {
            ToolTableIsInvalid("an infusion's daily and course limits are decimals");
        }
        cumulatives += use.cumulativeMaximum != nullptr ? 1 : 0;
        if (!HasLoading(use)) {
            if (use.dailyCountsLoading) {
                ToolTableIsInvalid("a daily maximum counts a loading dose the use has");
            }
            continue;
        }
        ++loadings;
        const LoadingDose& loading = use.loading;
        const bool perKilogram = loading.unit != nullptr && HoldsText(loading.unit, u"/kg");
        if (!(DecimalValue(loading.amount) > 0) || loading.unit == nullptr ||
            loading.mass == nullptr ||
            (loading.highest != nullptr &&
             !(DecimalValue(loading.highest) > DecimalValue(loading.amount))) ||
            !SameText(MassOf(loading.unit).units, loading.mass) ||
            (perKilogram && !shape.perKilogram) ||
            ((loading.minutes != nullptr) == (loading.pushTime != nullptr)) ||
            (loading.minutes != nullptr && !(DecimalValue(loading.minutes) > 0))) {
            ToolTableIsInvalid(
                "an infusion's loading dose is a decimal in a unit of its mass, per kg only "
                "with a weight, over minutes or as a push");
        }
        MassScale(loading.mass, shape.concentration);
        // The 24-hour amount is one output for every use: it counts a load
        // only where the drug has no other use.
        if (use.dailyCountsLoading &&
            (perKilogram != shape.perKilogram || loading.highest != nullptr || uses > 1)) {
            ToolTableIsInvalid("a daily maximum counts a loading dose of its own unit");
        }
    }
    if (loadings > 1 || cumulatives > 1) {
        ToolTableIsInvalid("one use of a drug has a loading dose or a course total");
    }
    if ((drug.maximumConcentration != nullptr && !(DecimalValue(drug.maximumConcentration) > 0)) ||
        (drug.dilutionHighest != nullptr && !(DecimalValue(drug.dilutionHighest) > 0))) {
        ToolTableIsInvalid("an infusion's concentration limits are decimals");
    }
    const std::size_t preparations = PreparationCount(drug);
    if (preparations == 0) {
        ToolTableIsInvalid("an infusion has a usual preparation");
    }
    const double scale = shape.concentrationScale[0] != 0 ? 1000 : 1;
    for (std::size_t i = 0; i < preparations; ++i) {
        const Preparation& preparation = drug.preparations[i];
        const double amount = DecimalValue(preparation.amount);
        const double volume = DecimalValue(preparation.volume);
        if (!IsWithin(drug.amountRange, amount) || !(volume >= 1 && volume <= 1000)) {
            ToolTableIsInvalid("an infusion's preparation is within the amount and volume fields");
        }
        if (drug.maximumConcentration != nullptr &&
            amount * scale / volume > DecimalValue(drug.maximumConcentration)) {
            ToolTableIsInvalid("an infusion's preparation is within the label's concentration");
        }
        const bool aboveDilution = drug.dilutionHighest != nullptr &&
                                   amount * scale / volume > DecimalValue(drug.dilutionHighest);
        if (preparation.central != aboveDilution) {
            ToolTableIsInvalid(
                "an infusion's preparation is named for a central line exactly when it is above "
                "the label's dilution");
        }
    }
    if (!NamesYear(drug.source) && !HoldsText(drug.source, u"未注明日期")) {
        ToolTableIsInvalid("an infusion's source names its year or says it shows none");
    }
    for (std::size_t i = 0; i < uses; ++i) {
        if (drug.uses[i].maximum != nullptr) {
            FixedText<char16_t, 64> statedMaximum;
            statedMaximum << drug.uses[i].maximum << u" " << shape.dose;
            if (!HoldsText(drug.source, statedMaximum.units)) {
                ToolTableIsInvalid("an infusion's source states its maximum in the drug's unit");
            }
        }
    }
    return {drug.texts.id, drug.texts.title, drug.texts.subtitle, drug.texts.category,
            reference,     drug.texts.note,  drug.texts.initials};
}

// The verdict levels of the family.
inline constexpr std::int32_t kBelowUsualLevel = 1;
inline constexpr std::int32_t kAboveUsualLevel = 2;
inline constexpr std::int32_t kAboveMaximumLevel = 3;

// One verdict rule of an infusion, its texts in storage of its own.
struct InfusionRule {
    FixedText<char, 32> condition;
    std::int32_t level = 0;
    FixedText<char16_t, 96> verdict;
};

inline constexpr std::size_t kMostInfusionRules = 8 + 8 * kMostUses;
inline constexpr std::size_t kMostInfusionInputs = 7;
inline constexpr std::size_t kMostInfusionOutputs = 10;

// The tables of `Drug`'s tool: they live here, in static storage, so that
// the ToolDef can point into them.
template <const InfusionDrug& Drug>
struct InfusionTool {
    static constexpr DoseUnitShape shape = ShapeOf(Drug.unit);
    static constexpr std::size_t preparationCount = PreparationCount(Drug);
    static constexpr std::size_t useCount = UseCount(Drug);
    static constexpr bool severalUses = useCount > 1;
    static constexpr std::size_t loadingUse = UseWhere(Drug, HasLoading);
    static constexpr bool hasLoading = loadingUse < kMostUses;
    static constexpr InfusionUse loadingOf = hasLoading ? Drug.uses[loadingUse] : InfusionUse{};
    static constexpr LoadingDose loading = loadingOf.loading;
    static constexpr bool loadingTyped = hasLoading && loading.highest != nullptr;
    static constexpr bool loadingPerKilogram = hasLoading && HoldsText(loading.unit, u"/kg");
    static constexpr std::size_t cumulativeUse =
        UseWhere(Drug, [](const InfusionUse& use) { return use.cumulativeMaximum != nullptr; });
    static constexpr bool hasDaily = UseWhere(Drug, [](const InfusionUse& use) {
                                         return use.dailyMaximum != nullptr;
                                     }) < kMostUses;
    static constexpr bool dailyCountsLoading = hasLoading && loadingOf.dailyCountsLoading;
    static constexpr auto drugName = DrugNameOf(Drug.texts.title);

    // "use==2" while use 2 is chosen, for a drug of several uses.
    static constexpr std::array<FixedText<char, 16>, kMostUses> useConditions = [] {
        std::array<FixedText<char, 16>, kMostUses> conditions = {};
        for (std::size_t i = 0; severalUses && i < useCount; ++i) {
            const char digit[] = {static_cast<char>('1' + i), 0};
            conditions[i] << "use==" << digit;
        }
        return conditions;
    }();
    static constexpr const char* ConditionOfUse(std::size_t use) {
        return severalUses ? useConditions[use].units : nullptr;
    }

    static constexpr std::array<InputChoice, kMostUses> useChoices = [] {
        std::array<InputChoice, kMostUses> choices = {};
        for (std::size_t i = 0; i < useCount; ++i) {
            choices[i] = {static_cast<double>(i + 1), Drug.uses[i].name};
        }
        return choices;
    }();

    // "200 mg / 50 ml" for each preparation, then "自定义".
    static constexpr std::array<FixedText<char16_t, 40>, kMostPreparations> preparationNames = [] {
        std::array<FixedText<char16_t, 40>, kMostPreparations> names = {};
        for (std::size_t i = 0; i < preparationCount; ++i) {
            names[i] << Drug.preparations[i].amount << u" " << shape.amount << u" / "
                     << Drug.preparations[i].volume << u" ml";
            if (Drug.preparations[i].central) {
                names[i] << u"（中心静脉）";
            }
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

    // A chosen preparation's amount or volume, or the typed one, which
    // counts 0 unless "自定义" is chosen.
    template <typename Part>
    static constexpr auto ChosenPreparation(Part part, const char* typed) {
        FixedText<char, 80> text;
        text << "(";
        for (std::size_t i = 0; i < preparationCount; ++i) {
            const char digit[] = {static_cast<char>('1' + i), 0};
            text << part(Drug.preparations[i]) << "*(prep==" << digit << ")+";
        }
        text << typed << ")";
        return text;
    }
    static constexpr auto amount =
        ChosenPreparation([](const Preparation& p) { return p.amount; }, "drug");
    static constexpr auto volume =
        ChosenPreparation([](const Preparation& p) { return p.volume; }, "dil");
    static constexpr auto concentration =
        FixedText<char, 176>() << amount.units << shape.concentrationScale << "/" << volume.units;

    static constexpr auto emptyTime = FixedText<char, 96>() << volume.units << "*60/rate";
    static constexpr auto dailyAmount = [] {
        FixedText<char, 64> text;
        text << shape.amountPerDayExpression;
        if (dailyCountsLoading) {
            text << "+" << loading.amount << MassScale(loading.mass, shape.amountPerDay);
        }
        return text;
    }();
    static constexpr auto cumulativeTime = [] {
        FixedText<char, 64> text;
        if (cumulativeUse < kMostUses) {
            text << Drug.uses[cumulativeUse].cumulativeMaximum << "*1440/("
                 << shape.amountPerDayExpression << ")";
        }
        return text;
    }();
    static constexpr auto cumulativeLabel = [] {
        FixedText<char16_t, 64> text;
        if (cumulativeUse < kMostUses) {
            text << u"按此速度达到说明书总量 " << Drug.uses[cumulativeUse].cumulativeMaximum << u" "
                 << shape.amountPerDay << u" 约需";
        }
        return text;
    }();

    // The loading dose: its amount for the weight, its volume of the chosen
    // preparation and the pump rate that gives it over the label's time.
    static constexpr auto loadingDose = [] {
        FixedText<char, 32> text;
        if (hasLoading) {
            text << (loadingTyped ? "load_dose" : loading.amount)
                 << (loadingPerKilogram ? "*w" : "");
        }
        return text;
    }();
    static constexpr bool showsLoadingAmount = hasLoading && !(loadingTyped && !loadingPerKilogram);
    static constexpr auto loadingAmountLabel = [] {
        FixedText<char16_t, 64> text;
        text << u"负荷量";
        if (hasLoading && !loadingTyped) {
            text << u" " << loading.amount << u" " << loading.unit;
        }
        return text;
    }();
    static constexpr auto loadingVolume = [] {
        FixedText<char, 64> text;
        if (hasLoading) {
            text << (showsLoadingAmount ? "load" : loadingDose.units) << "/(conc"
                 << MassScale(shape.concentration, loading.mass) << ")";
        }
        return text;
    }();
    static constexpr auto loadingVolumeLabel = [] {
        FixedText<char16_t, 64> text;
        text << u"负荷量体积";
        if (hasLoading && loading.pushTime != nullptr) {
            text << u"（缓慢静注 " << loading.pushTime << u"）";
        }
        return text;
    }();
    static constexpr auto loadingRate = [] {
        FixedText<char, 32> text;
        if (hasLoading && loading.minutes != nullptr) {
            text << "load_vol*60/" << loading.minutes;
        }
        return text;
    }();
    static constexpr auto loadingRateLabel = [] {
        FixedText<char16_t, 64> text;
        if (hasLoading && loading.minutes != nullptr) {
            if (loading.minutesAtLeast) {
                text << u"负荷最高泵速（不少于 " << loading.minutes << u" 分钟输完）";
            } else {
                text << u"负荷泵速（" << loading.minutes << u" 分钟输完）";
            }
        }
        return text;
    }();
    static constexpr bool hasLoadingRate = hasLoading && loading.minutes != nullptr;

    // "乌拉地尔 维持：" before a use's verdict, for a drug of several uses.
    static constexpr std::array<FixedText<char16_t, 48>, kMostUses> verdictPrefixes = [] {
        std::array<FixedText<char16_t, 48>, kMostUses> prefixes = {};
        for (std::size_t i = 0; severalUses && i < useCount; ++i) {
            prefixes[i] << drugName.units << u" " << Drug.uses[i].name << u"：";
        }
        return prefixes;
    }();

    static constexpr FixedText<char16_t, 64> MaximumText(const InfusionUse& use) {
        FixedText<char16_t, 64> text;
        text << use.maximum << u" " << shape.dose;
        if (use.maximumTime != nullptr) {
            text << u"（" << use.maximumTime << u"）";
        }
        return text;
    }
    // The hard limits first, then the pump, then the soft limits; a use's
    // rules hold only while it is chosen.
    template <std::size_t Places>
    static constexpr auto RuleTable() {
        std::array<InfusionRule, Places> list = {};
        std::size_t count = 0;
        const auto add = [&](std::size_t use, const char* test, const char* limit,
                             std::int32_t level) -> FixedText<char16_t, 96>& {
            InfusionRule& rule = list[count++];
            if (use < kMostUses && severalUses) {
                rule.condition << useConditions[use].units;
                if (test != nullptr) {
                    rule.condition << "&&";
                }
                rule.verdict << verdictPrefixes[use].units;
            }
            rule.condition << test << limit;
            rule.level = level;
            return rule.verdict;
        };
        for (std::size_t i = 0; i < useCount; ++i) {
            const InfusionUse& use = Drug.uses[i];
            if (use.maximum != nullptr) {
                add(i, "dose>", use.maximum, kAboveMaximumLevel)
                    << u"超过说明书最大剂量 " << MaximumText(use).units
                    << u"，硬限制，立即核对医嘱";
            }
        }
        if (Drug.maximumConcentration != nullptr) {
            add(kMostUses, "conc>", Drug.maximumConcentration, kAboveMaximumLevel)
                << u"浓度超过说明书最大浓度 " << Drug.maximumConcentration << u" "
                << shape.concentration << u"，硬限制，请加大稀释量";
        }
        for (std::size_t i = 0; i < useCount; ++i) {
            const InfusionUse& use = Drug.uses[i];
            if (use.dailyMaximum != nullptr && use.dailyIsHard) {
                add(i, "per_day>", use.dailyMaximum, kAboveMaximumLevel)
                    << u"持续 24 小时" << (use.dailyCountsLoading ? u"（含负荷量）" : u"")
                    << u"将超过说明书每日最大量 " << use.dailyMaximum << u" " << shape.amountPerDay
                    << u"，硬限制，请核对医嘱";
            }
        }
        add(kMostUses, "rate<", kLowestPumpRate, kAboveMaximumLevel)
            << u"泵速低于 " << kLowestPumpRate
            << u" ml/h，注射泵无法准确输注，请降低浓度（加大稀释量）";
        add(kMostUses, "rate>", kHighestPumpRate, kAboveMaximumLevel)
            << u"泵速高于 " << kHighestPumpRate << u" ml/h，超出输液泵可设范围，请提高浓度";
        if (hasLoadingRate) {
            add(loadingUse, "load_rate<", kLowestPumpRate, kAboveMaximumLevel)
                << u"负荷泵速低于 " << kLowestPumpRate << u" ml/h，无法准确输注，请加大稀释量";
            add(loadingUse, "load_rate>", kHighestPumpRate, kAboveMaximumLevel)
                << u"负荷泵速高于 " << kHighestPumpRate << u" ml/h，超出输液泵范围，请提高浓度";
        }
        // A daily amount the label warns of says more than the dose above
        // its usual range that it follows from.
        for (std::size_t i = 0; i < useCount; ++i) {
            const InfusionUse& use = Drug.uses[i];
            if (use.dailyMaximum != nullptr && !use.dailyIsHard) {
                add(i, "per_day>", use.dailyMaximum, kAboveUsualLevel)
                    << u"持续 24 小时将超过说明书警示的每日 " << use.dailyMaximum << u" "
                    << shape.amountPerDay << u"，软限制，请核对输注时长";
            }
        }
        for (std::size_t i = 0; i < useCount; ++i) {
            const InfusionUse& use = Drug.uses[i];
            if (!HasAboveUsual(use)) {
                continue;
            }
            auto& verdict =
                add(i, use.ceiling ? "dose>=" : "dose>", use.usualHighest, kAboveUsualLevel);
            if (use.ceiling) {
                verdict << u"达到说明书极量 " << use.usualHighest << u"-" << use.maximum << u" "
                        << shape.dose << u"，软限制，请核对医嘱";
                continue;
            }
            if (IsLabelRate(use)) {
                verdict << u"高于说明书剂量 ";
            } else {
                verdict << u"高于常用剂量上限 ";
            }
            verdict << use.usualHighest << u" " << shape.dose << u"，软限制";
            if (use.maximumTime != nullptr) {
                verdict << u"；最大 " << use.maximum << u" " << shape.dose << u" "
                        << use.maximumTime;
            }
            verdict << u"，请核对医嘱";
        }
        if (Drug.dilutionHighest != nullptr) {
            add(kMostUses, "conc>", Drug.dilutionHighest, kAboveUsualLevel)
                << u"高于说明书稀释浓度 " << Drug.dilutionHighest << u" " << shape.concentration
                << u"，软限制，请经中心静脉输注";
        }
        for (std::size_t i = 0; i < useCount; ++i) {
            const InfusionUse& use = Drug.uses[i];
            if (use.usualLowest == nullptr) {
                continue;
            }
            auto& verdict = add(i, "dose<", use.usualLowest, kBelowUsualLevel);
            if (IsLabelRate(use)) {
                verdict << u"低于说明书剂量 ";
            } else {
                verdict << u"低于常用剂量下限 ";
            }
            verdict << use.usualLowest << u" " << shape.dose << u"，软限制，请核对医嘱";
        }
        for (std::size_t i = 0; i < useCount; ++i) {
            const InfusionUse& use = Drug.uses[i];
            const bool last = i + 1 == useCount;
            auto& verdict = add(last ? kMostUses : i, nullptr, nullptr,
                                use.limitNote != nullptr ? kBelowUsualLevel : 0);
            if (last && severalUses) {
                verdict << verdictPrefixes[i].units;
            }
            if (use.ceiling) {
                verdict << u"低于说明书极量 " << use.usualHighest << u" " << shape.dose
                        << u"（说明书未给常用剂量）";
            } else if (!IsLabelRate(use)) {
                verdict << u"在常用剂量范围 " << use.usualLowest << u"-" << use.usualHighest << u" "
                        << shape.dose << u" 内";
            } else {
                verdict << (use.usualLowest != nullptr ? u"符合说明书剂量 " : u"不高于说明书剂量 ")
                        << use.usualHighest << u" " << shape.dose;
            }
            if (use.limitNote != nullptr) {
                verdict << u"；" << use.limitNote;
            }
        }
        return std::pair(list, count);
    }
    // The table is built twice: once in room for every rule a drug may
    // have, to count them, and once in exactly that room, which the
    // program keeps.
    static constexpr std::size_t ruleCount = RuleTable<kMostInfusionRules>().second;
    static constexpr auto ruleTexts = RuleTable<ruleCount>().first;
    static constexpr std::array<VerdictRule, ruleCount> rules = [] {
        std::array<VerdictRule, ruleCount> list = {};
        for (std::size_t i = 0; i < ruleCount; ++i) {
            list[i] = {ruleTexts[i].condition.units, ruleTexts[i].level,
                       ruleTexts[i].verdict.units};
        }
        return list;
    }();

    static constexpr auto reference = [] {
        FixedText<char16_t, kLongestReference + 1> text;
        for (std::size_t i = 0; i < useCount; ++i) {
            const InfusionUse& use = Drug.uses[i];
            if (use.name != nullptr) {
                text << use.name << u"：";
            }
            if (use.ceiling) {
                text << u"说明书未给常用剂量，极量 " << use.usualHighest << u"-" << use.maximum
                     << u" " << shape.dose << u"（" << use.usualHighest << u" 起软限制，"
                     << use.maximum << u" 以上硬限制）";
            } else {
                if (IsLabelRate(use)) {
                    text << u"说明书剂量 " << use.usualHighest;
                } else {
                    text << u"常用 " << use.usualLowest << u"-" << use.usualHighest;
                }
                text << u" " << shape.dose << u"（软限制）；";
                if (use.maximum != nullptr) {
                    text << u"说明书最大 " << MaximumText(use).units << u"（硬限制）";
                } else {
                    text << u"说明书未给最大剂量";
                }
            }
            if (use.dailyMaximum != nullptr) {
                text << u"；每日" << (use.dailyIsHard ? u"不超过 " : u"超过 ") << use.dailyMaximum
                     << u" " << shape.amountPerDay
                     << (use.dailyCountsLoading ? u"（含负荷量）" : u"")
                     << (use.dailyIsHard ? u"（硬限制）" : u"须警惕（软限制）");
            }
            if (use.cumulativeMaximum != nullptr) {
                text << u"；总量 " << use.cumulativeMaximum << u" " << shape.amountPerDay;
            }
            if (HasLoading(use)) {
                text << u"；负荷量 " << use.loading.amount;
                if (use.loading.highest != nullptr) {
                    text << u"-" << use.loading.highest;
                }
                text << u" " << use.loading.unit;
                if (use.loading.minutes != nullptr) {
                    text << u" " << use.loading.minutes << u" 分钟"
                         << (use.loading.minutesAtLeast ? u"以上" : u"");
                } else {
                    text << u" 缓慢静注 " << use.loading.pushTime;
                }
            }
            if (use.limitNote != nullptr) {
                text << u"；" << use.limitNote;
            }
            text << u"。";
        }
        if (Drug.maximumConcentration != nullptr) {
            text << u"最大浓度 " << Drug.maximumConcentration << u" " << shape.concentration
                 << u"（硬限制）；";
        }
        if (Drug.dilutionHighest != nullptr) {
            text << u"稀释至不超过 " << Drug.dilutionHighest << u" " << shape.concentration
                 << u"，更浓经中心静脉（软限制）；";
        }
        text << u"泵速 " << kLowestPumpRate << u"-" << kHighestPumpRate
             << u" ml/h 之外无法准确输注。" << Drug.source;
        return text;
    }();

    // The ranges of tool 48: weights from a premature newborn to the
    // heaviest adult, volumes from a syringe to a bag.
    static constexpr auto inputTable = [] {
        std::array<InputField, kMostInfusionInputs> list = {};
        std::size_t count = 0;
        if (severalUses) {
            list[count++] = {"use",
                             u"用途",
                             u"",
                             static_cast<double>(Drug.defaultUse + 1),
                             kAnyNumber,
                             InputForm::Choice,
                             useChoices.data(),
                             static_cast<std::int32_t>(useCount),
                             nullptr};
        }
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
        if (loadingTyped) {
            list[count++] =
                NumberInput("load_dose", u"负荷量", loading.unit, DecimalValue(loading.amount),
                            Between(DecimalValue(loading.amount), DecimalValue(loading.highest)),
                            ConditionOfUse(loadingUse));
        }
        return std::pair(list, count);
    }();
    static constexpr std::size_t inputCount = inputTable.second;

    // A rate shows at least two significant digits, so that a small one
    // never reads 0.00 nor a third off.
    static constexpr auto outputTable = [] {
        std::array<OutputField, kMostInfusionOutputs> list = {};
        std::size_t count = 0;
        list[count++] = {"conc", u"浓度", shape.concentration, concentration.units, "g3"};
        list[count++] = {"rate", u"泵速", u"ml/h", shape.rateExpression, "sig2"};
        list[count++] = {"per_hour", u"每小时药量", shape.amountPerHour,
                         shape.amountPerHourExpression, "g3"};
        list[count++] = {"per_rate", u"每 1 ml/h 相当于", shape.dose, shape.dosePerRateExpression,
                         "g3"};
        if (showsLoadingAmount) {
            list[count++] = {"load", loadingAmountLabel.units,  loading.mass, loadingDose.units,
                             "g3",   ConditionOfUse(loadingUse)};
        }
        if (hasDaily) {
            list[count++] = {
                "per_day",
                dailyCountsLoading ? u"持续 24 小时药量（含负荷量）" : u"持续 24 小时药量",
                shape.amountPerDay, dailyAmount.units, "g3"};
        }
        list[count++] = {"empty", u"全量输完约需", u"", emptyTime.units, "until"};
        if (cumulativeUse < kMostUses) {
            list[count++] = {"to_total", cumulativeLabel.units,        u"", cumulativeTime.units,
                             "until",    ConditionOfUse(cumulativeUse)};
        }
        if (hasLoading) {
            list[count++] = {"load_vol", loadingVolumeLabel.units,  u"ml", loadingVolume.units,
                             "g3",       ConditionOfUse(loadingUse)};
        }
        if (hasLoadingRate) {
            list[count++] = {"load_rate", loadingRateLabel.units,    u"ml/h", loadingRate.units,
                             "sig2",      ConditionOfUse(loadingUse)};
        }
        return std::pair(list, count);
    }();
    static constexpr std::size_t outputCount = outputTable.second;
};

// The tool of `Drug`, built from its tables and checked while compiling; its
// report begins with the use, dose, weight and preparation as entered.
template <const InfusionDrug& Drug>
consteval ToolDef InfusionToolOf() {
    using Tables = InfusionTool<Drug>;
    ToolDef tool = FormulaTool(CheckedInfusionTexts(Drug, Tables::reference.units),
                               std::span(Tables::inputTable.first.data(), Tables::inputCount),
                               std::span(Tables::outputTable.first.data(), Tables::outputCount),
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
