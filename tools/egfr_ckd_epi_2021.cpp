// Tool 063: eGFR by the race-free CKD-EPI 2021 creatinine equation, with its KDIGO category.
#include "tools/suite.h"

namespace kelomed {
namespace {

constexpr InputChoice kSexes[] = {{1, u"男"}, {2, u"女"}};

// Creatinine from far below to far above what a laboratory reports; the
// equation is for adults (18 and over), and an age or sex the window cannot
// give still makes the eGFR infinite, so a compute from elsewhere fails
// visibly.
constexpr InputField kInputs[] = {
    NumberInput("scr", u"血肌酐", u"µmol/L", 80, Between(10, 3000)),
    NumberInput("age", u"年龄", u"岁", 50, WholeBetween(18, 120)),
    ChoiceInput("sex", u"性别", 1, kSexes),
};

constexpr OutputField kOutputs[] = {
    {"scr_mg", u"血肌酐（换算）", u"mg/dL", "scr/88.4", "f2"},
    {"egfr", u"eGFR", u"ml/min/1.73m²",
     "142*min(scr/88.4/(sex==2?0.7:0.9),1)^(sex==2?-0.241:-0.302)*max(scr/88.4/"
     "(sex==2?0.7:0.9),1)^-1.2*0.9938^age*(sex==2?1.012:1)+(age>=18&&(sex==1||sex==2)?0:1e999)",
     "f0"},
};

// KDIGO's categories, read on the eGFR as it is shown, a whole number.
constexpr VerdictRule kRules[] = {
    {"egfr<15", 3, u"G5：肾衰竭（eGFR<15），评估肾脏替代治疗，按肾功能调整用药"},
    {"egfr<30", 3, u"G4：重度下降（eGFR 15-29），按肾功能调整用药"},
    {"egfr<45", 2, u"G3b：中重度下降（eGFR 30-44）"},
    {"egfr<60", 2, u"G3a：轻中度下降（eGFR 45-59）"},
    {"egfr<90", 1, u"G2：轻度下降（eGFR 60-89）"},
    {"", 0, u"G1：正常或升高（eGFR≥90）"},
};

constexpr ToolDef kTool = FormulaTool(
    {63, u"肾小球滤过率 eGFR", u"CKD-EPI 2021 肌酐公式", u"临床计算",
     u"Inker LA 等. N Engl J Med 2021;385:1737：eGFR = 142 × min(Scr/κ,1)^α × max(Scr/κ,1)^-1.200 "
     u"× "
     u"0.9938^年龄 × 1.012[女]；分期：KDIGO 2024 慢性肾脏病指南 G1-G5",
     u"适用于 18-120 岁成人（年龄按周岁）；血肌酐按 µmol/L 填写（10-3000，÷ 88.4 换算为 "
     u"mg/dL，IDMS 溯源方法）。G1、G2 须有肾损伤证据才诊断慢性肾脏病。",
     "sxqlgl egfr"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
