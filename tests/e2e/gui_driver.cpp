// End-to-end driver of the Windows program, run under Wine in a private X
// display. "scenarios PROGRAM" runs every scenario against a fresh window;
// the other verbs serve the shell script that types through the X server.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/decisions/window_state.h"
#include "engine/compute.h"
#include "tests/e2e/checks.h"
#include "tests/e2e/gui_probe.h"
#include "tests/e2e/home_scenario.h"
#include "tests/e2e/screen_check.h"
#include "tests/e2e/suite_scenario.h"
#include "tools/suite.h"

namespace kelomed::e2e {
namespace {

const std::wstring kTitle = L"去甲肾上腺素配置与剂量";
// The engine's report of the defaults.
std::wstring DefaultReport() {
    const double inputs[] = {0.20000000298023224, 60, 4, 50};
    static char16_t report[kReportTextCapacity];
    char16_t verdict[kVerdictTextCapacity];
    ComputeTool(ToolDefinition<48>(), inputs, CivilDate{2026, 12, 8}, report, kReportTextCapacity,
                verdict, kVerdictTextCapacity);
    return reinterpret_cast<const wchar_t*>(report);
}
const std::wstring kNormalVerdict = L"泵速计算完成，中心静脉输注";
const std::wstring kHighVerdict = L"剂量超过 1ug/kg/min，休克加重，评估联合用药";
const std::wstring kPrompt = L"填写左侧参数，点击“计算”";
const std::wstring kLabels[] = {L"目标剂量", L"体重", L"药量", L"稀释至"};

// What has the focus: "result", "field N", "button ID" or "window".
std::wstring FocusName(const GuiProbe& gui) {
    const HWND focused = gui.Focused();
    const int id = GetDlgCtrlID(focused);
    if (focused == gui.ResultBox()) {
        return L"result";
    }
    if (id >= kFieldIdBase && id < kFieldIdBase + 64) {
        return L"field " + std::to_wstring(id - kFieldIdBase);
    }
    if (id >= kCompute && id <= kAbout) {
        return L"button " + std::to_wstring(id);
    }
    return L"window";
}

int FirstVisibleLine(const GuiProbe& gui) {
    DWORD_PTR line = 0;
    SendMessageTimeoutW(gui.ResultBox(), EM_GETFIRSTVISIBLELINE, 0, 0, SMTO_ABORTIFHUNG, 3000,
                        &line);
    return static_cast<int>(line);
}

void SetFields(const GuiProbe& gui, const std::vector<std::wstring>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        gui.SetText(gui.Field(static_cast<int>(i)), values[i]);
    }
}

void ComputeWith(const GuiProbe& gui, WPARAM key, int fieldIndex) {
    gui.PressKey(gui.Field(fieldIndex), key);
    gui.Settle();
}

// The title, rows, defaults and focus of every program are the suite
// scenario's; here what it leaves out.
void StartupState(GuiProbe& gui, Checks& checks) {
    checks.ExpectEqual(gui.Text(gui.VerdictLabel()), kPrompt, L"verdict prompt at start");
    RECT client;
    GetClientRect(gui.main(), &client);
    checks.ExpectEqual(std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom),
                       L"1020x720", L"client area is the layout's 1020 x 720");
}

void NothingBeforeCompute(GuiProbe& gui, Checks& checks) {
    gui.Click(kCopy);
    MessageBoxText box = gui.TakeMessageBox();
    checks.ExpectEqual(box.text, L"请先点击“计算”生成结果。", L"copy before compute refused");
    checks.ExpectEqual(box.caption, L"提示", L"copy refusal caption");

    const std::wstring record = RecordFilePath(48);
    gui.Click(kSave);
    box = gui.TakeMessageBox();
    checks.ExpectEqual(box.text, L"请先点击“计算”生成结果，再保存记录。",
                       L"save before compute refused");
    checks.ExpectEqual(box.caption, L"提示", L"save refusal caption");
    checks.Expect(GetFileAttributesW(record.c_str()) == INVALID_FILE_ATTRIBUTES,
                  L"save before compute creates no file");
}

