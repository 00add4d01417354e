#include "app/decisions/selftest.h"

#include <cstdint>
#include <cstring>

#include "app/decisions/command_line.h"
#include "app/decisions/input_text.h"
#include "app/decisions/window_state.h"
#include "app/platform/files.h"
#include "app/platform/record_files.h"
#include "engine/compute.h"
#include "engine/format_text.h"
#include "engine/format_value.h"
#include "engine/text_buffer.h"
#include "engine/utf8.h"

namespace kelomed {
namespace {

constexpr int kVerdictCapacity = 512;
constexpr int kLevelLineCapacity = 256;
constexpr int kOutLineCapacity = 512;
constexpr int kErrorsLineCapacity = 128;
constexpr int kValueTextCapacity = 128;
constexpr int kKeyCapacity = 64;
// Every unit of a full self-test text fits, so no report is ever dropped.
constexpr int kUtf8Capacity = kSelftestTextCapacity * kUtf8BytesPerUnit;

// One OUT line per output, as the computation produced and shows it.
void AppendOutputLines(const ToolDef& tool, const ComputeResult& result, char16_t* text,
                       int capacity) {
    for (int i = 0; i < result.outputCount; ++i) {
        if (!result.applies[i]) {
            continue;
        }
        const OutputField& output = tool.outputs[i];
        char16_t valueText[kValueTextCapacity];
        if (result.failed[i]) {
            CopyText(valueText, kValueTextCapacity, kNotComputedText);
        } else {
            FormatValue(output.format, result.values[i], valueText, kValueTextCapacity);
        }
        char16_t line[kOutLineCapacity];
        FormatText(line, kOutLineCapacity, u"OUT|%ls|%ls|%ls\r\n", output.label, valueText,
                   output.unit != nullptr ? output.unit : u"");
        AppendText(text, capacity, line);
    }
}

// The keys of the tool's inputs, "dose、w、drug、dil", for a refusal.
void FormatKeys(const ToolDef& tool, char16_t* text, int capacity) {
    CopyText(text, capacity, tool.inputCount > 0 ? u"" : u"（无）");
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        char16_t key[kKeyCapacity];
        Utf8ToUtf16(tool.inputs[i].key, static_cast<int>(std::strlen(tool.inputs[i].key)), key,
                    kKeyCapacity);
        if (i > 0) {
            AppendText(text, capacity, u"、");
        }
        AppendText(text, capacity, key);
    }
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

void FillDefaultInputs(const ToolDef& tool, double* inputs) {
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        inputs[i] = tool.inputs[i].defaultValue;
    }
}

int BuildSelftestText(const ToolDef& tool, const double* inputs, const CivilDate& today,
                      char16_t* text, int capacity) {
    static char16_t report[kReportTextCapacity];
    char16_t verdict[kVerdictCapacity];
    const ComputeResult result =
        ComputeTool(tool, inputs, today, report, kReportTextCapacity, verdict, kVerdictCapacity);

    FormatText(text, capacity, u"TOOL|%d|%ls|%ls\r\n", tool.id, tool.title, tool.category);
    char16_t levelLine[kLevelLineCapacity];
    FormatText(levelLine, kLevelLineCapacity, u"LEVEL|%d\r\n", result.level);
    AppendText(text, capacity, levelLine);
    if (!IsFormulaTool(tool)) {
        AppendText(text, capacity, u"OUT|报告文本|见 DETAIL|\r\n");
    } else {
        AppendOutputLines(tool, result, text, capacity);
    }
    AppendText(text, capacity, u"VERDICT|");
    AppendText(text, capacity, verdict);
    AppendText(text, capacity, u"\r\n");
    AppendDetailLine(report, text, capacity);
    char16_t errorsLine[kErrorsLineCapacity];
    FormatText(errorsLine, kErrorsLineCapacity, u"ERRORS|%d\r\n", result.failedCount);
    AppendText(text, capacity, errorsLine);
    return result.failedCount;
}

bool WriteSelftestFile(const char16_t* path, const char16_t* text) {
    char bytes[kUtf8Capacity];
    const int size = Utf16ToUtf8(text, bytes, kUtf8Capacity);
    return size >= 0 && WriteWholeFile(path, bytes, size);
}

int RunSelftest(const ToolDef& tool, const char16_t* path, const double* inputs,
                const CivilDate& today) {
    static char16_t text[kSelftestTextCapacity];
    const int errorCount = BuildSelftestText(tool, inputs, today, text, kSelftestTextCapacity);
    if (!WriteSelftestFile(path, text)) {
        return kSelftestReportNotWritten;
    }
    return errorCount > 0 ? kSelftestOutputsFailed : kSelftestPassed;
}

int ApplySetPair(const ToolDef& tool, const char16_t* pair, double* inputs, int& index,
                 char16_t* message, int messageCapacity) {
    int equals = 0;
    while (pair[equals] != 0 && pair[equals] != u'=') {
        ++equals;
    }
    char16_t keys[kSelftestMessageCapacity / 2];
    FormatKeys(tool, keys, kSelftestMessageCapacity / 2);
    if (equals == 0 || pair[equals] == 0) {
        FormatText(message, messageCapacity, u"--set %ls：应写作 KEY=VALUE；KEY 是输入名：%ls",
                   pair, keys);
        return kSelftestMalformedSet;
    }
    const char16_t* value = pair + equals + 1;
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        const char* key = tool.inputs[i].key;
        int at = 0;
        while (at < equals && key[at] != 0 && pair[at] == static_cast<char16_t>(key[at])) {
            ++at;
        }
        if (at != equals || key[at] != 0) {
            continue;
        }
        const InputField& input = tool.inputs[i];
        index = i;
        char16_t refusal[kInputMessageCapacity];
        const bool accepted =
            HasChoices(input)
                ? ReadChoiceText(input, i + 1, value, inputs[i], refusal, kInputMessageCapacity)
                : ReadTypedInput(input, i + 1, value, inputs[i], refusal, kInputMessageCapacity);
        if (accepted) {
            return kSelftestPassed;
        }
        FormatText(message, messageCapacity, u"--set %ls：%ls", pair, refusal);
        return kSelftestValueRefused;
    }
    FormatText(message, messageCapacity, u"--set %ls：工具 %03d 没有这个输入；它的输入是：%ls",
               pair, tool.id, keys);
    return kSelftestUnknownKey;
}

