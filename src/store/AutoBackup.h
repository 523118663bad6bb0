#pragma once
// The automatic backup of the current employer's files: every run copies them
// into a new time-stamped folder; nothing is ever deleted or rotated.

#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kStopAutoBackupFile = "stopAutoBackup.cfg";
inline constexpr const char* kAutoBackupPfadFile = "AutoBackupPfad.cfg";

enum class AutoBackupResult {
  Done,         // the folder exists and every present file was copied
  SwitchedOff,  // stopAutoBackup.cfg exists: nothing copied
  Failed,       // the user was told; the files copied so far stay
};

// Copies the current employer's files (DataFileStem) into a time-stamped
// backup folder. Never throws: a failure is reported through the dialogs and
// never stops the operation that asked for the backup.
AutoBackupResult RunAutoBackup(AppState& state);
// The same for another employer, e.g. the one being left when choosing anew.
AutoBackupResult RunAutoBackup(AppState& state, std::string_view stem);

// The backup root named by the text of AutoBackupPfad.cfg: the last piece
// between ";" that is not empty once line breaks and blanks around it are
// trimmed. "\" counts as a folder separator; the root always ends in "/".
// Empty (the working directory) when no piece is left.
std::string AutoBackupRootFromConfig(std::string_view configText);

// "ZR-<stem>-YYYYMMDD-HHMM-SSms" with the first two digits of the milliseconds.
std::string AutoBackupFolderName(std::string_view stem, const platform::DateTime& t);

}  // namespace lohn
