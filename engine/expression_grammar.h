// An expression's syntax, checked while compiling: a table whose output or
// rule the evaluator could never read ("bmi>=28 &&", "bmi<<18.5", "sqrt(a,
// b)") is refused before a condition that always fails can pass for one that
// does not hold. The recognizer follows the evaluator's grammar rule for rule
// (engine/expression.h) and accepts exactly what it parses.
#pragma once

#include "engine/expression_names.h"

namespace kelomed {

// The functions of one argument; the others of kExpressionFunctions take two.
inline constexpr const char* kOneArgumentFunctions[] = {
    "sqrt", "abs", "log", "log10", "exp", "floor", "ceil", "round", "cbrt", "sign",
};

class ExpressionGrammar {
  public:
    constexpr explicit ExpressionGrammar(const char* text) : at_(text) {}

    // True when the whole text is one expression of the language.
    constexpr bool WellFormed() {
        if (at_ == nullptr || *at_ == 0 || !Conditional()) {
            return false;
        }
        SkipBlanks();
        return *at_ == 0;
    }

  private:
    static constexpr bool IsBlank(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r';
    }
    static constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static constexpr bool IsHexDigit(char c) {
        return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }

    constexpr void SkipBlanks() {
        while (IsBlank(*at_)) {
            ++at_;
        }
    }
    constexpr bool Accept(char c) {
        SkipBlanks();
        if (*at_ != c) {
            return false;
        }
        ++at_;
        return true;
    }
    constexpr bool AcceptPair(char first, char second) {
        SkipBlanks();
        if (at_[0] != first || at_[1] != second) {
            return false;
        }
        at_ += 2;
        return true;
    }

    constexpr bool Conditional() {
        if (!Or()) {
            return false;
        }
        if (!Accept('?')) {
            return true;
        }
        return Conditional() && Accept(':') && Conditional();
    }

    constexpr bool Or() {
        if (!And()) {
            return false;
        }
        while (AcceptPair('|', '|')) {
            if (!And()) {
                return false;
            }
        }
        return true;
    }

    constexpr bool And() {
        if (!Comparison()) {
            return false;
        }
        while (AcceptPair('&', '&')) {
            if (!Comparison()) {
                return false;
            }
        }
        return true;
    }

    // One comparison at most: a second is left over, as in the evaluator.
    constexpr bool Comparison() {
        if (!Sum()) {
            return false;
        }
        SkipBlanks();
        const char first = at_[0];
        if ((first == '<' || first == '>' || first == '=' || first == '!') && at_[1] == '=') {
            at_ += 2;
            return Sum();
        }
        if (first == '<' || first == '>') {
            ++at_;
            return Sum();
        }
        return true;
    }

    constexpr bool Sum() {
        if (!Term()) {
            return false;
        }
        while (Accept('+') || Accept('-')) {
            if (!Term()) {
                return false;
            }
        }
        return true;
    }

    // "**" is no operator: the evaluator leaves it over.
    constexpr bool Term() {
        if (!Power()) {
            return false;
        }
        for (;;) {
            SkipBlanks();
            const bool multiply = at_[0] == '*' && at_[1] != '*';
            if (!multiply && at_[0] != '/' && at_[0] != '%') {
                return true;
            }
            ++at_;
            if (!Power()) {
                return false;
            }
        }
    }

    constexpr bool Power() {
        if (!Unary()) {
            return false;
        }
        return !Accept('^') || Power();
    }

    constexpr bool Unary() {
        SkipBlanks();
        const char c = *at_;
        if (c == '(') {
            ++at_;
            return Conditional() && Accept(')');
        }
        if (c == '-' || c == '+' || c == '!') {
            ++at_;
            return Unary();
        }
        if (IsDigit(c) || c == '.') {
            return Number();
        }
        if (!IsNameStartCharacter(c)) {
            return false;
        }
        ExpressionName name{at_, 0};
        while (IsNameCharacter(*at_)) {
            ++name.length;
            ++at_;
        }
        // The evaluator reads 63 characters of a name at most.
        if (name.length > 63) {
            return false;
        }
        if (!Accept('(')) {
            return true;
        }
        if (!Conditional()) {
            return false;
        }
        const bool twoArguments = Accept(',');
        if (twoArguments && !Conditional()) {
            return false;
        }
        return Accept(')') && IsExpressionFunction(name) && TakesOneArgument(name) != twoArguments;
    }

    static constexpr bool TakesOneArgument(const ExpressionName& name) {
        for (const char* function : kOneArgumentFunctions) {
            if (name.Is(function)) {
                return true;
            }
        }
        return false;
    }

    // A number as std::from_chars reads it, decimal or hexadecimal, with an
    // exponent only where digits follow its letter; a name character or a
    // point right after it would be left over.
    constexpr bool Number() {
        const bool hex = at_[0] == '0' && (at_[1] == 'x' || at_[1] == 'X') &&
                         (IsHexDigit(at_[2]) || (at_[2] == '.' && IsHexDigit(at_[3])));
        if (hex) {
            at_ += 2;
        }
        auto isDigit = [hex](char c) { return hex ? IsHexDigit(c) : IsDigit(c); };
        int digits = 0;
        while (isDigit(*at_)) {
            ++at_;
            ++digits;
        }
        if (*at_ == '.') {
            ++at_;
            while (isDigit(*at_)) {
                ++at_;
                ++digits;
            }
        }
        if (digits == 0) {
            return false;
        }
        const char exponent = hex ? 'p' : 'e';
        if (*at_ == exponent || *at_ == exponent - 'a' + 'A') {
            const char* sign = at_ + 1;
            const char* first = (*sign == '+' || *sign == '-') ? sign + 1 : sign;
            if (IsDigit(*first)) {
                at_ = first;
                while (IsDigit(*at_)) {
                    ++at_;
                }
            }
        }
        return !IsNameCharacter(*at_) && *at_ != '.';
    }

    const char* at_;
};

constexpr bool IsWellFormedExpression(const char* text) {
    return ExpressionGrammar(text).WellFormed();
}

}  // namespace kelomed
