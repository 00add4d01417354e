// The fast paths of exp, log, log10 and pow, for arguments past their
// special cases: compute in double-double, round when the error bound
// decides the rounding, else take the multiple-precision path. Compiled
// twice, once per kind of exact product (products.h); product_path.h picks
// one when the program starts.
#pragma once

#include <cmath>

#include "engine/math/exp_core.h"
#include "engine/math/float_bits.h"
#include "engine/math/log_core.h"
#include "engine/math/slow_paths.h"

namespace kelomed::math {

// engine/math/README.md, table T: log10's product with 1/ln(10), and its
// RoundWithin, add at most 2^-92.92 to the logarithm's relative error.
inline constexpr double kLog10ProductError = 0x1p-92;
// engine/math/README.md, table W: besides the logarithm's relative error,
// pow's result carries at most 2^-81.98 of relative error per unit of
// |y ln(x)| (chiefly the low part of y ln(x) times exp's low part, which the
// core leaves out).
inline constexpr double kPowExponentError = 0x1p-81;

// 2^-54 <= |x|, kUnderflowBound <= x < kOverflowBound.
template <class Products>
double ExpFastPath(double x) {
    const ScaledDoubleDouble e = ExpCore<Products>(x, 0);
    double result = 0;
    if (RoundScaled(e.hi, e.lo, kExpCoreError, e.exponent, result)) {
        return result;
    }
    return SlowExp(x);
}

// A positive finite x other than 1.
template <class Products>
double LogFastPath(double x) {
    const LogResult r = LogCore<Products>(x);
    double result = 0;
    if (RoundWithin(r.hi, r.lo, kLogError * std::fabs(r.hi), result)) {
        return result;
    }
    return SlowLog(x);
}

template <class Products>
double Log10FastPath(double x) {
    const LogResult r = LogCore<Products>(x);
    const DoubleDouble product = Products::Product(r.hi, kInverseLn10.hi);
    const double low = product.lo + (r.hi * kInverseLn10.lo + r.lo * kInverseLn10.hi);
    double result = 0;
    if (RoundWithin(product.hi, low, (kLogError + kLog10ProductError) * std::fabs(product.hi),
                    result)) {
        return result;
    }
    return SlowLog10(x);
}

// x^y for a positive finite x other than 1 and a finite y, not 0, with
// |y| < 2^64; the sign of the result is `sign`.
template <class Products>
double PowFastPath(double x, double y, double sign) {
    const LogResult logarithm = PreciseLogCore<Products>(x);
    const DoubleDouble product = Products::Product(y, logarithm.hi);
    const double productLow = product.lo + y * logarithm.lo;
    if (product.hi > kOverflowBound) {
        return sign * Infinity();
    }
    if (product.hi < kUnderflowBound) {
        return sign * 0.0;
    }
    const ScaledDoubleDouble e = ExpCore<Products>(product.hi, productLow);
    // The logarithm's relative error becomes an absolute error of y ln(x),
    // and that a relative error of the result, beside the core's own.
    const double error =
        kExpCoreError + e.hi * ((kPreciseLogError + kPowExponentError) * std::fabs(product.hi));
    double result = 0;
    if (RoundScaled(e.hi, e.lo, error, e.exponent, result)) {
        return sign * result;
    }
    return sign * SlowPow(x, y);
}

// The two compiled versions.
namespace portable {
double Exp(double x);
double Log(double x);
double Log10(double x);
double Pow(double x, double y, double sign);
}  // namespace portable

namespace fused {
double Exp(double x);
double Log(double x);
double Log10(double x);
double Pow(double x, double y, double sign);
}  // namespace fused

}  // namespace kelomed::math
