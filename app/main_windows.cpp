// Windows entry: the self-test when the arguments ask for it, else the window.
#include <windows.h>

#include "app/arguments_windows.h"
#include "app/files.h"
#include "app/gui_windows.h"
#include "app/program_tool.h"
#include "app/selftest.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int exitCode = 0;
    char16_t message[kelomed::kSelftestMessageCapacity];
    const kelomed::CommandLineArguments arguments;
    const bool selftest =
        kelomed::RunSelftestIfAsked(kelomed::GetTool(), arguments.count(), arguments.words(),
                                    exitCode, message, kelomed::kSelftestMessageCapacity);
    if (selftest) {
        if (message[0] != 0) {
            kelomed::WriteErrorLine(message);
        }
        return exitCode;
    }
    return kelomed::RunGui(instance, kelomed::GetTool());
}
