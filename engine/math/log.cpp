#include "engine/math/correctly_rounded.h"
#include "engine/math/fast_paths.h"
#include "engine/math/float_bits.h"
#include "engine/math/product_path.h"

namespace kelomed::math {
namespace {

// The values of log and log10 that need no computation: NaN, x <= 0,
// infinity and 1 (whose logarithm is exactly +0); false for the others.
bool LogOfSpecialValue(double x, double& result) {
    if (x != x) {
        result = x + x;
        return true;
    }
    if (x == 1) {
        result = 0;
        return true;
    }
    if (x > 0 && x != Infinity()) {
        return false;
    }
    result = x == 0 ? -Infinity() : (x > 0 ? x : QuietNaN());
    return true;
}

}  // namespace

double Log(double x) {
    double result = 0;
    if (LogOfSpecialValue(x, result)) {
        return result;
    }
    return ActiveProductPath() == ProductPath::Fused ? fused::Log(x) : portable::Log(x);
}

double Log10(double x) {
    double result = 0;
    if (LogOfSpecialValue(x, result)) {
        return result;
    }
    return ActiveProductPath() == ProductPath::Fused ? fused::Log10(x) : portable::Log10(x);
}

}  // namespace kelomed::math
