// The compute entry for every kind, with arbitrary input values (extreme
// ones favoured: zeros, subnormals, +-1e308, infinities, NaN, the edges of
// the 32- and 64-bit integers) and buffer capacities from 13 units up: the
// texts stay inside their buffers and terminated, and the copy is the
// report. Run under UndefinedBehaviorSanitizer, every conversion must be
// defined.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/compute.h"
#include "engine/text_buffer.h"
#include "engine/tool_model.h"
#include "fuzz/fuzz_input.h"

namespace {

using kelomed::InputField;

// Every key any generator reads, plus the formula keys of tool 48.
constexpr InputField kInputs[] = {
    {"dose", u"a", u"", 0},  {"w", u"b", u"", 0},      {"drug", u"c", u"", 0},
    {"dil", u"d", u"", 0},   {"start", u"e", u"", 0},  {"interval", u"f", u"", 0},
    {"times", u"g", u"", 0}, {"kind", u"h", u"", 0},   {"drugA", u"i", u"", 0},
    {"drugB", u"j", u"", 0}, {"gap", u"k", u"", 0},    {"beds", u"l", u"", 0},
    {"bed", u"m", u"", 0},   {"volume", u"n", u"", 0}, {"gtt", u"o", u"", 0},
    {"panel", u"p", u"", 0},
};
constexpr InputField kRotaInputs[] = {{"nurses", u"a", u"", 0}, {"days", u"b", u"", 0}};

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
    const auto kind = static_cast<std::int32_t>(input.Take<std::uint8_t>() % 14) - 1;
    const int reportCapacity = 13 + input.Take<std::uint16_t>() % 9000;
    const int verdictCapacity = 13 + input.Take<std::uint8_t>() % 600;
    const int copyCapacity = 1 + input.Take<std::uint16_t>() % 9000;
    double values[16] = {};
    for (double& value : values) {
        value = input.TakeValue();
    }

    kelomed::ToolDef tool = kelomed::GetTool();
    if (kind != 0) {
        tool.kind = static_cast<kelomed::ToolKind>(kind);
        const bool rota = kind == kelomed::NurseRota;
        tool.inputs = rota ? kRotaInputs : kInputs;
        tool.inputCount = rota ? 2 : 16;
    }
    auto report = Buffer(reportCapacity);
    auto verdict = Buffer(verdictCapacity);
    auto copy = Buffer(copyCapacity);
    std::int32_t level = -1;
    const std::int32_t returned =
        kelomed::ComputeTool(tool, values, report.data(), reportCapacity, verdict.data(),
                             verdictCapacity, level, copy.data(), copyCapacity);
    if (returned != level || !InsideCapacity(report) || !InsideCapacity(verdict) ||
        !InsideCapacity(copy)) {
        std::abort();
    }
    const int copyLength = kelomed::TextLength(copy.data());
    for (int i = 0; i < copyLength; ++i) {
        if (copy[static_cast<std::size_t>(i)] != report[static_cast<std::size_t>(i)]) {
            std::abort();
        }
    }
    return 0;
}
