#include "reports/high_alert_drugs.h"
#include "reports/report_line.h"

namespace kelomed {

std::int32_t GenerateHighAlertDrugs(const ToolDef& tool, const double* inputs, const CivilDate&,
                                    char16_t* report, int reportCapacity, char16_t* verdict,
                                    int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    const std::int32_t kind = FindWholeInput(tool, inputs, "kind");
    const char16_t* group = u"麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类";
    const char16_t* points =
        u"要点：专柜加锁、基数管理、使用后登记、拮抗剂（纳洛酮/新斯的明）备用。";
    if (kind == 1) {
        group = u"高浓度电解质：10% 氯化钾、10% 氯化钠、25% 硫酸镁";
        points = u"要点：专用标识、专区存放、双人核对、禁止直接静脉推注（钾）。";
    } else if (kind == 2) {
        group = u"胰岛素与口服降糖药：胰岛素、格列本脲";
        points = u"要点：独立存放、专用注射器、剂量双人核对、低血糖监测与急救糖备用。";
    } else if (kind == 3) {
        group = u"抗凝与化疗药：肝素、华法林、低分子肝素、化疗药物";
        points = u"要点：化疗药集中配置与防护、抗凝药监测 INR/APTT、出血风险宣教。";
    }
    AppendReportLine(writer, u"高警示药品类别与要点：");
    AppendReportLine(writer, group);
    AppendReportLine(writer, points);
    WriteVerdict(verdict, verdictCapacity, u"高警示药品须专区、专标识、双人核对");
    return 0;
}

}  // namespace kelomed
