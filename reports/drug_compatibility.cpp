#include "reports/drug_compatibility.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

constexpr const char16_t* kCompatDrugNames[] = {
    u"头孢曲松", u"葡萄糖酸钙", u"万古霉素", u"呋塞米",   u"氨溴索",
    u"奥美拉唑", u"维生素C",    u"胰岛素",   u"碳酸氢钠", u"多巴胺",
};

struct CompatibilityRule {
    std::int32_t low;
    std::int32_t high;
    const char16_t* conclusion;
    const char16_t* verdict;
    std::int32_t level;
};

constexpr char16_t kCalciumConclusion[] =
    u"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。";
constexpr char16_t kVancomycinConclusion[] =
    u"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。";
constexpr char16_t kFurosemideConclusion[] =
    u"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。";

// Unordered pairs {low, high}; the first matching row wins.
constexpr CompatibilityRule kRules[] = {
    {1, 2, kCalciumConclusion, u"禁忌：不可同瓶输注，需间隔冲管", 3},
    {2, 9, kCalciumConclusion, u"禁忌：不可同瓶输注，需间隔冲管", 3},
    {3, 6, kVancomycinConclusion, u"不宜同瓶，分开输注并冲管", 2},
    {3, 9, kVancomycinConclusion, u"不宜同瓶，分开输注并冲管", 2},
    {4, 10, kFurosemideConclusion, u"不宜同瓶，建议分开输注", 2},
    {5, 9, kFurosemideConclusion, u"不宜同瓶，建议分开输注", 2},
    {6, 7, u"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。", u"建议分开输注", 1},
};
constexpr CompatibilityRule kNothingRecorded = {
    0, 0, u"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。",
    u"未收录明确禁忌，仍需核对院内配伍表", 0};

// A number outside the list shows the first drug's name.
const char16_t* DrugName(std::int32_t number) {
    return number >= 1 && number <= 10 ? kCompatDrugNames[number - 1] : kCompatDrugNames[0];
}

const CompatibilityRule& FindRule(std::int32_t a, std::int32_t b) {
    const std::int32_t low = a < b ? a : b;
    const std::int32_t high = a < b ? b : a;
    for (const CompatibilityRule& rule : kRules) {
        if (rule.low == low && rule.high == high) {
            return rule;
        }
    }
    return kNothingRecorded;
}

}  // namespace

std::int32_t GenerateDrugCompatibility(const ToolDef& tool, const double* inputs, const CivilDate&,
                                       char16_t* report, int reportCapacity, char16_t* verdict,
                                       int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    const std::int32_t a = FindWholeInput(tool, inputs, "drugA");
    const std::int32_t b = FindWholeInput(tool, inputs, "drugB");
    AppendReportLine(writer, u"待查：%d 号 %ls  +  %d 号 %ls", a, DrugName(a), b, DrugName(b));
    AppendReportLine(writer, u"");
    AppendReportLine(writer, u"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索");
    AppendReportLine(writer, u"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺");
    AppendReportLine(writer, u"");
    const CompatibilityRule& rule = FindRule(a, b);
    AppendReportLine(writer, rule.conclusion);
    WriteVerdict(verdict, verdictCapacity, rule.verdict);
    return rule.level;
}

}  // namespace kelomed
