#include "app/win32/dpi_windows.h"

namespace kelomed {
namespace {

// Functions of newer Windows, looked up so that the programs still start on
// Windows 7 (DPI per monitor from 8.1, per-monitor awareness v2 and DPI per
// window from 10).
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustRectForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// A system library is loaded from the system folder by its full path, never
// found along the search path, where a planted copy could stand.
template <typename Function>
Function Find(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr) {
        wchar_t path[MAX_PATH + 32] = {};
        const UINT length = GetSystemDirectoryW(path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        path[length] = L'\\';
        lstrcpynW(path + length + 1, library, 31);
        module = LoadLibraryW(path);
    }
    return module != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

int MonitorDpi(HMONITOR monitor) {
    UINT dpiX = 0;
    UINT dpiY = 0;
    const auto forMonitor = Find<DpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
    // MDT_EFFECTIVE_DPI
    if (forMonitor != nullptr && SUCCEEDED(forMonitor(monitor, 0, &dpiX, &dpiY)) && dpiY > 0) {
        return static_cast<int>(dpiY);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace

OpeningMonitor MonitorUnderPointer() {
    POINT pointer = {0, 0};
    GetCursorPos(&pointer);
    HMONITOR monitor = MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (GetMonitorInfoW(monitor, &info)) {
        work = info.rcWork;
    }
    return {MonitorDpi(monitor),
            {work.left, work.top, work.right - work.left, work.bottom - work.top}};
}

SIZE WindowFrameAt(int dpi, DWORD style) {
    RECT outer = {0, 0, 100, 100};
    const auto forDpi = Find<AdjustRectForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (forDpi == nullptr || !forDpi(&outer, style, FALSE, 0, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&outer, style, FALSE, 0);
    }
    return {outer.right - outer.left - 100, outer.bottom - outer.top - 100};
}

}  // namespace kelomed
