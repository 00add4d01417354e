// The self-test switch over arbitrary command lines (as UTF-16 units): the
// path stays within its 520 units and is never empty.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/command_line.h"
#include "engine/text_buffer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char16_t> commandLine(size / 2 + 1, 0);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        commandLine[i / 2] = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }
    commandLine.back() = 0;
    std::vector<char16_t> path(kelomed::kSelftestPathCapacity, u'\xFFFF');
    if (kelomed::FindSelftestPath(commandLine.data(), path.data(),
                                  kelomed::kSelftestPathCapacity)) {
        const int length = kelomed::TextLength(path.data());
        if (length == 0 || length > kelomed::kSelftestPathCapacity - 1) {
            std::abort();
        }
    }

    // The same bytes as C arguments, rebuilt into a command line.
    std::vector<char> bytes(data, data + size);
    bytes.push_back(0);
    const char* argv[] = {"program", bytes.data(), "--selftest"};
    std::vector<char16_t> rebuilt(64, u'\xFFFF');
    kelomed::JoinArguments(3, argv, rebuilt.data(), 64);
    if (kelomed::TextLength(rebuilt.data()) > 63) {
        std::abort();
    }
    return 0;
}
