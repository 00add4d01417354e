// Test helpers: UTF-16 buffers shown as UTF-8 so failures read as text.
#pragma once

#include <string>

#include "engine/utf8.h"

namespace kelomed::testing {

inline std::string Utf8Of(const char16_t* text) {
    std::u16string units(text);
    std::string bytes(units.size() * kUtf8BytesPerUnit + 1, '\0');
    const int size = Utf16ToUtf8(text, bytes.data(), static_cast<int>(bytes.size()));
    bytes.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
    return bytes;
}

inline std::u16string Utf16Of(const std::string& bytes) {
    std::u16string units(bytes.size() + 1, u'\0');
    const int length = Utf8ToUtf16(bytes.data(), static_cast<int>(bytes.size()), units.data(),
                                   static_cast<int>(units.size()));
    units.resize(static_cast<std::size_t>(length));
    return units;
}

}  // namespace kelomed::testing
