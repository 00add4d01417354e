// Tool 064: the QT interval corrected for heart rate, by Bazett and by Fridericia.
#include "tools/suite.h"

namespace kelomed {
namespace {

constexpr InputChoice kSexes[] = {{1, u"男"}, {2, u"女"}};

// A QT and a heart rate an ECG can show; a sex the window cannot give still
// makes the QTc infinite, so a compute from elsewhere fails visibly.
constexpr InputField kInputs[] = {
    NumberInput("qt", u"QT 间期", u"ms", 400, Between(200, 800)),
    NumberInput("hr", u"心率", u"次/分", 75, Between(20, 300)),
    ChoiceInput("sex", u"性别", 1, kSexes),
};

constexpr OutputField kOutputs[] = {
    {"rr", u"RR 间期", u"s", "60/hr", "f3"},
    {"bazett", u"QTc（Bazett）", u"ms", "qt/sqrt(60/hr)+(sex==1||sex==2?0:1e999)", "f0"},
    {"fridericia", u"QTc（Fridericia）", u"ms", "qt/cbrt(60/hr)+(sex==1||sex==2?0:1e999)", "f0"},
};

// The AHA's thresholds, read on Bazett's QTc as it is shown, whole milliseconds.
constexpr VerdictRule kRules[] = {
    {"bazett>500", 3, u"QTc>500ms：尖端扭转型室速高危，停用延长 QT 的药物，查血钾、血镁"},
    {"bazett>=(sex==2?460:450)", 2,
     u"QTc 延长（男≥450ms，女≥460ms），评估致 QT 延长的药物与电解质"},
    {"bazett<=390", 1, u"QTc≤390ms，QT 间期缩短，结合临床判断"},
    {"", 0, u"QTc 在正常范围"},
};

constexpr ToolDef kTool = FormulaTool(
    {64, u"QTc 校正", u"Bazett 与 Fridericia 公式", u"临床计算",
     u"Bazett HC. Heart 1920;7:353：QTc = QT ÷ √RR；Fridericia LS. Acta Med Scand 1920;53:469：QTc "
     u"= QT ÷ ∛RR；判定：AHA/ACCF/HRS 2009（男≥450ms、女≥460ms 延长，≤390ms 缩短），AHA/ACCF "
     u"2010（>500ms 尖端扭转型室速高危）",
     u"QT 按 ms（200-800）、心率按 次/分（20-300）填写，RR = 60 ÷ 心率。AHA 阈值按 Bazett "
     u"校正值（整数 ms）判定；Bazett 在心率快时过度校正、慢时校正不足，心率 <60 或 >100 "
     u"次/分时请参考 "
     u"Fridericia 值。",
     "qtc jz"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
