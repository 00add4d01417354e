#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/decisions/command_line.h"
#include "tests/test_text.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

struct ArgumentsCase {
    std::vector<const char16_t*> arguments;
    const char* path;  // null: no self-test
    bool pathFits;
};

void PrintTo(const ArgumentsCase& c, std::ostream* os) {
    for (const char16_t* argument : c.arguments) {
        *os << "[" << testing::Utf8Of(argument).substr(0, 40) << "] ";
    }
}

class SelftestArguments : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(SelftestArguments, AskWithTheWholeSwitch) {
    const ArgumentsCase& c = GetParam();
    SelftestRequest request;
    const bool asked =
        ParseSelftestArguments(static_cast<int>(c.arguments.size()), c.arguments.data(), request);
    EXPECT_EQ(asked, c.path != nullptr);
    if (c.path != nullptr) {
        EXPECT_EQ(Utf8Of(request.path), c.path);
        EXPECT_EQ(request.pathFits, c.pathFits);
    }
}

const std::u16string kLongPath(600, u'p');
const std::string kLongPathCut(519, 'p');

INSTANTIATE_TEST_SUITE_P(
    Rules, SelftestArguments,
    ::testing::Values(
        ArgumentsCase{{}, nullptr, true}, ArgumentsCase{{u"--SelfTest", u"x"}, nullptr, true},
        ArgumentsCase{{u"--selftest"}, "selftest.txt", true},
        ArgumentsCase{{u"--selftest", u"out.txt", u"more"}, "out.txt", true},
        ArgumentsCase{{u"x", u"--selftest", u"C:\\My Files\\r.txt"}, "C:\\My Files\\r.txt", true},
        ArgumentsCase{{u"--selftest", u"--today=2026-12-08"}, "selftest.txt", true},
        ArgumentsCase{{u"--selftest", u""}, "selftest.txt", true},
        ArgumentsCase{{u"--selftest", u"报告.txt"}, "报告.txt", true},
        ArgumentsCase{{u"--selftest", u"a", u"--selftest", u"b"}, "a", true},
        // Only the whole word asks: not a longer argument, not a folder name.
        ArgumentsCase{{u"--selftestX"}, nullptr, true},
        ArgumentsCase{{u"C:\\x--selftest\\app.exe"}, nullptr, true},
        // A path too long for its buffer is refused, not cut.
        ArgumentsCase{{u"--selftest", kLongPath.c_str()}, kLongPathCut.c_str(), false}));

TEST(SelftestArguments, TodayIsAWholeDate) {
    const struct {
        std::vector<const char16_t*> arguments;
        bool given;
        CivilDate date;
    } cases[] = {
        {{u"--selftest", u"out.txt", u"--today=2028-02-29"}, true, {2028, 2, 29}},
        {{u"--today=1999-12-31", u"--selftest"}, true, {1999, 12, 31}},
        {{u"--selftest", u"out.txt"}, false, {}},
        {{u"--selftest", u"--today=2028-2-29"}, false, {}},
        {{u"--selftest", u"--today=2028-13-01"}, false, {}},
        {{u"--selftest", u"--today=2028-00-10"}, false, {}},
        {{u"--selftest", u"--today=2028-01-32"}, false, {}},
        {{u"--selftest", u"--today=2028-01-0"}, false, {}},
        {{u"--selftest", u"--today=2028/01/05"}, false, {}},
        {{u"--selftest", u"--today=2028-01-05x"}, false, {}},
        {{u"--selftest", u"--today="}, false, {}},
        {{u"--selftest", u"--today", u"2028-01-05"}, false, {}},
    };
    for (const auto& c : cases) {
        SelftestRequest request;
        ParseSelftestArguments(static_cast<int>(c.arguments.size()), c.arguments.data(), request);
        EXPECT_EQ(request.todayGiven, c.given) << Utf8Of(c.arguments.back());
        if (c.given) {
            EXPECT_EQ(request.today.year, c.date.year);
            EXPECT_EQ(request.today.month, c.date.month);
            EXPECT_EQ(request.today.day, c.date.day);
        }
    }
}

}  // namespace
}  // namespace kelomed
