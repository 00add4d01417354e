// The infusion card: "bed", "dose", "volume" and drip rate "gtt", printed as entered. Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateInfusionCard;

}  // namespace kelomed
