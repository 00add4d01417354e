#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/day_number.h"
#include "engine/format_value.h"
#include "tests/test_text.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

struct ValueCase {
    const char* code;
    double value;
    const char* expected;
    // The number the text stands for where it is not the text read as a
    // number: a duration's or a clock time's minutes.
    double standsFor = std::nan("");
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << (c.code ? c.code : "null") << " " << c.value;
}

class ValueFormat : public ::testing::TestWithParam<ValueCase> {};

// The text, and the number a rule reads: the one the text stands for.
TEST_P(ValueFormat, ByCode) {
    const ValueCase& c = GetParam();
    char16_t out[128];
    FormatValue(c.code, c.value, out, 128);
    EXPECT_EQ(Utf8Of(out), c.expected) << (c.code != nullptr ? c.code : "(null)") << " " << c.value;
    const double shown = ShownValue(c.code, c.value, out);
    const std::string text = c.expected;
    if (text == "--") {
        EXPECT_TRUE(std::isnan(shown));
    } else if (!std::isnan(c.standsFor)) {
        EXPECT_EQ(shown, c.standsFor) << text;
    } else if (c.code != nullptr && std::string(c.code) == "date") {
        EXPECT_EQ(shown, std::trunc(c.value)) << "a date stands for its day number";
    } else {
        EXPECT_EQ(shown, std::stod(text.substr(0, text.find('%')))) << text;
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Codes, ValueFormat,
    ::testing::Values(
        ValueCase{"f0", 2.5, "2"}, ValueCase{"f0", 720.0000107288361, "720"},
        ValueCase{"f1", 80, "80.0"}, ValueCase{"f2", 9.00000013411045, "9.00"},
        ValueCase{"f2", 0.125, "0.12"}, ValueCase{"f3", 1.0005, "1.000"},
        ValueCase{"int", 2.7, "3"}, ValueCase{"int", -2.5, "-2"}, ValueCase{"pct", 12.25, "12.2%"},
        ValueCase{nullptr, 1.005, "1.00"}, ValueCase{"f4", 3.14159, "3.14"},
        // Decimal ties as a double holds them: just below, or exactly on and to even.
        ValueCase{"f2", 0.045, "0.04"}, ValueCase{"f1", 18.45, "18.4"}, ValueCase{"f0", 44.5, "44"},
        ValueCase{"F1", 3.14159, "3.14"}, ValueCase{"date", 0, "1970-01-01"},
        ValueCase{"date", -1, "1969-12-31"}, ValueCase{"date", 11016.9, "2000-02-29"},
        ValueCase{"date", -0.9, "1970-01-01"}, ValueCase{"f1", std::nan(""), "--"},
        ValueCase{"date", kInfinity, "--"}, ValueCase{"pct", -kInfinity, "--"},
        ValueCase{"date", 1e300, "--"}, ValueCase{"date", -0x1p63, "-25252734927764585-06-07"},
        ValueCase{"date", 0x1p62, "12626367463885247-04-15"}, ValueCase{"date", 0x1p63, "--"},
        ValueCase{"date", 0x1p63 - 1024, "--"},
        // Three significant digits at least, in fixed point, at every magnitude.
        ValueCase{"g3", 3200, "3200"}, ValueCase{"g3", 80, "80.0"}, ValueCase{"g3", 4, "4.00"},
        ValueCase{"g3", 0.1, "0.100"}, ValueCase{"g3", 0.0266666, "0.0267"},
        ValueCase{"g3", -0.00123456, "-0.00123"}, ValueCase{"g3", 99.96, "100.0"},
        ValueCase{"g3", 0, "0.00"}, ValueCase{"g3", 1.5e-20, "1.5e-20"},
        ValueCase{"g3", 1e80, "1e+80"},
        // Two significant digits below 0.1, also where a value rounds up to
        // the power of ten above it.
        ValueCase{"sig2", 0.0075, "0.0075"}, ValueCase{"sig2", 0.094, "0.094"},
        ValueCase{"sig2", 0.0995, "0.10"}, ValueCase{"sig2", 0.00999, "0.010"},
        ValueCase{"sig2", 0.0994, "0.099"}, ValueCase{"sig2", 0.1, "0.10"},
        ValueCase{"sig2", 0.00003, "0.000030"}, ValueCase{"sig2", 12.345, "12.35"},
        // Minutes to the nearest whole one, an exact half up, for durations
        // and clock times alike, from the minutes as computed.
        ValueCase{"hm", 2.5, "0 小时 3 分", 3},
        ValueCase{"hm", 2.4999999999999996, "0 小时 2 分", 2},
        ValueCase{"hm", 3167.5, "52 小时 48 分", 3168}, ValueCase{"clock", 482.5, "8:03", 483},
        ValueCase{"clock", 480.49999999999994, "8:00", 480},
        ValueCase{"clock", 1786.4999999999998, "次日 5:46", 1786},
        ValueCase{"clock", 3314, "第3天 7:14", 3314}, ValueCase{"clock", -1, "--"},
        // Too long for fixed point: exponent form rather than a cut number.
        ValueCase{"f2", 1e80, "1e+80"}, ValueCase{"pct", -2.5e100, "-2.5e+100%"},
        ValueCase{"f0", 1e70,
                  "10000000000000000725314363815292351261583744096465219555182101554790400"}));

TEST(ValueFormat, StaysWithinSmallCapacities) {
    char16_t out[4] = {u'x', u'x', u'x', u'x'};
    FormatValue("f2", 123.456, out, 3);
    EXPECT_EQ(Utf8Of(out), "12");
    EXPECT_EQ(out[3], u'x');
    FormatValue("date", 0, out, 3);
    EXPECT_EQ(Utf8Of(out), "19");
    FormatValue("f2", std::nan(""), out, 2);
    EXPECT_EQ(Utf8Of(out), "-");
}

TEST(DayNumber, KnownDates) {
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(2000, 2, 29), 11016);
    EXPECT_EQ(DaysFromCivil(2026, 3, 0), 20512);  // day 0 is the last day of February
    EXPECT_EQ(DaysFromCivil(2028, 2, 28) + 1, DaysFromCivil(2028, 2, 29));
    EXPECT_EQ(DaysFromCivil(2028, 2, 29) + 1, DaysFromCivil(2028, 3, 1));
    EXPECT_EQ(DaysFromCivil(1900, 2, 28) + 1, DaysFromCivil(1900, 3, 1));  // 1900 had no leap day
    EXPECT_EQ(DaysFromCivil(1, 1, 1), -719162);
    char16_t out[32];
    EXPECT_EQ(FormatDayNumber(-719162, out, 32), 10);
    EXPECT_EQ(Utf8Of(out), "0001-01-01");
    FormatDayNumber(DaysFromCivil(-1, 12, 31), out, 32);
    EXPECT_EQ(Utf8Of(out), "-001-12-31");
    FormatDayNumber(DaysFromCivil(2147483647, 12, 31), out, 32);
    EXPECT_EQ(Utf8Of(out), "2147483647-12-31");
}

