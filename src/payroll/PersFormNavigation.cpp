#include "payroll/PersFormNavigation.h"

#include <algorithm>
#include <optional>
#include <string>

#include "payroll/PersFormStammdaten.h"
#include "store/Numbers.h"
#include "store/PersonalStore.h"
#include "store/SvNummer.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

constexpr const char* kAb60Hinweis =
    "HINWEIS: DB und DZ entfallen für DN ab 60! Checkbox \"DB, DZ frei\" wurde daher angehakt. "
    "Bitte überprüfen Sie die Einstellungen und klicken Sie auf \"Speichern\"!";

// The value of a digit text, at most `grenze` + 1 (longer texts would not
// fit an int).
int ZiffernBis(std::string_view ziffern, int grenze) {
  int v = 0;
  for (char c : ziffern) {
    v = v * 10 + (c - '0');
    if (v > grenze) return grenze + 1;
  }
  return v;
}

// What every change of the period ends with.
void NeuePeriode(PersFormKontext& k) {
  PeriodeNeuLaden(k);
  k.form.SetEnabled("Button4", true);
  k.form.SetChecked("LstBerechnen", true);
  k.form.SetEnabled("TageslohnButton", false);
  UeberSechzigPruefen(k.state, k.form);
}

// `begrenzen`: clamp also a year of fewer than four digits.
void JahrUebernehmen(PersFormKontext& k, bool begrenzen) {
  PersFormModel& f = k.form;
  if (f.Text("MonatComboBox").empty()) f.SetText("MonatComboBox", "1");
  f.SetText("TageMaxSV", "30");
  std::string jahr = FilterDigitsAllowEmpty(f.Text("JahrComboBox"));
  if (begrenzen || jahr.size() >= 4) {
    const int hoechstes = GroesstesJahr(k.state.year);
    jahr = std::to_string(
        std::clamp(ZiffernBis(jahr, hoechstes), KleinstesJahr(k.state.year), hoechstes));
  }
  f.SetText("JahrComboBox", jahr);
  NeuePeriode(k);
}

enum class Schritt { Erste, Vorherige, Naechste, Letzte };

void Navigiere(PersFormKontext& k, Schritt schritt) {
  platform::Dialogs& dlg = k.state.dialogs();
  std::int64_t aktuell = 0;
  if (schritt == Schritt::Vorherige || schritt == Schritt::Naechste) {
    try {
      aktuell = StrToInt(k.form.Text("PersNrEdit"));
    } catch (const ConversionError& e) {
      dlg.ShowMessage(e.what());
      return;
    }
  }
  auto n = FindPersonalNrNachbarn(dlg, k.state.DataFileStem, kPersonalExt, aktuell);
  if (!n) return;
  std::optional<PersonalNrNachbarn::Nachbar> ziel;
  switch (schritt) {
    case Schritt::Erste:
      ziel = n->erste;
      break;
    case Schritt::Vorherige:
      ziel = n->vorherige;
      break;
    case Schritt::Naechste:
      ziel = n->naechste;
      break;
    case Schritt::Letzte:
      ziel = n->letzte;
      break;
  }
  if (!ziel) return;
  if (auto bild = ReadPersonalNachbar(dlg, k.state.DataFileStem, kPersonalExt, *ziel))
    ZeigePersonal(k.state, k.form, *bild);
}

}  // namespace

void PersFormNavigationAnbinden(PersFormKontext& k) {
  k.form.OnChange(
      "MonatComboBox", [&k](PersFormModel&) { MonatComboBoxChange(k); }, true);
  k.form.OnChange(
      "JahrComboBox", [&k](PersFormModel&) { JahrComboBoxChange(k); }, true);
  k.form.OnChange(
      "SVNrEdit", [&k](PersFormModel& f) { SVNrEditChange(k.state, f); }, true);
}

int KleinstesJahr(const YearValues& year) { return year.year; }

int GroesstesJahr(const YearValues& year) { return year.LetztesJahr(); }

void MonatComboBoxChange(PersFormKontext& k) {
  PersFormModel& f = k.form;
  f.SetText("TageMaxSV", "30");
  const std::string monat = FilterDigits(f.Text("MonatComboBox"));
  const int wert = ZiffernBis(monat, 12);
  f.SetText("MonatComboBox", wert < 1 || wert > 12 ? std::string(1, '1') : monat);
  NeuePeriode(k);
}

void JahrComboBoxChange(PersFormKontext& k) { JahrUebernehmen(k, false); }

void PersFormNavigationVerlassen(PersFormKontext& k, std::string_view name) {
  if (name != "JahrComboBox" || k.form.FocusRequestRunning()) return;
  const std::string& jahr = k.form.Text("JahrComboBox");
  const int hoechstes = GroesstesJahr(k.state.year);
  const int wert =
      jahr.find_first_not_of("0123456789") == std::string::npos ? ZiffernBis(jahr, hoechstes) : -1;
  if (jahr.size() < 4 || wert < KleinstesJahr(k.state.year) || wert > hoechstes)
    JahrUebernehmen(k, true);
}

void SpeedButton4Click(PersFormKontext& k) {
  PersFormModel& f = k.form;
  f.SetText("TageMaxSV", "30");
  // The build's year, as the report period proposes it: a payroll of
  // another year would be figured with this year's values.
  const platform::DateTime heute = k.state.services.clock.Now();
  f.SetText("JahrComboBox", std::to_string(k.state.year.year));
  f.SetText("MonatComboBox", std::to_string(k.state.year.MonatImJahr(heute.year, heute.month)));
  NeuePeriode(k);
}

void SpeedButton17Click(PersFormKontext& k) { Navigiere(k, Schritt::Erste); }
void SpeedButton16Click(PersFormKontext& k) { Navigiere(k, Schritt::Vorherige); }
void SpeedButton15Click(PersFormKontext& k) { Navigiere(k, Schritt::Naechste); }
void SpeedButton18Click(PersFormKontext& k) { Navigiere(k, Schritt::Letzte); }

void SVNrEditChange(AppState& state, PersFormModel& f) {
  const std::string& text = f.Text("SVNrEdit");
  if (text.empty()) return;
  f.SetText("SVNrEdit", FilterDigitsAllowEmpty(text));
  UeberSechzigPruefen(state, f);
}

void UeberSechzigPruefen(AppState& state, PersFormModel& f) {
  std::int64_t jahr = 0, monat = 0;
  try {
    jahr = StrToInt(f.Text("JahrComboBox"));
    monat = StrToInt(f.Text("MonatComboBox"));
  } catch (const ConversionError&) {
    return;  // no payroll month shown
  }
  if (monat < 1 || monat > 12 || jahr < 1 || jahr > 9999) return;
  auto frei = UeberSechzigImMonat(f.Text("SVNrEdit"), state.year.year, int(jahr), int(monat));
  if (!frei || *frei == f.Checked("ueberSechzigCheckBox")) return;
  // Ticked first: the message says that it is.
  f.SetChecked("ueberSechzigCheckBox", *frei);
  if (*frei) state.dialogs().ShowMessage(kAb60Hinweis);
}

}  // namespace lohn