void ComputeByKeys(GuiProbe& gui, Checks& checks) {
    ComputeWith(gui, VK_F5, 0);
    checks.Expect(gui.NoMessageBox(), L"defaults compute without a message");
    checks.ExpectEqual(gui.Text(gui.ResultBox()), DefaultReport(), L"F5 computes the defaults");
    checks.ExpectEqual(gui.Text(gui.VerdictLabel()), kNormalVerdict, L"normal verdict");
    checks.Expect(gui.Focused() == gui.Field(0), L"the focus stays in the field that computed");

    // F5 with the focus on the main window itself computes too.
    gui.SetText(gui.Field(0), L"1.5");
    gui.PressKey(gui.main(), VK_F5);
    gui.Settle();
    checks.ExpectEqual(gui.Text(gui.VerdictLabel()), kHighVerdict,
                       L"F5 on the main window computes: dose 1.5 gives the level-3 verdict");

    // Enter on a focused button presses that button: the copy button copies.
    gui.PressKey(GetDlgItem(gui.main(), kCopy), VK_RETURN);
    gui.Settle();
    checks.Expect(gui.NoMessageBox(), L"Enter on the copy button shows no box");
    const std::wstring clipboard =
        kTitle + L"\r\n" + L"浓度：80.0 ug/ml\r\n泵速：67.50 ml/h\r\n每小时药量：5400 ug/h\r\n—— " +
        kHighVerdict;
    checks.ExpectEqual(ReadClipboardTextOnceItIs(clipboard), clipboard,
                       L"Enter on the copy button puts title, report and verdict on the clipboard");

    // Esc neither clears nor closes.
    gui.PressKey(gui.ResultBox(), VK_ESCAPE);
    gui.PressKey(gui.Field(0), VK_ESCAPE);
    gui.Settle();
    checks.Expect(IsWindow(gui.main()) && gui.NoMessageBox(), L"Esc closes nothing");
    checks.ExpectEqual(gui.Text(gui.VerdictLabel()), kHighVerdict, L"Esc clears nothing");
}

void RefusedInputs(GuiProbe& gui, Checks& checks) {
    SetFields(gui, {L"0.2", L"60", L"4", L"50"});
    ComputeWith(gui, VK_F5, 0);
    const std::wstring previous = gui.Text(gui.ResultBox());
    for (const wchar_t* bad : {L"inf", L"nan", L"1e999", L"abc", L"12abc", L"1,5"}) {
        gui.SetText(gui.Field(2), bad);
        ComputeWith(gui, VK_RETURN, 2);
        const MessageBoxText box = gui.TakeMessageBox();
        const std::wstring what = std::wstring(L"\"") + bad + L"\" ";
        checks.ExpectEqual(box.text, L"第 3 项“药量”请输入数字。", what + L"refused for field 3");
        checks.ExpectEqual(box.caption, L"输入有误", what + L"caption");
        checks.ExpectEqual(gui.Text(gui.ResultBox()), previous, what + L"keeps the result");
        checks.Expect(gui.Focused() == gui.Field(2), what + L"puts the focus on the field");
    }
    gui.SetText(gui.Field(2), L"4");

    // Every input of tool 48 has its range; an empty field reads 0.
    const std::wstring ranges[] = {L"0.01 至 5 ug/kg/min", L"0.3 至 500 kg", L"0.1 至 100 mg",
                                   L"1 至 1000 ml"};
    for (int field = 0; field < 4; ++field) {
        const std::wstring defaults[] = {L"0.2", L"60", L"4", L"50"};
        for (const wchar_t* bad : {L"-0.2", L"0", L"", L"1e308"}) {
            gui.SetText(gui.Field(field), bad);
            ComputeWith(gui, VK_F5, field);
            const MessageBoxText box = gui.TakeMessageBox();
            const std::wstring position = std::to_wstring(field + 1);
            const std::wstring what = L"\"" + std::wstring(bad) + L"\" in field " + position + L" ";
            checks.ExpectEqual(box.text,
                               L"第 " + position + L" 项“" + kLabels[field] + L"”应在 " +
                                   ranges[field] + L" 之间。",
                               what + L"refused");
            checks.ExpectEqual(box.caption, L"输入有误", what + L"caption");
            checks.ExpectEqual(gui.Text(gui.ResultBox()), previous, what + L"keeps the result");
            checks.Expect(gui.Focused() == gui.Field(field), what + L"puts the focus on the field");
        }
        gui.SetText(gui.Field(field), defaults[field]);
    }

    gui.SetText(gui.Field(0), L"０.５");
    ComputeWith(gui, VK_F5, 0);
    checks.Expect(gui.NoMessageBox(), L"full-width number accepted");
    checks.ExpectEqual(gui.Text(gui.ResultBox()),
                       L"浓度：80.0 ug/ml\r\n泵速：22.50 ml/h\r\n每小时药量：1800 ug/h\r\n",
                       L"full-width 0.5 computes as 0.5");
    gui.SetText(gui.Field(0), L"0.2");
}

