#include "store/AutoBackup.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "store/FileUtil.h"
#include "store/ProgramState.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace fs = std::filesystem;

namespace {

bool CreateFolderIfMissing(const fs::path& p) {
  std::error_code ec;
  fs::create_directory(p, ec);
  // create_directory does not report an existing plain file of that name.
  return !ec && fs::is_directory(p, ec);
}

bool CopyOne(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec)) return true;
  // A half-written copy would pass for a backup; better none.
  std::error_code ignored;
  fs::remove(to, ignored);
  return false;
}

}  // namespace

std::string AutoBackupRootFromConfig(std::string_view configText) {
  std::string_view root;
  std::size_t start = 0;
  while (start <= configText.size()) {
    auto end = configText.find(';', start);
    if (end == std::string_view::npos) end = configText.size();
    auto piece = TrimBlanks(configText.substr(start, end - start));
    if (!piece.empty()) root = piece;
    start = end + 1;
  }
  std::string out(root);
  for (char& c : out)
    if (c == '\\') c = '/';
  if (!out.empty() && out.back() != '/') out += '/';
  return out;
}

std::string AutoBackupFolderName(std::string_view stem, const platform::DateTime& t) {
  auto two = [](int v) { return ZeroPadded(v, 2); };
  return "ZR-" + std::string(stem) + "-" + std::to_string(t.year) + two(t.month) + two(t.day) +
         "-" + two(t.hour) + two(t.minute) + "-" + two(t.second) + two(t.millisecond);
}

AutoBackupResult RunAutoBackup(AppState& state) { return RunAutoBackup(state, state.DataFileStem); }

AutoBackupResult RunAutoBackup(AppState& state, std::string_view stem) {
  // The switch is looked at first: while backup is off its configuration
  // does not matter, not even when it can't be read.
  if (FileExists(kStopAutoBackupFile)) return AutoBackupResult::SwitchedOff;

  std::string root;
  if (FileExists(kAutoBackupPfadFile)) {
    int err = 0;
    auto text = ReadTextFileUtf8(kAutoBackupPfadFile, &err);
    if (!text) {
      state.dialogs().ShowMessage(std::string(kAutoBackupPfadFile) + ": " + IoErrorText(err));
      return AutoBackupResult::Failed;
    }
    root = AutoBackupRootFromConfig(*text);
  }

  const fs::path base = root + "AutoBackup";
  const fs::path folder = base / AutoBackupFolderName(stem, state.services.clock.Now());
  bool ok = CreateFolderIfMissing(base) && CreateFolderIfMissing(folder);
  if (ok) {
    const std::string s(stem);
    for (const std::string& name : {s + ".PER", s + ".ABR", s + ".ADR", s + ".STO", s + ".KOR",
                                    std::string(kProgramStateFile)}) {
      if (!FileExists(name)) continue;
      if (!CopyOne(name, folder / name)) {
        ok = false;
        break;
      }
    }
  }
  if (ok) return AutoBackupResult::Done;
  state.dialogs().ShowMessage(
      "Autobackup konnte keine Sicherungskopien erstellen! Prüfen Sie bitte die Verfügbarkeit des "
      "Datenträgers " +
      root + "AutoBackup");
  return AutoBackupResult::Failed;
}

}  // namespace lohn
