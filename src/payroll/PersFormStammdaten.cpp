#include "payroll/PersFormStammdaten.h"

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "elda/EldaPanel.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormLists.h"
#include "payroll/PersFormNavigation.h"
#include "store/AbrechnungStore.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/LockFile.h"
#include "store/Numbers.h"
#include "store/PersonalStore.h"
#include "store/Real48.h"
#include "store/RecordFile.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

constexpr std::string_view kNrTrenner = " | Nr. ";

// Every field of the employee record that a control of the window fills, by
// the control's name, in record order.
template <class R, class V>
void PersonalFelder(R& r, V&& v) {
#define LOHN_TEXT(feld, n) v.Text(#feld, r.feld, n)
#define LOHN_GANZ(feld) v.Ganz(#feld, r.feld)
#define LOHN_BETRAG(feld) v.Betrag(#feld, r.feld)
#define LOHN_HAKEN(feld) v.Haken(#feld, r.feld)
  LOHN_GANZ(PersNrEdit);
  LOHN_TEXT(SVNrEdit, 50);
  LOHN_TEXT(VornameEdit, 50);
  LOHN_TEXT(FamNameEdit, 50);
  LOHN_TEXT(StrasseEdit, 50);
  LOHN_GANZ(PLZEdit);
  LOHN_TEXT(OrtEdit, 50);
  LOHN_TEXT(TelefonEdit, 50);
  LOHN_TEXT(BankEdit, 50);
  LOHN_TEXT(BankKtoNrEdit, 50);
  LOHN_TEXT(GeburtsdatenEdit, 50);
  LOHN_TEXT(FamStandEdit, 10);
  LOHN_GANZ(SozialeStellungEdit);
  LOHN_TEXT(StaatEdit, 50);
  LOHN_TEXT(BerufEdit, 50);
  LOHN_HAKEN(ExekutionCheckBox);
  LOHN_TEXT(EintrittsDatumEdit, 50);
  LOHN_TEXT(AustrittsDatumEdit, 50);
  LOHN_HAKEN(AngestellterCheckBox);
  LOHN_HAKEN(ArbeiterCheckBox);
  LOHN_BETRAG(GehaltEdit);
  LOHN_BETRAG(StundenlohnEdit);
  LOHN_TEXT(BeitragsgruppeComboBox, 50);
  LOHN_HAKEN(KU);
  LOHN_HAKEN(WF);
  LOHN_HAKEN(LK);
  LOHN_HAKEN(SW);
  LOHN_HAKEN(EF);
  LOHN_HAKEN(IE);
  LOHN_HAKEN(NB);
  LOHN_BETRAG(NormArbeitszeitEdit);
  LOHN_BETRAG(UrlaubsAnspruchEdit);
  LOHN_BETRAG(RestUrlaubEdit);
  LOHN_BETRAG(ZeitKontoEdit);
  LOHN_TEXT(BemerkungenEdit, 100);
  LOHN_HAKEN(UeberwiegNachtarbeitCheckBox);
  LOHN_HAKEN(grPendlPausch);
  LOHN_HAKEN(Alleinverdiener);
  LOHN_HAKEN(KaerntenCheckBox);
  LOHN_BETRAG(ZulageEdit);
  LOHN_BETRAG(FreibetragEdit);
  LOHN_BETRAG(SVFreibetrEdit);
  LOHN_BETRAG(SachbezuegeEdit);
  LOHN_BETRAG(FreibetrLtMitteilgEdit);
  LOHN_TEXT(AdresseLandEdit, 50);
  LOHN_GANZ(AnzahlKinderEdit);
  LOHN_GANZ(gehoertZuStandortEdit);
  LOHN_GANZ(KostenstelleEdit);
  LOHN_GANZ(ArtDesLohnzettelsEdit);
  LOHN_GANZ(WERK_Edit);
  LOHN_GANZ(UEBMO_Edit);
  LOHN_BETRAG(beitrGrundlVorAltZeilzEdit);
  LOHN_BETRAG(LandarbFreiEdit);
  LOHN_BETRAG(SonstSteuerfrEdit);
  LOHN_BETRAG(AuslandsTaetEdit);
  LOHN_BETRAG(freiwillBeitrEdit);
  LOHN_BETRAG(AufrollungEdit);
  LOHN_BETRAG(TeilentgeltEdit);
  LOHN_BETRAG(TageTeilentgeltEdit);
  LOHN_BETRAG(DbDzKommStFreierBetragEdit);
  LOHN_BETRAG(MehrstdSatzEdit);
  LOHN_BETRAG(MehrstdZuschlagEdit);
  LOHN_BETRAG(ZukunftssicherungEdit);
  LOHN_BETRAG(AuslPensDGEdit);
  LOHN_BETRAG(ENTW_Edit);
  LOHN_BETRAG(PREI_Edit);
  LOHN_BETRAG(BPEND_Edit);
  LOHN_BETRAG(BSROL_Edit);
  LOHN_HAKEN(BMVGcheckBox);
  LOHN_HAKEN(ArbeiterCheckBoxNeu);
  LOHN_HAKEN(weiblichCheckBox);
  LOHN_HAKEN(TeilzeitCheckBox);
  LOHN_HAKEN(freierDNcheckBox);
  LOHN_HAKEN(GeringfCheckBox);
  LOHN_HAKEN(SZanspruchCheckBox);
  LOHN_HAKEN(SZohneAllgBeitrCheckBox);
  LOHN_HAKEN(ueberSechzigCheckBox);
  LOHN_HAKEN(GeschaeftsFuehrerCheckBox);
  LOHN_HAKEN(DNabgemeldetCheckBox);
  LOHN_HAKEN(EPAB_CB);
  LOHN_TEXT(SVtraegerEdit, 50);
#undef LOHN_TEXT
#undef LOHN_GANZ
#undef LOHN_BETRAG
#undef LOHN_HAKEN
}

