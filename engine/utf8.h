// Conversions between UTF-16 and UTF-8.
//
// Ill-formed input never stops a conversion: an unpaired surrogate or an
// invalid UTF-8 sequence becomes U+FFFD.
#pragma once

namespace kelomed {

// Bytes that one UTF-16 unit can need in UTF-8 (a surrogate pair needs 4 for
// 2 units, any other unit at most 3).
inline constexpr int kUtf8BytesPerUnit = 3;

// Converts the terminated `text` to UTF-8 without a terminator. Returns the
// number of bytes, or -1 (nothing usable written) when `outCapacity` is too
// small for the whole text.
int Utf16ToUtf8(const char16_t* text, char* out, int outCapacity);

// Converts `length` bytes of UTF-8 into `out` (first capacity - 1 units kept,
// terminated). Returns the full length in units.
int Utf8ToUtf16(const char* bytes, int length, char16_t* out, int outCapacity);

}  // namespace kelomed
