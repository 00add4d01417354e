// Temporary files for tests that write through the platform layer.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/test_text.h"

namespace kelomed::testing {

// A path under GoogleTest's temporary folder, unique per test, removed on
// destruction.
class TempFile {
  public:
    explicit TempFile(const std::string& name) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = ::testing::TempDir() + "kelomed-" + info->test_suite_name() + "-" + info->name() +
                "-" + name;
        std::remove(path_.c_str());
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& path() const { return path_; }
    std::u16string widePath() const { return Utf16Of(path_); }

    bool Exists() const { return std::ifstream(path_, std::ios::binary).good(); }

    std::string Read() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

  private:
    std::string path_;
};

}  // namespace kelomed::testing
