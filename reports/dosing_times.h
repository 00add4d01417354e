// The dosing time table: "times" doses (1 to 30) every "interval" hours from the first dose at
// "start" hours past midnight, each to the nearest minute. Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateDosingTimes;

}  // namespace kelomed
