// The engine's exp, log, log10 and pow on the command line, for the mpmath
// check (tests/math/check_against_mpmath.py).
//
//   math_probe [portable|fused|slow]
//       reads lines "function xbits ybits" (hexadecimal binary64 patterns:
//       exp, log, log10 or pow), writes the result's bits per line, with the
//       chosen version of the fast paths (default: as the processor allows),
//       or with the multiple-precision path for every argument it takes.
//   math_probe search FUNCTION COUNT SEED
//       draws COUNT random arguments and writes, as input lines, those whose
//       result lies within 2^-24 ulp of a rounding boundary by the fast
//       core's own value: candidates for the table of hard cases.
//   math_probe cores COUNT SEED
//       draws COUNT random arguments per core and writes "exp x hi lo
//       exponent", "log x hi lo" and "precise-log x hi lo" (hexadecimal
//       bits; the exponent decimal), for measuring the cores' errors
//       (engine/math/error_bounds.py).
//   math_probe parts
//       reads lines naming a part of a core and its argument (hexadecimal
//       bits) and writes what the code makes of it, for error_bounds.py to
//       measure against mpmath:
//         "exp-series r", "log-series z", "precise-log-series z": the
//         polynomial as the core evaluates it, then the same polynomial in
//         113-bit arithmetic as two doubles (hi lo);
//         "exp-reduction x": k, rh and rl;
//         "log-reduction x": z, the exponent and the table's factor;
//         "exp-slow x", "log-slow x", "log10-slow x", "pow-slow x y": per
//         precision of the multiple-precision path, "limbs exponent
//         errorUlps value" (the value's limbs in hexadecimal, top first).
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "engine/math/correctly_rounded.h"
#include "engine/math/exp_core.h"
#include "engine/math/log_core.h"
#include "engine/math/product_path.h"
#include "engine/math/products.h"
#include "engine/math/slow_paths.h"
#include "tests/math/function_by_name.h"

namespace {

using namespace kelomed::math;

// The multiple-precision path wherever it is defined, else the public function.
double EvaluateSlowly(const char* function, double x, double y) {
    const double result = kelomed::testing::EvaluateByName(function, x, y);
    if (!std::isfinite(result) || result == 0 || result == 1) {
        return result;  // a special value, or decided before any computation
    }
    if (std::strcmp(function, "exp") == 0) {
        return std::fabs(x) >= 0x1p-54 ? SlowExp(x) : result;
    }
    if (std::strcmp(function, "log") == 0) {
        return SlowLog(x);
    }
    if (std::strcmp(function, "log10") == 0) {
        return SlowLog10(x);
    }
    // pow of a positive base, where y ln x keeps within the range of exp.
    const double w = y * std::log(x);
    return x > 0 && std::fabs(y) < 0x1p64 && w > -745 && w < 709 ? SlowPow(x, y) : result;
}

int Answer(bool slowly) {
    char function[16];
    unsigned long long xBits = 0;
    unsigned long long yBits = 0;
    while (std::scanf("%15s %llx %llx", function, &xBits, &yBits) == 3) {
        const double x = std::bit_cast<double>(std::uint64_t{xBits});
        const double y = std::bit_cast<double>(std::uint64_t{yBits});
        const double result = slowly ? EvaluateSlowly(function, x, y)
                                     : kelomed::testing::EvaluateByName(function, x, y);
        std::printf("%016llx\n",
                    static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(result)));
    }
    return 0;
}

// How far h + l (h > 0) lies from the nearest rounding boundary, in ulps of
// the rounded result.
double BoundaryDistance(double h, double l) {
    const double rounded = h + l;
    const double ulp = std::nextafter(rounded, INFINITY) - rounded;
    const double offset = ((h - rounded) + l) / ulp;
    return 0.5 - std::fabs(offset);
}

int Search(const std::string& function, long long count, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    for (long long i = 0; i < count; ++i) {
        double x = 0;
        double y = 0;
        double h = 0;
        double l = 0;
        if (function == "exp") {
            x = -745 + 1454 * unit(random);
            const ScaledDoubleDouble e = ExpCore<PortableProducts>(x, 0);
            if (e.exponent < -1021) {
                continue;
            }
            h = e.hi;
            l = e.lo;
        } else if (function == "pow") {
            x = std::ldexp(1 + unit(random), static_cast<int>(random() % 200) - 100);
            y = -40 + 80 * unit(random);
            const LogResult logarithm = PreciseLogCore<PortableProducts>(x);
            const DoubleDouble w = PortableProducts::Product(y, logarithm.hi);
            if (!(w.hi > -700 && w.hi < 700)) {
                continue;
            }
            const ScaledDoubleDouble e = ExpCore<PortableProducts>(w.hi, w.lo + y * logarithm.lo);
            h = e.hi;
            l = e.lo;
        } else {
            x = std::ldexp(1 + unit(random), static_cast<int>(random() % 2000) - 1000);
            LogResult r = LogCore<PortableProducts>(x);
            if (function == "log10") {
                const DoubleDouble product = PortableProducts::Product(r.hi, kInverseLn10.hi);
                r = {product.hi, product.lo + (r.hi * kInverseLn10.lo + r.lo * kInverseLn10.hi)};
            }
            h = std::fabs(r.hi);
            l = r.hi < 0 ? -r.lo : r.lo;
        }
        if (BoundaryDistance(h, l) < 0x1p-24) {
            std::printf("%s %016llx %016llx\n", function.c_str(),
                        static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(x)),
                        static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(y)));
        }
    }
    return 0;
}

