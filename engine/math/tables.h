// The constants of the fast paths and of the multiple-precision path. The
// definitions are generated (tables.cpp by generate_tables.py).
#pragma once

#include <cstdint>

#include "engine/math/double_double.h"

namespace kelomed::math {

// exp: x = k ln(2)/256 + r; ln(2)/256 in three parts, and 2^(j/256).
extern const double kExpStepInverse;
extern const double kExpStep1;
extern const double kExpStep2;
extern const double kExpStep3;
extern const DoubleDouble kExpTable[256];

// log: ln(2) in three parts, 1/ln(10) and 1/3 as double-doubles (these two
// as constant expressions, so that the compiler splits them for Dekker's
// products; generate_tables.py checks them).
extern const double kLn2Part1;
extern const double kLn2Part2;
extern const double kLn2Part3;
inline constexpr DoubleDouble kInverseLn10 = {0x1.bcb7b1526e50ep-2, 0x1.95355baaafad3p-57};
inline constexpr DoubleDouble kOneThird = {0x1.5555555555555p-2, 0x1.5555555555555p-56};

// For the mantissa m in bucket i (its top eight fraction bits): ln(m) =
// ln(1 + z) - ln(c) with z = m c - 1 exact, |z| <= 2^-8.
struct LogTableEntry {
    double factor;  // c, nine significant bits
    int shift;      // s: the exponent grows by s, and minusLog = -ln(2^s c)
    DoubleDouble minusLog;
};
extern const LogTableEntry kLogTable[256];

// ln(2) and 1/ln(10) for the multiple-precision path.
inline constexpr int kConstantLimbs = 33;
extern const std::uint64_t kLn2Limbs[kConstantLimbs];
extern const std::uint64_t kInverseLn10Limbs[kConstantLimbs];

}  // namespace kelomed::math
