#include "app/decisions/recent_tools.h"

#include <charconv>

#include "app/platform/record_files.h"
#include "engine/format_text.h"

namespace kelomed {

int ReadRecentTools(const char* bytes, int size, std::span<const ToolDef* const> tools, int* ids,
                    int capacity) {
    const int most = capacity < kMostRecentTools ? capacity : kMostRecentTools;
    int count = 0;
    for (int start = 0; start < size && count < most;) {
        int end = start;
        while (end < size && bytes[end] != '\n') {
            ++end;
        }
        const int next = end + 1;
        if (end > start && bytes[end - 1] == '\r') {
            --end;
        }
        int id = 0;
        const auto read = std::from_chars(bytes + start, bytes + end, id);
        bool known = read.ec == std::errc() && read.ptr == bytes + end && end - start <= 3;
        bool listed = false;
        for (int i = 0; i < count; ++i) {
            listed = listed || ids[i] == id;
        }
        bool inSuite = false;
        for (const ToolDef* tool : tools) {
            inSuite = inSuite || tool->id == id;
        }
        if (known && inSuite && !listed) {
            ids[count++] = id;
        }
        start = next;
    }
    return count;
}

void RememberTool(int* ids, int& count, int id) {
    int at = 0;
    while (at < count && ids[at] != id) {
        ++at;
    }
    if (at == count) {
        at = count < kMostRecentTools ? count++ : kMostRecentTools - 1;
    }
    for (; at > 0; --at) {
        ids[at] = ids[at - 1];
    }
    ids[0] = id;
}

int FormatRecentTools(const int* ids, int count, char* bytes, int capacity) {
    int size = 0;
    for (int i = 0; i < count; ++i) {
        char line[8];
        const auto written = std::to_chars(line, line + 4, ids[i]);
        const int length = static_cast<int>(written.ptr - line);
        if (written.ec != std::errc() || size + length + 2 > capacity) {
            break;
        }
        for (int j = 0; j < length; ++j) {
            bytes[size++] = line[j];
        }
        bytes[size++] = '\r';
        bytes[size++] = '\n';
    }
    return size;
}

bool FormatRecentToolsFolder(const char16_t* appDataFolder, char16_t* folder, int capacity) {
    const char16_t separator[] = {kPathSeparator, 0};
    return FormatText(folder, capacity, u"%ls%ls%ls", appDataFolder, separator, kSuiteFolderName) <
           capacity;
}

bool FormatRecentToolsPath(const char16_t* appDataFolder, char16_t* path, int capacity) {
    const char16_t separator[] = {kPathSeparator, 0};
    return FormatText(path, capacity, u"%ls%ls%ls%lsrecent-tools.txt", appDataFolder, separator,
                      kSuiteFolderName, separator) < capacity;
}

}  // namespace kelomed
