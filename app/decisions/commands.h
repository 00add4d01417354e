// The five commands behind the window's buttons, over the window state and
// a view of the window.
#pragma once

#include "app/decisions/window_state.h"
#include "app/decisions/window_view.h"

namespace kelomed {

enum CommandId : int {
    kComputeCommand = 1001,
    kSaveCommand = 1002,
    kCopyCommand = 1003,
    kResetCommand = 1004,
    kAboutCommand = 1005,
};

// Why a copy or a save of a report that did not fit is refused.
inline constexpr char16_t kIncompleteResultMessage[] =
    u"本次报告不完整，不能复制或保存。请减少数量后重新计算。";

// The suite's version as this build carries it ("1.1.0"), for the About box.
extern const char16_t kSuiteVersion[];

// The product's address, set when the suite is built
// (KELOMED_PRODUCT_ADDRESS); when none is set, neither the header nor the
// About box shows one.
extern const char16_t kProductAddress[];

// Sets up the state for `tool`: no result, level 0, the ready status text.
void InitializeWindowState(WindowState& state, const ToolDef& tool);

// Reads every input that applies; refuses the first that the window cannot
// take (a field that is not a number or a time, or a value outside its
// range: a warning that says what it takes, the focus on it, nothing else
// changed); otherwise computes, on `today`, and shows the result. The focus
// stays where it was, so F5, Enter and Tab go on from there.
void RunComputeCommand(WindowState& state, WindowView& view, const CivilDate& today);

// Enables each input that applies to the choices and check boxes as they
// stand, and disables the others.
void UpdateApplicableInputs(const WindowState& state, WindowView& view);

// Puts the title and the copy text on the clipboard.
void RunCopyCommand(WindowState& state, WindowView& view);

// Restores the defaults and clears the result.
void RunResetCommand(WindowState& state, WindowView& view);

void RunAboutCommand(const WindowState& state, WindowView& view);

// The About box's text, with the product's address when one is given.
void FormatAboutText(const ToolDef& tool, const char16_t* version, const char16_t* address,
                     char16_t* text, int capacity);

}  // namespace kelomed
