// Where everything of the home program's window stands, in units of 96 DPI
// (an 800 x 560 client area) scaled by the window's scale, fonts and the
// list's columns included.
#pragma once

#include "app/decisions/window_layout.h"

namespace kelomed {

inline constexpr int kHomeLayoutWidth = 800;
inline constexpr int kHomeLayoutHeight = 560;

// The list's columns: number, title, category, subtitle.
inline constexpr int kHomeColumnCount = 4;

// The home's fonts: its title, the header's second line and the status,
// and the search field and the list.
enum HomeFont { kHomeTitleFont, kHomeSmallFont, kHomeTextFont, kHomeFontCount };

struct HomeLayout {
    double scale = 1;
    int clientWidth = kHomeLayoutWidth;
    int clientHeight = kHomeLayoutHeight;
    Box headerBand;
    Box title;
    Box subLine;
    Box searchLabel;
    Box search;
    Box list;
    Box status;
    int columnWidths[kHomeColumnCount] = {};
    int fontHeights[kHomeFontCount] = {};
};

HomeLayout LayOutHome(double scale);

}  // namespace kelomed
