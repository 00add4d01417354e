// Tool 111: the laboratory panels card.
#include "tools/suite.h"

namespace kelomed {
namespace {

// The number selects the panel; 0 and any number not listed show the urine
// test, so every value is valid.
constexpr InputField kInputs[] = {
    {"panel", u"套餐编号", u"号", 1},
};
static_assert(DefaultsAreAccepted(kInputs), "a default must pass its own lower bound");

constexpr ToolDef kTool = {
    111,
    u"常用检验套餐",
    u"项目组成、采血管与注意事项",
    u"检验标本",
    u"WS/T 661-2020《静脉血液标本采集指南》；本院检验项目手册",
    u"套餐编号：1 血常规　2 生化全套　3 凝血四项　4 甲状腺功能　5 心肌损伤标志物；0 "
    u"或其他数字：尿常规。",
    InputCountOf(kInputs),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    ToolKind::LabPanels,
};

}  // namespace

template <>
const ToolDef& ToolDefinition<kTool.id>() {
    return kTool;
}

}  // namespace kelomed
