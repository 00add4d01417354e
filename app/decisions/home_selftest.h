// The home program's headless self-test: its list of the suite's tools and
// what a fixed set of queries finds, written to a file like every program's.
#pragma once

#include <span>

#include "engine/tool_model.h"
#include "tools/suite.h"

namespace kelomed {

// The self-test text into `text`: "HOME|<title>|<count>", a line
// "TOOL|070|<title>|<category>|<initials>" per tool, then per query
// "SEARCH|<query>|<numbers found, in the list's order>", CR LF each. False
// when it does not fit.
bool BuildHomeSelftestText(std::span<const ToolDef* const> tools, char16_t* text, int capacity);

// Runs the self-test when the arguments (the program's own name excluded)
// ask for it, and stores its exit code: 0, or 3 when the file was not
// written whole, or 4 for a --set (the home has no inputs), with `message`
// saying why. False when they do not ask for it.
bool RunHomeSelftestIfAsked(std::span<const ToolDef* const> tools, int count,
                            const char16_t* const* arguments, int& exitCode, char16_t* message,
                            int messageCapacity);

}  // namespace kelomed
