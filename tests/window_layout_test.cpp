// The window as plain numbers: the scale a screen gets, the boxes of every
// tool's window at every scale, and what each key does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/decisions/window_keys.h"
#include "app/decisions/window_layout.h"
#include "app/decisions/window_placement.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// The title bar and borders of a fixed window under Windows 10 at 96 DPI
// (6 + 6 wide, 29 + 6 high), scaled with the DPI as Windows scales them.
constexpr int FrameWidth(int dpi) {
    return 12 * dpi / 96;
}
constexpr int FrameHeight(int dpi) {
    return 35 * dpi / 96;
}

TEST(WindowPlacement, ScalesWithTheDisplayAndShrinksToTheWorkArea) {
    const struct {
        int dpi;
        ScreenArea work;
        double scale;  // -1: shrunk, to the largest size that fits
        bool fits;
    } cases[] = {
        // A 1920 x 1080 screen with a 40-pixel taskbar: 96 and 120 DPI hold
        // the window at their scale, 144 DPI (1080 + the title bar > 1040)
        // does not.
        {96, {0, 0, 1920, 1040}, 1.0, true},
        {120, {0, 0, 1920, 1040}, 1.25, true},
        {144, {0, 0, 1920, 1040}, -1, true},
        // The ward PCs' 1366 x 768 and 1024 x 768, taskbar below.
        {96, {0, 0, 1366, 728}, -1, true},
        {96, {0, 0, 1024, 728}, -1, true},
        // 125 % on a 1366 x 768 laptop: shrunk, still above the floor.
        {120, {0, 0, 1366, 728}, -1, true},
        // A taskbar on the left: the work area starts at 62.
        {96, {62, 0, 1858, 1080}, 1.0, true},
        // A display set below 96 DPI keeps its own scale.
        {72, {0, 0, 1920, 1040}, 0.75, true},
        // Too small even at the floor: the floor, at the work area's corner.
        {96, {0, 0, 800, 560}, kSmallestScale, false},
        {144, {0, 0, 1024, 560}, kSmallestScale, false},
    };
    for (const auto& c : cases) {
        const int frameWidth = FrameWidth(c.dpi);
        const int frameHeight = FrameHeight(c.dpi);
        const WindowPlacement placement = PlaceWindow(c.dpi, c.work, frameWidth, frameHeight);
        SCOPED_TRACE(std::to_string(c.dpi) + " DPI, " + std::to_string(c.work.width) + " x " +
                     std::to_string(c.work.height));
        EXPECT_EQ(placement.fits, c.fits);
        EXPECT_EQ(placement.width, placement.clientWidth + frameWidth);
        EXPECT_EQ(placement.height, placement.clientHeight + frameHeight);
        if (c.scale > 0) {
            EXPECT_DOUBLE_EQ(placement.scale, c.scale);
            EXPECT_NEAR(placement.clientWidth, 1020 * c.scale, 1);
            EXPECT_NEAR(placement.clientHeight, 720 * c.scale, 1);
        } else {
            // The largest that fits: within the work area, and one pixel
            // more would not be.
            EXPECT_LT(placement.scale, c.dpi / 96.0);
            EXPECT_GE(placement.scale, kSmallestScale);
            const bool heightBinds = placement.height > c.work.height - 2;
            const bool widthBinds = placement.width > c.work.width - 2;
            EXPECT_TRUE(heightBinds || widthBinds) << placement.width << " x " << placement.height;
        }
        if (c.fits) {
            EXPECT_GE(placement.left, c.work.left);
            EXPECT_GE(placement.top, c.work.top);
            EXPECT_LE(placement.left + placement.width, c.work.left + c.work.width);
            EXPECT_LE(placement.top + placement.height, c.work.top + c.work.height);
            // Centred: the spare room split evenly, to a pixel.
            EXPECT_NEAR(placement.left - c.work.left,
                        c.work.left + c.work.width - placement.left - placement.width, 1);
            EXPECT_NEAR(placement.top - c.work.top,
                        c.work.top + c.work.height - placement.top - placement.height, 1);
        } else {
            // Its title bar on the screen, at the work area's top.
            EXPECT_GE(placement.left, c.work.left);
            EXPECT_EQ(placement.top, c.work.top);
        }
    }
}

