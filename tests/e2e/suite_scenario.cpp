#include "tests/e2e/suite_scenario.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cwchar>

#include "app/decisions/commands.h"
#include "app/decisions/field_text.h"
#include "app/decisions/input_text.h"
#include "app/decisions/record_store.h"
#include "app/decisions/window_layout.h"
#include "app/platform/record_files.h"
#include "engine/compute.h"
#include "engine/text_buffer.h"
#include "tests/e2e/checks.h"
#include "tests/e2e/gui_probe.h"
#include "tools/suite.h"

namespace kelomed::e2e {
namespace {

const std::wstring kPrompt = L"填写左侧参数，点击“计算”";

std::wstring WideOf(const char16_t* text) {
    return text != nullptr ? reinterpret_cast<const wchar_t*>(text) : L"";
}

struct Expected {
    std::wstring report;
    std::wstring verdict;
    std::wstring copyText;
    std::int32_t level = 0;
};

// What the window must show after computing `inputs`.
Expected ExpectedResult(const ToolDef& tool, const double* inputs) {
    static char16_t report[kReportTextCapacity];
    char16_t verdict[kVerdictTextCapacity];
    Expected expected;
    expected.level = ComputeTool(tool, inputs, DateOf(ReadLocalTime()), report, kReportTextCapacity,
                                 verdict, kVerdictTextCapacity)
                         .level;
    expected.report = WideOf(report);
    expected.verdict = WideOf(verdict);
    expected.copyText =
        IsFormulaTool(tool) ? expected.report + L"—— " + expected.verdict : expected.report;
    return expected;
}

// What the control of `input` shows for `value`: the field's text, the
// name of the chosen item of a list, or a check box's label and mark.
std::wstring FieldText(const InputField& input, double value) {
    if (input.form == InputForm::Check) {
        return WideOf(input.label) + (value != 0 ? L" [x]" : L" [ ]");
    }
    if (input.form == InputForm::Choice) {
        const int item = ChoiceIndexOf(input, value);
        return item >= 0 ? WideOf(input.choices[item].name) : L"(no such choice)";
    }
    char16_t text[64];
    FormatInputValue(input, value, text, 64);
    return WideOf(text);
}

// What the control of input `index` shows, as FieldText writes it.
std::wstring ShownText(const GuiProbe& gui, const ToolDef& tool, int index) {
    const HWND control = gui.Field(index);
    if (tool.inputs[index].form == InputForm::Check) {
        return gui.Text(control) + (gui.Checked(control) ? L" [x]" : L" [ ]");
    }
    return gui.Text(control);
}

HWND Button(const GuiProbe& gui, int id) {
    return GetDlgItem(gui.main(), id);
}

// Computes the way a nurse does: F5 in the first field, or on the compute
// button of a tool without inputs, which has the focus from the start.
void Compute(const GuiProbe& gui, const ToolDef& tool) {
    gui.PressKey(tool.inputCount > 0 ? gui.Field(0) : Button(gui, kCompute), VK_F5);
    gui.Settle();
}

// Each input's control: a field, or a list of the input's choice names that
// cannot be typed into, its default chosen; every input and button a tab stop.
void CheckControls(const GuiProbe& gui, const ToolDef& tool, Checks& checks) {
    std::wstring kinds;
    std::wstring expectedKinds;
    bool tabStops = true;
    for (int i = 0; i < tool.inputCount; ++i) {
        const InputField& input = tool.inputs[i];
        const HWND control = gui.Field(i);
        const LONG style = gui.StyleOf(control);
        tabStops = tabStops && (style & WS_TABSTOP) != 0;
        if (input.form == InputForm::Check) {
            kinds += gui.ClassOf(control) + L" " + std::to_wstring(style & BS_TYPEMASK) + L";";
            expectedKinds += L"Button " + std::to_wstring(BS_AUTOCHECKBOX) + L";";
            continue;
        }
        if (input.form != InputForm::Choice) {
            kinds += gui.ClassOf(control) + L";";
            expectedKinds += L"Edit;";
            continue;
        }
        kinds += gui.ClassOf(control) + L" " + std::to_wstring(style & 3) + L";";
        expectedKinds += L"ComboBox " + std::to_wstring(CBS_DROPDOWNLIST) + L";";
        std::vector<std::wstring> names;
        for (int item = 0; item < input.choiceCount; ++item) {
            names.push_back(WideOf(input.choices[item].name));
        }
        const std::vector<std::wstring> items = gui.Items(control);
        checks.Expect(items == names,
                      L"list " + std::to_wstring(i + 1) + L" holds " +
                          std::to_wstring(names.size()) + L" names in order",
                      std::to_wstring(items.size()) + L" items");
        checks.Expect(gui.Selection(control) == ChoiceIndexOf(input, input.defaultValue),
                      L"list " + std::to_wstring(i + 1) + L" starts at its default");
    }
    checks.ExpectEqual(
        kinds, expectedKinds,
        L"a field per typed input, a drop-down list per choice, a check box per factor");
    for (int id = kCompute; id <= kAbout; ++id) {
        tabStops = tabStops && (gui.StyleOf(Button(gui, id)) & WS_TABSTOP) != 0;
    }
    checks.Expect(tabStops, L"every input and button is a tab stop");
}

// A label beside each field and list (left edge 24), over each long list
// (27); a check box is its own label.
void CheckRows(const GuiProbe& gui, const ToolDef& tool, Checks& checks) {
    std::vector<std::wstring> labels;
    std::vector<std::wstring> wideLabels;
    std::vector<std::wstring> units;
    std::wstring fields;
    std::wstring defaults;
    for (int i = 0; i < tool.inputCount; ++i) {
        const InputField& input = tool.inputs[i];
        const RowKind kind = RowKindOf(input);
        if (kind == RowKind::Field || kind == RowKind::Choice) {
            labels.push_back(WideOf(input.label));
        } else if (kind == RowKind::WideChoice) {
            wideLabels.push_back(WideOf(input.label));
        }
        if (HasText(input.unit)) {
            units.push_back(WideOf(input.unit));
        }
        fields += ShownText(gui, tool, i) + L";";
        defaults += FieldText(input, input.defaultValue) + L";";
    }
    checks.Expect(gui.StaticTextsAt(24) == labels,
                  L"a labelled row per field and list (" + std::to_wstring(labels.size()) + L")");
    checks.Expect(gui.StaticTextsAt(27) == wideLabels,
                  L"a label over each long list (" + std::to_wstring(wideLabels.size()) + L")");
    checks.Expect(gui.StaticTextsAt(374) == units, L"a unit beside each input that has one (" +
                                                       std::to_wstring(units.size()) + L")");
    checks.ExpectEqual(fields, defaults, L"fields show the defaults");
    checks.Expect(gui.Field(tool.inputCount) == nullptr, L"no field beyond the inputs");
    checks.Expect(gui.Focused() == (tool.inputCount > 0 ? gui.Field(0) : Button(gui, kCompute)),
                  L"focus starts in the first field, or on the compute button");
    CheckControls(gui, tool, checks);
}

// Tab from where the focus starts (the first input, or the compute button
// of a tool without inputs) moves through the other inputs that apply, the
// result box, then the buttons in order, and round again.
void CheckTabOrder(const GuiProbe& gui, const ToolDef& tool, Checks& checks) {
    std::vector<HWND> order;
    for (int i = 0; i < tool.inputCount; ++i) {
        if (IsWindowEnabled(gui.Field(i))) {
            order.push_back(gui.Field(i));
        }
    }
    order.push_back(gui.ResultBox());
    for (int id = kCompute; id <= kAbout; ++id) {
        order.push_back(Button(gui, id));
    }
    const std::size_t start = static_cast<std::size_t>(
        std::find(order.begin(), order.end(), gui.Focused()) - order.begin());
    checks.Expect(start < order.size(), L"the focus starts on a control of the Tab order");
    std::wstring path;
    std::wstring expected;
    for (std::size_t step = 1; step <= order.size(); ++step) {
        gui.PressKey(gui.Focused(), VK_TAB);
        gui.Settle();
        const HWND focused = gui.Focused();
        const HWND wanted = order[(start + step) % order.size()];
        path += std::to_wstring(GetDlgCtrlID(focused)) + L" ";
        expected += std::to_wstring(GetDlgCtrlID(wanted)) + L" ";
    }
    checks.ExpectEqual(path, expected,
                       L"Tab moves through the inputs, the result box, then the buttons");
}

// A choice made from the keyboard is the value computed: Down (Up at the
// list's end) in the first list, then F5.
void CheckChoiceByKeyboard(GuiProbe& gui, const ToolDef& tool, const double* defaults,
                           Checks& checks) {
    for (int i = 0; i < tool.inputCount; ++i) {
        const InputField& input = tool.inputs[i];
        if (input.form != InputForm::Choice) {
            continue;
        }
        const int from = ChoiceIndexOf(input, input.defaultValue);
        const bool last = from + 1 == input.choiceCount;
        gui.PressKey(gui.Field(i), last ? VK_UP : VK_DOWN);
        gui.Settle();
        const int to = last ? from - 1 : from + 1;
        double inputs[kMaxInputs] = {};
        std::copy(defaults, defaults + kMaxInputs, inputs);
        inputs[i] = input.choices[to].value;
        gui.PressKey(gui.Field(i), VK_F5);
        gui.Settle();
        const Expected expected = ExpectedResult(tool, inputs);
        checks.ExpectEqual(
            gui.Text(gui.ResultBox()), expected.report,
            L"a choice made with the arrow keys is computed: " + WideOf(input.choices[to].name));
        gui.Select(gui.Field(i), from);
        return;
    }
}

void CheckComputeCopyAndSave(GuiProbe& gui, const ToolDef& tool, const double* defaults,
                             Checks& checks) {
    const Expected expected = ExpectedResult(tool, defaults);
    Compute(gui, tool);
    checks.Expect(gui.NoMessageBox(), L"defaults compute without a message");
    checks.ExpectEqual(gui.Text(gui.ResultBox()), expected.report, L"report of the defaults");
    checks.ExpectEqual(gui.Text(gui.VerdictLabel()), expected.verdict, L"verdict of the defaults");

    const std::wstring clipboard = WideOf(tool.title) + L"\r\n" + expected.copyText;
    gui.Click(kCopy);
    gui.Settle();
    checks.ExpectEqual(ReadClipboardTextOnceItIs(clipboard), clipboard,
                       L"clipboard holds the title and the copy text");

    const std::wstring record = RecordFilePath(tool.id);
    DeleteFileW(record.c_str());
    gui.Click(kSave);
    const MessageBoxText box = gui.TakeMessageBox();
    checks.ExpectEqual(box.caption, L"已保存", L"save reports success");
    std::string bytes;
    checks.Expect(ReadFileBytes(record, bytes), L"record file " + record + L" exists");
    static char16_t header[kRecordHeaderCapacity];
    BuildRecordHeader(tool, header, kRecordHeaderCapacity);
    static char16_t line[kRecordLineCapacity];
    BuildRecordLine(tool, defaults, reinterpret_cast<const char16_t*>(expected.report.c_str()),
                    LocalTime{2000, 1, 1, 0, 0, 0}, line, kRecordLineCapacity);
    // The moment of saving, 19 characters, is the only part not known here.
    const std::string head = "\xEF\xBB\xBF" + Utf8(WideOf(header));
    const std::string body = Utf8(WideOf(line)).substr(19);
    checks.Expect(bytes.size() == head.size() + 19 + body.size() &&
                      bytes.compare(0, head.size(), head) == 0 &&
                      bytes.compare(head.size() + 19, body.size(), body) == 0,
                  L"record holds the byte-order mark, this tool's header and the record",
                  std::to_wstring(bytes.size()) + L" bytes");
}

// Values the window refuses, with the message that says what the field
// takes; for a tool without a row here, the first typed input with a range,
// ten times beyond its top.
struct Refusal {
    int id;
    int field;
    const wchar_t* text;
    const wchar_t* message;
};
const Refusal kRefusals[] = {
    {48, 1, L"1e308", L"第 2 项“体重”应在 0.3 至 500 kg 之间。"},
    {49, 2, L"1e-300", L"第 3 项“药量”应在 0.1 至 100 mg 之间。"},
    {62, 1, L"1e-160", L"第 2 项“身高”应在 50 至 280 cm 之间。"},
    {101, 0, L"41", L"第 1 项“护士人数”应为 1 至 40 人之间的整数。"},
    {102, 0, L"0830", L"第 1 项“首剂时间”请按“时:分”填写，如 8:30（0:00 至 23:59）。"},
    {107, 0, L"1e308", L"第 1 项“首次随访”应为 0 至 3650 天后之间的整数。"},
    {110, 0, L"1e308", L"第 1 项“床号”应为 1 至 9999 床之间的整数。"},
};

void CheckRefusal(GuiProbe& gui, const ToolDef& tool, Checks& checks) {
    Refusal refusal = {tool.id, -1, nullptr, nullptr};
    std::wstring text;
    for (const Refusal& listed : kRefusals) {
        if (listed.id == tool.id) {
            refusal = listed;
            text = listed.text;
        }
    }
    for (int i = 0; refusal.field < 0 && i < tool.inputCount; ++i) {
        if (tool.inputs[i].form == InputForm::Number &&
            std::isfinite(tool.inputs[i].range.highest)) {
            refusal.field = i;
            text = FieldText(tool.inputs[i], tool.inputs[i].range.highest * 10 + 1);
        }
    }
    if (refusal.field < 0) {
        Print(L"(no typed input with a range)\n");
        return;
    }
    const InputField& input = tool.inputs[refusal.field];
    const std::wstring before = gui.Text(gui.ResultBox());
    gui.SetText(gui.Field(refusal.field), text);
    gui.PressKey(gui.Field(refusal.field), VK_RETURN);
    gui.Settle();
    const MessageBoxText box = gui.TakeMessageBox();
    const std::wstring what = L"field " + std::to_wstring(refusal.field + 1) + L" refuses " + text;
    if (refusal.message != nullptr) {
        checks.ExpectEqual(box.text, refusal.message, what);
    } else {
        const std::wstring start =
            L"第 " + std::to_wstring(refusal.field + 1) + L" 项“" + WideOf(input.label) + L"”应";
        checks.Expect(box.text.compare(0, start.size(), start) == 0, what, box.text);
    }
    checks.ExpectEqual(box.caption, L"输入有误", what + L": caption");
    checks.Expect(gui.Focused() == gui.Field(refusal.field),
                  L"refusal puts the focus on the field");
    checks.ExpectEqual(gui.Text(gui.ResultBox()), before, L"refusal keeps the result");
    gui.SetText(gui.Field(refusal.field), FieldText(input, input.defaultValue));
}

// A text of the program file's version resource (Chinese, Unicode block).
std::wstring VersionText(const std::wstring& program, const wchar_t* name) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoW(program.c_str(), 0, size, block.data())) {
        return L"(no version resource)";
    }
    wchar_t* text = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
    if (!VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length)) {
        return L"(no " + std::wstring(name) + L")";
    }
    return text;
}

