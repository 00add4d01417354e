// The fast paths with Dekker's exact products.
#include "engine/math/fast_paths.h"
#include "engine/math/products.h"

namespace kelomed::math::portable {

double Exp(double x) {
    return ExpFastPath<PortableProducts>(x);
}

double Log(double x) {
    return LogFastPath<PortableProducts>(x);
}

double Log10(double x) {
    return Log10FastPath<PortableProducts>(x);
}

double Pow(double x, double y, double sign) {
    return PowFastPath<PortableProducts>(x, y, sign);
}

}  // namespace kelomed::math::portable
