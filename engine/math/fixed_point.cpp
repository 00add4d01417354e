#include "engine/math/fixed_point.h"

#include <bit>

#include "engine/math/float_bits.h"

namespace kelomed::math {
namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

// The magnitude of a, and whether a was negative.
Fixed Magnitude(const Fixed& a, bool& negative) {
    negative = IsNegative(a);
    Fixed m = a;
    if (negative) {
        Negate(m);
    }
    return m;
}

bool Bit(const Fixed& a, int index) {
    return ((a.limb[index / 64] >> (index % 64)) & 1) != 0;
}

// Bits [low, low + width) of a as an integer (width <= 63).
std::uint64_t Bits(const Fixed& a, int low, int width) {
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 1) | (low + i >= 0 && Bit(a, low + i) ? 1 : 0);
    }
    return value;
}

bool AnyBitBelow(const Fixed& a, int index) {
    for (int limb = 0; limb * 64 < index; ++limb) {
        const int width = index - limb * 64;
        const std::uint64_t mask =
            width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
        if ((a.limb[limb] & mask) != 0) {
            return true;
        }
    }
    return false;
}

int HighestBit(const Fixed& a) {
    for (int limb = a.count - 1; limb >= 0; --limb) {
        if (a.limb[limb] != 0) {
            return limb * 64 + 63 - std::countl_zero(a.limb[limb]);
        }
    }
    return -1;
}

// x with its units digit at bit `onePosition` (FixedOf puts it at the
// fraction bits, the error bounds at 0 to count whole ulps); cut toward
// minus infinity.
Fixed PlacedDouble(double x, int onePosition, int count) {
    Fixed a = FixedZero(count);
    if (x == 0) {
        return a;
    }
    const bool negative = x < 0;
    std::uint64_t bits = 0;
    const int e = SplitExponent(negative ? -x : x, bits);
    // |x| = significand 2^(e - 52); its lowest bit sits at bit position
    // e - 52 + onePosition of the limbs.
    const std::uint64_t significand = (bits & kFractionBits) | (std::uint64_t{1} << 52);
    const int position = e - 52 + onePosition;
    bool cut = false;
    if (position >= 0) {
        const int limb = position / 64;
        const int offset = position % 64;
        a.limb[limb] = significand << offset;
        if (offset > 11 && limb + 1 < count) {
            a.limb[limb + 1] = significand >> (64 - offset);
        }
    } else if (position > -53) {
        a.limb[0] = significand >> -position;
        cut = (significand & ((std::uint64_t{1} << -position) - 1)) != 0;
    } else {
        cut = true;
    }
    if (negative) {
        Negate(a);
        if (cut) {
            // Toward minus infinity: the dropped bits made the magnitude smaller.
            Fixed ulp = FixedZero(count);
            ulp.limb[0] = 1;
            Subtract(a, ulp);
        }
    }
    return a;
}

}  // namespace

Fixed FixedZero(int count) {
    Fixed a;
    a.count = count;
    return a;
}

Fixed FixedInteger(std::int64_t value, int count) {
    Fixed a = FixedZero(count);
    a.limb[count - 1] = static_cast<std::uint64_t>(value < 0 ? -value : value);
    if (value < 0) {
        Negate(a);
    }
    return a;
}

Fixed FixedOf(double x, int count) {
    return PlacedDouble(x, 64 * (count - 1), count);
}

Fixed FixedConstant(const std::uint64_t (&limbs)[33], int count) {
    Fixed a = FixedZero(count);
    for (int i = 0; i < count; ++i) {
        a.limb[i] = limbs[33 - count + i];
    }
    return a;
}

bool IsNegative(const Fixed& a) {
    return (a.limb[a.count - 1] & kTopBit) != 0;
}

bool IsZero(const Fixed& a) {
    for (int i = 0; i < a.count; ++i) {
        if (a.limb[i] != 0) {
            return false;
        }
    }
    return true;
}

double ApproximateValue(const Fixed& a) {
    bool negative = false;
    const Fixed m = Magnitude(a, negative);
    double value = 0;
    for (int i = a.count - 1, taken = 0; i >= 0 && taken < 3; --i, ++taken) {
        value += ScaleByPowerOfTwo(static_cast<double>(m.limb[i]), 64 * (i - (a.count - 1)));
    }
    return negative ? -value : value;
}

void Add(Fixed& a, const Fixed& b) {
    std::uint64_t carry = 0;
    for (int i = 0; i < a.count; ++i) {
        const Wide sum = Wide{a.limb[i]} + b.limb[i] + carry;
        a.limb[i] = static_cast<std::uint64_t>(sum);
        carry = static_cast<std::uint64_t>(sum >> 64);
    }
}

void Subtract(Fixed& a, const Fixed& b) {
    std::uint64_t borrow = 0;
    for (int i = 0; i < a.count; ++i) {
        const std::uint64_t subtrahend = b.limb[i] + borrow;
        const bool wraps = subtrahend < borrow || a.limb[i] < subtrahend;
        a.limb[i] -= subtrahend;
        borrow = wraps ? 1 : 0;
    }
}

