// Tool 062: the body mass index by the Chinese adult standard.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Adults, from the lightest to the heaviest and tallest.
constexpr InputField kInputs[] = {
    NumberInput("w", u"体重", u"kg", 65, Between(10, 500)),
    NumberInput("h", u"身高", u"cm", 170, Between(50, 280)),
};

constexpr OutputField kOutputs[] = {
    {"bmi", u"体重指数 BMI", u"kg/m²", "w/(h/100)^2", "f1"},
};

// The standard's cut-offs, read on the index as it is shown, to one decimal.
constexpr VerdictRule kRules[] = {
    {"bmi<18.5", 1, u"体重过低（BMI<18.5）"},
    {"bmi>=28", 2, u"肥胖（BMI≥28.0）"},
    {"bmi>=24", 1, u"超重（24.0≤BMI<28.0）"},
    {"", 0, u"体重正常（18.5≤BMI<24.0）"},
};

constexpr ToolDef kTool = FormulaTool(
    {62, u"体重指数", u"成人体重判定（BMI）", u"临床计算",
     u"WS/T 428-2013《成人体重判定》：BMI = 体重(kg) ÷ 身高(m)²；<18.5 体重过低，18.5-23.9 "
     u"正常，24.0-27.9 超重，≥28.0 肥胖",
     u"适用于 18 岁及以上成人，不适用于孕妇和运动员等肌肉特别发达者。体重 10-500 kg，身高 50-280 "
     u"cm；按一位小数的 "
     u"BMI 判定。",
     "tzzs"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
