#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/format_text.h"
#include "engine/text_buffer.h"
#include "engine/utf8.h"
#include "tests/test_text.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

TEST(TextBuffer, CopyKeepsFirstCapacityMinusOneUnits) {
    char16_t buffer[6] = {u'x', u'x', u'x', u'x', u'x', u'x'};
    CopyText(buffer, 1, u"abc");
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], u'x');  // nothing past the capacity is touched
    CopyText(buffer, 4, u"abc");
    EXPECT_EQ(Utf8Of(buffer), "abc");
    CopyText(buffer, 3, u"abc");
    EXPECT_EQ(Utf8Of(buffer), "ab");
    CopyText(buffer, 6, nullptr);
    EXPECT_EQ(buffer[0], 0);
}

TEST(TextBuffer, AppendAddsAtMostCapacityMinusLengthMinusOne) {
    char16_t buffer[8] = {};
    EXPECT_EQ(AppendText(buffer, 8, u"abcd"), 4);
    EXPECT_EQ(AppendText(buffer, 8, u"efgh"), 3);  // exact fit: 7 units + terminator
    EXPECT_EQ(Utf8Of(buffer), "abcdefg");
    EXPECT_EQ(AppendText(buffer, 8, u"z"), 0);
    EXPECT_EQ(Utf8Of(buffer), "abcdefg");
    EXPECT_EQ(AppendUnits(buffer, 0, u"z", 1), 0);
}

TEST(TextBuffer, AppendUnitsStopsAtCountAndTerminator) {
    char16_t buffer[16] = u"ab";
    EXPECT_EQ(AppendUnits(buffer, 16, u"cdef", 2), 2);
    EXPECT_EQ(AppendUnits(buffer, 16, u"g", 5), 1);
    EXPECT_EQ(Utf8Of(buffer), "abcdg");
}

struct FormatCase {
    const char16_t* format;
    FormatArg arg;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << testing::Utf8Of(c.format);
}

