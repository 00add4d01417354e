// Tool 127: NEWS2, the National Early Warning Score 2.
#include "tools/suite.h"

namespace kelomed {
namespace {

// The vital signs as charted, each within what a ward measures; a
// temperature to 0.1 °C, the others whole, so no value lies between two
// bands of the chart.
constexpr InputChoice kSpo2Scale[] = {{1, u"1 量表 1（常规）"},
                                      {2, u"2 量表 2（高碳酸血症呼吸衰竭）"}};
constexpr InputChoice kOxygen[] = {{0, u"0 空气"}, {2, u"2 吸氧"}};
constexpr InputChoice kConsciousness[] = {{0, u"0 清醒（A）"},
                                          {3, u"3 新发意识模糊(C)/对声音(V)/对疼痛(P)/无反应(U)"}};

constexpr InputField kInputs[] = {
    NumberInput("rr", u"呼吸频率", u"次/分", 16, WholeBetween(1, 80)),
    ChoiceInput("scale", u"SpO2 评分量表", 1, kSpo2Scale),
    NumberInput("spo2", u"SpO2", u"%", 97, WholeBetween(50, 100)),
    ChoiceInput("oxygen", u"空气或吸氧", 0, kOxygen),
    NumberInput("sbp", u"收缩压", u"mmHg", 120, WholeBetween(40, 300)),
    NumberInput("pulse", u"脉搏", u"次/分", 80, WholeBetween(20, 250)),
    ChoiceInput("consciousness", u"意识", 0, kConsciousness),
    NumberInput("temp", u"体温", u"℃", 36.8, TenthsBetween(30, 45)),
};

// The chart's bands; scale 2 scores a saturation of 93 % or more only on
// oxygen.
constexpr OutputField kOutputs[] = {
    {"rr_score", u"呼吸频率评分", u"分", "rr<=8?3:rr<=11?1:rr<=20?0:rr<=24?2:3", "int"},
    {"spo2_score", u"SpO2 评分", u"分",
     "scale==2?(spo2<=83?3:spo2<=85?2:spo2<=87?1:spo2<=92||oxygen==0?0:spo2<=94?1:spo2<=96?2:3)"
     ":(spo2<=91?3:spo2<=93?2:spo2<=95?1:0)",
     "int"},
    {"oxygen_score", u"空气或吸氧评分", u"分", "oxygen", "int"},
    {"sbp_score", u"收缩压评分", u"分", "sbp<=90?3:sbp<=100?2:sbp<=110?1:sbp<=219?0:3", "int"},
    {"pulse_score", u"脉搏评分", u"分",
     "pulse<=40?3:pulse<=50?1:pulse<=90?0:pulse<=110?1:pulse<=130?2:3", "int"},
    {"consciousness_score", u"意识评分", u"分", "consciousness", "int"},
    {"temp_score", u"体温评分", u"分", "temp<=35?3:temp<=36?1:temp<=38?0:temp<=39?1:2", "int"},
    {"total", u"NEWS2 总分", u"分",
     "rr_score+spo2_score+oxygen_score+sbp_score+pulse_score+consciousness_score+temp_score",
     "int"},
    {"highest", u"单项最高分", u"分",
     "max(max(max(rr_score,spo2_score),max(oxygen_score,sbp_score)),"
     "max(max(pulse_score,consciousness_score),temp_score))",
     "int"},
};

// The clinical response to each score of the RCP's 2017 chart; a single
// parameter of 3 raises a low total to the urgent ward response.
constexpr VerdictRule kRules[] = {
    {"total>=7", 3,
     u"NEWS2 ≥7 高危：紧急响应，立即报告医生（至少上级医师），重症团队评估，持续监测"},
    {"total>=5", 2, u"NEWS2 5-6 中危：立即报告医生，急危重症团队紧急评估，至少每小时监测"},
    {"highest>=3", 2, u"单项 3 分（低-中危）：报告医生评估是否升级处理，至少每小时监测"},
    {"total>=1", 1, u"NEWS2 1-4 低危：责任护士评估，决定是否增加监测或升级，每 4-6 小时监测"},
    {"", 0, u"NEWS2 0 分：常规监测，至少每 12 小时一次"},
};

constexpr ToolDef kTool = ScaleTool(
    {127, u"NEWS2 早期预警评分", u"呼吸、SpO2、吸氧、收缩压、脉搏、意识、体温", u"护理评估",
     u"Royal College of Physicians. National Early Warning Score (NEWS) 2, 2017（评分表、SpO2 量表 "
     u"2、临床响应表）：0 分每 12 小时，1-4 分每 4-6 小时，单项 3 分或 5-6 分每小时并报告医生，≥7 "
     u"分紧急响应、持续监测。SpO2 量表 2 仅用于医生确定目标为 88%-92% 的高碳酸血症呼吸衰竭患者",
     u"体温精确到 0.1 ℃，其余整数；不在本工具范围内的数值请核对测量。意识项“新发意识模糊”记 3 "
     u"分。",
     "news zqyjpf"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
