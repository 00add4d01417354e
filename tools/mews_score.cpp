// Tool 128: the Modified Early Warning Score.
#include "tools/suite.h"

namespace kelomed {
namespace {

constexpr InputChoice kAvpu[] = {{0, u"0 清醒（A）"},
                                 {1, u"1 对声音有反应（V）"},
                                 {2, u"2 对疼痛有反应（P）"},
                                 {3, u"3 无反应（U）"}};

constexpr InputField kInputs[] = {
    NumberInput("sbp", u"收缩压", u"mmHg", 120, WholeBetween(40, 300)),
    NumberInput("hr", u"心率", u"次/分", 80, WholeBetween(20, 250)),
    NumberInput("rr", u"呼吸频率", u"次/分", 16, WholeBetween(1, 80)),
    NumberInput("temp", u"体温", u"℃", 36.8, TenthsBetween(30, 45)),
    ChoiceInput("avpu", u"意识（AVPU）", 0, kAvpu),
};

// Subbe et al. (2001), Table 1. The published table leaves 70 mmHg and 40
// beats between its bands ("<70", "71-80"; "<40", "41-50"); they are scored
// with the band below, as the Chinese textbooks read them (≤70, ≤40).
constexpr OutputField kOutputs[] = {
    {"sbp_score", u"收缩压评分", u"分", "sbp<=70?3:sbp<=80?2:sbp<=100?1:sbp<=199?0:2", "int"},
    {"hr_score", u"心率评分", u"分", "hr<=40?2:hr<=50?1:hr<=100?0:hr<=110?1:hr<=129?2:3", "int"},
    {"rr_score", u"呼吸频率评分", u"分", "rr<9?2:rr<=14?0:rr<=20?1:rr<=29?2:3", "int"},
    {"temp_score", u"体温评分", u"分", "temp<35?2:temp<=38.4?0:2", "int"},
    {"avpu_score", u"意识评分", u"分", "avpu", "int"},
    {"total", u"MEWS 总分", u"分", "sbp_score+hr_score+rr_score+temp_score+avpu_score", "int"},
};

constexpr VerdictRule kRules[] = {
    {"total>=5", 3, u"MEWS ≥5 分：病情恶化风险增高（死亡及入住 ICU 风险增加），立即报告医生评估"},
    {"", 0, u"MEWS <5 分：未达触发值，继续观察，病情变化时复评"},
};

constexpr ToolDef kTool = ScaleTool(
    {128, u"MEWS 改良早期预警评分", u"收缩压、心率、呼吸、体温、意识", u"护理评估",
     u"Subbe CP, Kruger M, Rutherford P, Gemmel L. QJM 2001;94(10):521-526，表 1 评分与触发值："
     u"≥5 分与死亡及入住 ICU/HDU 风险增高相关；该表未给出其他分级，本工具只用 ≥5 一个触发值。"
     u"表中 70 mmHg 与 40 次/分处于两档之间，按国内教材记入较低一档（≤70 记 3 分，≤40 记 2 分）",
     u"体温精确到 0.1 ℃（<35.0 与 ≥38.5 各记 2 "
     u"分），其余整数。各科室另有分级处置流程的，按本院规定执行。",
     "mews glzqyjpf"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