// The registration panel's data file is written first, also when the save
// then stops.
void PanelDatenSpeichern(AppState& state, PersFormModel& f) {
  if (f.Steps.SaveEldaPanelData) f.Steps.SaveEldaPanelData(state, f);
}

void PanelDatenLaden(AppState& state, PersFormModel& f) {
  if (f.Steps.LoadEldaPanelData) f.Steps.LoadEldaPanelData(state, f);
}

void LoadAbrechnungToForm(AppState& state, PersFormModel& f) {
  if (f.Steps.LoadAbrechnungToForm) f.Steps.LoadAbrechnungToForm(state, f);
}

// After an employee is gone: list, month fields, registration panel and a
// new employee.
void NachLoeschen(AppState& state, PersFormModel& f) {
  ResetEldaPanel(f);
  FillPersonalNrList(state, f);
  f.SetText("PersonalNrComboBox", "");
  ClearAbrechnungFields(f);
  NewPersonal(state, f);
}

}  // namespace

void ZeigeKonversionsFehler(platform::Dialogs& dlg, PersFormModel& f, const ConversionError& e) {
  auto* feld = dynamic_cast<const FeldKonversionsFehler*>(&e);
  const std::string& caption = feld ? f.Beschriftung(feld->feld) : std::string();
  dlg.ShowMessage(caption.empty() ? e.what() : FeldFehlerMeldung(e.what(), caption, f.Titel()));
  if (feld) f.RequestFocus(feld->feld);
}

double FeldBetrag(const PersFormModel& f, std::string_view name) {
  const std::string& text = f.Text(name);
  return ImFeld(name, [&] {
    double v = StrToBetrag(text);
    // A number the record's 6-byte real cannot hold is no amount either; it
    // is refused here, before any lock file or record is written.
    try {
      EncodeReal48(v);
    } catch (const std::range_error&) {
      throw ConversionError("'" + text + "' ist kein gültiger Fließkommawert");
    }
    return v;
  });
}

std::string BetragText(double v) { return FloatToStrFixed(v, 15, 2); }

