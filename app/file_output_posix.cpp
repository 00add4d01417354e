#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "app/file_output.h"
#include "engine/utf8.h"

namespace kelomed {
namespace {

constexpr int kNativePathCapacity = 4096;

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

}  // namespace

bool WriteWholeFile(const char16_t* path, const char* bytes, int size) {
    char nativePath[kNativePathCapacity];
    const int length = Utf16ToUtf8(path, nativePath, kNativePathCapacity - 1);
    if (length <= 0) {
        return false;
    }
    nativePath[length] = 0;
    const int descriptor = ::open(nativePath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return false;
    }
    const bool written = WriteAll(descriptor, bytes, size);
    const bool closed = ::close(descriptor) == 0;
    return written && closed;
}

}  // namespace kelomed
