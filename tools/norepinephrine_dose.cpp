// Tool 48: norepinephrine preparation and dose by body weight.
#include "tools/suite.h"

namespace kelomed {
namespace {

// The first default is the single-precision 0.2 widened to double, as the
// family's stored records and reference results were computed with it. The
// ranges hold every dose given in refractory shock (up to 5 ug/kg/min, so
// the warning above 1 stays reachable), the weight of a premature newborn to
// the heaviest adult, the amounts of one to many ampoules and the volumes of
// a syringe to a bag.
constexpr InputField kInputs[] = {
    NumberInput("dose", u"目标剂量", u"ug/kg/min", 0.20000000298023224, Between(0.01, 5)),
    NumberInput("w", u"体重", u"kg", 60, Between(0.3, 500)),
    NumberInput("drug", u"药量", u"mg", 4, Between(0.1, 100)),
    NumberInput("dil", u"稀释至", u"ml", 50, Between(1, 1000)),
};

constexpr OutputField kOutputs[] = {
    {"conc", u"浓度", u"ug/ml", "drug*1000/dil", "f1"},
    {"rate", u"泵速", u"ml/h", "dose*w*60/(drug*1000/dil)", "f2"},
    {"ug_h", u"每小时药量", u"ug/h", "dose*w*60", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"dose>1", 3, u"剂量超过 1ug/kg/min，休克加重，评估联合用药"},
    {"", 0, u"泵速计算完成，中心静脉输注"},
};

constexpr ToolDef kTool =
    FormulaTool({48, u"去甲肾上腺素配置与剂量", u"按体重计算去甲泵速", u"重症用药",
                 u"去甲肾上腺素 0.05-1ug/kg/min，常用 1mg/50ml 配置",
                 u"首选中心静脉；外渗可致皮肤坏死，需酚妥拉明局部封闭。", "qjssxspzyjl"},
                kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
