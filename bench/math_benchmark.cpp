// The engine's correctly rounded exp, log, log10 and pow against this
// machine's C library, per call on random arguments over wide ranges, in
// each version of the fast paths; the ratios come from one run (target:
// within 3x the C library).
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
    benchmark::Shutdown();
    return 0;
}
