// The arguments of a Windows entry as Windows splits them (quotes,
// backslashes), each whole, the program's own path left out.
#pragma once

#include <windows.h>

#include <shellapi.h>

namespace kelomed {

class CommandLineArguments {
  public:
    CommandLineArguments() : all_(CommandLineToArgvW(GetCommandLineW(), &count_)) {}
    ~CommandLineArguments() { LocalFree(all_); }
    CommandLineArguments(const CommandLineArguments&) = delete;
    CommandLineArguments& operator=(const CommandLineArguments&) = delete;

    // None when Windows could not split the command line.
    int count() const { return all_ != nullptr && count_ > 0 ? count_ - 1 : 0; }
    const char16_t* const* words() const {
        return all_ != nullptr && count_ > 0 ? reinterpret_cast<const char16_t* const*>(all_ + 1)
                                             : nullptr;
    }

  private:
    int count_ = 0;
    wchar_t** all_;
};

}  // namespace kelomed
