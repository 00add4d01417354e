// The engine's exp, log, log10 or pow by name, for the tests' tables.
#pragma once

#include <cstring>

#include "engine/math/correctly_rounded.h"

namespace kelomed::testing {

// "exp", "log" and "log10" take x alone; any other name is pow(x, y).
inline double EvaluateByName(const char* function, double x, double y) {
    if (std::strcmp(function, "exp") == 0) {
        return math::Exp(x);
    }
    if (std::strcmp(function, "log") == 0) {
        return math::Log(x);
    }
    if (std::strcmp(function, "log10") == 0) {
        return math::Log10(x);
    }
    return math::Pow(x, y);
}

}  // namespace kelomed::testing
