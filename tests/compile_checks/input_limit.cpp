// Compiles with 16 inputs; with TOO_MANY_INPUTS defined, a 17th input must
// stop the build.
#include "engine/tool_model.h"

namespace {

constexpr kelomed::InputField kInputs[] = {
    {"a", u"a", u"", 0}, {"b", u"b", u"", 0}, {"c", u"c", u"", 0}, {"d", u"d", u"", 0},
    {"e", u"e", u"", 0}, {"f", u"f", u"", 0}, {"g", u"g", u"", 0}, {"h", u"h", u"", 0},
    {"i", u"i", u"", 0}, {"j", u"j", u"", 0}, {"k", u"k", u"", 0}, {"l", u"l", u"", 0},
    {"m", u"m", u"", 0}, {"n", u"n", u"", 0}, {"o", u"o", u"", 0}, {"p", u"p", u"", 0},
#ifdef TOO_MANY_INPUTS
    {"q", u"q", u"", 0},
#endif
};

constexpr std::int32_t kCount = kelomed::InputCountOf(kInputs);
static_assert(kCount >= 16);

}  // namespace
