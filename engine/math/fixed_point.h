// Signed fixed-point numbers of up to 33 64-bit limbs: one integer limb and
// up to 2048 fraction bits, for the multiple-precision path. Two's
// complement, little-endian; every operation works at the precision of its
// operands and truncates, and the callers count the truncations as errors
// in units of the last place ("ulps", 2^-fractionBits).
#pragma once

#include <cstdint>

namespace kelomed::math {

inline constexpr int kMaxLimbs = 33;

struct Fixed {
    int count = 0;  // limbs in use, the top one the integer part
    std::uint64_t limb[kMaxLimbs] = {};

    int FractionBits() const { return 64 * (count - 1); }
};

Fixed FixedZero(int count);
// An integer (|value| < 2^63).
Fixed FixedInteger(std::int64_t value, int count);
// x exactly, when |x| < 2^63 and x is a multiple of 2^-FractionBits();
// otherwise cut toward minus infinity.
Fixed FixedOf(double x, int count);
// The top `count` limbs of a 33-limb constant.
Fixed FixedConstant(const std::uint64_t (&limbs)[33], int count);

bool IsNegative(const Fixed& a);
bool IsZero(const Fixed& a);
// About the value, for choosing a reduction.
double ApproximateValue(const Fixed& a);

void Add(Fixed& a, const Fixed& b);
void Subtract(Fixed& a, const Fixed& b);
void Negate(Fixed& a);
// a * b, cut toward zero: at most one ulp off.
Fixed Multiply(const Fixed& a, const Fixed& b);
// a * factor, exact while it fits.
void MultiplySmall(Fixed& a, std::uint64_t factor);
// a / divisor, cut toward zero: at most one ulp off.
void DivideSmall(Fixed& a, std::uint64_t divisor);
// a * 2^bits, exact while it fits; a / 2^bits cut toward minus infinity.
void ShiftLeft(Fixed& a, int bits);
void ShiftRight(Fixed& a, int bits);

// value * 2^scale rounded to nearest, ties to even.
double RoundFixed(const Fixed& value, int scale);
// Rounds value * 2^scale when every number within errorUlps (a whole
// number) of value rounds alike; false when the error leaves the rounding
// open.
bool RoundFixedWithin(const Fixed& value, double errorUlps, int scale, double& out);

}  // namespace kelomed::math
