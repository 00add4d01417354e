#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/text_buffer.h"
#include "reports/dosing_times.h"
#include "reports/follow_up_plan.h"
#include "reports/high_alert_drugs.h"
#include "reports/nurse_rota.h"
#include "reports/report_line.h"
#include "tests/report_tool.h"

namespace kelomed {
namespace {

using testing::GeneratorTool;
using testing::Utf8Of;

TEST(DosingTimes, EntriesStandOnOneLine) {
    const GeneratorTool table(GenerateDosingTimes, {"start", "interval", "times"});
    const struct {
        std::vector<double> values;
        std::string heading;
        std::string entries;
    } cases[] = {
        {{8, 8, 3},
         "首剂时间 8:00，间隔 8 小时，共 3 次：",
         "第1天 08:00  |  第1天 16:00  |  第2天 00:00"},
        {{22, 6, 2}, "首剂时间 22:00，间隔 6 小时，共 2 次：", "第1天 22:00  |  第2天 04:00"},
        // The heading shows the first dose as its entry does.
        {{7.5, 12, 2}, "首剂时间 7:30，间隔 12 小时，共 2 次：", "第1天 07:30  |  第1天 19:30"},
        // Times read to the nearest minute: 8.1 hours is 8:06 exactly, and a
        // time typed as H:MM, which a double holds only nearly, keeps its
        // minute in every dose (0:01 every hour).
        {{8.1, 24, 1}, "首剂时间 8:06，间隔 24 小时，共 1 次：", "第1天 08:06"},
        {{8 + 5 / 60.0, 8, 3},
         "首剂时间 8:05，间隔 8 小时，共 3 次：",
         "第1天 08:05  |  第1天 16:05  |  第2天 00:05"},
        {{1 / 60.0, 1, 3},
         "首剂时间 0:01，间隔 1 小时，共 3 次：",
         "第1天 00:01  |  第1天 01:01  |  第1天 02:01"},
        {{32.18, 24, 1}, "首剂时间 32:11，间隔 24 小时，共 1 次：", "第2天 08:11"},
        {{8, 1.5, 3},
         "首剂时间 8:00，间隔 1.5 小时，共 3 次：",
         "第1天 08:00  |  第1天 09:30  |  第1天 11:00"},
        {{7.5, 1.5, 2}, "首剂时间 7:30，间隔 1.5 小时，共 2 次：", "第1天 07:30  |  第1天 09:00"},
        {{0.999, 0.25, 1}, "首剂时间 1:00，间隔 0.25 小时，共 1 次：", "第1天 01:00"},
        {{}, "首剂时间 0:00，间隔 8 小时，共 1 次：", "第1天 00:00"},
        {{-3, -1, 0.9}, "首剂时间 0:00，间隔 8 小时，共 1 次：", "第1天 00:00"},
        {{6, 0, 2}, "首剂时间 6:00，间隔 8 小时，共 2 次：", "第1天 06:00  |  第1天 14:00"},
        // Hours that are not finite count like out-of-range ones.
        {{std::nan(""), HUGE_VAL, 2},
         "首剂时间 0:00，间隔 8 小时，共 2 次：",
         "第1天 00:00  |  第1天 08:00"},
        // A time that overflows to infinity, or past exact whole minutes, has no date.
        {{0, 1e308, 3},
         "首剂时间 0:00，间隔 1e+308 小时，共 3 次：",
         "第1天 00:00  |  第--天 --:--  |  第--天 --:--"},
        {{3e17, 1, 1}, "首剂时间 --:--，间隔 1 小时，共 1 次：", "第--天 --:--"},
        {{1e14, 24, 1},
         "首剂时间 100000000000000:00，间隔 24 小时，共 1 次：",
         "第4166666666667天 16:00"},
    };
    for (const auto& c : cases) {
        const auto result = table.Compute(c.values);
        const auto lines = result.Lines();
        ASSERT_EQ(lines.size(), 3u) << result.report;
        EXPECT_EQ(lines[0], c.heading);
        EXPECT_EQ(lines[2], "说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。");
        EXPECT_EQ(lines[1], c.entries);
    }
}

TEST(DosingTimes, CountIsClampedToThirty) {
    const GeneratorTool table(GenerateDosingTimes, {"start", "interval", "times"});
    const std::string entries = table.Compute({8, 12, 45}).Lines()[1];
    int separators = 0;
    for (std::size_t at = entries.find("  |  "); at != std::string::npos;
         at = entries.find("  |  ", at + 1)) {
        ++separators;
    }
    EXPECT_EQ(separators, 29);
    EXPECT_EQ(entries.substr(entries.size() - 14), "第15天 20:00");
}

TEST(FollowUpPlan, DatesCountFromTodayOnTheGregorianCalendar) {
    const GeneratorTool plan(GenerateFollowUpPlan, {"start", "gap", "times"});
    auto lines = plan.Compute({6, 1, 3}, 8192, 512, {2028, 2, 22}).Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "随访节点（以今天为基准，起始第 6 天，间隔 1 天，共 3 次）：");
    EXPECT_EQ(lines[1], "第 1 次：2028-02-28");
    EXPECT_EQ(lines[2], "第 2 次：2028-02-29");
    EXPECT_EQ(lines[3], "第 3 次：2028-03-01");
    EXPECT_EQ(lines[4], "内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。");

    lines = plan.Compute({-3, 30, 1}).Lines();
    EXPECT_EQ(lines[0], "随访节点（以今天为基准，起始第 -3 天，间隔 30 天，共 1 次）：");
    EXPECT_EQ(lines[1], "第 1 次：2026-12-05");

