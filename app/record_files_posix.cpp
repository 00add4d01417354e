#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/record_files.h"
#include "engine/format_text.h"
#include "engine/utf8.h"

namespace kelomed {
namespace {

constexpr int kNativePathCapacity = 4096;

bool NativePath(const char16_t* path, char* native) {
    const int length = Utf16ToUtf8(path, native, kNativePathCapacity - 1);
    if (length <= 0) {
        return false;
    }
    native[length] = 0;
    return true;
}

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

bool CreateFolder(const char16_t* path) {
    char native[kNativePathCapacity];
    return NativePath(path, native) && (::mkdir(native, 0755) == 0 || errno == EEXIST);
}

bool FileExists(const char16_t* path) {
    char native[kNativePathCapacity];
    struct stat status {};
    return NativePath(path, native) && ::stat(native, &status) == 0;
}

bool AppendToFile(const char16_t* path, const char* bytes, int size) {
    char native[kNativePathCapacity];
    if (!NativePath(path, native)) {
        return false;
    }
    const int descriptor = ::open(native, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return false;
    }
    ssize_t written = 0;
    do {
        written = ::write(descriptor, bytes, static_cast<std::size_t>(size));
    } while (written < 0 && errno == EINTR);
    const bool closed = ::close(descriptor) == 0;
    return written == size && closed;
}

}  // namespace kelomed
