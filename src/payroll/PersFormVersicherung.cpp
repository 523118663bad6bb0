#include "payroll/PersFormVersicherung.h"

#include <string>

#include "payroll/Beitragsgruppen.h"
#include "payroll/FormatBetrag.h"
#include "payroll/PersFormStammdaten.h"
#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {
constexpr const char* kGruppenFeld = "BeitragsgruppeComboBox";
constexpr double kMvZuschlagProzent = 2.5;
}  // namespace

void BeitragsgruppeComboBoxExit(platform::Dialogs& dlg, PersFormModel& f) {
  // A blank typed before or after a code would make it unknown to the
  // calculation, which compares the whole text.
  std::string gruppe(TrimBlanks(f.Text(kGruppenFeld)));
  if (!BeitragsgruppeFehler(gruppe).empty()) {
    dlg.ShowMessage(kMeldungBeitragsgruppeNichtVerfuegbar);
    gruppe = kErsatzBeitragsgruppe;
  }
  f.SetText(kGruppenFeld, gruppe);

  const bool gehalt = f.Checked("AngestellterCheckBox");
  if (IstArbeiterBeitragsgruppe(gruppe)) {
    f.SetChecked("ArbeiterCheckBoxNeu", true);
    if (gehalt) dlg.ShowMessage(kHinweisMeistensStdLohn);
  } else {
    f.SetChecked("ArbeiterCheckBoxNeu", false);
    if (!gehalt) dlg.ShowMessage(kHinweisMeistensGehalt);
  }
  f.SetChecked("GeringfCheckBox", IstGeringfuegigeBeitragsgruppe(gruppe));
  // LK and EF are not part of the exemption.
  if (IstUmlagenfreieBeitragsgruppe(gruppe) && dlg.AskYesNo(kFrageUmlagenEntfernen))
    for (const char* umlage : {"KU", "SW", "WF", "IE", "NB"}) f.SetChecked(umlage, false);
}

void ArbeiterCheckBoxClick(PersFormModel& f) {
  f.SetChecked("AngestellterCheckBox", !f.Checked("ArbeiterCheckBox"));
}

void AngestellterCheckBoxClick(PersFormModel& f) {
  f.SetChecked("ArbeiterCheckBox", !f.Checked("AngestellterCheckBox"));
}

void BMVGberechnenCheckBoxClick(platform::Dialogs& dlg, PersFormModel& f) {
  if (!f.Checked("BMVGberechnenCheckBox")) return;
  dlg.ShowMessage(kHinweisBmvgHaken);
  if (!f.Checked("BMVGcheckBox")) dlg.ShowMessage(kHinweisBmvgWirdAktiviert);
  f.SetChecked("BMVGcheckBox", true);
}

void Button8Click(platform::Dialogs& dlg, PersFormModel& f) {
  try {
    const double betrag = FeldBetrag(f, "BMVGbetragEdit");
    f.SetText("MVzuschlagEdit", FormatBetrag(betrag * kMvZuschlagProzent * 0.01));
  } catch (const ConversionError& e) {
    dlg.ShowMessage(e.what());
  }
}

void VersicherungsRegelnAnhaengen(platform::Dialogs& dlg, PersFormModel& f) {
  constexpr bool nurBenutzer = true;
  f.OnChange("ArbeiterCheckBox", ArbeiterCheckBoxClick, nurBenutzer);
  f.OnChange("AngestellterCheckBox", AngestellterCheckBoxClick, nurBenutzer);
  f.OnChange(
      "BMVGberechnenCheckBox", [&dlg](PersFormModel& m) { BMVGberechnenCheckBoxClick(dlg, m); },
      nurBenutzer);
}

}  // namespace lohn
