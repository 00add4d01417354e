// Tool 124: NRS 2002, nutritional risk screening.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Kondrup et al. (2003): the initial screen; a yes to any question opens the
// final screen, whose two parts each score the highest grade ticked (the
// Chinese form lists each grade's conditions as check boxes), plus one point
// from 70 years.
// The four answers of the initial screen are charted whichever they are, as
// the form's 是/否 columns; with four noes there is no final screen and no
// total.
constexpr char kAnyYes[] = "bmi||loss||intake||severe";
constexpr InputChoice kNoYes[] = {{0, u"否"}, {1, u"是"}};

constexpr InputField kInputs[] = {
    ChoiceInput("bmi", u"初筛：BMI <20.5", 0, kNoYes),
    ChoiceInput("loss", u"初筛：近 3 个月内体重下降", 0, kNoYes),
    ChoiceInput("intake", u"初筛：近 1 周进食减少", 0, kNoYes),
    ChoiceInput("severe", u"初筛：病情严重（如在 ICU 治疗）", 0, kNoYes),
    CheckInput<1>("n1a", u"营养：3 个月内体重下降 >5%（1 分）", kAnyYes),
    CheckInput<1>("n1b", u"营养：上周进食为需要量的 50%-75%（1 分）", kAnyYes),
    CheckInput<2>("n2a", u"营养：2 个月内体重下降 >5%（2 分）", kAnyYes),
    CheckInput<2>("n2b", u"营养：BMI 18.5-20.5 且一般情况差（2 分）", kAnyYes),
    CheckInput<2>("n2c", u"营养：上周进食为需要量的 25%-60%（2 分）", kAnyYes),
    CheckInput<3>("n3a", u"营养：1 个月内体重下降 >5%（或 3 个月 >15%）（3 分）", kAnyYes),
    CheckInput<3>("n3b", u"营养：BMI <18.5 且一般情况差（3 分）", kAnyYes),
    CheckInput<3>("n3c", u"营养：上周进食为需要量的 0-25%（3 分）", kAnyYes),
    CheckInput<1>("d1a", u"疾病：髋部骨折（1 分）", kAnyYes),
    CheckInput<1>("d1b", u"疾病：慢性病急性发作或有并发症（1 分）", kAnyYes),
    CheckInput<1>("d1c", u"疾病：肝硬化、COPD（1 分）", kAnyYes),
    CheckInput<1>("d1d", u"疾病：长期血液透析（1 分）", kAnyYes),
    CheckInput<1>("d1e", u"疾病：糖尿病、一般恶性肿瘤（1 分）", kAnyYes),
    CheckInput<2>("d2a", u"疾病：腹部大手术（2 分）", kAnyYes),
    CheckInput<2>("d2b", u"疾病：脑卒中（2 分）", kAnyYes),
    CheckInput<2>("d2c", u"疾病：重度肺炎（2 分）", kAnyYes),
    CheckInput<2>("d2d", u"疾病：血液恶性肿瘤（2 分）", kAnyYes),
    CheckInput<3>("d3a", u"疾病：颅脑损伤（3 分）", kAnyYes),
    CheckInput<3>("d3b", u"疾病：骨髓移植（3 分）", kAnyYes),
    CheckInput<3>("d3c", u"疾病：ICU 患者（APACHE >10 分）（3 分）", kAnyYes),
    CheckInput<1>("age", u"年龄 ≥70 岁（1 分）", kAnyYes),
};

constexpr OutputField kOutputs[] = {
    {"nutrition", u"营养状况受损评分", u"分",
     "max(max(max(n1a,n1b),max(n2a,n2b)),max(max(n2c,n3a),max(n3b,n3c)))", "int", kAnyYes},
    {"disease", u"疾病严重程度评分", u"分",
     "max(max(max(max(d1a,d1b),max(d1c,d1d)),max(max(d1e,d2a),max(d2b,d2c))),"
     "max(max(d2d,d3a),max(d3b,d3c)))",
     "int", kAnyYes},
    {"total", u"NRS 2002 总分", u"分", "nutrition+disease+age", "int", kAnyYes},
};

constexpr VerdictRule kRules[] = {
    {"!(bmi||loss||intake||severe)", 0, u"初筛均为否：暂无营养风险，一周后复筛"},
    {"total>=3", 3, u"NRS 2002 ≥3 分：有营养风险，应制订营养支持计划"},
    {"", 0, u"NRS 2002 <3 分：暂无营养风险，每周复筛；拟行大手术者考虑预防性营养支持"},
};

constexpr ToolDef kTool = ScaleTool(
    {124, u"NRS 2002 营养风险筛查", u"初筛 4 问，终筛营养状况、疾病严重程度与年龄", u"护理评估",
     u"Kondrup J, Rasmussen HH, Hamberg O, Stanga Z. Clin Nutr 2003;22(3):321-336 及 ESPEN 营养筛查"
     u"指南（Clin Nutr 2003;22(4):415-421）：初筛任一为“是”进入终筛；营养状况与疾病严重程度各取"
     u"所勾选的最高分（0-3），年龄 ≥70 岁加 1 分；总分 ≥3 有营养风险，应制订营养支持计划，<3 "
     u"每周复筛",
     u"入院 24 小时内完成筛查。初筛均为“否”时终筛各项不适用、不计分。“需要量”指正常需要量。",
     "nrs yyfxsc"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
