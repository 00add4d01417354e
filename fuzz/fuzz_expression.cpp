// The evaluator over arbitrary text with tool 48's keys: it must never crash,
// overrun or recurse without bound, a success is always finite, and what the
// grammar checked while compiling refuses never succeeds.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/expression.h"
#include "engine/expression_grammar.h"
#include "tools/suite.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kelomed::ToolDef& tool = kelomed::ToolDefinition<48>();
    std::vector<char> text(data, data + size);
    text.push_back(0);
    const double inputs[] = {0.2, 60, 4, 0};
    const double outputs[16] = {80, 9, 720};
    int failed = -1;
    const double value = kelomed::EvaluateExpression(tool, text.data(), inputs, outputs, failed);
    if (failed != 0 && failed != 1) {
        std::abort();
    }
    if (failed == 0 && (!std::isfinite(value) || !kelomed::IsWellFormedExpression(text.data()))) {
        std::abort();
    }
    return 0;
}
