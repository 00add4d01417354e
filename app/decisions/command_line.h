// The program's arguments: whether to run the self-test, where to write its
// report, and the date it takes for today.
#pragma once

#include "app/decisions/suite_names.h"
#include "engine/day_number.h"

namespace kelomed {

inline constexpr int kSelftestPathCapacity = kPathCapacity;
// The most --set pairs one self-test takes.
inline constexpr int kMostSetPairs = 64;

struct SelftestRequest {
    // The report file; "selftest.txt" when no path follows the switch.
    char16_t path[kSelftestPathCapacity] = {};
    // False when the path is longer than 519 units: the report cannot be
    // written where it was asked for.
    bool pathFits = true;
    // The date a report counts from: "--today=YYYY-MM-DD", else unset.
    bool todayGiven = false;
    CivilDate today = {};
    // The "KEY=VALUE" arguments of each --set, in order; they point into
    // the arguments given to the parser.
    const char16_t* setPairs[kMostSetPairs] = {};
    int setCount = 0;
    // True when a --set has no argument after it, or there are more than
    // kMostSetPairs.
    bool setMissing = false;
};

// Reads the arguments after the program's own name. "--selftest" asks for
// the self-test; the argument after it is the report's path unless it starts
// with "--". "--today=YYYY-MM-DD" gives today's date (a malformed one is
// ignored). "--set KEY=VALUE", repeatable, gives an input another value than
// its default. Arguments are whole words: a folder named "x--selftest" or an
// argument "--selftestX" asks for nothing. Returns whether the self-test was
// asked for.
bool ParseSelftestArguments(int count, const char16_t* const* arguments, SelftestRequest& request);

}  // namespace kelomed
