#include "reports/surgical_checklist.h"
#include "reports/report_line.h"

namespace kelomed {

std::int32_t GenerateSurgicalChecklist(const ToolDef&, const double*, const CivilDate&,
                                       char16_t* report, int reportCapacity, char16_t* verdict,
                                       int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    AppendReportLine(writer, u"手术安全核查表（三步核查）：");
    AppendReportLine(writer,
                     u"【麻醉实施前】身份/部位/术式/知情同意；过敏史；气道与插管风险；出血风险；"
                     u"影像与植入物；皮肤准备。");
    AppendReportLine(writer,
                     u"【手术开始前】团队自我介绍；确认患者、部位、术式；预计手术时间与失血量；"
                     u"抗菌药物已用；器械灭菌合格；影像资料到位。");
    AppendReportLine(writer,
                     u"【患者离室前】手术名称与记录一致；标本标识与送检；器械敷料清点；皮肤与管路；"
                     u"恢复与转运方案。");
    AppendReportLine(writer, u"");
    AppendReportLine(writer,
                     u"要求：三方（外科、麻醉、护理）共同口述确认并签字，任一环节缺失不得开台。");
    WriteVerdict(verdict, verdictCapacity, u"三方核查缺一不可，签字后归档");
    return 0;
}

}  // namespace kelomed