class FormatDirective : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDirective, MatchesPrintfOfTheCLocale) {
    const FormatCase& c = GetParam();
    char16_t out[512];
    FormatTextArgs(out, 512, c.format, &c.arg, 1);
    EXPECT_EQ(Utf8Of(out), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FormatDirective,
    ::testing::Values(
        // Exact ties round to even; other values round by their exact binary value.
        FormatCase{u"%.0f", 2.5, "2"}, FormatCase{u"%.0f", 3.5, "4"},
        FormatCase{u"%.0f", -2.5, "-2"}, FormatCase{u"%.0f", 0.5, "0"},
        FormatCase{u"%.2f", 0.125, "0.12"}, FormatCase{u"%.2f", 0.375, "0.38"},
        FormatCase{u"%.2f", 1.005, "1.00"}, FormatCase{u"%.1f", 0.05, "0.1"},
        FormatCase{u"%.1f", 0.25, "0.2"}, FormatCase{u"%.3f", 2.0005, "2.001"},
        FormatCase{u"%.3f", 1.0005, "1.000"}, FormatCase{u"%.2f", 9.00000013411045, "9.00"},
        FormatCase{u"%.1f", -0.0, "-0.0"}, FormatCase{u"%.1f%%", 12.25, "12.2%"},
        FormatCase{u"%.0f", 1e21, "1000000000000000000000"},
        FormatCase{u"%.0f", 1.7976931348623157e308,
                   "1797693134862315708145274237317043567980705675258449965989174768031572607800285"
                   "387605895586327668781"
                   "7154045895351438246423432132688946418276846754670353751698604991057655128207624"
                   "549009038932894407586"
                   "8508455133942304583236903222948165808559332123348274797826204144723168738177180"
                   "919299881250404026184124858368"},
        FormatCase{u"%.6g", 0.0000125, "1.25e-05"}, FormatCase{u"%g", 60.0, "60"},
        FormatCase{u"%g", 0.20000000298023224, "0.2"},
        FormatCase{u"%.6g", 1234567.0, "1.23457e+06"}, FormatCase{u"%g", 100000.0, "100000"},
        FormatCase{u"%g", 1e-5, "1e-05"},
        FormatCase{u"%.2f", std::numeric_limits<double>::infinity(), "inf"},
        FormatCase{u"%d", -42, "-42"}, FormatCase{u"%02d", 7, "07"}, FormatCase{u"%03d", 48, "048"},
        FormatCase{u"%04d", -5, "-005"}, FormatCase{u"%02d", 123, "123"},
        FormatCase{u"%04lld", 2028LL, "2028"}, FormatCase{u"%02lld", 9LL, "09"},
        FormatCase{u"%lld", -9223372036854775807LL - 1, "-9223372036854775808"},
        FormatCase{u"%c", 'D', "D"}, FormatCase{u"[%ls]", u"去甲", "[去甲]"},
        FormatCase{u"[%ls]", static_cast<const char16_t*>(nullptr), "[]"},
        FormatCase{u"100%% %d", 5, "100% 5"}));

TEST(FormatText, CutsToCapacityMinusOneAndReportsTheFullLength) {
    char16_t out[5];
    EXPECT_EQ(FormatText(out, 5, u"%d-%ls", 1234, u"abc"), 8);
    EXPECT_EQ(Utf8Of(out), "1234");
    char16_t one[1] = {u'x'};
    EXPECT_EQ(FormatText(one, 1, u"abc"), 3);
    EXPECT_EQ(one[0], 0);
    char16_t exact[4];
    EXPECT_EQ(FormatText(exact, 4, u"%ls", u"abc"), 3);
    EXPECT_EQ(Utf8Of(exact), "abc");
}

TEST(FormatText, SeveralArgumentsInOrder) {
    char16_t out[64];
    FormatText(out, 64, u"%04lld-%02lld-%02lld", 2000LL, 2LL, 29LL);
    EXPECT_EQ(Utf8Of(out), "2000-02-29");
    FormatText(out, 64, u"%ls：%ls %ls\r\n", u"浓度", u"80.0", u"ug/ml");
    EXPECT_EQ(Utf8Of(out), "浓度：80.0 ug/ml\r\n");
}

TEST(Utf8, EncodesPairsAndReplacesUnpairedSurrogates) {
    char out[32];
    const char16_t pair[] = {0xD83D, 0xDE00, 0};
    ASSERT_EQ(Utf16ToUtf8(pair, out, 32), 4);
    EXPECT_EQ(std::string(out, 4), "\xF0\x9F\x98\x80");
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    ASSERT_EQ(Utf16ToUtf8(lone, out, 32), 8);
    EXPECT_EQ(std::string(out, 8),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    const char16_t highAtEnd[] = {0xDBFF, 0};
    ASSERT_EQ(Utf16ToUtf8(highAtEnd, out, 32), 3);
    EXPECT_EQ(std::string(out, 3), "\xEF\xBF\xBD");
}

TEST(Utf8, RefusesWhenTheWholeTextDoesNotFit) {
    char out[8];
    EXPECT_EQ(Utf16ToUtf8(u"浓度", out, 6), 6);
    EXPECT_EQ(Utf16ToUtf8(u"浓度", out, 5), -1);
}

TEST(Utf8, DecodingReplacesInvalidSequences) {
    char16_t out[16];
    const std::string bytes =
        "a\xC3(\xE4\xBD\xA0\xED\xA0\x80"
        "b";
    Utf8ToUtf16(bytes.data(), static_cast<int>(bytes.size()), out, 16);
    EXPECT_EQ(out[0], u'a');
    EXPECT_EQ(out[1], 0xFFFD);
    EXPECT_EQ(out[2], u'(');
    EXPECT_EQ(out[3], u'你');
    EXPECT_EQ(out[4], 0xFFFD);  // an encoded surrogate is not a character
    EXPECT_EQ(out[5], u'b');
    EXPECT_EQ(out[6], 0);
}

}  // namespace
}  // namespace kelomed
