#include "engine/format_text.h"

#include <charconv>
#include <cmath>

namespace kelomed {
namespace {

// Large enough for any double in fixed notation (309 digits) plus a
// precision of up to kMaxPrecision.
constexpr int kNumberScratch = 400;
constexpr int kMaxPrecision = 60;
constexpr int kMaxWidth = 64;

class BoundedWriter {
  public:
    BoundedWriter(char16_t* out, int capacity) : out_(out), capacity_(capacity) {}

    void Put(char16_t unit) {
        if (out_ != nullptr && total_ < capacity_ - 1) {
            out_[total_] = unit;
        }
        ++total_;
    }

    void PutRepeated(char16_t unit, int count) {
        for (int i = 0; i < count; ++i) {
            Put(unit);
        }
    }

    int Finish() {
        if (out_ != nullptr && capacity_ > 0) {
            out_[total_ < capacity_ - 1 ? total_ : capacity_ - 1] = 0;
        }
        return total_;
    }

  private:
    char16_t* out_;
    int capacity_;
    int total_ = 0;
};

struct Directive {
    bool zeroPad = false;
    bool leftAlign = false;
    int width = 0;
    int precision = -1;
    char16_t conversion = 0;
};

// Writes a narrow (ASCII) number text with width padding; zero padding goes
// between the sign and the digits, as printf does.
void PutPadded(BoundedWriter& writer, const Directive& directive, const char* begin,
               const char* end, bool numeric) {
    const int length = static_cast<int>(end - begin);
    const int padding = directive.width > length ? directive.width - length : 0;
    if (directive.leftAlign) {
        for (const char* p = begin; p != end; ++p) {
            writer.Put(static_cast<char16_t>(*p));
        }
        writer.PutRepeated(u' ', padding);
        return;
    }
    if (directive.zeroPad && numeric) {
        const char* digits = begin;
        if (digits != end && (*digits == '-' || *digits == '+')) {
            writer.Put(static_cast<char16_t>(*digits));
            ++digits;
        }
        writer.PutRepeated(u'0', padding);
        for (const char* p = digits; p != end; ++p) {
            writer.Put(static_cast<char16_t>(*p));
        }
        return;
    }
    writer.PutRepeated(u' ', padding);
    for (const char* p = begin; p != end; ++p) {
        writer.Put(static_cast<char16_t>(*p));
    }
}

void PutInteger(BoundedWriter& writer, const Directive& directive, long long value) {
    char scratch[32];
    const auto result = std::to_chars(scratch, scratch + sizeof scratch, value);
    PutPadded(writer, directive, scratch, result.ptr, true);
}

void PutReal(BoundedWriter& writer, const Directive& directive, double value) {
    char scratch[kNumberScratch];
    char* end = scratch;
    if (std::isnan(value)) {
        const char* text = std::signbit(value) ? "-nan" : "nan";
        while (*text != 0) {
            *end++ = *text++;
        }
        PutPadded(writer, directive, scratch, end, false);
        return;
    }
    if (std::isinf(value)) {
        const char* text = value < 0 ? "-inf" : "inf";
        while (*text != 0) {
            *end++ = *text++;
        }
        PutPadded(writer, directive, scratch, end, false);
        return;
    }
    int precision = directive.precision < 0 ? 6 : directive.precision;
    if (precision > kMaxPrecision) {
        precision = kMaxPrecision;
    }
    std::chars_format style = std::chars_format::fixed;
    if (directive.conversion == u'g') {
        style = std::chars_format::general;
    } else if (directive.conversion == u'e') {
        style = std::chars_format::scientific;
    }
    const auto result = std::to_chars(scratch, scratch + sizeof scratch, value, style, precision);
    end = result.ec == std::errc() ? result.ptr : scratch;
    PutPadded(writer, directive, scratch, end, true);
}

void PutText(BoundedWriter& writer, const Directive& directive, const char16_t* text) {
    int length = 0;
    if (text != nullptr) {
        while (text[length] != 0 && (directive.precision < 0 || length < directive.precision)) {
            ++length;
        }
    }
    const int padding = directive.width > length ? directive.width - length : 0;
    if (!directive.leftAlign) {
        writer.PutRepeated(u' ', padding);
    }
    for (int i = 0; i < length; ++i) {
        writer.Put(text[i]);
    }
    if (directive.leftAlign) {
        writer.PutRepeated(u' ', padding);
    }
}

int ReadCount(const char16_t*& cursor, int limit) {
    int value = 0;
    while (*cursor >= u'0' && *cursor <= u'9') {
        if (value < limit) {
            value = value * 10 + (*cursor - u'0');
        }
        ++cursor;
    }
    return value < limit ? value : limit;
}

long long IntegerOf(const FormatArg& arg) {
    if (arg.type == FormatArg::Type::Real) {
        if (!(arg.real > -9.2e18 && arg.real < 9.2e18)) {
            return 0;
        }
        return static_cast<long long>(arg.real);
    }
    return arg.integer;
}

double RealOf(const FormatArg& arg) {
    if (arg.type == FormatArg::Type::Real) {
        return arg.real;
    }
    return static_cast<double>(arg.integer);
}

}  // namespace

int FormatTextArgs(char16_t* out, int capacity, const char16_t* format, const FormatArg* args,
                   int argCount) {
    BoundedWriter writer(out, capacity);
    int nextArg = 0;
    const char16_t* cursor = format != nullptr ? format : u"";
    while (*cursor != 0) {
        if (*cursor != u'%') {
            writer.Put(*cursor++);
            continue;
        }
        ++cursor;
        if (*cursor == u'%') {
            writer.Put(u'%');
            ++cursor;
            continue;
        }
        Directive directive;
        for (;; ++cursor) {
            if (*cursor == u'0') {
                directive.zeroPad = true;
            } else if (*cursor == u'-') {
                directive.leftAlign = true;
            } else {
                break;
            }
        }
        directive.width = ReadCount(cursor, kMaxWidth);
        if (*cursor == u'.') {
            ++cursor;
            directive.precision = ReadCount(cursor, kMaxPrecision);
        }
        while (*cursor == u'l' || *cursor == u'h') {
            ++cursor;
        }
        directive.conversion = *cursor;
        if (directive.conversion == 0) {
            break;
        }
        ++cursor;
        const FormatArg none;
        const FormatArg& arg = nextArg < argCount ? args[nextArg] : none;
        switch (directive.conversion) {
            case u'd':
            case u'i':
                ++nextArg;
                PutInteger(writer, directive, IntegerOf(arg));
                break;
            case u'c': {
                ++nextArg;
                const char16_t unit[2] = {static_cast<char16_t>(IntegerOf(arg)), 0};
                PutText(writer, directive, unit);
                break;
            }
            case u's':
                ++nextArg;
                PutText(writer, directive, arg.type == FormatArg::Type::Text ? arg.text : nullptr);
                break;
            case u'f':
            case u'e':
            case u'g':
                ++nextArg;
                PutReal(writer, directive, RealOf(arg));
                break;
            default:
                // An unknown directive prints as it stands.
                writer.Put(u'%');
                writer.Put(directive.conversion);
                break;
        }
    }
    return writer.Finish();
}

}  // namespace kelomed
