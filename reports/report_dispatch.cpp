#include "reports/report_dispatch.h"

#include "engine/text_buffer.h"
#include "reports/generators.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

using Generator = ReportGenerator*;

// Indexed by kind; kind 0 (formulas) has no generator here.
constexpr Generator kGenerators[] = {
    nullptr,
    GenerateNurseRota,
    GenerateDosingTimes,
    GenerateBloodDrawOrder,
    GenerateCriticalValues,
    GenerateHighAlertDrugs,
    GenerateDrugCompatibility,
    GenerateFollowUpPlan,
    GenerateSurgicalChecklist,
    GenerateShiftHandover,
    GenerateInfusionCard,
    GenerateLabPanels,
};
constexpr std::int32_t kKindCount = sizeof kGenerators / sizeof kGenerators[0];

}  // namespace

std::int32_t GenerateKindReport(std::int32_t kind, const ToolDef& tool, const double* inputs,
                                char16_t* report, int reportCapacity, char16_t* verdict,
                                int verdictCapacity) {
    CopyText(report, reportCapacity, u"");
    CopyText(verdict, verdictCapacity, u"");
    if (kind > 0 && kind < kKindCount) {
        return kGenerators[kind](tool, inputs, report, reportCapacity, verdict, verdictCapacity);
    }
    CopyText(report, reportCapacity, u"（该工具暂无自定义报告）");
    WriteVerdict(verdict, verdictCapacity, u"暂无报告内容");
    return 0;
}

}  // namespace kelomed
