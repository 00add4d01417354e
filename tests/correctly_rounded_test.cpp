#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/math/correctly_rounded.h"
#include "engine/math/product_path.h"
#include "tests/math/function_by_name.h"

namespace kelomed::math {
namespace {

struct Case {
    const char* function;
    std::uint64_t x;
    std::uint64_t y;
    std::uint64_t expected;
};

// Near-ties, published worst cases, exact powers and ties, each with the
// result mpmath decided.
constexpr Case kHardCases[] = {
#include "tests/math/hard_cases.inc"
};

std::vector<ProductPath> AvailablePaths() {
    std::vector<ProductPath> paths = {ProductPath::Portable};
    if (FusedPathAvailable()) {
        paths.push_back(ProductPath::Fused);
    }
    return paths;
}

// Runs `check` once per version of the fast paths this processor runs.
template <typename Check>
void InEveryPath(Check check) {
    for (const ProductPath path : AvailablePaths()) {
        const ProductPath previous = SelectProductPath(path);
        check(path == ProductPath::Fused ? "fused" : "portable");
        SelectProductPath(previous);
    }
}

TEST(CorrectlyRounded, HardCasesGiveTheReferenceBits) {
    InEveryPath([](const char* path) {
        for (const Case& c : kHardCases) {
            const double result = kelomed::testing::EvaluateByName(
                c.function, std::bit_cast<double>(c.x), std::bit_cast<double>(c.y));
            EXPECT_EQ(std::bit_cast<std::uint64_t>(result), c.expected)
                << c.function << " " << std::hex << c.x << " " << c.y << " (" << path << ")";
        }
    });
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kLeast = std::numeric_limits<double>::denorm_min();

struct SpecialCase {
    const char* function;
    double x;
    double y;
    double expected;  // NaN: any NaN; a zero's sign counts
};

// C's Annex F for exp, log, log10 and pow.
constexpr SpecialCase kSpecialCases[] = {
    {"exp", kNaN, 0, kNaN},
    {"exp", kInf, 0, kInf},
    {"exp", -kInf, 0, 0.0},
    {"exp", 0.0, 0, 1},
    {"exp", -0.0, 0, 1},
    {"exp", 710, 0, kInf},
    {"exp", -746, 0, 0.0},
    {"exp", 1e-300, 0, 1},
    {"log", kNaN, 0, kNaN},
    {"log", -1, 0, kNaN},
    {"log", -kInf, 0, kNaN},
    {"log", 0.0, 0, -kInf},
    {"log", -0.0, 0, -kInf},
    {"log", kInf, 0, kInf},
    {"log", 1, 0, 0.0},
    {"log10", 1, 0, 0.0},
    {"log10", 1000, 0, 3},
    {"log10", 1e22, 0, 22},
    {"log10", -0.0, 0, -kInf},
    {"log10", -2, 0, kNaN},
    {"pow", kNaN, 0.0, 1},
    {"pow", kNaN, -0.0, 1},
    {"pow", 1, kNaN, 1},
    {"pow", 1, kInf, 1},
    {"pow", kNaN, 1, kNaN},
    {"pow", 2, kNaN, kNaN},
    {"pow", -1, kInf, 1},
    {"pow", -1, -kInf, 1},
    {"pow", 0.5, kInf, 0.0},
    {"pow", 0.5, -kInf, kInf},
    {"pow", 2, kInf, kInf},
    {"pow", 2, -kInf, 0.0},
    {"pow", -0.0, 3, -0.0},
    {"pow", -0.0, 2, 0.0},
    {"pow", -0.0, 0.5, 0.0},
    {"pow", -0.0, -3, -kInf},
    {"pow", -0.0, -2, kInf},
    {"pow", 0.0, -0.5, kInf},
    {"pow", 0.0, -kInf, kInf},
    {"pow", -kInf, 3, -kInf},
    {"pow", -kInf, 2, kInf},
    {"pow", -kInf, -3, -0.0},
    {"pow", -kInf, -2.5, 0.0},
    {"pow", kInf, -1, 0.0},
    {"pow", kInf, 0.5, kInf},
    {"pow", -8, 1.0 / 3, kNaN},
    {"pow", -2, 3, -8},
    {"pow", -2, -1075, -0.0},
    {"pow", -2, 1025, -kInf},
    {"pow", -1, 1e300, 1},
    {"pow", -1, 3, -1},
    {"pow", 2, -1074, kLeast},
    {"pow", 2, -1075, 0.0},
    {"pow", 2, 1024, kInf},
    {"pow", 10, 400, kInf},
    {"pow", 1.5, 1e20, kInf},
    {"pow", 1.5, -1e20, 0.0},
    {"pow", 0.5, 1e20, 0.0},
    {"pow", kLeast, 0.5, 0x1p-537},
};

TEST(CorrectlyRounded, SpecialValuesFollowAnnexF) {
    InEveryPath([](const char* path) {
        for (const SpecialCase& c : kSpecialCases) {
            const double result = kelomed::testing::EvaluateByName(c.function, c.x, c.y);
            if (std::isnan(c.expected)) {
                EXPECT_TRUE(std::isnan(result)) << c.function << "(" << c.x << ", " << c.y << ")";
                continue;
            }
            EXPECT_EQ(std::bit_cast<std::uint64_t>(result),
                      std::bit_cast<std::uint64_t>(c.expected))
                << c.function << "(" << c.x << ", " << c.y << ") = " << result << " (" << path
                << ")";
        }
    });
}

}  // namespace
}  // namespace kelomed::math
