// Every program of the suite in its window, driven from the same table: the
// tool definition says what the window must show, and the engine what a
// compute must give.
#pragma once

#include <string>
#include <vector>

namespace kelomed::e2e {

// Opens `program`, the program of tool `id`, and checks its title, rows,
// compute, copy, save, refusal, reset and about box; leaves the window
// showing the defaults' result and prints "LEVEL n" for its verdict last.
int RunToolScenario(const std::wstring& program, int id);

// In the open window of tool `id`: types `values` into the fields, computes
// with F5 (Enter on the compute button when the tool has no inputs), checks
// report and verdict against the engine and prints "LEVEL n".
int ComputeInOpenWindow(int id, const std::vector<std::wstring>& values);

// In the open window of tool `id`: checks, without typing, that the result
// box holds the engine's report of `values`.
int ExpectResultInOpenWindow(int id, const std::vector<std::wstring>& values);

// Opens the program of tool `id`, computes `values` and checks that the
// result box and the clipboard hold the engine's whole report; then saves
// twice, into the record file `kind` says. Beside the record file it writes what
// a CSV reader must find there: ".old" (the bytes before the new records),
// ".header" and ".row" (the cells, each ended by a NUL; the row without its
// time).
// In the open window of tool `id`, computed, copied and saved by keyboard
// alone with `values`: checks the result, the verdict and the clipboard
// against the engine, and writes beside the record file what a CSV reader
// must find there (as CheckWholeReport does).
int CheckKeyboardResult(int id, const std::vector<std::wstring>& values);

enum class RecordCase {
    // The longest report, into a record file that first holds a record
    // written the old way, unquoted.
    AfterAnOldRecord,
    // The longest report, into a new record file.
    IntoANewFile,
    // Values typed as a nurse types them (a clock time, digits, a chosen
    // item), kept as typed in a new file.
    AsTyped,
};

int CheckWholeReport(const std::wstring& program, int id, RecordCase kind,
                     const std::vector<std::wstring>& values);

}  // namespace kelomed::e2e
