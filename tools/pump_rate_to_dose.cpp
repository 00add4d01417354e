// Tool 049: the norepinephrine dose from a running pump's rate, the inverse of tool 48.
#include "tools/suite.h"

namespace kelomed {
namespace {

// The rates an infusion pump runs at, and tool 48's ranges.
constexpr InputField kInputs[] = {
    NumberInput("rate", u"泵速", u"ml/h", 9, Between(0.1, 999)),
    NumberInput("w", u"体重", u"kg", 60, Between(0.3, 500)),
    NumberInput("drug", u"药量", u"mg", 4, Between(0.1, 100)),
    NumberInput("dil", u"稀释至", u"ml", 50, Between(1, 1000)),
};

constexpr OutputField kOutputs[] = {
    {"conc", u"浓度", u"ug/ml", "drug*1000/dil", "f1"},
    {"dose", u"剂量", u"ug/kg/min", "rate*drug*1000/dil/(w*60)", "f2"},
    {"ug_h", u"每小时药量", u"ug/h", "rate*drug*1000/dil", "f0"},
};

// The range is tool 48's, read on the dose as it is shown, to two decimals.
constexpr VerdictRule kRules[] = {
    {"dose>1", 3, u"剂量超过 1ug/kg/min，休克加重，评估联合用药"},
    {"dose<0.05", 1, u"剂量低于常用范围 0.05ug/kg/min，核对泵速与配置"},
    {"", 0, u"剂量在常用范围 0.05-1ug/kg/min"},
};

constexpr ToolDef kTool = FormulaTool(
    {49, u"泵速换算剂量", u"由泵速反算去甲肾上腺素剂量", u"重症用药",
     u"去甲肾上腺素 0.05-1ug/kg/min，常用 1mg/50ml 配置；剂量 = 泵速 × 浓度 ÷ (体重 × 60)",
     u"与“去甲肾上腺素配置与剂量”互逆：把那里算出的泵速填回，得原剂量。按泵上实际速度（0.1-999 "
     u"ml/h）和配置浓度填"
     u"写；剂量按两位小数显示并判定。",
     "bshsjl"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
