#include "app/decisions/field_text.h"

#include <charconv>
#include <cmath>

namespace kelomed {
namespace {

bool IsFieldSpace(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == 0x3000;
}

// The ASCII form of a character that may stand in a number, or 0.
char NumberCharacter(char16_t unit) {
    if (unit >= 0xFF10 && unit <= 0xFF19) {
        return static_cast<char>('0' + (unit - 0xFF10));
    }
    switch (unit) {
        case 0xFF0B:
            return '+';
        case 0xFF0D:
        case 0x2212:  // minus sign
            return '-';
        case 0xFF0E:
            return '.';
        case 0xFF45:
            return 'e';
        case 0xFF25:
            return 'E';
        default:
            break;
    }
    if ((unit >= u'0' && unit <= u'9') || unit == u'+' || unit == u'-' || unit == u'.' ||
        unit == u'e' || unit == u'E') {
        return static_cast<char>(unit);
    }
    return 0;
}

// The ASCII digit of a unit, or -1.
int DigitOf(char16_t unit) {
    const char c = NumberCharacter(unit);
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

bool IsColon(char16_t unit) {
    return unit == u':' || unit == 0xFF1A;
}

}  // namespace

bool ParseFieldText(const char16_t* text, double& value) {
    if (text == nullptr) {
        value = 0;
        return true;
    }
    int begin = 0;
    while (IsFieldSpace(text[begin])) {
        ++begin;
    }
    int end = begin;
    while (text[end] != 0) {
        ++end;
    }
    if (end > kFieldTextLimit) {
        return false;
    }
    while (end > begin && IsFieldSpace(text[end - 1])) {
        --end;
    }
    if (begin == end) {
        value = 0;
        return true;
    }
    char narrow[kFieldTextLimit + 1] = {};
    int length = 0;
    for (int i = begin; i < end; ++i) {
        const char c = NumberCharacter(text[i]);
        if (c == 0) {
            return false;
        }
        narrow[length++] = c;
    }
    const char* first = narrow;
    const char* last = narrow + length;
    bool negative = false;
    if (*first == '+' || *first == '-') {
        negative = *first == '-';
        ++first;
    }
    // from_chars reads no sign of its own, so a second sign is refused here.
    if (first == last || *first == '+' || *first == '-') {
        return false;
    }
    double parsed = 0;
    const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(parsed)) {
        return false;
    }
    value = negative ? -parsed : parsed;
    return true;
}

bool ParseClockTimeText(const char16_t* text, double& hours) {
    if (text == nullptr) {
        return false;
    }
    int begin = 0;
    while (IsFieldSpace(text[begin])) {
        ++begin;
    }
    int end = begin;
    while (text[end] != 0 && end - begin <= kFieldTextLimit) {
        ++end;
    }
    while (end > begin && IsFieldSpace(text[end - 1])) {
        --end;
    }
    // One or two digits of hours, then optionally a colon and two of minutes.
    int hour = 0;
    int at = begin;
    for (; at < end && at - begin < 2 && DigitOf(text[at]) >= 0; ++at) {
        hour = hour * 10 + DigitOf(text[at]);
    }
    if (at == begin || hour > 23) {
        return false;
    }
    int minute = 0;
    if (at < end) {
        if (!IsColon(text[at]) || end - at != 3 || DigitOf(text[at + 1]) < 0 ||
            DigitOf(text[at + 2]) < 0) {
            return false;
        }
        minute = DigitOf(text[at + 1]) * 10 + DigitOf(text[at + 2]);
        if (minute > 59) {
            return false;
        }
    }
    hours = hour + minute / 60.0;
    return true;
}

}  // namespace kelomed
