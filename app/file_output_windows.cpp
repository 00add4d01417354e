#include <windows.h>

#include "app/file_output.h"

namespace kelomed {

bool WriteWholeFile(const char16_t* path, const char* bytes, int size) {
    HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL wrote =
        size == 0 || WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr);
    const BOOL closed = CloseHandle(file);
    return wrote && closed && (size == 0 || written == static_cast<DWORD>(size));
}

}  // namespace kelomed
