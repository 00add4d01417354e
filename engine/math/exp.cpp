#include "engine/math/correctly_rounded.h"
#include "engine/math/exp_core.h"
#include "engine/math/fast_paths.h"
#include "engine/math/float_bits.h"
#include "engine/math/product_path.h"

namespace kelomed::math {

double Exp(double x) {
    if (!(x < kOverflowBound)) {
        return x > 0 ? Infinity() : x + x;  // overflow, or NaN
    }
    if (x < kUnderflowBound) {
        return 0;
    }
    // |x| < 2^-54: exp(x) is within half an ulp of 1 (below 1 the ulp is
    // 2^-53, so 1 - 2^-54 is the midpoint).
    if ((BitsOf(x) & ~kSignBit) < BitsOf(0x1p-54)) {
        return 1;
    }
    return ActiveProductPath() == ProductPath::Fused ? fused::Exp(x) : portable::Exp(x);
}

}  // namespace kelomed::math
