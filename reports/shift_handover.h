// The shift handover template: one line per bed, "beds" (1 to 30). Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateShiftHandover;

}  // namespace kelomed
