#include "engine/expression.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "engine/math/correctly_rounded.h"

namespace kelomed {
namespace {

constexpr int kNameCapacity = 64;
constexpr double kOneThird = 0.3333333333333333;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool IsNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsNameChar(char c) {
    return IsNameStart(c) || IsDigit(c);
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The decimal (or, for hex, binary) exponent of the leading digit of a
// number that std::from_chars found out of range: positive means overflow.
long long LeadingExponent(const char* begin, const char* end, bool hex) {
    const int digitBits = hex ? 4 : 1;
    long long position = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    const char* p = begin;
    for (; p != end; ++p) {
        const char c = *p;
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!(hex ? IsHexDigit(c) : IsDigit(c))) {
            break;
        }
        if (c != '0') {
            seenNonZero = true;
        }
        if (!afterPoint && seenNonZero) {
            position += digitBits;
        } else if (afterPoint && !seenNonZero) {
            position -= digitBits;
        }
    }
    long long exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E' || *p == 'p' || *p == 'P')) {
        ++p;
        bool negative = false;
        if (p != end && (*p == '+' || *p == '-')) {
            negative = *p == '-';
            ++p;
        }
        for (; p != end && IsDigit(*p); ++p) {
            if (exponent < 100000000) {
                exponent = exponent * 10 + (*p - '0');
            }
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    return position + exponent;
}

// A name as it stands in the expression text.
struct Name {
    const char* text;
    int length;

    bool Is(const char* key) const {
        int i = 0;
        while (i < length && key[i] == text[i]) {
            ++i;
        }
        return i == length && key[i] == 0;
    }
};

class Parser {
  public:
    Parser(const ToolDef& tool, const char* text, const double* inputs, const double* outputs)
        : tool_(tool),
          cursor_(text),
          end_(text + std::strlen(text)),
          inputs_(inputs),
          outputs_(outputs) {}

    double ParseAll(int& failed) {
        const double value = Conditional();
        SkipBlanks();
        const bool leftOver = *cursor_ != 0;
        failed = (error_ || leftOver || !std::isfinite(value)) ? 1 : 0;
        // One NaN for every way to reach one: C runtimes differ in the sign
        // of the NaN they return (fmod of an infinity, say).
        return value != value ? std::numeric_limits<double>::quiet_NaN() : value;
    }

  private:
    // Counts one level of recursion; past the limit the caller gives up on
    // the operand with the error flag set.
    class DepthGuard {
      public:
        explicit DepthGuard(Parser& parser) : parser_(parser) { ++parser_.depth_; }
        ~DepthGuard() { --parser_.depth_; }
        DepthGuard(const DepthGuard&) = delete;
        DepthGuard& operator=(const DepthGuard&) = delete;
        bool TooDeep() const { return parser_.depth_ > kMaxExpressionDepth; }

      private:
        Parser& parser_;
    };

    void SkipBlanks() {
        while (IsBlank(*cursor_)) {
            ++cursor_;
        }
    }

    // Skips blanks and consumes `c` when it comes next.
    bool Accept(char c) {
        SkipBlanks();
        if (*cursor_ == c) {
            ++cursor_;
            return true;
        }
        return false;
    }

    // Skips blanks and consumes the two characters `first` `second` when
    // they come next.
    bool AcceptPair(char first, char second) {
        SkipBlanks();
        if (cursor_[0] == first && cursor_[1] == second) {
            cursor_ += 2;
            return true;
        }
        return false;
    }

    bool Peek(char c) {
        SkipBlanks();
        return *cursor_ == c;
    }

    double Conditional() {
        DepthGuard guard(*this);
        if (guard.TooDeep()) {
            error_ = true;
            return 0;
        }
        const double condition = Or();
        if (!Accept('?')) {
            return condition;
        }
        const double whenTrue = Conditional();
        if (!Accept(':')) {
            error_ = true;
        }
        const double whenFalse = Conditional();
        return condition != 0 ? whenTrue : whenFalse;
    }

    double Or() {
        double value = And();
        while (AcceptPair('|', '|')) {
            const double right = And();
            value = (value != 0 || right != 0) ? 1 : 0;
        }
        return value;
    }

    double And() {
        double value = Comparison();
        while (AcceptPair('&', '&')) {
            const double right = Comparison();
            value = (value != 0 && right != 0) ? 1 : 0;
        }
        return value;
    }

    // The operators are tried in the order <=, >=, ==, !=, <, >.
    double Comparison() {
        const double left = Sum();
        SkipBlanks();
        const char first = cursor_[0];
        const bool equalsFollows = first != 0 && cursor_[1] == '=';
        if ((first == '<' || first == '>' || first == '=' || first == '!') && equalsFollows) {
            cursor_ += 2;
            const double right = Sum();
            switch (first) {
                case '<':
                    return left <= right ? 1 : 0;
                case '>':
                    return left >= right ? 1 : 0;
                case '=':
                    return left == right ? 1 : 0;
                default:
                    return left != right ? 1 : 0;
            }
        }
        if (first == '<' || first == '>') {
            ++cursor_;
            const double right = Sum();
            return (first == '<' ? left < right : left > right) ? 1 : 0;
        }
        return left;
    }

    double Sum() {
        double value = Term();
        for (;;) {
            if (Accept('+')) {
                value += Term();
            } else if (Accept('-')) {
                value -= Term();
            } else {
                return value;
            }
        }
    }

    double Term() {
        double value = Power();
        for (;;) {
            SkipBlanks();
            if (cursor_[0] == '*' && cursor_[1] != '*') {
                ++cursor_;
                value *= Power();
            } else if (cursor_[0] == '/' || cursor_[0] == '%') {
                const bool divide = cursor_[0] == '/';
                ++cursor_;
                const double right = Power();
                if (right == 0) {
                    error_ = true;
                    return 0;
                }
                value = divide ? value / right : std::fmod(value, right);
            } else {
                return value;
            }
        }
    }

    double Power() {
        DepthGuard guard(*this);
        if (guard.TooDeep()) {
            error_ = true;
            return 0;
        }
        const double base = Unary();
        if (!Accept('^')) {
            return base;
        }
        const double exponent = Power();
        return math::Pow(base, exponent);
    }

    double Unary() {
        DepthGuard guard(*this);
        if (guard.TooDeep()) {
            error_ = true;
            return 0;
        }
        SkipBlanks();
        const char c = *cursor_;
        if (c == '(') {
            ++cursor_;
            const double value = Conditional();
            if (!Accept(')')) {
                error_ = true;
            }
            return value;
        }
        if (c == '-') {
            ++cursor_;
            return -Unary();
        }
        if (c == '+') {
            ++cursor_;
            return Unary();
        }
        if (c == '!') {
            ++cursor_;
            return Unary() == 0 ? 1 : 0;
        }
        if (IsDigit(c) || c == '.') {
            return Number();
        }
        if (IsNameStart(c)) {
            // At most 63 characters make the name; the rest stays in the text.
            Name name{cursor_, 0};
            while (IsNameChar(*cursor_) && name.length < kNameCapacity - 1) {
                ++name.length;
                ++cursor_;
            }
            if (Peek('(')) {
                ++cursor_;
                return Call(name);
            }
            return Lookup(name);
        }
        error_ = true;
        return 0;
    }

    // Reads a number as strtod would in the "C" locale, hexadecimal form
    // included, but through std::from_chars so every platform agrees.
    double Number() {
        const char* begin = cursor_;
        const char* end = end_;
        const bool hex = begin[0] == '0' && (begin[1] == 'x' || begin[1] == 'X') &&
                         (IsHexDigit(begin[2]) || (begin[2] == '.' && IsHexDigit(begin[3])));
        const char* digits = hex ? begin + 2 : begin;
        double value = 0;
        const auto result = std::from_chars(
            digits, end, value, hex ? std::chars_format::hex : std::chars_format::general);
        if (result.ec == std::errc::invalid_argument) {
            // Nothing readable (a lone "."): the text stays and is left over.
            error_ = true;
            return 0;
        }
        if (result.ec == std::errc::result_out_of_range) {
            value = LeadingExponent(digits, result.ptr, hex) > 0 ? HUGE_VAL : 0.0;
        }
        cursor_ = result.ptr;
        return value;
    }

    double Lookup(const Name& name) {
        for (int i = 0; i < tool_.inputCount; ++i) {
            if (name.Is(tool_.inputs[i].key)) {
                return inputs_[i];
            }
        }
        // An output that could not be computed is NaN; whatever reads it
        // fails too, rather than take a number for it.
        for (int i = 0; i < BoundedOutputCount(tool_); ++i) {
            if (name.Is(tool_.outputs[i].key)) {
                if (outputs_[i] != outputs_[i]) {
                    error_ = true;
                }
                return outputs_[i];
            }
        }
        error_ = true;
        return 0;
    }

    double Call(const Name& name) {
        const double first = Conditional();
        const bool twoArguments = Accept(',');
        const double second = twoArguments ? Conditional() : 0;
        if (!Accept(')')) {
            error_ = true;
        }
        return twoArguments ? Apply(name, first, second) : Apply(name, first);
    }

    double Apply(const Name& name, double x) {
        auto is = [&name](const char* candidate) { return name.Is(candidate); };
        if (is("sqrt")) {
            return x < 0 ? DomainError() : math::SquareRoot(x);
        }
        if (is("abs")) {
            return std::fabs(x);
        }
        if (is("log")) {
            return x <= 0 ? DomainError() : math::Log(x);
        }
        if (is("log10")) {
            return x <= 0 ? DomainError() : math::Log10(x);
        }
        if (is("exp")) {
            return math::Exp(x);
        }
        if (is("floor")) {
            return std::floor(x);
        }
        if (is("ceil")) {
            return std::ceil(x);
        }
        if (is("round")) {
            // x - floor(x) is exact, so a value just below a half rounds
            // down (floor(x + 0.5) takes 0.49999999999999994 to 1).
            const double whole = std::floor(x);
            return x - whole >= 0.5 ? whole + 1 : whole;
        }
        if (is("cbrt")) {
            return x >= 0 ? math::Pow(x, kOneThird) : -math::Pow(-x, kOneThird);
        }
        if (is("sign")) {
            return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
        }
        return DomainError();
    }

    double Apply(const Name& name, double a, double b) {
        auto is = [&name](const char* candidate) { return name.Is(candidate); };
        if (is("min")) {
            return a < b ? a : b;
        }
        if (is("max")) {
            return a > b ? a : b;
        }
        if (is("pow")) {
            return math::Pow(a, b);
        }
        if (is("mod")) {
            return b == 0 ? DomainError() : std::fmod(a, b);
        }
        return DomainError();
    }

    double DomainError() {
        error_ = true;
        return 0;
    }

    const ToolDef& tool_;
    const char* cursor_;
    const char* end_;
    const double* inputs_;
    const double* outputs_;
    bool error_ = false;
    int depth_ = 0;
};

}  // namespace

double EvaluateExpression(const ToolDef& tool, const char* expression, const double* inputs,
                          const double* outputValues, int& failed) {
    if (expression == nullptr || expression[0] == 0) {
        failed = 1;
        return 0;
    }
    Parser parser(tool, expression, inputs, outputValues);
    return parser.ParseAll(failed);
}

}  // namespace kelomed
