#include <cmath>

#include "engine/math/correctly_rounded.h"

#if defined(__x86_64__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace kelomed::math {

double SquareRoot(double x) {
#if defined(__x86_64__) || defined(_M_X64)
    // SSE2's sqrtsd rounds once, to nearest, as IEEE 754 requires.
    const __m128d value = _mm_set_sd(x);
    return _mm_cvtsd_f64(_mm_sqrt_sd(value, value));
#else
    return std::sqrt(x);
#endif
}

}  // namespace kelomed::math
