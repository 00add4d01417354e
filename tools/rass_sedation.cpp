// Tool 129: the Richmond Agitation-Sedation Scale.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Sessler et al. (2002): ten levels from +4 to -5.
constexpr InputChoice kLevels[] = {
    {4, u"+4 有攻击性：暴力行为，对医护人员构成危险"},
    {3, u"+3 非常躁动：拔管或有攻击性"},
    {2, u"+2 躁动：频繁无目的活动，人机对抗"},
    {1, u"+1 不安：焦虑，但动作不剧烈"},
    {0, u"0 清醒且平静"},
    {-1, u"-1 嗜睡：声音唤醒后睁眼并对视 ≥10 秒"},
    {-2, u"-2 轻度镇静：声音唤醒后短暂对视 <10 秒"},
    {-3, u"-3 中度镇静：对声音有活动或睁眼，无对视"},
    {-4, u"-4 深度镇静：对声音无反应，对身体刺激有反应"},
    {-5, u"-5 不可唤醒：对声音和身体刺激均无反应"},
};

constexpr InputField kInputs[] = {
    ChoiceInput("rass", u"RASS 分级", 0, kLevels),
};

constexpr OutputField kOutputs[] = {
    {"score", u"RASS", u"", "rass", "int"},
};

// The levels rise with the distance from the light sedation (RASS -2 to +1)
// the Chinese guideline of 2018 takes as the usual target.
constexpr VerdictRule kRules[] = {
    {"score>=3", 3, u"RASS +3 至 +4：重度躁动，有拔管或伤人风险"},
    {"score==2", 2, u"RASS +2：躁动"},
    {"score<=-5", 3, u"RASS -5：不可唤醒"},
    {"score==-4", 2, u"RASS -4：深度镇静"},
    {"score==-3", 1, u"RASS -3：中度镇静，深于浅镇静目标"},
    {"", 0, u"RASS -2 至 +1：浅镇静或清醒平静，在常用目标内"},
};

constexpr ToolDef kTool = ScaleTool(
    {129, u"RASS 镇静躁动评分", u"Richmond 躁动-镇静评分，+4 至 -5", u"护理评估",
     u"Sessler CN, Gosnell MS, Grap MJ, et al. Am J Respir Crit Care Med 2002;166(10):1338-1344"
     u"（10 级定义）；浅镇静目标 RASS -2 至 +1：中华医学会重症医学分会《中国成人 ICU 镇痛和镇静"
     u"治疗指南》（中华重症医学电子杂志 2018;4(2):90-113）。镇静目标以医嘱为准",
     u"先观察 30 秒；不清醒时呼唤姓名并嘱睁眼看说话者，仍无反应再给予身体刺激。", "rass zjzdpf"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
