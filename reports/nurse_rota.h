// The three-shift nurse rota: "nurses" over "days", D, N and R in turn.
// Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

// The most nurses and days the rota makes: its tool's inputs go no higher.
inline constexpr std::int32_t kMostNurses = 40;
inline constexpr std::int32_t kMostDays = 31;

ReportGenerator GenerateNurseRota;

}  // namespace kelomed
