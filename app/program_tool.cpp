#include "app/program_tool.h"

#include "tools/suite.h"

namespace kelomed {

const ToolDef& GetTool() {
    return ToolDefinition<KELOMED_TOOL_ID>();
}

}  // namespace kelomed