void CheckResetAndAbout(GuiProbe& gui, const ToolDef& tool, const std::wstring& program,
                        Checks& checks) {
    for (int i = 0; i < tool.inputCount; ++i) {
        const InputField& input = tool.inputs[i];
        if (input.form == InputForm::Check) {
            gui.SetChecked(gui.Field(i), input.defaultValue == 0);
        } else if (input.form == InputForm::Choice) {
            gui.Select(gui.Field(i),
                       input.choiceCount - 1 - ChoiceIndexOf(input, input.defaultValue));
        } else {
            gui.SetText(gui.Field(i), L"9");
        }
    }
    gui.Click(kReset);
    gui.Settle();
    std::wstring fields;
    std::wstring defaults;
    for (int i = 0; i < tool.inputCount; ++i) {
        fields += ShownText(gui, tool, i) + L";";
        defaults += FieldText(tool.inputs[i], tool.inputs[i].defaultValue) + L";";
    }
    checks.ExpectEqual(fields, defaults, L"reset restores the defaults");
    checks.ExpectEqual(gui.Text(gui.ResultBox()), L"", L"reset empties the result");
    checks.ExpectEqual(gui.Text(gui.VerdictLabel()), kPrompt, L"reset restores the prompt");

    gui.Click(kAbout);
    const MessageBoxText box = gui.TakeMessageBox();
    checks.ExpectEqual(box.caption, L"关于本工具", L"about caption");
    checks.ExpectEqual(box.text.substr(0, box.text.find(L"\r\n\r\n本工具")),
                       WideOf(tool.title) + L"\r\n\r\n分类：" + WideOf(tool.category) +
                           L"\r\n参考依据：" + WideOf(tool.reference),
                       L"about box names the tool, its category and reference");
    // The build was given no product address: the last line is the version.
    const std::wstring version = L"\r\n版本 V" + VersionText(program, L"FileVersion");
    checks.Expect(
        box.text.size() > version.size() &&
            box.text.compare(box.text.size() - version.size(), version.size(), version) == 0,
        L"about box ends with the program's own version, no address: " + version, box.text);
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool wrote =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    return CloseHandle(file) && wrote;
}

