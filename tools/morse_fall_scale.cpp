// Tool 122: the Morse Fall Scale.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Morse, Morse and Tylko (1989): six items, each option by its points.
constexpr InputChoice kHistory[] = {{0, u"0 无"}, {25, u"25 有（近 3 个月内）"}};
constexpr InputChoice kDiagnosis[] = {{0, u"0 无"}, {15, u"15 有"}};
constexpr InputChoice kAid[] = {{0, u"0 不需要/卧床休息/轮椅/护士扶助"},
                                {15, u"15 拐杖、手杖、助行器"},
                                {30, u"30 扶家具行走"}};
constexpr InputChoice kInfusion[] = {{0, u"0 无"}, {20, u"20 有"}};
constexpr InputChoice kGait[] = {
    {0, u"0 正常/卧床休息/轮椅代步"}, {10, u"10 虚弱乏力"}, {20, u"20 受损（功能障碍）"}};
constexpr InputChoice kMental[] = {{0, u"0 能正确评估自身能力"}, {15, u"15 高估自身能力/忘记受限"}};

constexpr InputField kInputs[] = {
    ChoiceInput("history", u"跌倒史", 0, kHistory),
    ChoiceInput("diagnosis", u"超过一个医学诊断", 0, kDiagnosis),
    ChoiceInput("aid", u"使用行走辅助工具", 0, kAid),
    ChoiceInput("infusion", u"静脉输液/肝素锁", 0, kInfusion),
    ChoiceInput("gait", u"步态", 0, kGait),
    ChoiceInput("mental", u"精神状态", 0, kMental),
};

constexpr OutputField kOutputs[] = {
    {"total", u"Morse 总分", u"分", "history+diagnosis+aid+infusion+gait+mental", "int"},
};

// The classes of the Chinese forms: 45 itself is moderate.
constexpr VerdictRule kRules[] = {
    {"total>45", 3, u"Morse >45 分：跌倒高危"},
    {"total>=25", 2, u"Morse 25-45 分：跌倒中危"},
    {"", 0, u"Morse <25 分：跌倒低危"},
};

constexpr ToolDef kTool = ScaleTool(
    {122, u"Morse 跌倒风险评估", u"跌倒史、诊断、辅助工具、输液、步态、精神状态", u"护理评估",
     u"条目与计分：Morse JM, Morse RM, Tylko SJ. Can J Aging 1989;8(4):366-377（总分 0-125）；"
     u"分级按国内住院患者跌倒风险评估表（未注明年份）：<25 低危，25-45 中危，>45 高危，45 分属中危"
     u"（Morse 1997 以 ≥51 为高危，亦有文献以 ≥45 为高危）",
     u"入院、转科、病情或用药变化及跌倒后评估；防跌倒措施按本院规范执行。", "morse ddfxpg"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
