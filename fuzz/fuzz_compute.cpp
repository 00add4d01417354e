// The compute entry for every tool of the suite, with arbitrary input values
// (extreme ones favoured: zeros, subnormals, +-1e308, infinities, NaN, the
// edges of the 32- and 64-bit integers), whatever the window would refuse,
// any date of the calendar for today and buffer capacities from 13 units
// up: the texts stay inside their buffers and terminated, and every
// computation has a verdict of a level from 0 to 3. Run under
// UndefinedBehaviorSanitizer, every conversion must be defined.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/compute.h"
#include "engine/text_buffer.h"
#include "fuzz/fuzz_input.h"
#include "tools/suite.h"

namespace {

std::vector<char16_t> Buffer(int capacity) {
    // Exactly the capacity, so any write past it is caught.
    return std::vector<char16_t>(static_cast<std::size_t>(capacity), u'\xFFFF');
}

bool InsideCapacity(const std::vector<char16_t>& buffer) {
    for (char16_t unit : buffer) {
        if (unit == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelomed::fuzz::FuzzInput input(data, size);
    const auto tools = kelomed::SuiteTools();
    const kelomed::ToolDef& tool = *tools[input.Take<std::uint8_t>() % tools.size()];
    const int reportCapacity = 13 + input.Take<std::uint16_t>() % 9000;
    const int verdictCapacity = 13 + input.Take<std::uint8_t>() % 600;
    const kelomed::CivilDate today = {1 + input.Take<std::uint16_t>() % 9999,
                                      1 + input.Take<std::uint8_t>() % 12,
                                      1 + input.Take<std::uint8_t>() % 31};
    double values[kelomed::kMaxInputs] = {};
    for (double& value : values) {
        value = input.TakeValue();
    }
    auto report = Buffer(reportCapacity);
    auto verdict = Buffer(verdictCapacity);
    const kelomed::ComputeResult result = kelomed::ComputeTool(
        tool, values, today, report.data(), reportCapacity, verdict.data(), verdictCapacity);
    if (!InsideCapacity(report) || !InsideCapacity(verdict) || result.level < 0 ||
        result.level > 3 || verdict[0] == 0) {
        std::abort();
    }
    return 0;
}
