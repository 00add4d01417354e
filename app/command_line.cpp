#include "app/command_line.h"

#include <cstdint>
#include <cstring>

#include "engine/text_buffer.h"
#include "engine/utf8.h"

namespace kelomed {
namespace {

constexpr char16_t kSelftestSwitch[] = u"--selftest";
constexpr char16_t kTodaySwitch[] = u"--today=";

// The first occurrence of `word` in `text`, or null.
const char16_t* FindWord(const char16_t* text, const char16_t* word) {
    const int length = TextLength(word);
    for (const char16_t* start = text; *start != 0; ++start) {
        int matched = 0;
        while (matched < length && start[matched] == word[matched]) {
            ++matched;
        }
        if (matched == length) {
            return start;
        }
    }
    return nullptr;
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

}  // namespace

bool FindSelftestPath(const char16_t* commandLine, char16_t* path, int pathCapacity) {
    if (commandLine == nullptr) {
        return false;
    }
    const char16_t* found = FindWord(commandLine, kSelftestSwitch);
    if (found == nullptr) {
        return false;
    }
    const char16_t* cursor = found + TextLength(kSelftestSwitch);
    while (*cursor == u' ') {
        ++cursor;
    }
    char16_t end = u' ';
    if (*cursor == u'"') {
        end = u'"';
        ++cursor;
    }
    int length = 0;
    while (cursor[length] != 0 && cursor[length] != end) {
        ++length;
    }
    CopyText(path, pathCapacity, u"");
    AppendUnits(path, pathCapacity, cursor, length);
    if (pathCapacity > 0 && path[0] == 0) {
        CopyText(path, pathCapacity, u"selftest.txt");
    }
    return true;
}

bool FindSelftestToday(const char16_t* commandLine, CivilDate& today) {
    const char16_t* found = commandLine != nullptr ? FindWord(commandLine, kTodaySwitch) : nullptr;
    if (found == nullptr) {
        return false;
    }
    const char16_t* date = found + TextLength(kTodaySwitch);
    CivilDate read{};
    const bool wellFormed = ReadDigits(date, 4, read.year) && date[4] == u'-' &&
                            ReadDigits(date + 5, 2, read.month) && date[7] == u'-' &&
                            ReadDigits(date + 8, 2, read.day);
    if (!wellFormed || read.month < 1 || read.month > 12 || read.day < 1 || read.day > 31) {
        return false;
    }
    today = read;
    return true;
}

void JoinArguments(int argc, const char* const* argv, char16_t* commandLine, int capacity) {
    CopyText(commandLine, capacity, u"");
    for (int i = 0; i < argc; ++i) {
        const char* argument = argv[i];
        const bool quoted = std::strchr(argument, ' ') != nullptr;
        if (i > 0) {
            AppendText(commandLine, capacity, u" ");
        }
        if (quoted) {
            AppendText(commandLine, capacity, u"\"");
        }
        const int length = TextLength(commandLine);
        if (length < capacity - 1) {
            Utf8ToUtf16(argument, static_cast<int>(std::strlen(argument)), commandLine + length,
                        capacity - length);
        }
        if (quoted) {
            AppendText(commandLine, capacity, u"\"");
        }
    }
}

}  // namespace kelomed
