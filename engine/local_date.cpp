#include "engine/local_date.h"

namespace kelomed {
namespace {

LocalDateSource currentSource = nullptr;

}  // namespace

CivilDate ReadLocalDate() {
    return currentSource != nullptr ? currentSource() : ReadPlatformLocalDate();
}

LocalDateSource SetLocalDateSource(LocalDateSource source) {
    const LocalDateSource previous = currentSource;
    currentSource = source;
    return previous;
}

}  // namespace kelomed
