// The follow-up dates: "times" visits every "gap" days from "start" days
// after today. Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

// The most visits the plan lists: its tool's input goes no higher.
inline constexpr std::int32_t kMostVisits = 20;

ReportGenerator GenerateFollowUpPlan;

}  // namespace kelomed