void PrintBits(double value) {
    std::printf(" %016llx", static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
}

// Arguments that reach every table entry and the edges of every reduction:
// exp over its whole range, the logarithms over every binade.
int Cores(long long count, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    for (long long i = 0; i < count; ++i) {
        const double x = -745 + 1454 * unit(random);
        const ScaledDoubleDouble e = ExpCore<PortableProducts>(x, 0);
        std::printf("exp");
        PrintBits(x);
        PrintBits(e.hi);
        PrintBits(e.lo);
        std::printf(" %d\n", e.exponent);
    }
    for (long long i = 0; i < 2 * count; ++i) {
        // Half of them near 1, where the result is smallest.
        const double x =
            i % 2 == 0 ? std::ldexp(1 + unit(random), static_cast<int>(random() % 2098) - 1074)
                       : 1 + (unit(random) - 0.5) * 0x1p-6;
        if (x == 1) {
            continue;
        }
        const LogResult r =
            i < count ? LogCore<PortableProducts>(x) : PreciseLogCore<PortableProducts>(x);
        std::printf(i < count ? "log" : "precise-log");
        PrintBits(x);
        PrintBits(r.hi);
        PrintBits(r.lo);
        std::printf("\n");
    }
    return 0;
}

// 113-bit arithmetic (GCC's binary128), in which the polynomials' roundings
// are far below what their series leave out.
__extension__ typedef __float128 Wide;

void PrintWide(Wide value) {
    const double hi = static_cast<double>(value);
    PrintBits(hi);
    PrintBits(static_cast<double>(value - hi));
}

void PrintApproximation(const FixedApproximation& a) {
    std::printf("%d %d %.17g ", a.value.count, a.exponent, a.errorUlps);
    for (int i = a.value.count - 1; i >= 0; --i) {
        std::printf("%016llx", static_cast<unsigned long long>(a.value.limb[i]));
    }
}

int Parts() {
    char part[32];
    unsigned long long xBits = 0;
    while (std::scanf("%31s %llx", part, &xBits) == 2) {
        const std::string name = part;
        const double x = std::bit_cast<double>(std::uint64_t{xBits});
        std::printf("%s", part);
        PrintBits(x);
        const Wide wide = x;
        const double square = PortableProducts::Square(x).hi;
        if (name == "exp-series") {
            PrintBits(ExpSeries(x, square));
            PrintWide(ExpSeries(wide, wide * wide));
        } else if (name == "log-series" || name == "precise-log-series") {
            const bool precise = name == "precise-log-series";
            PrintBits(precise ? PreciseLogSeries(x, square, square * square)
                              : LogSeries(x, square, square * square));
            const Wide wideSquare = wide * wide;
            PrintWide(precise ? PreciseLogSeries(wide, wideSquare, wideSquare * wideSquare)
                              : LogSeries(wide, wideSquare, wideSquare * wideSquare));
        } else if (name == "exp-reduction") {
            const double k = (x * kExpStepInverse + 0x1.8p52) - 0x1.8p52;
            const DoubleDouble r = TwoSum(x - k * kExpStep1, -k * kExpStep2);
            std::printf(" %.0f", k);
            PrintBits(r.hi);
            PrintBits(r.lo - k * kExpStep3);
        } else if (name == "log-reduction") {
            const LogReduction r = ReduceLog(x);
            PrintBits(r.z);
            std::printf(" %.0f", r.exponent);
            PrintBits(r.entry->factor);
        } else {
            double y = 0;
            if (name == "pow-slow") {
                unsigned long long yBits = 0;
                if (std::scanf("%llx", &yBits) != 1) {
                    return 1;
                }
                y = std::bit_cast<double>(std::uint64_t{yBits});
                PrintBits(y);
            }
            for (const int limbs : kSlowPathLimbs) {
                std::printf("\n ");
                PrintApproximation(name == "exp-slow"     ? ExpApproximation(x, limbs)
                                   : name == "log-slow"   ? LogApproximation(x, limbs)
                                   : name == "log10-slow" ? Log10Approximation(x, limbs)
                                                          : PowApproximation(x, y, limbs));
            }
        }
        std::printf("\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "parts") == 0) {
        return Parts();
    }
    if (argc == 4 && std::strcmp(argv[1], "cores") == 0) {
        return Cores(std::atoll(argv[2]), static_cast<unsigned>(std::atoi(argv[3])));
    }
    if (argc == 5 && std::strcmp(argv[1], "search") == 0) {
        return Search(argv[2], std::atoll(argv[3]), static_cast<unsigned>(std::atoi(argv[4])));
    }
    const bool slowly = argc == 2 && std::strcmp(argv[1], "slow") == 0;
    if (argc == 2 && !slowly) {
        SelectProductPath(std::strcmp(argv[1], "fused") == 0 ? ProductPath::Fused
                                                             : ProductPath::Portable);
    }
    return Answer(slowly);
}
