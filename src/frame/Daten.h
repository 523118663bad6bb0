#pragma once
// The data folder and the copy route of the data-folder window. The data
// folder is the working directory: every data file lives there, and the ELDA
// and XML files go into folders under it.

#include <functional>
#include <string>
#include <vector>

#include "store/AppState.h"

namespace lohn {

// The user's own copy script, run hidden by "Daten kopieren".
inline constexpr const char* kCopyBatchFile = "copya.bat";
// Names the target folder whose payroll files the window lists beside the
// data folder's ("<folder>;", the form of AutoBackupPfad.cfg).
inline constexpr const char* kZiellaufwerkFile = "Ziellaufwerk.cfg";

// The data folder, absolute, without a separator at the end.
std::string DatenOrdner();
// The folders under it for the ELDA files and the FinanzOnline XML files.
std::string EldaOrdner();
std::string XmlOrdner();

// The payroll files (*.ABR, in any letter case) of a folder, sorted by name;
// empty when the folder is missing or unreadable.
std::vector<std::string> LohnDatenDateien(const std::string& folder);

// The configured target folder; empty when Ziellaufwerk.cfg is missing or
// names none.
std::string Ziellaufwerk();

// "Daten kopieren": asks, then refreshes the lists, starts copya.bat hidden
// through the system shell, refreshes again and says that it runs. False when
// the user said no.
bool DatenKopieren(AppState& state, const std::function<void()>& refresh);

// "Ziellaufwerk konfigurieren": after the warning opens copya.bat in the
// desktop's text editor (created empty first, so the editor has a file).
void ZiellaufwerkKonfigurieren(AppState& state);

// "Wiederherstellung der Daten": the hint, then the data folder in the file
// manager.
void WiederherstellungDerDaten(AppState& state);

// The data folder in the desktop's file manager.
void DatenOrdnerOeffnen(AppState& state);

}  // namespace lohn
