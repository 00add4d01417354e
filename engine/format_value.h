// The text of one computed value by its format code.
#pragma once

namespace kelomed {

// Codes: "f0", "f1", "f2", "f3", "int" (rounded), "pct" (value with a percent
// sign), "date" (value as a day number), "g3" (at least three significant
// digits in fixed point: 3200, 80.0, 0.0267), "sig2" ("f2", and below 0.1
// two significant digits: 0.0075, 0.000030, 0.10), "hm" (minutes as hours
// and minutes: "7 小时 30 分"), "until" (minutes until something runs out,
// whole minutes rounded down: "11 小时 6 分", "不足 1 分钟"), "clock"
// (minutes from midnight as a clock time, "16:30", "次日 3:30", "第3天
// 0:15"); null and any other code mean "f2". Durations and clock times round
// the minutes as computed to the nearest whole minute, an exact half up. A
// value that is NaN or infinite prints "--".
void FormatValue(const char* code, double value, char16_t* out, int outCapacity);

// The number that `text`, FormatValue's text of `value`, stands for: 0.045
// with "f2" shows "0.04" and stands for 0.04; a percentage stands for the
// number before its sign, a date for its day number; NaN when the text is
// "--"; a duration stands for its minutes, a clock time for its minutes
// from the first midnight. A rule that reads this can never contradict the
// number shown beside it.
double ShownValue(const char* code, double value, const char16_t* text);

// The shortest decimal text that reads back as `value` (12345.67, 0.004,
// 1.25e-05): a number a nurse typed, with every digit she typed and no
// trailing zeros. "--" when it is not finite.
void FormatShortest(double value, char16_t* out, int outCapacity);

}  // namespace kelomed
