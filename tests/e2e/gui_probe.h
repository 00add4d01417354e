// Reaching into the calculator's window from a second process, as a person
// at the keyboard would: find the window, type, press keys, click, read.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/checks.h"

namespace kelomed::e2e {

inline constexpr int kFieldIdBase = 2000;
inline constexpr int kResultBoxId = 3000;
// The panel that holds the inputs' controls.
inline constexpr int kInputPanelId = 4000;
// The buttons' command ids.
inline constexpr int kCompute = 1001;
inline constexpr int kSave = 1002;
inline constexpr int kCopy = 1003;
inline constexpr int kReset = 1004;
inline constexpr int kAbout = 1005;

struct MessageBoxText {
    bool shown = false;
    std::wstring caption;
    std::wstring text;
};

class GuiProbe {
  public:
    // Starts the program and waits for its main window.
    bool Launch(const std::wstring& program);
    // Attaches to a window that is already open.
    bool Attach();
    void Close();

    HWND main() const { return main_; }
    HWND Field(int index) const {
        return GetDlgItem(GetDlgItem(main_, kInputPanelId), kFieldIdBase + index);
    }
    HWND ResultBox() const { return GetDlgItem(main_, kResultBoxId); }
    HWND VerdictLabel() const;
    // The texts of the static controls whose left edge is at `left` in the
    // client area, from top to bottom (the input labels stand at 24, the
    // units at 374).
    std::vector<std::wstring> StaticTextsAt(int left) const;
    HWND Focused() const;

    std::wstring Text(HWND control) const;
    // The window class ("Edit", "ComboBox", "Button") and style of a control.
    std::wstring ClassOf(HWND control) const;
    LONG StyleOf(HWND control) const;
    // The items of a drop-down list, and the index of the chosen one.
    std::vector<std::wstring> Items(HWND list) const;
    int Selection(HWND list) const;
    void Select(HWND list, int item) const;
    // Whether a check box is ticked, and ticking or clearing it as a click
    // would (its parent hears of it).
    bool Checked(HWND box) const;
    void SetChecked(HWND box, bool ticked) const;
    void SetText(HWND control, const std::wstring& text) const;
    // Posts a key-down to a control: it passes the program's message loop
    // as a real key press does.
    void PressKey(HWND control, WPARAM key) const;
    void Click(int commandId) const;
    // Waits until the window has handled every message posted to it before.
    void Settle() const;

    // Waits for a message box of the program, reads it and presses OK.
    MessageBoxText TakeMessageBox(int timeoutMs = kStateDeadlineMs) const;
    // True when no message box is open; the caption of the one that is.
    bool NoMessageBox() const;
    std::wstring OpenBoxCaption() const;

    // Centre of a field in screen coordinates (for real mouse input).
    POINT FieldCentre(int index) const;

  private:
    HWND FindBox() const;

    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
    DWORD thread_ = 0;
};

// Posts a barrier to `window` and waits until it has handled it, and with
// it every message posted to its thread before: posted messages are handled
// in order. Not for keys typed through the X server, which come as input,
// after posted messages: a check after those waits for its state.
bool SettleWindow(HWND window);

std::wstring ReadClipboardText();
bool PutClipboardText(const std::wstring& text);
// Reads the clipboard until it holds `expected` or the deadline passes:
// under Wine another process sees a new clipboard only after a moment.
std::wstring ReadClipboardTextOnceItIs(const std::wstring& expected);

}  // namespace kelomed::e2e
