#include "reports/infusion_card.h"
#include "engine/format_value.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

constexpr int kNumberTextCapacity = 32;

}  // namespace

// Nothing is clamped: the card prints each amount with the digits it was
// typed with, so an accepted dose never reads as 0.
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
    char16_t doseText[kNumberTextCapacity];
    char16_t volumeText[kNumberTextCapacity];
    char16_t dropsText[kNumberTextCapacity];
    FormatShortest(dose, doseText, kNumberTextCapacity);
    FormatShortest(volume, volumeText, kNumberTextCapacity);
    FormatShortest(dropsPerMinute, dropsText, kNumberTextCapacity);
    AppendReportLine(writer, u"药液：医嘱药量 %ls ，加入溶媒 %ls ml", doseText, volumeText);
    // 20 drops make 1 ml, so drops per minute × 3 is ml per hour.
    AppendReportLine(writer, u"滴速：%ls 滴/分（约 %.0f ml/h）", dropsText, dropsPerMinute * 3.0);
    AppendReportLine(writer, u"核对：药名/剂量/浓度/有效期/配伍；双人签名。");
    AppendReportLine(writer, u"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。");
    WriteVerdict(verdict, verdictCapacity, u"输液卡已生成，双人核对后执行");
    return 0;
}

}  // namespace kelomed
