#include "engine/local_date.h"

namespace kelomed {
namespace {

LocalDateSource currentSource = nullptr;
CivilDate fixedDate{};

CivilDate ReadFixedDate() {
    return fixedDate;
}

}  // namespace

CivilDate ReadLocalDate() {
    return currentSource != nullptr ? currentSource() : ReadPlatformLocalDate();
}

LocalDateSource SetLocalDateSource(LocalDateSource source) {
    const LocalDateSource previous = currentSource;
    currentSource = source;
    return previous;
}

void FixLocalDate(CivilDate date) {
    fixedDate = date;
    SetLocalDateSource(ReadFixedDate);
}

}  // namespace kelomed
