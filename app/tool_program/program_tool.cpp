#include "app/tool_program/program_tool.h"

#include "tools/suite.h"

namespace kelomed {

const ToolDef& GetTool() {
    return ToolDefinition<KELOMED_TOOL_ID>();
}

}  // namespace kelomed