// A record as the programs wrote it before records were quoted: the 3 x 3
// report cut to 254 units, its line breaks standing bare in the file.
std::string OldRecordFile(const ToolDef& tool) {
    std::wstring header = L"时间,工具";
    std::wstring line = L"2026-12-01 08:00:00," + WideOf(tool.title);
    double inputs[kMaxInputs] = {};
    for (int i = 0; i < tool.inputCount; ++i) {
        inputs[i] = 3;
        header += L"," + WideOf(tool.inputs[i].label);
        line += L"," + WideOf(tool.inputs[i].label) + L"=3";
    }
    return "\xEF\xBB\xBF" + Utf8(header + L",结果\r\n" + line + L"," +
                                 ExpectedResult(tool, inputs).report.substr(0, 254) + L"\r\n");
}

std::string NulEnded(const std::vector<std::wstring>& cells) {
    std::string bytes;
    for (const std::wstring& cell : cells) {
        bytes += Utf8(cell) + '\0';
    }
    return bytes;
}

// Opens the program of tool `id`; null, with a FAIL line, when it did not open.
const ToolDef* LaunchTool(GuiProbe& gui, const std::wstring& program, int id) {
    const ToolDef* tool = FindSuiteTool(id);
    if (tool == nullptr || !gui.Launch(program)) {
        std::printf("FAIL tool %d: no such tool or the window did not open\n", id);
        return nullptr;
    }
    return tool;
}

