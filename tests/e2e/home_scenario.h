// The home program end to end: its list, a search typed through the X
// server, a tool opened from it and opened again, the recent tools, a row
// double-clicked and a missing program.
#pragma once

#include <string>
#include <vector>

namespace kelomed::e2e {

// Runs one of the home's verbs (home-list HOME.exe, home-found QUERY,
// home-opened ID new|again, home-search-point, home-row-point ROW, home-recent HOME.exe ID,
// home-missing HOME.exe, home-close); -1 when `verb` is none of them.
int RunHomeVerb(const std::wstring& verb, const std::vector<std::wstring>& arguments);

}  // namespace kelomed::e2e
