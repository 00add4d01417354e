// exp, log, log10 and pow on arbitrary arguments (extreme ones favoured):
// the portable and the fused version of the fast paths and the
// multiple-precision path must give the same bits wherever each is defined.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "engine/math/correctly_rounded.h"
#include "engine/math/product_path.h"
#include "engine/math/slow_paths.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace kelomed::math;

struct Results {
    double exp;
    double log;
    double log10;
    double pow;
};

Results Evaluate(double x, double y) {
    return {Exp(x), Log(x), Log10(x), Pow(x, y)};
}

bool Same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
           (std::isnan(a) && std::isnan(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelomed::fuzz::FuzzInput input(data, size);
    const double x = input.TakeValue();
    const double y = input.TakeValue();
    SelectProductPath(ProductPath::Portable);
    const Results portable = Evaluate(x, y);
    SelectProductPath(ProductPath::Fused);
    const Results fused = Evaluate(x, y);
    if (!Same(portable.exp, fused.exp) || !Same(portable.log, fused.log) ||
        !Same(portable.log10, fused.log10) || !Same(portable.pow, fused.pow)) {
        std::abort();
    }
    // The multiple-precision path where it is defined and the result is an
    // ordinary number.
    if (std::isfinite(fused.exp) && fused.exp != 0 && std::fabs(x) >= 0x1p-54 &&
        !Same(SlowExp(x), fused.exp)) {
        std::abort();
    }
    if (x > 0 && std::isfinite(x) && x != 1 &&
        (!Same(SlowLog(x), fused.log) || !Same(SlowLog10(x), fused.log10))) {
        std::abort();
    }
    if (x > 0 && std::isfinite(x) && x != 1 && y != 0 && std::fabs(y) < 0x1p64 &&
        std::isfinite(fused.pow) && fused.pow != 0 && !Same(SlowPow(x, y), fused.pow)) {
        std::abort();
    }
    return 0;
}
