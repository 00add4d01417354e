#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "app/decisions/commands.h"
#include "app/decisions/input_text.h"
#include "app/decisions/record_command.h"
#include "app/decisions/window_keys.h"
#include "app/decisions/window_placement.h"
#include "app/tool_program/gui_windows.h"
#include "app/win32/dpi_windows.h"
#include "engine/format_text.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// "参考依据：" and the longest reference a tool has.
constexpr int kReferenceCapacity = kLongestReference + 6;
constexpr int kFieldValueCapacity = 64;

// The one window's state and handles: the window procedure is the only
// dispatch point, so they live here.
WindowState state;
GuiHandles gui;
WNDPROC resultBoxProcedure = nullptr;

struct ButtonSpec {
    int id;
    const wchar_t* caption;
};

constexpr ButtonSpec kButtons[kButtonCount] = {
    {kComputeCommand, L"计算 (F5)"}, {kSaveCommand, L"保存记录"}, {kCopyCommand, L"复制结果"},
    {kResetCommand, L"清空重填"},    {kAboutCommand, L"关于"},
};

// What the title bar and borders add to the client area at `dpi`.
SIZE FrameAt(int dpi) {
    return WindowFrameAt(dpi, kWindowStyle);
}

void CreateFonts() {
    for (int i = 0; i < kFontCount; ++i) {
        HFONT previous = gui.fonts[i];
        gui.fonts[i] = CreateSuiteFont(gui.layout.fontHeights[i], kFontSpecs[i].weight,
                                       Wide(kFontSpecs[i].face));
        if (previous != nullptr) {
            DeleteObject(previous);
        }
    }
}

HWND CreateControl(HWND parent, const wchar_t* className, const char16_t* text, DWORD style,
                   DWORD extendedStyle, int id) {
    return CreateWindowExW(extendedStyle, className, Wide(text), WS_CHILD | WS_VISIBLE | style, 0,
                           0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           gui.instance, nullptr);
}

void Place(HWND control, const Box& box, GuiFont font, int scroll = 0) {
    if (control == nullptr) {
        return;
    }
    SetWindowPos(control, nullptr, box.left, box.top - scroll, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (font != kFontCount) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(gui.fonts[font]), TRUE);
    }
}

// A read-only result box that takes its turn in the Tab order: Tab and
// Shift+Tab leave it again (a multi-line edit would keep them), tabbing in
// leaves it where the nurse was reading (a dialog would select it all and
// show its end), and Esc never reaches it (it would close the window).
LRESULT CALLBACK ResultBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        const LRESULT code = CallWindowProcW(resultBoxProcedure, box, message, wParam, lParam);
        return code & ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL);
    }
    if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) {
        return 0;
    }
    return CallWindowProcW(resultBoxProcedure, box, message, wParam, lParam);
}

// Each input's controls in the panel, each a tab stop: a label and a field
// with its unit, a list of the input's choice names with its default
// chosen, or a check box.
void CreateInputControls() {
    const ToolDef& tool = *state.tool;
    for (int j = 0; j < BoundedInputCount(tool); ++j) {
        const InputField& input = tool.inputs[j];
        const int id = kFieldIdBase + j;
        const RowKind kind = gui.layout.rows[j].kind;
        if (kind != RowKind::Check) {
            gui.labels[j] = CreateControl(gui.panel, L"STATIC", input.label,
                                          kind == RowKind::WideChoice ? SS_LEFT : SS_RIGHT, 0, 0);
        }
        if (kind == RowKind::Check) {
            gui.fields[j] = CreateControl(gui.panel, L"BUTTON", input.label,
                                          BS_AUTOCHECKBOX | BS_NOTIFY | WS_TABSTOP, 0, id);
            SendMessageW(gui.fields[j], BM_SETCHECK,
                         ChoiceIndexOf(input, input.defaultValue) == 1 ? BST_CHECKED : 0, 0);
        } else if (kind == RowKind::Choice || kind == RowKind::WideChoice) {
            gui.fields[j] = CreateControl(gui.panel, L"COMBOBOX", u"",
                                          CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, id);
            for (int i = 0; i < input.choiceCount; ++i) {
                SendMessageW(gui.fields[j], CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(Wide(input.choices[i].name)));
            }
            SendMessageW(gui.fields[j], CB_SETCURSEL, ChoiceIndexOf(input, input.defaultValue), 0);
        } else {
            char16_t value[kFieldValueCapacity];
            FormatInputValue(input, input.defaultValue, value, kFieldValueCapacity);
            gui.fields[j] = CreateControl(gui.panel, L"EDIT", value, ES_AUTOHSCROLL | WS_TABSTOP,
                                          WS_EX_CLIENTEDGE, id);
            if (HasText(input.unit)) {
                gui.units[j] = CreateControl(gui.panel, L"STATIC", input.unit, 0, 0, 0);
            }
        }
    }
}

