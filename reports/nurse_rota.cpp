#include "reports/generators.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

constexpr int kNameCapacity = 12;
constexpr int kCellCapacity = 16;
constexpr char16_t kShiftCodes[] = {u'D', u'N', u'R'};

}  // namespace

std::int32_t GenerateNurseRota(const ToolDef& tool, const double* inputs, char16_t* report,
                               int reportCapacity, char16_t* verdict, int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    const std::int32_t nurses = ClampCount(FindWholeInput(tool, inputs, "nurses"), 1, 40);
    const std::int32_t days = ClampCount(FindWholeInput(tool, inputs, "days"), 1, 31);
    AppendReportLine(
        writer, u"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。");
    AppendReportLine(writer, u"人员：%d 人；周期：%d 天", nurses, days);
    AppendReportLine(writer, u"");
    for (std::int32_t nurse = 0; nurse < nurses; ++nurse) {
        char16_t name[kNameCapacity];
        FormatText(name, kNameCapacity, u"护士%02d", nurse + 1);
        AppendReportLine(writer, u"%ls：", name);
        writer.Append(u"  ");
        // Each nurse runs the cycle in the order the rule line names, D, N,
        // R, one step a day and one step ahead of the nurse before: every
        // night shift is followed by a day of rest, and the first three
        // nurses cover D, N and R once on every day.
        for (std::int32_t day = 0; day < days; ++day) {
            char16_t cell[kCellCapacity];
            FormatText(cell, kCellCapacity, u"%d日%c ", day + 1, kShiftCodes[(nurse + day) % 3]);
            writer.Append(cell);
        }
        writer.Append(u"\r\n");
    }
    AppendReportLine(writer, u"");
    AppendReportLine(writer,
                     u"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。");
    WriteVerdict(verdict, verdictCapacity, u"已生成轮转排班表，可复制到排班本或表格");
    return 0;
}

}  // namespace kelomed