// Types `values` into the fields and computes; `inputs` receives them as numbers.
// A choice input's value is the number of the item to choose; a check box's
// is its points when ticked, else 0.
void ComputeTyped(const GuiProbe& gui, const ToolDef& tool, const std::vector<std::wstring>& values,
                  double* inputs) {
    for (int i = 0; i < tool.inputCount && i < static_cast<int>(values.size()); ++i) {
        const InputField& input = tool.inputs[i];
        if (input.form == InputForm::Check) {
            inputs[i] = _wtof(values[i].c_str());
            gui.SetChecked(gui.Field(i), inputs[i] != 0);
            continue;
        }
        if (input.form == InputForm::Choice) {
            inputs[i] = _wtof(values[i].c_str());
            gui.Select(gui.Field(i), ChoiceIndexOf(input, inputs[i]));
            continue;
        }
        gui.SetText(gui.Field(i), values[i]);
        const auto* text = reinterpret_cast<const char16_t*>(values[i].c_str());
        if (input.form != InputForm::ClockTime || !ParseClockTimeText(text, inputs[i])) {
            inputs[i] = _wtof(values[i].c_str());
        }
    }
    Compute(gui, tool);
}

// Typed values and the start of the report they must give, as a nurse reads it.
struct TypedExample {
    int id;
    std::vector<std::wstring> values;
    std::wstring reportStart;
};
const TypedExample kTypedExamples[] = {
    {102, {L"8:30", L"8", L"3"}, L"首剂时间 8:30，间隔 8 小时，共 3 次：\r\n第1天 08:30  |  "},
};