void SaveRecords(GuiProbe& gui, Checks& checks) {
    const std::wstring record = RecordFilePath(48);
    DeleteFileW(record.c_str());
    SetFields(gui, {L"0.2", L"60", L"4", L"50"});
    ComputeWith(gui, VK_F5, 0);
    for (int save = 1; save <= 2; ++save) {
        gui.Click(kSave);
        const MessageBoxText box = gui.TakeMessageBox();
        checks.ExpectEqual(box.caption, L"已保存", L"save " + std::to_wstring(save) + L" saved");
        checks.ExpectEqual(box.text, L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。",
                           L"saved message");
    }
    std::string bytes;
    checks.Expect(ReadFileBytes(record, bytes), L"record file exists");
    const std::string header =
        "\xEF\xBB\xBF" + Utf8(L"时间,工具,目标剂量,体重,药量,稀释至,结果\r\n");
    const std::string body =
        Utf8(L",去甲肾上腺素配置与剂量,目标剂量=0.2,体重=60,药量=4,稀释至=50,\"") +
        Utf8(DefaultReport()) + "\"\r\n";
    const std::size_t recordSize = 19 + body.size();
    bool layout = bytes.size() == header.size() + 2 * recordSize &&
                  bytes.compare(0, header.size(), header) == 0;
    for (int i = 0; layout && i < 2; ++i) {
        const std::size_t at = header.size() + i * recordSize;
        layout = bytes[at + 4] == '-' && bytes[at + 10] == ' ' && bytes[at + 13] == ':' &&
                 bytes.compare(at + 19, body.size(), body) == 0;
    }
    checks.Expect(layout, L"two saves: one BOM and header, two records",
                  std::to_wstring(bytes.size()) + L" bytes");

    // A program holding the file without sharing makes the save fail, visibly.
    HANDLE held = CreateFileW(record.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    checks.Expect(held != INVALID_HANDLE_VALUE, L"driver holds the record file");
    gui.Click(kSave);
    const MessageBoxText box = gui.TakeMessageBox();
    checks.ExpectEqual(box.caption, L"保存失败", L"locked file: failure box");
    checks.Expect(box.text.find(record) != std::wstring::npos, L"failure box names the file",
                  box.text);
    CloseHandle(held);
    std::string after;
    ReadFileBytes(record, after);
    checks.Expect(after == bytes, L"locked file left unchanged");
}

// The About box is checked for every program by the suite scenario.
void Reset(GuiProbe& gui, Checks& checks) {
    SetFields(gui, {L"9", L"9", L"9", L"9"});
    gui.Click(kReset);
    gui.Settle();
    checks.ExpectEqual(gui.Text(gui.Field(0)) + L"," + gui.Text(gui.Field(3)), L"0.2,50",
                       L"reset restores the defaults");
    checks.ExpectEqual(gui.Text(gui.ResultBox()), L"", L"reset empties the result");
    checks.ExpectEqual(gui.Text(gui.VerdictLabel()), kPrompt, L"reset restores the prompt");
    gui.Click(kCopy);
    checks.ExpectEqual(gui.TakeMessageBox().text, L"请先点击“计算”生成结果。",
                       L"copy after reset refused");
}

int RunScenarios(const std::wstring& program) {
    Checks checks;
    GuiProbe gui;
    if (!gui.Launch(program)) {
        std::printf("FAIL the window did not open\ngui: 0 passed, 1 failed\n");
        return 1;
    }
    DeleteFileW(RecordFilePath(48).c_str());
    StartupState(gui, checks);
    NothingBeforeCompute(gui, checks);
    ComputeByKeys(gui, checks);
    RefusedInputs(gui, checks);
    SaveRecords(gui, checks);
    Reset(gui, checks);
    gui.Close();
    checks.Summary();
    return checks.failed() == 0 ? 0 : 1;
}

// Launches PROGRAM `runs` times and measures, each time, the milliseconds
// from process creation until its window of `windowClass` exists and the
// program waits for input; prints the median and the fastest run.
int MeasureStartup(const std::wstring& program, const std::wstring& windowClass, int runs) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> milliseconds;
    for (int run = 0; run < runs; ++run) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring commandLine = L"\"" + program + L"\"";
        LARGE_INTEGER begin;
        QueryPerformanceCounter(&begin);
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            return 1;
        }
        HWND window = nullptr;
        for (int waited = 0; waited < 20000 && window == nullptr; ++waited) {
            window = FindWindowW(windowClass.c_str(), nullptr);
            if (window == nullptr) {
                Sleep(1);
            }
        }
        WaitForInputIdle(process.hProcess, 10000);
        LARGE_INTEGER end;
        QueryPerformanceCounter(&end);
        if (window == nullptr) {
            return 1;
        }
        milliseconds.push_back(1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
                               static_cast<double>(frequency.QuadPart));
        PostMessageW(window, WM_CLOSE, 0, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("%.1f %.1f\n", milliseconds[milliseconds.size() / 2], milliseconds.front());
    return 0;
}

