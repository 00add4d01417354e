#include "reports/infusion_card.h"
#include "reports/report_line.h"

namespace kelomed {

// Six lines.
static_assert(6 * kLongestReportLine <= kLongestGeneratedReport);

// Nothing is clamped: the card prints what was entered, as the formats give it.
std::int32_t GenerateInfusionCard(const ToolDef& tool, const double* inputs, const CivilDate&,
                                  char16_t* report, int reportCapacity, char16_t* verdict,
                                  int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    const std::int32_t bed = FindWholeInput(tool, inputs, "bed");
    const double dose = FindInputValue(tool, inputs, "dose");
    const double volume = FindInputValue(tool, inputs, "volume");
    const double dropsPerMinute = FindInputValue(tool, inputs, "gtt");
    AppendReportLine(writer, u"静脉输液卡");
    AppendReportLine(writer, u"床号：%d", bed);
    AppendReportLine(writer, u"药液：医嘱药量 %.2f ，加入溶媒 %.0f ml", dose, volume);
    // 20 drops make 1 ml, so drops per minute × 3 is ml per hour.
    AppendReportLine(writer, u"滴速：%.0f 滴/分（约 %.0f ml/h）", dropsPerMinute,
                     dropsPerMinute * 3.0);
    AppendReportLine(writer, u"核对：药名/剂量/浓度/有效期/配伍；双人签名。");
    AppendReportLine(writer, u"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。");
    WriteVerdict(verdict, verdictCapacity, u"输液卡已生成，双人核对后执行");
    return 0;
}

}  // namespace kelomed
