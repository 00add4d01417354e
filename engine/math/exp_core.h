// The double-double core of exp, shared by exp and pow.
#pragma once

#include "engine/math/always_inline.h"
#include "engine/math/double_double.h"
#include "engine/math/tables.h"

namespace kelomed::math {

// Above this exp overflows (ln of the largest double plus half an ulp is
// 709.78271289338...), below the other it rounds to 0 (ln 2^-1075 is
// -745.13321910194...); nearer to them the core decides.
inline constexpr double kOverflowBound = 709.79;
inline constexpr double kUnderflowBound = -745.14;

// exp(xh + xl) = 2^exponent (hi + lo), hi in [0.99, 2.01] and |lo| below
// 2^-30, with an absolute error of hi + lo below kExpCoreError.
struct ScaledDoubleDouble {
    double hi;
    double lo;
    int exponent;
};
// engine/math/README.md, table E: the terms E1 to E9 and R add up to 2^-78.24.
inline constexpr double kExpCoreError = 0x1p-78;

// The polynomial of the cubic part of e^r - 1 = r + r^2/2 + r^3 ExpSeries +
// ...: 1/6 + r/24 + ... + r^4/5040, in pairs (Estrin) for a short chain. A
// template over the arithmetic, so that a test evaluates this very
// polynomial in wider arithmetic and measures what it leaves out (README.md,
// E2; error_bounds.py).
template <class Real>
KELOMED_ALWAYS_INLINE Real ExpSeries(Real r, Real square) {
    const Real one = 1;
    return (one / 6 + r * (one / 24)) +
           square * ((one / 120 + r * (one / 720)) + square * (one / 5040));
}

// exp(k ln(2)/256 + rh + rl) for |rh| <= ln(2)/512 (and a little more),
// |rl| <= 2^-52 |rh| + 2^-58.
template <class Products>
ScaledDoubleDouble ExpOfReduced(int k, double rh, double rl) {
    // exp(r) - 1 = r + r^2/2 + r^3 ExpSeries(r) + ...; the first omitted
    // term is below 2^-91, the roundings of the cubic part below 2^-80
    // (README.md, E2 and E3).
    const DoubleDouble square = Products::Square(rh);
    const double polynomial = ExpSeries(rh, square.hi);
    const double cubic = (rh * square.hi) * polynomial;
    const DoubleDouble p = FastTwoSum(rh, 0.5 * square.hi);
    const double pLow = p.lo + (0.5 * square.lo + (rl + (rh * rl + cubic)));
    // 2^(j/256) (1 + p).
    const DoubleDouble& power = kExpTable[k & 255];
    const DoubleDouble product = Products::Product(power.hi, p.hi);
    const DoubleDouble sum = FastTwoSum(power.hi, product.hi);
    const double low = sum.lo + (product.lo + (power.lo + (power.hi * pLow + power.lo * p.hi)));
    return {sum.hi, low, k >> 8};
}

// |xh| <= 746, |xl| <= ulp(xh).
template <class Products>
ScaledDoubleDouble ExpCore(double xh, double xl) {
    // k = round(x 256 / ln 2) by the 1.5 2^52 shifter; |k| < 2^19, so k times
    // either of the first two parts of ln(2)/256 is exact, and so is the
    // first subtraction (the operands are within a factor 2).
    const double shifter = 0x1.8p52;
    const double k = (xh * kExpStepInverse + shifter) - shifter;
    const double reduced = xh - k * kExpStep1;
    const DoubleDouble r = TwoSum(reduced, -k * kExpStep2);
    ScaledDoubleDouble e = ExpOfReduced<Products>(static_cast<int>(k), r.hi, r.lo - k * kExpStep3);
    // exp(x + xl) = exp(x) (1 + xl + xl^2/2 + ...); |xl| < 2^-43, so the
    // omitted terms are below 2^-87.
    e.lo += e.hi * xl;
    return e;
}

}  // namespace kelomed::math
