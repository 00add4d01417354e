// The exact product of two doubles as a double-double, two ways. Both give
// the same (exact) result; the fused one needs a processor with fused
// multiply-add and is compiled only where the build allows it.
#pragma once

#include "engine/math/always_inline.h"

#include "engine/math/double_double.h"

namespace kelomed::math {

// Dekker's products over Veltkamp's split: any x86-64 processor.
struct PortableProducts {
    KELOMED_ALWAYS_INLINE static DoubleDouble Product(double a, double b) {
        const double product = a * b;
        const DoubleDouble x = Split(a);
        const DoubleDouble y = Split(b);
        const double error = ((x.hi * y.hi - product) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
        return {product, error};
    }
    KELOMED_ALWAYS_INLINE static DoubleDouble Square(double a) {
        const double product = a * a;
        const DoubleDouble x = Split(a);
        const double error = ((x.hi * x.hi - product) + 2 * x.hi * x.lo) + x.lo * x.lo;
        return {product, error};
    }
};

// The rounding error of a product is one fused multiply-add away.
struct FusedProducts {
    KELOMED_ALWAYS_INLINE static DoubleDouble Product(double a, double b) {
        const double product = a * b;
        return {product, __builtin_fma(a, b, -product)};
    }
    KELOMED_ALWAYS_INLINE static DoubleDouble Square(double a) {
        const double product = a * a;
        return {product, __builtin_fma(a, a, -product)};
    }
};

}  // namespace kelomed::math
