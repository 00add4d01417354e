// What the commands need of the window, so that they can be driven without
// one. The Win32 layer implements it over the real controls; tests record.
#pragma once

namespace kelomed {

enum class MessageIcon { Information, Warning };

class WindowView {
  public:
    virtual ~WindowView() = default;

    // Copies the text of input field `index` into `text` (first capacity - 1
    // units).
    virtual void ReadField(int index, char16_t* text, int capacity) = 0;
    virtual void SetField(int index, const char16_t* text) = 0;
    // The item chosen in the list of choice input `index` (for a check box,
    // 1 when ticked and 0 when clear), or -1 when none is.
    virtual int ReadChoice(int index) = 0;
    virtual void SelectChoice(int index, int item) = 0;
    // Enables or disables the control of input `index`.
    virtual void EnableInput(int index, bool enabled) = 0;
    virtual void SetResultText(const char16_t* text) = 0;
    virtual void SetVerdictText(const char16_t* text) = 0;
    virtual void SetNoteText(const char16_t* text) = 0;
    virtual void ShowMessage(const char16_t* text, const char16_t* caption, MessageIcon icon) = 0;
    virtual void FocusField(int index) = 0;
    // Repaints the verdict label with its background erased (its colour
    // follows the level).
    virtual void RedrawVerdict() = 0;
    // Repaints the main window (status line, header) without erasing.
    virtual void RedrawMainWindow() = 0;
    // Replaces the clipboard with `text`; false when it could not.
    virtual bool PutOnClipboard(const char16_t* text) = 0;
};

}  // namespace kelomed
