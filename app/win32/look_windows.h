// What both windows look like and how they take the keyboard: the suite's
// colours and font, the window classes, the message loop with the dialog's
// keys, the rule by which a window follows a change of DPI, and the
// messages the end-to-end tests ask.
#pragma once

#include <windows.h>

#include "app/decisions/suite_names.h"
#include "app/platform/wide_text_windows.h"

namespace kelomed {

inline constexpr COLORREF kBackground = RGB(0xF4, 0xF7, 0xF9);
inline constexpr COLORREF kHeaderBand = RGB(0x00, 0x6C, 0x96);
inline constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
// The header's second line.
inline constexpr COLORREF kSubLine = RGB(0xD6, 0xEC, 0xF6);
// Text of fields, the result box, the note and the secondary buttons; and
// the quieter text of labels, units, the reference line and the status,
// dark enough to read at 4.5 : 1 on the background.
inline constexpr COLORREF kDarkText = RGB(0x2C, 0x38, 0x42);
inline constexpr COLORREF kQuietText = RGB(0x57, 0x63, 0x6D);

inline const wchar_t* ToolWindowClass() {
    return Wide(kToolWindowClass);
}
inline const wchar_t* HomeWindowClass() {
    return Wide(kHomeWindowClass);
}

// A font of the suite's face, or of `face`, `height` pixels high.
HFONT CreateSuiteFont(int height, int weight, const wchar_t* face = Wide(kSuiteFontFace));

// Runs the window's messages until it closes: `handleKey` first (true when
// it carried the key out), then the dialog's keys (Tab, Shift+Tab, Space,
// Enter on a button), then the control. Returns the exit code.
int RunMessageLoop(HWND window, bool (*handleKey)(const MSG&));

// Moved to a monitor of another DPI: the window takes the rectangle Windows
// suggests, and the scale is the one its new client area holds for a layout
// of `layoutWidth` by `layoutHeight` at 96 DPI.
double FollowDpiChange(HWND window, LPARAM suggestedRectangle, int layoutWidth, int layoutHeight);

// Answers the layout query and keeps the barrier; false for other messages.
// `layoutAnswer` gives the layout query's answer for its wParam.
bool AnswerTestMessage(UINT message, WPARAM wParam, LRESULT (*layoutAnswer)(WPARAM),
                       LRESULT& answer);

}  // namespace kelomed
