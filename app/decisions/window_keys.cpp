#include "app/decisions/window_keys.h"

namespace kelomed {

KeyAction DecideKey(int key, bool controlHeld, FocusedControl focused) {
    if (focused == FocusedControl::Elsewhere ||
        (focused == FocusedControl::OpenList && key != kKeyF5)) {
        return KeyAction::PassOn;
    }
    switch (key) {
        case kKeyF5:
            return KeyAction::Compute;
        case kKeyReturn:
            return focused == FocusedControl::Button ? KeyAction::PressButton : KeyAction::Compute;
        case kKeyEscape:
            return KeyAction::Swallow;
        case kKeyA:
            return controlHeld && (focused == FocusedControl::ResultBox ||
                                   focused == FocusedControl::Input)
                       ? KeyAction::SelectAll
                       : KeyAction::PassOn;
        default:
            return KeyAction::PassOn;
    }
}

}  // namespace kelomed
