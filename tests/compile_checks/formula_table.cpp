// A formula tool whose table passes its checks compiles; each WRONG_*
// variant must stop the build with its check's message.
#include "engine/tool_model.h"

namespace kelomed {
namespace {

constexpr InputChoice kItems[] = {
    {0, u"0 无"},
#ifdef WRONG_SCALE_OPTION_WITHOUT_POINTS
    {1, u"轻度"},
#else
    {1, u"1 轻度"},
#endif
};

constexpr InputField kInputs[] = {
    NumberInput("dose", u"剂量", u"mg", 1, Between(0, 10)),
    ChoiceInput("item", u"项目", 0, kItems),
    CheckInput<2>("factor", u"危险因素"),
#ifdef WRONG_CONDITION_READS_A_NUMBER
    CheckInput<1>("late", u"仅在剂量大时", "dose>5"),
#else
    CheckInput<1>("late", u"仅在有危险因素时", "factor"),
#endif
#ifdef WRONG_LABEL_TOO_WIDE
    NumberInput("wide", u"一个放不进标签栏的很长很长的标签", u"", 1, Between(0, 10)),
#endif
};

constexpr OutputField kOutputs[] = {
    {"total", u"总分", u"分", "item+factor+late", "f0"},
#ifdef WRONG_OUTPUT_READS_A_LATER_OUTPUT
    {"twice", u"两倍", u"", "total*2+after", "f0"},
#elif defined(WRONG_OUTPUT_NOT_AN_EXPRESSION)
    {"twice", u"两倍", u"", "total**2", "f0"},
#else
    {"twice", u"两倍", u"", "total*2+max(dose, 1e-3)", "f0"},
#endif
    {"after", u"之后", u"", "1", "f0"},
};

constexpr VerdictRule kRules[] = {
#ifdef WRONG_UNKNOWN_KEY_IN_RULE
    {"totl>=3", 3, u"高"},
#elif defined(WRONG_UNKNOWN_FUNCTION)
    {"maximum(total, 3)>=3", 3, u"高"},
#elif defined(WRONG_RULE_ENDS_IN_AN_OPERATOR)
    {"total>=3 &&", 3, u"高"},
#elif defined(WRONG_RULE_DOUBLES_AN_OPERATOR)
    {"total<<3", 3, u"高"},
#else
    {"total>=3", 3, u"高"},
#endif
#ifdef WRONG_LEVEL
    {"total>=2", 7, u"中"},
#else
    {"total>=2", 2, u"中"},
#endif
#ifdef WRONG_NO_RULE_MATCHES_ALWAYS
    {"total<2", 0, u"低"},
#else
    {"", 0, u"低"},
#endif
};

#ifdef WRONG_INITIALS_MISS_A_CHARACTER
constexpr char kInitials[] = "syl";
#else
constexpr char kInitials[] = "sylb";
#endif

#ifdef WRONG_CATEGORY
constexpr char16_t kCategory[] = u"神经评估";
#else
constexpr char16_t kCategory[] = u"护理评估";
#endif

constexpr ToolDef kTool =
    ScaleTool({998, u"试验量表", u"测试", kCategory, u"依据（2026）", u"说明", kInitials}, kInputs,
              kOutputs, kRules);
static_assert(kTool.listsChosenItems);

}  // namespace
}  // namespace kelomed
