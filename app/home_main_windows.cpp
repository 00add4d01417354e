// Windows entry of the home program: the self-test when the arguments ask
// for it, else the window.
#include <windows.h>

#include <shellapi.h>

#include "app/files.h"
#include "app/home_selftest.h"
#include "app/home_window_windows.h"
#include "app/selftest.h"
#include "tools/suite.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    int exitCode = 0;
    char16_t message[kelomed::kSelftestMessageCapacity];
    const bool selftest =
        arguments != nullptr &&
        kelomed::RunHomeSelftestIfAsked(kelomed::SuiteTools(), count - 1,
                                        reinterpret_cast<const char16_t* const*>(arguments + 1),
                                        exitCode, message, kelomed::kSelftestMessageCapacity);
    LocalFree(arguments);
    if (selftest) {
        if (message[0] != 0) {
            kelomed::WriteErrorLine(message);
        }
        return exitCode;
    }
    return kelomed::RunHome(instance);
}
