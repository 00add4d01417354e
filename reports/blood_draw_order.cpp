#include "reports/blood_draw_order.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

const char16_t* ThisDrawLine(std::int32_t kind) {
    switch (kind) {
        case 1:
            return u"本次：血常规 → 紫管 EDTA，采血后 8 次颠倒混匀，2 小时内送检。";
        case 2:
            return u"本次：凝血 → 淡蓝管，需采满刻度线（约 2.0ml），采血后立即轻柔颠倒 3-4 次。";
        case 3:
            return u"本次：生化 → 红/金黄管，避免溶血，采血后静置 30 分钟离心。";
        case 4:
            return u"本次：血气 → 肝素化注射器，排气后立即送检，15 分钟内完成。";
        case 5:
            return u"本次：血培养 → 需氧+厌氧各 1 套，采血 2 套不同部位，先注入培养瓶。";
        case 6:
            return u"本次：血糖/乳酸 → 灰管，需冰浴送检，30 分钟内完成。";
        default:
            return u"本次：其他项目，请按检验科项目手册执行。";
    }
}

}  // namespace

std::int32_t GenerateBloodDrawOrder(const ToolDef& tool, const double* inputs, const CivilDate&,
                                    char16_t* report, int reportCapacity, char16_t* verdict,
                                    int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    const std::int32_t kind = FindWholeInput(tool, inputs, "kind");
    AppendReportLine(writer, u"标准采血顺序（按添加剂，避免交叉污染）：");
    AppendReportLine(writer, u"1 血培养瓶（需氧/厌氧）");
    AppendReportLine(writer, u"2 凝血管 淡蓝（枸橼酸钠，凝血 PT/APTT）");
    AppendReportLine(writer, u"3 促凝/血清管 红或金黄（生化、免疫）");
    AppendReportLine(writer, u"4 肝素管 绿（血气、部分生化）");
    AppendReportLine(writer, u"5 EDTA 紫（血常规、糖化、血型）");
    AppendReportLine(writer, u"6 氟化钠 灰（血糖、乳酸）");
    AppendReportLine(writer, u"");
    AppendReportLine(writer, ThisDrawLine(kind));
    WriteVerdict(verdict, verdictCapacity, u"按标准顺序采血可减少溶血与交叉污染");
    return 0;
}

}  // namespace kelomed
