// Reading typed values out of a fuzzer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

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

    const std::uint8_t* rest() const { return data_; }
    std::size_t restSize() const { return size_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace kelomed::fuzz
