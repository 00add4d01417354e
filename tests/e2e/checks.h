// What the end-to-end scenarios share: PASS and FAIL lines, UTF-8 output,
// and the record files of the programs.
#pragma once

#include <windows.h>

#include <string>

namespace kelomed::e2e {

std::string Utf8(const std::wstring& text);
void Print(const std::wstring& text);

class Checks {
  public:
    void Expect(bool ok, const std::wstring& what, const std::wstring& detail = L"");
    void ExpectEqual(const std::wstring& actual, const std::wstring& expected,
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
