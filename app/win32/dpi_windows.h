// The display's DPI as a window sees it, for every window of the suite:
// per-monitor awareness where Windows has it, the monitor a window opens on
// and what a window's frame adds at a DPI.
#pragma once

#include <windows.h>

#include "app/decisions/window_placement.h"

namespace kelomed {

// The monitor a new window opens on, the one under the mouse pointer: its
// DPI and its work area (the screen less the taskbar).
struct OpeningMonitor {
    int dpi;
    ScreenArea work;
};
OpeningMonitor MonitorUnderPointer();

// What the title bar and borders of a window of `style` add to its client
// area at `dpi`.
SIZE WindowFrameAt(int dpi, DWORD style);

}  // namespace kelomed
