// The double-double cores of the logarithm: one for log and log10, a more
// precise one for pow.
#pragma once

#include <cstdint>

#include "engine/math/double_double.h"
#include "engine/math/float_bits.h"
#include "engine/math/tables.h"

namespace kelomed::math {

// ln(x) = hi + lo for a positive finite x, with a relative error below
// kLogError (kPreciseLogError for the precise core, whose error pow
// multiplies by |y ln(x)|; its lo is at most half an ulp of hi).
struct LogResult {
    double hi;
    double lo;
};
// engine/math/README.md, table L: the terms L1 to L4 and R add up to 2^-67.99.
inline constexpr double kLogError = 0x1p-67;
// engine/math/README.md, table P: the terms P1 to P6 and R add up to 2^-74.90.
inline constexpr double kPreciseLogError = 0x1p-74;

// x = 2^(exponent - s) m with ln(x) = exponent ln(2) + minusLog + ln(1 + z).
struct LogReduction {
    double z;
    double exponent;
    const LogTableEntry* entry;
};

// The polynomials of the logarithms' tails, templates over the arithmetic so
// that a test evaluates these very polynomials in wider arithmetic and
// measures what they leave out (README.md, L1 and P1; error_bounds.py).
// LogCore: ln(1 + z) = z - z^2/2 + z^3 LogSeries + ..., the series to z^9/9.
template <class Real>
KELOMED_ALWAYS_INLINE Real LogSeries(Real z, Real square, Real z4) {
    const Real one = 1;
    return (one / 3 - z * (one / 4)) + square * (one / 5 - z * (one / 6)) +
           z4 * ((one / 7 - z * (one / 8)) + square * (one / 9));
}

// PreciseLogCore: ln(1 + z) = z - z^2/2 + z^3/3 + z^4 PreciseLogSeries + ...,
// the series to z^11/11.
template <class Real>
KELOMED_ALWAYS_INLINE Real PreciseLogSeries(Real z, Real square, Real z4) {
    const Real one = 1;
    return (-one / 4 + z * (one / 5)) + square * (-one / 6 + z * (one / 7)) +
           z4 * ((-one / 8 + z * (one / 9)) + square * (-one / 10 + z * (one / 11)));
}

KELOMED_ALWAYS_INLINE LogReduction ReduceLog(double x) {
    std::uint64_t mantissaBits = 0;
    const int e = SplitExponent(x, mantissaBits);
    const LogTableEntry& entry = kLogTable[(mantissaBits >> 44) & 255];
    // m = mh + ml, mh with 44 significant bits: mh c has at most 53 bits and
    // lies within a factor 2 of 1, ml c has at most 18, and their sum z is a
    // multiple of 2^-61 of at most 2^-8: every step is exact.
    const double m = DoubleOf(mantissaBits);
    const double mh = DoubleOf(mantissaBits & ~std::uint64_t{0x1FF});
    const double ml = m - mh;
    const double z = (mh * entry.factor - 1) + ml * entry.factor;
    return {z, static_cast<double>(e + entry.shift), &entry};
}

// exponent ln(2) - ln(c) + z - z^2/2 + b, where b is far below z^2/2: the
// high parts in a chain of exact sums (every operand is at most the
// magnitude of the running sum: |minusLog| >= |z| unless it is 0), the small
// remainders in the low part with bLow.
KELOMED_ALWAYS_INLINE LogResult SumLogarithm(const LogReduction& r, const DoubleDouble& square,
                                             double b, double bLow) {
    const DoubleDouble scaled = FastTwoSum(r.exponent * kLn2Part1, r.entry->minusLog.hi);
    const DoubleDouble withZ = FastTwoSum(scaled.hi, r.z);
    const DoubleDouble withSquare = FastTwoSum(withZ.hi, -0.5 * square.hi);
    const DoubleDouble withB = FastTwoSum(withSquare.hi, b);
    const double low =
        (withZ.lo + withSquare.lo) + (withB.lo + scaled.lo) +
        ((r.exponent * kLn2Part2 + r.exponent * kLn2Part3) + (r.entry->minusLog.lo + bLow));
    return {withB.hi, low};
}

template <class Products>
LogResult LogCore(double x) {
    const LogReduction r = ReduceLog(x);
    const double z = r.z;
    // ln(1 + z) = z - z^2/2 + z^3 (1/3 - z/4 + ... + z^6/9) + ...; the first
    // omitted term is below 2^-75 |z|. z^2 is exact, the rest small enough
    // for plain doubles.
    const DoubleDouble square = Products::Square(z);
    const double z4 = square.hi * square.hi;
    const double polynomial = LogSeries(z, square.hi, z4);
    const double tail = (z * square.hi) * polynomial;
    return SumLogarithm(r, square, tail, -0.5 * square.lo);
}

template <class Products>
LogResult PreciseLogCore(double x) {
    const LogReduction r = ReduceLog(x);
    const double z = r.z;
    // As LogCore, with z^3/3 in double-double too and the series to z^11;
    // the first omitted term is below 2^-91 |z|.
    const DoubleDouble square = Products::Square(z);
    const DoubleDouble cube = Products::Product(z, square.hi);
    const double cubeLow = cube.lo + z * square.lo;
    const DoubleDouble third = Products::Product(cube.hi, kOneThird.hi);
    const double thirdLow = third.lo + (cube.hi * kOneThird.lo + cubeLow * kOneThird.hi);
    const double z4 = square.hi * square.hi;
    const double polynomial = PreciseLogSeries(z, square.hi, z4);
    const double tail = z4 * polynomial;
    const LogResult sum = SumLogarithm(r, square, third.hi, thirdLow + (tail - 0.5 * square.lo));
    const DoubleDouble normalised = FastTwoSum(sum.hi, sum.lo);
    return {normalised.hi, normalised.lo};
}

}  // namespace kelomed::math
