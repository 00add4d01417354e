#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/platform/record_files.h"
#include "engine/format_text.h"
#include "engine/utf8.h"

namespace kelomed {
namespace {

constexpr int kNativePathCapacity = 4096;

}  // namespace

bool ReadLocalAppDataFolder(char16_t* folder, int capacity) {
    // The XDG data folder is the nearest POSIX counterpart.
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    char16_t wide[kNativePathCapacity];
    if (data != nullptr && data[0] == '/') {
        Utf8ToUtf16(data, static_cast<int>(std::strlen(data)), wide, kNativePathCapacity);
        return FormatText(folder, capacity, u"%ls", wide) < capacity;
    }
    if (home != nullptr && home[0] == '/') {
        Utf8ToUtf16(home, static_cast<int>(std::strlen(home)), wide, kNativePathCapacity);
        return FormatText(folder, capacity, u"%ls/.local/share", wide) < capacity;
    }
    return false;
}

LocalTime ReadLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace kelomed
