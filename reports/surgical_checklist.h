// The surgical safety checklist; no inputs. Level 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateSurgicalChecklist;

}  // namespace kelomed
