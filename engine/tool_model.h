// The constant description of a tool.
//
// A tool is data: counted arrays of plain records whose texts are constants.
// Keys, expressions and format codes are ASCII; everything shown is UTF-16.
// A formula tool computes its outputs from expressions and picks its verdict
// by rules; a report tool names the generator that writes its report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <span>

#include "engine/day_number.h"
#include "engine/expression_grammar.h"
#include "engine/text_buffer.h"

namespace kelomed {

// A tool holds at most this many inputs: the longest scale's risk factors,
// its age and sex, with room to spare; the window's input panel scrolls.
inline constexpr int kMaxInputs = 48;
inline constexpr int kMaxOutputs = 16;

// Any number of decimals.
inline constexpr int kAnyDecimals = -1;

// What a typed value of an input may be: a number within [lowest, highest],
// each bound itself allowed or not, a whole number when `whole` is set, and
// at most `decimals` decimals when that is not kAnyDecimals (a temperature
// taken to 0.1 °C: 36.05 lies between two published bands and is refused).
// The window refuses anything else at the field.
struct InputRange {
    double lowest = -std::numeric_limits<double>::infinity();
    double highest = std::numeric_limits<double>::infinity();
    bool lowestAllowed = true;
    bool highestAllowed = true;
    bool whole = false;
    int decimals = kAnyDecimals;
};

// Every finite number.
inline constexpr InputRange kAnyNumber = {};

// [lowest, highest].
constexpr InputRange Between(double lowest, double highest) {
    return {lowest, highest, true, true, false, kAnyDecimals};
}

// (lowest, highest]: above `lowest`, which itself is not allowed.
constexpr InputRange AboveUpTo(double lowest, double highest) {
    return {lowest, highest, false, true, false, kAnyDecimals};
}

// Whole numbers in [lowest, highest].
constexpr InputRange WholeBetween(double lowest, double highest) {
    return {lowest, highest, true, true, true, kAnyDecimals};
}

// Numbers in [lowest, highest] with at most one decimal.
constexpr InputRange TenthsBetween(double lowest, double highest) {
    return {lowest, highest, true, true, false, 1};
}

// True for a whole number: every double of magnitude 2^52 or more is one.
constexpr bool IsWholeNumber(double value) {
    const double wholeFrom = 0x1p52;
    return value >= wholeFrom || value <= -wholeFrom ||
           (value > -wholeFrom && value < wholeFrom &&
            static_cast<double>(static_cast<long long>(value)) == value);
}

// True when `value`, as a decimal typed by a nurse, has at most `decimals`
// decimals: the value times 10^decimals lies within rounding of a whole
// number (36.1 × 10 is 361.00000000000006, 36.05 × 10 is 360.5).
constexpr bool HasAtMostDecimals(double value, int decimals) {
    if (decimals < 0) {
        return true;
    }
    double scaled = value;
    for (int i = 0; i < decimals; ++i) {
        scaled *= 10;
    }
    const double magnitude = scaled < 0 ? -scaled : scaled;
    if (magnitude >= 0x1p52) {
        return true;
    }
    const double nearest =
        static_cast<double>(static_cast<long long>(scaled + (scaled < 0 ? -0.5 : 0.5)));
    const double difference = scaled > nearest ? scaled - nearest : nearest - scaled;
    return difference <= 1e-9 * (magnitude > 1 ? magnitude : 1);
}

constexpr bool IsWithin(const InputRange& range, double value) {
    const bool aboveLowest = range.lowestAllowed ? value >= range.lowest : value > range.lowest;
    const bool belowHighest = range.highestAllowed ? value <= range.highest : value < range.highest;
    return aboveLowest && belowHighest && (!range.whole || IsWholeNumber(value)) &&
           HasAtMostDecimals(value, range.decimals);
}

// One item of a choice input: the number it stands for and its name.
struct InputChoice {
    double value;
    const char16_t* name;
};

// How a nurse gives the value of an input.
enum class InputForm : std::int32_t {
    // A number typed into a field.
    Number,
    // A time of day typed as H:MM (or a whole hour), read as hours.
    ClockTime,
    // One item picked from a drop-down list of named choices.
    Choice,
    // A yes/no factor shown as a check box: its first choice ("否", 0) when
    // clear, its second ("是", its points) when ticked.
    Check,
};

struct InputField {
    const char* key;
    const char16_t* label;
    const char16_t* unit;
    double defaultValue;
    InputRange range = kAnyNumber;
    InputForm form = InputForm::Number;
    // The items of a choice input, in the order the list shows them.
    const InputChoice* choices = nullptr;
    std::int32_t choiceCount = 0;
    // An expression over other choice and check inputs; when it does not
    // hold, the input does not apply: the window disables it, the
    // computation counts it as 0 and the record says so. Null: it always
    // applies.
    const char* appliesWhen = nullptr;
};

// A number typed into a field, within `range`; it applies only while
// `appliesWhen` holds, when one is given.
constexpr InputField NumberInput(const char* key, const char16_t* label, const char16_t* unit,
                                 double defaultValue, InputRange range,
                                 const char* appliesWhen = nullptr) {
    return {key, label, unit, defaultValue, range, InputForm::Number, nullptr, 0, appliesWhen};
}

// A time of day from 0:00 to 23:59, typed as H:MM.
constexpr InputField ClockTimeInput(const char* key, const char16_t* label, double defaultValue) {
    return {key,
            label,
            u"",
            defaultValue,
            {0, 24, true, false, false, kAnyDecimals},
            InputForm::ClockTime,
            nullptr,
            0,
            nullptr};
}

// One of `choices`, picked by name; the input's value is the chosen item's.
// It applies only while `appliesWhen` holds, when one is given.
template <std::size_t N>
constexpr InputField ChoiceInput(const char* key, const char16_t* label, double defaultValue,
                                 const InputChoice (&choices)[N],
                                 const char* appliesWhen = nullptr) {
    return {key,        label,
            u"",        defaultValue,
            kAnyNumber, InputForm::Choice,
            choices,    static_cast<std::int32_t>(N),
            appliesWhen};
}

inline constexpr char16_t kUntickedName[] = u"否";
inline constexpr char16_t kTickedName[] = u"是";

// The two items of a check box worth `Points` when ticked.
template <int Points>
struct CheckChoices {
    static constexpr InputChoice items[2] = {{0, kUntickedName}, {Points, kTickedName}};
};

// A yes/no factor worth `Points` when ticked, clear by default.
template <int Points>
constexpr InputField CheckInput(const char* key, const char16_t* label,
                                const char* appliesWhen = nullptr) {
    return {key, label,      u"", 0, kAnyNumber, InputForm::Check, CheckChoices<Points>::items,
            2,   appliesWhen};
}

struct OutputField {
    const char* key;
    const char16_t* label;
    const char16_t* unit;  // null or empty: a line without unit
    const char* expression;
    const char* format;  // null: "f2"
    // An expression over choice and check inputs; when it does not hold,
    // the output does not apply: it is neither computed nor shown, and
    // reads as 0. Null: it always applies.
    const char* appliesWhen = nullptr;
};

// The severity levels a verdict may have: 0 for the normal case, 3 for the
// red warning.
inline constexpr std::int32_t kLowestLevel = 0;
inline constexpr std::int32_t kHighestLevel = 3;

struct VerdictRule {
    const char* condition;  // empty: matches always
    std::int32_t level;
    const char16_t* verdict;
};

struct ToolDef;

// Writes a report tool's report: reads the inputs by key, writes CR LF lines
// into `report` and a verdict into `verdict` (both cleared by the caller,
// every write bounded by its capacity) and returns the level. `today` is the
// local date a report may count from.
using ReportGenerator = std::int32_t(const ToolDef& tool, const double* inputs,
                                     const CivilDate& today, char16_t* report, int reportCapacity,
                                     char16_t* verdict, int verdictCapacity);

struct ToolDef {
    std::int32_t id;
    const char16_t* title;
    const char16_t* subtitle;  // may be null
    const char16_t* category;
    const char16_t* reference;
    const char16_t* note;  // may be null
    std::int32_t inputCount;
    const InputField* inputs;
    std::int32_t outputCount;
    const OutputField* outputs;
    std::int32_t ruleCount;
    const VerdictRule* rules;
    // The report tool's generator; null for a formula tool.
    ReportGenerator* generate;
    // A scale: its report begins with each item as chosen, so that the
    // copied result is a chart entry.
    bool listsChosenItems = false;
    // The title's pinyin initials (ToolTexts).
    const char* initials = nullptr;
};

constexpr bool IsFormulaTool(const ToolDef& tool) {
    return tool.generate == nullptr;
}

// Counts of the constant tables, checked while compiling: a table with more
// places than the window and the input vector hold does not build.
template <std::size_t N>
constexpr std::int32_t InputCountOf(const InputField (&)[N]) {
    static_assert(N <= kMaxInputs, "a tool holds at most 48 inputs");
    return static_cast<std::int32_t>(N);
}

// True when `hours` is a whole number of minutes, as H:MM gives it (to far
// within a double's rounding).
constexpr bool IsWholeMinute(double hours) {
    const double minutes = hours * 60;
    const double nearest = static_cast<double>(static_cast<long long>(minutes + 0.5));
    return minutes - nearest < 1e-9 && nearest - minutes < 1e-9;
}

constexpr bool HasChoices(const InputField& input) {
    return input.form == InputForm::Choice || input.form == InputForm::Check;
}

// The index of the choice whose number is `value`, or -1.
constexpr int ChoiceIndexOf(const InputField& input, double value) {
    for (int i = 0; i < input.choiceCount; ++i) {
        if (input.choices[i].value == value) {
            return i;
        }
    }
    return -1;
}

// True when `value` is one the window accepts for `input`: within its range,
// a time of whole minutes for a clock time, one of its choices for a choice
// or a check box.
constexpr bool AcceptsValue(const InputField& input, double value) {
    switch (input.form) {
        case InputForm::Choice:
        case InputForm::Check:
            return ChoiceIndexOf(input, value) >= 0;
        case InputForm::ClockTime:
            return IsWithin(input.range, value) && IsWholeMinute(value);
        case InputForm::Number:
        default:
            return IsWithin(input.range, value);
    }
}

// How wide a text shows, in half-width units: an ASCII character is one, a
// Chinese character (and any other) two. The window's columns are measured
// in these at their fonts' sizes (app/decisions/window_layout.cpp checks it), so a text
// within its limit is shown whole.
constexpr int DisplayWidth(const char16_t* text) {
    int width = 0;
    for (int i = 0; text != nullptr && text[i] != 0; ++i) {
        width += text[i] < 0x80 ? 1 : 2;
    }
    return width;
}

// The widths of the input panel's columns: a label beside its field; a
// unit after it; a choice name in a list beside its label; a list on a row
// of its own, under its label, for longer names; a check box's text.
inline constexpr int kLabelWidth = 26;
inline constexpr int kUnitWidth = 11;
inline constexpr int kChoiceWidth = 24;
inline constexpr int kWideChoiceWidth = 48;
inline constexpr int kCheckWidth = 56;
// A verdict's two lines beside the result.
inline constexpr int kVerdictWidth = 84;

// True when a choice input's names are too wide for the list beside its
// label: the list then takes a row of its own under the label.
constexpr bool NeedsWideRow(const InputField& input) {
    if (input.form != InputForm::Choice) {
        return false;
    }
    bool wide = DisplayWidth(input.label) > kLabelWidth;
    for (int i = 0; i < input.choiceCount; ++i) {
        wide = wide || DisplayWidth(input.choices[i].name) > kChoiceWidth;
    }
    return wide;
}

// True when the texts of `input` fit where the window shows them.
constexpr bool InputTextsFit(const InputField& input) {
    const bool ownRow = input.form == InputForm::Check || NeedsWideRow(input);
    if (DisplayWidth(input.label) > (ownRow ? kCheckWidth : kLabelWidth) ||
        DisplayWidth(input.unit) > kUnitWidth) {
        return false;
    }
    for (int i = 0; i < input.choiceCount; ++i) {
        if (DisplayWidth(input.choices[i].name) > kWideChoiceWidth) {
            return false;
        }
    }
    return true;
}

// True when the table says what each input takes, consistently: a range
// whose bounds are in order, a default the window accepts (so that the
// defaults it restores are never refused), choices with distinct numbers,
// and texts that fit the window.
constexpr bool InputsAreConsistent(std::span<const InputField> inputs) {
    for (const InputField& input : inputs) {
        if (!(input.range.lowest <= input.range.highest) ||
            !AcceptsValue(input, input.defaultValue) || !InputTextsFit(input)) {
            return false;
        }
        if (HasChoices(input) != (input.choiceCount > 0) ||
            (input.form == InputForm::Check && input.choiceCount != 2)) {
            return false;
        }
        for (int i = 0; i < input.choiceCount; ++i) {
            if (ChoiceIndexOf(input, input.choices[i].value) != i) {
                return false;
            }
        }
    }
    return true;
}

template <std::size_t N>
constexpr std::int32_t OutputCountOf(const OutputField (&)[N]) {
    static_assert(N <= kMaxOutputs, "a tool holds at most 16 outputs");
    return static_cast<std::int32_t>(N);
}

template <std::size_t N>
constexpr std::int32_t RuleCountOf(const VerdictRule (&)[N]) {
    return static_cast<std::int32_t>(N);
}

// The texts that say what a tool is.
struct ToolTexts {
    std::int32_t id;
    const char16_t* title;
    const char16_t* subtitle;
    const char16_t* category;
    const char16_t* reference;
    const char16_t* note;
    // The title's pinyin initials, for the suite's search: one lower-case
    // letter per Chinese character, a Latin word's letters as they are,
    // digits and signs left out; a space may stand between the title's
    // words, where a search may also begin ("braden ylxssfxpg").
    const char* initials = nullptr;
};

// The longest title: it heads the window, the About box, the clipboard and
// every record.
inline constexpr int kLongestTitle = 63;
// The longest reference: the window shows it whole after "参考依据：".
inline constexpr int kLongestReference = 500;
// The longest label or unit of an output: the report line "label：value
// unit" (a value of at most 79 units) stays within its 255 units.
inline constexpr int kLongestOutputText = 64;

// Not constexpr: a table whose checks fail calls it while compiling, which
// stops the build with `why` in the message.
void ToolTableIsInvalid(const char* why);

// A Chinese character, which gives one initial.
constexpr bool IsChineseCharacter(char16_t unit) {
    return (unit >= 0x3400 && unit <= 0x4DBF) || (unit >= 0x4E00 && unit <= 0x9FFF);
}

constexpr bool IsAsciiLetter(char16_t unit) {
    return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z');
}

// True when `initials` are lower-case letters, single spaces between them,
// as many letters as the title has Chinese characters and Latin letters.
constexpr bool InitialsFitTitle(const char* initials, const char16_t* title) {
    if (initials == nullptr || initials[0] == ' ' || initials[0] == 0) {
        return false;
    }
    int letters = 0;
    char last = 0;
    for (const char* at = initials; *at != 0; last = *at++) {
        if (*at == ' ' ? last == ' ' : !(*at >= 'a' && *at <= 'z')) {
            return false;
        }
        letters += *at != ' ' ? 1 : 0;
    }
    int wanted = 0;
    for (const char16_t* at = title; *at != 0; ++at) {
        wanted += IsChineseCharacter(*at) || IsAsciiLetter(*at) ? 1 : 0;
    }
    return last != ' ' && letters == wanted;
}

// The suite's categories, one Start-menu folder each, in the order the home
// lists them by category: every tool is in one of them.
inline constexpr const char16_t* kToolCategories[] = {
    u"重症用药", u"用药与输液", u"护理评估", u"临床计算", u"检验", u"护理管理",
};

constexpr int CategoryIndexOf(const char16_t* category) {
    for (int i = 0; i < static_cast<int>(std::size(kToolCategories)); ++i) {
        const char16_t* a = kToolCategories[i];
        const char16_t* b = category;
        while (*a != 0 && *a == *b) {
            ++a;
            ++b;
        }
        if (*a == *b) {
            return i;
        }
    }
    return -1;
}

consteval void CheckTexts(const ToolTexts& texts) {
    if (texts.id < 1 || texts.id > 999) {
        ToolTableIsInvalid("a tool id has one to three digits");
    }
    if (!HasText(texts.title) || TextLength(texts.title) > kLongestTitle ||
        !HasText(texts.category) || !HasText(texts.reference)) {
        ToolTableIsInvalid("a tool has a title of at most 63 units, a category and a reference");
    }
    if (CategoryIndexOf(texts.category) < 0) {
        ToolTableIsInvalid("a tool's category is one of the suite's categories");
    }
    if (TextLength(texts.reference) > kLongestReference) {
        ToolTableIsInvalid("a tool's reference is longer than the window shows");
    }
    if (!InitialsFitTitle(texts.initials, texts.title)) {
        ToolTableIsInvalid(
            "a tool's initials are lower-case letters, one per Chinese character and Latin letter "
            "of its title");
    }
}

// The index of the input whose key is `name`, or -1.
constexpr int InputIndexOf(std::span<const InputField> inputs, const ExpressionName& name) {
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (name.Is(inputs[i].key)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// True when `expression` calls only functions of the language and reads
// only inputs and the first `outputCount` outputs.
constexpr bool ReadsOnlyKnownNames(const char* expression, std::span<const InputField> inputs,
                                   std::span<const OutputField> outputs, std::size_t outputCount) {
    return ForEachExpressionName(
        expression,
        [&](const ExpressionName& name) {
            if (InputIndexOf(inputs, name) >= 0) {
                return true;
            }
            for (std::size_t i = 0; i < outputCount && i < outputs.size(); ++i) {
                if (name.Is(outputs[i].key)) {
                    return true;
                }
            }
            return false;
        },
        [](const ExpressionName& name) { return IsExpressionFunction(name); });
}

// True when `condition` is not empty and reads only choices and check boxes
// that always apply, so that whether an input or output applies never
// depends on what is typed.
constexpr bool ReadsUnconditionalChoices(const char* condition,
                                         std::span<const InputField> inputs) {
    return condition[0] != 0 &&
           ForEachExpressionName(
               condition,
               [&](const ExpressionName& name) {
                   const int index = InputIndexOf(inputs, name);
                   return index >= 0 && HasChoices(inputs[static_cast<std::size_t>(index)]) &&
                          inputs[static_cast<std::size_t>(index)].appliesWhen == nullptr;
               },
               [](const ExpressionName& name) { return IsExpressionFunction(name); });
}

consteval void CheckInputs(std::span<const InputField> inputs) {
    if (inputs.size() > kMaxInputs) {
        ToolTableIsInvalid("a tool holds at most 48 inputs");
    }
    if (!InputsAreConsistent(inputs)) {
        ToolTableIsInvalid("an input's range, default, choices or texts do not agree");
    }
    for (const InputField& input : inputs) {
        if (input.appliesWhen != nullptr &&
            !(IsWellFormedExpression(input.appliesWhen) &&
              ReadsUnconditionalChoices(input.appliesWhen, inputs))) {
            ToolTableIsInvalid(
                "an input applies when other choices or check boxes, which always apply, say so");
        }
    }
}

consteval void CheckOutputs(std::span<const InputField> inputs,
                            std::span<const OutputField> outputs) {
    if (outputs.size() > kMaxOutputs) {
        ToolTableIsInvalid("a tool holds at most 16 outputs");
    }
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const OutputField& output = outputs[i];
        if (TextLength(output.label) > kLongestOutputText ||
            (output.unit != nullptr && TextLength(output.unit) > kLongestOutputText)) {
            ToolTableIsInvalid("an output's label or unit is longer than 64 units");
        }
        if (!IsWellFormedExpression(output.expression)) {
            ToolTableIsInvalid("an output is a well-formed expression of the language");
        }
        if (!ReadsOnlyKnownNames(output.expression, inputs, outputs, i)) {
            ToolTableIsInvalid(
                "an output reads only inputs, earlier outputs and the language's functions");
        }
        if (output.appliesWhen != nullptr &&
            !(IsWellFormedExpression(output.appliesWhen) &&
              ReadsUnconditionalChoices(output.appliesWhen, inputs))) {
            ToolTableIsInvalid(
                "an output applies when choices or check boxes, which always apply, say so");
        }
    }
}

// The rules of a formula tool: conditions over its inputs and outputs, a
// level from 0 to 3 and a verdict each, and a last rule that matches always,
// so that every computation has a verdict of its own.
consteval void CheckRules(std::span<const InputField> inputs, std::span<const OutputField> outputs,
                          std::span<const VerdictRule> rules) {
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const VerdictRule& rule = rules[i];
        const bool matchesAlways = rule.condition == nullptr || rule.condition[0] == 0;
        if (!matchesAlways && !IsWellFormedExpression(rule.condition)) {
            ToolTableIsInvalid("a rule's condition is a well-formed expression of the language");
        }
        if (!matchesAlways &&
            !ReadsOnlyKnownNames(rule.condition, inputs, outputs, outputs.size())) {
            ToolTableIsInvalid("a rule reads only the tool's inputs, outputs and functions");
        }
        if (rule.level < kLowestLevel || rule.level > kHighestLevel) {
            ToolTableIsInvalid("a rule's level is from 0 to 3");
        }
        if (!HasText(rule.verdict) || DisplayWidth(rule.verdict) > kVerdictWidth) {
            ToolTableIsInvalid("a rule has a verdict of at most two lines (84 half-widths)");
        }
        if (matchesAlways != (i + 1 == rules.size())) {
            ToolTableIsInvalid("the last rule, and only the last, matches always");
        }
    }
    if (rules.empty()) {
        ToolTableIsInvalid("the last rule, and only the last, matches always");
    }
}

// The record of a tool whose texts pass their checks.
consteval ToolDef CheckedTool(const ToolTexts& texts, std::int32_t inputCount,
                              const InputField* inputs, std::int32_t outputCount,
                              const OutputField* outputs, std::int32_t ruleCount,
                              const VerdictRule* rules, ReportGenerator* generate) {
    CheckTexts(texts);
    return {texts.id,   texts.title, texts.subtitle, texts.category, texts.reference,
            texts.note, inputCount,  inputs,         outputCount,    outputs,
            ruleCount,  rules,       generate,       false,          texts.initials};
}

// A formula tool: inputs, outputs in evaluation order, rules in priority order.
consteval ToolDef FormulaTool(const ToolTexts& texts, std::span<const InputField> inputs,
                              std::span<const OutputField> outputs,
                              std::span<const VerdictRule> rules) {
    CheckInputs(inputs);
    CheckOutputs(inputs, outputs);
    CheckRules(inputs, outputs, rules);
    return CheckedTool(texts, static_cast<std::int32_t>(inputs.size()), inputs.data(),
                       static_cast<std::int32_t>(outputs.size()), outputs.data(),
                       static_cast<std::int32_t>(rules.size()), rules.data(), nullptr);
}

// True when a choice's name begins with its value as a whole number, and a
// space: "3 轻度受限", "+4 有攻击性", "-1 昏昏欲睡".
constexpr bool NameShowsValue(const InputChoice& choice) {
    const double value = choice.value;
    if (!IsWholeNumber(value) || value > 999 || value < -999) {
        return false;
    }
    const char16_t* at = choice.name;
    long long magnitude = static_cast<long long>(value < 0 ? -value : value);
    if (value < 0) {
        if (*at++ != u'-') {
            return false;
        }
    } else if (*at == u'+') {
        ++at;
    }
    char16_t digits[4] = {};
    int count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    for (int i = count - 1; i >= 0; --i) {
        if (*at++ != digits[i]) {
            return false;
        }
    }
    return *at == u' ';
}

// An assessment scale: a formula tool whose items are choices (each name
// showing its points first) and check boxes (each worth its points when
// ticked), and whose report begins with each item as chosen.
consteval ToolDef ScaleTool(const ToolTexts& texts, std::span<const InputField> inputs,
                            std::span<const OutputField> outputs,
                            std::span<const VerdictRule> rules) {
    // A yes-or-no question that only opens others (an initial screen's
    // 否/是, valued 0 and 1) shows no points; every other option does.
    for (const InputField& input : inputs) {
        bool yesOrNo = input.form == InputForm::Choice;
        for (int i = 0; input.form == InputForm::Choice && i < input.choiceCount; ++i) {
            const double value = input.choices[i].value;
            yesOrNo = yesOrNo && (value == 0 || value == 1) && !NameShowsValue(input.choices[i]);
        }
        for (int i = 0; !yesOrNo && input.form == InputForm::Choice && i < input.choiceCount; ++i) {
            if (!NameShowsValue(input.choices[i])) {
                ToolTableIsInvalid("a scale's option shows its points first");
            }
        }
    }
    ToolDef tool = FormulaTool(texts, inputs, outputs, rules);
    tool.listsChosenItems = true;
    return tool;
}

// A report tool: its inputs and the generator that writes its report.
consteval ToolDef ReportTool(const ToolTexts& texts, std::span<const InputField> inputs,
                             ReportGenerator* generate) {
    CheckInputs(inputs);
    return CheckedTool(texts, static_cast<std::int32_t>(inputs.size()), inputs.data(), 0, nullptr,
                       0, nullptr, generate);
}

// A report tool without inputs.
consteval ToolDef ReportTool(const ToolTexts& texts, ReportGenerator* generate) {
    return CheckedTool(texts, 0, nullptr, 0, nullptr, 0, nullptr, generate);
}

// The counts as far as the places of the input vector and the output
// values reach; a table built by FormulaTool or ReportTool is within them
// already.
constexpr int BoundedInputCount(const ToolDef& tool) {
    return tool.inputCount < kMaxInputs ? tool.inputCount : kMaxInputs;
}
constexpr int BoundedOutputCount(const ToolDef& tool) {
    return tool.outputCount < kMaxOutputs ? tool.outputCount : kMaxOutputs;
}

}  // namespace kelomed
