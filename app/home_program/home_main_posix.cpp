// Linux entry of the home program: its self-test; the window is a Windows
// program.
#include <cstdio>

#include "app/decisions/home_selftest.h"
#include "app/decisions/selftest.h"
#include "app/platform/arguments_posix.h"
#include "app/platform/files.h"
#include "tools/suite.h"

int main(int argc, char** argv) {
    const kelomed::Utf16Arguments arguments(argc, argv);
    int exitCode = 0;
    char16_t message[kelomed::kSelftestMessageCapacity];
    if (kelomed::RunHomeSelftestIfAsked(kelomed::SuiteTools(), arguments.count(), arguments.words(),
                                        exitCode, message, kelomed::kSelftestMessageCapacity)) {
        if (message[0] != 0) {
            kelomed::WriteErrorLine(message);
        }
        return exitCode;
    }
    std::fprintf(stderr,
                 "kelomed: this build has no window on Linux; open it with 'bash scripts/run.sh' "
                 "(the Windows program under Wine) or run '--selftest [path]'.\n");
    return 1;
}
