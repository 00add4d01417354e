// Tool 132: the drip rate of a gravity infusion and the time it runs.
#include "tools/suite.h"

namespace kelomed {
namespace {

constexpr InputChoice kModes[] = {{1, u"按计划时间求滴速"}, {2, u"按实际滴速求输完时间"}};
constexpr InputChoice kGroups[] = {{1, u"成人"}, {2, u"儿童"}};
constexpr InputChoice kDropFactors[] = {
    {10, u"10 滴/ml"}, {15, u"15 滴/ml"}, {20, u"20 滴/ml"}, {60, u"60 滴/ml（微量）"}};

// A bag of up to 5 l over up to three days; whole drops per minute as the
// nurse counts them at the chamber.
constexpr InputField kInputs[] = {
    ChoiceInput("mode", u"计算方式", 1, kModes),
    ChoiceInput("group", u"患者", 1, kGroups),
    NumberInput("volume", u"液体总量", u"ml", 500, Between(1, 5000)),
    ChoiceInput("factor", u"输液器点滴系数", 20, kDropFactors),
    NumberInput("hours", u"计划输液时间（时）", u"小时", 3, WholeBetween(0, 72), "mode==1"),
    NumberInput("minutes", u"计划输液时间（分）", u"分", 0, WholeBetween(0, 59), "mode==1"),
    NumberInput("drops", u"实际滴速", u"滴/分", 50, WholeBetween(1, 200), "mode==2"),
    ClockTimeInput("start", u"开始时间", 8),
};

// Drops per minute are the volume times the drop factor over the minutes,
// shown whole as the nurse counts them, and the rules read that whole
// number; the time to run is the volume times the drop factor over the
// drops. The evaluator reads both branches of a condition, so the planned
// minutes, which count 0 when the drops are given, add 1 then rather than
// divide by 0. The end is the start plus the running time as shown, both in
// whole minutes, so the two never disagree by a rounding.
constexpr OutputField kOutputs[] = {
    {"gtt", u"每分钟滴数", u"滴/分", "mode==1?volume*factor/(hours*60+minutes+(mode==2)):drops",
     "int"},
    {"ml_h", u"每小时输入量", u"ml/h", "gtt*60/factor", "g3"},
    {"run", u"输完所需时间", u"", "volume*factor/gtt", "hm"},
    {"end", u"预计输完时间", u"", "round(start*60)+round(run)", "clock"},
};

// The textbook's usual rates are drops on the standard set of 20 drops per
// ml (ISO 8536-4, adopted as GB 8368), so the verdict reads ml/h and holds whatever set is hung; a
// rate the chamber cannot be set to (under 1 or over 200 drops a minute, the field's own limit for
// counted drops) is red and says what to change.
constexpr VerdictRule kRules[] = {
    {"gtt<1", 3, u"滴速不足 1 滴/分，无法调准：请缩短计划时间、换点滴系数更大的输液器或用输液泵"},
    {"gtt>200", 3,
     u"滴速超过 200 滴/分，无法调准：请延长计划时间、换点滴系数更小的输液器或用输液泵"},
    {"group==1&&ml_h>180", 2,
     u"高于成人常用速度 120-180 ml/h（即 20 滴/ml 时 40-60 滴/分），请核对医嘱、病情与药物"},
    {"group==1&&ml_h<120", 1,
     u"低于成人常用速度 120-180 ml/h（即 20 滴/ml 时 40-60 滴/分），请核对医嘱"},
    {"group==2&&ml_h>120", 2,
     u"高于儿童常用速度 60-120 ml/h（即 20 滴/ml 时 20-40 滴/分），请核对医嘱、病情与药物"},
    {"group==2&&ml_h<60", 1,
     u"低于儿童常用速度 60-120 ml/h（即 20 滴/ml 时 20-40 滴/分），请核对医嘱"},
    {"", 0, u"在常用速度范围内（成人 120-180、儿童 60-120 ml/h）"},
};

constexpr ToolDef kTool = FormulaTool(
    {132, u"输液滴速与输液时间", u"每分钟滴数、每小时入量、输完时间", u"用药与输液",
     u"李小寒、尚少梅主编《基础护理学》第 7 版（人民卫生出版社 2022）静脉输液：每分钟滴数 = "
     u"液体总量(ml) × 点滴系数 ÷ 输液时间(min)，输液时间(min) = 液体总量 × 点滴系数 ÷ 每分钟滴数；"
     u"一般成人 40-60 滴/分，儿童 20-40 滴/分，按病情、年龄与药物调整（软性范围）。"
     u"ISO 8536-4:2020（GB 8368《一次性使用输液器 重力输液式》修改采用）7.8：滴管 20 滴（或微量 60 "
     u"滴）蒸馏水为 1 ml ± 0.1 ml，"
     u"故常用滴速按 20 滴/ml 折合为每小时入量（成人 120-180、儿童 60-120 ml/h）判断",
     u"点滴系数见输液器包装（常用 10、15、20 滴/ml，微量 60 滴/ml）。预计输完时间跨午夜时显示"
     u"“次日”。每分钟滴数取整数（四舍五入）。计划时间 0 时 0 分无法计算。",
     "sydsysysj"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
