// Writes what the build needs to know of the suite's tools, read from the
// tables themselves: the programs with their titles (UTF-8, one line each:
// program, title, subtitle, category, separated by tabs) and the suite's
// name and the home program's for the packaging, and each program's title (the home's too) and the
// suite's name for its version resource, as UTF-16 escapes, since the resource compiler reads
// scripts in one byte code page only. Built for the machine that builds, also when the programs are
// built for Windows.
//
//   suite_manifest PROGRAMS.tsv NAME.txt HOME_NAME.txt RESOURCE_FOLDER
//
// And README's tables of the programs and of the infusion library, from the
// same tables: "--check-readme README.md" fails where README differs,
// "--write-readme README.md" writes them in. "--titles" lists each tool's
// id, title and initials, tab-separated, for the check of the initials
// against Unihan's readings.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/utf8.h"
#include "tools/readme_tables.h"
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

// "L\"\x4e2d...\"": the text as escapes of its UTF-16 units.
std::string WideLiteral(const char16_t* text) {
    std::string literal = "L\"";
    for (const char16_t* unit = text; *unit != 0; ++unit) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%04x", static_cast<unsigned>(*unit));
        literal += escape;
    }
    return literal + "\"";
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

int ReadmeTables(const std::string& mode, const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string readme((std::istreambuf_iterator<char>(file)),
                             std::istreambuf_iterator<char>());
    std::string written;
    if (!file || !kelomed::WithTablesWritten(readme, written)) {
        std::fprintf(stderr, "suite_manifest: %s is missing, or a table's markers are\n",
                     path.c_str());
        return 1;
    }
    if (mode == "--write-readme") {
        return written == readme || WriteFile(path, written) ? 0 : 1;
    }
    if (written != readme) {
        std::fprintf(stderr,
                     "suite_manifest: README's tables differ from the tool tables; "
                     "suite_manifest --write-readme %s writes them\n",
                     path.c_str());
        return 1;
    }
    std::printf("README's tables of programs and infusions equal the tool tables\n");
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--titles") {
        for (const kelomed::ToolDef* tool : kelomed::SuiteTools()) {
            std::printf("%d\t%s\t%s\n", static_cast<int>(tool->id), Utf8Of(tool->title).c_str(),
                        tool->initials);
        }
        return 0;
    }
    if (argc == 3 &&
        (std::string(argv[1]) == "--check-readme" || std::string(argv[1]) == "--write-readme")) {
        return ReadmeTables(argv[1], argv[2]);
    }
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: suite_manifest PROGRAMS.tsv NAME.txt HOME_NAME.txt RESOURCE_FOLDER\n");
        return 2;
    }
    const std::string homeTexts = "#define KELOMED_TOOL_TITLE " + WideLiteral(kelomed::kHomeTitle) +
                                  "\n#define KELOMED_SUITE_NAME " +
                                  WideLiteral(kelomed::kSuiteName) + "\n";
    if (!WriteFile(std::string(argv[4]) + "/kelomed-texts.rc", homeTexts)) {
        std::fprintf(stderr, "suite_manifest: cannot write the texts of the home program\n");
        return 1;
    }
    std::string programs;
    for (const kelomed::ToolDef* tool : kelomed::SuiteTools()) {
        char name[32];
        std::snprintf(name, sizeof name, "kelomed-t%03d", static_cast<int>(tool->id));
        programs += std::string(name) + "\t" + Utf8Of(tool->title) + "\t" + Utf8Of(tool->subtitle) +
                    "\t" + Utf8Of(tool->category) + "\n";
        const std::string texts = "#define KELOMED_TOOL_TITLE " + WideLiteral(tool->title) +
                                  "\n#define KELOMED_SUITE_NAME " +
                                  WideLiteral(kelomed::kSuiteName) + "\n";
        if (!WriteFile(std::string(argv[4]) + "/" + name + "-texts.rc", texts)) {
            std::fprintf(stderr, "suite_manifest: cannot write the texts of %s\n", name);
            return 1;
        }
    }
    if (!WriteFile(argv[1], programs) || !WriteFile(argv[2], Utf8Of(kelomed::kSuiteName)) ||
        !WriteFile(argv[3], Utf8Of(kelomed::kHomeTitle))) {
        std::fprintf(stderr, "suite_manifest: cannot write %s, %s or %s\n", argv[1], argv[2],
                     argv[3]);
        return 1;
    }
    return 0;
}
