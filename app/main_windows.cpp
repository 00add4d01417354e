// Windows entry: the self-test when asked for, else the window.
#include <windows.h>

#include "app/gui_windows.h"
#include "app/selftest.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const auto* commandLine = reinterpret_cast<const char16_t*>(GetCommandLineW());
    int exitCode = 0;
    if (kelomed::RunSelftestIfAsked(kelomed::GetTool(), commandLine, exitCode)) {
        return exitCode;
    }
    SetProcessDPIAware();
    return kelomed::RunGui(instance, kelomed::GetTool());
}
