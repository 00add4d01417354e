#include "reports/generators.h"
#include "reports/report_line.h"

namespace kelomed {

// Nothing is clamped: the card prints what was entered, as the formats give it.
std::int32_t GenerateInfusionCard(const ToolDef& tool, const double* inputs, char16_t* report,
                                  int reportCapacity, char16_t* verdict, int verdictCapacity) {
    const std::int32_t bed = FindWholeInput(tool, inputs, "bed");
    const double dose = FindInputValue(tool, inputs, "dose");
    const double volume = FindInputValue(tool, inputs, "volume");
    const double dropsPerMinute = FindInputValue(tool, inputs, "gtt");
    AppendReportLine(report, reportCapacity, u"静脉输液卡");
    AppendReportLine(report, reportCapacity, u"床号：%d", bed);
    AppendReportLine(report, reportCapacity, u"药液：医嘱药量 %.2f ，加入溶媒 %.0f ml", dose,
                     volume);
    // 20 drops make 1 ml, so drops per minute × 3 is ml per hour.
    AppendReportLine(report, reportCapacity, u"滴速：%.0f 滴/分（约 %.0f ml/h）", dropsPerMinute,
                     dropsPerMinute * 3.0);
    AppendReportLine(report, reportCapacity, u"核对：药名/剂量/浓度/有效期/配伍；双人签名。");
    AppendReportLine(report, reportCapacity,
                     u"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。");
    WriteVerdict(verdict, verdictCapacity, u"输液卡已生成，双人核对后执行");
    return 0;
}

}  // namespace kelomed
