#pragma once
// The program state file Lohnver.LOA, the global settings file GLOB.DAT, and
// the program password.

#include <array>
#include <cstdint>
#include <string>

#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kProgramStateFile = "Lohnver.LOA";
inline constexpr const char* kGlobFile = "GLOB.DAT";
inline constexpr const char* kDefaultPassword = "trux";
inline constexpr const char* kDemoStem = "DEMO";

// Offsets of the fields of Lohnver.LOA that the program uses.
namespace loa {
inline constexpr std::size_t kStem = 0, kSecondStem = 14, kStartDay = 72, kStartMonth = 76,
                             kStartYear = 80, kPrintLogo = 108, kPassword = 109;
}

std::array<std::uint8_t, kProgramStateSize> DefaultProgramStateRecord();
std::array<std::uint8_t, kGlobRecordSize> DefaultGlobRecord();

// Reads Lohnver.LOA into the state, creating it with the defaults when it is
// missing or empty (a creation that was cut off). A file too short for one
// record is not guessed at: the user is told which file is damaged and false
// comes back, with nothing written.
bool LoadProgramState(AppState& state);

// Rewrites Lohnver.LOA from the state; the fields the program does not use
// keep what was loaded. False (after a message) when the file can't be written.
bool SaveProgramState(AppState& state);

// True when this process may create and change files in the data folder
// (the working directory).
bool DatenordnerSchreibbar();

// Start-up load: program state, global settings and the fall-back to the
// employer DEMO when the last employer's files are gone or its stored stem
// points outside the data folder. A data folder that cannot be written is
// told once, and the start goes on. False when the program must end.
bool LoadGlobalSettings(AppState& state);

// True when the password is accepted; shows the login window unless the
// default password is stored.
bool AskPasswordAtStart(AppState& state);

// The shortest password the change takes.
inline constexpr int kMinKennwortLaenge = 2;

// The password change after the menu's confirmation: the current password
// (unless the default is stored), then the new one twice; it changes only
// when both entries agree.
void ChangePassword(AppState& state);

}  // namespace lohn
