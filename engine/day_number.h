// Day numbers: signed days since 1970-01-01 in the proleptic Gregorian
// calendar.
#pragma once

#include <cstdint>

namespace kelomed {

// A local calendar date, as the platform clock or a fixed test date gives it.
struct CivilDate {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

// Month and day are not validated: a day outside the month moves the date.
std::int64_t DaysFromCivil(std::int32_t year, std::int32_t month, std::int32_t day);

// Writes "YYYY-MM-DD" (four-digit year, sign first when negative). Returns the
// units written, or -1 when the text had to be cut to outCapacity - 1 units.
int FormatDayNumber(std::int64_t dayNumber, char16_t* out, int outCapacity);

}  // namespace kelomed
