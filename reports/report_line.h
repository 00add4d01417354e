// What every report generator shares: the bounded line append, the input
// lookup with its integer conversion, and the verdict write.
#pragma once

#include <cstdint>

#include "engine/format_text.h"
#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kReportLineCapacity = 512;

// Appends `line` (cut to its first 511 units) and CR LF to the report, each
// bounded by the capacity, so a full report is cut exactly where it ends.
void AppendReportText(char16_t* report, int capacity, const char16_t* line);

// Formats one line printf-style into 512 units and appends it with CR LF. A
// line without arguments is literal text: a percent sign prints as itself.
template <typename... Args>
void AppendReportLine(char16_t* report, int capacity, const char16_t* format, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        AppendReportText(report, capacity, format);
    } else {
        char16_t line[kReportLineCapacity];
        FormatText(line, kReportLineCapacity, format, args...);
        AppendReportText(report, capacity, line);
    }
}

// The input value of the first input with this key, or 0 when none has it.
double FindInputValue(const ToolDef& tool, const double* inputs, const char* key);

// Truncation toward zero; NaN and values outside the 32-bit range give
// -2147483648, so they fall to a generator's lower clamp.
std::int32_t ToWholeNumber(double value);

// FindInputValue converted with ToWholeNumber.
std::int32_t FindWholeInput(const ToolDef& tool, const double* inputs, const char* key);

// A count kept within [lowest, highest].
constexpr std::int32_t ClampCount(std::int32_t value, std::int32_t lowest, std::int32_t highest) {
    return value < lowest ? lowest : (value > highest ? highest : value);
}

// Copies a generator's fixed verdict, bounded by the verdict capacity.
void WriteVerdict(char16_t* verdict, int verdictCapacity, const char16_t* text);

}  // namespace kelomed
