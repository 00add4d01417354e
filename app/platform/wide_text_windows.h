// UTF-16 text as the Windows API takes it: char16_t and wchar_t are both
// 16-bit code units on Windows.
#pragma once

namespace kelomed {

inline const wchar_t* Wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

}  // namespace kelomed
