// The high-alert drugs card of a group ("kind": 1 to 3, any other number the anaesthetics). Level
// 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateHighAlertDrugs;

}  // namespace kelomed
