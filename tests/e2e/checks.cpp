#include "tests/e2e/checks.h"

#include "app/decisions/suite_names.h"
#include "app/platform/record_files.h"
#include "app/platform/wide_text_windows.h"

#include <cstdio>

namespace kelomed::e2e {

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

void Print(const std::wstring& text) {
    const std::string bytes = Utf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void Checks::Expect(bool ok, const std::wstring& what, const std::wstring& detail) {
    if (ok) {
        ++passed_;
        Print(L"PASS " + what + L"\n");
    } else {
        ++failed_;
        Print(L"FAIL " + what + (detail.empty() ? L"" : L": " + detail) + L"\n");
    }
}

void Checks::ExpectEqual(const std::wstring& actual, const std::wstring& expected,
                         const std::wstring& what) {
    Expect(actual == expected, what, L"got [" + actual + L"] expected [" + expected + L"]");
}

void Checks::ExpectEventually(const std::function<std::wstring()>& read,
                              const std::wstring& expected, const std::wstring& what) {
    const std::wstring seen =
        WaitFor(read, [&expected](const std::wstring& text) { return text == expected; });
    Expect(seen == expected, what,
           L"at the deadline [" + seen + L"], expected [" + expected + L"]");
}

void Checks::Summary() const {
    std::printf("gui: %d passed, %d failed\n", passed_, failed_);
}

std::wstring RecordFilePath(int id) {
    char16_t folder[kPathCapacity] = {};
    ReadLocalAppDataFolder(folder, kPathCapacity);
    wchar_t name[16];
    swprintf(name, 16, L"\\T%03d.csv", id);
    return std::wstring(Wide(folder)) + L"\\" + Wide(kSuiteFolderName) + L"\\records" + name;
}

bool ReadFileBytes(const std::wstring& path, std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bytes.clear();
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return true;
}

}  // namespace kelomed::e2e
