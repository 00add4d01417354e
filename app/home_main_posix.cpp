// Linux entry of the home program: its self-test; the window is a Windows
// program.
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/files.h"
#include "app/home_selftest.h"
#include "app/selftest.h"
#include "engine/utf8.h"
#include "tools/suite.h"

int main(int argc, char** argv) {
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
    if (kelomed::RunHomeSelftestIfAsked(kelomed::SuiteTools(), static_cast<int>(arguments.size()),
                                        arguments.data(), exitCode, message,
                                        kelomed::kSelftestMessageCapacity)) {
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
