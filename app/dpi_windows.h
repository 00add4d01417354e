// The display's DPI as a window sees it, for every window of the suite:
// per-monitor awareness where Windows has it, a monitor's DPI and what a
// window's frame adds at a DPI.
#pragma once

#include <windows.h>

namespace kelomed {

// Per-monitor awareness (v2) where Windows has it, else the system's DPI.
void DeclareDpiAwareness();

int MonitorDpi(HMONITOR monitor);

// What the title bar and borders of a window of `style` add to its client
// area at `dpi`.
SIZE WindowFrameAt(int dpi, DWORD style);

}  // namespace kelomed
