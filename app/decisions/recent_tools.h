// The tools a nurse opened last from the home program, kept per user in a
// small text file: one tool number per line, the most recent first. What
// cannot be read as the suite's tools is left out, so a damaged or missing
// file means fewer or no recent tools, never a failure.
#pragma once

#include <span>

#include "app/decisions/suite_names.h"
#include "app/decisions/tool_finder.h"

namespace kelomed {

inline constexpr int kRecentToolsFileCapacity = 256;
inline constexpr int kRecentToolsPathCapacity = kPathCapacity;

// The ids of the file's lines that are numbers of tools in `tools`, each
// once, at most `capacity` (up to kMostRecentTools) of them; returns their
// count.
int ReadRecentTools(const char* bytes, int size, std::span<const ToolDef* const> tools, int* ids,
                    int capacity);

// Puts `id` first: a tool opened again moves up, and the oldest of more
// than kMostRecentTools falls off the list.
void RememberTool(int* ids, int& count, int id);

// The file's bytes ("70\r\n121\r\n"); returns their count.
int FormatRecentTools(const int* ids, int count, char* bytes, int capacity);

// The suite's folder under `appData` and "recent-tools.txt" in it;
// false when the path does not fit `capacity`, so that a cut path is never
// read or written.
bool FormatRecentToolsFolder(const char16_t* appDataFolder, char16_t* folder, int capacity);
bool FormatRecentToolsPath(const char16_t* appDataFolder, char16_t* path, int capacity);

}  // namespace kelomed