void CheckTypedExamples(const GuiProbe& gui, const ToolDef& tool, Checks& checks) {
    for (const TypedExample& example : kTypedExamples) {
        if (example.id != tool.id) {
            continue;
        }
        double inputs[kMaxInputs] = {};
        ComputeTyped(gui, tool, example.values, inputs);
        const std::wstring report = gui.Text(gui.ResultBox());
        checks.ExpectEqual(report.substr(0, example.reportStart.size()), example.reportStart,
                           L"typed " + example.values[0] + L" reads as the report shows it");
        checks.ExpectEqual(report, ExpectedResult(tool, inputs).report,
                           L"typed " + example.values[0] + L": the engine's report");
    }
}

void PrintLevel(std::int32_t level) {
    Print(L"LEVEL " + std::to_wstring(level) + L"\n");
}

// The window's client area on the screen, WxH+X+Y, for the script's pixel
// checks and screenshot without another run of the driver.
void PrintClientRect(const GuiProbe& gui) {
    RECT client;
    GetClientRect(gui.main(), &client);
    POINT origin = {0, 0};
    ClientToScreen(gui.main(), &origin);
    Print(L"CLIENT " + std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom) +
          L"+" + std::to_wstring(origin.x) + L"+" + std::to_wstring(origin.y) + L"\n");
}

}  // namespace

