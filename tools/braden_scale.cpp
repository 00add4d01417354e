// Tool 121: the Braden scale for pressure-injury risk.
#include "tools/suite.h"

namespace kelomed {
namespace {

// The six items of Bergstrom and Braden (1987), each option by its points
// and the words of the Chinese form.
constexpr InputChoice kSensory[] = {
    {1, u"1 完全受限"}, {2, u"2 非常受限"}, {3, u"3 轻度受限"}, {4, u"4 无损害"}};
constexpr InputChoice kMoisture[] = {
    {1, u"1 持续潮湿"}, {2, u"2 经常潮湿"}, {3, u"3 偶尔潮湿"}, {4, u"4 很少潮湿"}};
constexpr InputChoice kActivity[] = {
    {1, u"1 卧床"}, {2, u"2 坐椅"}, {3, u"3 偶尔步行"}, {4, u"4 经常步行"}};
constexpr InputChoice kMobility[] = {
    {1, u"1 完全受限"}, {2, u"2 非常受限"}, {3, u"3 轻度受限"}, {4, u"4 不受限"}};
constexpr InputChoice kNutrition[] = {
    {1, u"1 非常差"}, {2, u"2 可能不足"}, {3, u"3 充足"}, {4, u"4 丰富"}};
constexpr InputChoice kFriction[] = {{1, u"1 存在问题"}, {2, u"2 潜在问题"}, {3, u"3 无明显问题"}};

constexpr InputField kInputs[] = {
    ChoiceInput("sensory", u"感知能力", 4, kSensory),
    ChoiceInput("moisture", u"潮湿程度", 4, kMoisture),
    ChoiceInput("activity", u"活动能力", 4, kActivity),
    ChoiceInput("mobility", u"移动能力", 4, kMobility),
    ChoiceInput("nutrition", u"营养摄取", 4, kNutrition),
    ChoiceInput("friction", u"摩擦力和剪切力", 3, kFriction),
};

constexpr OutputField kOutputs[] = {
    {"total", u"Braden 总分", u"分", "sensory+moisture+activity+mobility+nutrition+friction",
     "int"},
};

// The risk levels of Ayello and Braden (2002), as the Chinese forms read
// them; 19 to 23 is no risk.
constexpr VerdictRule kRules[] = {
    {"total<=9", 3, u"Braden ≤9 分：极高危"},   {"total<=12", 3, u"Braden 10-12 分：高危"},
    {"total<=14", 2, u"Braden 13-14 分：中危"}, {"total<=18", 1, u"Braden 15-18 分：低危"},
    {"", 0, u"Braden ≥19 分：无风险"},
};

constexpr ToolDef kTool = ScaleTool(
    {121, u"Braden 压力性损伤风险评估", u"感知、潮湿、活动、移动、营养、摩擦力和剪切力",
     u"护理评估",
     u"条目与计分：Bergstrom N, Braden BJ, Laguzza A, Holman V. Nurs Res 1987;36(4):205-210"
     u"（6 项，前 5 项 1-4 分，摩擦力和剪切力 1-3 分，总分 6-23）；风险分级：Ayello EA, Braden B. "
     u"Adv Skin Wound Care 2002;15(3):125-131，≤9 极高危，10-12 高危，13-14 中危，15-18 低危，"
     u"国内评估表同此",
     u"入院时及病情变化时评估，按本院规定频次复评；预防措施按本院压力性损伤预防规范执行。",
     "braden ylxssfxpg"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
