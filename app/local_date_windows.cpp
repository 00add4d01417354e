#include <windows.h>

#include "engine/local_date.h"

namespace kelomed {

CivilDate ReadPlatformLocalDate() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

}  // namespace kelomed
