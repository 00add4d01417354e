// Windows entry: the self-test when the arguments ask for it, else the window.
#include <windows.h>

#include "app/decisions/selftest.h"
#include "app/platform/arguments_windows.h"
#include "app/platform/files.h"
#include "app/tool_program/gui_windows.h"
#include "app/tool_program/program_tool.h"

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
