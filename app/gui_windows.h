// The window: fonts, brushes, controls, painting and the message loop.
#pragma once

#include <windows.h>

#include "app/wide_text_windows.h"
#include "app/window_state.h"
#include "app/window_view.h"
#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kClientWidth = 1020;
inline constexpr int kClientHeight = 720;
inline constexpr int kButtonCount = 5;

// Text of fields, the result box, the note and the secondary buttons; and
// the quieter text of labels, units, the reference line and the status.
inline constexpr COLORREF kDarkText = RGB(0x2C, 0x38, 0x42);
inline constexpr COLORREF kQuietText = RGB(0x78, 0x84, 0x8E);

enum GuiFont {
    kTitleFont,
    kHeaderFont,
    kLabelFont,
    kFieldFont,
    kVerdictFont,
    kResultFont,
    kButtonFont,
    kSmallFont,
    kFontCount
};

// Handles of the one main window; created once, never released.
struct GuiHandles {
    HINSTANCE instance = nullptr;
    HWND main = nullptr;
    // The input fields, or the drop-down lists of choice inputs.
    HWND fields[kMaxInputs] = {};
    HWND buttons[kButtonCount] = {};
    HWND result = nullptr;
    HWND verdict = nullptr;
    HWND note = nullptr;
    HFONT fonts[kFontCount] = {};
    HBRUSH whiteBrush = nullptr;
    HBRUSH backgroundBrush = nullptr;
};

// Runs the window for `tool` until it is closed: 0, or 1 when the main window
// cannot be created.
int RunGui(HINSTANCE instance, const ToolDef& tool);

// Painting of the main window and its owner-drawn buttons.
void PaintMainWindow(const GuiHandles& gui, const WindowState& state, HDC dc, int clientWidth,
                     int clientHeight);
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
    void SetResultText(const char16_t* text) override;
    void SetVerdictText(const char16_t* text) override;
    void SetNoteText(const char16_t* text) override;
    void ShowMessage(const char16_t* text, const char16_t* caption, MessageIcon icon) override;
    void EnableInput(int index, bool enabled) override;
    void FocusField(int index) override;
    void RedrawVerdict() override;
    void RedrawMainWindow() override;
    bool PutOnClipboard(const char16_t* text) override;

  private:
    const GuiHandles& gui_;
};

}  // namespace kelomed