// Every control at its box of the current layout, in its font.
void ApplyLayout() {
    const WindowLayout& layout = gui.layout;
    Place(gui.panel, layout.inputPanel, kFontCount);
    for (int j = 0; j < layout.rowCount; ++j) {
        const InputRowLayout& row = layout.rows[j];
        Place(gui.labels[j], row.label, kLabelFont, gui.panelScroll);
        Place(gui.units[j], row.unit, kSmallFont, gui.panelScroll);
        Box control = row.control;
        if (row.kind == RowKind::Choice || row.kind == RowKind::WideChoice) {
            control.height = row.droppedHeight;
        }
        Place(gui.fields[j], control, row.kind == RowKind::Check ? kLabelFont : kFieldFont,
              gui.panelScroll);
    }
    Place(gui.verdict, layout.verdict, kVerdictFont);
    Place(gui.result, layout.result, kResultFont);
    Place(gui.note, layout.note, kSmallFont);
    Place(gui.reference, layout.reference, kSmallFont);
    for (int i = 0; i < kButtonCount; ++i) {
        Place(gui.buttons[i], layout.buttons[i], kFontCount);
    }
    UpdateInputPanelScroll(gui);
}

void CreateControls() {
    const ToolDef& tool = *state.tool;
    CreateInputPanel(gui);
    CreateInputControls();
    gui.verdict = CreateControl(gui.main, L"STATIC", u"填写左侧参数，点击“计算”", 0, 0, 0);
    gui.result =
        CreateControl(gui.main, L"EDIT", u"",
                      WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_TABSTOP,
                      WS_EX_CLIENTEDGE, kResultBoxId);
    resultBoxProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        gui.result, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ResultBoxProcedure)));
    gui.note = CreateControl(gui.main, L"STATIC", HasText(tool.note) ? tool.note : u"", 0, 0, 0);
    char16_t reference[kReferenceCapacity];
    FormatText(reference, kReferenceCapacity, u"参考依据：%ls", tool.reference);
    gui.reference = CreateControl(gui.main, L"STATIC", reference, 0, 0, 0);
    for (int i = 0; i < kButtonCount; ++i) {
        gui.buttons[i] = CreateControl(gui.main, L"BUTTON",
                                       reinterpret_cast<const char16_t*>(kButtons[i].caption),
                                       BS_OWNERDRAW | WS_TABSTOP, 0, kButtons[i].id);
    }
    ApplyLayout();
    Win32View view(gui);
    UpdateApplicableInputs(state, view);
}

// Lays the window out again at `scale`: fonts, controls and painting.
void LayOutAgain(double scale) {
    gui.layout = LayOutWindow(*state.tool, scale);
    gui.panelScroll = 0;
    CreateFonts();
    ApplyLayout();
    InvalidateRect(gui.main, nullptr, TRUE);
}

LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PaintMainWindow(gui, state, dc);
    EndPaint(window, &paint);
    return 0;
}

bool IsInputControl(HWND control) {
    for (HWND field : gui.fields) {
        if (field != nullptr && field == control) {
            return true;
        }
    }
    return false;
}

