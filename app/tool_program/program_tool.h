// The one tool of this program: each program of the suite compiles
// program_tool.cpp with its tool's id.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

const ToolDef& GetTool();

}  // namespace kelomed
