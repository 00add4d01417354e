#include "app/decisions/window_layout.h"
#include "app/decisions/window_placement.h"

#include <cmath>

namespace kelomed {
namespace {

// The panel of the inputs, inside the left panel's outline and under its
// caption, in 96-DPI pixels.
constexpr Box kInputPanel = {21, 140, 438, 506};
// A row: label, field and unit, or a list or a check box, 34 pixels apart.
constexpr int kRowPitch = 34;
constexpr Box kRowLabel = {3, 11, 184, 22};
constexpr Box kRowField = {195, 6, 152, 27};
constexpr Box kRowUnit = {353, 10, 68, 22};
// A list beside its label spans the field's and the unit's columns; in a
// panel that scrolls, it leaves the scroll bar free.
constexpr Box kRowChoice = {195, 6, 236, 27};
constexpr int kScrollingChoiceWidth = 226;
// A check box, and a long list under its label: the panel's width less a
// scroll bar.
constexpr Box kRowCheck = {6, 6, 412, 27};
constexpr Box kWideLabel = {6, 6, 412, 20};
constexpr Box kWideChoice = {6, 28, 412, 27};
constexpr int kWideRowPitch = 62;
constexpr int kRowsBottomMargin = 6;
constexpr int kScrollBarWidth = 17;
// A list dropped down shows ten items of 22 pixels under its box.
constexpr int kDroppedListHeight = 10 * 22;
// What a list's box keeps from its width for the arrow and the frame.
constexpr int kListChrome = 25;
// What a check box keeps for its box and the gap after it.
constexpr int kCheckChrome = 16;

// The widths the tool tables are checked against fit these boxes at their
// fonts.
static_assert(kLabelWidth * HalfWidthPixels(kFontSpecs[kLabelFont].height) <= kRowLabel.width);
static_assert(kUnitWidth * HalfWidthPixels(kFontSpecs[kSmallFont].height) <= kRowUnit.width);
static_assert(kChoiceWidth * HalfWidthPixels(kFontSpecs[kFieldFont].height) <=
              kScrollingChoiceWidth - kListChrome);
static_assert(kWideChoiceWidth * HalfWidthPixels(kFontSpecs[kFieldFont].height) <=
              kWideChoice.width - kListChrome);
static_assert(kCheckWidth * HalfWidthPixels(kFontSpecs[kLabelFont].height) <=
              kRowCheck.width - kCheckChrome);
static_assert(kCheckWidth * HalfWidthPixels(kFontSpecs[kLabelFont].height) <= kWideLabel.width);
// The verdict label holds two lines of its font.
constexpr Box kVerdictLabel = {492, 142, 492, 46};
static_assert(kVerdictWidth * HalfWidthPixels(kFontSpecs[kVerdictFont].height) <=
                  2 * kVerdictLabel.width &&
              2 * kFontSpecs[kVerdictFont].height <= kVerdictLabel.height);
static_assert(kRowCheck.right() <= kInputPanel.width - kScrollBarWidth &&
              kWideChoice.right() <= kInputPanel.width - kScrollBarWidth &&
              kRowUnit.right() <= kInputPanel.width - kScrollBarWidth &&
              kRowChoice.left + kScrollingChoiceWidth <= kInputPanel.width - kScrollBarWidth);

class Scaler {
  public:
    explicit Scaler(double scale) : scale_(scale) {}

    int operator()(int value) const { return ScaledLength(value, scale_); }

    // Each edge scaled, so that boxes that meet at 96 DPI still meet.
    Box operator()(const Box& box) const {
        const int left = (*this)(box.left);
        const int top = (*this)(box.top);
        return {left, top, (*this)(box.right()) - left, (*this)(box.bottom()) - top};
    }

    // A box of a row whose top is `rowTop` (96-DPI pixels).
    Box InRow(const Box& box, int rowTop) const {
        return (*this)(Box{box.left, rowTop + box.top, box.width, box.height});
    }

