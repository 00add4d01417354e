// The blood-draw order card: the standard order of the tubes and the advice for this draw ("kind":
// 1 to 6, any other number the general advice). Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateBloodDrawOrder;

}  // namespace kelomed
