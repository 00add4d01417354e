#include "app/commands.h"
#include "app/gui_windows.h"
#include "engine/format_text.h"

namespace kelomed {
namespace {

constexpr COLORREF kBackground = RGB(0xF4, 0xF7, 0xF9);
constexpr COLORREF kHeaderBand = RGB(0x00, 0x6C, 0x96);
constexpr COLORREF kAccent = RGB(0x00, 0x84, 0xB0);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kSubLine = RGB(0xD6, 0xEC, 0xF6);
constexpr COLORREF kAddress = RGB(0xBE, 0xDC, 0xEB);
constexpr COLORREF kPanelOutline = RGB(0xDA, 0xE2, 0xE8);
constexpr COLORREF kCaptionRule = RGB(0xE4, 0xEA, 0xEE);
constexpr COLORREF kFooter = RGB(0xEC, 0xF1, 0xF4);
constexpr COLORREF kPrimary = RGB(0x00, 0x7A, 0xA8);
constexpr COLORREF kPrimaryPressed = RGB(0x00, 0x64, 0x8A);
constexpr COLORREF kPrimaryOutline = RGB(0x00, 0x6A, 0x94);
constexpr COLORREF kSecondaryPressed = RGB(0xE2, 0xEA, 0xF0);
constexpr COLORREF kSecondaryOutline = RGB(0xCE, 0xD8, 0xE0);
// The focus cue inside a focused button: white on the primary button, the
// primary blue on the others.
constexpr COLORREF kPrimaryFocusCue = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kSecondaryFocusCue = kPrimary;
constexpr int kFocusCueInset = 3;
constexpr int kSubLineCapacity = 256;
constexpr int kCaptionCapacity = 64;

void DrawTextBox(HDC dc, int left, int top, int width, int height, const char16_t* text,
                 COLORREF colour, HFONT font, UINT extraFlags) {
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT box = {left, top, left + width, top + height};
    DrawTextW(dc, Wide(text), -1, &box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | extraFlags);
    SelectObject(dc, previous);
}

void FillBox(HDC dc, int left, int top, int width, int height, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT box = {left, top, left + width, top + height};
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

void OutlineBox(HDC dc, int left, int top, int width, int height, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, left + width, top + height);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

}  // namespace

COLORREF VerdictColour(int level) {
    switch (level) {
        case 1:
            return RGB(0xB0, 0x84, 0x00);
        case 2:
            return RGB(0xD6, 0x6C, 0x00);
        case 3:
            return RGB(0xBE, 0x1E, 0x2D);
        default:
            return RGB(0x00, 0x80, 0x60);
    }
}

void PaintMainWindow(const GuiHandles& gui, const WindowState& state, HDC dc, int width,
                     int height) {
    const ToolDef& tool = *state.tool;
    // The client area is the layout's 1020 x 720 (the tracking limits are
    // the window's own outer size), so this covers every pixel.
    FillBox(dc, 0, 0, width, height, kBackground);
    FillBox(dc, 0, 0, width, 88, kHeaderBand);
    FillBox(dc, 0, 0, 8, 88, kAccent);
    DrawTextBox(dc, 26, 12, 700, 38, tool.title, kWhite, gui.fonts[kTitleFont], DT_LEFT);
    char16_t subLine[kSubLineCapacity];
    FormatText(subLine, kSubLineCapacity, u"%ls  ·  %ls", tool.category, tool.subtitle);
    DrawTextBox(dc, 28, 48, 720, 28, subLine, kSubLine, gui.fonts[kHeaderFont], DT_LEFT);
    DrawTextBox(dc, width - 240, 8, 214, 26, kProductAddress, kAddress, gui.fonts[kSmallFont],
                DT_RIGHT);

    FillBox(dc, 20, 96, 440, 552, kWhite);
    OutlineBox(dc, 20, 96, 440, 552, kPanelOutline);
    FillBox(dc, 476, 96, 524, 552, kWhite);
    OutlineBox(dc, 476, 96, 524, 552, kPanelOutline);

    DrawTextBox(dc, 36, 104, 300, 30, u"输入参数", kHeaderBand, gui.fonts[kHeaderFont], DT_LEFT);
    DrawTextBox(dc, 492, 104, 300, 30, u"计算结果", kHeaderBand, gui.fonts[kHeaderFont], DT_LEFT);
    FillBox(dc, 36, 133, 408, 1, kCaptionRule);
    FillBox(dc, 492, 133, 492, 1, kCaptionRule);

    FillBox(dc, 0, 660, width, kClientHeight - 660, kFooter);
    DrawTextBox(dc, 740, 704, 264, 16, state.statusText, kQuietText, gui.fonts[kSmallFont],
                DT_RIGHT);
}

void DrawButton(const GuiHandles& gui, const DRAWITEMSTRUCT& item) {
    const bool primary = item.CtlID == kComputeCommand;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const RECT& box = item.rcItem;
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    FillBox(
        item.hDC, box.left, box.top, width, height,
        primary ? (pressed ? kPrimaryPressed : kPrimary) : (pressed ? kSecondaryPressed : kWhite));
    OutlineBox(item.hDC, box.left, box.top, width, height,
               primary ? kPrimaryOutline : kSecondaryOutline);
    if ((item.itemState & ODS_FOCUS) != 0) {
        // Two pixels wide, so the cue reads at a glance.
        for (int inset = kFocusCueInset; inset <= kFocusCueInset + 1; ++inset) {
            OutlineBox(item.hDC, box.left + inset, box.top + inset, width - 2 * inset,
                       height - 2 * inset, primary ? kPrimaryFocusCue : kSecondaryFocusCue);
        }
    }
    wchar_t caption[kCaptionCapacity] = {};
    GetWindowTextW(item.hwndItem, caption, kCaptionCapacity);
    DrawTextBox(item.hDC, box.left, box.top, width, height,
                reinterpret_cast<const char16_t*>(caption), primary ? kWhite : kDarkText,
                gui.fonts[kButtonFont], DT_CENTER);
}

}  // namespace kelomed