int RunToolScenario(const std::wstring& program, int id) {
    GuiProbe gui;
    const ToolDef* tool = LaunchTool(gui, program, id);
    if (tool == nullptr) {
        return 1;
    }
    Checks checks;
    checks.ExpectEqual(gui.Text(gui.main()), WideOf(tool->title), L"window title");
    checks.ExpectEqual(VersionText(program, L"FileDescription"), WideOf(tool->title),
                       L"the version resource names the tool");
    wchar_t name[32];
    swprintf(name, 32, L"kelomed-t%03d.exe", id);
    checks.ExpectEqual(VersionText(program, L"OriginalFilename"), name,
                       L"the version resource names the program");
    // The defaults as the window reads them from what its fields show (tool
    // 48's single-precision 0.2 shows, and reads, as 0.2).
    double defaults[kMaxInputs] = {};
    for (int i = 0; i < tool->inputCount; ++i) {
        const InputField& input = tool->inputs[i];
        const std::wstring shown = FieldText(input, input.defaultValue);
        defaults[i] = input.defaultValue;
        if (!HasChoices(input)) {
            ReadTypedInput(input, i + 1, reinterpret_cast<const char16_t*>(shown.c_str()),
                           defaults[i], nullptr, 0);
        }
    }
    CheckRows(gui, *tool, checks);
    CheckTabOrder(gui, *tool, checks);
    CheckComputeCopyAndSave(gui, *tool, defaults, checks);
    CheckRefusal(gui, *tool, checks);
    CheckChoiceByKeyboard(gui, *tool, defaults, checks);
    CheckTypedExamples(gui, *tool, checks);
    CheckResetAndAbout(gui, *tool, program, checks);

    // The defaults' result again, by the button this time, left on screen.
    gui.Click(kCompute);
    gui.Settle();
    const Expected expected = ExpectedResult(*tool, defaults);
    checks.ExpectEqual(gui.Text(gui.VerdictLabel()), expected.verdict,
                       L"the compute button computes");
    checks.Summary();
    PrintLevel(expected.level);
    PrintClientRect(gui);
    return checks.failed() == 0 ? 0 : 1;
}

// A record keeps a choice by its item's name, with its number before it
// when the name does not begin with it; what was typed, as typed.
std::wstring RecordedText(const InputField& input, const std::wstring& typed) {
    if (!HasChoices(input)) {
        return typed;
    }
    const int item = ChoiceIndexOf(input, _wtof(typed.c_str()));
    const std::wstring name = item >= 0 ? WideOf(input.choices[item].name) : L"?";
    const bool shown = input.form == InputForm::Check || name.rfind(typed + L" ", 0) == 0;
    return shown ? name : typed + L" " + name;
}

// The cells a CSV reader must find in the record of `values`, written
// beside the record file: its header, the row without its time, and the
// bytes before the new records (none).
bool WriteExpectedCells(const ToolDef& tool, const std::vector<std::wstring>& values,
                        const std::wstring& report, const std::string& old) {
    std::vector<std::wstring> header = {L"时间", L"工具"};
    std::vector<std::wstring> row = {WideOf(tool.title)};
    for (int i = 0; i < tool.inputCount; ++i) {
        header.push_back(WideOf(tool.inputs[i].label));
        row.push_back(WideOf(tool.inputs[i].label) + L"=" +
                      RecordedText(tool.inputs[i], values[i]));
    }
    header.push_back(L"结果");
    row.push_back(report);
    const std::wstring record = RecordFilePath(tool.id);
    return WriteFileBytes(record + L".old", old) &&
           WriteFileBytes(record + L".header", NulEnded(header)) &&
           WriteFileBytes(record + L".row", NulEnded(row));
}

int CheckKeyboardResult(int id, const std::vector<std::wstring>& values) {
    const ToolDef* tool = FindSuiteTool(id);
    GuiProbe gui;
    if (tool == nullptr || !gui.Attach() || static_cast<int>(values.size()) != tool->inputCount) {
        std::printf("FAIL tool %d: no window, or not one value per input\n", id);
        return 1;
    }
    double inputs[kMaxInputs] = {};
    for (int i = 0; i < tool->inputCount; ++i) {
        inputs[i] = _wtof(values[i].c_str());
    }
    const Expected expected = ExpectedResult(*tool, inputs);
    Checks checks;
    const std::wstring what = WideOf(tool->title) + L" by keyboard: ";
    checks.ExpectEventually([&gui] { return gui.Text(gui.ResultBox()); }, expected.report,
                            what + L"the report");
    checks.ExpectEventually([&gui] { return gui.Text(gui.VerdictLabel()); }, expected.verdict,
                            what + L"the verdict");
    const std::wstring clipboard = WideOf(tool->title) + L"\r\n" + expected.copyText;
    checks.ExpectEqual(ReadClipboardTextOnceItIs(clipboard), clipboard, what + L"the clipboard");
    checks.Expect(WriteExpectedCells(*tool, values, expected.report, ""),
                  what + L"the expected cells written for the CSV check");
    checks.Summary();
    return checks.failed() == 0 ? 0 : 1;
}

