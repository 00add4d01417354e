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
    // h + l as a normalised pair (|l| at most half an ulp of h), then scaled,
    // exactly, so that the value h + l lies in [1, 2): h alone may stand on
    // the other side of a power of two than h + l when l is not normalised,
    // and h = 1 with l < 0 is a value below 1.
    const DoubleDouble normalised = FastTwoSum(h, l);
    h = normalised.hi;
    l = normalised.lo;
    while (h > 2 || (h == 2 && l >= 0)) {
        h *= 0.5;
        l *= 0.5;
        error *= 0.5;
        ++e;
    }
    while (h < 1 || (h == 1 && l < 0)) {
        h *= 2;
        l *= 2;
        error *= 2;
        --e;
    }
    if (e >= -1021) {
        // Every value of the interval lies above 2^-1022: a normal result.
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
    // From 2^-1022 down, the result is a multiple of 2^-1074: round h + l
    // once to a multiple of unit = 2^(-1074 - e), not to 53 bits and then
    // again. At e = -1022 the unit, 2^-52, is the ulp of a normal result
    // there too, so the values on both sides of 2^-1022 round alike. h is a
    // multiple of the unit already when h >= shifter; below, adding the
    // shifter rounds it to one (the sum's ulp is the unit).
    const double unit = PowerOfTwo(-1074 - e);
    const double shifter = PowerOfTwo(52) * unit;
    const double nearest = h < shifter ? (h + shifter) - shifter : h;
    // h + l +- error against nearest +- half a unit, each comparison decided
    // by a sign: offset -+ half is exact wherever that sign is in doubt (two
    // multiples of 2^-53 within a factor 2 of each other), so only l -+ error
    // is rounded, not the sum of offset and l.
    const double offset = h - nearest;  // exact
    const double half = 0.5 * unit;
    double multiple = nearest;
    if ((offset - half) + (l - error) > 0) {
        multiple = nearest + unit;
    } else if ((offset + half) + (l + error) < 0) {
        multiple = nearest - unit;
    } else if (!((offset - half) + (l + error) < 0 && (offset + half) + (l - error) > 0)) {
        return false;
    }
    out = ScaleByPowerOfTwo(multiple, e);
    return true;
}

}  // namespace kelomed::math