bool RunSelftestIfAsked(const ToolDef& tool, int count, const char16_t* const* arguments,
                        int& exitCode, char16_t* message, int messageCapacity) {
    CopyText(message, messageCapacity, u"");
    SelftestRequest request;
    if (!ParseSelftestArguments(count, arguments, request)) {
        return false;
    }
    if (request.setMissing) {
        FormatText(message, messageCapacity,
                   u"--set 之后应有 KEY=VALUE（至多 %d 个），如 --set KEY=VALUE", kMostSetPairs);
        exitCode = kSelftestMalformedSet;
        return true;
    }
    double inputs[kMaxInputs] = {};
    FillDefaultInputs(tool, inputs);
    int setIndexes[kMostSetPairs] = {};
    for (int i = 0; i < request.setCount; ++i) {
        const int refused = ApplySetPair(tool, request.setPairs[i], inputs, setIndexes[i], message,
                                         messageCapacity);
        if (refused != kSelftestPassed) {
            exitCode = refused;
            return true;
        }
    }
    for (int i = 0; i < request.setCount; ++i) {
        if (!InputApplies(tool, inputs, setIndexes[i])) {
            FormatText(message, messageCapacity,
                       u"--set %ls：第 %d 项“%ls”在这些输入下不适用，不计入计算",
                       request.setPairs[i], setIndexes[i] + 1, tool.inputs[setIndexes[i]].label);
            exitCode = kSelftestValueRefused;
            return true;
        }
    }
    // A path that does not fit is refused, not cut: a report written to
    // another file than asked for would read as a pass where none was.
    exitCode = !request.pathFits
                   ? kSelftestReportNotWritten
                   : RunSelftest(tool, request.path, inputs,
                                 request.todayGiven ? request.today : DateOf(ReadLocalTime()));
    return true;
}

}  // namespace kelomed
