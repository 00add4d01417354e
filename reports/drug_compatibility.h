// Whether two of ten numbered drugs ("drugA", "drugB") may share a bottle. Levels 0 to 3.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateDrugCompatibility;

}  // namespace kelomed
