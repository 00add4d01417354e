#include "reports/report_dispatch.h"

#include "engine/text_buffer.h"

namespace kelomed {

std::int32_t GenerateKindReport(std::int32_t kind, const ToolDef& tool, const double* inputs,
                                char16_t* report, int reportCapacity, char16_t* verdict,
                                int verdictCapacity) {
    (void)kind;
    (void)tool;
    (void)inputs;
    CopyText(report, reportCapacity, u"（该工具暂无自定义报告）");
    CopyText(verdict, verdictCapacity, u"暂无报告内容");
    return 0;
}

}  // namespace kelomed
