// Tool 131: the 0-10 numeric rating scale of pain.
#include "tools/suite.h"

namespace kelomed {
namespace {

constexpr InputField kInputs[] = {
    NumberInput("pain", u"疼痛评分（0-10）", u"分", 0, WholeBetween(0, 10)),
};

constexpr OutputField kOutputs[] = {
    {"score", u"疼痛数字评分", u"分", "pain", "int"},
};

// The grades of the national cancer-pain standard: 1-3 mild, 4-6 moderate,
// 7-10 severe (another publication grades 4 as mild).
constexpr VerdictRule kRules[] = {
    {"score>=7", 3, u"7-10 分：重度疼痛"},
    {"score>=4", 2, u"4-6 分：中度疼痛"},
    {"score>=1", 1, u"1-3 分：轻度疼痛"},
    {"", 0, u"0 分：无痛"},
};

constexpr ToolDef kTool = FormulaTool(
    {131, u"疼痛数字评分（NRS）", u"0-10 数字评分法", u"护理评估",
     u"国家卫生健康委员会《癌症疼痛诊疗规范（2018 年版）》：0 无痛，1-3 轻度，4-6 中度，7-10 重度"
     u"（Serlin RC 等. Pain 1995;61(2):277-284 以 1-4 为轻度，国内按规范以 4 分为中度）",
     u"请患者用 0-10 的数字表示疼痛程度，0 为无痛，10 为能想象的最剧烈疼痛。", "ttszpf nrs"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
