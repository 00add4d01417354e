// Tool 103: the blood-draw order card.
#include "reports/blood_draw_order.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

// The test of this draw, as the card names it; 其他项目 gives the general advice.
constexpr InputChoice kDraws[] = {
    {1, u"血常规"}, {2, u"凝血"},      {3, u"生化"},     {4, u"血气"},
    {5, u"血培养"}, {6, u"血糖/乳酸"}, {0, u"其他项目"},
};
constexpr InputField kInputs[] = {
    ChoiceInput("kind", u"本次项目", 1, kDraws),
};

constexpr ToolDef kTool = ReportTool(
    {103, u"采血顺序与采血管", u"按添加剂顺序采血，避免交叉污染", u"检验",
     u"WS/T 661-2020《静脉血液标本采集指南》；CLSI GP41 采血顺序",
     u"选择本次采血项目，卡片列出标准采血顺序与该项目的采血管和注意事项；其他项目按检验科项目手册执"
     u"行。",
     "cxsxycxg"},
    kInputs, GenerateBloodDrawOrder);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
