// The follow-up dates: "times" visits (1 to 20) every "gap" days from "start" days after today.
// Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateFollowUpPlan;

}  // namespace kelomed
