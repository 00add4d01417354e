// A corpus of random expressions over every function and operator of the
// formula language, from a fixed seed, evaluated by the engine; one line per
// case with the value's bits and the failed flag, then a digest line. Built
// natively and for Windows, with either version of the fast paths: the test
// command requires the digest the native build gave
// (expression-corpus-digest.txt).
//
//   expression_corpus [portable|fused] [COUNT]
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/expression.h"
#include "engine/math/product_path.h"

namespace {

using kelomed::InputField;
using kelomed::ToolDef;

// SplitMix64: the same numbers on every platform and library.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    // A double from [0, 1) with 53 random bits.
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1p-53; }

  private:
    std::uint64_t state_;
};

constexpr InputField kInputs[] = {
    {"a", u"a", u"", 0}, {"b", u"b", u"", 0}, {"c", u"c", u"", 0}, {"d", u"d", u"", 0}};
constexpr ToolDef kTool = {1,       u"t", nullptr, u"检验", u"r",    nullptr, 4,
                           kInputs, 0,    nullptr, 0,       nullptr, nullptr};

// An input value: mostly ordinary magnitudes, some extremes.
double InputValue(Random& random) {
    switch (random.Below(8)) {
        case 0:
            return random.Below(41) - 20;
        case 1:
            return (random.Unit() - 0.5) * 1e6;
        case 2:
            return std::bit_cast<double>(random.Next());
        case 3:
            return random.Unit() * 1e-300;
        default: {
            const double magnitude =
                (1 + random.Unit()) *
                std::bit_cast<double>(static_cast<std::uint64_t>(1023 - 40 + random.Below(80))
                                      << 52);
            return random.Below(2) != 0 ? magnitude : -magnitude;
        }
    }
}

void AppendNumber(std::string& text, Random& random) {
    char digits[64];
    double value = 0;
    switch (random.Below(5)) {
        case 0:
            value = random.Below(100);
            break;
        case 1:
            value = random.Unit() * 10;
            break;
        case 2:
            value = (1 + random.Unit()) *
                    std::bit_cast<double>(static_cast<std::uint64_t>(1023 - 30 + random.Below(60))
                                          << 52);
            break;
        case 3:
            text += "2.5E-2";
            return;
        default:
            text += random.Below(2) != 0 ? "0x1A" : ".5";
            return;
    }
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

constexpr const char* kUnary[] = {"sqrt",  "abs",  "log",   "log10", "exp",
                                  "floor", "ceil", "round", "cbrt",  "sign"};
constexpr const char* kBinary[] = {"min", "max", "pow", "mod"};
constexpr const char* kOperators[] = {
    "+", "-", "*", "/", "%", "^", "<", "<=", ">", ">=", "==", "!=", "&&", "||", "^", "^"};

void AppendExpression(std::string& text, Random& random, int depth) {
    const int choice = depth <= 0 ? random.Below(2) : random.Below(9);
    switch (choice) {
        case 0:
            AppendNumber(text, random);
            return;
        case 1:
            text += kInputs[random.Below(4)].key;
            return;
        case 2:
        case 3:
            text += kUnary[random.Below(10)];
            text += "(";
            AppendExpression(text, random, depth - 1);
            text += ")";
            return;
        case 4:
            text += kBinary[random.Below(4)];
            text += "(";
            AppendExpression(text, random, depth - 1);
            text += ", ";
            AppendExpression(text, random, depth - 1);
            text += ")";
            return;
        case 5:
            text += random.Below(2) != 0 ? "-" : "!";
            AppendExpression(text, random, depth - 1);
            return;
        case 6:
            text += "(";
            AppendExpression(text, random, depth - 1);
            text += " ? ";
            AppendExpression(text, random, depth - 1);
            text += " : ";
            AppendExpression(text, random, depth - 1);
            text += ")";
            return;
        default:
            text += "(";
            AppendExpression(text, random, depth - 1);
            text += kOperators[random.Below(16)];
            AppendExpression(text, random, depth - 1);
            text += ")";
            return;
    }
}

std::uint64_t Digest(std::uint64_t digest, std::uint64_t bits, int failed) {
    for (int shift = 0; shift < 64; shift += 8) {
        digest = (digest ^ ((bits >> shift) & 0xFF)) * 1099511628211;
    }
    return (digest ^ static_cast<std::uint64_t>(failed)) * 1099511628211;
}

}  // namespace

int main(int argc, char** argv) {
    using kelomed::math::ProductPath;
    if (argc > 1) {
        kelomed::math::SelectProductPath(
            std::strcmp(argv[1], "fused") == 0 ? ProductPath::Fused : ProductPath::Portable);
    }
    const long count = argc > 2 ? std::atol(argv[2]) : 50000;
    Random random(20261208);
    std::uint64_t digest = 1469598103934665603;  // FNV-1a over the printed bits
    for (long i = 0; i < count; ++i) {
        double inputs[4];
        for (double& input : inputs) {
            input = InputValue(random);
        }
        std::string text;
        AppendExpression(text, random, 4);
        int failed = 0;
        const double outputs[16] = {};
        const double value =
            kelomed::EvaluateExpression(kTool, text.c_str(), inputs, outputs, failed);
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
        std::printf("%016llx %d %s\n", static_cast<unsigned long long>(bits), failed, text.c_str());
        digest = Digest(digest, bits, failed);
    }
    std::printf("%ld cases, digest %016llx\n", count, static_cast<unsigned long long>(digest));
    return 0;
}
