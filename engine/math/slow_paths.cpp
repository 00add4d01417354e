// The multiple-precision path: Ziv's strategy over fixed-point numbers of
// 192, 448, 960 and 2048 fraction bits. Each step computes the function with
// an error bound counted in ulps; the first precision whose error bound
// decides the rounding gives the result. Exact cases never reach here (exp
// and the logarithms of doubles other than 1 are transcendental, the
// rational logarithms log10(10^k) are doubles, and pow's exact cases are
// settled first), so a precision that decides exists; past the last, whose
// 2048 bits are far beyond the hardest cases known (about 120 bits), its
// rounding is returned.
#include <cmath>
#include <cstdint>

#include "engine/math/exact_power.h"
#include "engine/math/fixed_point.h"
#include "engine/math/float_bits.h"
#include "engine/math/slow_paths.h"
#include "engine/math/tables.h"

namespace kelomed::math {
namespace {

// exp(t) = mantissa 2^exponent, mantissa in [0.7, 1.42], within error ulps.
struct FixedExp {
    Fixed mantissa;
    int exponent;
    double error;
};

FixedExp ExpFixed(const Fixed& t) {
    const int count = t.count;
    // t = k ln(2) + r, |r| <= ln(2)/2 + tiny; the cut ln(2) costs |k| ulps.
    const int k = static_cast<int>(std::floor(ApproximateValue(t) * 1.4426950408889634 + 0.5));
    Fixed multiple = FixedConstant(kLn2Limbs, count);
    MultiplySmall(multiple, static_cast<std::uint64_t>(k < 0 ? -k : k));
    if (k < 0) {
        Negate(multiple);
    }
    Fixed r = t;
    Subtract(r, multiple);
    // exp(r) = sum of r^j / j!, |r| < 0.35; each computed term is off by at
    // most 1.51 ulps, and the terms left out add up to at most 1.83.
    Fixed sum = FixedInteger(1, count);
    Fixed term = sum;
    int j = 1;
    for (; j < 4 * 64 * kMaxLimbs; ++j) {
        term = Multiply(term, r);
        DivideSmall(term, static_cast<std::uint64_t>(j));
        if (IsZero(term)) {
            break;
        }
        Add(sum, term);
    }
    // engine/math/README.md, slow path: X1 to X3.
    const double error = 1.6 * j + 1.5 * std::abs(k) + 1;
    return {sum, k, error};
}

// 1/d for d in [1.5, 2.5] by Newton's iteration r += r (1 - d r), each step
// doubling the correct bits from the 50 of a double's estimate; within 2
// ulps (README.md, slow path: N).
Fixed Reciprocal(const Fixed& d) {
    const int count = d.count;
    Fixed r = FixedOf(1.0 / ApproximateValue(d), count);
    for (int correctBits = 50; correctBits < d.FractionBits() + 8; correctBits *= 2) {
        Fixed residual = FixedInteger(1, count);
        Subtract(residual, Multiply(d, r));
        Add(r, Multiply(r, residual));
    }
    // One more step: the last one's error is squared away, leaving only the
    // truncations of its two products.
    Fixed residual = FixedInteger(1, count);
    Subtract(residual, Multiply(d, r));
    Add(r, Multiply(r, residual));
    return r;
}

// ln(x) for a positive finite x, within error ulps.
struct FixedLog {
    Fixed value;
    double error;
};

FixedLog LogFixed(double x, int count) {
    std::uint64_t mantissaBits = 0;
    int e = SplitExponent(x, mantissaBits);
    double m = DoubleOf(mantissaBits);
    if (m >= 1.5) {
        m *= 0.5;
        ++e;
    }
    // ln(m) = 2 atanh(u), u = (m - 1)/(m + 1) in [-1/7, 1/5]: the series
    // gains more than 4.6 bits a term.
    const Fixed mFixed = FixedOf(m, count);
    const Fixed one = FixedInteger(1, count);
    Fixed numerator = mFixed;
    Subtract(numerator, one);
    Fixed denominator = mFixed;
    Add(denominator, one);
    const Fixed u = Multiply(numerator, Reciprocal(denominator));
    const Fixed uSquared = Multiply(u, u);
    Fixed sum = u;
    Fixed power = u;
    int j = 1;
    for (; j < 64 * kMaxLimbs; ++j) {
        power = Multiply(power, uSquared);
        Fixed term = power;
        DivideSmall(term, static_cast<std::uint64_t>(2 * j + 1));
        if (IsZero(term)) {
            break;
        }
        Add(sum, term);
    }
    ShiftLeft(sum, 1);
    Fixed value = FixedConstant(kLn2Limbs, count);
    MultiplySmall(value, static_cast<std::uint64_t>(e < 0 ? -e : e));
    if (e < 0) {
        Negate(value);
    }
    Add(value, sum);
    // engine/math/README.md, slow path: G1 to G4.
    return {value, std::abs(e) + 3.0 * j + 5};
}

// A bound as the whole number of ulps that RoundFixedWithin takes.
double BoundUlps(double ulps) {
    return std::ceil(ulps);
}

}  // namespace

FixedApproximation ExpApproximation(double x, int limbs) {
    const FixedExp result = ExpFixed(FixedOf(x, limbs));
    return {result.mantissa, result.exponent, BoundUlps(result.error)};
}

FixedApproximation LogApproximation(double x, int limbs) {
    const FixedLog result = LogFixed(x, limbs);
    return {result.value, 0, BoundUlps(result.error)};
}

FixedApproximation Log10Approximation(double x, int limbs) {
    const FixedLog logarithm = LogFixed(x, limbs);
    // The logarithm's error times 1/ln(10) < 0.5, the cut 1/ln(10) times
    // |ln x| < 745 ulps, the product one more.
    return {Multiply(logarithm.value, FixedConstant(kInverseLn10Limbs, limbs)), 0,
            BoundUlps(0.5 * logarithm.error + 746)};
}

FixedApproximation PowApproximation(double x, double y, int limbs) {
    // y = yMantissa 2^yShift with yMantissa in [0.5, 1).
    std::uint64_t yBits = 0;
    const int yShift = SplitExponent(std::fabs(y), yBits) + 1;
    const double yMantissa = DoubleOf(yBits) * 0.5;
    const FixedLog logarithm = LogFixed(x, limbs);
    Fixed t = Multiply(logarithm.value, FixedOf(yMantissa, limbs));
    if (y < 0) {
        Negate(t);
    }
    double tError = logarithm.error + 1;
    if (yShift > 0) {
        // |y ln x| < 746 here, so the shift keeps t's integer part.
        ShiftLeft(t, yShift);
        tError = ScaleByPowerOfTwo(tError, yShift);
    } else {
        ShiftRight(t, -yShift);
        tError = ScaleByPowerOfTwo(tError, yShift) + 1;
    }
    const FixedExp result = ExpFixed(t);
    // An error d in t is a relative error d of exp(t): under 1.5 d ulps.
    return {result.mantissa, result.exponent, BoundUlps(result.error + 1.5 * tError)};
}

namespace {

// Ziv's strategy: each precision in turn until its bound decides; past the
// last, its rounding.
template <class Step>
double RoundFirstDecided(Step step) {
    FixedApproximation approximation{};
    for (const int limbs : kSlowPathLimbs) {
        approximation = step(limbs);
        double rounded = 0;
        if (RoundFixedWithin(approximation.value, approximation.errorUlps, approximation.exponent,
                             rounded)) {
            return rounded;
        }
    }
    return RoundFixed(approximation.value, approximation.exponent);
}

}  // namespace

double SlowExp(double x) {
    return RoundFirstDecided([x](int limbs) { return ExpApproximation(x, limbs); });
}

double SlowLog(double x) {
    return RoundFirstDecided([x](int limbs) { return LogApproximation(x, limbs); });
}

double SlowLog10(double x) {
    return RoundFirstDecided([x](int limbs) { return Log10Approximation(x, limbs); });
}

double SlowPow(double x, double y) {
    double exact = 0;
    if (ExactPower(x, y, exact)) {
        return exact;
    }
    return RoundFirstDecided([x, y](int limbs) { return PowApproximation(x, y, limbs); });
}

}  // namespace kelomed::math