TEST(DayNumber, RoundTripsOverAWideRange) {
    // Every day from year -2000 to 3000, and sparse days far beyond.
    char16_t out[40];
    std::int64_t previous = DaysFromCivil(-2001, 12, 31);
    for (std::int32_t year = -2000; year <= 3000; ++year) {
        for (std::int32_t month = 1; month <= 12; ++month) {
            const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
            const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            for (std::int32_t day = 1; day <= lengths[month - 1]; ++day) {
                const std::int64_t number = DaysFromCivil(year, month, day);
                ASSERT_EQ(number, previous + 1) << year << "-" << month << "-" << day;
                previous = number;
            }
        }
    }
    for (std::int64_t number = -1000000000000LL; number <= 1000000000000LL;
         number += 7777777777LL) {
        ASSERT_GT(FormatDayNumber(number, out, 40), 0);
        long long year = 0;
        int month = 0;
        int day = 0;
        const std::string text = Utf8Of(out);
        ASSERT_EQ(std::sscanf(text.c_str(), "%lld-%d-%d", &year, &month, &day), 3) << text;
        if (year >= INT32_MIN && year <= INT32_MAX) {
            EXPECT_EQ(DaysFromCivil(static_cast<std::int32_t>(year), month, day), number) << text;
        }
    }
}

TEST(DayNumber, CutTextReturnsMinusOne) {
    char16_t out[8];
    EXPECT_EQ(FormatDayNumber(0, out, 8), -1);
    EXPECT_EQ(Utf8Of(out), "1970-01");
    char16_t exact[11];
    EXPECT_EQ(FormatDayNumber(0, exact, 11), 10);
    EXPECT_EQ(FormatDayNumber(INT64_MAX, exact, 11), 2);
    EXPECT_EQ(Utf8Of(exact), "--");
    // The algorithm holds up to where dayNumber + 719468 would overflow.
    char16_t wide[32];
    FormatDayNumber(INT64_MAX - 719468, wide, 32);
    EXPECT_EQ(Utf8Of(wide), "25252734927766554-09-25");
    EXPECT_EQ(FormatDayNumber(INT64_MAX - 719467, wide, 32), 2);
    FormatDayNumber(INT64_MIN, wide, 32);
    EXPECT_EQ(Utf8Of(wide), "-25252734927764585-06-07");
}

}  // namespace
}  // namespace kelomed
