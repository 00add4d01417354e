// The headless self-test: computes the tool once from its defaults and
// writes a machine-readable report file.
#pragma once

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
// ERRORS) into `text` and returns the number of outputs whose evaluation
// failed.
int BuildSelftestText(const ToolDef& tool, char16_t* text, int capacity);

// Appends "DETAIL|", the report on one line (CR dropped, LF as a space, at
// most 8000 units kept) and CR LF.
void AppendDetailLine(const char16_t* report, char16_t* text, int capacity);

// Writes a self-test text of up to kSelftestTextCapacity units to `path` as
// UTF-8 without byte-order mark. Returns false unless the whole text was
// written.
bool WriteSelftestFile(const char16_t* path, const char16_t* text);

// Builds the report, writes it to `path` as UTF-8 and returns the exit code.
int RunSelftest(const ToolDef& tool, const char16_t* path);

// Runs the self-test when the process command line asks for it (with the
// fixed today it may name) and stores its exit code; false when it does not.
bool RunSelftestIfAsked(const ToolDef& tool, const char16_t* commandLine, int& exitCode);

}  // namespace kelomed
