// The powers that land exactly on a double or halfway between two: the
// multiple-precision path would never decide their rounding.
#pragma once

namespace kelomed::math {

// For x > 0 (not 1) and finite y (not 0): when x^y is a number of at most
// 54 significant bits times a power of two (so exactly representable, or a
// tie), stores x^y rounded to nearest, ties to even, and returns true.
bool ExactPower(double x, double y, double& out);

}  // namespace kelomed::math