int CheckWholeReport(const std::wstring& program, int id, RecordCase kind,
                     const std::vector<std::wstring>& values) {
    const bool oldRecord = kind == RecordCase::AfterAnOldRecord;
    GuiProbe gui;
    const ToolDef* tool = LaunchTool(gui, program, id);
    if (tool == nullptr) {
        return 1;
    }
    Checks checks;
    double inputs[kMaxInputs] = {};
    ComputeTyped(gui, *tool, values, inputs);
    const Expected expected = ExpectedResult(*tool, inputs);
    const std::wstring what =
        WideOf(tool->title) + (kind == RecordCase::AsTyped ? L" as typed: " : L" at its longest: ");
    if (kind != RecordCase::AsTyped) {
        checks.Expect(expected.report.size() > 2000, what + L"a long report",
                      std::to_wstring(expected.report.size()) + L" units");
    }
    checks.ExpectEqual(gui.Text(gui.ResultBox()), expected.report,
                       what + L"the whole report shown");
    checks.ExpectEqual(gui.Text(gui.VerdictLabel()), expected.verdict, what + L"its verdict");
    const std::wstring clipboard = WideOf(tool->title) + L"\r\n" + expected.report;
    gui.Click(kCopy);
    gui.Settle();
    checks.ExpectEqual(ReadClipboardTextOnceItIs(clipboard), clipboard,
                       what + L"the clipboard holds the title and the whole report");

    const std::wstring record = RecordFilePath(id);
    const std::string old = oldRecord ? OldRecordFile(*tool) : "";
    DeleteFileW(record.c_str());
    if (oldRecord) {
        checks.Expect(WriteFileBytes(record, old), what + L"an old record in the file");
    }
    for (int save = 1; save <= 2; ++save) {
        gui.Click(kSave);
        checks.ExpectEqual(gui.TakeMessageBox().caption, L"已保存",
                           what + L"save " + std::to_wstring(save));
    }
    checks.Expect(WriteExpectedCells(*tool, values, expected.report, old),
                  what + L"the expected cells written for the CSV check");
    gui.Close();
    checks.Summary();
    return checks.failed() == 0 ? 0 : 1;
}

int ExpectResultInOpenWindow(int id, const std::vector<std::wstring>& values) {
    const ToolDef* tool = FindSuiteTool(id);
    GuiProbe gui;
    if (tool == nullptr || !gui.Attach()) {
        std::printf("FAIL tool %d: no window\n", id);
        return 1;
    }
    double inputs[kMaxInputs] = {};
    for (int i = 0; i < tool->inputCount && i < static_cast<int>(values.size()); ++i) {
        inputs[i] = _wtof(values[i].c_str());
    }
    Checks checks;
    checks.ExpectEventually([&gui] { return gui.Text(gui.ResultBox()); },
                            ExpectedResult(*tool, inputs).report,
                            L"the result box holds the report of the values typed");
    return checks.failed() == 0 ? 0 : 1;
}

int ComputeInOpenWindow(int id, const std::vector<std::wstring>& values) {
    const ToolDef* tool = FindSuiteTool(id);
    GuiProbe gui;
    if (tool == nullptr || !gui.Attach()) {
        std::printf("FAIL tool %d: no window\n", id);
        return 1;
    }
    double inputs[kMaxInputs] = {};
    ComputeTyped(gui, *tool, values, inputs);
    const Expected expected = ExpectedResult(*tool, inputs);
    Checks checks;
    checks.ExpectEqual(gui.Text(gui.ResultBox()), expected.report, L"report");
    checks.ExpectEqual(gui.Text(gui.VerdictLabel()), expected.verdict, L"verdict");
    PrintLevel(expected.level);
    return checks.failed() == 0 ? 0 : 1;
}

}  // namespace kelomed::e2e
