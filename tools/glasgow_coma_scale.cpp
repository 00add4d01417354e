// Tool 066: the Glasgow Coma Scale total.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Each component is a whole number on its scale; 0 or less is refused by
// the window, a fraction or a number above the scale makes the total
// infinite, so the compute fails visibly.
constexpr InputField kInputs[] = {
    {"e", u"睁眼反应 E", u"1-4 分", 4, 0},
    {"v", u"语言反应 V", u"1-5 分", 5, 0},
    {"m", u"运动反应 M", u"1-6 分", 6, 0},
};
static_assert(DefaultsAreAccepted(kInputs), "a default must pass its own lower bound");

constexpr OutputField kOutputs[] = {
    {"total", u"GCS 总分", u"分",
     "e+v+m+(e==floor(e)&&e<=4&&v==floor(v)&&v<=5&&m==floor(m)&&m<=6?0:1e999)", "int"},
};

// The severity classes of head injury.
constexpr VerdictRule kRules[] = {
    {"total<=8", 3, u"GCS 3-8：重型，昏迷，注意保护气道"},
    {"total<=12", 2, u"GCS 9-12：中型"},
    {"total<=14", 1, u"GCS 13-14：轻型"},
    {"", 0, u"GCS 15：意识清楚"},
};

constexpr ToolDef kTool = {
    66,
    u"格拉斯哥昏迷评分",
    u"GCS：睁眼、语言、运动",
    u"神经评估",
    u"Teasdale G, Jennett B. Lancet 1974;2:81：睁眼 1-4、语言 1-5、运动 1-6，总分 3-15；13-15 "
    u"轻型，9-12 中型，3-8 重型",
    u"各项填整数：睁眼 1-4，语言 1-5，运动 "
    u"1-6；超出范围或非整数时不出分。气管插管、失语等语言无法评估时本工具不适用。",
    InputCountOf(kInputs),
    kInputs,
    OutputCountOf(kOutputs),
    kOutputs,
    RuleCountOf(kRules),
    kRules,
    ToolKind::Formula,
};

}  // namespace

template <>
const ToolDef& ToolDefinition<kTool.id>() {
    return kTool;
}

}  // namespace kelomed
