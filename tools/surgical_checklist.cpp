// Tool 108: the surgical safety checklist.
#include "reports/surgical_checklist.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

constexpr ToolDef kTool =
    ReportTool({108, u"手术安全核查表", u"麻醉前、手术前、离室前三步核查", u"护理管理",
                u"原卫生部《手术安全核查制度》（卫办医政发〔2010〕41号）",
                u"本工具无需输入，点击“计算”生成核查表；三方共同口述确认并签字后归档。", "ssaqhcb"},
               GenerateSurgicalChecklist);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
