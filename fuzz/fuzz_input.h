// Reading typed values out of a fuzzer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace kelomed::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T Take() {
        T value{};
        const std::size_t count = size_ < sizeof(T) ? size_ : sizeof(T);
        std::memcpy(&value, data_, count);
        data_ += count;
        size_ -= count;
        return value;
    }

    // A double that is, more often than random bytes would make it, one of
    // the values where conversions and arithmetic break: by a selector byte,
    // an entry of kExtremeValues or the next eight bytes as they are.
    double TakeValue();

    const std::uint8_t* rest() const { return data_; }
    std::size_t restSize() const { return size_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

inline constexpr double kExtremeValues[] = {
    0.0,
    -0.0,
    std::numeric_limits<double>::denorm_min(),
    -std::numeric_limits<double>::denorm_min(),
    0x1.fffffffffffffp-1023,  // the largest subnormal
    std::numeric_limits<double>::min(),
    1e308,
    -1e308,
    std::numeric_limits<double>::max(),
    -std::numeric_limits<double>::max(),
    std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(),
    std::numeric_limits<double>::quiet_NaN(),
    -std::numeric_limits<double>::quiet_NaN(),
    2147483647.0,  // 2^31 - 1, 2^31, 2^31 + 1 and their negatives
    2147483648.0,
    2147483649.0,
    -2147483647.0,
    -2147483648.0,
    -2147483649.0,
    0x1.fffffffffffffp62,  // the doubles next to 2^63, and 2^63 itself
    0x1p63,
    0x1.0000000000001p63,
    -0x1p63,
    -0x1.0000000000001p63,
    0x1p53,
    0.5,
    24,
};

inline double FuzzInput::TakeValue() {
    constexpr std::size_t kCount = sizeof kExtremeValues / sizeof kExtremeValues[0];
    const std::uint8_t selector = Take<std::uint8_t>();
    return selector < kCount ? kExtremeValues[selector] : Take<double>();
}

}  // namespace kelomed::fuzz