    lines = plan.Compute({0, 0, 25}).Lines();
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 20 次）：");
    EXPECT_EQ(lines[1], "第 1 次：2026-12-08");
    EXPECT_EQ(lines[2], "第 2 次：2026-12-15");
    EXPECT_EQ(lines[20], "第 20 次：2027-04-20");

    // Offsets at the ends of the 32-bit range do not overflow.
    lines = plan.Compute({2147483647, 2147483647, 2}).Lines();
    EXPECT_EQ(lines[1], "第 1 次：5881637-06-17");
    lines = plan.Compute({-1e12, 1, 1}).Lines();
    EXPECT_EQ(lines[0], "随访节点（以今天为基准，起始第 -2147483648 天，间隔 1 天，共 1 次）：");
}

TEST(NurseRota, ThreeNursesCoverEveryShiftEachDay) {
    const GeneratorTool rota(GenerateNurseRota, {"nurses", "days"});
    const auto result = rota.Compute({3, 3});
    EXPECT_EQ(result.report,
              "排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。\r\n"
              "人员：3 人；周期：3 天\r\n"
              "\r\n"
              "护士01：\r\n  1日D 2日N 3日R \r\n"
              "护士02：\r\n  1日N 2日R 3日D \r\n"
              "护士03：\r\n  1日R 2日D 3日N \r\n"
              "\r\n"
              "提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。\r\n");
}

TEST(NurseRota, CountsAreTruncatedAndClamped) {
    const GeneratorTool rota(GenerateNurseRota, {"nurses", "days"});
    EXPECT_EQ(rota.Compute({0, -4}).Lines()[1], "人员：1 人；周期：1 天");
    EXPECT_EQ(rota.Compute({100, 90}).Lines()[1], "人员：40 人；周期：31 天");
    EXPECT_EQ(rota.Compute({2.9, 1}).Lines()[1], "人员：2 人；周期：1 天");
    const auto largest = rota.Compute({40, 31}).Lines();
    ASSERT_EQ(largest.size(), 3u + 80u + 2u);
    EXPECT_EQ(largest[81], "护士40：");
    EXPECT_EQ(largest[82].substr(largest[82].size() - 7), "31日D ");
    // No nurse works the morning after a night shift.
    for (int nurse = 0; nurse < 40; ++nurse) {
        const std::string& cells = largest[4 + 2 * nurse];
        for (std::size_t night = cells.find("N "); night != std::string::npos;
             night = cells.find("N ", night + 1)) {
            const std::size_t next = cells.find(' ', night + 2);
            if (next != std::string::npos) {
                EXPECT_EQ(cells[next - 1], 'R') << "nurse " << nurse + 1 << ": " << cells;
            }
        }
    }
}

TEST(ReportCapacity, LinesAreCutWhereTheBufferEnds) {
    // The largest rota into the window's 4096 units: exactly 4095 kept.
    const GeneratorTool rota(GenerateNurseRota, {"nurses", "days"});
    const auto cut = rota.Compute({40, 31}, 4096);
    EXPECT_EQ(testing::Utf16Of(cut.report).size(), 4095u);
    EXPECT_EQ(cut.verdict, "已生成轮转排班表，可复制到排班本或表格");

    // Every small capacity keeps a prefix of the full report.
    const GeneratorTool alert(GenerateHighAlertDrugs, {"kind"});
    const std::u16string full = testing::Utf16Of(alert.Compute({1}).report);
    for (int capacity = 1; capacity <= static_cast<int>(full.size()) + 2; ++capacity) {
        const std::u16string cutReport = testing::Utf16Of(alert.Compute({1}, capacity).report);
        const std::size_t expected = std::min(full.size(), static_cast<std::size_t>(capacity - 1));
        ASSERT_EQ(cutReport, full.substr(0, expected)) << capacity;
    }
}

TEST(ReportCapacity, LineEndingShrinksToCrThenNothing) {
    char16_t report[8] = u"abcd";
    AppendReportLine(report, 8, u"ef");  // 6 units: room for CR only
    EXPECT_EQ(Utf8Of(report), "abcdef\r");
    AppendReportLine(report, 8, u"g");
    EXPECT_EQ(Utf8Of(report), "abcdef\r");
    char16_t empty[8] = u"ab";
    AppendReportLine(empty, 8, u"");
    EXPECT_EQ(Utf8Of(empty), "ab\r\n");
}

TEST(ReportCapacity, LongLinesKeep511Units) {
    const std::u16string line(600, u'字');
    std::vector<char16_t> report(2048, 0);
    AppendReportLine(report.data(), 2048, line.c_str());
    EXPECT_EQ(std::u16string(report.data()), std::u16string(511, u'字') + u"\r\n");
    std::fill(report.begin(), report.end(), 0);
    AppendReportLine(report.data(), 2048, u"%ls%ls", line.c_str(), u"x");
    EXPECT_EQ(std::u16string(report.data()), std::u16string(511, u'字') + u"\r\n");
}

TEST(ReportCapacity, VerdictIsBoundedByItsCapacity) {
    const GeneratorTool times(GenerateDosingTimes, {});
    EXPECT_EQ(times.Compute({}, 8192, 21).verdict, "给药时间表已生成，注意首剂与夜间给药时间");
    EXPECT_EQ(times.Compute({}, 8192, 13).verdict, "给药时间表已生成，注意首");
}

}  // namespace
}  // namespace kelomed
