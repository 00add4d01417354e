// Which compiled version of the fast paths runs: the fused one where the
// processor has fused multiply-add, the portable one elsewhere. Both give
// the same bits; tests run each.
#pragma once

namespace kelomed::math {

enum class ProductPath { Portable, Fused };

// Whether this processor can run the fused version.
bool FusedPathAvailable();

ProductPath ActiveProductPath();

// Selects a version (the fused one only where available); returns the one
// selected before.
ProductPath SelectProductPath(ProductPath path);

}  // namespace kelomed::math
