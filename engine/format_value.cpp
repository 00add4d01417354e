#include "engine/format_value.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/day_number.h"
#include "engine/format_text.h"

namespace kelomed {
namespace {

// A fixed-point text longer than this (magnitudes near 1e76 and above) would
// be cut and read as a wrong number; such values print in exponent form.
constexpr int kLongestFixedText = 79;

bool CodeIs(const char* code, const char* name) {
    return std::strcmp(code, name) == 0;
}

// "g3" keeps at least three significant digits whatever the magnitude, so a
// small infusion concentration or dose reads 0.0267 rather than 0.03; below
// 1e-15 it turns to exponent form rather than show a row of zeros.
constexpr int kMostSignificantDecimals = 15;

int DecimalsForThreeDigits(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude >= 100) {
        return 0;
    }
    if (magnitude >= 10) {
        return 1;
    }
    int decimals = 2;
    for (double bound = 1; magnitude != 0 && magnitude < bound; bound /= 10) {
        ++decimals;
    }
    return decimals;
}

// "sig2" is "f2" from 0.1 up, and below it keeps two significant digits, so
// that a pump rate of 0.0075 ml/h reads so rather than 0.01. A value that
// rounds up to the power of ten above it keeps two digits there too: 0.0995
// reads "0.10", not "0.100".
int DecimalsForTwoDigits(double value) {
    const double magnitude = std::fabs(value);
    int decimals = 2;
    double bound = 0.1;
    for (; magnitude != 0 && magnitude < bound; bound /= 10) {
        ++decimals;
    }
    if (decimals > 2 && decimals <= kMostSignificantDecimals) {
        char16_t text[32];
        char16_t format[8];
        FormatText(format, 8, u"%%.%df", decimals);
        FormatText(text, 32, format, magnitude);
        if (ShownValue("f2", magnitude, text) >= bound * 10) {
            --decimals;
        }
    }
    return decimals;
}

// The printf format of the code for `value`, written into `format`.
void FormatOfCode(const char* code, double value, char16_t (&format)[8]) {
    int decimals = 2;
    if (CodeIs(code, "f0") || CodeIs(code, "int")) {
        decimals = 0;
    } else if (CodeIs(code, "f1") || CodeIs(code, "pct")) {
        decimals = 1;
    } else if (CodeIs(code, "f3")) {
        decimals = 3;
    } else if (CodeIs(code, "sig2")) {
        decimals = DecimalsForTwoDigits(value);
        if (decimals > kMostSignificantDecimals) {
            FormatText(format, 8, u"%%.2g");
            return;
        }
    } else if (CodeIs(code, "g3")) {
        decimals = DecimalsForThreeDigits(value);
        if (decimals > kMostSignificantDecimals) {
            FormatText(format, 8, u"%%.3g");
            return;
        }
    }
    FormatText(format, 8, CodeIs(code, "pct") ? u"%%.%df%%%%" : u"%%.%df", decimals);
}

// Whole minutes of a value, to the nearest, an exact half minute up (away
// from zero); false beyond what a 64-bit count holds. Durations and clock
// times both round here, from the minutes as computed.
bool WholeMinutes(double minutes, long long& whole) {
    if (!(minutes > -0x1p62 && minutes < 0x1p62)) {
        return false;
    }
    whole = std::llround(minutes);
    return true;
}

constexpr long long kMinutesPerDay = 24 * 60;

void FormatDuration(double minutes, char16_t* out, int outCapacity) {
    long long whole = 0;
    if (!WholeMinutes(minutes, whole)) {
        FormatText(out, outCapacity, u"--");
        return;
    }
    FormatText(out, outCapacity, u"%lld 小时 %lld 分", whole / 60, whole % 60);
}

// The whole minutes a time until something has surely run, rounded down:
// a syringe that empties in 6.7 minutes is said to last 6, never 7. A time
// that is a whole number of minutes may be computed a few units of the last
// place below it (350 as 349.99999999999994); within a millionth of a
// millionth of a whole minute it counts as that minute.
bool MinutesBefore(double minutes, long long& whole) {
    return minutes >= 0 && WholeMinutes(std::floor(minutes * (1 + 1e-12)), whole);
}

void FormatTimeUntil(double minutes, char16_t* out, int outCapacity) {
    long long whole = 0;
    if (!MinutesBefore(minutes, whole)) {
        FormatText(out, outCapacity, u"--");
    } else if (whole == 0) {
        FormatText(out, outCapacity, u"不足 1 分钟");
    } else {
        FormatText(out, outCapacity, u"%lld 小时 %lld 分", whole / 60, whole % 60);
    }
}

void FormatClockTime(double minutes, char16_t* out, int outCapacity) {
    long long whole = 0;
    if (!WholeMinutes(minutes, whole) || whole < 0) {
        FormatText(out, outCapacity, u"--");
        return;
    }
    const long long day = whole / kMinutesPerDay;
    const long long minute = whole % kMinutesPerDay;
    if (day == 0) {
        FormatText(out, outCapacity, u"%lld:%02lld", minute / 60, minute % 60);
    } else if (day == 1) {
        FormatText(out, outCapacity, u"次日 %lld:%02lld", minute / 60, minute % 60);
    } else {
        FormatText(out, outCapacity, u"第%lld天 %lld:%02lld", day + 1, minute / 60, minute % 60);
    }
}

}  // namespace

