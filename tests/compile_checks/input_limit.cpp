// Compiles with 48 inputs; with TOO_MANY_INPUTS defined, a 49th input must
// stop the build.
#include "engine/tool_model.h"

namespace {

#define KELOMED_EIGHT_INPUTS(a)                                                 \
    {#a "1", u"a", u"", 0}, {#a "2", u"a", u"", 0}, {#a "3", u"a", u"", 0},     \
        {#a "4", u"a", u"", 0}, {#a "5", u"a", u"", 0}, {#a "6", u"a", u"", 0}, \
        {#a "7", u"a", u"", 0}, {                                               \
#a "8", u"a", u"", 0                                                    \
    }

constexpr kelomed::InputField kInputs[] = {
    KELOMED_EIGHT_INPUTS(a), KELOMED_EIGHT_INPUTS(b), KELOMED_EIGHT_INPUTS(c),
    KELOMED_EIGHT_INPUTS(d), KELOMED_EIGHT_INPUTS(e), KELOMED_EIGHT_INPUTS(f),
#ifdef TOO_MANY_INPUTS
    {"q", u"q", u"", 0},
#endif
};

constexpr std::int32_t kCount = kelomed::InputCountOf(kInputs);
static_assert(kCount >= 48);

}  // namespace
