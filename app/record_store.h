// The per-tool CSV record file: one record per save, appended, never
// rewritten. UTF-8 with a byte-order mark and a header when the file is new.
#pragma once

#include "app/record_files.h"
#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kRecordPathCapacity = 520;
inline constexpr int kRecordFolderCapacity = 260;
inline constexpr int kRecordHeaderCapacity = 512;
inline constexpr int kRecordLineCapacity = 4096;
inline constexpr int kRecordPieceCapacity = 128;
// The report piece "," + report is at most 255 units: 254 of the report.
inline constexpr int kRecordReportPieceCapacity = 256;

// "时间,工具,<label>...,结果" and CR LF, bounded by the capacity.
void BuildRecordHeader(const ToolDef& tool, char16_t* header, int capacity);

// "YYYY-MM-DD hh:mm:ss,<title>,<label>=<value %g>...,<report cut to 254
// units>" and CR LF. Nothing is quoted: files of the whole family share this
// layout.
void BuildRecordLine(const ToolDef& tool, const double* inputs, const char16_t* report,
                     const LocalTime& time, char16_t* line, int capacity);

// "<appData>/KeloMedSuite/records" and "<folder>/T%03d.csv".
void FormatRecordFolder(const char16_t* appDataFolder, char16_t* folder, int capacity);
void FormatRecordFilePath(const char16_t* folder, int toolId, char16_t* path, int capacity);

// Creates the record folder level by level (failures ignored) and appends
// the record; a new file first gets the byte-order mark and the header, in
// the same write. `path` receives the record file's path. Returns whether the
// record was written whole.
bool AppendRecord(const ToolDef& tool, const double* inputs, const char16_t* report,
                  const char16_t* appDataFolder, const LocalTime& time, char16_t* path,
                  int pathCapacity);

}  // namespace kelomed
