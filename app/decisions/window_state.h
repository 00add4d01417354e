// The window's mutable state, shared by painting, the commands and the
// record store. One instance lives as long as the process.
#pragma once

#include <cstdint>

#include "engine/compute.h"
#include "engine/tool_model.h"
#include "reports/report_line.h"

namespace kelomed {

// Every report of the suite whole, with one unit to spare: a report that
// reaches the last unit of its buffer may have been cut, so one that does
// not was written whole.
inline constexpr int kReportTextCapacity =
    (kLongestFormulaReport > kLongestGeneratedReport ? kLongestFormulaReport
                                                     : kLongestGeneratedReport) +
    2;
inline constexpr int kVerdictTextCapacity = 512;
// A formula tool's copy text: the report, "—— " and the verdict.
inline constexpr int kCopyTextCapacity = kReportTextCapacity + 3 + kVerdictTextCapacity;
inline constexpr int kStatusTextCapacity = 256;

struct WindowState {
    const ToolDef* tool = nullptr;
    // Severity of the last verdict; the verdict label is coloured by it.
    std::int32_t level = 0;
    // The inputs of the last compute that reached the engine: the record
    // store pairs them with the kept report.
    double inputs[kMaxInputs] = {};
    // A result exists while this is not empty.
    char16_t reportCopy[kReportTextCapacity] = {};
    // True when the last report did not fit its buffer: such a result is
    // neither copied nor saved as if it were whole. (Every member starts at
    // zero, so the state takes no room in the program file.)
    bool reportCut = false;
    char16_t copyText[kCopyTextCapacity] = {};
    char16_t statusText[kStatusTextCapacity] = {};
};

bool HasResult(const WindowState& state);

}  // namespace kelomed
