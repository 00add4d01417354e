// The per-tool CSV record file: one record per save, appended, never
// rewritten. UTF-8 with a byte-order mark and a header when the file is new.
// Fields follow RFC 4180, so a spreadsheet reads one row per record with the
// whole report in one cell.
#pragma once

#include "app/decisions/suite_names.h"
#include "app/decisions/window_state.h"
#include "app/platform/record_files.h"
#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kRecordPathCapacity = kPathCapacity;
inline constexpr int kRecordFolderCapacity = 260;
// One label, "label=value" of one input, or the title, before quoting.
inline constexpr int kRecordPieceCapacity = 128;

// A field of this many units in double quotes, every unit a doubled quote.
constexpr int QuotedFieldUnits(int units) {
    return 2 * units + 2;
}

inline constexpr int kRecordHeaderCapacity =
    TextLength(u"时间,工具") + kMaxInputs * (1 + QuotedFieldUnits(kRecordPieceCapacity - 1)) +
    TextLength(u",结果\r\n") + 1;
inline constexpr int kRecordLineCapacity =
    TextLength(u"YYYY-MM-DD hh:mm:ss,") + QuotedFieldUnits(kRecordPieceCapacity - 1) +
    kMaxInputs * (1 + QuotedFieldUnits(kRecordPieceCapacity - 1)) + 1 +
    QuotedFieldUnits(kReportTextCapacity - 1) + TextLength(u"\r\n") + 1;

// "时间,工具,<label>...,结果" and CR LF. False when a label is longer than a
// piece: nothing is written cut.
bool BuildRecordHeader(const ToolDef& tool, char16_t* header, int capacity);

// "YYYY-MM-DD hh:mm:ss,<title>,<label>=<value>...,<report>" and CR LF, each
// value as the nurse entered it (FormatRecordValue), "不适用" for an input
// that did not apply: a field that holds a comma, a double quote or a line
// break stands in double quotes, its inner double quotes doubled and its
// line breaks kept. False when the line does not fit whole.
bool BuildRecordLine(const ToolDef& tool, const double* inputs, const char16_t* report,
                     const LocalTime& time, char16_t* line, int capacity);

// "<appData>/KeloMedSuite/records" and "<folder>/T%03d.csv".
void FormatRecordFolder(const char16_t* appDataFolder, char16_t* folder, int capacity);
void FormatRecordFilePath(const char16_t* folder, int toolId, char16_t* path, int capacity);

// Creates the record folder level by level (failures ignored) and appends
// the record in one write; a new file first gets the byte-order mark and the
// header, in the same write. `path` receives the record file's path. Returns
// whether the record was written whole.
bool AppendRecord(const ToolDef& tool, const double* inputs, const char16_t* report,
                  const char16_t* appDataFolder, const LocalTime& time, char16_t* path,
                  int pathCapacity);

}  // namespace kelomed
