#include "reports/follow_up_plan.h"
#include "engine/day_number.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

constexpr int kDateTextCapacity = 32;
constexpr char16_t kVisitLine[] = u"第 %d 次：%ls";
constexpr char16_t kContents[] =
    u"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。";

// The heading, one line per visit with its number and its longest date, and
// the contents.
constexpr int kLongestFollowUpPlan =
    kLongestReportLine +
    kMostVisits * (LineUnits(kVisitLine) - 5 + DigitsOf(kMostVisits) + kDateTextCapacity - 1) +
    LineUnits(kContents);
static_assert(kLongestFollowUpPlan <= kLongestGeneratedReport);

}  // namespace

std::int32_t GenerateFollowUpPlan(const ToolDef& tool, const double* inputs, const CivilDate& today,
                                  char16_t* report, int reportCapacity, char16_t* verdict,
                                  int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    const std::int32_t start = FindWholeInput(tool, inputs, "start");
    std::int32_t gap = FindWholeInput(tool, inputs, "gap");
    if (gap < 1) {
        gap = 7;
    }
    const std::int32_t times = ClampCount(FindWholeInput(tool, inputs, "times"), 1, kMostVisits);
    const std::int64_t todayNumber = DaysFromCivil(today.year, today.month, today.day);
    AppendReportLine(writer, u"随访节点（以今天为基准，起始第 %d 天，间隔 %d 天，共 %d 次）：",
                     start, gap, times);
    for (std::int32_t visit = 1; visit <= times; ++visit) {
        const std::int64_t day = todayNumber + start + static_cast<std::int64_t>(visit - 1) * gap;
        char16_t dateText[kDateTextCapacity];
        FormatDayNumber(day, dateText, kDateTextCapacity);
        AppendReportLine(writer, kVisitLine, visit, dateText);
    }
    AppendReportLine(writer, kContents);
    WriteVerdict(verdict, verdictCapacity, u"随访计划已生成，可按日期短信提醒患者");
    return 0;
}

}  // namespace kelomed