void LeseFelder::Text(const char* name, std::string& v, std::size_t n) {
  // Saved without leaving the field (a tool button takes no focus).
  v = CutChars(OhneSteuerzeichen(f.Text(name)), n);
}
void LeseFelder::Ganz(const char* name, std::int32_t& v) {
  v = ImFeld(name, [&] { return StrToInt(f.Text(name)); });
}

std::string PersonalNrListEntry(std::string_view famName, std::int32_t persNr) {
  return std::string(famName) + std::string(kNrTrenner) + std::to_string(persNr);
}

std::string PersonalNrFromListEntry(std::string_view entry) {
  std::size_t pos = entry.find(kNrTrenner);
  if (pos == std::string_view::npos) return {};
  return std::string(entry.substr(pos + kNrTrenner.size()));
}

void FillPersonalNrList(AppState& state, PersFormModel& f) {
  std::vector<std::string> entries;
  // Only the number and the name of each record, without unpacking it.
  bool ok = ScanPersonalImages(state.DataFileStem, kPersonalExt, [&](const std::uint8_t* rec) {
    entries.push_back(PersonalNrListEntry(PersonalFamNameOf(rec), PersonalNrOf(rec)));
  });
  if (!ok) entries.clear();
  SortiereListe(entries);
  entries.insert(entries.begin(), "");
  f.SetItems("PersonalNrComboBox", std::move(entries));
  f.SetText("PersonalNrComboBox", "");
}

void NewPersonal(AppState& state, PersFormModel& f) {
  f.Uebernahmen.clear();
  f.SetChecked("EPAB_CB", false);
  for (const char* name : {"PREI_Edit", "WERK_Edit", "BPEND_Edit", "UEBMO_Edit", "BSROL_Edit",
                           "ENTW_Edit", "SVFreibetrEdit", "PersNrEdit", "UrlaubsAnspruchEdit"})
    f.SetText(name, "0");
  f.SetText("PersonalNrComboBox", "");
  ClearAbrechnungFields(f);
  f.Gelesen.reset();
  if (auto nr = NextPersonalNr(state.dialogs(), state.DataFileStem, kPersonalExt)) {
    f.SetText("PersNrEdit", std::to_string(*nr));
    // Above every number in the file: read as not there.
    f.Gelesen = PersFormModel::GelesenesPersonal{*nr, std::nullopt};
  }
  for (const char* name :
       {"FamNameEdit", "VornameEdit", "SVNrEdit", "StrasseEdit", "OrtEdit", "TelefonEdit",
        "BankEdit", "BankKtoNrEdit", "GeburtsdatenEdit", "FamStandEdit", "BerufEdit",
        "SVtraegerEdit", "EintrittsDatumEdit", "AustrittsDatumEdit", "BemerkungenEdit"})
    f.SetText(name, "");
  f.SetText("AdresseLandEdit", "A");
  f.SetText("StaatEdit", "A");
  for (const char* name :
       {"PLZEdit", "AnzahlKinderEdit", "KostenstelleEdit", "gehoertZuStandortEdit"})
    f.SetText(name, "0");
  f.SetText("SozialeStellungEdit", "3");
  for (const char* name : {"KaerntenCheckBox",
                           "ExekutionCheckBox",
                           "BMVGcheckBox",
                           "weiblichCheckBox",
                           "ArbeiterCheckBoxNeu",
                           "TeilzeitCheckBox",
                           "freierDNcheckBox",
                           "GeringfCheckBox",
                           "SZanspruchCheckBox",
                           "ArbeiterCheckBox",
                           "UeberwiegNachtarbeitCheckBox",
                           "grPendlPausch",
                           "Alleinverdiener",
                           "LK",
                           "SW",
                           "EF",
                           "NB",
                           "SZohneAllgBeitrCheckBox",
                           "ueberSechzigCheckBox",
                           "GeschaeftsFuehrerCheckBox",
                           "DNabgemeldetCheckBox"})
    f.SetChecked(name, false);
  for (const char* name : {"AngestellterCheckBox", "KU", "WF", "IE"}) f.SetChecked(name, true);
  for (const char* name : {"GehaltEdit",
                           "ZulageEdit",
                           "FreibetragEdit",
                           "StundenlohnEdit",
                           "MehrstdSatzEdit",
                           "MehrstdZuschlagEdit",
                           "NormArbeitszeitEdit",
                           "RestUrlaubEdit",
                           "ZeitKontoEdit",
                           "SachbezuegeEdit",
                           "FreibetrLtMitteilgEdit",
                           "LandarbFreiEdit",
                           "SonstSteuerfrEdit",
                           "AuslandsTaetEdit",
                           "freiwillBeitrEdit",
                           "AufrollungEdit",
                           "TeilentgeltEdit",
                           "TageTeilentgeltEdit",
                           "DbDzKommStFreierBetragEdit",
                           "ZukunftssicherungEdit",
                           "AuslPensDGEdit",
                           "beitrGrundlVorAltZeilzEdit"})
    f.SetText(name, "0");
  f.SetText("BeitragsgruppeComboBox", "D1");
  f.SetText("UrlaubsAnspruchEdit", "25");
}

