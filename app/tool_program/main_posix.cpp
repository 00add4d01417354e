// Linux entry: the self-test runs natively; the window is a Windows program.
#include <cstdio>

#include "app/decisions/command_line.h"
#include "app/decisions/selftest.h"
#include "app/platform/arguments_posix.h"
#include "app/platform/files.h"
#include "app/tool_program/program_tool.h"

int main(int argc, char** argv) {
    const kelomed::Utf16Arguments arguments(argc, argv);
    int exitCode = 0;
    char16_t message[kelomed::kSelftestMessageCapacity];
    if (kelomed::RunSelftestIfAsked(kelomed::GetTool(), arguments.count(), arguments.words(),
                                    exitCode, message, kelomed::kSelftestMessageCapacity)) {
        if (message[0] != 0) {
            kelomed::WriteErrorLine(message);
        }
        return exitCode;
    }
    const int id = kelomed::GetTool().id;
    std::fprintf(stderr,
                 "kelomed-t%03d: this build has no window on Linux; open it with "
                 "'bash scripts/run.sh %d' (the Windows program under Wine) or run "
                 "'--selftest [path] [--today=YYYY-MM-DD] [--set KEY=VALUE]...'.\n",
                 id, id);
    return 1;
}
