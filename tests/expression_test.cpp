#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>

#include "engine/expression.h"
#include "tests/test_tools.h"

namespace kelomed {
namespace {

using testing::kProbeTool;

struct ExpressionCase {
    const char* text;
    double value;
    int failed;
};

// dose 0.5, w 60, drug 4, dil 50, x 0; outputs conc 80, rate 7, twice 3 ...
void PrintTo(const ExpressionCase& c, std::ostream* os) {
    *os << c.text;
}

class Expression : public ::testing::TestWithParam<ExpressionCase> {};

TEST_P(Expression, EvaluatesTo) {
    const ExpressionCase& c = GetParam();
    const double inputs[] = {0.5, 60, 4, 50, 0};
    const double outputs[16] = {80, 7, 3};
    int failed = -1;
    const double value = EvaluateExpression(kProbeTool, c.text, inputs, outputs, failed);
    EXPECT_EQ(failed, c.failed) << c.text;
    if (std::isnan(c.value)) {
        EXPECT_TRUE(std::isnan(value)) << c.text;
    } else {
        EXPECT_EQ(value, c.value) << c.text;
    }
}

constexpr ExpressionCase kPrecedence[] = {ExpressionCase{"drug*1000/dil", 80, 0},
                                          ExpressionCase{"1+2*3", 7, 0},
                                          ExpressionCase{"(1+2)*3", 9, 0},
                                          ExpressionCase{"10-4-3", 3, 0},
                                          ExpressionCase{"64/4/2", 8, 0},
                                          ExpressionCase{"-2^2", 4, 0},
                                          ExpressionCase{"2^3^2", 512, 0},
                                          ExpressionCase{"2^-1", 0.5, 0},
                                          ExpressionCase{"--3", 3, 0},
                                          ExpressionCase{"+++3", 3, 0},
                                          ExpressionCase{"!0", 1, 0},
                                          ExpressionCase{"!5", 0, 0},
                                          ExpressionCase{"-7%3", -1, 0},
                                          ExpressionCase{"7%-3", 1, 0},
                                          ExpressionCase{"1+2<4", 1, 0},
                                          ExpressionCase{"1<2 && 2<1 || 1", 1, 0},
                                          ExpressionCase{"0 || 0", 0, 0},
                                          ExpressionCase{"2 && 3", 1, 0},
                                          ExpressionCase{"dose>1", 0, 0},
                                          ExpressionCase{"dose<=0.5", 1, 0},
                                          ExpressionCase{"dose>=0.5", 1, 0},
                                          ExpressionCase{"w==60", 1, 0},
                                          ExpressionCase{"w!=60", 0, 0},
                                          ExpressionCase{"1 ? 2 : 3", 2, 0},
                                          ExpressionCase{"0 ? 2 : 3", 3, 0},
                                          ExpressionCase{"1 ? 2 : 0 ? 4 : 5", 2, 0},
                                          ExpressionCase{"0 ? 2 : 0 ? 4 : 5", 5, 0},
                                          ExpressionCase{" \t\r\n w \n", 60, 0},
                                          ExpressionCase{"0x10", 16, 0},
                                          ExpressionCase{"0x1A", 26, 0},
                                          ExpressionCase{".5+2.5E-1", 0.75, 0},
                                          ExpressionCase{"1e3", 1000, 0},
                                          ExpressionCase{"conc", 80, 0},
                                          ExpressionCase{"x", 0, 0}};
INSTANTIATE_TEST_SUITE_P(Precedence, Expression, ::testing::ValuesIn(kPrecedence));

constexpr ExpressionCase kFunctions[] = {
    ExpressionCase{"sqrt(16)", 4, 0}, ExpressionCase{"abs(-3)", 3, 0},
    ExpressionCase{"log(1)", 0, 0}, ExpressionCase{"log10(1000)", 3, 0},
    ExpressionCase{"exp(0)", 1, 0}, ExpressionCase{"floor(-2.5)", -3, 0},
    ExpressionCase{"ceil(2.1)", 3, 0}, ExpressionCase{"round(2.5)", 3, 0},
    ExpressionCase{"round(-2.5)", -2, 0}, ExpressionCase{"round(0.49999999999999994)", 0, 0},
    ExpressionCase{"round(4503599627370497)", 4503599627370497, 0},
    ExpressionCase{"cbrt(27)", 3, 0}, ExpressionCase{"cbrt(64)", 3.9999999999999996, 0},
    ExpressionCase{"cbrt(-8)", -2, 0}, ExpressionCase{"sign(-4)", -1, 0},
    ExpressionCase{"sign(0)", 0, 0}, ExpressionCase{"min(3, 2)", 2, 0},
    ExpressionCase{"max(3,2)", 3, 0}, ExpressionCase{"pow(2,10)", 1024, 0},
    ExpressionCase{"mod(7,3)", 1, 0}, ExpressionCase{"sqrt (9)", 3, 0},
    ExpressionCase{"max(1, 2 ? 5 : 6)", 5, 0},
    // Correctly rounded on every platform, so floor agrees too.
    ExpressionCase{"2.5E-2^-3", 63999.99999999999, 0}, ExpressionCase{"floor(2.5E-2^-3)", 63999, 0},
    ExpressionCase{"exp(1)", 2.718281828459045, 0}, ExpressionCase{"log(10)", 2.302585092994046, 0},
    ExpressionCase{"log10(2)", 0.3010299956639812, 0},
    ExpressionCase{"pow(94906267, 2)", 9007199515875288, 0},
    // 0.49991 ulp from a tie: the Windows C runtime's sqrt rounds it up.
    ExpressionCase{"sqrt(0x1.fffffffd8d7afp-1)", 0x1.fffffffec6bd7p-1, 0}};
INSTANTIATE_TEST_SUITE_P(Functions, Expression, ::testing::ValuesIn(kFunctions));

INSTANTIATE_TEST_SUITE_P(
    Failures, Expression,
    ::testing::Values(
        // Syntax: operators that are not in the language leave text over.
        ExpressionCase{"2**3", 2, 1}, ExpressionCase{"dose=1", 0.5, 1},
        ExpressionCase{"1<2<3", 1, 1}, ExpressionCase{"dose & w", 0.5, 1},
        ExpressionCase{"dose | w", 0.5, 1}, ExpressionCase{".", 0, 1}, ExpressionCase{"", 0, 1},
        ExpressionCase{"   ", 0, 1}, ExpressionCase{"(1+2", 3, 1}, ExpressionCase{"1+", 1, 1},
        ExpressionCase{"1 ? 2 3", 2, 1}, ExpressionCase{")", 0, 1},
        // Names: unknown, case-sensitive.
        ExpressionCase{"Dose", 0, 1}, ExpressionCase{"pi", 0, 1},
        // Division and domain errors give 0 at once.
        ExpressionCase{"1/0", 0, 1}, ExpressionCase{"5%0", 0, 1}, ExpressionCase{"5/-0", 0, 1},
        ExpressionCase{"drug*1000/x", 0, 1}, ExpressionCase{"sqrt(-1)", 0, 1},
        ExpressionCase{"log(0)", 0, 1}, ExpressionCase{"log10(-1)", 0, 1},
        ExpressionCase{"mod(5,0)", 0, 1}, ExpressionCase{"min(3)", 0, 1},
        ExpressionCase{"sqrt(4,1)", 0, 1}, ExpressionCase{"nosuch(1)", 0, 1},
        ExpressionCase{"max(1,2,3)", 2, 1}, ExpressionCase{"abs(-3", 3, 1},
        // The branch not taken still fails the evaluation.
        ExpressionCase{"x>0 ? 1/x : 0", 0, 1}, ExpressionCase{"1 ? 2 : log(0)", 2, 1},
        // Non-finite results.
        ExpressionCase{"1e999", HUGE_VAL, 1}, ExpressionCase{"0x1p99999", HUGE_VAL, 1},
        ExpressionCase{"1e999-1e999", std::nan(""), 1}, ExpressionCase{"pow(10, 400)", HUGE_VAL, 1},
        ExpressionCase{"1e-999", 0, 0}));

// The grammar checked while compiling accepts what the evaluator parses and
// refuses what it cannot: every evaluation above that succeeds is well formed.
TEST(Expression, GrammarCheckedWhileCompilingAgreesWithTheEvaluator) {
    for (std::span<const ExpressionCase> suite : {std::span<const ExpressionCase>(kPrecedence),
                                                  std::span<const ExpressionCase>(kFunctions)}) {
        for (const ExpressionCase& c : suite) {
            EXPECT_TRUE(IsWellFormedExpression(c.text)) << c.text;
        }
    }
    // Well formed, failing only for their values or names.
    for (const char* text : {"Dose", "1/0", "x>0 ? 1/x : 0", "1e999", "0x.8p1", "2.", "1e+2",
                             "a?b?c:d:e", "!(a)==-b"}) {
        EXPECT_TRUE(IsWellFormedExpression(text)) << text;
    }
    for (const char* text :
         {"2**3",      "dose=1",     "1<2<3",  "dose & w",   "dose | w",  ".",      "",
          "   ",       "(1+2",       "1+",     "1 ? 2 3",    ")",         "min(3)", "sqrt(4,1)",
          "nosuch(1)", "max(1,2,3)", "abs(-3", "bmi>=28 &&", "bmi<<18.5", "1e",     "2x",
          "1.2.3",     "0x",         "a ? b",  "f()",        "!=1"}) {
        EXPECT_FALSE(IsWellFormedExpression(text)) << text;
        const double inputs[] = {0.5, 60, 4, 50, 0};
        const double outputs[16] = {};
        int failed = 0;
        EvaluateExpression(kProbeTool, text, inputs, outputs, failed);
        EXPECT_EQ(failed, 1) << text;
    }
}

TEST(Expression, NegativeZeroSquareRootIsNotAnError) {
    const double inputs[5] = {};
    const double outputs[16] = {};
    int failed = -1;
    const double value = EvaluateExpression(kProbeTool, "sqrt(-0)", inputs, outputs, failed);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
}

TEST(Expression, NaNFollowsTheLogicalRules) {
    // NaN counts as not 0 in conditions and compares false except with !=.
    const double inputs[] = {std::nan(""), 0, 0, 0, 0};
    const double outputs[16] = {};
    const struct {
        const char* text;
        double value;
    } cases[] = {{"dose ? 1 : 2", 1}, {"dose || 0", 1},    {"dose && 1", 1},    {"!dose", 0},
                 {"dose < 1", 0},     {"dose == dose", 0}, {"dose != dose", 1}, {"min(dose, 3)", 3},
                 {"max(dose, 3)", 3}, {"sign(dose)", 0}};
    for (const auto& c : cases) {
        int failed = -1;
        EXPECT_EQ(EvaluateExpression(kProbeTool, c.text, inputs, outputs, failed), c.value)
            << c.text;
        EXPECT_EQ(failed, 0) << c.text;
    }
    int failed = 0;
    EXPECT_TRUE(std::isnan(EvaluateExpression(kProbeTool, "sqrt(dose)", inputs, outputs, failed)));
    EXPECT_EQ(failed, 1);
}

TEST(Expression, NamesLongerThan63CharactersFail) {
    static constexpr char longKey[] =
        "abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabc";  // 63
    static constexpr InputField inputs[] = {{longKey, u"长", u"", 0}};
    static constexpr ToolDef tool = {1,      u"t", nullptr, u"检验", u"r",    nullptr, 1,
                                     inputs, 0,    nullptr, 0,       nullptr, nullptr};
    const double values[] = {7};
    const double outputs[16] = {};
    int failed = -1;
    EXPECT_EQ(EvaluateExpression(tool, longKey, values, outputs, failed), 7);
    EXPECT_EQ(failed, 0);
    const std::string longer = std::string(longKey) + "d";
    EvaluateExpression(tool, longer.c_str(), values, outputs, failed);
    EXPECT_EQ(failed, 1);
    const std::string huge(5000, 'q');
    EvaluateExpression(tool, huge.c_str(), values, outputs, failed);
    EXPECT_EQ(failed, 1);
}

TEST(Expression, DeepNestingFailsCleanlyInsteadOfOverflowing) {
    const double inputs[5] = {};
    const double outputs[16] = {};
    int failed = -1;
    const std::string shallow = std::string(200, '(') + "1" + std::string(200, ')');
    EXPECT_EQ(EvaluateExpression(kProbeTool, shallow.c_str(), inputs, outputs, failed), 1);
    EXPECT_EQ(failed, 0);
    for (const std::string& deep : {std::string(100000, '(') + "1" + std::string(100000, ')'),
                                    std::string(100000, '-') + "1", std::string(50000, '!') + "1",
                                    [] {
                                        std::string chain;
                                        for (int i = 0; i < 50000; ++i) {
                                            chain += "2^";
                                        }
                                        return chain + "1";
                                    }(),
                                    [] {
                                        std::string chain;
                                        for (int i = 0; i < 50000; ++i) {
                                            chain += "1?1:";
                                        }
                                        return chain + "1";
                                    }()}) {
        failed = 0;
        EvaluateExpression(kProbeTool, deep.c_str(), inputs, outputs, failed);
        EXPECT_EQ(failed, 1) << deep.substr(0, 12);
    }
}

TEST(Expression, AbsentExpressionFails) {
    const double inputs[5] = {};
    const double outputs[16] = {};
    int failed = 0;
    EXPECT_EQ(EvaluateExpression(kProbeTool, nullptr, inputs, outputs, failed), 0);
    EXPECT_EQ(failed, 1);
}

}  // namespace
}  // namespace kelomed
