// Tool 065: the MELD score in its original UNOS form.
#include "tools/suite.h"

namespace kelomed {
namespace {

// UNOS counts continuous veno-venous hemodialysis for 24 hours in the week
// like dialysis twice.
constexpr InputChoice kDialysis[] = {{0, u"否"}, {1, u"是（或 CVVHD≥24 小时）"}};

// Values from far below to far above what a laboratory reports; a dialysis
// value the window cannot give still makes the score infinite, so a compute
// from elsewhere fails visibly.
constexpr InputField kInputs[] = {
    NumberInput("bili", u"总胆红素", u"µmol/L", 20, Between(1, 1500)),
    NumberInput("inr", u"INR", u"", 1.1, Between(0.5, 20)),
    NumberInput("cr", u"血肌酐", u"µmol/L", 80, Between(10, 3000)),
    ChoiceInput("dial", u"一周透析≥2 次", 0, kDialysis),
};

constexpr OutputField kOutputs[] = {
    {"meld", u"MELD 评分", u"分",
     "min(round(10*(0.957*log(dial==1?4:min(max(cr/88.4,1),4))+0.378*log(max(bili/"
     "17.1,1))+1.12*log(max(inr,1))+0.643)),40)+(dial==0||dial==1?0:1e999)",
     "int"},
};

// The 3-month mortality strata of Wiesner 2003.
constexpr VerdictRule kRules[] = {
    {"meld>=30", 3, u"MELD≥30：3 个月死亡率约 52.6%-71.3%"},
    {"meld>=20", 2, u"MELD 20-29：3 个月死亡率约 19.6%"},
    {"meld>=10", 1, u"MELD 10-19：3 个月死亡率约 6.0%"},
    {"", 0, u"MELD≤9：3 个月死亡率约 1.9%"},
};

constexpr ToolDef kTool = FormulaTool(
    {65, u"MELD 评分", u"终末期肝病模型（原始 UNOS 公式）", u"临床计算",
     u"Kamath PS 等. Hepatology 2001;33:464；UNOS 2002：10 × (0.957 ln 肌酐 + 0.378 ln 胆红素 + "
     u"1.120 ln INR + 0.643)，各项 mg/dL，<1 按 1，肌酐上限 4，一周内透析≥2 次或 CVVHD≥24 小时按 "
     u"4，总分上限 40；3 个月死亡率：Wiesner R 等. Gastroenterology 2003;124:91",
     u"适用于 12 岁及以上（12 岁以下用 PELD）。胆红素（1-1500）、肌酐（10-3000）按 µmol/L "
     u"填写（÷17.1、"
     u"÷88.4 换算为 mg/dL），INR 0.5-20；各项低于 1 按 1 计，肌酐上限 4 mg/dL，一周内透析≥2 次或 "
     u"CVVHD≥24 小时按 4 计，总分上限 40。",
     "meld pf"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
