#include "payroll/BerechnenButton.h"

#include <algorithm>
#include <array>

#include "frame/HauptmenueLogik.h"
#include "payroll/Berechnung.h"
#include "payroll/Lohnsteuer.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormStammdaten.h"
#include "store/AbrechnungStore.h"
#include "store/LockFile.h"
#include "store/Numbers.h"
#include "store/RecordFile.h"

namespace lohn {

namespace {

constexpr const char* kTageStandard = "30";

constexpr std::array<const char*, 8> kBeitragsgruppenVor2003{
    "A1 Arbeiter",  "D1 Angest",    "N14 geringf.Arb", "N24 geringf.Ang",
    "A1x Lehrling", "A1y Lehrling", "A6x Lehrling",    "A7x Lehrling"};

// Fields that the month's calculation or its save read beside the 55 and
// that may be empty (the calculation fills an empty one with 0).
void PruefeBetragWennGefuellt(const PersFormModel& f, const char* name) {
  if (!f.Text(name).empty()) FeldBetrag(f, name);
}
void PruefeGanzzahlWennGefuellt(const PersFormModel& f, const char* name) {
  if (!f.Text(name).empty()) ImFeld(name, [&] { return StrToInt(f.Text(name)); });
}

// Every input that this click's calculation and save will read is converted
// here, before a lock file is taken or a record written, so that none of
// them can stop the work half done. Throws ConversionError for the first
// text that does not convert, naming its field where it is one of this
// window's.
void PruefeEingaben(PersFormKontext& k) {
  const PersFormModel& f = k.form;
  for (const std::string& name : BerechnenZahlenfelder()) FeldBetrag(f, name);
  ImFeld("TageMaxSV", [&] { return StrToInt(f.Text("TageMaxSV")); });
  k.lohnarten.Summen();
  // A wage-type line must also fit its column of the payroll record.
  AbrechnungRecord probe;
  LohnartenInAbrechnung(k.lohnarten.Zeilen(), probe);
  ImFeld("AnzahlKinderEdit", [&] {
    return AnzahlKinderFuerLohnsteuer(
        f.Checked("Alleinverdiener") || f.Checked("grPendlPausch"),
        f.Text("AnzahlKinderEdit").empty() ? "0" : f.Text("AnzahlKinderEdit"));
  });
  if (!f.Checked("LstBerechnen")) PruefeBetragWennGefuellt(f, "LohnsteuerBetragEdit");
  PruefeGanzzahlWennGefuellt(f, "SV_Lohn_TageEdit");
  PruefeBetragWennGefuellt(f, "ZeitKontoStdEdit");
  PruefeBetragWennGefuellt(f, "UrlaubsKontoTageEdit");
}

bool SchluesselVollstaendig(const PersFormModel& f) {
  auto key = AbrechnungsSchluesselAusFeldern(f);
  return key && key->PersNr >= 1 && key->Monat >= 1 && key->Jahr >= 1;
}

// A payroll year after the build's own: its calculation bases are not known
// to this build.
void ZeigeHinweiseSpaeteresJahr(AppState& state, int jahr) {
  platform::Dialogs& dlg = state.dialogs();
  const std::string j = std::to_string(jahr);
  dlg.ShowMessage("ACHTUNG: Ab dem Jahr " + j +
                  " gelten geänderte Berechnungsgrundlagen (Höchstbeitragsgrundlagen, "
                  "Beitragssätze, Lohnsteuer). Ohne das entsprechende Update der Software "
                  "werden die Abrechnungen für " +
                  j + " falsch berechnet! Informationen zum Update finden Sie unter " +
                  kHerstellerWeb + ".");
  dlg.ShowMessage("Wenn Sie das Update für " + j + " bereits erworben haben, starten Sie jetzt " +
                  "bitte die Lohnverrechnung " + j +
                  " und speichern die Abrechnung in der neuen Version!");
  if (dlg.AskYesNo(kFrageUpdateInfo))
    state.services.shell.Open(std::string("https://") + kHerstellerWeb + "/Updates.htm");
}

// What the click does while it holds the lock files; true once calculated.
bool BerechnenUnterSperre(PersFormKontext& k) {
  AppState& state = k.state;
  PersFormModel& f = k.form;
  platform::Dialogs& dlg = state.dialogs();

  const std::string gruppe = f.Text("BeitragsgruppeComboBox");
  if (gruppe.empty() || IstBeitragsgruppeVor2003(gruppe)) {
    dlg.ShowMessage(kMeldungBeitragsgruppeVor2003);
    return false;
  }
  // Refused before the overwrite question and the employee save, so that a
  // click that cannot calculate asks nothing and writes nothing.
  if (!BerechnungMoeglich(dlg, f)) return false;
  if (GespeicherteAbrechnungAngezeigt(k) && !dlg.AskYesNo(kFrageUeberschreiben)) return false;

  // The employee's payroll year and the place of this month's record, in
  // one pass over the payroll file; the lock files keep it as it is until
  // the save. Read before the employee is saved, so that a payroll changed
  // by another program and not to be overwritten leaves both files as they
  // are.
  const auto key = AbrechnungsSchluesselAusFeldern(f);
  const auto jahr = LeseJahresAbrechnungen(state.DataFileStem, *key);
  if (!jahr) {
    dlg.ShowMessage(FileInUseMessage(DataFileName(state.DataFileStem, kAbrechnungExt)));
    return false;
  }
  if (!AbrechnungSpeichernTrotzAenderung(k, *key, jahr->position ? jahr->bild.data() : nullptr))
    return false;
  if (!ValidatePersonalBeforeSave(state, f)) return false;
  if (!CalculateAbrechnung(k, jahr->frueher)) return false;
  if (StrToFloat(f.Text("NettoBetragEdit")) < 0)
    dlg.ShowMessage(kMeldungNegativerNettobetrag);
  else
    SaveAbrechnungFromForm(k, jahr->position);
  return true;
}

}  // namespace

const std::vector<std::string>& BerechnenZahlenfelder() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> v = SpeichernZahlenfelder();
    for (const char* name : {"ENTW_Edit", "PREI_Edit", "BPEND_Edit", "BSROL_Edit"})
      v.push_back(name);
    return v;
  }();
  return names;
}

