#include "app/decisions/command_line.h"

#include <cstdint>

#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr char16_t kSelftestSwitch[] = u"--selftest";
constexpr char16_t kTodaySwitch[] = u"--today=";
constexpr char16_t kSetSwitch[] = u"--set";
constexpr char16_t kDefaultPath[] = u"selftest.txt";

bool Equal(const char16_t* a, const char16_t* b) {
    int i = 0;
    for (; a[i] != 0 && a[i] == b[i]; ++i) {
    }
    return a[i] == b[i];
}

bool StartsWith(const char16_t* text, const char16_t* prefix) {
    int i = 0;
    for (; prefix[i] != 0 && text[i] == prefix[i]; ++i) {
    }
    return prefix[i] == 0;
}

// Reads `count` decimal digits; false when any is not a digit.
bool ReadDigits(const char16_t* text, int count, std::int32_t& value) {
    value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < u'0' || text[i] > u'9') {
            return false;
        }
        value = value * 10 + (text[i] - u'0');
    }
    return true;
}

// "YYYY-MM-DD" and nothing after it, with a month and a day in range.
bool ReadDate(const char16_t* text, CivilDate& date) {
    CivilDate read{};
    const bool wellFormed = ReadDigits(text, 4, read.year) && text[4] == u'-' &&
                            ReadDigits(text + 5, 2, read.month) && text[7] == u'-' &&
                            ReadDigits(text + 8, 2, read.day) && text[10] == 0;
    if (!wellFormed || read.month < 1 || read.month > 12 || read.day < 1 || read.day > 31) {
        return false;
    }
    date = read;
    return true;
}

}  // namespace

bool ParseSelftestArguments(int count, const char16_t* const* arguments, SelftestRequest& request) {
    bool asked = false;
    for (int i = 0; i < count; ++i) {
        const char16_t* argument = arguments[i];
        if (StartsWith(argument, kTodaySwitch)) {
            request.todayGiven =
                ReadDate(argument + TextLength(kTodaySwitch), request.today) || request.todayGiven;
            continue;
        }
        if (Equal(argument, kSetSwitch)) {
            if (i + 1 >= count || request.setCount == kMostSetPairs) {
                request.setMissing = true;
            } else {
                request.setPairs[request.setCount++] = arguments[++i];
            }
            continue;
        }
        if (asked || !Equal(argument, kSelftestSwitch)) {
            continue;
        }
        asked = true;
        const bool pathFollows = i + 1 < count && !StartsWith(arguments[i + 1], u"--");
        const char16_t* path =
            pathFollows && HasText(arguments[i + 1]) ? arguments[i + 1] : kDefaultPath;
        request.pathFits = TextLength(path) < kSelftestPathCapacity;
        CopyText(request.path, kSelftestPathCapacity, path);
        if (pathFollows) {
            ++i;
        }
    }
    return asked;
}

}  // namespace kelomed
