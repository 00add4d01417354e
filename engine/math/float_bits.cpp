#include "engine/math/float_bits.h"

#include "engine/math/double_double.h"

namespace kelomed::math {

double ScaleByPowerOfTwo(double x, int e) {
    // Steps within the normal exponents; only the last can round, and it
    // does not when the result is representable.
    while (e > 1023) {
        x *= PowerOfTwo(1023);
        e -= 1023;
    }
    while (e < -1022) {
        if (e >= -1022 - 52) {
            // Into the subnormal range in one multiplication: one rounding.
            return (x * PowerOfTwo(e + 600)) * PowerOfTwo(-600);
        }
        x *= PowerOfTwo(-1022);
        e += 1022;
    }
    return x * PowerOfTwo(e);
}

IntegerKind IntegerKindOf(double y) {
    const std::uint64_t bits = BitsOf(y) & ~kSignBit;
    const int e = static_cast<int>(bits >> 52) - 1023;
    if (e < 0) {
        return IntegerKind::NotInteger;  // 0 is handled by every caller first
    }
    if (e >= 53) {
        return IntegerKind::Even;  // infinities and NaN are too
    }
    const std::uint64_t significand = (bits & kFractionBits) | (std::uint64_t{1} << 52);
    const int fractionWidth = 52 - e;
    if (fractionWidth > 0 && (significand & ((std::uint64_t{1} << fractionWidth) - 1)) != 0) {
        return IntegerKind::NotInteger;
    }
    return ((significand >> fractionWidth) & 1) != 0 ? IntegerKind::Odd : IntegerKind::Even;
}

bool RoundScaledAnywhere(double h, double l, double error, int e, double& out) {
    // Bring h into [1, 2), exactly, so that (h + l) 2^e lies in [2^e, 2^(e+1)).
    while (h >= 2) {
        h *= 0.5;
        l *= 0.5;
        error *= 0.5;
        ++e;
    }
    while (h < 1) {
        h *= 2;
        l *= 2;
        error *= 2;
        --e;
    }
    if (e >= -1022) {
        double rounded = 0;
        if (!RoundWithin(h, l, error, rounded)) {
            return false;
        }
        out = ScaleByPowerOfTwo(rounded, e);
        return true;
    }
    if (e < -1076) {
        out = 0;  // below 2^-1075, half the least subnormal number
        return true;
    }
    const DoubleDouble normalised = FastTwoSum(h, l);
    h = normalised.hi;
    l = normalised.lo;
    // Below 2^-1022 the result is a multiple of 2^-1074: round h + l once to
    // a multiple of unit = 2^(-1074 - e), not to 53 bits and then again. The
    // shifter's ulp is the unit while h + shifter stays below 2^53 units.
    const double unit = PowerOfTwo(-1074 - e);
    const double shifter = PowerOfTwo(52) * unit;
    const double nearest = (h + shifter) - shifter;
    const double rest = (h - nearest) + l;  // h - nearest is exact
    const double half = 0.5 * unit;
    double multiple = nearest;
    if (rest - error > half) {
        multiple = nearest + unit;
    } else if (rest + error < -half) {
        multiple = nearest - unit;
    } else if (!(rest + error < half && rest - error > -half)) {
        return false;
    }
    out = ScaleByPowerOfTwo(multiple, e);
    return true;
}

}  // namespace kelomed::math
