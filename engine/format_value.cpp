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

const char16_t* FixedFormatOf(const char* code) {
    if (CodeIs(code, "f0") || CodeIs(code, "int")) {
        return u"%.0f";
    }
    if (CodeIs(code, "f1")) {
        return u"%.1f";
    }
    if (CodeIs(code, "f3")) {
        return u"%.3f";
    }
    if (CodeIs(code, "pct")) {
        return u"%.1f%%";
    }
    return u"%.2f";
}

constexpr int kShownTextCapacity = 128;

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
    if (FormatText(out, outCapacity, FixedFormatOf(effective), value) > kLongestFixedText) {
        FormatText(out, outCapacity, CodeIs(effective, "pct") ? u"%.6g%%" : u"%.6g", value);
    }
}

double ShownValue(const char* code, double value) {
    char16_t text[kShownTextCapacity];
    FormatValue(code, value, text, kShownTextCapacity);
    if (code != nullptr && CodeIs(code, "date")) {
        return text[0] == u'-' && text[1] == u'-' ? std::nan("") : std::trunc(value);
    }
    // The text is ASCII: a sign, digits, a point, an exponent, a percent sign.
    char narrow[kShownTextCapacity];
    int length = 0;
    for (; text[length] != 0 && text[length] != u'%'; ++length) {
        narrow[length] = static_cast<char>(text[length]);
    }
    double shown = 0;
    const auto result = std::from_chars(narrow, narrow + length, shown);
    return result.ec == std::errc() && result.ptr == narrow + length ? shown : std::nan("");
}

}  // namespace kelomed
