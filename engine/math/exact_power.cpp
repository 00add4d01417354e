#include "engine/math/exact_power.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "engine/math/fixed_point.h"
#include "engine/math/float_bits.h"

namespace kelomed::math {
namespace {

// 3^34 < 2^54 < 3^35: an odd base above 1 to a higher power has too many bits.
constexpr std::uint64_t kLargestExponent = 34;
constexpr std::uint64_t kTieBits = std::uint64_t{1} << 54;

// |v| = odd * 2^exponent.
std::uint64_t OddPart(double v, int& exponent) {
    std::uint64_t bits = 0;
    exponent = SplitExponent(std::fabs(v), bits) - 52;
    std::uint64_t odd = (bits & kFractionBits) | (std::uint64_t{1} << 52);
    const int zeros = std::countr_zero(odd);
    exponent += zeros;
    return odd >> zeros;
}

bool IsSquare(std::uint64_t v, std::uint64_t& root) {
    root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(v)));
    while (root * root > v) {
        --root;
    }
    while ((root + 1) * (root + 1) <= v) {
        ++root;
    }
    return root * root == v;
}

}  // namespace

bool ExactPower(double x, double y, double& out) {
    int xExponent = 0;
    int yExponent = 0;
    std::uint64_t base = OddPart(x, xExponent);
    const std::uint64_t yOdd = OddPart(y, yExponent);
    if (base == 1) {
        // x = 2^e: x^y = 2^(e y), exact when e y is an integer.
        if (yExponent < 0 &&
            std::countr_zero(static_cast<unsigned>(std::abs(xExponent))) < -yExponent) {
            return false;
        }
        const double power = xExponent * y;
        if (power > 1023) {
            out = Infinity();
        } else if (power < -1074) {
            out = 0;  // 2^-1075 is a tie and goes to the even 0
        } else {
            out = ScaleByPowerOfTwo(1, static_cast<int>(power));
        }
        return true;
    }
    // The reciprocal of an odd number above 1 is never a binary fraction.
    if (y < 0) {
        return false;
    }
    std::uint64_t power = 0;
    int scale = 0;
    if (yExponent >= 0) {
        if (yExponent > 5 || (yOdd << yExponent) > kLargestExponent) {
            return false;
        }
        power = yOdd << yExponent;
        scale = xExponent * static_cast<int>(power);
    } else {
        // y = odd / 2^k: x must be a 2^k-th power; 3^64 > 2^53 bounds k by 5.
        const int k = -yExponent;
        if (k > 5 || xExponent % (1 << k) != 0 || yOdd > kLargestExponent) {
            return false;
        }
        for (int i = 0; i < k; ++i) {
            std::uint64_t root = 0;
            if (!IsSquare(base, root)) {
                return false;
            }
            base = root;
        }
        power = yOdd;
        scale = xExponent / (1 << k) * static_cast<int>(power);
    }
    std::uint64_t value = 1;
    for (std::uint64_t i = 0; i < power; ++i) {
        if (value > (kTieBits - 1) / base) {
            return false;  // the product would reach 2^54
        }
        value *= base;
    }
    out = RoundFixed(FixedInteger(static_cast<std::int64_t>(value), 2), scale);
    return true;
}

}  // namespace kelomed::math
