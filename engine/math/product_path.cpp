#include "engine/math/product_path.h"

namespace kelomed::math {
namespace {

bool DetectFusedMultiplyAdd() {
    __builtin_cpu_init();
    // FMA3 instructions are VEX-encoded: the system must save AVX state too.
    return __builtin_cpu_supports("fma") && __builtin_cpu_supports("avx");
}

const bool fusedAvailable = DetectFusedMultiplyAdd();
ProductPath activePath = fusedAvailable ? ProductPath::Fused : ProductPath::Portable;

}  // namespace

bool FusedPathAvailable() {
    return fusedAvailable;
}

ProductPath ActiveProductPath() {
    return activePath;
}

ProductPath SelectProductPath(ProductPath path) {
    const ProductPath previous = activePath;
    activePath = path == ProductPath::Fused && !fusedAvailable ? ProductPath::Portable : path;
    return previous;
}

}  // namespace kelomed::math
