// Platform seams of the record store: the path separator, the local
// application-data folder and the local time, with a Windows and a POSIX body.
#pragma once

#include "engine/day_number.h"

namespace kelomed {

#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
// "C:\" is never created.
inline constexpr int kFirstCreatableIndex = 3;
#else
inline constexpr char16_t kPathSeparator = u'/';
inline constexpr int kFirstCreatableIndex = 1;
#endif

struct LocalTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};

// The user's local (non-roaming) application-data folder; false when the
// platform cannot say.
bool ReadLocalAppDataFolder(char16_t* folder, int capacity);

LocalTime ReadLocalTime();

// The date of a local time: today, for the reports that count from it.
inline CivilDate DateOf(const LocalTime& time) {
    return {time.year, time.month, time.day};
}

}  // namespace kelomed
