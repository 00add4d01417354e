// Bounded printf-style formatting into UTF-16 buffers.
//
// Directives: flags "0" and "-", a width, a precision, the length modifiers
// "l", "ll" and "h", and the conversions d i c s f e g %. "%ls" takes a
// UTF-16 text (null prints nothing). Numbers go through std::to_chars, so
// they are correctly rounded with ties to even and read the same on every
// platform and locale.
#pragma once

namespace kelomed {

struct FormatArg {
    enum class Type { None, Integer, Real, Text, Unit };

    Type type = Type::None;
    long long integer = 0;
    double real = 0;
    const char16_t* text = nullptr;

    constexpr FormatArg() = default;
    constexpr FormatArg(int value) : type(Type::Integer), integer(value) {}
    constexpr FormatArg(long value) : type(Type::Integer), integer(value) {}
    constexpr FormatArg(long long value) : type(Type::Integer), integer(value) {}
    constexpr FormatArg(double value) : type(Type::Real), real(value) {}
    constexpr FormatArg(const char16_t* value) : type(Type::Text), text(value) {}
    constexpr FormatArg(char16_t value) : type(Type::Unit), integer(value) {}
    constexpr FormatArg(char value)
        : type(Type::Unit), integer(static_cast<unsigned char>(value)) {}
};

// Formats into `out` (first capacity - 1 units kept, always terminated when
// capacity > 0). Returns the length the whole text would have, so a result of
// capacity or more means the text was cut.
int FormatTextArgs(char16_t* out, int capacity, const char16_t* format, const FormatArg* args,
                   int argCount);

template <typename... Args>
int FormatText(char16_t* out, int capacity, const char16_t* format, const Args&... args) {
    const FormatArg list[] = {FormatArg(args)..., FormatArg()};
    return FormatTextArgs(out, capacity, format, list, static_cast<int>(sizeof...(Args)));
}

}  // namespace kelomed
