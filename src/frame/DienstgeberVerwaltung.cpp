#include "frame/DienstgeberVerwaltung.h"

#include <algorithm>
#include <filesystem>

#include "store/AutoBackup.h"
#include "store/Cp1252.h"
#include "store/DienstgeberStore.h"
#include "store/FileUtil.h"
#include "store/LockFile.h"
#include "store/ProgramState.h"
#include "store/RecordFile.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

bool IsSafeNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_';
}

bool AllSafe(const std::string& name) {
  return std::all_of(name.begin(), name.end(), IsSafeNameChar);
}

// The employer of a file chosen in the list ("<stem>.ABR").
std::string StemOf(const std::string& chosenFile) {
  return CutChars(getNameFromPfad(chosenFile), kMaxStemLength);
}

}  // namespace

bool StemImDatenordner(const std::string& stem) {
  return stem != "." && stem != ".." && stem.find_first_of("/\\") == std::string::npos;
}

bool DienstgeberDateienVorhanden(const std::string& stem) {
  return FileExists(DataFileName(stem, "PER")) && FileExists(DataFileName(stem, "ABR"));
}

std::optional<std::string> CheckDienstgeberNameTyping(const std::string& name) {
  if (!AllSafe(name)) return "Punkte und Sonderzeichen im Dienstgeber-Namen nicht erlaubt!";
  return std::nullopt;
}

std::optional<std::string> CheckNewDienstgeberName(const std::string& name) {
  if (name.empty()) return "Bitte geben Sie einen Namen für den neuen Dienstgeber ein!";
  if (!AllSafe(name)) return "Punkte und Sonderzeichen im Firma-Namen nicht erlaubt!";
  if (CharCount(name) > std::size_t(kMaxNewStemLength))
    return "Dienstgeber-Name maximal 8 Zeichen!";
  return std::nullopt;
}

bool CreateDienstgeber(AppState& state, const std::string& rawName, bool* exists) {
  std::string name = CutChars(rawName, kMaxStemLength);
  if (exists) *exists = false;
  int err = 0;
  const DienstgeberBytes adr = DienstgeberDefaults().pack();
  const std::string adrFile = DataFileName(name, "ADR");
  if (DienstgeberDateienVorhanden(name)) {
    // Without its .ADR (a creation cut off by an older version, a file
    // removed by hand) the employer's data could never be saved.
    if (!CreateFileIfMissing(adrFile, Bytes(adr.begin(), adr.end()), &err))
      state.dialogs().ShowMessage(CreateFailedMessage(adrFile, err));
    state.dialogs().ShowMessage("Ein Dienstgeber mit diesem Namen existiert bereits!");
    if (exists) *exists = true;
    return false;
  }
  // The .ABR, which makes the employer exist, comes last: a creation cut off
  // half way leaves no employer, and creating it again completes the files.
  const std::pair<std::string, Bytes> files[] = {
      {adrFile, Bytes(adr.begin(), adr.end())},
      {DataFileName(name, "PER"), {}},
      {DataFileName(name, "ABR"), {}},
  };
  for (const auto& [file, content] : files) {
    // An existing file is never truncated.
    if (!CreateFileIfMissing(file, content, &err)) {
      state.dialogs().ShowMessage(CreateFailedMessage(file, err));
      return false;
    }
  }
  state.DataFileStem = name;
  state.dialogs().ShowMessage("Der Dienstgeber " + name +
                              " wurde angelegt und zur Bearbeitung ausgewählt");
  return true;
}

std::vector<std::string> ListDienstgeber() {
  std::vector<std::string> stems;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(".", ec)) {
    if (!entry.is_regular_file(ec)) continue;
    std::string file = entry.path().filename().string();
    if (file.size() <= 4 || file.compare(file.size() - 4, 4, ".ABR") != 0) continue;
    // Choosing or deleting acts on the name up to the first "." (cut to 13
    // characters): any other file would stand for another employer.
    std::string stem = file.substr(0, file.size() - 4);
    if (stem.find_first_of(".\\/") == std::string::npos &&
        CharCount(stem) <= std::size_t(kMaxStemLength))
      stems.push_back(stem);
  }
  std::sort(stems.begin(), stems.end());
  return stems;
}

void EnsureDokumenteFolder(const std::string& stem) {
  std::error_code ec;
  std::filesystem::create_directory(kDokumenteFolderPrefix + stem, ec);
}

bool ChooseDienstgeber(AppState& state, const std::string& chosenFile) {
  RunAutoBackup(state);
  bool chosen = !chosenFile.empty();
  if (!chosen) {
    state.dialogs().ShowMessage("Bitte selektieren Sie vorher einen Dienstgeber");
  } else {
    state.DataFileStem = StemOf(chosenFile);
    SaveProgramState(state);
    LoadDienstgeberDaten(state);
  }
  EnsureDokumenteFolder(state.DataFileStem);
  return chosen;
}

bool DeleteDienstgeber(AppState& state, const std::string& chosenFile) {
  auto& dlg = state.dialogs();
  if (chosenFile.empty()) {
    dlg.ShowMessage("Bitte selektieren Sie vorher einen Dienstgeber");
    return false;
  }
  std::string stem = StemOf(chosenFile);
  if (stem == "DEMO") {
    dlg.ShowMessage("DEMO-Dienstgeber kann nicht gelöscht werden!");
    return false;
  }
  if (stem == state.DataFileStem) {
    dlg.ShowMessage("Derzeit ausgewählter Dienstgeber kann nicht gelöscht werden!");
    return false;
  }
  // Someone is writing this employer's data right now.
  for (const char* ext : {kLockSPE, kLockSAB, kLockSAD, kLockSST}) {
    if (LockFilePresent(stem, ext)) {
      dlg.ShowMessage(kLockMessage);
      return false;
    }
  }
  if (!dlg.AskYesNo("Dienstgeber " + stem + " wirklich löschen?")) return false;
  for (const char* ext : {"PER", "ABR", "ADR", "STO"}) {
    std::string file = DataFileName(stem, ext);
    int err = 0;
    if (!RemoveFileIfPresent(file, &err))
      dlg.ShowMessage("Die Datei \"" + file +
                      "\" konnte nicht gelöscht werden: " + IoErrorText(err));
  }
  return true;
}

}  // namespace lohn
