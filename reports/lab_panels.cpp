#include "reports/lab_panels.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

struct LabPanel {
    const char16_t* contents;
    const char16_t* caution;
};

// Panels 1 to 5; any other selector shows the urine panel.
constexpr LabPanel kPanels[] = {
    {u"血常规（紫管 EDTA）：WBC、RBC、Hb、Hct、PLT、MCV/MCH/MCHC、中性/淋巴/单核/嗜酸/嗜碱比例。",
     u"注意：剧烈运动、情绪、采血时间可影响结果；PLT 聚集需涂片复核。"},
    {u"生化全套（红/金黄管）：肝功（ALT/AST/ALP/GGT/胆红素/白蛋白）、肾功（BUN/Cr/UA）、血糖、"
     u"血脂、电解质。",
     u"注意：空腹 8-12 小时；溶血标本钾、AST 假性升高。"},
    {u"凝血四项（淡蓝管）：PT、INR、APTT、TT、纤维蛋白原、D-二聚体。",
     u"注意：采血量必须达刻度；肝素治疗中查 APTT。"},
    {u"甲状腺功能（红/金黄管）：TSH、FT3、FT4、TPOAb、TgAb。",
     u"注意：空腹；含碘造影剂后 1 周内避免复查。"},
    {u"心肌损伤标志物：cTnI/cTnT、CK-MB、肌红蛋白、BNP/NT-proBNP。",
     u"注意：胸痛发作后 2-4 小时开始升高；动态复查更有意义。"},
};
constexpr LabPanel kUrinePanel = {
    u"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。",
    u"注意：留取中段尿，1 小时内送检；月经期避免。"};

}  // namespace

std::int32_t GenerateLabPanels(const ToolDef& tool, const double* inputs, const CivilDate&,
                               char16_t* report, int reportCapacity, char16_t* verdict,
                               int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    const std::int32_t panel = FindWholeInput(tool, inputs, "panel");
    const LabPanel& chosen = panel >= 1 && panel <= 5 ? kPanels[panel - 1] : kUrinePanel;
    AppendReportLine(writer, chosen.contents);
    AppendReportLine(writer, chosen.caution);
    WriteVerdict(verdict, verdictCapacity, u"套餐与采血管已列出，按顺序采血");
    return 0;
}

}  // namespace kelomed
