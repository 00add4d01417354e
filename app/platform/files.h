// File-system operations, with a Windows and a POSIX body. Every write
// reports success only when the file was opened, every byte written and the
// file closed without error.
#pragma once

namespace kelomed {

// Creates or truncates the file at `path` and writes `size` bytes.
bool WriteWholeFile(const char16_t* path, const char* bytes, int size);

// Appends `size` bytes to the file at `path`, creating it when missing.
bool AppendToFile(const char16_t* path, const char* bytes, int size);

// Reads up to `capacity` bytes of the file at `path` into `bytes`; returns
// how many, or -1 when it cannot be opened or read.
int ReadFileStart(const char16_t* path, char* bytes, int capacity);

// Creates one directory; an existing one is no error.
bool CreateFolder(const char16_t* path);

bool FileExists(const char16_t* path);

// Writes `text` and a line break to the standard error stream as UTF-8 (a
// Windows program shows it where its error stream is redirected to).
void WriteErrorLine(const char16_t* text);

}  // namespace kelomed
