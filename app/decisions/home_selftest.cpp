#include "app/decisions/home_selftest.h"

#include "app/decisions/command_line.h"
#include "app/decisions/selftest.h"
#include "app/decisions/tool_finder.h"
#include "engine/format_text.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

// What a nurse might type: initials, a number with and without its zero,
// Latin letters in capitals and in full width, a word of a title, a
// category, initials from a title's second word, nothing, and nothing the
// suite holds.
constexpr const char16_t* kQueries[] = {
    u"dba", u"db", u"70", u"070", u"BRADEN", u"ｎｅｗｓ", u"ylx", u"压力", u"护理评估", u"", u"xyz",
};

constexpr int kLineCapacity = 512;

}  // namespace

bool BuildHomeSelftestText(std::span<const ToolDef* const> tools, char16_t* text, int capacity) {
    TextWriter writer(text, capacity);
    char16_t line[kLineCapacity];
    FormatText(line, kLineCapacity, u"HOME|%ls|%d\r\n", kHomeTitle, static_cast<int>(tools.size()));
    writer.Append(line);
    for (const ToolDef* tool : tools) {
        char16_t initials[kLineCapacity] = {};
        for (int i = 0;
             tool->initials != nullptr && tool->initials[i] != 0 && i + 1 < kLineCapacity; ++i) {
            initials[i] = static_cast<char16_t>(tool->initials[i]);
        }
        FormatText(line, kLineCapacity, u"TOOL|%03d|%ls|%ls|%ls\r\n", static_cast<int>(tool->id),
                   tool->title, tool->category, initials);
        writer.Append(line);
    }
    for (const char16_t* query : kQueries) {
        const ToolDef* rows[kMostListedTools];
        const int count = ListTools(tools, query, {}, ToolOrder::Number, rows, kMostListedTools);
        FormatText(line, kLineCapacity, u"SEARCH|%ls|", query);
        writer.Append(line);
        for (int i = 0; i < count; ++i) {
            FormatText(line, kLineCapacity, i == 0 ? u"%03d" : u",%03d",
                       static_cast<int>(rows[i]->id));
            writer.Append(line);
        }
        writer.Append(u"\r\n");
    }
    return !writer.cut();
}

bool RunHomeSelftestIfAsked(std::span<const ToolDef* const> tools, int count,
                            const char16_t* const* arguments, int& exitCode, char16_t* message,
                            int messageCapacity) {
    CopyText(message, messageCapacity, u"");
    SelftestRequest request;
    if (!ParseSelftestArguments(count, arguments, request)) {
        return false;
    }
    if (request.setCount > 0 || request.setMissing) {
        FormatText(message, messageCapacity, u"--set：%ls没有输入，它的自检只列出工具并检索",
                   kHomeTitle);
        exitCode = kSelftestUnknownKey;
        return true;
    }
    static char16_t text[kSelftestTextCapacity];
    exitCode = request.pathFits && BuildHomeSelftestText(tools, text, kSelftestTextCapacity) &&
                       WriteSelftestFile(request.path, text)
                   ? kSelftestPassed
                   : kSelftestReportNotWritten;
    return true;
}

}  // namespace kelomed