bool IstBeitragsgruppeVor2003(const std::string& text) {
  return std::find(kBeitragsgruppenVor2003.begin(), kBeitragsgruppenVor2003.end(), text) !=
         kBeitragsgruppenVor2003.end();
}

void ShowGeschaeftsfuehrerHint(platform::Dialogs& dlg, const PersFormModel& f) {
  if (f.Checked("GeschaeftsFuehrerCheckBox") &&
      (f.Checked("KU") || !f.Checked("WF") || !f.Checked("IE")))
    dlg.ShowMessage(
        "Hinweis: Für handelsrechtliche Geschäftsführer keine Kammerumlage (KU) zu berechnen, WF "
        "und IE sind zu berechen. Prüfen Sie bitte die Einstellungen der Checkboxen KU, WF und "
        "IE.");
}

void ShowGeringfuegigHint(platform::Dialogs& dlg, const PersFormModel& f) {
  if (f.Checked("GeringfCheckBox") && !f.Checked("TeilzeitCheckBox"))
    dlg.ShowMessage(
        "Hinweis: Bei geringfügiger Beschäftigung liegt meistens Teilzeit vor. Aktivieren Sie "
        "bitte gegebenenfalls auch die Checkbox \"Teilzeit\"!");
}

std::string TeilGehaltTageFuerBerechnung(const PersFormModel& f) {
  // The calculator's day field follows every change of the SV days; without
  // a calculator the SV days stand for it. Clearing the month sets them to
  // 0, which the calculator itself reads as a whole month of 30 days.
  std::string tage = f.Steps.TeilGehaltTage ? f.Steps.TeilGehaltTage() : f.Text("SV_Lohn_TageEdit");
  if (tage.find_first_not_of(' ') == std::string::npos) return kTageStandard;
  try {
    if (StrToFloat(tage) == 0) return kTageStandard;
  } catch (const ConversionError&) {
    // Taken over as it stands; the check of the inputs reports it.
  }
  return tage;
}

bool BerechnenButonClick(PersFormKontext& k) {
  AppState& state = k.state;
  PersFormModel& f = k.form;
  platform::Dialogs& dlg = state.dialogs();
  try {
    f.SetText("SV_Lohn_TageEdit", TeilGehaltTageFuerBerechnung(f));
    PruefeEingaben(k);
    if (f.Text("MonatComboBox").empty() || f.Text("JahrComboBox").empty() ||
        f.Text("FamNameEdit").empty()) {
      dlg.ShowMessage(kMeldungBerechnungAuswahl);
      return false;
    }
    if (!SchluesselVollstaendig(f)) {
      dlg.ShowMessage(kMeldungSchluesselFehlt);
      return false;
    }
    const int jahr = StrToInt(f.Text("JahrComboBox"));
    if (jahr > state.year.year && state.services.clock.Now().year > state.year.year)
      ZeigeHinweiseSpaeteresJahr(state, jahr);
    state.ReportMonthProposal = StrToInt(f.Text("MonatComboBox"));
    ShowGeringfuegigHint(dlg, f);
    ShowGeschaeftsfuehrerHint(dlg, f);
    FormToPersonalRecord(f);
    if (f.Checked("ExekutionCheckBox") && StrToBetrag(f.Text("ExekutionEdit")) <= 0)
      dlg.ShowMessage(kMeldungExekutionOhneBetrag);
    f.SetEnabled("TageslohnButton", true);

    LockGuard lock(dlg, state.DataFileStem, {kLockSAB, kLockSPE});
    if (!lock) return false;
    const bool berechnet = BerechnenUnterSperre(k);
    f.RequestFocus("PersonalNrComboBox");
    return berechnet;
  } catch (const ConversionError& e) {
    // Nothing is written before the inputs are checked; the lock files are
    // gone already.
    ZeigeKonversionsFehler(dlg, f, e);
    return false;
  }
}

}  // namespace lohn
