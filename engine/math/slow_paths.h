// The multiple-precision paths, taken when a fast result lies too close to
// a rounding boundary.
#pragma once

#include "engine/math/fixed_point.h"

namespace kelomed::math {

// The precisions tried in turn, in limbs (one integer limb, the rest 64
// fraction bits each): 192, 448, 960 and 2048 fraction bits.
inline constexpr int kSlowPathLimbs[] = {4, 8, 16, kMaxLimbs};

// One step of a multiple-precision path: value 2^exponent, off by at most
// errorUlps units of value's last place. The step's error count is what
// decides the rounding, so a test measures each count against the true error
// (error_bounds.py).
struct FixedApproximation {
    Fixed value;
    int exponent;
    double errorUlps;
};

// The steps of the functions below at `limbs` limbs, for their arguments.
FixedApproximation ExpApproximation(double x, int limbs);
FixedApproximation LogApproximation(double x, int limbs);
FixedApproximation Log10Approximation(double x, int limbs);
FixedApproximation PowApproximation(double x, double y, int limbs);

// x with 2^-54 <= |x| and exp(x) neither overflowing nor far below 2^-1075.
double SlowExp(double x);
// A positive finite x other than 1.
double SlowLog(double x);
double SlowLog10(double x);
// x > 0 and y finite, with x^y neither 1 nor decided by a special case.
double SlowPow(double x, double y);

}  // namespace kelomed::math
