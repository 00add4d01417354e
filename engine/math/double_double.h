// Exact sums of doubles, the building blocks of the fast paths (the exact
// products are in products.h).
//
// Every function here is exact in round-to-nearest binary64 arithmetic
// without contraction into fused multiply-adds (the build turns that off),
// so the results are the same bits on every platform. They are always
// inlined: the fast paths are compiled once for processors with fused
// multiply-add and once without, and no copy of these may be shared.
#pragma once

#include "engine/math/always_inline.h"

namespace kelomed::math {

// An unevaluated sum hi + lo with |lo| at most about an ulp of hi.
struct DoubleDouble {
    double hi;
    double lo;
};

// hi + lo = a + b exactly, provided |a| >= |b| or a is 0 (Dekker).
KELOMED_ALWAYS_INLINE DoubleDouble FastTwoSum(double a, double b) {
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// hi + lo = a + b exactly, for any a and b (Knuth).
KELOMED_ALWAYS_INLINE DoubleDouble TwoSum(double a, double b) {
    const double sum = a + b;
    const double bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// hi + lo = a exactly, each with at most 26 significant bits (Veltkamp);
// |a| must stay below 2^995.
KELOMED_ALWAYS_INLINE DoubleDouble Split(double a) {
    const double scaled = 134217729.0 * a;  // 2^27 + 1
    const double hi = scaled - (scaled - a);
    return {hi, a - hi};
}

}  // namespace kelomed::math
