#include "app/commands.h"

#include <cmath>

#include "app/field_text.h"
#include "engine/compute.h"
#include "engine/format_text.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr int kFieldReadCapacity = kFieldTextLimit + 2;
constexpr int kMessageCapacity = 256;
constexpr int kAboutCapacity = 1400;
constexpr int kFieldValueCapacity = 64;
// The title, CR LF and the copy text; a longer title is refused, not cut.
constexpr int kClipboardCapacity = kCopyTextCapacity + 256;
constexpr char16_t kIncompleteVerdict[] = u"报告过长，未能完整生成，请减少数量后重新计算";

void SetStatus(WindowState& state, WindowView& view, const char16_t* text) {
    CopyText(state.statusText, kStatusTextCapacity, text);
    view.RedrawMainWindow();
}

// Shows why field `index` was refused and puts the focus on it.
void RefuseField(WindowView& view, int index, const char16_t* message) {
    view.ShowMessage(message, u"输入有误", MessageIcon::Warning);
    view.FocusField(index);
}

// The unit as it stands after a number, and before a following Chinese
// word: " kg " and " 岁" (a space only between a digit or Latin letter and
// a Chinese character), " " without unit.
void FormatUnitBetween(const char16_t* unit, char16_t* text, int capacity) {
    const int length = TextLength(unit);
    const bool endsInChinese = length > 0 && unit[length - 1] >= 0x2E80;
    FormatText(text, capacity, length == 0 ? u" " : (endsInChinese ? u" %ls" : u" %ls "), unit);
}

// What a range allows, as the refusal of input `position` says it: "应在 0.3
// 至 500 kg 之间。", "应为 1 至 40 人之间的整数。", "应大于 0 且不大于 5 mg。".
void FormatRangeRefusal(int position, const InputField& input, char16_t* message, int capacity) {
    const InputRange& range = input.range;
    char16_t lowest[kFieldValueCapacity];
    char16_t highest[kFieldValueCapacity];
    FormatFieldValue(range.lowest, lowest, kFieldValueCapacity);
    FormatFieldValue(range.highest, highest, kFieldValueCapacity);
    char16_t unitBetween[kFieldValueCapacity];
    FormatUnitBetween(input.unit, unitBetween, kFieldValueCapacity);
    char16_t unitAtEnd[kFieldValueCapacity] = {};
    if (HasText(input.unit)) {
        FormatText(unitAtEnd, kFieldValueCapacity, u" %ls", input.unit);
    }
    const bool hasLowest = std::isfinite(range.lowest);
    const bool hasHighest = std::isfinite(range.highest);
    const char16_t* lowestWord = range.lowestAllowed ? u"不小于" : u"大于";
    const char16_t* highestWord = range.highestAllowed ? u"不大于" : u"小于";
    // A whole number is "为 ... 的整数"; a number is the condition alone.
    const char16_t* wholeStart = range.whole ? u"为" : u"";
    const char16_t* unitThenWhole = range.whole ? unitBetween : unitAtEnd;
    const char16_t* wholeEnd = range.whole ? u"的整数" : u"";
    char16_t condition[kMessageCapacity];
    if (hasLowest && hasHighest && range.lowestAllowed && range.highestAllowed) {
        FormatText(condition, kMessageCapacity,
                   range.whole ? u"为 %ls 至 %ls%ls之间的整数" : u"在 %ls 至 %ls%ls之间", lowest,
                   highest, unitBetween);
    } else if (hasLowest && hasHighest) {
        FormatText(condition, kMessageCapacity, u"%ls%ls %ls 且%ls %ls%ls%ls", wholeStart,
                   lowestWord, lowest, highestWord, highest, unitThenWhole, wholeEnd);
    } else if (hasLowest || hasHighest) {
        FormatText(condition, kMessageCapacity, u"%ls%ls %ls%ls%ls", wholeStart,
                   hasLowest ? lowestWord : highestWord, hasLowest ? lowest : highest,
                   unitThenWhole, wholeEnd);
    } else {
        FormatText(condition, kMessageCapacity, u"为整数");
    }
    FormatText(message, capacity, u"第 %d 项“%ls”应%ls。", position, input.label, condition);
}

// Reads input `index` from the window into `value`; refuses what it cannot
// take (a message that says what it takes, the focus on it) and returns false.
bool ReadInput(const InputField& input, int index, WindowView& view, double& value) {
    char16_t message[kMessageCapacity];
    if (input.form == InputForm::Choice) {
        const int item = view.ReadChoice(index);
        if (item >= 0 && item < input.choiceCount) {
            value = input.choices[item].value;
            return true;
        }
        FormatText(message, kMessageCapacity, u"第 %d 项“%ls”请从列表中选择。", index + 1,
                   input.label);
        RefuseField(view, index, message);
        return false;
    }
    char16_t text[kFieldReadCapacity];
    // One unit more than a field may hold: an overlong text is refused, not cut.
    view.ReadField(index, text, kFieldReadCapacity);
    if (input.form == InputForm::ClockTime) {
        if (ParseClockTimeText(text, value)) {
            return true;
        }
        FormatText(message, kMessageCapacity,
                   u"第 %d 项“%ls”请按“时:分”填写，如 8:30（0:00 至 23:59）。", index + 1,
                   input.label);
        RefuseField(view, index, message);
        return false;
    }
    if (!ParseFieldText(text, value)) {
        FormatText(message, kMessageCapacity, u"第 %d 项“%ls”请输入数字。", index + 1, input.label);
        RefuseField(view, index, message);
        return false;
    }
    if (!IsWithin(input.range, value)) {
        FormatRangeRefusal(index + 1, input, message, kMessageCapacity);
        RefuseField(view, index, message);
        return false;
    }
    return true;
}

