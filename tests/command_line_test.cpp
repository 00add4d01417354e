#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"
#include "tests/test_text.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

struct PathCase {
    const char16_t* commandLine;
    const char* path;  // null: no self-test
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << testing::Utf8Of(c.commandLine);
}

class SelftestPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SelftestPath, FollowsTheSwitch) {
    const PathCase& c = GetParam();
    char16_t path[kSelftestPathCapacity] = u"untouched";
    const bool found = FindSelftestPath(c.commandLine, path, kSelftestPathCapacity);
    if (c.path == nullptr) {
        EXPECT_FALSE(found);
        EXPECT_EQ(Utf8Of(path), "untouched");
    } else {
        EXPECT_TRUE(found);
        EXPECT_EQ(Utf8Of(path), c.path);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SelftestPath,
    ::testing::Values(
        PathCase{u"kelomed-t048.exe", nullptr}, PathCase{u"app --SelfTest x", nullptr},
        PathCase{u"app --selftest", "selftest.txt"}, PathCase{u"app --selftest   ", "selftest.txt"},
        PathCase{u"app --selftest    out.txt", "out.txt"},
        PathCase{u"app --selftest out.txt more", "out.txt"},
        PathCase{u"app --selftest\tout.txt", "\tout.txt"},
        PathCase{u"app --selftest \"C:\\My Files\\r.txt\" x", "C:\\My Files\\r.txt"},
        PathCase{u"app --selftest C:\\My Files\\r.txt", "C:\\My"},
        PathCase{u"app --selftestX", "X"}, PathCase{u"app --selftest \"open ended", "open ended"},
        PathCase{u"app --selftest \"\"", "selftest.txt"},
        PathCase{u"\"C:\\x--selftest\\app.exe\" y", "\\app.exe\""},
        PathCase{u"app --selftest a --selftest b", "a"},
        PathCase{u"app --selftest 报告.txt", "报告.txt"}));

TEST(SelftestPath, KeepsAtMost519Units) {
    const std::u16string longPath(600, u'p');
    const std::u16string line = u"app --selftest " + longPath + u" tail";
    char16_t path[kSelftestPathCapacity];
    ASSERT_TRUE(FindSelftestPath(line.c_str(), path, kSelftestPathCapacity));
    EXPECT_EQ(std::u16string(path), longPath.substr(0, 519));
}

TEST(SelftestToday, TakesOnlyAWholeDate) {
    const struct {
        const char16_t* commandLine;
        bool found;
        CivilDate date;
    } cases[] = {
        {u"app --selftest out.txt --today=2028-02-29", true, {2028, 2, 29}},
        {u"app --today=1999-12-31 --selftest", true, {1999, 12, 31}},
        {u"app --selftest out.txt", false, {}},
        {u"app --today=2028-2-29", false, {}},
        {u"app --today=2028-13-01", false, {}},
        {u"app --today=2028-00-10", false, {}},
        {u"app --today=2028-01-32", false, {}},
        {u"app --today=2028-01-0", false, {}},
        {u"app --today=2028/01/05", false, {}},
        {u"app --today=", false, {}},
        {u"app --today 2028-01-05", false, {}},
    };
    for (const auto& c : cases) {
        CivilDate date{-1, -1, -1};
        EXPECT_EQ(FindSelftestToday(c.commandLine, date), c.found) << Utf8Of(c.commandLine);
        const CivilDate expected = c.found ? c.date : CivilDate{-1, -1, -1};
        EXPECT_EQ(date.year, expected.year) << Utf8Of(c.commandLine);
        EXPECT_EQ(date.month, expected.month);
        EXPECT_EQ(date.day, expected.day);
    }
}

TEST(JoinArguments, QuotesArgumentsWithSpaces) {
    const char* argv[] = {"/opt/kelomed-t048", "--selftest", "my report.txt", "报告"};
    char16_t line[256];
    JoinArguments(4, argv, line, 256);
    EXPECT_EQ(Utf8Of(line), "/opt/kelomed-t048 --selftest \"my report.txt\" 报告");
    char16_t path[kSelftestPathCapacity];
    ASSERT_TRUE(FindSelftestPath(line, path, kSelftestPathCapacity));
    EXPECT_EQ(Utf8Of(path), "my report.txt");
}

TEST(JoinArguments, StaysWithinItsCapacity) {
    const char* argv[] = {"program", "--selftest", "abcdefghij"};
    char16_t line[16] = {};
    JoinArguments(3, argv, line, 16);
    EXPECT_EQ(Utf8Of(line), "program --selft");
}

}  // namespace
}  // namespace kelomed
