// The window on the screen it opens on: its size at the display's DPI, in
// the work area, its controls within it and apart; and the program's
// declaration of DPI awareness, which Wine does not read.
#pragma once

#include <string>

namespace kelomed::e2e {

// Opens `program` on a display of `dpi` and checks the window against the
// work area of its monitor; prints "SCREEN ..." and "CLIENT WxH+X+Y" and
// leaves the window open for a screenshot.
int CheckScreen(const std::wstring& program, int dpi);

// Checks the manifest resource of `program` for per-monitor awareness v2
// and its Windows 7 fallback.
int CheckManifest(const std::wstring& program);

}  // namespace kelomed::e2e
