// The window's field-text reading over arbitrary UTF-16 text: an accepted
// field is always a finite number, and a refused one leaves the value alone.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/decisions/field_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char16_t> text(size / 2 + 1, 0);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text[i / 2] = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }
    text.back() = 0;
    double value = 12345;
    const bool accepted = kelomed::ParseFieldText(text.data(), value);
    if (accepted && !std::isfinite(value)) {
        std::abort();
    }
    if (!accepted && value != 12345) {
        std::abort();
    }
    return 0;
}
