#include "app/decisions/commands.h"
#include "app/tool_program/gui_windows.h"
#include "engine/format_text.h"

namespace kelomed {
namespace {

constexpr COLORREF kAccent = RGB(0x00, 0x84, 0xB0);
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
constexpr int kFocusCueWidth = 2;
constexpr int kSubLineCapacity = 256;
constexpr int kCaptionCapacity = 64;

void DrawTextBox(HDC dc, const Box& at, const char16_t* text, COLORREF colour, HFONT font,
                 UINT extraFlags) {
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT box = {at.left, at.top, at.right(), at.bottom()};
    DrawTextW(dc, Wide(text), -1, &box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | extraFlags);
    SelectObject(dc, previous);
}

void FillBox(HDC dc, const Box& at, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT box = {at.left, at.top, at.right(), at.bottom()};
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

// A one-pixel outline: the panels' and the buttons' at every scale.
void OutlineBox(HDC dc, const Box& at, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, at.left, at.top, at.right(), at.bottom());
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

int Scaled(const GuiHandles& gui, int value) {
    const int scaled = ScaledLength(value, gui.layout.scale);
    return scaled > 0 ? scaled : 1;
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

void PaintMainWindow(const GuiHandles& gui, const WindowState& state, HDC dc) {
    const ToolDef& tool = *state.tool;
    const WindowLayout& layout = gui.layout;
    // The client area is the layout's own (the tracking limits are the
    // window's own outer size), so this covers every pixel.
    FillBox(dc, {0, 0, layout.clientWidth, layout.clientHeight}, kBackground);
    FillBox(dc, layout.headerBand, kHeaderBand);
    FillBox(dc, layout.accentStripe, kAccent);
    DrawTextBox(dc, layout.title, tool.title, kWhite, gui.fonts[kTitleFont], DT_LEFT);
    char16_t subLine[kSubLineCapacity];
    FormatText(subLine, kSubLineCapacity, u"%ls  ·  %ls", tool.category, tool.subtitle);
    DrawTextBox(dc, layout.subLine, subLine, kSubLine, gui.fonts[kHeaderFont], DT_LEFT);
    if (HasText(kProductAddress)) {
        DrawTextBox(dc, layout.address, kProductAddress, kAddress, gui.fonts[kSmallFont], DT_RIGHT);
    }

    FillBox(dc, layout.leftPanel, kWhite);
    OutlineBox(dc, layout.leftPanel, kPanelOutline);
    FillBox(dc, layout.rightPanel, kWhite);
    OutlineBox(dc, layout.rightPanel, kPanelOutline);

    DrawTextBox(dc, layout.inputCaption, u"输入参数", kHeaderBand, gui.fonts[kHeaderFont], DT_LEFT);
    DrawTextBox(dc, layout.resultCaption, u"计算结果", kHeaderBand, gui.fonts[kHeaderFont],
                DT_LEFT);
    FillBox(dc, layout.inputRule, kCaptionRule);
    FillBox(dc, layout.resultRule, kCaptionRule);

    FillBox(dc, layout.footer, kFooter);
    DrawTextBox(dc, layout.status, state.statusText, kQuietText, gui.fonts[kSmallFont], DT_RIGHT);
}

void DrawButton(const GuiHandles& gui, const DRAWITEMSTRUCT& item) {
    const bool primary = item.CtlID == kComputeCommand;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const Box box = {item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
                     item.rcItem.bottom - item.rcItem.top};
    FillBox(
        item.hDC, box,
        primary ? (pressed ? kPrimaryPressed : kPrimary) : (pressed ? kSecondaryPressed : kWhite));
    OutlineBox(item.hDC, box, primary ? kPrimaryOutline : kSecondaryOutline);
    if ((item.itemState & ODS_FOCUS) != 0) {
        // Two pixels wide at 96 DPI, so the cue reads at a glance.
        const int first = Scaled(gui, kFocusCueInset);
        const int last = first + Scaled(gui, kFocusCueWidth) - 1;
        for (int inset = first; inset <= last; ++inset) {
            OutlineBox(
                item.hDC,
                {box.left + inset, box.top + inset, box.width - 2 * inset, box.height - 2 * inset},
                primary ? kPrimaryFocusCue : kSecondaryFocusCue);
        }
    }
    wchar_t caption[kCaptionCapacity] = {};
    GetWindowTextW(item.hwndItem, caption, kCaptionCapacity);
    DrawTextBox(item.hDC, box, reinterpret_cast<const char16_t*>(caption),
                primary ? kWhite : kDarkText, gui.fonts[kButtonFont], DT_CENTER);
}

}  // namespace kelomed
