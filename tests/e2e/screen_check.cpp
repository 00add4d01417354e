#include "tests/e2e/screen_check.h"

#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/win32/look_windows.h"
#include "tests/e2e/checks.h"
#include "tests/e2e/gui_probe.h"

namespace kelomed::e2e {
namespace {

constexpr int kFieldFontIndex = 3;  // GuiFont kFieldFont
constexpr int kTitleFontIndex = 0;
constexpr int kScaleQuery = 8;  // kFontCount: the scale in thousandths
constexpr int kBaseFieldFont = 15;
constexpr int kBaseTitleFont = 27;

struct Control {
    HWND window;
    RECT box;  // in the client coordinates of `parent`
    HWND parent;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM parameter) {
    auto* controls = reinterpret_cast<std::vector<Control>*>(parameter);
    if (!IsWindowVisible(child)) {
        return TRUE;
    }
    const HWND parent = GetParent(child);
    RECT box;
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
    controls->push_back({child, box, parent});
    return TRUE;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::wstring Describe(const RECT& box) {
    return std::to_wstring(box.right - box.left) + L"x" + std::to_wstring(box.bottom - box.top) +
           L"+" + std::to_wstring(box.left) + L"+" + std::to_wstring(box.top);
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

}  // namespace

int CheckScreen(const std::wstring& program, int dpi) {
    GuiProbe gui;
    if (!gui.Launch(program)) {
        std::printf("FAIL the window did not open\n");
        return 1;
    }
    Checks checks;
    const HWND main = gui.main();
    RECT outer;
    RECT client;
    GetWindowRect(main, &outer);
    GetClientRect(main, &client);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const UINT query = RegisterWindowMessageW(Wide(kLayoutQueryMessage));
    DWORD_PTR scaleThousandths = 0;
    DWORD_PTR fieldFont = 0;
    DWORD_PTR titleFont = 0;
    SendMessageTimeoutW(main, query, kScaleQuery, 0, SMTO_ABORTIFHUNG, 3000, &scaleThousandths);
    SendMessageTimeoutW(main, query, kFieldFontIndex, 0, SMTO_ABORTIFHUNG, 3000, &fieldFont);
    SendMessageTimeoutW(main, query, kTitleFontIndex, 0, SMTO_ABORTIFHUNG, 3000, &titleFont);
    const double scale = static_cast<double>(scaleThousandths) / 1000;
    const double wanted = dpi / 96.0;
    const int frameWidth = (outer.right - outer.left) - client.right;
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;
    Print(L"SCREEN dpi " + std::to_wstring(dpi) + L" work " + Describe(work) + L" window " +
          Describe(outer) + L" client " + std::to_wstring(client.right) + L"x" +
          std::to_wstring(client.bottom) + L" scale " + std::to_wstring(scale) + L"\n");

    checks.Expect(Inside(outer, work),
                  L"the whole window, title bar included, lies in the work area",
                  Describe(outer) + L" in " + Describe(work));
    const bool wantedFits = std::floor(1020 * wanted) + frameWidth <= work.right - work.left &&
                            std::floor(720 * wanted) + frameHeight <= work.bottom - work.top;
    if (wantedFits) {
        checks.Expect(std::abs(client.right - 1020 * wanted) <= 1 &&
                          std::abs(client.bottom - 720 * wanted) <= 1,
                      L"the client is 1020 x 720 times " + std::to_wstring(wanted),
                      std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom));
    } else {
        // Shrunk to the largest size that fits: one more pixel would not.
        const bool binds = (outer.bottom - outer.top) >= (work.bottom - work.top) - 1 ||
                           (outer.right - outer.left) >= (work.right - work.left) - 1;
        checks.Expect(scale < wanted && binds,
                      L"too large at " + std::to_wstring(wanted) + L": shrunk to fit the work area",
                      Describe(outer) + L" in " + Describe(work));
    }
    checks.Expect(
        std::abs(client.right - 1020 * scale) <= 1 && std::abs(client.bottom - 720 * scale) <= 1,
        L"the client is the layout at the window's scale " + std::to_wstring(scale));
    checks.Expect(
        std::abs(static_cast<double>(fieldFont) - kBaseFieldFont * scale) <= 0.5 &&
            std::abs(static_cast<double>(titleFont) - kBaseTitleFont * scale) <= 0.5,
        L"the fonts' heights scale with the window",
        L"field " + std::to_wstring(fieldFont) + L", title " + std::to_wstring(titleFont));

    // Every control in the client area (a panel's control within the panel),
    // none over another.
    std::vector<Control> controls;
    EnumChildWindows(main, CollectChild, reinterpret_cast<LPARAM>(&controls));
    std::wstring outside;
    std::wstring overlaps;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        RECT area;
        GetClientRect(controls[i].parent, &area);
        const RECT& box = controls[i].box;
        // A control of the scrolling panel lies across its width; one
        // scrolled out of view is not shown.
        const bool inPanel = controls[i].parent != main;
        const bool placed = inPanel
                                ? !Overlap(box, area) || (box.left >= 0 && box.right <= area.right)
                                : Inside(box, area);
        if (!placed) {
            outside += ClassName(controls[i].window) + L" " + Describe(box) + L"; ";
        }
        for (std::size_t k = i + 1; k < controls.size(); ++k) {
            if (controls[k].parent == controls[i].parent && Overlap(box, controls[k].box)) {
                overlaps += ClassName(controls[i].window) + L" " + Describe(box) + L" and " +
                            ClassName(controls[k].window) + L" " + Describe(controls[k].box) +
                            L"; ";
            }
        }
    }
    checks.Expect(outside.empty(), L"every control lies within the client", outside);
    checks.Expect(overlaps.empty(), L"no control overlaps another", overlaps);
    checks.Expect(controls.size() > 10, L"the window's controls were found",
                  std::to_wstring(controls.size()));

    POINT origin = {0, 0};
    ClientToScreen(main, &origin);
    Print(L"CLIENT " + std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom) +
          L"+" + std::to_wstring(origin.x) + L"+" + std::to_wstring(origin.y) + L"\n");
    checks.Summary();
    return checks.failed() == 0 ? 0 : 1;
}

int CheckManifest(const std::wstring& program) {
    Checks checks;
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    std::string manifest;
    if (module != nullptr) {
        HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
        HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
        const char* bytes =
            loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
        if (bytes != nullptr) {
            manifest.assign(bytes, SizeofResource(module, resource));
        }
        FreeLibrary(module);
    }
    checks.Expect(
        manifest.find("<dpiAwareness") != std::string::npos &&
            manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>") != std::string::npos,
        L"the manifest declares per-monitor DPI awareness, version 2 first");
    checks.Expect(manifest.find(">true/pm</dpiAware>") != std::string::npos,
                  L"the manifest falls back to the system's DPI on Windows 7 (true/pm)");
    checks.Summary();
    return checks.failed() == 0 ? 0 : 1;
}

}  // namespace kelomed::e2e
