// What the end-to-end scenarios share: PASS and FAIL lines, UTF-8 output,
// and the record files of the programs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace kelomed::e2e {

std::string Utf8(const std::wstring& text);
void Print(const std::wstring& text);

// How long a check waits for the state it checks: long enough for a
// machine whose two cores another build keeps busy.
inline constexpr DWORD kStateDeadlineMs = 15000;

// Reads until `done` holds for what was read or the deadline passes, and
// returns the last reading either way.
template <typename Read, typename Done>
auto WaitFor(Read read, Done done, DWORD deadlineMs = kStateDeadlineMs) {
    const ULONGLONG deadline = GetTickCount64() + deadlineMs;
    auto seen = read();
    while (!done(seen) && GetTickCount64() < deadline) {
        Sleep(20);
        seen = read();
    }
    return seen;
}

class Checks {
  public:
    void Expect(bool ok, const std::wstring& what, const std::wstring& detail = L"");
    void ExpectEqual(const std::wstring& actual, const std::wstring& expected,
                     const std::wstring& what);
    // Reads until the text is `expected` or the deadline passes; a failure
    // says what was read at the deadline.
    void ExpectEventually(const std::function<std::wstring()>& read, const std::wstring& expected,
                          const std::wstring& what);
    int failed() const { return failed_; }
    void Summary() const;

  private:
    int passed_ = 0;
    int failed_ = 0;
};

// The record file of tool `id` in the user's local application-data folder.
std::wstring RecordFilePath(int id);

bool ReadFileBytes(const std::wstring& path, std::string& bytes);

}  // namespace kelomed::e2e
