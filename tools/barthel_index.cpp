// Tool 123: the Barthel index of self-care, with the classes of the
// national standard of nursing levels.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Mahoney and Barthel (1965), ten items; each option by its points and
// the words of WS/T 431-2013's table.
constexpr InputChoice kFeeding[] = {
    {10, u"10 可独立进食"}, {5, u"5 需部分帮助"}, {0, u"0 需极大帮助或完全依赖他人"}};
constexpr InputChoice kBathing[] = {{5, u"5 准备好洗澡水后可独立完成"},
                                    {0, u"0 在洗澡过程中需他人帮助"}};
constexpr InputChoice kGrooming[] = {{5, u"5 可独立完成"}, {0, u"0 需他人帮助"}};
constexpr InputChoice kDressing[] = {
    {10, u"10 可独立完成"}, {5, u"5 需部分帮助"}, {0, u"0 需极大帮助或完全依赖他人"}};
// A prompt needed counts 5, a catheter 0, in the standard's own words.
constexpr InputChoice kBowels[] = {
    {10, u"10 可控制大便"}, {5, u"5 偶尔失控，或需要他人提示"}, {0, u"0 完全失控"}};
constexpr InputChoice kBladder[] = {
    {10, u"10 可控制小便"}, {5, u"5 偶尔失控，或需要他人提示"}, {0, u"0 完全失控，或留置导尿管"}};
constexpr InputChoice kToilet[] = {
    {10, u"10 可独立完成"}, {5, u"5 需部分帮助"}, {0, u"0 需极大帮助或完全依赖他人"}};
constexpr InputChoice kTransfer[] = {
    {15, u"15 可独立完成"}, {10, u"10 需部分帮助"}, {5, u"5 需极大帮助"}, {0, u"0 完全依赖他人"}};
constexpr InputChoice kWalking[] = {{15, u"15 可独立在平地上行走 45 m"},
                                    {10, u"10 需部分帮助"},
                                    {5, u"5 需极大帮助"},
                                    {0, u"0 完全依赖他人"}};
constexpr InputChoice kStairs[] = {
    {10, u"10 可独立上下楼梯"}, {5, u"5 需部分帮助"}, {0, u"0 需极大帮助或完全依赖他人"}};

constexpr InputField kInputs[] = {
    ChoiceInput("feeding", u"进食", 10, kFeeding),
    ChoiceInput("bathing", u"洗澡", 5, kBathing),
    ChoiceInput("grooming", u"修饰", 5, kGrooming),
    ChoiceInput("dressing", u"穿衣", 10, kDressing),
    ChoiceInput("bowels", u"控制大便", 10, kBowels),
    ChoiceInput("bladder", u"控制小便", 10, kBladder),
    ChoiceInput("toilet", u"如厕", 10, kToilet),
    ChoiceInput("transfer", u"床椅转移", 15, kTransfer),
    ChoiceInput("walking", u"平地行走", 15, kWalking),
    ChoiceInput("stairs", u"上下楼梯", 10, kStairs),
};

constexpr OutputField kOutputs[] = {
    {"total", u"Barthel 指数", u"分",
     "feeding+bathing+grooming+dressing+bowels+bladder+toilet+transfer+walking+stairs", "int"},
};

constexpr VerdictRule kRules[] = {
    {"total<=40", 3, u"Barthel ≤40 分：重度依赖，全部需他人照护"},
    {"total<=60", 2, u"Barthel 41-60 分：中度依赖，大部分需他人照护"},
    {"total<=99", 1, u"Barthel 61-99 分：轻度依赖，少部分需他人照护"},
    {"", 0, u"Barthel 100 分：无需依赖"},
};

constexpr ToolDef kTool = ScaleTool(
    {123, u"Barthel 指数（自理能力评估）", u"日常生活活动 10 项，0-100 分", u"护理评估",
     u"条目与计分：Mahoney FI, Barthel DW. Md State Med J 1965;14:61-65；条目用语与自理能力分级："
     u"WS/T 431-2013《护理分级》（≤40 重度依赖，41-60 中度依赖，61-99 轻度依赖，100 无需依赖）。"
     u"该标准已由 WS/T 431-2023 替代，本工具未能核对新版条文，分级按 2013 版",
     u"护理级别由医生根据病情等级与自理能力等级综合确定，本工具只给出自理能力等级。",
     "barthel zs zlnlpg"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
