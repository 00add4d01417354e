#include "app/decisions/record_store.h"

#include "app/decisions/input_text.h"
#include "app/platform/files.h"
#include "engine/compute.h"
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

bool NeedsQuotes(const char16_t* field) {
    for (const char16_t* unit = field; unit != nullptr && *unit != 0; ++unit) {
        if (*unit == u',' || *unit == u'"' || *unit == u'\r' || *unit == u'\n') {
            return true;
        }
    }
    return false;
}

void AppendField(TextWriter& writer, const char16_t* field) {
    if (!NeedsQuotes(field)) {
        writer.Append(field);
        return;
    }
    writer.Append(u'"');
    for (const char16_t* unit = field; *unit != 0; ++unit) {
        if (*unit == u'"') {
            writer.Append(u'"');
        }
        writer.Append(*unit);
    }
    writer.Append(u'"');
}

// Appends "," and the piece as a field; false when the piece was cut.
bool AppendPiece(TextWriter& writer, int pieceLength, const char16_t* piece) {
    writer.Append(u',');
    AppendField(writer, piece);
    return pieceLength < kRecordPieceCapacity;
}

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

bool BuildRecordHeader(const ToolDef& tool, char16_t* header, int capacity) {
    CopyText(header, capacity, u"");
    TextWriter writer(header, capacity);
    writer.Append(u"时间,工具");
    bool whole = true;
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        char16_t piece[kRecordPieceCapacity];
        const int length = FormatText(piece, kRecordPieceCapacity, u"%ls", tool.inputs[i].label);
        whole = AppendPiece(writer, length, piece) && whole;
    }
    writer.Append(u",结果\r\n");
    return whole && !writer.cut();
}

bool BuildRecordLine(const ToolDef& tool, const double* inputs, const char16_t* report,
                     const LocalTime& time, char16_t* line, int capacity) {
    FormatText(line, capacity, u"%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day,
               time.hour, time.minute, time.second);
    TextWriter writer(line, capacity);
    char16_t piece[kRecordPieceCapacity];
    bool whole =
        AppendPiece(writer, FormatText(piece, kRecordPieceCapacity, u"%ls", tool.title), piece);
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        char16_t value[kInputValueTextCapacity] = u"不适用";
        if (InputApplies(tool, inputs, i)) {
            FormatRecordValue(tool.inputs[i], inputs[i], value, kInputValueTextCapacity);
        }
        const int length =
            FormatText(piece, kRecordPieceCapacity, u"%ls=%ls", tool.inputs[i].label, value);
        whole = AppendPiece(writer, length, piece) && whole;
    }
    writer.Append(u',');
    AppendField(writer, report);
    writer.Append(u"\r\n");
    return whole && !writer.cut();
}

void FormatRecordFolder(const char16_t* appDataFolder, char16_t* folder, int capacity) {
    const char16_t separator[2] = {kPathSeparator, 0};
    FormatText(folder, capacity, u"%ls%ls%ls%lsrecords", appDataFolder, separator, kSuiteFolderName,
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
        if (!BuildRecordHeader(tool, header, kRecordHeaderCapacity)) {
            return false;
        }
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
    if (!BuildRecordLine(tool, inputs, report, time, line, kRecordLineCapacity)) {
        return false;
    }
    const int lineSize = Utf16ToUtf8(line, bytes + size, kRecordBytesCapacity - size);
    if (lineSize < 0) {
        return false;
    }
    return AppendToFile(path, bytes, size + lineSize);
}

}  // namespace kelomed
