// The home program's window (app/home_program/home_window_windows.cpp).
#pragma once

#include <windows.h>

namespace kelomed {

// Runs the home's window until it is closed: 0, or 1 when it cannot be
// created.
int RunHome(HINSTANCE instance);

}  // namespace kelomed
