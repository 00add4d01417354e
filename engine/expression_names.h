// The names an expression reads, found while compiling: a table whose
// expressions name a key it does not have, or a function the language does
// not know, is refused before it can compute a wrong number.
#pragma once

namespace kelomed {

// The functions of the expression language, by name.
inline constexpr const char* kExpressionFunctions[] = {
    "sqrt",  "abs",  "log",  "log10", "exp", "floor", "ceil",
    "round", "cbrt", "sign", "min",   "max", "pow",   "mod",
};

// A name as it stands in an expression: `length` characters from `text`.
struct ExpressionName {
    const char* text;
    int length;

    constexpr bool Is(const char* word) const {
        int i = 0;
        while (i < length && word[i] != 0 && word[i] == text[i]) {
            ++i;
        }
        return i == length && word[i] == 0;
    }
};

constexpr bool IsExpressionFunction(const ExpressionName& name) {
    for (const char* function : kExpressionFunctions) {
        if (name.Is(function)) {
            return true;
        }
    }
    return false;
}

constexpr bool IsNameStartCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

constexpr bool IsNameCharacter(char c) {
    return IsNameStartCharacter(c) || (c >= '0' && c <= '9');
}

// Calls `readsKey(name)` for every key the expression reads and
// `callsFunction(name)` for every function it calls; stops and returns false
// as soon as one returns false. A number ("1e-3", "0x1p4") is no name.
template <typename ReadsKey, typename CallsFunction>
constexpr bool ForEachExpressionName(const char* expression, ReadsKey readsKey,
                                     CallsFunction callsFunction) {
    const char* at = expression;
    while (at != nullptr && *at != 0) {
        if ((*at >= '0' && *at <= '9') || *at == '.') {
            // A number runs over its digits, point, exponent and its sign.
            char previous = 0;
            while (IsNameCharacter(*at) || *at == '.' ||
                   ((*at == '+' || *at == '-') &&
                    (previous == 'e' || previous == 'E' || previous == 'p' || previous == 'P'))) {
                previous = *at++;
            }
            continue;
        }
        if (!IsNameStartCharacter(*at)) {
            ++at;
            continue;
        }
        ExpressionName name{at, 0};
        while (IsNameCharacter(*at)) {
            ++name.length;
            ++at;
        }
        const char* next = at;
        while (*next == ' ' || *next == '\t') {
            ++next;
        }
        if (!(*next == '(' ? callsFunction(name) : readsKey(name))) {
            return false;
        }
    }
    return true;
}

}  // namespace kelomed
