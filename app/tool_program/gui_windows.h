// The window: fonts, brushes, controls, painting and the message loop, laid
// out by app/decisions/window_layout.h at the scale app/decisions/window_placement.h chooses.
#pragma once

#include <windows.h>

#include "app/decisions/window_layout.h"
#include "app/decisions/window_placement.h"
#include "app/decisions/window_state.h"
#include "app/decisions/window_view.h"
#include "app/platform/wide_text_windows.h"
#include "app/win32/look_windows.h"
#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kFieldIdBase = 2000;
inline constexpr int kResultBoxId = 3000;
inline constexpr int kInputPanelId = 4000;

// Handles of the one main window; created once, never released (the fonts
// are made again when the scale changes).
struct GuiHandles {
    HINSTANCE instance = nullptr;
    HWND main = nullptr;
    // The scrolling panel that holds the inputs.
    HWND panel = nullptr;
    // The input fields, the drop-down lists of choices, the check boxes.
    HWND fields[kMaxInputs] = {};
    HWND labels[kMaxInputs] = {};
    HWND units[kMaxInputs] = {};
    HWND buttons[kButtonCount] = {};
    HWND result = nullptr;
    HWND verdict = nullptr;
    HWND note = nullptr;
    HWND reference = nullptr;
    HFONT fonts[kFontCount] = {};
    HBRUSH whiteBrush = nullptr;
    HBRUSH backgroundBrush = nullptr;
    WindowLayout layout;
    int dpi = 96;
    // How far the input panel is scrolled, in pixels.
    int panelScroll = 0;
    // The mouse wheel's turn not yet scrolled, in its own units.
    int wheelDelta = 0;
    // The outer size the window keeps (it cannot be resized).
    SIZE outerSize = {};
    // The control that had the focus when the window was last deactivated.
    HWND lastFocus = nullptr;
};

// Runs the window for `tool` until it is closed: 0, or 1 when the main window
// cannot be created.
int RunGui(HINSTANCE instance, const ToolDef& tool);

// The input panel's window class, its scrolling, and a control made visible
// in it.
void RegisterInputPanelClass(HINSTANCE instance);
HWND CreateInputPanel(GuiHandles& gui);
void UpdateInputPanelScroll(GuiHandles& gui);
void ScrollInputPanelTo(GuiHandles& gui, int position);
void ShowInInputPanel(GuiHandles& gui, HWND control);

// Painting of the main window and its owner-drawn buttons.
void PaintMainWindow(const GuiHandles& gui, const WindowState& state, HDC dc);
void DrawButton(const GuiHandles& gui, const DRAWITEMSTRUCT& item);
COLORREF VerdictColour(int level);

// The commands' view of the real controls.
class Win32View final : public WindowView {
  public:
    explicit Win32View(const GuiHandles& gui) : gui_(gui) {}
    void ReadField(int index, char16_t* text, int capacity) override;
    void SetField(int index, const char16_t* text) override;
    int ReadChoice(int index) override;
    void SelectChoice(int index, int item) override;
    void EnableInput(int index, bool enabled) override;
    void SetResultText(const char16_t* text) override;
    void SetVerdictText(const char16_t* text) override;
    void SetNoteText(const char16_t* text) override;
    void ShowMessage(const char16_t* text, const char16_t* caption, MessageIcon icon) override;
    void FocusField(int index) override;
    void RedrawVerdict() override;
    void RedrawMainWindow() override;
    bool PutOnClipboard(const char16_t* text) override;

  private:
    const GuiHandles& gui_;
};

}  // namespace kelomed
