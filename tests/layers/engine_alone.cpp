// The engine on its own, linked without the reports, the tools and the app:
// a formula tool computes with nothing else, and so does a report tool whose
// generator is this file's.
#include <cstdio>
#include <cstring>

#include "engine/compute.h"

namespace {

using namespace kelomed;

std::int32_t WriteOneLine(const ToolDef&, const double*, const CivilDate&, char16_t* report,
                          int reportCapacity, char16_t* verdict, int verdictCapacity) {
    CopyText(report, reportCapacity, u"一行\r\n");
    CopyText(verdict, verdictCapacity, u"完成");
    return 1;
}

constexpr InputField kInputs[] = {{"a", u"甲", u"", 2}};
constexpr OutputField kOutputs[] = {{"b", u"乙", u"", "a*3", "f0"}};
constexpr VerdictRule kRules[] = {{"b>5", 2, u"大"}, {"", 0, u"小"}};
constexpr ToolDef kFormula =
    FormulaTool({1, u"式", nullptr, u"检验", u"据", nullptr, "s"}, kInputs, kOutputs, kRules);
constexpr ToolDef kReport =
    ReportTool({2, u"报告", nullptr, u"检验", u"据", nullptr, "bg"}, WriteOneLine);

bool Computes(const ToolDef& tool, const char16_t* expected, std::int32_t expectedLevel) {
    const double inputs[] = {2};
    char16_t report[256];
    char16_t verdict[64];
    const std::int32_t level =
        ComputeTool(tool, inputs, CivilDate{2026, 12, 8}, report, 256, verdict, 64).level;
    return std::memcmp(report, expected, sizeof(char16_t) * (TextLength(expected) + 1)) == 0 &&
           level == expectedLevel;
}

}  // namespace

int main() {
    const bool formula = Computes(kFormula, u"乙：6\r\n", 2);
    const bool report = Computes(kReport, u"一行\r\n", 1);
    std::printf("engine alone: formula tool %s, report tool %s\n", formula ? "computes" : "FAILS",
                report ? "computes" : "FAILS");
    return formula && report ? 0 : 1;
}
