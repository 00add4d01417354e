#include "reports/nurse_rota.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

constexpr int kNameCapacity = 12;
constexpr int kCellCapacity = 16;
constexpr char16_t kShiftCodes[] = {u'D', u'N', u'R'};
constexpr char16_t kRuleLine[] =
    u"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。";
constexpr char16_t kCountsLine[] = u"人员：%d 人；周期：%d 天";
constexpr char16_t kNameLine[] = u"%ls：";
constexpr char16_t kNameFormat[] = u"护士%02d";
constexpr char16_t kRowIndent[] = u"  ";
constexpr char16_t kCellFormat[] = u"%d日%c ";
constexpr char16_t kHintLine[] =
    u"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。";

// The rota of the most nurses over the most days, unit by unit.
constexpr int LongestRota() {
    int row = TextLength(kRowIndent) + kLineEndUnits;
    for (int day = 1; day <= kMostDays; ++day) {
        // "%d" gives the day's digits, "%c" one unit.
        row += TextLength(kCellFormat) - 4 + DigitsOf(day) + 1;
    }
    // "%02d" gives two digits below 100 nurses.
    const int name = TextLength(kNameFormat) - 4 + 2;
    const int nameLine = TextLength(kNameLine) - 3 + name + kLineEndUnits;
    const int counts = TextLength(kCountsLine) - 4 + DigitsOf(kMostNurses) + DigitsOf(kMostDays);
    return LineUnits(kRuleLine) + counts + kLineEndUnits + LineUnits(u"") +
           kMostNurses * (nameLine + row) + LineUnits(u"") + LineUnits(kHintLine);
}
static_assert(kMostNurses < 100);
static_assert(LongestRota() == kLongestGeneratedReport, "the rota is the longest report");

}  // namespace

std::int32_t GenerateNurseRota(const ToolDef& tool, const double* inputs, const CivilDate&,
                               char16_t* report, int reportCapacity, char16_t* verdict,
                               int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    const std::int32_t nurses = ClampCount(FindWholeInput(tool, inputs, "nurses"), 1, kMostNurses);
    const std::int32_t days = ClampCount(FindWholeInput(tool, inputs, "days"), 1, kMostDays);
    AppendReportLine(writer, kRuleLine);
    AppendReportLine(writer, kCountsLine, nurses, days);
    AppendReportLine(writer, u"");
    for (std::int32_t nurse = 0; nurse < nurses; ++nurse) {
        char16_t name[kNameCapacity];
        FormatText(name, kNameCapacity, kNameFormat, nurse + 1);
        AppendReportLine(writer, kNameLine, name);
        writer.Append(kRowIndent);
        // Each nurse runs the cycle in the order the rule line names, D, N,
        // R, one step a day and one step ahead of the nurse before: every
        // night shift is followed by a day of rest, and the first three
        // nurses cover D, N and R once on every day.
        for (std::int32_t day = 0; day < days; ++day) {
            char16_t cell[kCellCapacity];
            FormatText(cell, kCellCapacity, kCellFormat, day + 1, kShiftCodes[(nurse + day) % 3]);
            writer.Append(cell);
        }
        writer.Append(u"\r\n");
    }
    AppendReportLine(writer, u"");
    AppendReportLine(writer, kHintLine);
    WriteVerdict(verdict, verdictCapacity, u"已生成轮转排班表，可复制到排班本或表格");
    return 0;
}

}  // namespace kelomed
