// The program's one tool: each program of the suite compiles this file with
// its tool's id.
#include "tools/suite.h"

namespace kelomed {

const ToolDef& GetTool() {
    return ToolDefinition<KELOMED_TOOL_ID>();
}

}  // namespace kelomed
