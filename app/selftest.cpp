#include "app/selftest.h"

#include <cstdint>

#include "app/command_line.h"
#include "app/files.h"
#include "app/record_files.h"
#include "app/window_state.h"
#include "engine/compute.h"
#include "engine/expression.h"
#include "engine/format_text.h"
#include "engine/format_value.h"
#include "engine/text_buffer.h"
#include "engine/utf8.h"

namespace kelomed {
namespace {

constexpr int kReportCapacity = 8192;
static_assert(kReportCapacity >= kReportTextCapacity, "the self-test shows every report whole");
constexpr int kVerdictCapacity = 512;
constexpr int kLevelLineCapacity = 256;
constexpr int kOutLineCapacity = 512;
constexpr int kErrorsLineCapacity = 128;
constexpr int kValueTextCapacity = 128;
// Every unit of a full self-test text fits, so no report is ever dropped.
constexpr int kUtf8Capacity = kSelftestTextCapacity * kUtf8BytesPerUnit;

// Evaluates each output alone, against zeroed output values, as a check of
// its expression; appends one OUT line per output and counts the failures.
int AppendOutputLines(const ToolDef& tool, const double* inputs, char16_t* text, int capacity) {
    int errorCount = 0;
    const int count = BoundedOutputCount(tool);
    for (int i = 0; i < count; ++i) {
        const OutputField& output = tool.outputs[i];
        const double zeroes[kMaxOutputs] = {};
        int failed = 0;
        const double value = EvaluateExpression(tool, output.expression, inputs, zeroes, failed);
        errorCount += failed;
        char16_t valueText[kValueTextCapacity];
        if (failed != 0) {
            CopyText(valueText, kValueTextCapacity, kNotComputedText);
        } else {
            FormatValue(output.format, value, valueText, kValueTextCapacity);
        }
        char16_t line[kOutLineCapacity];
        FormatText(line, kOutLineCapacity, u"OUT|%ls|%ls|%ls\r\n", output.label, valueText,
                   output.unit != nullptr ? output.unit : u"");
        AppendText(text, capacity, line);
    }
    return errorCount;
}

}  // namespace

void AppendDetailLine(const char16_t* report, char16_t* text, int capacity) {
    char16_t detail[kDetailLimit + 1];
    int kept = 0;
    for (const char16_t* unit = report; *unit != 0 && kept < kDetailLimit; ++unit) {
        if (*unit == u'\r') {
            continue;
        }
        detail[kept++] = *unit == u'\n' ? u' ' : *unit;
    }
    detail[kept] = 0;
    AppendText(text, capacity, u"DETAIL|");
    AppendText(text, capacity, detail);
    AppendText(text, capacity, u"\r\n");
}

int BuildSelftestText(const ToolDef& tool, const CivilDate& today, char16_t* text, int capacity) {
    double inputs[kMaxInputs] = {};
    const int inputCount = BoundedInputCount(tool);
    for (int i = 0; i < inputCount; ++i) {
        inputs[i] = tool.inputs[i].defaultValue;
    }
    char16_t report[kReportCapacity];
    char16_t verdict[kVerdictCapacity];
    char16_t reportCopy[kReportCapacity];
    std::int32_t level = 0;
    ComputeTool(tool, inputs, report, kReportCapacity, verdict, kVerdictCapacity, level, reportCopy,
                kReportCapacity, today);

    FormatText(text, capacity, u"TOOL|%d|%ls|%ls\r\n", tool.id, tool.title, tool.category);
    char16_t levelLine[kLevelLineCapacity];
    FormatText(levelLine, kLevelLineCapacity, u"LEVEL|%d\r\n", level);
    AppendText(text, capacity, levelLine);

    int errorCount = 0;
    if (!IsFormulaTool(tool)) {
        AppendText(text, capacity, u"OUT|报告文本|见 DETAIL|\r\n");
    } else {
        errorCount = AppendOutputLines(tool, inputs, text, capacity);
    }
    AppendText(text, capacity, u"VERDICT|");
    AppendText(text, capacity, verdict);
    AppendText(text, capacity, u"\r\n");
    AppendDetailLine(report, text, capacity);
    char16_t errorsLine[kErrorsLineCapacity];
    FormatText(errorsLine, kErrorsLineCapacity, u"ERRORS|%d\r\n", errorCount);
    AppendText(text, capacity, errorsLine);
    return errorCount;
}

bool WriteSelftestFile(const char16_t* path, const char16_t* text) {
    char bytes[kUtf8Capacity];
    const int size = Utf16ToUtf8(text, bytes, kUtf8Capacity);
    return size >= 0 && WriteWholeFile(path, bytes, size);
}

int RunSelftest(const ToolDef& tool, const char16_t* path, const CivilDate& today) {
    char16_t text[kSelftestTextCapacity];
    const int errorCount = BuildSelftestText(tool, today, text, kSelftestTextCapacity);
    if (!WriteSelftestFile(path, text)) {
        return kSelftestReportNotWritten;
    }
    return errorCount > 0 ? kSelftestOutputsFailed : kSelftestPassed;
}

bool RunSelftestIfAsked(const ToolDef& tool, int count, const char16_t* const* arguments,
                        int& exitCode) {
    SelftestRequest request;
    if (!ParseSelftestArguments(count, arguments, request)) {
        return false;
    }
    // A path that does not fit is refused, not cut: a report written to
    // another file than asked for would read as a pass where none was.
    exitCode = !request.pathFits
                   ? kSelftestReportNotWritten
                   : RunSelftest(tool, request.path,
                                 request.todayGiven ? request.today : DateOf(ReadLocalTime()));
    return true;
}

}  // namespace kelomed
