#include <shlobj.h>
#include <windows.h>

#include "app/platform/record_files.h"
#include "engine/text_buffer.h"

namespace kelomed {

namespace {

// FOLDERID_LocalAppData, written here so that no GUID library is linked.
constexpr GUID kLocalAppData = {
    0xF1B32785, 0x6FBA, 0x4FCF, {0x9D, 0x55, 0x7B, 0x8E, 0x7F, 0x15, 0x70, 0x91}};

}  // namespace

// The known-folder API gives the folder at whatever length it has; one
// longer than `capacity` is refused, never cut.
bool ReadLocalAppDataFolder(char16_t* folder, int capacity) {
    PWSTR path = nullptr;
    const bool found =
        SHGetKnownFolderPath(kLocalAppData, 0, nullptr, &path) == S_OK && path != nullptr;
    const auto* wide = reinterpret_cast<const char16_t*>(path);
    const bool fits = found && wide[0] != 0 && TextLength(wide) < capacity;
    if (fits) {
        CopyText(folder, capacity, wide);
    }
    CoTaskMemFree(path);
    return fits;
}

LocalTime ReadLocalTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace kelomed
