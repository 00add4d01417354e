// The text of one computed value by its format code.
#pragma once

namespace kelomed {

// Codes: "f0", "f1", "f2", "f3", "int" (rounded), "pct" (value with a percent
// sign), "date" (value as a day number); null and any other code mean "f2".
// A value that is NaN or infinite prints "--".
void FormatValue(const char* code, double value, char16_t* out, int outCapacity);

}  // namespace kelomed