LRESULT OnControlColourStatic(HDC dc, HWND control) {
    SetBkMode(dc, TRANSPARENT);
    if (control == gui.verdict) {
        SetTextColor(dc, VerdictColour(state.level));
    } else if (control == gui.result || control == gui.note || IsInputControl(control)) {
        SetTextColor(dc, kDarkText);
    } else {
        SetTextColor(dc, kQuietText);
    }
    return reinterpret_cast<LRESULT>(gui.whiteBrush);
}

LRESULT OnControlColourEdit(HDC dc) {
    SetTextColor(dc, kDarkText);
    SetBkColor(dc, kWhite);
    return reinterpret_cast<LRESULT>(gui.whiteBrush);
}

void Compute() {
    Win32View view(gui);
    RunComputeCommand(state, view, DateOf(ReadLocalTime()));
}

LRESULT OnCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (id >= kFieldIdBase && id < kFieldIdBase + kMaxInputs) {
        // A choice or a check box changed: the inputs that depend on it
        // follow.
        if (HIWORD(wParam) == CBN_SELCHANGE || HIWORD(wParam) == BN_CLICKED) {
            Win32View view(gui);
            UpdateApplicableInputs(state, view);
        }
        return 0;
    }
    Win32View view(gui);
    switch (id) {
        case kComputeCommand:
            Compute();
            return 0;
        case kSaveCommand:
            RunSaveCommand(state, view);
            return 0;
        case kCopyCommand:
            RunCopyCommand(state, view);
            return 0;
        case kResetCommand:
            RunResetCommand(state, view);
            return 0;
        case kAboutCommand:
            RunAboutCommand(state, view);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    gui.dpi = HIWORD(wParam);
    gui.outerSize = {suggested->right - suggested->left, suggested->bottom - suggested->top};
    LayOutAgain(FollowDpiChange(window, lParam, kLayoutWidth, kLayoutHeight));
    return 0;
}

LRESULT LayoutAnswer(WPARAM query) {
    return query < kFontCount ? gui.layout.fontHeights[query]
                              : static_cast<LRESULT>(gui.layout.scale * 1000 + 0.5);
}

// Back to the window, the focus goes back where it was, as in a dialog.
LRESULT OnActivate(HWND window, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused != nullptr && IsChild(window, focused)) {
            gui.lastFocus = focused;
        }
        return DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);
    }
    if (gui.lastFocus != nullptr && IsWindow(gui.lastFocus)) {
        SetFocus(gui.lastFocus);
        return 0;
    }
    return DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT answer = 0;
    if (AnswerTestMessage(message, wParam, LayoutAnswer, answer)) {
        return answer;
    }
    switch (message) {
        case WM_CREATE:
            gui.main = window;
            CreateControls();
            return 0;
        case WM_PAINT:
            return OnPaint(window);
        case WM_ERASEBKGND:
            return 1;  // the painting covers the whole client area
        case WM_GETMINMAXINFO: {
            // Tracking limits equal to the outer size: the window cannot be
            // resized, and the client area stays the layout's own.
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            if (gui.outerSize.cx > 0) {
                limits->ptMinTrackSize = {gui.outerSize.cx, gui.outerSize.cy};
                limits->ptMaxTrackSize = {gui.outerSize.cx, gui.outerSize.cy};
            }
            return 0;
        }
        case WM_DPICHANGED:
            return OnDpiChanged(window, wParam, lParam);
        case WM_ACTIVATE:
            return OnActivate(window, wParam, lParam);
        case WM_DRAWITEM:
            DrawButton(gui, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 1;
        case WM_CTLCOLOREDIT:
            return OnControlColourEdit(reinterpret_cast<HDC>(wParam));
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColourStatic(reinterpret_cast<HDC>(wParam),
                                         reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            return OnCommand(window, message, wParam, lParam);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

FocusedControl FocusedKind(HWND control) {
    if (control == gui.main) {
        return FocusedControl::Window;
    }
    if (control == nullptr || !IsChild(gui.main, control)) {
        return FocusedControl::Elsewhere;
    }
    if (control == gui.result) {
        return FocusedControl::ResultBox;
    }
    for (HWND button : gui.buttons) {
        if (button == control) {
            return FocusedControl::Button;
        }
    }
    if (SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0) != 0 && IsInputControl(control)) {
        return FocusedControl::OpenList;
    }
    return FocusedControl::Input;
}

// Carries out what a key means in the window; false when it goes on to the
// control and the dialog navigation.
bool HandleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    const bool controlHeld = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    switch (DecideKey(static_cast<int>(message.wParam), controlHeld, FocusedKind(message.hwnd))) {
        case KeyAction::Compute:
            Compute();
            return true;
        case KeyAction::PressButton:
            SendMessageW(gui.main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(message.hwnd), BN_CLICKED),
                         reinterpret_cast<LPARAM>(message.hwnd));
            return true;
        case KeyAction::SelectAll:
            SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
            return true;
        case KeyAction::Swallow:
            return true;
        case KeyAction::PassOn:
        default:
            return false;
    }
}

