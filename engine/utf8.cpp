#include "engine/utf8.h"

namespace kelomed {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

int EncodedSize(char32_t code) {
    if (code < 0x80) {
        return 1;
    }
    if (code < 0x800) {
        return 2;
    }
    if (code < 0x10000) {
        return 3;
    }
    return 4;
}

void Encode(char32_t code, char* out) {
    switch (EncodedSize(code)) {
        case 1:
            out[0] = static_cast<char>(code);
            break;
        case 2:
            out[0] = static_cast<char>(0xC0 | (code >> 6));
            out[1] = static_cast<char>(0x80 | (code & 0x3F));
            break;
        case 3:
            out[0] = static_cast<char>(0xE0 | (code >> 12));
            out[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out[2] = static_cast<char>(0x80 | (code & 0x3F));
            break;
        default:
            out[0] = static_cast<char>(0xF0 | (code >> 18));
            out[1] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out[2] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out[3] = static_cast<char>(0x80 | (code & 0x3F));
            break;
    }
}

// Decodes one UTF-8 sequence starting at bytes[0]; returns its code point and
// stores the number of bytes consumed (at least 1).
char32_t DecodeUtf8(const unsigned char* bytes, int available, int& consumed) {
    consumed = 1;
    const unsigned char lead = bytes[0];
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        if (i >= available || (bytes[i] & 0xC0) != 0x80) {
            consumed = i;
            return kReplacement;
        }
        code = (code << 6) | (bytes[i] & 0x3F);
    }
    consumed = extra + 1;
    if (code < minimum || code > 0x10FFFF || IsHighSurrogate(code) || IsLowSurrogate(code)) {
        return kReplacement;
    }
    return code;
}

}  // namespace

int Utf16ToUtf8(const char16_t* text, char* out, int outCapacity) {
    int written = 0;
    if (text == nullptr) {
        return 0;
    }
    for (int i = 0; text[i] != 0; ++i) {
        char32_t code = text[i];
        if (IsHighSurrogate(code) && IsLowSurrogate(text[i + 1])) {
            code =
                0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(code) || IsLowSurrogate(code)) {
            code = kReplacement;
        }
        const int size = EncodedSize(code);
        if (written + size > outCapacity) {
            return -1;
        }
        Encode(code, out + written);
        written += size;
    }
    return written;
}

int Utf8ToUtf16(const char* bytes, int length, char16_t* out, int outCapacity) {
    int total = 0;
    auto put = [&](char16_t unit) {
        if (out != nullptr && total < outCapacity - 1) {
            out[total] = unit;
        }
        ++total;
    };
    const auto* data = reinterpret_cast<const unsigned char*>(bytes);
    for (int i = 0; i < length;) {
        int consumed = 1;
        const char32_t code = DecodeUtf8(data + i, length - i, consumed);
        i += consumed;
        if (code >= 0x10000) {
            put(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            put(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            put(static_cast<char16_t>(code));
        }
    }
    if (out != nullptr && outCapacity > 0) {
        out[total < outCapacity - 1 ? total : outCapacity - 1] = 0;
    }
    return total;
}

}  // namespace kelomed