void Button1Click(AppState& state, PersFormModel& f) {
  ResetEldaPanel(f);
  NewPersonal(state, f);
  f.SetText("PersonalNrComboBox", "");
  f.RequestFocus("SVNrEdit");
}

void PersonalNrComboBoxChange(AppState& state, PersFormModel& f) {
  try {
    // Read before the part payroll goes back to "0": its reload empties
    // the list's text.
    const std::string nr = PersonalNrFromListEntry(f.Text("PersonalNrComboBox"));
    f.SetText("TageMaxSV", "30");
    f.SetText("AbrechngComboBox", "0");
    if (!nr.empty()) SelectPersonal(state, f, StrToInt(nr));
  } catch (const ConversionError& e) {
    state.dialogs().ShowMessage(e.what());
  }
}

void SelectPersonal(AppState& state, PersFormModel& f, std::int32_t persNr) {
  // One read tells whether he exists and gives his record; without one the
  // window stays as it is, the registration panel too.
  auto bild = ReadPersonalImage(state.dialogs(), state.DataFileStem, kPersonalExt, persNr);
  if (bild) ZeigePersonal(state, f, *bild);
}

void ZeigePersonal(AppState& state, PersFormModel& f, const std::vector<std::uint8_t>& bild) {
  const PersonalRecord record = PersonalRecord::unpack(bild.data());
  const std::int32_t persNr = record.PersNrEdit;
  f.Gelesen = PersFormModel::GelesenesPersonal{persNr, bild};
  f.Uebernahmen.clear();
  ResetEldaPanel(f);
  f.SetEnabled("Button4", true);
  f.SetChecked("LstBerechnen", true);
  f.SetEnabled("TageslohnButton", false);
  f.SetText("PersNrEdit", std::to_string(persNr));
  ShowPersonalRecord(f, record);
  ClearAbrechnungFields(f);
  LoadAbrechnungToForm(state, f);
  PanelDatenLaden(state, f);
  // Once the record is shown whole: showing it sets the box as stored.
  UeberSechzigPruefen(state, f);
}

void ShowPersonalRecord(PersFormModel& f, const PersonalRecord& r) {
  PersonalFelder(r, ZeigeFelder{f});
}

const PersonalRecord& FormToPersonalRecord(PersFormModel& f) {
  f.SetText("PersonalNrComboBox", "");
  PersonalRecord r;
  PersonalFelder(r, LeseFelder{f});
  // A calculator's month amount stays out of the master data.
  for (const auto& [name, u] : f.Uebernahmen) {
    if (name == "GehaltEdit") r.GehaltEdit = StrToFloat(u.stamm);
    if (name == "ZulageEdit") r.ZulageEdit = StrToFloat(u.stamm);
  }
  if (r.GeburtsdatenEdit.empty() || r.GeburtsdatenEdit == "0") {
    r.GeburtsdatenEdit = std::to_string(r.PersNrEdit);
    f.SetText("GeburtsdatenEdit", r.GeburtsdatenEdit);
  }
  f.CurrentPersonal = std::move(r);
  return f.CurrentPersonal;
}

