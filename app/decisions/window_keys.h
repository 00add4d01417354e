// What a key does in the window, whichever control has the focus: decided
// here, as a plain function, and carried out by the Win32 layer.
#pragma once

namespace kelomed {

// The keys the window gives a meaning of its own (their Windows key codes).
enum WindowKey : int {
    kKeyReturn = 0x0D,
    kKeyEscape = 0x1B,
    kKeyA = 0x41,
    kKeyF5 = 0x74,
};

// What has the focus when the key is pressed.
enum class FocusedControl {
    // An input's field, a closed list or a check box.
    Input,
    // A list whose items are dropped down: Enter and Esc close it.
    OpenList,
    // The result box, read-only.
    ResultBox,
    // One of the buttons.
    Button,
    // The main window itself.
    Window,
    // Anything else (a message box, another program).
    Elsewhere,
};

enum class KeyAction {
    // The key goes on to the control and the dialog navigation (Tab,
    // arrows, Space on a button or a check box).
    PassOn,
    Compute,
    // The focused button's command, as a click would.
    PressButton,
    SelectAll,
    // Nothing at all: Esc neither clears nor closes.
    Swallow,
};

// F5 computes anywhere in the window; Enter computes in an input, the
// result box or the window and presses a focused button; Ctrl+A selects
// the whole text of the result box or a field; Esc does nothing. An open
// list keeps Enter and Esc for itself.
KeyAction DecideKey(int key, bool controlHeld, FocusedControl focused);

}  // namespace kelomed
