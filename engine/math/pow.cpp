#include <cmath>

#include "engine/math/correctly_rounded.h"
#include "engine/math/fast_paths.h"
#include "engine/math/float_bits.h"
#include "engine/math/product_path.h"

namespace kelomed::math {
namespace {

// pow(x, y) for x or y infinite, or x = +-0; false for the rest.
bool PowOfSpecialValue(double x, double y, double& result) {
    const double ax = std::fabs(x);
    if (y == Infinity() || y == -Infinity()) {
        if (ax == 1) {
            result = 1;  // pow(-1, +-inf)
        } else {
            result = (ax < 1) == (y < 0) ? Infinity() : 0.0;
        }
        return true;
    }
    if (ax == Infinity() || x == 0) {
        // pow(+-0, y) = 1 / pow(+-inf, y), with the sign of x for odd y.
        const bool large = (ax == Infinity()) == (y > 0);
        const double magnitude = large ? Infinity() : 0.0;
        const bool negative = std::signbit(x) && IntegerKindOf(y) == IntegerKind::Odd;
        result = negative ? -magnitude : magnitude;
        return true;
    }
    return false;
}

// x^y for a positive finite x other than 1 and a finite y, not 0, with
// |y| < 2^64, in the active version of the fast path.
double PositivePow(double x, double y, double sign) {
    return ActiveProductPath() == ProductPath::Fused ? fused::Pow(x, y, sign)
                                                     : portable::Pow(x, y, sign);
}

// Every pow that is not the common case of PositivePow with a normal x.
double PowOfOtherValues(double x, double y) {
    if (y == 0 || x == 1) {
        return 1;
    }
    if (x != x || y != y) {
        return x + y;
    }
    double result = 0;
    if (PowOfSpecialValue(x, y, result)) {
        return result;
    }
    bool negative = false;
    if (x < 0) {
        const IntegerKind kind = IntegerKindOf(y);
        if (kind == IntegerKind::NotInteger) {
            return QuietNaN();
        }
        negative = kind == IntegerKind::Odd;
        x = -x;
        if (x == 1) {
            return negative ? -1.0 : 1.0;
        }
    }
    const double sign = negative ? -1.0 : 1.0;
    // |ln x| >= 2^-53 for every double x other than 1, so from |y| = 2^64 on
    // |y ln x| > 2048: the result overflows or underflows.
    if (std::fabs(y) >= 0x1p64) {
        return sign * ((x > 1) == (y > 0) ? Infinity() : 0.0);
    }
    return PositivePow(x, y, sign);
}

}  // namespace

double Pow(double x, double y) {
    // The common case in one test: x a positive normal number other than 1,
    // y finite, not 0, and below 2^64 in magnitude.
    const std::uint64_t xBits = BitsOf(x);
    const std::uint64_t yMagnitude = BitsOf(y) & ~kSignBit;
    constexpr std::uint64_t kSmallestNormal = 0x0010000000000000;
    if (xBits - kSmallestNormal < kExponentBits - kSmallestNormal && xBits != BitsOf(1.0) &&
        yMagnitude - 1 < BitsOf(0x1p64) - 1) {
        return PositivePow(x, y, 1.0);
    }
    return PowOfOtherValues(x, y);
}

}  // namespace kelomed::math
