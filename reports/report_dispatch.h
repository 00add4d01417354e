// The report kinds: a tool of kind 1 to 11 has a generator instead of
// formulas.
#pragma once

#include <cstdint>

#include "engine/tool_model.h"

namespace kelomed {

// Clears report and verdict, runs the generator of `kind` and returns its
// level. A kind without a generator writes a fixed notice and returns 0.
std::int32_t GenerateKindReport(std::int32_t kind, const ToolDef& tool, const double* inputs,
                                char16_t* report, int reportCapacity, char16_t* verdict,
                                int verdictCapacity);

}  // namespace kelomed
