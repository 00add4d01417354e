#include "tools/infusion.h"

namespace kelomed {
namespace {

const InfusionDrug* const kLibrary[] = {
#define KELOMED_TOOL(id, file)
#define KELOMED_INFUSION_TOOL(id, file) &InfusionDrugDefinition<id>(),
#include "tools/tool_list.h"
#undef KELOMED_INFUSION_TOOL
#undef KELOMED_TOOL
};

}  // namespace

std::span<const InfusionDrug* const> InfusionLibrary() {
    return kLibrary;
}

}  // namespace kelomed
