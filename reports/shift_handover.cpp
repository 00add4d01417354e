#include "reports/shift_handover.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

constexpr char16_t kHeading[] = u"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：";
constexpr char16_t kBedLine[] =
    u"%02d 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg "
    u"SpO2＿%%；本班处置＿＿；管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。";
constexpr char16_t kClosing[] =
    u"危重患者须床旁交接；新入院、手术、输血、病情变化患者逐一交接并双签名。";

// "%02d" gives two digits below 100 beds, "%%" one unit.
constexpr int kLongestHandover = LineUnits(kHeading) +
                                 kMostBeds * (LineUnits(kBedLine) - 4 + 2 - 1) + LineUnits(u"") +
                                 LineUnits(kClosing);
static_assert(kMostBeds < 100);
static_assert(kLongestHandover <= kLongestGeneratedReport);

}  // namespace

std::int32_t GenerateShiftHandover(const ToolDef& tool, const double* inputs, const CivilDate&,
                                   char16_t* report, int reportCapacity, char16_t* verdict,
                                   int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    const std::int32_t beds = ClampCount(FindWholeInput(tool, inputs, "beds"), 1, kMostBeds);
    AppendReportLine(writer, kHeading);
    for (std::int32_t bed = 1; bed <= beds; ++bed) {
        AppendReportLine(writer, kBedLine, bed);
    }
    AppendReportLine(writer, u"");
    AppendReportLine(writer, kClosing);
    WriteVerdict(verdict, verdictCapacity, u"模板已生成，床旁交接并双方签名");
    return 0;
}

}  // namespace kelomed
