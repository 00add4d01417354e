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

// Drops per minute are the volume times the drop factor over the minutes;
// the time to run is the volume times the drop factor over the drops. The
// evaluator reads both branches of a condition, so the planned minutes,
// which count 0 when the drops are given, add 1 then rather than divide by
// 0.
constexpr OutputField kOutputs[] = {
    {"gtt", u"每分钟滴数", u"滴/分", "mode==1?volume*factor/(hours*60+minutes+(mode==2)):drops",
     "g3"},
    {"ml_h", u"每小时输入量", u"ml/h", "gtt*60/factor", "g3"},
    {"run", u"输完所需时间", u"", "volume*factor/gtt", "hm"},
    {"end", u"预计输完时间", u"", "start+run/60", "clock"},
};

// The usual rates of the nursing textbook, by the patient.
constexpr VerdictRule kRules[] = {
    {"gtt<1", 3, u"滴速低于 1 滴/分，重力输液无法调准，请改用输液泵或核对计划"},
    {"group==1&&gtt>60", 2, u"高于成人常用滴速 40-60 滴/分，请核对医嘱、病情与药物"},
    {"group==1&&gtt<40", 1, u"低于成人常用滴速 40-60 滴/分，请核对医嘱"},
    {"group==2&&gtt>40", 2, u"高于儿童常用滴速 20-40 滴/分，请核对医嘱、病情与药物"},
    {"group==2&&gtt<20", 1, u"低于儿童常用滴速 20-40 滴/分，请核对医嘱"},
    {"", 0, u"在常用滴速范围内（成人 40-60、儿童 20-40 滴/分）"},
};

constexpr ToolDef kTool = FormulaTool(
    {132, u"输液滴速与输液时间", u"每分钟滴数、每小时入量、输完时间", u"用药与输液",
     u"李小寒、尚少梅主编《基础护理学》第 7 版（人民卫生出版社 2022）静脉输液：每分钟滴数 = "
     u"液体总量(ml) × 点滴系数 ÷ 输液时间(min)，输液时间(min) = 液体总量 × 点滴系数 ÷ 每分钟滴数；"
     u"一般成人 40-60 滴/分，儿童 20-40 滴/分，按病情、年龄与药物调整",
     u"点滴系数见输液器包装（常用 10、15、20 滴/ml，微量 60 滴/ml）。预计输完时间跨午夜时显示"
     u"“次日”。计划时间 0 时 0 分无法计算。",
     "sydsysysj"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
