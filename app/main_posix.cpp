// Linux entry: the self-test runs natively; the window is a Windows program.
#include <cstdio>

#include "app/command_line.h"
#include "app/selftest.h"

int main(int argc, char** argv) {
    static char16_t commandLine[kelomed::kCommandLineCapacity];
    kelomed::JoinArguments(argc, argv, commandLine, kelomed::kCommandLineCapacity);
    int exitCode = 0;
    if (kelomed::RunSelftestIfAsked(kelomed::GetTool(), commandLine, exitCode)) {
        return exitCode;
    }
    const int id = kelomed::GetTool().id;
    std::fprintf(stderr,
                 "kelomed-t%03d: this build has no window on Linux; open it with "
                 "'bash scripts/run.sh %d' (the Windows program under Wine) or run "
                 "'--selftest [path] [--today=YYYY-MM-DD]'.\n",
                 id, id);
    return 1;
}
