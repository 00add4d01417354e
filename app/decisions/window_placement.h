// Where the window opens and how large: scaled with the display's DPI, and
// shrunk, fonts and all, to the work area of its monitor (the screen less
// the taskbar) when it would not fit there, down to a floor at which its
// text is still readable.
#pragma once

namespace kelomed {

inline constexpr int kDefaultDpi = 96;

// The one rule by which both windows scale their 96-DPI units: a length or
// an edge to the nearest pixel, halves up; a client area's side floored, so
// that the window fits the work area its scale was chosen for.
int ScaledLength(int units, double scale);
int ScaledClientSide(int units, double scale);

// The smallest scale a window is shrunk to: its labels and fields, 14 and
// 15 pixels at 96 DPI, stay at 12 pixels, the height of Windows' own
// 9-point interface text. Below it the window keeps this size, opens at the
// work area's top left corner (its title bar on the screen) and its input
// panel and result box scroll.
inline constexpr double kSmallestScale = 12.0 / 14.0;

// The work area of a monitor, in pixels.
struct ScreenArea {
    int left;
    int top;
    int width;
    int height;
};

struct WindowPlacement {
    double scale;
    int clientWidth;
    int clientHeight;
    // The outer window: position and size, title bar and borders included.
    int left;
    int top;
    int width;
    int height;
    // False when even the smallest scale does not fit the work area.
    bool fits;
};

// `frameWidth` and `frameHeight` are what the title bar and borders add to
// the client area at `dpi`. The scale is dpi / 96 where the window fits,
// else the largest at which it does, but not below kSmallestScale; the
// window stands centred in the work area.
WindowPlacement PlaceWindow(int dpi, const ScreenArea& work, int frameWidth, int frameHeight);

// The same for a window whose client area is `layoutWidth` by
// `layoutHeight` at 96 DPI (the home program's).
WindowPlacement PlaceWindowOfSize(int dpi, const ScreenArea& work, int frameWidth, int frameHeight,
                                  int layoutWidth, int layoutHeight);

}  // namespace kelomed
