// The "保存记录" command: appends the last result to the tool's record file
// and tells the nurse honestly whether it was saved.
#pragma once

#include "app/decisions/window_state.h"
#include "app/decisions/window_view.h"
#include "app/platform/record_files.h"

namespace kelomed {

// Saves with the platform's application-data folder and local time.
void RunSaveCommand(WindowState& state, WindowView& view);

// The decisions of the save, given the folder (null when the platform could
// not determine it) and the moment of saving.
void SaveRecordCommand(WindowState& state, WindowView& view, const char16_t* appDataFolder,
                       const LocalTime& time);

}  // namespace kelomed
