#include <windows.h>

#include "app/platform/files.h"
#include "app/platform/wide_text_windows.h"
#include "engine/utf8.h"

namespace kelomed {
namespace {

constexpr int kErrorLineBytes = 4096;

// Readers may share the file; a program that holds it without sharing (a
// spreadsheet editing it) makes the open fail, and the caller says so.
bool WriteBytes(const char16_t* path, DWORD access, DWORD disposition, const char* bytes,
                int size) {
    HANDLE file = CreateFileW(Wide(path), access, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL wrote =
        size == 0 || WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr);
    const BOOL closed = CloseHandle(file);
    return wrote && closed && (size == 0 || written == static_cast<DWORD>(size));
}

}  // namespace

bool WriteWholeFile(const char16_t* path, const char* bytes, int size) {
    return WriteBytes(path, GENERIC_WRITE, CREATE_ALWAYS, bytes, size);
}

bool AppendToFile(const char16_t* path, const char* bytes, int size) {
    return WriteBytes(path, FILE_APPEND_DATA, OPEN_ALWAYS, bytes, size);
}

int ReadFileStart(const char16_t* path, char* bytes, int capacity) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return -1;
    }
    DWORD read = 0;
    const BOOL done = ReadFile(file, bytes, static_cast<DWORD>(capacity), &read, nullptr);
    CloseHandle(file);
    return done ? static_cast<int>(read) : -1;
}

bool CreateFolder(const char16_t* path) {
    return CreateDirectoryW(Wide(path), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool FileExists(const char16_t* path) {
    return GetFileAttributesW(Wide(path)) != INVALID_FILE_ATTRIBUTES;
}

void WriteErrorLine(const char16_t* text) {
    HANDLE stream = GetStdHandle(STD_ERROR_HANDLE);
    if (stream == nullptr || stream == INVALID_HANDLE_VALUE) {
        return;
    }
    static char bytes[kErrorLineBytes];
    const int size = Utf16ToUtf8(text, bytes, kErrorLineBytes - 2);
    if (size < 0) {
        return;
    }
    bytes[size] = '\r';
    bytes[size + 1] = '\n';
    DWORD written = 0;
    WriteFile(stream, bytes, static_cast<DWORD>(size + 2), &written, nullptr);
}

}  // namespace kelomed
