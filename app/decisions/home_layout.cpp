#include "app/decisions/home_layout.h"

#include "app/decisions/window_placement.h"

namespace kelomed {
namespace {

constexpr int kFontHeights[kHomeFontCount] = {24, 13, 15};
constexpr int kColumnWidths[kHomeColumnCount] = {56, 260, 96, 316};

}  // namespace

HomeLayout LayOutHome(double scale) {
    HomeLayout layout;
    layout.scale = scale;
    auto at = [scale](int value) { return ScaledLength(value, scale); };
    auto box = [&](int left, int top, int width, int height) {
        return Box{at(left), at(top), at(left + width) - at(left), at(top + height) - at(top)};
    };
    layout.clientWidth = ScaledClientSide(kHomeLayoutWidth, scale);
    layout.clientHeight = ScaledClientSide(kHomeLayoutHeight, scale);
    layout.headerBand = {0, 0, layout.clientWidth, at(76)};
    layout.title = box(24, 10, 752, 36);
    layout.subLine = box(24, 46, 752, 22);
    layout.searchLabel = box(24, 92, 48, 30);
    layout.search = box(76, 92, 700, 30);
    layout.list = box(24, 134, 752, 380);
    layout.status = box(24, 522, 752, 28);
    for (int i = 0; i < kHomeColumnCount; ++i) {
        layout.columnWidths[i] = at(kColumnWidths[i]);
    }
    for (int i = 0; i < kHomeFontCount; ++i) {
        layout.fontHeights[i] = at(kFontHeights[i]);
    }
    return layout;
}

}  // namespace kelomed
