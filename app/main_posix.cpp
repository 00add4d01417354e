// Linux entry: the self-test runs natively; the window is a Windows program.
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/command_line.h"
#include "app/files.h"
#include "app/program_tool.h"
#include "app/selftest.h"
#include "engine/utf8.h"

int main(int argc, char** argv) {
    // The arguments as UTF-16, each whole.
    std::vector<std::vector<char16_t>> texts;
    std::vector<const char16_t*> arguments;
    for (int i = 1; i < argc; ++i) {
        const int length = static_cast<int>(std::strlen(argv[i]));
        std::vector<char16_t> text(static_cast<std::size_t>(length) + 1);
        kelomed::Utf8ToUtf16(argv[i], length, text.data(), length + 1);
        texts.push_back(std::move(text));
    }
    for (const auto& text : texts) {
        arguments.push_back(text.data());
    }
    int exitCode = 0;
    char16_t message[kelomed::kSelftestMessageCapacity];
    if (kelomed::RunSelftestIfAsked(kelomed::GetTool(), static_cast<int>(arguments.size()),
                                    arguments.data(), exitCode, message,
                                    kelomed::kSelftestMessageCapacity)) {
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
