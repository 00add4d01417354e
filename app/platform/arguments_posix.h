// The arguments of a Linux entry as the UTF-16 words the self-test reads,
// each whole, the program's own name left out.
#pragma once

#include <cstring>
#include <vector>

#include "engine/utf8.h"

namespace kelomed {

class Utf16Arguments {
  public:
    Utf16Arguments(int argc, char** argv) {
        for (int i = 1; i < argc; ++i) {
            const int length = static_cast<int>(std::strlen(argv[i]));
            std::vector<char16_t> text(static_cast<std::size_t>(length) + 1);
            Utf8ToUtf16(argv[i], length, text.data(), length + 1);
            texts_.push_back(std::move(text));
        }
        for (const auto& text : texts_) {
            words_.push_back(text.data());
        }
    }

    int count() const { return static_cast<int>(words_.size()); }
    const char16_t* const* words() const { return words_.data(); }

  private:
    std::vector<std::vector<char16_t>> texts_;
    std::vector<const char16_t*> words_;
};

}  // namespace kelomed
