#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "app/platform/files.h"
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

bool WriteAll(int descriptor, const char* bytes, int size) {
    int written = 0;
    while (written < size) {
        const ssize_t result = ::write(descriptor, bytes + written, size - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            return false;
        }
        written += static_cast<int>(result);
    }
    return true;
}

bool WriteFile(const char16_t* path, int openFlags, const char* bytes, int size) {
    char native[kNativePathCapacity];
    if (!NativePath(path, native)) {
        return false;
    }
    const int descriptor = ::open(native, O_WRONLY | O_CREAT | O_CLOEXEC | openFlags, 0644);
    if (descriptor < 0) {
        return false;
    }
    const bool written = WriteAll(descriptor, bytes, size);
    const bool closed = ::close(descriptor) == 0;
    return written && closed;
}

}  // namespace

bool WriteWholeFile(const char16_t* path, const char* bytes, int size) {
    return WriteFile(path, O_TRUNC, bytes, size);
}

bool AppendToFile(const char16_t* path, const char* bytes, int size) {
    return WriteFile(path, O_APPEND, bytes, size);
}

int ReadFileStart(const char16_t* path, char* bytes, int capacity) {
    char native[kNativePathCapacity];
    if (!NativePath(path, native)) {
        return -1;
    }
    const int descriptor = ::open(native, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return -1;
    }
    int size = 0;
    while (size < capacity) {
        const ssize_t result = ::read(descriptor, bytes + size, capacity - size);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            size = result < 0 ? -1 : size;
            break;
        }
        size += static_cast<int>(result);
    }
    ::close(descriptor);
    return size;
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

void WriteErrorLine(const char16_t* text) {
    static char bytes[4096];
    const int size = Utf16ToUtf8(text, bytes, static_cast<int>(sizeof bytes) - 1);
    if (size >= 0) {
        bytes[size] = '\n';
        WriteAll(STDERR_FILENO, bytes, size + 1);
    }
}

}  // namespace kelomed
