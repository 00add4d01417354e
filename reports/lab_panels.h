// The laboratory panels card ("panel": 1 to 5, any other number the urine test). Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateLabPanels;

}  // namespace kelomed
