#include "app/record_store.h"

#include "app/files.h"

#include "engine/format_text.h"
#include "engine/text_buffer.h"
#include "engine/utf8.h"

namespace kelomed {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr int kByteOrderMarkSize = 3;
// Every unit of a header and a full record line fits, so no record is
// dropped for its length.
constexpr int kRecordBytesCapacity =
    kByteOrderMarkSize + (kRecordHeaderCapacity + kRecordLineCapacity) * kUtf8BytesPerUnit;

void CreateFolderLevels(const char16_t* folder) {
    char16_t partial[kRecordFolderCapacity];
    const int length = TextLength(folder);
    for (int i = kFirstCreatableIndex; i < length; ++i) {
        if (folder[i] == kPathSeparator) {
            CopyText(partial, kRecordFolderCapacity, u"");
            AppendUnits(partial, kRecordFolderCapacity, folder, i);
            CreateFolder(partial);
        }
    }
    CreateFolder(folder);
}

}  // namespace

void BuildRecordHeader(const ToolDef& tool, char16_t* header, int capacity) {
    CopyText(header, capacity, u"时间,工具");
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        char16_t piece[kRecordPieceCapacity];
        FormatText(piece, kRecordPieceCapacity, u",%ls", tool.inputs[i].label);
        AppendText(header, capacity, piece);
    }
    AppendText(header, capacity, u",结果\r\n");
}

void BuildRecordLine(const ToolDef& tool, const double* inputs, const char16_t* report,
                     const LocalTime& time, char16_t* line, int capacity) {
    FormatText(line, capacity, u"%04d-%02d-%02d %02d:%02d:%02d,%ls", time.year, time.month,
               time.day, time.hour, time.minute, time.second, tool.title);
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        char16_t piece[kRecordPieceCapacity];
        FormatText(piece, kRecordPieceCapacity, u",%ls=%g", tool.inputs[i].label, inputs[i]);
        AppendText(line, capacity, piece);
    }
    char16_t reportPiece[kRecordReportPieceCapacity];
    FormatText(reportPiece, kRecordReportPieceCapacity, u",%ls", report);
    AppendText(line, capacity, reportPiece);
    AppendText(line, capacity, u"\r\n");
}

void FormatRecordFolder(const char16_t* appDataFolder, char16_t* folder, int capacity) {
    const char16_t separator[2] = {kPathSeparator, 0};
    FormatText(folder, capacity, u"%ls%lsKeloMedSuite%lsrecords", appDataFolder, separator,
               separator);
}

void FormatRecordFilePath(const char16_t* folder, int toolId, char16_t* path, int capacity) {
    const char16_t separator[2] = {kPathSeparator, 0};
    FormatText(path, capacity, u"%ls%lsT%03d.csv", folder, separator, toolId);
}

bool AppendRecord(const ToolDef& tool, const double* inputs, const char16_t* report,
                  const char16_t* appDataFolder, const LocalTime& time, char16_t* path,
                  int pathCapacity) {
    char16_t folder[kRecordFolderCapacity];
    FormatRecordFolder(appDataFolder, folder, kRecordFolderCapacity);
    CreateFolderLevels(folder);
    FormatRecordFilePath(folder, tool.id, path, pathCapacity);

    char bytes[kRecordBytesCapacity];
    int size = 0;
    if (!FileExists(path)) {
        char16_t header[kRecordHeaderCapacity];
        BuildRecordHeader(tool, header, kRecordHeaderCapacity);
        for (int i = 0; i < kByteOrderMarkSize; ++i) {
            bytes[size++] = kByteOrderMark[i];
        }
        const int headerSize = Utf16ToUtf8(header, bytes + size, kRecordBytesCapacity - size);
        if (headerSize < 0) {
            return false;
        }
        size += headerSize;
    }
    char16_t line[kRecordLineCapacity];
    BuildRecordLine(tool, inputs, report, time, line, kRecordLineCapacity);
    const int lineSize = Utf16ToUtf8(line, bytes + size, kRecordBytesCapacity - size);
    if (lineSize < 0) {
        return false;
    }
    return AppendToFile(path, bytes, size + lineSize);
}

}  // namespace kelomed
