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

}  // namespace kelomed
