#pragma once
// The automatic backup of the current employer's files.

#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kStopAutoBackupFile = "stopAutoBackup.cfg";

// Copies the current employer's files into a time-stamped backup folder.
void RunAutoBackup(AppState& state);

}  // namespace lohn
