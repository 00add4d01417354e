#include "tools/suite.h"

namespace kelomed {
namespace {

const ToolDef* const kSuite[] = {
#define KELOMED_TOOL(id, file) &ToolDefinition<id>(),
#define KELOMED_INFUSION_TOOL KELOMED_TOOL
#include "tools/tool_list.h"
#undef KELOMED_INFUSION_TOOL
#undef KELOMED_TOOL
};

}  // namespace

std::span<const ToolDef* const> SuiteTools() {
    return kSuite;
}

const ToolDef* FindSuiteTool(int id) {
    for (const ToolDef* tool : kSuite) {
        if (tool->id == id) {
            return tool;
        }
    }
    return nullptr;
}

}  // namespace kelomed
