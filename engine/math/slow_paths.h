// The multiple-precision paths, taken when a fast result lies too close to
// a rounding boundary.
#pragma once

namespace kelomed::math {

// x with 2^-54 <= |x| and exp(x) neither overflowing nor far below 2^-1075.
double SlowExp(double x);
// A positive finite x other than 1.
double SlowLog(double x);
double SlowLog10(double x);
// x > 0 and y finite, with x^y neither 1 nor decided by a special case.
double SlowPow(double x, double y);

}  // namespace kelomed::math
