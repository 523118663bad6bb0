#include "frame/Daten.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "store/AutoBackup.h"
#include "store/FileUtil.h"

namespace lohn {

namespace fs = std::filesystem;

std::string DatenOrdner() {
  std::error_code ec;
  auto cwd = fs::current_path(ec);
  return ec ? std::string(".") : cwd.string();
}

std::string EldaOrdner() { return DatenOrdner() + "/ELDA"; }
std::string XmlOrdner() { return DatenOrdner() + "/XML"; }

std::vector<std::string> LohnDatenDateien(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  if (folder.empty()) return names;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc)) continue;
    std::string name = it->path().filename().string();
    std::string ext = it->path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    if (ext == ".ABR") names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string Ziellaufwerk() {
  if (!FileExists(kZiellaufwerkFile)) return {};
  auto text = ReadTextFileUtf8(kZiellaufwerkFile);
  return text ? AutoBackupRootFromConfig(*text) : std::string();
}

bool DatenKopieren(AppState& state, const std::function<void()>& refresh) {
  if (!state.dialogs().AskYesNo(
          "Wollen Sie die Lohn-Daten auf Ihr Disekttenlaufwerk bzw. Ziellaufwerk kopieren?"))
    return false;
  refresh();
  // The script is the user's: run it by the shell, so it needs no execute bit.
  state.services.shell.StartProgram("sh", {DatenOrdner() + "/" + kCopyBatchFile}, true);
  refresh();
  state.dialogs().ShowMessage(
      "Der Kopiervorgang wurde gestartet und läuft im Hintergrund! Klicken Sie auf den Button "
      "\"Aktualisieren\" um zu sehen ob alle Daten kopiert werden konnten.");
  return true;
}

void ZiellaufwerkKonfigurieren(AppState& state) {
  if (!state.dialogs().AskYesNo(
          "ACHTUNG: wenn Sie die bestehende Konfiguration ändern, dann ändern Sie damit das "
          "Verhalten der Datensicherung. Beachten Sie bitte die Hinweise im Handbuch. Wollen Sie "
          "die Konfiguration jetzt bearbeiten?"))
    return;
  CreateFileIfMissing(kCopyBatchFile, {});
  state.services.shell.Open(DatenOrdner() + "/" + kCopyBatchFile);
}

void WiederherstellungDerDaten(AppState& state) {
  state.dialogs().ShowMessage(
      "Zur Wiederherstellung Ihrer Daten von der Diskette verwenden Sie den Windows-Explorer und "
      "beachten bitte die Hinweise im Handbuch unter \"Wiederherstellung der Daten ...\"!");
  DatenOrdnerOeffnen(state);
}

void DatenOrdnerOeffnen(AppState& state) { state.services.shell.Open(DatenOrdner()); }

}  // namespace lohn
