// Tool 061: body surface area by Du Bois and by Mosteller.
#include "tools/suite.h"

namespace kelomed {
namespace {

// From a premature newborn to the tallest and heaviest adults.
constexpr InputField kInputs[] = {
    NumberInput("w", u"体重", u"kg", 65, Between(0.3, 500)),
    NumberInput("h", u"身高", u"cm", 170, Between(20, 280)),
};

constexpr OutputField kOutputs[] = {
    {"dubois", u"体表面积（Du Bois）", u"m²", "0.007184*w^0.425*h^0.725", "f2"},
    {"mosteller", u"体表面积（Mosteller）", u"m²", "sqrt(w*h/3600)", "f2"},
};

constexpr VerdictRule kRules[] = {
    {"", 0, u"体表面积已计算，按 m² 给药前请复核身高体重"},
};

constexpr ToolDef kTool = FormulaTool(
    {61, u"体表面积", u"Du Bois 与 Mosteller 公式", u"临床计算",
     u"Du Bois D, Du Bois EF. Arch Intern Med 1916;17:863：0.007184 × 体重^0.425 × "
     u"身高^0.725；Mosteller RD. N Engl J Med 1987;317:1098：√(身高 × 体重 ÷ 3600)",
     u"体重按 kg（0.3-500）、身高按 cm（20-280）"
     u"填写。按体表面积给药（如化疗药）时以医嘱指定的公式为准，两种公式结果相近；肥胖者两者差别增大"
     u"。",
     "tbmj"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
