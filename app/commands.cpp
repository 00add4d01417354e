#include "app/commands.h"

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

// Reads every field in order into `values`; the first that is not a number
// or not above its lower bound is refused, and false is returned.
bool ReadInputFields(const ToolDef& tool, WindowView& view, double* values) {
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        const InputField& input = tool.inputs[i];
        char16_t text[kFieldReadCapacity];
        // One unit more than a field may hold: an overlong text is refused, not cut.
        view.ReadField(i, text, kFieldReadCapacity);
        char16_t message[kMessageCapacity];
        if (!ParseFieldText(text, values[i])) {
            FormatText(message, kMessageCapacity, u"第 %d 项“%ls”请输入数字。", i + 1, input.label);
            RefuseField(view, i, message);
            return false;
        }
        if (!(values[i] > input.lowerBound)) {
            char16_t bound[kFieldValueCapacity];
            FormatFieldValue(input.lowerBound, bound, kFieldValueCapacity);
            FormatText(message, kMessageCapacity, u"第 %d 项“%ls”须大于 %ls。", i + 1, input.label,
                       bound);
            RefuseField(view, i, message);
            return false;
        }
    }
    return true;
}

}  // namespace

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

void RunComputeCommand(WindowState& state, WindowView& view) {
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
                state.level, state.reportCopy, kReportTextCapacity);
    state.reportWhole = !FillsItsBuffer(report, kReportTextCapacity);
    if (!state.reportWhole) {
        // A report that was cut must never stand under a verdict that reads
        // it as done.
        CopyText(verdict, kVerdictTextCapacity, kIncompleteVerdict);
        state.level = kFailedComputeLevel;
    }
    view.SetResultText(report);
    view.SetVerdictText(verdict);
    if (tool.kind == ToolKind::Formula) {
        FormatText(state.copyText, kCopyTextCapacity, u"%ls—— %ls", report, verdict);
    } else {
        CopyText(state.copyText, kCopyTextCapacity, report);
    }
    view.RedrawVerdict();
    char16_t status[kStatusTextCapacity];
    FormatText(status, kStatusTextCapacity,
               state.reportWhole ? u"计算完成  %ls" : u"报告不完整，不能复制或保存  %ls",
               tool.title);
    SetStatus(state, view, status);
    view.FocusMainWindow();
}

void RunCopyCommand(WindowState& state, WindowView& view) {
    if (!HasResult(state)) {
        view.ShowMessage(u"请先点击“计算”生成结果。", u"提示", MessageIcon::Information);
        return;
    }
    if (!state.reportWhole) {
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
        char16_t text[kFieldValueCapacity];
        FormatFieldValue(tool.inputs[i].defaultValue, text, kFieldValueCapacity);
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
               u"版本 V1.0    官网：%ls",
               tool.title, tool.category, tool.reference, kProductAddress);
    view.ShowMessage(text, u"关于本工具", MessageIcon::Information);
}

}  // namespace kelomed
