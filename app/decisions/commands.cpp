#include "app/decisions/commands.h"

#include "app/decisions/field_text.h"
#include "app/decisions/input_text.h"
#include "engine/compute.h"
#include "engine/format_text.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr int kFieldReadCapacity = kFieldTextLimit + 2;
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

// Reads input `index` from the window into `value`; refuses what it cannot
// take (a message that says what it takes, the focus on it) and returns false.
bool ReadInput(const InputField& input, int index, WindowView& view, double& value) {
    char16_t message[kInputMessageCapacity];
    if (HasChoices(input)) {
        const int item = view.ReadChoice(index);
        if (item >= 0 && item < input.choiceCount) {
            value = input.choices[item].value;
            return true;
        }
        FormatChoiceRefusal(input, index + 1, message, kInputMessageCapacity);
        RefuseField(view, index, message);
        return false;
    }
    char16_t text[kFieldReadCapacity];
    // One unit more than a field may hold: an overlong text is refused, not cut.
    view.ReadField(index, text, kFieldReadCapacity);
    if (!ReadTypedInput(input, index + 1, text, value, message, kInputMessageCapacity)) {
        RefuseField(view, index, message);
        return false;
    }
    return true;
}

// The choices and check boxes as they stand, for the inputs' conditions,
// which read nothing else.
void ReadChoices(const ToolDef& tool, WindowView& view, double* values) {
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        const InputField& input = tool.inputs[i];
        const int item = HasChoices(input) ? view.ReadChoice(i) : -1;
        values[i] = item >= 0 && item < input.choiceCount ? input.choices[item].value : 0;
    }
}

// Reads every input in order into `values`; the first that the window cannot
// take is refused, and false is returned.
// An input that does not apply is not read: it counts as 0.
bool ReadInputFields(const ToolDef& tool, WindowView& view, double* values) {
    double choices[kMaxInputs] = {};
    ReadChoices(tool, view, choices);
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        values[i] = 0;
        if (InputApplies(tool, choices, i) && !ReadInput(tool.inputs[i], i, view, values[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

const char16_t kSuiteVersion[] = u"" KELOMED_VERSION_TEXT;
const char16_t kProductAddress[] = u"" KELOMED_PRODUCT_ADDRESS;

bool HasResult(const WindowState& state) {
    return state.reportCopy[0] != 0;
}

void InitializeWindowState(WindowState& state, const ToolDef& tool) {
    state = WindowState{};
    state.tool = &tool;
    CopyText(state.statusText, kStatusTextCapacity, u"就绪：填写参数后按 F5 或点击“计算”");
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
    state.level = ComputeTool(tool, state.inputs, today, report, kReportTextCapacity, verdict,
                              kVerdictTextCapacity)
                      .level;
    CopyText(state.reportCopy, kReportTextCapacity, report);
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
}

void UpdateApplicableInputs(const WindowState& state, WindowView& view) {
    const ToolDef& tool = *state.tool;
    double choices[kMaxInputs] = {};
    ReadChoices(tool, view, choices);
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        if (tool.inputs[i].appliesWhen != nullptr) {
            view.EnableInput(i, InputApplies(tool, choices, i));
        }
    }
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
        if (HasChoices(input)) {
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
    UpdateApplicableInputs(state, view);
    SetStatus(state, view, u"已恢复默认值");
}

void FormatAboutText(const ToolDef& tool, const char16_t* version, const char16_t* address,
                     char16_t* text, int capacity) {
    const int length =
        FormatText(text, capacity,
                   u"%ls\r\n\r\n分类：%ls\r\n参考依据：%ls\r\n\r\n"
                   u"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
                   u"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n版本 V%ls",
                   tool.title, tool.category, tool.reference, version);
    if (HasText(address) && length < capacity) {
        FormatText(text + length, capacity - length, u"    官网：%ls", address);
    }
}

void RunAboutCommand(const WindowState& state, WindowView& view) {
    char16_t text[kAboutCapacity];
    FormatAboutText(*state.tool, kSuiteVersion, kProductAddress, text, kAboutCapacity);
    view.ShowMessage(text, u"关于本工具", MessageIcon::Information);
}

}  // namespace kelomed
