// The shift handover template: one line per bed, "beds". Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

// The most beds the template lists: its tool's input goes no higher.
inline constexpr std::int32_t kMostBeds = 30;

ReportGenerator GenerateShiftHandover;

}  // namespace kelomed