void FormatValue(const char* code, double value, char16_t* out, int outCapacity) {
    if (!std::isfinite(value)) {
        FormatText(out, outCapacity, u"--");
        return;
    }
    const char* effective = code != nullptr ? code : "f2";
    if (CodeIs(effective, "date")) {
        // Truncation toward zero, defined for every double in [-2^63, 2^63);
        // a value outside the 64-bit range has no date.
        if (!(value >= -0x1p63 && value < 0x1p63)) {
            FormatText(out, outCapacity, u"--");
            return;
        }
        FormatDayNumber(static_cast<std::int64_t>(value), out, outCapacity);
        return;
    }
    if (CodeIs(effective, "hm")) {
        FormatDuration(value, out, outCapacity);
        return;
    }
    if (CodeIs(effective, "until")) {
        FormatTimeUntil(value, out, outCapacity);
        return;
    }
    if (CodeIs(effective, "clock")) {
        FormatClockTime(value, out, outCapacity);
        return;
    }
    char16_t format[8];
    FormatOfCode(effective, value, format);
    if (FormatText(out, outCapacity, format, value) > kLongestFixedText) {
        FormatText(out, outCapacity, CodeIs(effective, "pct") ? u"%.6g%%" : u"%.6g", value);
    }
}

void FormatShortest(double value, char16_t* out, int outCapacity) {
    if (!std::isfinite(value)) {
        FormatText(out, outCapacity, u"--");
        return;
    }
    // At most 24 characters: a sign, 17 digits, a point and an exponent.
    char narrow[32];
    const auto written = std::to_chars(narrow, narrow + sizeof narrow - 1, value);
    *written.ptr = 0;
    char16_t wide[32];
    int i = 0;
    for (; narrow[i] != 0; ++i) {
        wide[i] = static_cast<char16_t>(narrow[i]);
    }
    wide[i] = 0;
    FormatText(out, outCapacity, u"%ls", wide);
}

double ShownValue(const char* code, double value, const char16_t* text) {
    const bool dashes = text[0] == u'-' && text[1] == u'-';
    if (code != nullptr && CodeIs(code, "date")) {
        return dashes ? std::nan("") : std::trunc(value);
    }
    long long minutes = 0;
    if (code != nullptr && CodeIs(code, "hm")) {
        return dashes || !WholeMinutes(value, minutes) ? std::nan("")
                                                       : static_cast<double>(minutes);
    }
    if (code != nullptr && CodeIs(code, "until")) {
        return dashes || !MinutesBefore(value, minutes) ? std::nan("")
                                                        : static_cast<double>(minutes);
    }
    if (code != nullptr && CodeIs(code, "clock")) {
        return dashes || !WholeMinutes(value, minutes) ? std::nan("")
                                                       : static_cast<double>(minutes);
    }
    // The text is ASCII: a sign, digits, a point, an exponent, a percent
    // sign; and no longer than the longest fixed text.
    char narrow[kLongestFixedText];
    int length = 0;
    for (; text[length] != 0 && text[length] != u'%'; ++length) {
        if (length == kLongestFixedText) {
            return std::nan("");
        }
        narrow[length] = static_cast<char>(text[length]);
    }
    double shown = 0;
    const auto result = std::from_chars(narrow, narrow + length, shown);
    return result.ec == std::errc() && result.ptr == narrow + length ? shown : std::nan("");
}

}  // namespace kelomed
