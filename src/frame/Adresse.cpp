#include "frame/Adresse.h"

#include <utility>

#include "store/Cp1252.h"
#include "store/DienstgeberStore.h"
#include "store/LockFile.h"
#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

// Control text <-> record field, in the window's order.
template <typename Fields, typename Record, typename F>
void ForEachText(Fields& f, Record& r, F&& fn) {
  fn(f.AnredeComboBox, r.AnredeComboBox);
  fn(f.NameEdit, r.NameEdit);
  fn(f.StrasseEdit, r.StrasseEdit);
  fn(f.LandEdit, r.LandEdit);
  fn(f.OrtEdit, r.OrtEdit);
  fn(f.Telefon1Edit, r.Telefon1Edit);
  fn(f.Telefon2Edit, r.Telefon2Edit);
  fn(f.Telefon3Edit, r.Telefon3Edit);
  fn(f.Fax1Edit, r.Fax1Edit);
  fn(f.Fax2Edit, r.Fax2Edit);
  fn(f.NotizEdit, r.NotizEdit);
  fn(f.BankEdit, r.BankEdit);
  fn(f.VersTraegerCodeEdit, r.VersTraegerCodeEdit);
  fn(f.BlzEdit, r.BlzEdit);
  fn(f.BankKontoEdit, r.BankKontoEdit);
}

constexpr std::pair<const char*, const char*> kHints[] = {
    {"LandEdit", "Landeskennung für Lohnzettel FA"},
    {"Telefon3Edit", "ohne Leerzeichen und ohne Sonderzeichen"},
    {"Fax1Edit", "7 Stellen Steuernummer (ohne FA-Nr.)"},
    {"Fax2Edit", "SV-Träger-Bezeichnung für Beitragsnachweisung"},
    {"NotizEdit", "2 Stellen, Finanzamt-Nr für Jahreslohnzettel und el. Übermittlung"},
    {"BankEdit", "DVR-Nummer des Dienstgebers oder ELDA-Seriennummer"},
    {"VersTraegerCodeEdit", "Versicherungsträger-Code (s. Tabelle [...])"},
    {"BlzEdit", "Gemeindekennziffer für die Kommunalsteuererklärung"},
    {"BankKontoEdit", "FA + StNr. des Übermittlers, Steuerberater, Buchführungsbüro"},
};

}  // namespace

const std::vector<std::string>& AnredeItems() {
  static const std::vector<std::string> items{"Frau", "Herr", "Dr.",  "Mag.",
                                              "DI.",  "Ing.", "Firma"};
  return items;
}

AdresseFields LoadAdresseFields(const AppState& state, GelesenesBild* gelesen) {
  DienstgeberRecord rec = DienstgeberDefaults();
  rec.NameEdit = CutChars(state.DataFileStem, 80);
  auto bild = ReadDienstgeberImage(state.DataFileStem, 1);
  if (bild) rec = DienstgeberRecord::unpack(bild->data());
  if (gelesen) *gelesen = std::move(bild);
  AdresseFields f;
  ForEachText(f, rec, [](std::string& field, const std::string& value) { field = value; });
  f.PlzEdit = std::to_string(rec.PlzEdit);
  return f;
}

std::optional<std::string> AdresseExitWarning(std::string_view control, const std::string& text) {
  std::size_t n = CharCount(text);
  if (control == "Fax1Edit" && n != 7)
    return "Achtung: Die Steuernummer muss 7-stellig sein. Ohne die zweistellige Finanzamt Nr.!";
  if (control == "NotizEdit" && n != 2) return "Achtung: Die Finanzamt Nr. muss 2-stellig sein!";
  if (control == "BankKontoEdit" && n != 9)
    return "Achtung: Die FA-Nr 2 Stellen + Steuernummer 7 Stellen des Übermittlers muss insgesamt "
           "9-stellig sein!";
  return std::nullopt;
}

std::string AdresseEnterHint(std::string_view control) {
  for (const auto& [name, hint] : kHints)
    if (control == name) return std::string("Hinweis: ") + hint;
  return " ";
}

bool SaveAdresse(AppState& state, const AdresseFields& fields, GelesenesBild* gelesen,
                 bool* neuLaden) {
  DienstgeberRecord rec = DienstgeberDefaults();
  rec.Nummer = 1;
  AdresseFields f = fields;
  // Also what was saved without leaving its field.
  ForEachText(f, rec, [](const std::string& field, std::string& value) {
    value = CutChars(OhneSteuerzeichen(field), 80);
  });
  bool saved = false;
  try {
    rec.PlzEdit = StrToInt(FilterDigits(fields.PlzEdit));
    LockGuard lock(state.dialogs(), state.DataFileStem, {kLockSAD}, kLockLineKonto);
    if (lock) {
      auto& dlg = state.dialogs();
      const auto jetzt = ReadDienstgeberImage(state.DataFileStem, 1);
      if (gelesen &&
          InzwischenGeaendert(*gelesen, jetzt ? jetzt->data() : nullptr, kDienstgeberRecordSize) &&
          !dlg.AskYesNo(FrageInzwischenGeaendert(
              TrimBlanks(rec.NameEdit).empty() ? state.DataFileStem : rec.NameEdit))) {
        if (neuLaden) *neuLaden = true;
      } else {
        saved = jetzt ? ReplaceDienstgeberRecord(dlg, state.DataFileStem, rec)
                      : InsertDienstgeberRecord(dlg, state.DataFileStem, rec);
        const DienstgeberBytes bytes = rec.pack();
        if (saved && gelesen) *gelesen = std::vector<std::uint8_t>(bytes.begin(), bytes.end());
      }
    }
  } catch (const ConversionError& e) {
    state.dialogs().ShowMessage(e.what());
  }
  LoadDienstgeberDaten(state);
  return saved;
}

}  // namespace lohn
