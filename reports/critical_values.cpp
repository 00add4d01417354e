#include "reports/critical_values.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

// Group lines by "kind" 1 to 6; at most three per group.
constexpr const char16_t* kGroups[][3] = {
    {u"血钾 <2.5 或 >6.5 mmol/L", u"血钠 <120 或 >160 mmol/L", u"血钙 <1.5 或 >3.5 mmol/L"},
    {u"血糖 <2.8 或 >22.2 mmol/L", u"pH <7.20 或 >7.60；PaO2 <45 mmHg；PaCO2 >70 mmHg", nullptr},
    {u"白细胞 <1.0 或 >30.0 ×10^9/L", u"血红蛋白 <50 g/L；血小板 <20 或 >1000 ×10^9/L", nullptr},
    {u"INR >4.0；纤维蛋白原 <1.0 g/L", u"D-二聚体显著升高并伴临床血栓表现", nullptr},
    {u"血培养阳性（无菌部位）", u"脑脊液培养阳性；HIV 初筛阳性需确认", nullptr},
    {u"肌钙蛋白明显升高（高于第 99 百分位）", u"血淀粉酶/脂肪酶 >3 倍正常上限", nullptr},
};

}  // namespace

std::int32_t GenerateCriticalValues(const ToolDef& tool, const double* inputs, const CivilDate&,
                                    char16_t* report, int reportCapacity, char16_t* verdict,
                                    int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    const std::int32_t kind = FindWholeInput(tool, inputs, "kind");
    AppendReportLine(writer, u"常见检验危急值（参考，需以本院文件为准）：");
    if (kind >= 1 && kind <= 6) {
        for (const char16_t* line : kGroups[kind - 1]) {
            if (line != nullptr) {
                AppendReportLine(writer, line);
            }
        }
    } else {
        AppendReportLine(writer, u"请查阅本院《危急值报告目录》");
    }
    AppendReportLine(writer, u"");
    AppendReportLine(
        writer,
        u"处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。");
    WriteVerdict(verdict, verdictCapacity, u"危急值必须闭环：报告、接收、处理、记录");
    return 0;
}

}  // namespace kelomed
