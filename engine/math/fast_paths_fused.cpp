// The fast paths with fused multiply-add products. The build compiles this
// file alone for processors with FMA; it runs only where the processor has
// it (product_path.cpp).
#include "engine/math/fast_paths.h"
#include "engine/math/products.h"

namespace kelomed::math::fused {

double Exp(double x) {
    return ExpFastPath<FusedProducts>(x);
}

double Log(double x) {
    return LogFastPath<FusedProducts>(x);
}

double Log10(double x) {
    return Log10FastPath<FusedProducts>(x);
}

double Pow(double x, double y, double sign) {
    return PowFastPath<FusedProducts>(x, y, sign);
}

}  // namespace kelomed::math::fused
