// What every report generator shares: the bounded line append, the input
// lookup with its integer conversion, and the verdict write.
#pragma once

#include <cstdint>

#include "engine/format_text.h"
#include "engine/text_buffer.h"
#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kReportLineCapacity = 512;
inline constexpr int kLineEndUnits = 2;
// The most one AppendReportLine adds: a line cut to 511 units, and CR LF.
inline constexpr int kLongestReportLine = kReportLineCapacity - 1 + kLineEndUnits;

// The longest report any generator writes, in units before the terminator:
// the rota of 40 nurses over 31 days. Each generator whose report grows with
// its counts derives its longest report from its texts and its counts'
// limits, and checks it against this while compiling; the rota checks that
// it is this one. The cards of a few fixed lines are measured at every
// choice by the suite's tests. A caller whose buffer holds this many units
// and the terminator gets every report whole.
inline constexpr int kLongestGeneratedReport = 6390;

// Decimal digits of a value, with its minus sign.
constexpr int DigitsOf(long long value) {
    int digits = value < 0 ? 2 : 1;
    for (; value >= 10 || value <= -10; value /= 10) {
        ++digits;
    }
    return digits;
}

// The units of a line of this constant text, with CR LF.
constexpr int LineUnits(const char16_t* text) {
    return TextLength(text) + kLineEndUnits;
}

// A report being written. Appends are bounded by the capacity (the report
// never exceeds capacity - 1 units) and the length is kept, so a long report
// is not measured again at every append.
class ReportWriter : public TextWriter {
  public:
    using TextWriter::TextWriter;

    // Appends `line` cut to its first 511 units, then CR LF, each bounded,
    // so a full report is cut exactly where it ends (CR alone when one unit
    // is left).
    void AppendLine(const char16_t* line);
};

// Formats one line printf-style into 512 units and appends it with CR LF. A
// line without arguments is literal text: a percent sign prints as itself.
template <typename... Args>
void AppendReportLine(ReportWriter& writer, const char16_t* format, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        writer.AppendLine(format);
    } else {
        char16_t line[kReportLineCapacity];
        FormatText(line, kReportLineCapacity, format, args...);
        writer.AppendLine(line);
    }
}

// The same for a report given by its buffer and capacity.
template <typename... Args>
void AppendReportLine(char16_t* report, int capacity, const char16_t* format, const Args&... args) {
    ReportWriter writer(report, capacity);
    AppendReportLine(writer, format, args...);
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
