// The tools of the suite: each file in tools/ defines one, and each becomes
// a program of its own.
#pragma once

#include <span>

#include "engine/tool_model.h"

namespace kelomed {

// The suite's name: its installer, Start-menu folder and every program's
// version resource carry it.
inline constexpr char16_t kSuiteName[] = u"KeloMed 临床计算工具套件";

// The home program's name, kelomed.exe, the list that opens every tool: its
// window, its Start-menu shortcut and its file description.
inline constexpr char16_t kHomeTitle[] = u"病区计算工具";

// The definition of the tool with this id.
template <int Id>
const ToolDef& ToolDefinition();

// Makes `table`, a constant ToolDef of a file in tools/, the suite's tool of
// its id: the one line every tool file ends with.
#define KELOMED_SUITE_TOOL(table)               \
    template <>                                 \
    const ToolDef& ToolDefinition<table.id>() { \
        return table;                           \
    }

#define KELOMED_TOOL(id, file) \
    template <>                \
    const ToolDef& ToolDefinition<id>();
#define KELOMED_INFUSION_TOOL KELOMED_TOOL
#include "tools/tool_list.h"
#undef KELOMED_INFUSION_TOOL
#undef KELOMED_TOOL

// Every tool of the suite, in the order of the list.
std::span<const ToolDef* const> SuiteTools();

// The suite's tool with this id, or null when there is none.
const ToolDef* FindSuiteTool(int id);

}  // namespace kelomed