// The smallest scale keeps the labels and fields at Windows' own 12-pixel
// text, and the smallest text at 10 pixels.
TEST(WindowPlacement, TheFloorKeepsTheTextReadable) {
    const WindowLayout layout = LayOutWindow(ToolDefinition<48>(), kSmallestScale);
    EXPECT_EQ(layout.fontHeights[kLabelFont], 12);
    EXPECT_GE(layout.fontHeights[kFieldFont], 12);
    EXPECT_GE(layout.fontHeights[kSmallFont], 10);
}

// At 96 DPI every box is where the window has always drawn it: tool 48's
// rows at 150 + 34 j, the panels, the buttons.
TEST(WindowLayout, AtOneIsTheOriginalLayout) {
    const WindowLayout layout = LayOutWindow(ToolDefinition<48>(), 1.0);
    EXPECT_EQ(layout.clientWidth, 1020);
    EXPECT_EQ(layout.clientHeight, 720);
    const Box& panel = layout.inputPanel;
    for (int j = 0; j < 4; ++j) {
        const int y = 150 + 34 * j;
        const InputRowLayout& row = layout.rows[j];
        EXPECT_EQ(row.kind, RowKind::Field);
        EXPECT_EQ(panel.left + row.label.left, 24);
        EXPECT_EQ(panel.top + row.label.top, y + 1);
        EXPECT_EQ(row.label.width, 184);
        EXPECT_EQ(panel.left + row.control.left, 216);
        EXPECT_EQ(panel.top + row.control.top, y - 4);
        EXPECT_EQ(row.control.width, 152);
        EXPECT_EQ(row.control.height, 27);
        EXPECT_EQ(panel.left + row.unit.left, 374);
        EXPECT_EQ(panel.top + row.unit.top, y);
    }
    EXPECT_EQ(layout.result.left, 492);
    EXPECT_EQ(layout.result.top, 196);
    EXPECT_EQ(layout.result.height, 232);
    EXPECT_EQ(layout.buttons[0].left, 20);
    EXPECT_EQ(layout.buttons[4].right(), 726);
    EXPECT_EQ(layout.buttons[2].top, 668);
    EXPECT_EQ(layout.footer.top, 660);
    EXPECT_EQ(layout.footer.bottom(), 720);
    EXPECT_EQ(layout.fontHeights[kTitleFont], 27);
    EXPECT_EQ(layout.fontHeights[kSmallFont], 12);
    // Its four rows fit without scrolling; of the real tools at the edge
    // at 96 DPI, Padua's eleven check boxes and NEWS2's eight rows fit,
    // Barthel's ten lists scroll.
    EXPECT_FALSE(InputPanelScrolls(layout));
    EXPECT_LE(layout.rows[3].control.bottom(), layout.inputPanel.height);
    for (const auto& [id, scrolls] : {std::pair{126, false}, {127, false}, {123, true}}) {
        EXPECT_EQ(InputPanelScrolls(LayOutWindow(*FindSuiteTool(id), 1.0)), scrolls) << id;
    }
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool Within(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

// Every tool of the suite at the scales of the floor, 96 DPI, a shrunk
// 1366 x 768 screen, 125 %, 150 % and 200 %: the controls lie within the
// client area and none overlaps another; the rows lie within the panel's
// width, one under the other, and the panel scrolls exactly when they are
// more than it shows.
TEST(WindowLayout, EveryToolAtEveryScaleStaysApart) {
    for (const ToolDef* tool : SuiteTools()) {
        for (const double scale : {kSmallestScale, 0.957, 1.0, 1.25, 1.382, 1.5, 2.0}) {
            SCOPED_TRACE(std::to_string(tool->id) + " at " + std::to_string(scale));
            const WindowLayout layout = LayOutWindow(*tool, scale);
            const Box client = {0, 0, layout.clientWidth, layout.clientHeight};
            std::vector<Box> controls = {layout.inputPanel, layout.verdict, layout.result,
                                         layout.note, layout.reference};
            for (const Box& button : layout.buttons) {
                controls.push_back(button);
            }
            for (std::size_t i = 0; i < controls.size(); ++i) {
                EXPECT_TRUE(Within(controls[i], client)) << "control " << i;
                for (std::size_t k = i + 1; k < controls.size(); ++k) {
                    EXPECT_FALSE(Overlap(controls[i], controls[k])) << i << " and " << k;
                }
            }
            EXPECT_TRUE(Within(layout.inputPanel, layout.leftPanel));
            EXPECT_TRUE(Within(layout.result, layout.rightPanel));
            EXPECT_TRUE(Within(layout.status, client));
            EXPECT_LE(layout.inputContentWidth,
                      layout.inputPanel.width - layout.scrollBarWidth + 1);
            // A panel that does not scroll has no scroll bar to leave free.
            const Box rowsArea = {
                0, 0,
                InputPanelScrolls(layout) ? layout.inputContentWidth : layout.inputPanel.width,
                layout.inputContentHeight};
            int previousBottom = 0;
            for (int j = 0; j < layout.rowCount; ++j) {
                const InputRowLayout& row = layout.rows[j];
                std::vector<Box> boxes = {row.control};
                if (row.kind != RowKind::Check) {
                    boxes.push_back(row.label);
                }
                if (row.kind == RowKind::Field) {
                    boxes.push_back(row.unit);
                }
                for (std::size_t b = 0; b < boxes.size(); ++b) {
                    EXPECT_TRUE(Within(boxes[b], rowsArea)) << "row " << j << " box " << b;
                    EXPECT_GE(boxes[b].top, previousBottom) << "row " << j << " box " << b;
                    for (std::size_t k = b + 1; k < boxes.size(); ++k) {
                        EXPECT_FALSE(Overlap(boxes[b], boxes[k])) << "row " << j;
                    }
                }
                previousBottom = row.control.bottom();
            }
            EXPECT_EQ(InputPanelScrolls(layout),
                      layout.inputContentHeight > layout.inputPanel.height);
        }
    }
}

TEST(WindowKeys, EachKeyDoesOneThingWhereverTheFocusIs) {
    const struct {
        int key;
        bool control;
        FocusedControl focused;
        KeyAction action;
    } cases[] = {
        {kKeyF5, false, FocusedControl::Input, KeyAction::Compute},
        {kKeyF5, false, FocusedControl::ResultBox, KeyAction::Compute},
        {kKeyF5, false, FocusedControl::Button, KeyAction::Compute},
        // The state a compute used to leave: F5 works there too.
        {kKeyF5, false, FocusedControl::Window, KeyAction::Compute},
        {kKeyF5, false, FocusedControl::OpenList, KeyAction::Compute},
        {kKeyReturn, false, FocusedControl::Input, KeyAction::Compute},
        {kKeyReturn, false, FocusedControl::ResultBox, KeyAction::Compute},
        {kKeyReturn, false, FocusedControl::Window, KeyAction::Compute},
        {kKeyReturn, false, FocusedControl::Button, KeyAction::PressButton},
        // An open list takes Enter and Esc to close itself.
        {kKeyReturn, false, FocusedControl::OpenList, KeyAction::PassOn},
        {kKeyEscape, false, FocusedControl::OpenList, KeyAction::PassOn},
        {kKeyEscape, false, FocusedControl::Input, KeyAction::Swallow},
        {kKeyEscape, false, FocusedControl::ResultBox, KeyAction::Swallow},
        {kKeyEscape, false, FocusedControl::Button, KeyAction::Swallow},
        {kKeyA, true, FocusedControl::ResultBox, KeyAction::SelectAll},
        {kKeyA, true, FocusedControl::Input, KeyAction::SelectAll},
        {kKeyA, false, FocusedControl::Input, KeyAction::PassOn},
        {kKeyA, true, FocusedControl::Button, KeyAction::PassOn},
        // Tab (9), the arrows, Page Down (0x22), Space (0x20) and Ctrl+C go on.
        {0x09, false, FocusedControl::ResultBox, KeyAction::PassOn},
        {0x22, false, FocusedControl::ResultBox, KeyAction::PassOn},
        {0x20, false, FocusedControl::Button, KeyAction::PassOn},
        {0x43, true, FocusedControl::ResultBox, KeyAction::PassOn},
        // Keys of another program's window are not the window's.
        {kKeyF5, false, FocusedControl::Elsewhere, KeyAction::PassOn},
        {kKeyReturn, false, FocusedControl::Elsewhere, KeyAction::PassOn},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideKey(c.key, c.control, c.focused), c.action)
            << "key " << c.key << (c.control ? " with Ctrl" : "") << " on "
            << static_cast<int>(c.focused);
    }
}

}  // namespace
}  // namespace kelomed
