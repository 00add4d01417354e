// Windows entry: the self-test when asked for, else the window.
#include <windows.h>

#include "app/command_line.h"
#include "app/gui_windows.h"
#include "app/selftest.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const auto* commandLine = reinterpret_cast<const char16_t*>(GetCommandLineW());
    char16_t path[kelomed::kSelftestPathCapacity];
    if (kelomed::FindSelftestPath(commandLine, path, kelomed::kSelftestPathCapacity)) {
        return kelomed::RunSelftest(kelomed::GetTool(), path);
    }
    SetProcessDPIAware();
    return kelomed::RunGui(instance, kelomed::GetTool());
}
