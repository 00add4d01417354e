// Tool 104: the critical values card.
#include "tools/suite.h"

namespace kelomed {
namespace {

// The number selects the group of tests; 0 and any number not listed refer
// to the hospital's own list, so every value is valid.
constexpr InputField kInputs[] = {
    {"kind", u"项目组编号", u"号", 1},
};
static_assert(DefaultsAreAccepted(kInputs), "a default must pass its own lower bound");

constexpr ToolDef kTool = {
    104,
    u"检验危急值速查",
    u"常见危急值界值与报告流程",
    u"检验标本",
    u"国家卫生健康委《医疗质量安全核心制度要点》危急值报告制度；界值以本院危急值目录为准",
    u"项目组编号：1 电解质　2 血糖与血气　3 血细胞　4 凝血　5 微生物　6 心肌与胰酶；0 "
    u"或其他数字：查阅本院目录。",
    InputCountOf(kInputs),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    ToolKind::CriticalValues,
};

}  // namespace

template <>
const ToolDef& ToolDefinition<kTool.id>() {
    return kTool;
}

}  // namespace kelomed
