// A tool of any report kind that names every input key the generators read,
// with values that make each report as long as it gets (40 nurses over 31
// days, 30 doses, 30 beds, 20 follow-ups).
#pragma once

#include <cstdint>

#include "engine/tool_model.h"

namespace kelomed::testing {

inline constexpr InputField kEveryReportKey[] = {
    {"nurses", u"a", u"", 40},  {"days", u"b", u"", 31},  {"start", u"c", u"", 8.1},
    {"interval", u"d", u"", 8}, {"times", u"e", u"", 30}, {"kind", u"f", u"", 1},
    {"drugA", u"g", u"", 2},    {"drugB", u"h", u"", 1},  {"gap", u"i", u"", 7},
    {"beds", u"j", u"", 30},    {"bed", u"k", u"", 12},   {"dose", u"l", u"", 2.5},
    {"volume", u"m", u"", 250}, {"gtt", u"n", u"", 40},   {"panel", u"o", u"", 2},
};

// Tool 48's texts with `kind` and the keys above.
inline ToolDef EveryReportKeyTool(std::int32_t kind) {
    ToolDef tool = GetTool();
    tool.kind = static_cast<ToolKind>(kind);
    tool.inputs = kEveryReportKey;
    tool.inputCount = InputCountOf(kEveryReportKey);
    return tool;
}

// The keys' values as an input vector of 16 places.
inline void FillEveryReportKey(double* inputs) {
    for (int i = 0; i < kMaxInputs; ++i) {
        inputs[i] = i < InputCountOf(kEveryReportKey) ? kEveryReportKey[i].defaultValue : 0;
    }
}

}  // namespace kelomed::testing