void Negate(Fixed& a) {
    std::uint64_t carry = 1;
    for (int i = 0; i < a.count; ++i) {
        const Wide sum = Wide{~a.limb[i]} + carry;
        a.limb[i] = static_cast<std::uint64_t>(sum);
        carry = static_cast<std::uint64_t>(sum >> 64);
    }
}

Fixed Multiply(const Fixed& a, const Fixed& b) {
    bool negativeA = false;
    bool negativeB = false;
    const Fixed x = Magnitude(a, negativeA);
    const Fixed y = Magnitude(b, negativeB);
    const int n = a.count;
    // The full product has 2n limbs and 2 (n - 1) fraction limbs; keep the
    // n limbs above the lowest n - 1.
    std::uint64_t product[2 * kMaxLimbs] = {};
    for (int i = 0; i < n; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < n; ++j) {
            const Wide term = Wide{x.limb[i]} * y.limb[j] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint64_t>(term);
            carry = static_cast<std::uint64_t>(term >> 64);
        }
        product[i + n] = carry;
    }
    Fixed result = FixedZero(n);
    for (int i = 0; i < n; ++i) {
        result.limb[i] = product[i + n - 1];
    }
    if (negativeA != negativeB) {
        Negate(result);
    }
    return result;
}

void MultiplySmall(Fixed& a, std::uint64_t factor) {
    bool negative = false;
    a = Magnitude(a, negative);
    std::uint64_t carry = 0;
    for (int i = 0; i < a.count; ++i) {
        const Wide term = Wide{a.limb[i]} * factor + carry;
        a.limb[i] = static_cast<std::uint64_t>(term);
        carry = static_cast<std::uint64_t>(term >> 64);
    }
    if (negative) {
        Negate(a);
    }
}

void DivideSmall(Fixed& a, std::uint64_t divisor) {
    bool negative = false;
    a = Magnitude(a, negative);
    Wide remainder = 0;
    for (int i = a.count - 1; i >= 0; --i) {
        const Wide dividend = (remainder << 64) | a.limb[i];
        a.limb[i] = static_cast<std::uint64_t>(dividend / divisor);
        remainder = dividend % divisor;
    }
    if (negative) {
        Negate(a);
    }
}

void ShiftLeft(Fixed& a, int bits) {
    const int limbs = bits / 64;
    const int offset = bits % 64;
    for (int i = a.count - 1; i >= 0; --i) {
        const int from = i - limbs;
        std::uint64_t value = from >= 0 ? a.limb[from] << offset : 0;
        if (offset != 0 && from - 1 >= 0) {
            value |= a.limb[from - 1] >> (64 - offset);
        }
        a.limb[i] = value;
    }
}

void ShiftRight(Fixed& a, int bits) {
    const std::uint64_t fill = IsNegative(a) ? ~std::uint64_t{0} : 0;
    const int limbs = bits / 64;
    const int offset = bits % 64;
    for (int i = 0; i < a.count; ++i) {
        const int from = i + limbs;
        const std::uint64_t low = from < a.count ? a.limb[from] : fill;
        const std::uint64_t high = from + 1 < a.count ? a.limb[from + 1] : fill;
        a.limb[i] = offset == 0 ? low : (low >> offset) | (high << (64 - offset));
    }
}

double RoundFixed(const Fixed& value, int scale) {
    bool negative = false;
    const Fixed m = Magnitude(value, negative);
    const int top = HighestBit(m);
    if (top < 0) {
        return negative ? -0.0 : 0.0;
    }
    // The value lies in [2^exponent, 2^(exponent + 1)).
    const int exponent = top - m.FractionBits() + scale;
    double magnitude = 0;
    if (exponent > 1023) {
        magnitude = Infinity();
    } else {
        // 53 significant bits, fewer below 2^-1022, none below 2^-1075.
        const int precision = exponent >= -1022 ? 53 : exponent + 1075;
        if (precision <= 0) {
            // Only 2^-1075 < value < 2^-1074 rounds up to the least subnormal.
            const bool above = precision == 0 && AnyBitBelow(m, top);
            magnitude = above ? PowerOfTwo(-1022) * 0x1p-52 : 0.0;
        } else {
            const int low = top - precision + 1;
            std::uint64_t significand = Bits(m, low, precision);
            const bool roundBit = low - 1 >= 0 && Bit(m, low - 1);
            const bool sticky = low - 1 > 0 && AnyBitBelow(m, low - 1);
            if (roundBit && (sticky || (significand & 1) != 0)) {
                ++significand;
            }
            magnitude =
                ScaleByPowerOfTwo(static_cast<double>(significand), low - m.FractionBits() + scale);
        }
    }
    return negative ? -magnitude : magnitude;
}

bool RoundFixedWithin(const Fixed& value, double errorUlps, int scale, double& out) {
    // A bound that reaches the integer part leaves nothing to decide.
    if (!(errorUlps < ScaleByPowerOfTwo(1, value.FractionBits() - 8))) {
        return false;
    }
    const Fixed error = PlacedDouble(errorUlps, 0, value.count);
    Fixed low = value;
    Subtract(low, error);
    Fixed high = value;
    Add(high, error);
    const double lowRounded = RoundFixed(low, scale);
    out = RoundFixed(high, scale);
    return BitsOf(lowRounded) == BitsOf(out);
}

}  // namespace kelomed::math