// Where the window opens: scaled for the monitor under the mouse pointer and
// centred in its work area.
WindowPlacement ChoosePlacement() {
    const OpeningMonitor monitor = MonitorUnderPointer();
    gui.dpi = monitor.dpi;
    const SIZE frame = FrameAt(gui.dpi);
    return PlaceWindow(gui.dpi, monitor.work, frame.cx, frame.cy);
}

}  // namespace

int RunGui(HINSTANCE instance, const ToolDef& tool) {
    gui.instance = instance;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    InitializeWindowState(state, tool);
    WindowPlacement placement = ChoosePlacement();
    gui.layout = LayOutWindow(tool, placement.scale);
    CreateFonts();
    gui.whiteBrush = CreateSolidBrush(kWhite);
    gui.backgroundBrush = CreateSolidBrush(kBackground);

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = gui.backgroundBrush;
    windowClass.lpszClassName = ToolWindowClass();
    RegisterClassW(&windowClass);
    RegisterInputPanelClass(instance);

    gui.outerSize = {placement.width, placement.height};
    HWND window = CreateWindowExW(0, ToolWindowClass(), Wide(tool.title), kWindowStyle,
                                  placement.left, placement.top, placement.width, placement.height,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    // The window's own DPI and frame, once it exists, decide; a window that
    // Windows placed on another monitor, or framed otherwise, is placed again.
    RECT outer;
    RECT client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    if (client.right != placement.clientWidth || client.bottom != placement.clientHeight) {
        const int frameWidth = (outer.right - outer.left) - client.right;
        const int frameHeight = (outer.bottom - outer.top) - client.bottom;
        const int scaleWas = static_cast<int>(placement.scale * 1000);
        HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY);
        MONITORINFO info = {};
        info.cbSize = sizeof info;
        GetMonitorInfoW(monitor, &info);
        const RECT& work = info.rcWork;
        placement = PlaceWindow(
            gui.dpi, {work.left, work.top, work.right - work.left, work.bottom - work.top},
            frameWidth, frameHeight);
        gui.outerSize = {placement.width, placement.height};
        SetWindowPos(window, nullptr, placement.left, placement.top, placement.width,
                     placement.height, SWP_NOZORDER | SWP_NOACTIVATE);
        if (static_cast<int>(placement.scale * 1000) != scaleWas) {
            LayOutAgain(placement.scale);
        }
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    // The first input, or the compute button of a tool without inputs, so
    // that F5 computes from the start.
    SetFocus(gui.fields[0] != nullptr ? gui.fields[0] : gui.buttons[0]);

    // Tab and Shift+Tab move through the inputs, the result box and the
    // buttons, as in a dialog; Space presses a button or ticks a check box;
    // the lists open with Alt+Down and F4.
    return RunMessageLoop(gui.main, HandleKey);
}

}  // namespace kelomed
