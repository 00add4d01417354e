// Where everything of the window stands, as plain numbers a test can check:
// the layout is drawn in units of 96 DPI (a 1020 x 720 client area) and
// scaled by the window's scale, fonts included. The inputs stand in a panel
// that scrolls when they are more than it shows.
#pragma once

#include "app/decisions/suite_names.h"
#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kLayoutWidth = 1020;
inline constexpr int kLayoutHeight = 720;
inline constexpr int kButtonCount = 5;

// A box: left, top, width and height in pixels.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

// The fonts of the window: face, height in 96-DPI pixels and weight.
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

struct FontSpec {
    const char16_t* face;
    int height;
    int weight;
};

inline constexpr FontSpec kFontSpecs[kFontCount] = {
    {kSuiteFontFace, 27, 700}, {kSuiteFontFace, 14, 400}, {kSuiteFontFace, 14, 400},
    {kSuiteFontFace, 15, 400}, {kSuiteFontFace, 21, 700}, {u"Consolas", 15, 400},
    {kSuiteFontFace, 15, 400}, {kSuiteFontFace, 12, 400},
};

// How an input stands in the panel.
enum class RowKind {
    // A label, a field and its unit on one row.
    Field,
    // A label and a drop-down list beside it.
    Choice,
    // A label on a row of its own and the list under it, for long names.
    WideChoice,
    // A check box whose text is the label.
    Check,
};

constexpr RowKind RowKindOf(const InputField& input) {
    switch (input.form) {
        case InputForm::Choice:
            return NeedsWideRow(input) ? RowKind::WideChoice : RowKind::Choice;
        case InputForm::Check:
            return RowKind::Check;
        case InputForm::Number:
        case InputForm::ClockTime:
        default:
            return RowKind::Field;
    }
}

// One input's controls, in the panel's coordinates (before scrolling). A
// check box has no label box; only a field has a unit box.
struct InputRowLayout {
    RowKind kind = RowKind::Field;
    Box label;
    Box control;
    Box unit;
    // The height of a list's box with its list dropped down.
    int droppedHeight = 0;
};

struct WindowLayout {
    double scale = 1;
    int clientWidth = kLayoutWidth;
    int clientHeight = kLayoutHeight;
    int fontHeights[kFontCount] = {};

    Box headerBand;
    Box accentStripe;
    Box title;
    Box subLine;
    Box address;
    Box leftPanel;
    Box rightPanel;
    Box inputCaption;
    Box resultCaption;
    Box inputRule;
    Box resultRule;
    // The scrolling panel of the inputs, in client coordinates; its rows
    // reach `inputContentHeight` and it scrolls when that is more than its
    // height.
    Box inputPanel;
    int inputContentHeight = 0;
    // The rows' width: the panel's less a scroll bar, which they leave free.
    int inputContentWidth = 0;
    int scrollBarWidth = 0;
    InputRowLayout rows[kMaxInputs];
    int rowCount = 0;

    Box verdict;
    Box result;
    Box note;
    Box reference;
    Box buttons[kButtonCount];
    Box footer;
    Box status;
};

// The layout of `tool`'s window at `scale` (1 at 96 DPI on a screen that
// holds the window).
WindowLayout LayOutWindow(const ToolDef& tool, double scale);

// True when the panel's rows are more than it shows.
constexpr bool InputPanelScrolls(const WindowLayout& layout) {
    return layout.inputContentHeight > layout.inputPanel.height;
}

// The width in 96-DPI pixels of one half-width unit of text at a font
// height: half the height (a Chinese character is about as wide as high).
constexpr int HalfWidthPixels(int fontHeight) {
    return (fontHeight + 1) / 2;
}

}  // namespace kelomed
