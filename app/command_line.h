// The self-test switch and its path on the process command line.
#pragma once

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

// Rebuilds a command line from C-style UTF-8 arguments as Windows would give
// it: joined by single spaces, an argument holding a space wrapped in double
// quotes.
void JoinArguments(int argc, const char* const* argv, char16_t* commandLine, int capacity);

}  // namespace kelomed
