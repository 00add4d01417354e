// The constant description of a build's one tool.
//
// A tool is data: counted arrays of plain records whose texts are constants.
// Keys, expressions and format codes are ASCII; everything shown is UTF-16.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

namespace kelomed {

inline constexpr int kMaxInputs = 16;
inline constexpr int kMaxOutputs = 16;

enum ToolKind : std::int32_t {
    Formula = 0,
    NurseRota = 1,
    DosingTimes = 2,
    BloodDrawOrder = 3,
    CriticalValues = 4,
    HighAlertDrugs = 5,
    DrugCompatibility = 6,
    FollowUpPlan = 7,
    SurgicalChecklist = 8,
    ShiftHandover = 9,
    InfusionCard = 10,
    LabPanels = 11,
};

// The lower bound of an input that has none: every finite value passes.
inline constexpr double kNoLowerBound = -std::numeric_limits<double>::infinity();

struct InputField {
    const char* key;
    const char16_t* label;
    const char16_t* unit;
    double defaultValue;
    // The window accepts only values greater than this (a body weight or a
    // dilution volume of 0 is not a usable input).
    double lowerBound = kNoLowerBound;
};

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
    ToolKind kind;
};

// Counts of the constant tables, checked while compiling: a table with more
// places than the window and the input vector hold does not build.
template <std::size_t N>
constexpr std::int32_t InputCountOf(const InputField (&)[N]) {
    static_assert(N <= kMaxInputs, "a tool holds at most 16 inputs");
    return static_cast<std::int32_t>(N);
}

// True when every default lies above its input's lower bound, so the
// defaults that the window restores are never refused by it.
template <std::size_t N>
constexpr bool DefaultsAreAccepted(const InputField (&inputs)[N]) {
    for (const InputField& input : inputs) {
        if (!(input.defaultValue > input.lowerBound)) {
            return false;
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

// The build's one tool.
const ToolDef& GetTool();

// The counts as far as the 16 places of the input vector and the output
// values reach; a table checked by InputCountOf and OutputCountOf is within
// them already.
constexpr int BoundedInputCount(const ToolDef& tool) {
    return tool.inputCount < kMaxInputs ? tool.inputCount : kMaxInputs;
}
constexpr int BoundedOutputCount(const ToolDef& tool) {
    return tool.outputCount < kMaxOutputs ? tool.outputCount : kMaxOutputs;
}

}  // namespace kelomed
