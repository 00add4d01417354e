#include <windowsx.h>

#include "app/commands.h"
#include "app/gui_windows.h"
#include "app/input_text.h"
#include "app/record_command.h"
#include "engine/format_text.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr wchar_t kClassName[] = L"KeloMedToolWnd";
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kFieldIdBase = 2000;
constexpr int kResultBoxId = 3000;
constexpr int kReferenceCapacity = 512;
constexpr int kFieldValueCapacity = 64;
// A choice list spans the field and unit columns; dropped, it shows up to
// ten items.
constexpr int kChoiceListWidth = 236;
constexpr int kChoiceListDroppedHeight = 27 + 10 * 22;

// The one window's state and handles: the window procedure is the only
// dispatch point, so they live here.
WindowState state;
GuiHandles gui;

struct FontSpec {
    const wchar_t* face;
    int height;
    int weight;
};

constexpr FontSpec kFontSpecs[kFontCount] = {
    {L"Microsoft YaHei UI", 27, FW_BOLD},   {L"Microsoft YaHei UI", 14, FW_NORMAL},
    {L"Microsoft YaHei UI", 14, FW_NORMAL}, {L"Microsoft YaHei UI", 15, FW_NORMAL},
    {L"Microsoft YaHei UI", 21, FW_BOLD},   {L"Consolas", 15, FW_NORMAL},
    {L"Microsoft YaHei UI", 15, FW_NORMAL}, {L"Microsoft YaHei UI", 12, FW_NORMAL},
};

struct ButtonSpec {
    int id;
    int left;
    int width;
    const wchar_t* caption;
};

constexpr ButtonSpec kButtons[kButtonCount] = {
    {kComputeCommand, 20, 152, L"计算 (F5)"}, {kSaveCommand, 184, 132, L"保存记录"},
    {kCopyCommand, 328, 132, L"复制结果"},    {kResetCommand, 472, 132, L"清空重填"},
    {kAboutCommand, 616, 110, L"关于"},
};

void CreateFontsAndBrushes() {
    for (int i = 0; i < kFontCount; ++i) {
        gui.fonts[i] =
            CreateFontW(-kFontSpecs[i].height, 0, 0, 0, kFontSpecs[i].weight, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, kFontSpecs[i].face);
    }
    gui.whiteBrush = CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF));
    gui.backgroundBrush = CreateSolidBrush(RGB(0xF4, 0xF7, 0xF9));
}

// The outer size whose client area is exactly the 1020 x 720 of the layout.
SIZE OuterWindowSize() {
    RECT outer = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&outer, kWindowStyle, FALSE);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

HWND CreateControl(const wchar_t* className, const char16_t* text, DWORD style, DWORD extendedStyle,
                   int id, int left, int top, int width, int height, GuiFont font) {
    HWND control = CreateWindowExW(
        extendedStyle, className, Wide(text), WS_CHILD | WS_VISIBLE | style, left, top, width,
        height, gui.main, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), gui.instance, nullptr);
    if (control != nullptr && font != kFontCount) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(gui.fonts[font]), TRUE);
    }
    return control;
}

// A drop-down list of the input's choice names, its default chosen; it
// takes the unit's place too, as a choice has no unit.
HWND CreateChoiceList(const InputField& input, int index, int y) {
    HWND list = CreateControl(L"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0,
                              kFieldIdBase + index, 216, y - 4, kChoiceListWidth,
                              kChoiceListDroppedHeight, kFieldFont);
    for (int i = 0; i < input.choiceCount; ++i) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(input.choices[i].name)));
    }
    SendMessageW(list, CB_SETCURSEL, ChoiceIndexOf(input, input.defaultValue), 0);
    return list;
}