namespace {

// The standing pay of the employee file: a part payroll calculates on
// amounts of its own and leaves these as they are.
constexpr double PersonalRecord::*kStehendeBezuege[] = {
    &PersonalRecord::GehaltEdit, &PersonalRecord::ZulageEdit, &PersonalRecord::StundenlohnEdit,
    &PersonalRecord::MehrstdSatzEdit, &PersonalRecord::MehrstdZuschlagEdit};

}  // namespace

bool SavePersonalFromForm(AppState& state, PersFormModel& f) {
  platform::Dialogs& dlg = state.dialogs();
  FormToPersonalRecord(f);
  PersonalRecord& r = f.CurrentPersonal;
  const std::int32_t nr = r.PersNrEdit;
  // While a part payroll is shown, the pay fields hold its own amounts.
  if (const auto key = AbrechnungsSchluesselAusFeldern(f); key && key->Teilabrechnung > 0) {
    if (auto gespeichert = ReadPersonalRecord(dlg, state.DataFileStem, kPersonalExt, nr))
      for (auto feld : kStehendeBezuege) r.*feld = (*gespeichert).*feld;
  }
  // Compared only with what the window read for this very number; a number
  // typed over it was never read.
  bool abgelehnt = false;
  std::optional<Vorher> vorher;
  if (f.Gelesen && f.Gelesen->nr == nr)
    vorher = Vorher{f.Gelesen->bild, [&] {
                      abgelehnt = !dlg.AskYesNo(FrageInzwischenGeaendert(PersonalAnzeigeName(f)));
                      return !abgelehnt;
                    }};
  const bool saved = SavePersonalRecord(dlg, state.DataFileStem, kPersonalExt, r, true,
                                        vorher ? &*vorher : nullptr);
  if (saved) {
    const PersonalBytes bytes = r.pack();
    f.Gelesen = PersFormModel::GelesenesPersonal{nr, Bytes(bytes.begin(), bytes.end())};
  }
  FillPersonalNrList(state, f);
  f.SetText("PersonalNrComboBox", "");
  if (abgelehnt) PersonalNeuLaden(state, f, nr);
  return saved;
}

void PersonalNeuLaden(AppState& state, PersFormModel& f, std::int32_t persNr) {
  if (auto bild = ReadPersonalImage(state.dialogs(), state.DataFileStem, kPersonalExt, persNr)) {
    ZeigePersonal(state, f, *bild);
    return;
  }
  // Deleted meanwhile: the window starts a new employee.
  ResetEldaPanel(f);
  ClearAbrechnungFields(f);
  NewPersonal(state, f);
}

std::string PersonalAnzeigeName(const PersFormModel& f) {
  const std::string vorname(TrimBlanks(f.Text("VornameEdit")));
  const std::string name(TrimBlanks(f.Text("FamNameEdit")));
  return vorname.empty() ? name : vorname + " " + name;
}

bool ValidatePersonalBeforeSave(AppState& state, PersFormModel& f) {
  platform::Dialogs& dlg = state.dialogs();
  if (f.Text("FamNameEdit").empty()) {
    dlg.ShowMessage("Dienstnehmer ohne Familienname kann nicht gespeichert werden!");
    return false;
  }
  const bool dnOk = CheckSvNummer(f.Text("SVNrEdit"));
  const bool partnerOk = CheckSvNummer(f.Text("AustrittsDatumEdit"));
  NormalizeNumericFields(f);
  const bool saved = SavePersonalFromForm(state, f);
  if (!dnOk)
    dlg.ShowMessage(
        "SV-Nummer des DN ist falsch. Geben Sie eine korrekte SV-Nr oder 4 Nullen + "
        "Geburtsdatum (0000TTMMJJ) ein.");
  if (!partnerOk)
    dlg.ShowMessage(
        "SV-Nummer Partner ist falsch. Geben Sie eine korrekte SV-Nr oder 4 Nullen + "
        "Geburtsdatum (0000TTMMJJ) ein.");
  return saved;
}

