// Tool 105: the high-alert drugs card.
#include "tools/suite.h"

namespace kelomed {
namespace {

// The number selects the group; 0 and any number not listed show the
// anaesthetics, so every value is valid.
constexpr InputField kInputs[] = {
    {"kind", u"药品类别编号", u"号", 1},
};
static_assert(DefaultsAreAccepted(kInputs), "a default must pass its own lower bound");

constexpr ToolDef kTool = {
    105,
    u"高警示药品要点",
    u"分类管理与核对要点",
    u"用药安全",
    u"中国药学会医院药学专业委员会《中国高警示药品推荐目录（2019版）》",
    u"类别编号：1 高浓度电解质　2 胰岛素与口服降糖药　3 抗凝与化疗药；0 或其他数字：麻醉与肌松药。",
    InputCountOf(kInputs),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    ToolKind::HighAlertDrugs,
};

}  // namespace

template <>
const ToolDef& ToolDefinition<kTool.id>() {
    return kTool;
}

}  // namespace kelomed
