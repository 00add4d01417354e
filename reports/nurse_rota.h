// The three-shift nurse rota: "nurses" (1 to 40) over "days" (1 to 31), D, N and R in turn. Level
// 0.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

ReportGenerator GenerateNurseRota;

}  // namespace kelomed
