// The compute entry: one tool, one input vector, one report and verdict.
#pragma once

#include <cstdint>

#include "engine/text_buffer.h"
#include "engine/tool_model.h"

namespace kelomed {

// The level of a computation whose result cannot be trusted (an output
// failed, or no rule gave a verdict): the warning colour, whatever else.
inline constexpr std::int32_t kFailedComputeLevel = 3;

// The value text of an output whose evaluation failed.
inline constexpr char16_t kNotComputedText[] = u"--";
// The verdict of a computation that could not be completed.
inline constexpr char16_t kCheckInputsVerdict[] = u"请核对输入参数后重新计算";

// A formula tool's report line "label：value unit" is formatted into this
// many units, CR LF included.
inline constexpr int kFormulaLineCapacity = 256;
inline constexpr char16_t kFailedOutputNotice[] = u"（部分结果无法计算，请检查输入是否合理）\r\n";
// The longest line a scale's report gives an item, "label：name" or
// "label：value unit" and CR LF: the texts fit the window, where a Chinese
// character is two half-widths, and a value is at most 24 characters.
inline constexpr int kLongestItemLine = kCheckWidth + 1 + kWideChoiceWidth + 1 + kUnitWidth + 2;
// The longest report of a formula tool: every item's line, every output's
// line at its bound, and the notice.
inline constexpr int kLongestFormulaReport = kMaxInputs * kLongestItemLine +
                                             kMaxOutputs * (kFormulaLineCapacity - 1) +
                                             TextLength(kFailedOutputNotice);

// What one computation produced besides its texts: the level, and for a
// formula tool each output's value as evaluated and whether it failed.
struct ComputeResult {
    std::int32_t level = 0;
    int outputCount = 0;
    double values[kMaxOutputs] = {};
    bool failed[kMaxOutputs] = {};
    // False for an output whose condition does not hold: not computed, not
    // shown, read as 0.
    bool applies[kMaxOutputs] = {};
    int failedCount = 0;
};

// True when input `index` applies to `inputs`: it has no condition, or its
// condition holds.
bool InputApplies(const ToolDef& tool, const double* inputs, int index);
// The same for output `index`, whose condition reads the inputs alone.
bool OutputApplies(const ToolDef& tool, const double* inputs, int index);

// Clears report and verdict, then fills them. An input that does not apply
// counts as 0. A formula tool evaluates its outputs in order, each able to
// read the ones before it, and picks the verdict by its rules, which read
// each output as the value its shown text stands for; when an output failed
// it shows "--" and asks for the inputs to be checked at
// kFailedComputeLevel, and so it does when no rule gives a verdict. A
// scale's report first lists each item as chosen. A report tool hands the
// work to its generator, with `today`. The verdict buffer must hold at
// least 13 units (the fallback verdict and its terminator).
ComputeResult ComputeTool(const ToolDef& tool, const double* inputs, const CivilDate& today,
                          char16_t* report, int reportCapacity, char16_t* verdict,
                          int verdictCapacity);

}  // namespace kelomed
