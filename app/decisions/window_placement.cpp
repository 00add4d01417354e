#include "app/decisions/window_placement.h"

#include <cmath>

#include "app/decisions/window_layout.h"

namespace kelomed {

// A few units of the last place below a whole or half pixel count as it:
// 1.25 times 96 DPI computed as 119.99999999999999 is 120.
int ScaledLength(int units, double scale) {
    return static_cast<int>(std::floor(units * scale + 0.5 + 1e-9));
}

int ScaledClientSide(int units, double scale) {
    return static_cast<int>(std::floor(units * scale + 1e-9));
}

WindowPlacement PlaceWindow(int dpi, const ScreenArea& work, int frameWidth, int frameHeight) {
    return PlaceWindowOfSize(dpi, work, frameWidth, frameHeight, kLayoutWidth, kLayoutHeight);
}

WindowPlacement PlaceWindowOfSize(int dpi, const ScreenArea& work, int frameWidth, int frameHeight,
                                  int layoutWidth, int layoutHeight) {
    const double wanted = static_cast<double>(dpi > 0 ? dpi : kDefaultDpi) / kDefaultDpi;
    const double fitting = std::fmin(static_cast<double>(work.width - frameWidth) / layoutWidth,
                                     static_cast<double>(work.height - frameHeight) / layoutHeight);
    // A display set below 96 DPI keeps its own scale; the floor is for
    // shrinking only.
    const double floor = std::fmin(wanted, kSmallestScale);
    WindowPlacement placement{};
    placement.scale = std::fmax(std::fmin(wanted, fitting), floor);
    placement.fits = fitting >= placement.scale;
    placement.clientWidth = ScaledClientSide(layoutWidth, placement.scale);
    placement.clientHeight = ScaledClientSide(layoutHeight, placement.scale);
    placement.width = placement.clientWidth + frameWidth;
    placement.height = placement.clientHeight + frameHeight;
    const int spareWidth = work.width - placement.width;
    const int spareHeight = work.height - placement.height;
    placement.left = work.left + (spareWidth > 0 ? spareWidth / 2 : 0);
    placement.top = work.top + (spareHeight > 0 ? spareHeight / 2 : 0);
    return placement;
}

}  // namespace kelomed
