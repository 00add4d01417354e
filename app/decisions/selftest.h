// The headless self-test: computes the tool once, from its defaults or the
// values given with --set, and writes a machine-readable report file.
#pragma once

#include "engine/day_number.h"
#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kSelftestTextCapacity = 16384;
inline constexpr int kDetailLimit = 8000;
// What a refused --set says, for the standard error stream.
inline constexpr int kSelftestMessageCapacity = 1024;

enum SelftestExitCode : int {
    kSelftestPassed = 0,
    kSelftestOutputsFailed = 2,
    // The report file could not be created or written whole: a missing
    // report must never read as a pass.
    kSelftestReportNotWritten = 3,
    // A --set named a key the tool has no input for.
    kSelftestUnknownKey = 4,
    // A --set gave a value its input does not take.
    kSelftestValueRefused = 5,
    // A --set without "KEY=VALUE" after it.
    kSelftestMalformedSet = 6,
};

// The defaults of every input, in input order.
void FillDefaultInputs(const ToolDef& tool, double* inputs);

// Builds the report text (CR LF lines TOOL, LEVEL, OUT..., VERDICT, DETAIL,
// ERRORS) of the computation of `inputs` on `today` into `text`: the OUT
// lines are the outputs as that one computation produced and shows them.
// Returns the number of outputs that failed.
int BuildSelftestText(const ToolDef& tool, const double* inputs, const CivilDate& today,
                      char16_t* text, int capacity);

// Appends "DETAIL|", the report on one line (CR dropped, LF as a space, at
// most 8000 units kept) and CR LF.
void AppendDetailLine(const char16_t* report, char16_t* text, int capacity);

// Writes a self-test text of up to kSelftestTextCapacity units to `path` as
// UTF-8 without byte-order mark. Returns false unless the whole text was
// written.
bool WriteSelftestFile(const char16_t* path, const char16_t* text);

// Builds the report of `inputs`, writes it to `path` as UTF-8 and returns
// the exit code.
int RunSelftest(const ToolDef& tool, const char16_t* path, const double* inputs,
                const CivilDate& today);

// Sets the input named by one "KEY=VALUE" pair as its field would take the
// value, and gives its index in `index`. Returns kSelftestPassed, or the
// exit code of the refusal with what it says in `message`.
int ApplySetPair(const ToolDef& tool, const char16_t* pair, double* inputs, int& index,
                 char16_t* message, int messageCapacity);

// Runs the self-test when the program's arguments (its own name excluded)
// ask for it, on the date they give for today or else the clock's, with the
// values of their --set pairs, and stores its exit code; false when they do
// not ask for it. A refused --set writes no report: `message` says why. A
// value set for an input that does not apply, once every pair is set, is
// refused too: the computation would not count it.
bool RunSelftestIfAsked(const ToolDef& tool, int count, const char16_t* const* arguments,
                        int& exitCode, char16_t* message, int messageCapacity);

}  // namespace kelomed
