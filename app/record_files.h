// Platform seams of the record store: the path separator, the local
// application-data folder and the local time, with a Windows and a POSIX body.
#pragma once

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

}  // namespace kelomed
