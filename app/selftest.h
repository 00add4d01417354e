// The headless self-test: computes the tool once from its defaults and
// writes a machine-readable report file.
#pragma once

#include "engine/day_number.h"
#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kSelftestTextCapacity = 16384;
inline constexpr int kDetailLimit = 8000;

enum SelftestExitCode : int {
    kSelftestPassed = 0,
    kSelftestOutputsFailed = 2,
    // The report file could not be created or written whole: a missing
    // report must never read as a pass.
    kSelftestReportNotWritten = 3,
};

// Builds the report text (CR LF lines TOOL, LEVEL, OUT..., VERDICT, DETAIL,
// ERRORS) of the defaults' computation on `today` into `text` and returns
// the number of outputs whose evaluation failed.
int BuildSelftestText(const ToolDef& tool, const CivilDate& today, char16_t* text, int capacity);

// Appends "DETAIL|", the report on one line (CR dropped, LF as a space, at
// most 8000 units kept) and CR LF.
void AppendDetailLine(const char16_t* report, char16_t* text, int capacity);

// Writes a self-test text of up to kSelftestTextCapacity units to `path` as
// UTF-8 without byte-order mark. Returns false unless the whole text was
// written.
bool WriteSelftestFile(const char16_t* path, const char16_t* text);

// Builds the report, writes it to `path` as UTF-8 and returns the exit code.
int RunSelftest(const ToolDef& tool, const char16_t* path, const CivilDate& today);

// Runs the self-test when the program's arguments (its own name excluded)
// ask for it, on the date they give for today or else the clock's, and
// stores its exit code; false when they do not ask for it.
bool RunSelftestIfAsked(const ToolDef& tool, int count, const char16_t* const* arguments,
                        int& exitCode);

}  // namespace kelomed