// Runs a command line of `argc` arguments (joined by spaces, one holding a
// space in quotes) and prints its
// whole 32-bit exit code, which a Linux shell would see cut to 8 bits
// (1603 as 67). Returns 0 when the command ran.
int PrintExitCode(int argc, wchar_t** argv) {
    std::wstring commandLine;
    for (int i = 0; i < argc; ++i) {
        const std::wstring argument = argv[i];
        const bool quoted = argument.find(L' ') != std::wstring::npos;
        commandLine += (i > 0 ? L" " : L"") + (quoted ? L"\"" + argument + L"\"" : argument);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // A start that fails ran nothing: under load Wine has been seen to fail
    // one, so it is said with its error and tried once more.
    bool started = false;
    for (int attempt = 0; attempt < 2 && !started; ++attempt) {
        started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &process) != FALSE;
        if (!started) {
            std::fprintf(stderr, "NOTE %ls did not start (error %lu)\n", commandLine.c_str(),
                         static_cast<unsigned long>(GetLastError()));
        }
    }
    if (!started) {
        std::printf("not started\n");
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    std::printf("%lu\n", static_cast<unsigned long>(code));
    return 0;
}

}  // namespace
}  // namespace kelomed::e2e

int wmain(int argc, wchar_t** argv) {
    using namespace kelomed::e2e;
    const std::wstring verb = argc > 1 ? argv[1] : L"";
    if (verb == L"scenarios" && argc > 2) {
        return RunScenarios(argv[2]);
    }
    if (verb == L"tool" && argc > 3) {
        return RunToolScenario(argv[2], _wtoi(argv[3]));
    }
    if (verb == L"whole-report" && argc > 4) {
        const std::wstring kind = argv[4];
        return CheckWholeReport(argv[2], _wtoi(argv[3]),
                                kind == L"old-record" ? RecordCase::AfterAnOldRecord
                                : kind == L"typed"    ? RecordCase::AsTyped
                                                      : RecordCase::IntoANewFile,
                                std::vector<std::wstring>(argv + 5, argv + argc));
    }
    if (verb == L"compute" && argc > 2) {
        return ComputeInOpenWindow(_wtoi(argv[2]),
                                   std::vector<std::wstring>(argv + 3, argv + argc));
    }
    if (verb == L"screen" && argc > 3) {
        return CheckScreen(argv[2], _wtoi(argv[3]));
    }
    if (verb == L"manifest" && argc > 2) {
        return CheckManifest(argv[2]);
    }
    if (verb == L"startup-time" && argc > 4) {
        return MeasureStartup(argv[2], argv[3], _wtoi(argv[4]));
    }
    if (verb == L"exit-code" && argc > 2) {
        return PrintExitCode(argc - 2, argv + 2);
    }
    if (verb.rfind(L"home-", 0) == 0) {
        const int result = RunHomeVerb(verb, std::vector<std::wstring>(argv + 2, argv + argc));
        if (result >= 0) {
            return result;
        }
    }
    GuiProbe gui;
    if (verb == L"save" && argc > 2) {
        // Computes the defaults and saves them, as a nurse would: the record
        // of an installed program, for the installer's test.
        if (!gui.Launch(argv[2])) {
            std::printf("FAIL the window did not open\n");
            return 1;
        }
        gui.Click(kCompute);
        gui.Settle();
        gui.Click(kSave);
        const MessageBoxText box = gui.TakeMessageBox();
        gui.Close();
        Print(std::wstring(box.caption == L"已保存" ? L"PASS" : L"FAIL") + L" saved a record: [" +
              box.caption + L"] " + box.text + L"\n");
        return box.caption == L"已保存" ? 0 : 1;
    }
    if (verb == L"launch" && argc > 2) {
        // Opens the window and leaves it to the keyboard.
        return gui.Launch(argv[2]) ? 0 : 1;
    }
    if (verb == L"open" && argc > 2) {
        // Opens the window and computes the defaults, for a screenshot.
        if (!gui.Launch(argv[2])) {
            return 1;
        }
        gui.PressKey(gui.Field(0), VK_F5);
        gui.Settle();
        return gui.Text(gui.ResultBox()) == DefaultReport() ? 0 : 1;
    }
    if (verb == L"forget-record" && argc > 2) {
        // Needs no window: a record file of an earlier run goes.
        DeleteFileW(RecordFilePath(_wtoi(argv[2])).c_str());
        return 0;
    }
    if (!gui.Attach()) {
        std::printf("no window\n");
        return 1;
    }
    if (verb == L"set-field" && argc > 2) {
        gui.SetText(gui.Field(_wtoi(argv[2])), argc > 3 ? argv[3] : L"");
        return 0;
    }
    if (verb == L"field-point" && argc > 2) {
        const POINT centre = gui.FieldCentre(_wtoi(argv[2]));
        std::printf("%ld %ld\n", centre.x, centre.y);
        return 0;
    }
    if (verb == L"client-rect") {
        RECT client;
        GetClientRect(gui.main(), &client);
        POINT origin = {0, 0};
        ClientToScreen(gui.main(), &origin);
        std::printf("%ldx%ld+%ld+%ld\n", client.right, client.bottom, origin.x, origin.y);
        return 0;
    }
    if (verb == L"button-rect" && argc > 2) {
        // A button's box in client coordinates, for the focus-cue check.
        RECT box;
        HWND button = GetDlgItem(gui.main(), _wtoi(argv[2]));
        GetWindowRect(button, &box);
        MapWindowPoints(nullptr, gui.main(), reinterpret_cast<POINT*>(&box), 2);
        std::printf("%ld %ld %ld %ld %d\n", box.left, box.top, box.right - box.left,
                    box.bottom - box.top, gui.Focused() == button ? 1 : 0);
        return 0;
    }
    if (verb == L"expect-high-dose") {
        const auto shown = [&gui] {
            return gui.Text(gui.VerdictLabel()) + L"|" + gui.Text(gui.ResultBox());
        };
        const std::wstring seen = WaitFor(shown, [](const std::wstring& text) {
            return text.rfind(kHighVerdict + L"|", 0) == 0 &&
                   text.find(L"泵速：67.50 ml/h") != std::wstring::npos;
        });
        const bool ok = seen.rfind(kHighVerdict + L"|", 0) == 0;
        Print(std::wstring(ok ? L"PASS" : L"FAIL") + L" typed keys: verdict and report [" + seen +
              L"]\n");
        return ok ? 0 : 1;
    }
    if (verb == L"close") {
        gui.Close();
        return 0;
    }
    if (verb == L"expect-focus" && argc > 2) {
        // Waits until the focus is on "result", "field N", "button ID" or
        // "window".
        const std::wstring want = argv[2];
        const std::wstring seen =
            WaitFor([&gui] { return FocusName(gui); },
                    [&want](const std::wstring& name) { return name == want; });
        Print(std::wstring(seen == want ? L"PASS " : L"FAIL ") + (argc > 3 ? argv[3] : L"") +
              L": the focus is on " + seen + L"\n");
        return seen == want ? 0 : 1;
    }
    if (verb == L"first-line") {
        std::printf("%d\n", FirstVisibleLine(gui));
        return 0;
    }
    if (verb == L"expect-scrolled-past" && argc > 2) {
        // Waits until the result box shows a first line after line N.
        const int before = _wtoi(argv[2]);
        const int after = WaitFor([&gui] { return FirstVisibleLine(gui); },
                                  [before](int line) { return line > before; });
        Print(std::wstring(after > before ? L"PASS" : L"FAIL") +
              L" Page Down scrolls the result box (line " + std::to_wstring(before) + L" to " +
              std::to_wstring(after) + L")\n");
        return after > before ? 0 : 1;
    }
    if (verb == L"expect-box" && argc > 2) {
        // Waits for a message box with this caption and leaves it open.
        const std::wstring want = argv[2];
        const std::wstring seen =
            WaitFor([&gui] { return gui.NoMessageBox() ? std::wstring() : gui.OpenBoxCaption(); },
                    [&want](const std::wstring& caption) { return caption == want; });
        Print(std::wstring(seen == want ? L"PASS" : L"FAIL") + L" a message box [" + seen +
              L"] opens, [" + want + L"] expected\n");
        return seen == want ? 0 : 1;
    }
    if (verb == L"expect-no-box") {
        const bool closed =
            WaitFor([&gui] { return gui.NoMessageBox(); }, [](bool none) { return none; });
        Print(std::wstring(closed ? L"PASS" : L"FAIL") + L" the message box closes\n");
        return closed ? 0 : 1;
    }
    if (verb == L"clear-result") {
        gui.SetText(gui.ResultBox(), L"");
        return 0;
    }
    if (verb == L"set-clipboard" && argc > 2) {
        return PutClipboardText(argv[2]) ? 0 : 1;
    }
    if (verb == L"clipboard-holds" && argc > 2) {
        // "result": the result box's text; "copy": the title, CR LF and it.
        wchar_t title[256] = {};
        GetWindowTextW(gui.main(), title, 256);
        const std::wstring report = gui.Text(gui.ResultBox());
        const std::wstring expected =
            std::wstring(argv[2]) == L"copy" ? std::wstring(title) + L"\r\n" + report : report;
        const bool ok = report.size() > 100 && ReadClipboardTextOnceItIs(expected) == expected;
        Print(std::wstring(ok ? L"PASS" : L"FAIL") + L" the clipboard holds the " + argv[2] +
              L" text (" + std::to_wstring(expected.size()) + L" units)\n");
        return ok ? 0 : 1;
    }
    if (verb == L"keyboard-result" && argc > 2) {
        return CheckKeyboardResult(_wtoi(argv[2]),
                                   std::vector<std::wstring>(argv + 3, argv + argc));
    }
    if (verb == L"focus-shown" && argc > 2) {
        // Waits until the focus is on field N and it lies within the input
        // panel's visible part.
        const HWND field = gui.Field(_wtoi(argv[2]));
        RECT box = {};
        RECT area = {};
        auto shown = [&] {
            const HWND panel = GetParent(field);
            GetWindowRect(field, &box);
            MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&box), 2);
            GetClientRect(panel, &area);
            return gui.Focused() == field && GetDlgCtrlID(panel) == kInputPanelId && box.top >= 0 &&
                   box.bottom <= area.bottom;
        };
        const bool ok = WaitFor(shown, [](bool done) { return done; });
        Print(std::wstring(ok ? L"PASS" : L"FAIL") + L" field " + argv[2] +
              L" has the focus and the panel scrolled to it (its top " + std::to_wstring(box.top) +
              L", the panel's height " + std::to_wstring(area.bottom) + L")\n");
        return ok ? 0 : 1;
    }
    if (verb == L"expect-result" && argc > 2) {
        return ExpectResultInOpenWindow(_wtoi(argv[2]),
                                        std::vector<std::wstring>(argv + 3, argv + argc));
    }
    std::printf(
        "usage: gui_driver scenarios|open|save PROGRAM | tool PROGRAM ID | compute ID [VALUE...] | "
        "whole-report PROGRAM ID old-record|new-file|typed VALUE... | "
        "set-field N [TEXT] | field-point N | launch PROGRAM | expect-focus WHAT [WHY] | "
        "first-line | expect-scrolled-past LINE | "
        "clear-result | set-clipboard TEXT | clipboard-holds result|copy | "
        "expect-result ID [VALUE...] | keyboard-result ID VALUE... | forget-record ID | "
        "focus-shown N | "
        "client-rect | button-rect ID | expect-high-dose | close | "
        "screen PROGRAM DPI | manifest PROGRAM | "
        "startup-time PROGRAM CLASS RUNS | exit-code COMMAND [ARGUMENT...] | "
        "home-list HOME | home-found QUERY | home-search TEXT|- [NNN...] | home-opened ID "
        "new|again | home-search-point | "
        "home-row-point ROW | "
        "home-recent HOME ID | home-missing HOME | home-focused | home-close | expect-box CAPTION "
        "| "
        "expect-no-box\n");
    return 2;
}
