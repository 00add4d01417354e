// Today's local date, read from the platform clock through a seam that
// tests can point at a fixed date.
#pragma once

#include <cstdint>

namespace kelomed {

struct CivilDate {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

using LocalDateSource = CivilDate (*)();

// The platform clock (Windows GetLocalTime, POSIX localtime_r).
CivilDate ReadPlatformLocalDate();

// Today's date from the current source: the platform clock unless replaced.
CivilDate ReadLocalDate();

// Replaces the source (null restores the platform clock); returns the
// previous one.
LocalDateSource SetLocalDateSource(LocalDateSource source);

// Makes today `date` from now on, whatever the platform clock says.
void FixLocalDate(CivilDate date);

}  // namespace kelomed
