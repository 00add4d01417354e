// Linux entry: the self-test runs natively; the window is a Windows program.
#include <cstdio>

#include "app/command_line.h"
#include "app/selftest.h"

int main(int argc, char** argv) {
    static char16_t commandLine[kelomed::kCommandLineCapacity];
    kelomed::JoinArguments(argc, argv, commandLine, kelomed::kCommandLineCapacity);
    char16_t path[kelomed::kSelftestPathCapacity];
    if (kelomed::FindSelftestPath(commandLine, path, kelomed::kSelftestPathCapacity)) {
        return kelomed::RunSelftest(kelomed::GetTool(), path);
    }
    std::fputs(
        "kelomed-t048: this build has no window on Linux; open it with 'bash scripts/run.sh' "
        "(the Windows program under Wine) or run '--selftest [path]'.\n",
        stderr);
    return 1;
}
