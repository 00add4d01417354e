// The bits of a binary64 number, and exact scaling by powers of two. The
// inline functions are always inlined, like those of double_double.h.
#pragma once

#include <bit>
#include <cstdint>

#include "engine/math/always_inline.h"

namespace kelomed::math {

inline constexpr std::uint64_t kSignBit = 0x8000000000000000;
inline constexpr std::uint64_t kExponentBits = 0x7FF0000000000000;
inline constexpr std::uint64_t kFractionBits = 0x000FFFFFFFFFFFFF;

KELOMED_ALWAYS_INLINE std::uint64_t BitsOf(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

KELOMED_ALWAYS_INLINE double DoubleOf(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

KELOMED_ALWAYS_INLINE double Infinity() {
    return DoubleOf(kExponentBits);
}

KELOMED_ALWAYS_INLINE double QuietNaN() {
    return DoubleOf(0x7FF8000000000000);
}

// 2^e for e in [-1022, 1023].
KELOMED_ALWAYS_INLINE double PowerOfTwo(int e) {
    return DoubleOf(static_cast<std::uint64_t>(e + 1023) << 52);
}

// x * 2^e, exact whenever the result is representable (including as a
// subnormal number), infinite when it overflows.
double ScaleByPowerOfTwo(double x, int e);

// A positive finite x as m * 2^e with m in [1, 2), subnormal numbers
// included; returns e and stores the bits of m.
KELOMED_ALWAYS_INLINE int SplitExponent(double x, std::uint64_t& mantissaBits) {
    std::uint64_t bits = BitsOf(x);
    int bias = 1023;
    if ((bits & kExponentBits) == 0) {
        bits = BitsOf(x * 0x1p52);  // subnormal: normalise, exactly
        bias += 52;
    }
    mantissaBits = (bits & kFractionBits) | 0x3FF0000000000000;
    return static_cast<int>(bits >> 52) - bias;
}

// Whether y is an integer, and if so, whether it is odd.
enum class IntegerKind { NotInteger, Odd, Even };
IntegerKind IntegerKindOf(double y);

// Rounds h + l to nearest when h + l +- error round alike.
KELOMED_ALWAYS_INLINE bool RoundWithin(double h, double l, double error, double& out) {
    const double low = h + (l - error);
    const double high = h + (l + error);
    out = low;
    return low == high;
}

// RoundScaled for any h and e.
bool RoundScaledAnywhere(double h, double l, double error, int e, double& out);

// Rounds (h + l) * 2^e to nearest, where h > 0, |l| is far below h and
// h + l is within `error` of the true value; false when that interval holds
// a rounding boundary, so the rounding cannot be decided from it. Subnormal
// and overflowing results are rounded once.
KELOMED_ALWAYS_INLINE bool RoundScaled(double h, double l, double error, int e, double& out) {
    // With h >= 1 and e >= -1021 every value of the interval lies above
    // 2^-1022 even when l < 0 takes h + l below 1: the result is normal (or
    // rounds up to infinity), so rounding to 53 bits and then scaling, which
    // is exact, rounds once. At e = -1022, h + l < 1 would be a subnormal
    // result with fewer bits: RoundScaledAnywhere decides by the value.
    if (h >= 1 && h < 2 && e >= -1021 && e <= 1023) {
        const bool decided = RoundWithin(h, l, error, out);
        out *= PowerOfTwo(e);
        return decided;
    }
    return RoundScaledAnywhere(h, l, error, e, out);
}

}  // namespace kelomed::math
