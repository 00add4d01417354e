// Reading a number that a nurse typed into an input field.
#pragma once

namespace kelomed {

// Field texts longer than this are refused rather than cut: a cut number
// would be a different number.
inline constexpr int kFieldTextLimit = 127;

// Reads a whole field text as one decimal number. Leading and trailing
// spaces (ASCII, ideographic, tab) are ignored; full-width digits, signs,
// decimal point and exponent letter, as a Chinese input method types them,
// read as their ASCII forms; an empty field is 0. Returns false, leaving
// `value` alone, when the text is anything else (trailing letters, a comma,
// hexadecimal, inf, nan) or the number is outside the range of a double.
bool ParseFieldText(const char16_t* text, double& value);

// Reads a time of day typed as H:MM or HH:MM (hours 0-23, two digits of
// minutes; the full-width colon and digits of a Chinese input method too) or
// as a whole hour ("8"), into hours: "8:30" is 8.5. Returns false, leaving
// `hours` alone, for anything else: an empty field, "0830", "7.30", "24:00".
bool ParseClockTimeText(const char16_t* text, double& hours);

}  // namespace kelomed
