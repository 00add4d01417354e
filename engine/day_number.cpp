#include "engine/day_number.h"

#include "engine/format_text.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr std::int64_t kDaysTo1970 = 719468;
constexpr std::int64_t kDaysPerEra = 146097;
// Beyond this the shifted day count z = dayNumber + 719468 would overflow;
// below it every step of the algorithm stays within 64 bits (down to the
// least day number, whose era times 146097 stays above INT64_MIN).
constexpr std::int64_t kLargestDayNumber = INT64_MAX - kDaysTo1970;

}  // namespace

std::int64_t DaysFromCivil(std::int32_t year, std::int32_t month, std::int32_t day) {
    const std::int64_t y = month <= 2 ? std::int64_t{year} - 1 : std::int64_t{year};
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t shiftedMonth = month > 2 ? std::int64_t{month} - 3 : std::int64_t{month} + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kDaysPerEra + dayOfEra - kDaysTo1970;
}

int FormatDayNumber(std::int64_t dayNumber, char16_t* out, int outCapacity) {
    if (dayNumber > kLargestDayNumber) {
        const int length = FormatText(out, outCapacity, u"--");
        return length < outCapacity ? length : -1;
    }
    const std::int64_t z = dayNumber + kDaysTo1970;
    const std::int64_t era = (z >= 0 ? z : z - (kDaysPerEra - 1)) / kDaysPerEra;
    const std::int64_t dayOfEra = z - era * kDaysPerEra;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    const int length =
        FormatText(out, outCapacity, u"%04lld-%02lld-%02lld", static_cast<long long>(year),
                   static_cast<long long>(month), static_cast<long long>(day));
    return length < outCapacity ? length : -1;
}

}  // namespace kelomed
