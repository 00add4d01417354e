// The constant description of a tool.
//
// A tool is data: counted arrays of plain records whose texts are constants.
// Keys, expressions and format codes are ASCII; everything shown is UTF-16.
// A formula tool computes its outputs from expressions and picks its verdict
// by rules; a report tool names the generator that writes its report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

#include "engine/day_number.h"
#include "engine/text_buffer.h"

namespace kelomed {

inline constexpr int kMaxInputs = 16;
inline constexpr int kMaxOutputs = 16;

// What a typed value of an input may be: a number within [lowest, highest],
// each bound itself allowed or not, and a whole number when `whole` is set.
// The window refuses anything else at the field.
struct InputRange {
    double lowest = -std::numeric_limits<double>::infinity();
    double highest = std::numeric_limits<double>::infinity();
    bool lowestAllowed = true;
    bool highestAllowed = true;
    bool whole = false;
};

// Every finite number.
inline constexpr InputRange kAnyNumber = {};

// [lowest, highest].
constexpr InputRange Between(double lowest, double highest) {
    return {lowest, highest, true, true, false};
}

// (lowest, highest]: above `lowest`, which itself is not allowed.
constexpr InputRange AboveUpTo(double lowest, double highest) {
    return {lowest, highest, false, true, false};
}

// Whole numbers in [lowest, highest].
constexpr InputRange WholeBetween(double lowest, double highest) {
    return {lowest, highest, true, true, true};
}

// True for a whole number: every double of magnitude 2^52 or more is one.
constexpr bool IsWholeNumber(double value) {
    const double wholeFrom = 0x1p52;
    return value >= wholeFrom || value <= -wholeFrom ||
           (value > -wholeFrom && value < wholeFrom &&
            static_cast<double>(static_cast<long long>(value)) == value);
}

constexpr bool IsWithin(const InputRange& range, double value) {
    const bool aboveLowest = range.lowestAllowed ? value >= range.lowest : value > range.lowest;
    const bool belowHighest = range.highestAllowed ? value <= range.highest : value < range.highest;
    return aboveLowest && belowHighest && (!range.whole || IsWholeNumber(value));
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
};

// A number typed into a field, within `range`.
constexpr InputField NumberInput(const char* key, const char16_t* label, const char16_t* unit,
                                 double defaultValue, InputRange range) {
    return {key, label, unit, defaultValue, range, InputForm::Number, nullptr, 0};
}

// A time of day from 0:00 to 23:59, typed as H:MM.
constexpr InputField ClockTimeInput(const char* key, const char16_t* label, double defaultValue) {
    return {key,     label, u"", defaultValue, {0, 24, true, false, false}, InputForm::ClockTime,
            nullptr, 0};
}

// One of `choices`, picked by name; the input's value is the chosen item's.
template <std::size_t N>
constexpr InputField ChoiceInput(const char* key, const char16_t* label, double defaultValue,
                                 const InputChoice (&choices)[N]) {
    return {key,        label,
            u"",        defaultValue,
            kAnyNumber, InputForm::Choice,
            choices,    static_cast<std::int32_t>(N)};
}

struct OutputField {
    const char* key;
    const char16_t* label;
    const char16_t* unit;  // null or empty: a line without unit
    const char* expression;
    const char* format;  // null: "f2"
};

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
};

constexpr bool IsFormulaTool(const ToolDef& tool) {
    return tool.generate == nullptr;
}

// Counts of the constant tables, checked while compiling: a table with more
// places than the window and the input vector hold does not build.
template <std::size_t N>
constexpr std::int32_t InputCountOf(const InputField (&)[N]) {
    static_assert(N <= kMaxInputs, "a tool holds at most 16 inputs");
    return static_cast<std::int32_t>(N);
}