  private:
    double scale_;
};

}  // namespace

WindowLayout LayOutWindow(const ToolDef& tool, double scale) {
    const Scaler at(scale);
    WindowLayout layout;
    layout.scale = scale;
    layout.clientWidth = ScaledClientSide(kLayoutWidth, scale);
    layout.clientHeight = ScaledClientSide(kLayoutHeight, scale);
    const int width = layout.clientWidth;
    for (int i = 0; i < kFontCount; ++i) {
        const int height = at(kFontSpecs[i].height);
        layout.fontHeights[i] = height > 0 ? height : 1;
    }

    layout.headerBand = {0, 0, width, at(88)};
    layout.accentStripe = {0, 0, at(8), at(88)};
    layout.title = at(Box{26, 12, 700, 38});
    layout.subLine = at(Box{28, 48, 720, 28});
    layout.address = {width - at(240), at(8), at(214), at(26)};
    layout.leftPanel = at(Box{20, 96, 440, 552});
    layout.rightPanel = at(Box{476, 96, 524, 552});
    layout.inputCaption = at(Box{36, 104, 300, 30});
    layout.resultCaption = at(Box{492, 104, 300, 30});
    layout.inputRule = at(Box{36, 133, 408, 1});
    layout.resultRule = at(Box{492, 133, 492, 1});

    layout.inputPanel = at(kInputPanel);
    layout.scrollBarWidth = at(kScrollBarWidth);
    layout.inputContentWidth = at(kInputPanel.width - kScrollBarWidth);
    int rowTop = 0;
    layout.rowCount = BoundedInputCount(tool);
    for (int i = 0; i < layout.rowCount; ++i) {
        InputRowLayout& row = layout.rows[i];
        row.kind = RowKindOf(tool.inputs[i]);
        switch (row.kind) {
            case RowKind::Field:
                row.label = at.InRow(kRowLabel, rowTop);
                row.control = at.InRow(kRowField, rowTop);
                row.unit = at.InRow(kRowUnit, rowTop);
                break;
            case RowKind::Choice:
                row.label = at.InRow(kRowLabel, rowTop);
                row.control = at.InRow(kRowChoice, rowTop);
                break;
            case RowKind::WideChoice:
                row.label = at.InRow(kWideLabel, rowTop);
                row.control = at.InRow(kWideChoice, rowTop);
                break;
            case RowKind::Check:
                row.control = at.InRow(kRowCheck, rowTop);
                break;
        }
        row.droppedHeight = row.control.height + at(kDroppedListHeight);
        rowTop += row.kind == RowKind::WideChoice ? kWideRowPitch : kRowPitch;
    }
    layout.inputContentHeight = at(rowTop + kRowsBottomMargin);
    if (InputPanelScrolls(layout)) {
        for (int i = 0; i < layout.rowCount; ++i) {
            InputRowLayout& row = layout.rows[i];
            if (row.kind == RowKind::Choice) {
                row.control.width = at(kRowChoice.left + kScrollingChoiceWidth) - row.control.left;
            }
        }
    }

    layout.verdict = at(kVerdictLabel);
    layout.result = at(Box{492, 196, 492, 232});
    layout.note = at(Box{492, 444, 492, 120});
    layout.reference = at(Box{492, 576, 492, 56});
    constexpr Box kButtons[kButtonCount] = {
        {20, 668, 152, 40},  {184, 668, 132, 40}, {328, 668, 132, 40},
        {472, 668, 132, 40}, {616, 668, 110, 40},
    };
    for (int i = 0; i < kButtonCount; ++i) {
        layout.buttons[i] = at(kButtons[i]);
    }
    layout.footer = {0, at(660), width, layout.clientHeight - at(660)};
    layout.status = at(Box{740, 704, 264, 16});
    layout.status.height = layout.clientHeight - layout.status.top;
    return layout;
}

}  // namespace kelomed