bool Button2Click(AppState& state, PersFormModel& f) {
  try {
    PanelDatenSpeichern(state, f);
    for (const std::string& name : SpeichernZahlenfelder()) FeldBetrag(f, name);
    FormToPersonalRecord(f);
    LockGuard lock(state.dialogs(), state.DataFileStem, {kLockSPE});
    if (!lock) return false;
    return ValidatePersonalBeforeSave(state, f);
  } catch (const ConversionError& e) {
    ZeigeKonversionsFehler(state.dialogs(), f, e);
    return false;
  }
}

void Button5Click(AppState& state, PersFormModel& f) {
  platform::Dialogs& dlg = state.dialogs();
  const std::string& stem = state.DataFileStem;
  try {
    const std::string nrText = f.Text("PersNrEdit");
    const std::int32_t nr = StrToInt(nrText);
    LockGuard lock(dlg, stem, {kLockSPE, kLockSAB});
    if (!lock) return;
    if (DeletePersonalRecord(dlg, stem, kPersonalExt, nr, false, false).count == 0) return;
    if (!dlg.AskYesNo("Personal Nr. " + nrText + " wirklich löschen?")) return;
    // A payroll file that is there but cannot be read would hide his
    // payrolls; deleting him then would leave them behind without an owner.
    if (FileInUse(DataFileName(stem, kAbrechnungExt))) {
      dlg.ShowMessage(FileInUseMessage(DataFileName(stem, kAbrechnungExt)));
      return;
    }
    const int k =
        DeleteAbrechnungRecordsOfPersonal(dlg, stem, kAbrechnungExt, nr, false, false).count;
    if (k > 0) {
      if (!dlg.AskYesNo("Für den Dienstnehmer mit Personal Nr. " + nrText + " existieren " +
                        std::to_string(k) +
                        " Abrechnungsdatensätze! Wenn Sie den Dienstnehmer löschen, werden "
                        "auch die Abrechnungsdaten aller Jahre gelöscht und sind nicht mehr "
                        "verfügbar! Wollen Sie den Dienstnehmer wirklich löschen?"))
        return;
      if (!DeleteAbrechnungRecordsOfPersonal(dlg, stem, kAbrechnungExt, nr, true, true).deleted)
        return;
    }
    if (!DeletePersonalRecord(dlg, stem, kPersonalExt, nr, true, true).deleted) return;
    // The next new employee gets his number: none of his registration data
    // may come back with it.
    int err = 0;
    if (auto panel = EldaPanelDataFile(stem, nrText); panel && !RemoveFileIfPresent(*panel, &err))
      dlg.ShowMessage("Die Datei \"" + *panel +
                      "\" kann nicht gelöscht werden: " + IoErrorText(err));
    NachLoeschen(state, f);
  } catch (const ConversionError& e) {
    dlg.ShowMessage(e.what());
  }
}

bool CheckSvNummer(std::string_view text) {
  if (text.empty()) return true;
  const std::u32string z = DecodeUtf8(text);
  if (z.size() >= 5 && z.substr(0, 4) == U"0000") return true;
  static constexpr int kGewichte[10] = {3, 7, 9, 0, 5, 8, 4, 2, 1, 6};
  auto ziffer = [](char32_t c) { return c >= U'0' && c <= U'9'; };
  int summe = 0;
  for (std::size_t i = 0; i < z.size() && i < 10; ++i)
    if (ziffer(z[i])) summe += int(z[i] - U'0') * kGewichte[i];
  return z.size() >= 4 && ziffer(z[3]) && summe % 11 == int(z[3] - U'0');
}

}  // namespace lohn