// Reads every input in order into `values`; the first that the window cannot
// take is refused, and false is returned.
bool ReadInputFields(const ToolDef& tool, WindowView& view, double* values) {
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        if (!ReadInput(tool.inputs[i], i, view, values[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

const char16_t kSuiteVersion[] = u"" KELOMED_VERSION_TEXT;

bool HasResult(const WindowState& state) {
    return state.reportCopy[0] != 0;
}

void InitializeWindowState(WindowState& state, const ToolDef& tool) {
    state = WindowState{};
    state.tool = &tool;
    CopyText(state.statusText, kStatusTextCapacity, u"就绪：填写参数后按 F5 或点击“计算”");
}

void FormatFieldValue(double value, char16_t* text, int capacity) {
    FormatText(text, capacity, u"%.6g", value);
}

void FormatInputValue(const InputField& input, double value, char16_t* text, int capacity) {
    if (input.form == InputForm::ClockTime) {
        const long long minutes = std::llround(value * 60);
        FormatText(text, capacity, u"%lld:%02lld", minutes / 60, minutes % 60);
        return;
    }
    FormatFieldValue(value, text, capacity);
}

void RunComputeCommand(WindowState& state, WindowView& view, const CivilDate& today) {
    const ToolDef& tool = *state.tool;
    // Values are committed only when every field is accepted, so the kept
    // inputs always belong to the result on screen.
    double values[kMaxInputs] = {};
    if (!ReadInputFields(tool, view, values)) {
        return;
    }
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        state.inputs[i] = values[i];
    }

    char16_t report[kReportTextCapacity];
    char16_t verdict[kVerdictTextCapacity];
    ComputeTool(tool, state.inputs, report, kReportTextCapacity, verdict, kVerdictTextCapacity,
                state.level, state.reportCopy, kReportTextCapacity, today);
    state.reportCut = FillsItsBuffer(report, kReportTextCapacity);
    if (state.reportCut) {
        // A report that was cut must never stand under a verdict that reads
        // it as done.
        CopyText(verdict, kVerdictTextCapacity, kIncompleteVerdict);
        state.level = kFailedComputeLevel;
    }
    view.SetResultText(report);
    view.SetVerdictText(verdict);
    if (IsFormulaTool(tool)) {
        FormatText(state.copyText, kCopyTextCapacity, u"%ls—— %ls", report, verdict);
    } else {
        CopyText(state.copyText, kCopyTextCapacity, report);
    }
    view.RedrawVerdict();
    char16_t status[kStatusTextCapacity];
    FormatText(status, kStatusTextCapacity,
               state.reportCut ? u"报告不完整，不能复制或保存  %ls" : u"计算完成  %ls", tool.title);
    SetStatus(state, view, status);
    view.FocusMainWindow();
}

void RunCopyCommand(WindowState& state, WindowView& view) {
    if (!HasResult(state)) {
        view.ShowMessage(u"请先点击“计算”生成结果。", u"提示", MessageIcon::Information);
        return;
    }
    if (state.reportCut) {
        view.ShowMessage(kIncompleteResultMessage, u"提示", MessageIcon::Warning);
        return;
    }
    char16_t text[kClipboardCapacity];
    const int length =
        FormatText(text, kClipboardCapacity, u"%ls\r\n%ls", state.tool->title, state.copyText);
    if (length < kClipboardCapacity && view.PutOnClipboard(text)) {
        SetStatus(state, view, u"结果已复制到剪贴板");
    } else {
        SetStatus(state, view, u"复制失败，请重试");
    }
}

void RunResetCommand(WindowState& state, WindowView& view) {
    const ToolDef& tool = *state.tool;
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        const InputField& input = tool.inputs[i];
        if (input.form == InputForm::Choice) {
            view.SelectChoice(i, ChoiceIndexOf(input, input.defaultValue));
            continue;
        }
        char16_t text[kFieldValueCapacity];
        FormatInputValue(input, input.defaultValue, text, kFieldValueCapacity);
        view.SetField(i, text);
    }
    view.SetResultText(u"");
    view.SetVerdictText(u"填写左侧参数，点击“计算”");
    view.SetNoteText(tool.note != nullptr ? tool.note : u"");
    CopyText(state.reportCopy, kReportTextCapacity, u"");
    state.level = 0;
    view.RedrawVerdict();
    SetStatus(state, view, u"已恢复默认值");
}

void RunAboutCommand(const WindowState& state, WindowView& view) {
    const ToolDef& tool = *state.tool;
    char16_t text[kAboutCapacity];
    FormatText(text, kAboutCapacity,
               u"%ls\r\n\r\n分类：%ls\r\n参考依据：%ls\r\n\r\n"
               u"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
               u"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n"
               u"版本 V%ls    官网：%ls",
               tool.title, tool.category, tool.reference, kSuiteVersion, kProductAddress);
    view.ShowMessage(text, u"关于本工具", MessageIcon::Information);
}

}  // namespace kelomed
