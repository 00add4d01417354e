// The dosing time table: "times" doses every "interval" hours from the first
// dose at "start" hours past midnight, each to the nearest minute. Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

// The most doses the table lists: its tool's input goes no higher.
inline constexpr std::int32_t kMostDoses = 30;

ReportGenerator GenerateDosingTimes;

}  // namespace kelomed
