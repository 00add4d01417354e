// The window's mutable state, shared by painting, the commands and the
// record store. One instance lives as long as the process.
#pragma once

#include <cstdint>

#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kReportCopyCapacity = 8192;
inline constexpr int kCopyTextCapacity = 1024;
inline constexpr int kStatusTextCapacity = 256;

struct WindowState {
    const ToolDef* tool = nullptr;
    // Severity of the last verdict; the verdict label is coloured by it.
    std::int32_t level = 0;
    // The inputs of the last compute that reached the engine: the record
    // store pairs them with the kept report.
    double inputs[kMaxInputs] = {};
    // A result exists while this is not empty.
    char16_t reportCopy[kReportCopyCapacity] = {};
    char16_t copyText[kCopyTextCapacity] = {};
    char16_t statusText[kStatusTextCapacity] = {};
};

bool HasResult(const WindowState& state);

}  // namespace kelomed
