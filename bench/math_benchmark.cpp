// The engine's correctly rounded exp, log, log10 and pow against this
// machine's C library, per call on random arguments over wide ranges, in
// each version of the fast paths (the ratios come from one run), and how
// often the multiple-precision path runs on a million arguments of the same
// distributions.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/ratio_reporter.h"
#include "engine/math/correctly_rounded.h"
#include "engine/math/product_path.h"

namespace {

using kelomed::math::ProductPath;

constexpr std::size_t kArguments = 4096;

// exp over [-700, 700]; log and log10 over 2^[-1000, 1000]; pow with x over
// 2^[-20, 20] and y over [-20, 20].
std::vector<double> Arguments(double low, double high, bool powersOfTwo, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> uniform(low, high);
    std::vector<double> values(kArguments);
    for (double& value : values) {
        value = powersOfTwo ? std::exp2(uniform(random)) : uniform(random);
    }
    return values;
}

const std::vector<double> kExpArguments = Arguments(-700, 700, false, 1);
const std::vector<double> kLogArguments = Arguments(-1000, 1000, true, 2);
const std::vector<double> kBases = Arguments(-20, 20, true, 3);
const std::vector<double> kExponents = Arguments(-20, 20, false, 4);

double LibraryExp(double x) {
    return std::exp(x);
}
double LibraryLog(double x) {
    return std::log(x);
}
double LibraryLog10(double x) {
    return std::log10(x);
}
double LibraryPow(double x, double y) {
    return std::pow(x, y);
}

// path: -1 the C library, else the ProductPath of the engine.
void OneArgument(benchmark::State& state, double (*function)(double),
                 const std::vector<double>* arguments) {
    const auto previous =
        kelomed::math::SelectProductPath(static_cast<ProductPath>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(function((*arguments)[i++ % kArguments]));
    }
    kelomed::math::SelectProductPath(previous);
}

void TwoArguments(benchmark::State& state, double (*function)(double, double)) {
    const auto previous =
        kelomed::math::SelectProductPath(static_cast<ProductPath>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            function(kBases[i % kArguments], kExponents[(i * 7) % kArguments]));
        ++i;
    }
    kelomed::math::SelectProductPath(previous);
}

// The multiple-precision path, counted: the benchmark is linked with
// --wrap for these four, so each call the fast paths make comes here first.
std::uint64_t slowCalls = 0;

}  // namespace

extern "C" {
double __real__ZN7kelomed4math7SlowExpEd(double x);
double __real__ZN7kelomed4math7SlowLogEd(double x);
double __real__ZN7kelomed4math9SlowLog10Ed(double x);
double __real__ZN7kelomed4math7SlowPowEdd(double x, double y);
double __wrap__ZN7kelomed4math7SlowExpEd(double x) {
    ++slowCalls;
    return __real__ZN7kelomed4math7SlowExpEd(x);
}
double __wrap__ZN7kelomed4math7SlowLogEd(double x) {
    ++slowCalls;
    return __real__ZN7kelomed4math7SlowLogEd(x);
}
double __wrap__ZN7kelomed4math9SlowLog10Ed(double x) {
    ++slowCalls;
    return __real__ZN7kelomed4math9SlowLog10Ed(x);
}
double __wrap__ZN7kelomed4math7SlowPowEdd(double x, double y) {
    ++slowCalls;
    return __real__ZN7kelomed4math7SlowPowEdd(x, y);
}
}

namespace {

constexpr int kRateSample = 1000000;

// Slow-path calls per million arguments drawn like the benchmark's own.
double SlowPathRate(const char* name) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> exponent(-1000, 1000);
    std::uniform_real_distribution<double> small(-20, 20);
    std::uniform_real_distribution<double> wide(-700, 700);
    slowCalls = 0;
    double sink = 0;
    const std::string function = name;
    for (int i = 0; i < kRateSample; ++i) {
        if (function == "exp") {
            sink += kelomed::math::Exp(wide(random));
        } else if (function == "log") {
            sink += kelomed::math::Log(std::exp2(exponent(random)));
        } else if (function == "log10") {
            sink += kelomed::math::Log10(std::exp2(exponent(random)));
        } else {
            sink += kelomed::math::Pow(std::exp2(small(random)), small(random));
        }
    }
    benchmark::DoNotOptimize(sink);
    return static_cast<double>(slowCalls) * 1e6 / kRateSample;
}

constexpr int kPortable = static_cast<int>(ProductPath::Portable);
constexpr int kFused = static_cast<int>(ProductPath::Fused);

BENCHMARK_CAPTURE(OneArgument, library_exp, LibraryExp, &kExpArguments)->Arg(kPortable);
BENCHMARK_CAPTURE(OneArgument, exp, kelomed::math::Exp, &kExpArguments)
    ->Arg(kPortable)
    ->Arg(kFused);
BENCHMARK_CAPTURE(OneArgument, library_log, LibraryLog, &kLogArguments)->Arg(kPortable);
BENCHMARK_CAPTURE(OneArgument, log, kelomed::math::Log, &kLogArguments)
    ->Arg(kPortable)
    ->Arg(kFused);
BENCHMARK_CAPTURE(OneArgument, library_log10, LibraryLog10, &kLogArguments)->Arg(kPortable);
BENCHMARK_CAPTURE(OneArgument, log10, kelomed::math::Log10, &kLogArguments)
    ->Arg(kPortable)
    ->Arg(kFused);
BENCHMARK_CAPTURE(TwoArguments, library_pow, LibraryPow)->Arg(kPortable);
BENCHMARK_CAPTURE(TwoArguments, pow, kelomed::math::Pow)->Arg(kPortable)->Arg(kFused);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    kelomed::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nfused multiply-add on this processor: %s\n",
                kelomed::math::FusedPathAvailable() ? "yes" : "no (both rows are portable)");
    for (const char* name : {"exp", "log", "log10", "pow"}) {
        const std::string group = std::string(name) == "pow" ? "TwoArguments/" : "OneArgument/";
        const double library = reporter.At(group + "library_" + name + "/0");
        const double portable = reporter.At(group + name + "/0");
        const double fused = reporter.At(group + name + "/1");
        if (library > 0) {
            std::printf(
                "%-5s C library %6.2f ns, portable %6.2f ns (%.2fx), fused %6.2f ns (%.2fx)\n",
                name, library, portable, portable / library, fused, fused / library);
        }
    }
    std::printf("multiple-precision path, calls per million arguments:");
    for (const char* name : {"exp", "log", "log10", "pow"}) {
        std::printf(" %s %.0f", name, SlowPathRate(name));
    }
    std::printf("\n");
    benchmark::Shutdown();
    return 0;
}
