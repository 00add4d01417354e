// README's tables of the programs and of the infusion library, written from
// the tool tables themselves so that no fact of a tool is typed twice; the
// suite's manifest program writes them into README and checks them there.
#pragma once

#include <string>

namespace kelomed {

// The Markdown table of every program, the home first, and of every
// infusion drug's limits by use, UTF-8.
std::string ProgramsTable();
std::string InfusionLibraryTable();

// `readme` with the text between each table's two marker lines replaced by
// the table as the tools hold it now. False when a marker is missing.
bool WithTablesWritten(const std::string& readme, std::string& written);

}  // namespace kelomed
