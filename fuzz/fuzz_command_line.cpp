// The program's arguments (arbitrary UTF-16 units, split at zeros): the
// self-test's path stays within its 520 units and is never empty, and a
// date given for today is one of the calendar.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/decisions/command_line.h"
#include "engine/text_buffer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char16_t> units;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    units.push_back(0);
    std::vector<const char16_t*> arguments = {units.data()};
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        if (units[i] == 0) {
            arguments.push_back(&units[i + 1]);
        }
    }
    kelomed::SelftestRequest request;
    if (kelomed::ParseSelftestArguments(static_cast<int>(arguments.size()), arguments.data(),
                                        request)) {
        const int length = kelomed::TextLength(request.path);
        if (length == 0 || length > kelomed::kSelftestPathCapacity - 1) {
            std::abort();
        }
    }
    if (request.todayGiven && (request.today.month < 1 || request.today.month > 12 ||
                               request.today.day < 1 || request.today.day > 31)) {
        std::abort();
    }
    return 0;
}
