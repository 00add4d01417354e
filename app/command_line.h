// The self-test switch and its path on the process command line.
#pragma once

#include "engine/local_date.h"

namespace kelomed {

inline constexpr int kSelftestPathCapacity = 520;
// Windows limits a command line to 32767 units.
inline constexpr int kCommandLineCapacity = 32768;

// Looks for the first "--selftest" anywhere in `commandLine` (an exact,
// case-sensitive substring). When found, stores the path that follows it in
// `path` and returns true: spaces are skipped, a double quote starts a path
// that runs to the next quote, otherwise the path ends at the next space; at
// most 519 units are kept; an empty path becomes "selftest.txt".
bool FindSelftestPath(const char16_t* commandLine, char16_t* path, int pathCapacity);

// Looks for "--today=YYYY-MM-DD" anywhere in `commandLine`: the date a
// self-test takes for today, so that a report counted from today can be
// compared with a fixed reference. False, leaving `today` alone, when it is
// absent or not a date of that form.
bool FindSelftestToday(const char16_t* commandLine, CivilDate& today);

// Rebuilds a command line from C-style UTF-8 arguments as Windows would give
// it: joined by single spaces, an argument holding a space wrapped in double
// quotes.
void JoinArguments(int argc, const char* const* argv, char16_t* commandLine, int capacity);

}  // namespace kelomed
