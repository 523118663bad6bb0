#include "store/ProgramState.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "frame/DienstgeberVerwaltung.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/Real48.h"
#include "store/RecordBytes.h"
#include "store/TextRoutines.h"

namespace lohn {

std::array<std::uint8_t, kProgramStateSize> DefaultProgramStateRecord() {
  std::array<std::uint8_t, kProgramStateSize> r{};
  PutInt32(r.data(), loa::kStartDay, 1);
  PutInt32(r.data(), loa::kStartMonth, 1);
  PutInt32(r.data(), loa::kStartYear, 2000);
  PutBool(r.data(), loa::kPrintLogo, true);
  PutShortString(r.data(), loa::kPassword, 50, kDefaultPassword);
  return r;
}

std::array<std::uint8_t, kGlobRecordSize> DefaultGlobRecord() {
  std::array<std::uint8_t, kGlobRecordSize> r{};
  PutReal48(r.data(), 3040, 13.7603);  // schilling per euro
  return r;
}

namespace {

void ApplyLoaImage(AppState& state) {
  const std::uint8_t* r = state.programState.data();
  state.DataFileStem = GetShortString(r, loa::kStem, 13);
  state.SecondStem = GetShortString(r, loa::kSecondStem, 13);
  state.Password = GetShortString(r, loa::kPassword, 50);
  state.PrintLogoFlag = GetBool(r, loa::kPrintLogo);
}

template <std::size_t N>
Bytes ToBytes(const std::array<std::uint8_t, N>& a) {
  return Bytes(a.begin(), a.end());
}

}  // namespace

bool LoadProgramState(AppState& state) {
  state.programState = DefaultProgramStateRecord();
  int err = 0;
  if (!CreateFileIfMissing(kProgramStateFile, ToBytes(state.programState), &err)) {
    state.dialogs().ShowMessage(CreateFailedMessage(kProgramStateFile, err));
    return false;
  }
  auto bytes = ReadWholeFile(kProgramStateFile, &err);
  if (bytes && bytes->empty()) {
    // Only a creation that was cut off leaves an empty file (saves replace
    // the file whole); it holds nothing to lose, so it starts afresh.
    if (!WriteFileAtomic(kProgramStateFile, ToBytes(state.programState), &err)) {
      state.dialogs().ShowMessage(CreateFailedMessage(kProgramStateFile, err));
      return false;
    }
    bytes = ToBytes(state.programState);
  }
  if (!bytes) {
    state.dialogs().ShowMessage("Die Datei \"" + std::string(kProgramStateFile) +
                                "\" kann nicht gelesen werden: " + IoErrorText(err) +
                                "\nDas Programm wird beendet.");
    return false;
  }
  if (bytes->size() < kProgramStateSize) {
    state.dialogs().ShowMessage(
        "Die Datei \"" + std::string(kProgramStateFile) +
        "\" (Programmeinstellungen und Kennwort) ist beschädigt oder unvollständig.\n"
        "Das Programm wird beendet, ohne Daten zu verändern.");
    return false;
  }
  std::copy(bytes->begin(), bytes->begin() + kProgramStateSize, state.programState.begin());
  ApplyLoaImage(state);
  return true;
}

bool SaveProgramState(AppState& state) {
  // Fields that did not change keep their bytes, so a file of another
  // installation comes back byte for byte.
  std::uint8_t* r = state.programState.data();
  auto text = [r](std::size_t off, std::size_t cap, const std::string& value) {
    if (GetShortString(r, off, cap) != value) PutShortString(r, off, cap, value);
  };
  text(loa::kStem, 13, state.DataFileStem);
  text(loa::kSecondStem, 13, state.SecondStem);
  text(loa::kPassword, 50, state.Password);
  if (GetBool(r, loa::kPrintLogo) != state.PrintLogoFlag)
    PutBool(r, loa::kPrintLogo, state.PrintLogoFlag);
  int err = 0;
  if (!WriteFileAtomic(kProgramStateFile, ToBytes(state.programState), &err)) {
    state.dialogs().ShowMessage("Die Datei \"" + std::string(kProgramStateFile) +
                                "\" kann nicht gespeichert werden: " + IoErrorText(err));
    return false;
  }
  return true;
}

bool DatenordnerSchreibbar() {
  // As this process's user may write, also on a file system mounted read-only.
  return ::faccessat(AT_FDCWD, ".", W_OK, AT_EACCESS) == 0;
}

bool LoadGlobalSettings(AppState& state) {
  if (!LoadProgramState(state)) return false;
  // Said once: everything is read as usual, but no save can succeed.
  if (!DatenordnerSchreibbar()) {
    std::error_code ec;
    state.dialogs().ShowMessage("Der Datenordner " + std::filesystem::current_path(ec).string() +
                                " ist schreibgeschützt: Änderungen, Berichte und ELDA-Dateien "
                                "können nicht gespeichert werden.");
  }
  int err = 0;
  if (!CreateFileIfMissing(kGlobFile, ToBytes(DefaultGlobRecord()), &err))
    state.dialogs().ShowMessage(CreateFailedMessage(kGlobFile, err));
  const std::string& stem = state.DataFileStem;
  // A stem with a folder part would put the employer's files outside the
  // data folder: damaged like a stem whose files are gone.
  if (!StemImDatenordner(stem) || !DienstgeberDateienVorhanden(stem)) {
    // An empty stem is a first start: no employer has been worked on yet.
    if (!TrimBlanks(stem).empty()) {
      std::string msg =
          "Quandrel Lohnverrechnung - Die Daten des zuletzt bearbeiteten Dienstgebers \"" + stem +
          "\" sind beschädigt, oder existieren nicht mehr - wählen Sie bitte nach dem "
          "Programmstart einen anderen Dienstgeber aus!";
      state.dialogs().ShowMessage(CutChars(msg, 255));
    }
    state.DataFileStem = kDemoStem;
    if (!DienstgeberDateienVorhanden(kDemoStem)) CreateDienstgeber(state, kDemoStem);
  }
  state.GlobSettings = DefaultGlobRecord();
  auto glob = ReadWholeFile(kGlobFile);
  if (glob && glob->size() >= kGlobRecordSize) {
    std::copy(glob->begin(), glob->begin() + kGlobRecordSize, state.GlobSettings.begin());
  } else {
    state.dialogs().ShowMessage("Die Datei \"" + std::string(kGlobFile) +
                                "\" ist beschädigt oder kann nicht gelesen werden; es werden "
                                "die Standardeinstellungen verwendet.");
  }
  return true;
}

bool AskPasswordAtStart(AppState& state) {
  if (state.Password == kDefaultPassword) {
    state.PasswordAccepted = true;
    return true;
  }
  std::string entered = CutChars(state.dialogs().AskLoginPassword(), 50);
  state.PasswordAccepted = entered == state.Password;
  if (!state.PasswordAccepted)
    state.dialogs().ShowMessage("Das von Ihnen eingegebene Kennwort ist falsch!");
  return state.PasswordAccepted;
}

void ChangePassword(AppState& state) {
  auto& dlg = state.dialogs();
  std::optional<std::string> current;
  if (state.Password != kDefaultPassword) {
    dlg.ShowMessage(
        "Geben Sie bitte in der nun folgenden Eingabemaske Ihr aktuelles Kennwort ein und "
        "anschließend Ihr neues Kennwort!");
    current =
        dlg.InputPassword("Kennwort ändern", "Bitte geben Sie Ihr aktuelles Kennwort ein:", "");
  } else {
    current = state.Password;
  }
  std::optional<std::string> fresh;
  if (!current) {
    // Cancelled: nothing changes.
  } else if (CutChars(*current, 50) != state.Password) {
    dlg.ShowMessage("Das von Ihnen eingegebene Kennwort ist falsch!");
  } else {
    fresh = dlg.InputPassword("Kennwort ändern",
                              "Bitte geben Sie Ihr neues Kennwort ein:", state.Password);
  }
  // The start allows one try: a password the clerk mistyped once, or with a
  // character the file cannot hold, would lock him out.
  std::string grund;
  if (fresh && CharCount(CutChars(*fresh, 50)) < kMinKennwortLaenge) {
    grund = " Das neue Kennwort muss mindestens " + std::to_string(kMinKennwortLaenge) +
            " Zeichen lang sein.";
    fresh.reset();
  } else if (fresh && FitsCp1252(*fresh)) {
    const auto nochmal = dlg.InputPassword(
        "Kennwort ändern",
        "Bitte geben Sie Ihr neues Kennwort zur Bestätigung noch einmal ein:", "");
    if (!nochmal || CutChars(*nochmal, 50) != CutChars(*fresh, 50)) {
      if (nochmal) grund = " Die beiden Eingaben des neuen Kennworts stimmen nicht überein.";
      fresh.reset();
    }
  } else {
    fresh.reset();
  }
  if (fresh) {
    state.Password = CutChars(*fresh, 50);
    dlg.ShowMessage("Ihr neues Kennwort wurde registriert!");
  } else {
    dlg.ShowMessage("Ihr Kennwort konnte nicht geändert werden!" + grund);
  }
}

}  // namespace lohn