// True when `hours` is a whole number of minutes, as H:MM gives it (to far
// within a double's rounding).
constexpr bool IsWholeMinute(double hours) {
    const double minutes = hours * 60;
    const double nearest = static_cast<double>(static_cast<long long>(minutes + 0.5));
    return minutes - nearest < 1e-9 && nearest - minutes < 1e-9;
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
// a time of whole minutes for a clock time, one of its choices for a choice.
constexpr bool AcceptsValue(const InputField& input, double value) {
    switch (input.form) {
        case InputForm::Choice:
            return ChoiceIndexOf(input, value) >= 0;
        case InputForm::ClockTime:
            return IsWithin(input.range, value) && IsWholeMinute(value);
        case InputForm::Number:
        default:
            return IsWithin(input.range, value);
    }
}

// The longest label, unit or choice name: a label and its field share a row
// of the window, a choice name fits its list, and a record piece
// "label=value" stays within its bound.
inline constexpr int kLongestInputText = 24;

// True when the table says what each input takes, consistently: a range
// whose bounds are in order, a default the window accepts (so that the
// defaults it restores are never refused), choices with distinct numbers,
// and texts within kLongestInputText.
constexpr bool InputsAreConsistent(std::span<const InputField> inputs) {
    for (const InputField& input : inputs) {
        if (!(input.range.lowest <= input.range.highest) ||
            !AcceptsValue(input, input.defaultValue) ||
            TextLength(input.label) > kLongestInputText ||
            TextLength(input.unit) > kLongestInputText) {
            return false;
        }
        if ((input.form == InputForm::Choice) != (input.choiceCount > 0)) {
            return false;
        }
        for (int i = 0; i < input.choiceCount; ++i) {
            if (ChoiceIndexOf(input, input.choices[i].value) != i ||
                TextLength(input.choices[i].name) > kLongestInputText) {
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
};

// The longest title: it heads the window, the About box, the clipboard and
// every record.
inline constexpr int kLongestTitle = 63;
// The longest label or unit of an output: the report line "label：value
// unit" (a value of at most 79 units) stays within its 255 units.
inline constexpr int kLongestOutputText = 64;

// Not constexpr: a table whose checks fail calls it while compiling, which
// stops the build with `why` in the message.
void ToolTableIsInvalid(const char* why);

consteval void CheckTexts(const ToolTexts& texts) {
    if (texts.id < 1 || texts.id > 999) {
        ToolTableIsInvalid("a tool id has one to three digits");
    }
    if (!HasText(texts.title) || TextLength(texts.title) > kLongestTitle ||
        !HasText(texts.category) || !HasText(texts.reference)) {
        ToolTableIsInvalid("a tool has a title of at most 63 units, a category and a reference");
    }
}

consteval void CheckInputs(std::span<const InputField> inputs) {
    if (inputs.size() > kMaxInputs) {
        ToolTableIsInvalid("a tool holds at most 16 inputs");
    }
    if (!InputsAreConsistent(inputs)) {
        ToolTableIsInvalid("an input's range, default, choices or texts do not agree");
    }
}

consteval void CheckOutputs(std::span<const OutputField> outputs) {
    if (outputs.size() > kMaxOutputs) {
        ToolTableIsInvalid("a tool holds at most 16 outputs");
    }
    for (const OutputField& output : outputs) {
        if (TextLength(output.label) > kLongestOutputText ||
            (output.unit != nullptr && TextLength(output.unit) > kLongestOutputText)) {
            ToolTableIsInvalid("an output's label or unit is longer than 64 units");
        }
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
            ruleCount,  rules,       generate};
}

// A formula tool: inputs, outputs in evaluation order, rules in priority order.
consteval ToolDef FormulaTool(const ToolTexts& texts, std::span<const InputField> inputs,
                              std::span<const OutputField> outputs,
                              std::span<const VerdictRule> rules) {
    CheckInputs(inputs);
    CheckOutputs(outputs);
    return CheckedTool(texts, static_cast<std::int32_t>(inputs.size()), inputs.data(),
                       static_cast<std::int32_t>(outputs.size()), outputs.data(),
                       static_cast<std::int32_t>(rules.size()), rules.data(), nullptr);
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

// The counts as far as the 16 places of the input vector and the output
// values reach; a table built by FormulaTool or ReportTool is within them
// already.
constexpr int BoundedInputCount(const ToolDef& tool) {
    return tool.inputCount < kMaxInputs ? tool.inputCount : kMaxInputs;
}
constexpr int BoundedOutputCount(const ToolDef& tool) {
    return tool.outputCount < kMaxOutputs ? tool.outputCount : kMaxOutputs;
}

}  // namespace kelomed
