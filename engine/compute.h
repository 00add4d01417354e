// The compute entry: one tool, one input vector, one report and verdict.
#pragma once

#include <cstdint>

#include "engine/text_buffer.h"
#include "engine/tool_model.h"

namespace kelomed {

// The level of a formula tool's computation in which an output failed: the
// warning colour, whatever the rules say.
inline constexpr std::int32_t kFailedComputeLevel = 3;

// The value text of an output whose evaluation failed.
inline constexpr char16_t kNotComputedText[] = u"--";

// A formula tool's report line "label：value unit" is formatted into this
// many units, CR LF included.
inline constexpr int kFormulaLineCapacity = 256;
inline constexpr char16_t kFailedOutputNotice[] = u"（部分结果无法计算，请检查输入是否合理）\r\n";
// The longest report of a formula tool: every output's line at its bound,
// and the notice.
inline constexpr int kLongestFormulaReport =
    kMaxOutputs * (kFormulaLineCapacity - 1) + TextLength(kFailedOutputNotice);

// Clears report, verdict and reportCopy, then fills them: a formula tool
// evaluates its outputs and picks the verdict by its rules, which read each
// output as the value its shown text stands for (or, when an output failed,
// shows it as "--" and asks for the inputs to be checked, at
// kFailedComputeLevel); a report tool hands the work to its generator, with
// `today`. Returns the level and stores it in `level`. The verdict buffer
// must hold at least 13 units (the fallback verdict and its terminator).
std::int32_t ComputeTool(const ToolDef& tool, const double* inputs, char16_t* report,
                         int reportCapacity, char16_t* verdict, int verdictCapacity,
                         std::int32_t& level, char16_t* reportCopy, int reportCopyCapacity,
                         const CivilDate& today);

}  // namespace kelomed
