// Whole-file output, with a Windows and a POSIX body.
#pragma once

namespace kelomed {

// Creates or truncates the file at `path` and writes `size` bytes. Returns
// true only when the file was opened, every byte written and the file closed
// without error.
bool WriteWholeFile(const char16_t* path, const char* bytes, int size);

}  // namespace kelomed