void CreateControls() {
    const ToolDef& tool = *state.tool;
    const int inputCount = BoundedInputCount(tool);
    for (int j = 0; j < inputCount; ++j) {
        const InputField& input = tool.inputs[j];
        const int y = 150 + 34 * j;
        CreateControl(L"STATIC", input.label, SS_RIGHT, 0, 0, 24, y + 1, 184, 22, kLabelFont);
        if (input.form == InputForm::Choice) {
            gui.fields[j] = CreateChoiceList(input, j, y);
            continue;
        }
        char16_t value[kFieldValueCapacity];
        FormatInputValue(input, input.defaultValue, value, kFieldValueCapacity);
        gui.fields[j] = CreateControl(L"EDIT", value, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                                      kFieldIdBase + j, 216, y - 4, 152, 27, kFieldFont);
        if (HasText(input.unit)) {
            CreateControl(L"STATIC", input.unit, 0, 0, 0, 374, y, 78, 22, kSmallFont);
        }
    }
    gui.verdict = CreateControl(L"STATIC", u"填写左侧参数，点击“计算”", 0, 0, 0, 492, 142, 492, 46,
                                kVerdictFont);
    gui.result =
        CreateControl(L"EDIT", u"", WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                      WS_EX_CLIENTEDGE, kResultBoxId, 492, 196, 492, 232, kResultFont);
    gui.note = CreateControl(L"STATIC", HasText(tool.note) ? tool.note : u"", 0, 0, 0, 492, 444,
                             492, 120, kSmallFont);
    char16_t reference[kReferenceCapacity];
    FormatText(reference, kReferenceCapacity, u"参考依据：%ls", tool.reference);
    CreateControl(L"STATIC", reference, 0, 0, 0, 492, 576, 492, 56, kSmallFont);
    for (int i = 0; i < kButtonCount; ++i) {
        gui.buttons[i] =
            CreateControl(L"BUTTON", reinterpret_cast<const char16_t*>(kButtons[i].caption),
                          BS_OWNERDRAW | WS_TABSTOP, 0, kButtons[i].id, kButtons[i].left, 668,
                          kButtons[i].width, 40, kFontCount);
    }
}

LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    PaintMainWindow(gui, state, dc, client.right, client.bottom);
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
    SetBkColor(dc, RGB(0xFF, 0xFF, 0xFF));
    return reinterpret_cast<LRESULT>(gui.whiteBrush);
}

LRESULT OnCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32View view(gui);
    switch (LOWORD(wParam)) {
        case kComputeCommand:
            RunComputeCommand(state, view, DateOf(ReadLocalTime()));
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

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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
            const SIZE outer = OuterWindowSize();
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {outer.cx, outer.cy};
            limits->ptMaxTrackSize = {outer.cx, outer.cy};
            return 0;
        }
        case WM_DRAWITEM:
            DrawButton(gui, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 1;
        case WM_CTLCOLOREDIT:
            return OnControlColourEdit(reinterpret_cast<HDC>(wParam));
        case WM_CTLCOLORSTATIC:
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

bool IsComputeKey(const MSG& message) {
    return message.message == WM_KEYDOWN &&
           (message.wParam == VK_RETURN || message.wParam == VK_F5) &&
           IsChild(gui.main, message.hwnd);
}

}  // namespace

int RunGui(HINSTANCE instance, const ToolDef& tool) {
    gui.instance = instance;
    InitializeWindowState(state, tool);
    CreateFontsAndBrushes();

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = gui.backgroundBrush;
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);

    const SIZE outer = OuterWindowSize();
    int x = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
    x = x < 0 ? 0 : x;
    y = y < 0 ? 0 : y;
    HWND window = CreateWindowExW(0, kClassName, Wide(tool.title), kWindowStyle, x, y, outer.cx,
                                  outer.cy, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    // The first input, or the compute button of a tool without inputs, so
    // that F5 computes from the start.
    SetFocus(gui.fields[0] != nullptr ? gui.fields[0] : gui.buttons[0]);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsComputeKey(message)) {
            Win32View view(gui);
            RunComputeCommand(state, view, DateOf(ReadLocalTime()));
            continue;
        }
        // Tab and Shift+Tab move through the inputs and the buttons, as in a
        // dialog; the lists open with Alt+Down and F4.
        if (IsDialogMessageW(gui.main, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace kelomed
