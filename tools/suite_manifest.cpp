// Writes what the build needs to know of the suite's tools, read from the
// tables themselves: the programs with their titles (UTF-8, one line each:
// program, title, subtitle, category, separated by tabs) for the packaging,
// and each program's title for its version resource, as UTF-16 escapes,
// since the resource compiler reads scripts in one byte code page only.
//
//   suite_manifest PROGRAMS.tsv RESOURCE_FOLDER
#include <cstdio>
#include <string>

#include "engine/utf8.h"
#include "tools/suite.h"

namespace {

std::string Utf8Of(const char16_t* text) {
    std::string bytes(
        static_cast<std::size_t>(kelomed::TextLength(text)) * kelomed::kUtf8BytesPerUnit + 1, '\0');
    const int size = kelomed::Utf16ToUtf8(text != nullptr ? text : u"", bytes.data(),
                                          static_cast<int>(bytes.size()));
    bytes.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    return bytes;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool wrote = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && wrote;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: suite_manifest PROGRAMS.tsv RESOURCE_FOLDER\n");
        return 2;
    }
    std::string programs;
    for (const kelomed::ToolDef* tool : kelomed::SuiteTools()) {
        char name[32];
        std::snprintf(name, sizeof name, "kelomed-t%03d", static_cast<int>(tool->id));
        programs += std::string(name) + "\t" + Utf8Of(tool->title) + "\t" + Utf8Of(tool->subtitle) +
                    "\t" + Utf8Of(tool->category) + "\n";
        std::string title = "#define KELOMED_TOOL_TITLE L\"";
        for (const char16_t* unit = tool->title; *unit != 0; ++unit) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%04x", static_cast<unsigned>(*unit));
            title += escape;
        }
        title += "\"\n";
        if (!WriteFile(std::string(argv[2]) + "/" + name + "-texts.rc", title)) {
            std::fprintf(stderr, "suite_manifest: cannot write the texts of %s\n", name);
            return 1;
        }
    }
    if (!WriteFile(argv[1], programs)) {
        std::fprintf(stderr, "suite_manifest: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
