// The panel of the inputs: a child window that holds every input's controls
// and scrolls when they are more than it shows. Tab reaches every control
// (the panel is a control parent) and the panel scrolls to the one that
// takes the focus; what its controls tell their parent goes on to the main
// window.
#include "app/tool_program/gui_windows.h"

namespace kelomed {
namespace {

constexpr wchar_t kPanelClassName[] = L"KeloMedInputPanel";
// One step of the arrows and the wheel: one row.
constexpr int kScrollStep = 34;

GuiHandles* panelGui = nullptr;

int ScaledStep(const GuiHandles& gui) {
    return ScaledLength(kScrollStep, gui.layout.scale);
}

LRESULT OnScroll(GuiHandles& gui, WPARAM wParam) {
    const int page = gui.layout.inputPanel.height;
    int position = gui.panelScroll;
    switch (LOWORD(wParam)) {
        case SB_LINEUP:
            position -= ScaledStep(gui);
            break;
        case SB_LINEDOWN:
            position += ScaledStep(gui);
            break;
        case SB_PAGEUP:
            position -= page;
            break;
        case SB_PAGEDOWN:
            position += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info = {};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(gui.panel, SB_VERT, &info);
            position = info.nTrackPos;
            break;
        }
        case SB_TOP:
            position = 0;
            break;
        case SB_BOTTOM:
            position = gui.layout.inputContentHeight;
            break;
        default:
            return 0;
    }
    ScrollInputPanelTo(gui, position);
    return 0;
}

bool IsFocusNotification(WORD code) {
    return code == EN_SETFOCUS || code == CBN_SETFOCUS || code == BN_SETFOCUS;
}

LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    GuiHandles* gui = panelGui;
    if (gui == nullptr || gui->main == nullptr) {
        return DefWindowProcW(panel, message, wParam, lParam);
    }
    switch (message) {
        case WM_VSCROLL:
            return OnScroll(*gui, wParam);
        case WM_MOUSEWHEEL: {
            // A touchpad sends parts of a notch: they add up until one is
            // whole, and what is left waits for the next.
            gui->wheelDelta += GET_WHEEL_DELTA_WPARAM(wParam);
            const int notches = gui->wheelDelta / WHEEL_DELTA;
            gui->wheelDelta -= notches * WHEEL_DELTA;
            if (notches != 0) {
                ScrollInputPanelTo(*gui, gui->panelScroll - notches * 3 * ScaledStep(*gui));
            }
            return 0;
        }
        case WM_COMMAND:
            if (IsFocusNotification(HIWORD(wParam))) {
                ShowInInputPanel(*gui, reinterpret_cast<HWND>(lParam));
            }
            return SendMessageW(gui->main, message, wParam, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return SendMessageW(gui->main, message, wParam, lParam);
        default:
            return DefWindowProcW(panel, message, wParam, lParam);
    }
}

}  // namespace

void RegisterInputPanelClass(HINSTANCE instance) {
    WNDCLASSW panelClass = {};
    panelClass.lpfnWndProc = PanelProcedure;
    panelClass.hInstance = instance;
    panelClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    panelClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    panelClass.lpszClassName = kPanelClassName;
    RegisterClassW(&panelClass);
}

HWND CreateInputPanel(GuiHandles& gui) {
    panelGui = &gui;
    const Box& box = gui.layout.inputPanel;
    gui.panel = CreateWindowExW(
        WS_EX_CONTROLPARENT, kPanelClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, box.left,
        box.top, box.width, box.height, gui.main,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kInputPanelId)), gui.instance, nullptr);
    return gui.panel;
}

void UpdateInputPanelScroll(GuiHandles& gui) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const bool scrolls = InputPanelScrolls(gui.layout);
    info.nMin = 0;
    info.nMax = scrolls ? gui.layout.inputContentHeight - 1 : 0;
    info.nPage = scrolls ? static_cast<UINT>(gui.layout.inputPanel.height) : 0;
    info.nPos = gui.panelScroll;
    SetScrollInfo(gui.panel, SB_VERT, &info, TRUE);
    ShowScrollBar(gui.panel, SB_VERT, scrolls ? TRUE : FALSE);
}

void ScrollInputPanelTo(GuiHandles& gui, int position) {
    const int most = gui.layout.inputContentHeight - gui.layout.inputPanel.height;
    if (position > most) {
        position = most;
    }
    if (position < 0) {
        position = 0;
    }
    if (position == gui.panelScroll) {
        return;
    }
    const int moved = gui.panelScroll - position;
    gui.panelScroll = position;
    ScrollWindowEx(gui.panel, 0, moved, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    SetScrollPos(gui.panel, SB_VERT, position, TRUE);
    UpdateWindow(gui.panel);
}

void ShowInInputPanel(GuiHandles& gui, HWND control) {
    if (control == nullptr || GetParent(control) != gui.panel) {
        return;
    }
    RECT box;
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, gui.panel, reinterpret_cast<POINT*>(&box), 2);
    // Room above for the label of a list under its label, and a little below.
    const int above = ScaledLength(28, gui.layout.scale);
    const int below = ScaledLength(6, gui.layout.scale);
    const int height = gui.layout.inputPanel.height;
    if (box.top - above < 0) {
        ScrollInputPanelTo(gui, gui.panelScroll + box.top - above);
    } else if (box.bottom + below > height) {
        ScrollInputPanelTo(gui, gui.panelScroll + box.bottom + below - height);
    }
}

}  // namespace kelomed
