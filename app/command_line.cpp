#include "app/command_line.h"

#include <cstring>

#include "engine/text_buffer.h"
#include "engine/utf8.h"

namespace kelomed {
namespace {

constexpr char16_t kSwitch[] = u"--selftest";
constexpr int kSwitchLength = 10;

const char16_t* FindSwitch(const char16_t* text) {
    for (const char16_t* start = text; *start != 0; ++start) {
        int matched = 0;
        while (matched < kSwitchLength && start[matched] == kSwitch[matched]) {
            ++matched;
        }
        if (matched == kSwitchLength) {
            return start;
        }
    }
    return nullptr;
}

}  // namespace

bool FindSelftestPath(const char16_t* commandLine, char16_t* path, int pathCapacity) {
    if (commandLine == nullptr) {
        return false;
    }
    const char16_t* found = FindSwitch(commandLine);
    if (found == nullptr) {
        return false;
    }
    const char16_t* cursor = found + kSwitchLength;
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
