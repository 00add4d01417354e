#include <shlobj.h>
#include <windows.h>

#include "app/record_files.h"
#include "engine/text_buffer.h"

namespace kelomed {

bool ReadLocalAppDataFolder(char16_t* folder, int capacity) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK ||
        path[0] == 0) {
        return false;
    }
    const auto* wide = reinterpret_cast<const char16_t*>(path);
    CopyText(folder, capacity, wide);
    return TextLength(wide) < capacity;
}

LocalTime ReadLocalTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

bool CreateFolder(const char16_t* path) {
    return CreateDirectoryW(reinterpret_cast<const wchar_t*>(path), nullptr) ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

bool FileExists(const char16_t* path) {
    return GetFileAttributesW(reinterpret_cast<const wchar_t*>(path)) != INVALID_FILE_ATTRIBUTES;
}

bool AppendToFile(const char16_t* path, const char* bytes, int size) {
    // Readers may share the file; a program that holds it without sharing
    // (a spreadsheet editing it) makes the open fail, and the save says so.
    HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(path), FILE_APPEND_DATA, FILE_SHARE_READ,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr);
    const BOOL closed = CloseHandle(file);
    return wrote && closed && written == static_cast<DWORD>(size);
}

}  // namespace kelomed
