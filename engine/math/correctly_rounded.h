// The engine's own exp, log, log10 and pow: correctly rounded to nearest
// (ties to even) for every double argument, so every platform computes the
// same bits. Special values follow C's Annex F: pow(x, +-0) = 1 even for a
// NaN x, pow(1, y) = 1, pow(-0, y) and pow(-inf, y) by the parity of y, a
// negative base with a non-integer exponent gives NaN, results overflow to
// +-inf and underflow through the subnormal numbers to +-0, and a NaN
// argument gives NaN.
//
// Each function first computes in double-double arithmetic with an error
// bound derived in engine/math/README.md and rounds when the bound decides
// the rounding; otherwise (about one call in ten thousand for log10 on
// random arguments, fewer for log and pow, practically never for exp:
// bench/math_benchmark.cpp) it recomputes in multiple-precision fixed-point
// arithmetic with growing precision until it does. Nothing is allocated.
#pragma once

namespace kelomed::math {

double Exp(double x);
double Log(double x);
double Log10(double x);
double Pow(double x, double y);

// The square root, correctly rounded: the processor's instruction. (The
// Windows C runtime's sqrt goes through the x87 unit and rounds twice, so
// it is off by an ulp for some arguments.)
double SquareRoot(double x);

}  // namespace kelomed::math
