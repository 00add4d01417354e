// Small tool definitions for tests, beside the build's tool 48.
#pragma once

#include "engine/tool_model.h"

namespace kelomed::testing {

// Inputs dose, w, drug, dil, x (x also names an output, which it shadows);
// outputs conc, rate, twice (reads conc), early (reads the later "late"), late, x.
inline constexpr InputField kProbeInputs[] = {
    {"dose", u"目标剂量", u"ug/kg/min", 0.2},
    {"w", u"体重", u"kg", 60},
    {"drug", u"药量", u"mg", 4},
    {"dil", u"稀释至", u"ml", 50},
    {"x", u"x", u"", 0},
};
inline constexpr OutputField kProbeOutputs[] = {
    {"conc", u"浓度", u"ug/ml", "drug*1000/dil", "f1"},
    {"rate", u"泵速", u"ml/h", "dose*w*60/conc", nullptr},
    {"twice", u"两倍", nullptr, "conc*2", "f0"},
    {"early", u"提前", u"", "late+1", "f0"},
    {"late", u"之后", u"", "5", "f0"},
    {"x", u"影子", u"", "99", "f0"},
};
inline constexpr ToolDef kProbeTool = {
    900,
    u"探针",
    nullptr,
    u"测试",
    u"无",
    nullptr,
    InputCountOf(kProbeInputs),
    kProbeInputs,
    OutputCountOf(kProbeOutputs),
    kProbeOutputs,
    0,
    nullptr,
    nullptr,
};

}  // namespace kelomed::testing
