// The critical values card of a group of tests ("kind": 1 to 6, any other number a referral to the
// hospital's list) and how to handle a critical value. Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateCriticalValues;

}  // namespace kelomed
