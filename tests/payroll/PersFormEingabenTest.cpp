// The employee window's filters, plausibility notices and the buttons
// beside its fields.
#include <gtest/gtest.h>

#include "frame/HauptmenueLogik.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormEingaben.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/PersFormTestSupport.h"

namespace {

using namespace lohn;
using persform_test::Fenster;
using persform_test::Person;
using Meldungen = std::vector<std::string>;

std::string Benannt(const std::string& meldung, const char* feld) {
  return meldung + "\nFeld \"" + feld + "\" im Fenster \"Dienstnehmer und Abrechnungsdaten 2014\".";
}

TEST(PersFormEingaben, FiltersOnLeavingAndTyping) {
  const std::string nines(25, '9');
  struct Fall {
    const char* feld;
    std::string text;
    bool getippt;
    std::string ergebnis;
    Meldungen meldungen;
  } faelle[] = {
      {"KostenstelleEdit", "7a", false, "7", {}},
      {"KostenstelleEdit", "", false, "0", {}},
      {"AnzahlKinderEdit", "x", false, "0", {}},
      {"AnzahlKinderEdit", nines, false, nines, {}},
      {"GehaltEdit", "12 Euro", false, "12", {}},
      {"GehaltEdit", "", false, "0", {}},
      {"GehaltEdit",
       "1,2,3",
       false,
       "1,2,3",
       {Benannt("'1,2,3' ist kein gültiger Fließkommawert", "Gehalt/Std-Lohn")}},
      {"GehaltEdit", "1.234,50", false, "1234,50", {}},
      {"GehaltEdit",
       "1.234",
       false,
       "1.234",
       {Benannt("'1.234' ist kein gültiger Fließkommawert", "Gehalt/Std-Lohn")}},
      {"EintrittsDatumEdit",
       "31.02.2014-19.09.2014",
       false,
       "31.02.2014-19.09.2014",
       {Benannt("'31.02.2014' ist kein gültiges Datum", "Ein-/Austritt")}},
      {"EintrittsDatumEdit",
       "3.3.2014-31.9.2014",
       false,
       "3.3.2014-31.9.2014",
       {Benannt("'31.9.2014' ist kein gültiges Datum", "Ein-/Austritt")}},
      {"EintrittsDatumEdit", "03.03.2014-19.09.2014", false, "03.03.2014-19.09.2014", {}},
      {"EintrittsDatumEdit", "29.02.2016 (seit 2010)", false, "29.02.2016 (seit 2010)", {}},
      {"SVtraegerEdit", "", false, "0", {}},
      {"PLZEdit", "1a0", true, "10", {}},
      {"AustrittsDatumEdit", "", true, "", {}},
      {"AuslandsTaetEdit", "-", true, "-", {}},  // converted when left
      {"AuslandsTaetEdit", "-", false, "-", {"'-' ist kein gültiger Fließkommawert"}},
      {"AuslandsTaetEdit", "1x,5", false, "1,5", {}},
      {"FamNameEdit", "Ad\tler\x07Z\r\nW", true, "Ad\tler\x07Z\r\nW", {}},
      {"FamNameEdit", "Ad\tler\x07Z\r\nW", false, "Ad ler Z  W", {}},
      {"FNA1", "Mei\ner", false, "Mei er", {}},
  };
  for (const Fall& c : faelle) {
    Fenster w;
    // As the window lays them out.
    w.f.SetBeschriftung("GehaltEdit", "Gehalt/Std-Lohn");
    w.f.SetBeschriftung("EintrittsDatumEdit", "Ein-/Austritt");
    w.f.SetText(c.feld, "alt");
    if (c.getippt) {
      PersFormBenutzerText(w.env.state, w.f, c.feld, c.text);
    } else {
      w.f.SetText(c.feld, c.text);
      PersFormFeldVerlassen(w.env.state, w.f, c.feld);
    }
    EXPECT_EQ(w.f.Text(c.feld), c.ergebnis) << c.feld << " " << c.text;
    EXPECT_EQ(w.dialogs().messages, c.meldungen) << c.feld << " " << c.text;
    // A text that is refused takes the clerk back to its field.
    EXPECT_EQ(w.f.FocusRequest(), c.meldungen.empty() ? "" : c.feld) << c.feld;
  }
}

TEST(PersFormEingaben, SocialPositionWorkerBoxAndRefundGroups) {
  struct Fall {
    const char* feld;  // the field left
    const char* text;
    const char* haken;
    std::string ergebnis;
    Meldungen meldungen;
    bool fokus;
  } faelle[] = {
      {"SozialeStellungEdit", "9", "", "2", {kHinweisSozialeStellung}, true},
      {"SozialeStellungEdit", "", "", "2", {kHinweisSozialeStellung}, true},
      {"SozialeStellungEdit", "1", "KU", "1", {kHinweisLehrlingUmlagen}, false},
      {"SozialeStellungEdit", "1", "LK", "1", {}, false},
      {"SozialeStellungEdit",
       "3",
       "ArbeiterCheckBoxNeu",
       "3",
       {kHinweisAngestellterMitArbeiter},
       false},
      {"ArbeiterCheckBoxNeu",
       "3",
       "ArbeiterCheckBoxNeu",
       "",
       {kHinweisArbeiterBeiAngestelltem},
       false},
      {"AMPFG_RueckVerrGruppe_SZEdit", " N25b ", "", "N25b", {}, false},
      {"AMPFG_RueckVerrGruppe_SZEdit", "n25b", "", "n25b", {kMeldungRueckverrechnungsgruppe}, true},
      {"AMPFG_RueckVerrGruppeEdit", " ", "", "", {}, false},
  };
  for (const Fall& c : faelle) {
    Fenster w;
    for (const char* umlage : {"KU", "WF", "LK", "SW", "EF", "IE", "NB"})
      w.f.SetChecked(umlage, false);
    if (*c.haken) w.f.SetChecked(c.haken, true);
    const bool textfeld = w.f.Art(c.feld) != PersFeldArt::CheckBox;
    w.f.SetText(textfeld ? c.feld : "SozialeStellungEdit", c.text);
    PersFormFeldVerlassen(w.env.state, w.f, c.feld);
    if (textfeld) {
      EXPECT_EQ(w.f.Text(c.feld), c.ergebnis) << c.feld << " " << c.text;
    }
    EXPECT_EQ(w.dialogs().messages, c.meldungen) << c.feld << " " << c.text;
    EXPECT_EQ(w.f.FocusRequest(), c.fokus ? c.feld : "") << c.feld << " " << c.text;
    EXPECT_EQ(w.f.FocusSelectsText(), c.fokus && textfeld && c.ergebnis == "2") << c.text;
  }
}

TEST(PersFormEingaben, RemarkLengthCountsCharactersOnTypingOnly) {
  Fenster w;
  w.f.SetText("BemerkungenEdit", std::string(120, 'b'));  // shown, not typed
  for (int n = 99; n <= 102; ++n)
    PersFormBenutzerText(w.env.state, w.f, "BemerkungenEdit", std::string(n, 'a'));
  EXPECT_EQ(w.dialogs().messages, Meldungen(2, kMeldungBemerkungZuLang));
  EXPECT_EQ(w.f.Text("BemerkungenEdit"), std::string(102, 'a'));

  std::string umlaute;
  for (int i = 0; i < 60; ++i) umlaute += "ä";
  PersFormBenutzerText(w.env.state, w.f, "BemerkungenEdit", umlaute);
  EXPECT_EQ(w.dialogs().messages.size(), 2u);
}

TEST(PersFormEingaben, AShownEmployeeIsSavedAsItWasStored) {
  PersonalRecord r = Person(5, "Berger");
  r.GeburtsdatenEdit = "A12";
  r.AustrittsDatumEdit = "1234 010154";
  r.PLZEdit = 1010;
  Fenster w({r});
  EXPECT_EQ(w.f.Text("GeburtsdatenEdit"), "");  // the new employee of the creation
  const auto vorher = testing_support::ReadBytes(persform_test::kStem + ".PER");
  SelectPersonal(w.env.state, w.f, 5);
  EXPECT_EQ(w.f.Text("AustrittsDatumEdit"), "1234 010154");
  Button2Click(w.env.state, w.f);
  // Saved, with the notice that the partner's number is no SV number.
  ASSERT_EQ(w.dialogs().messages.size(), 1u);
  EXPECT_EQ(w.dialogs().messages[0].rfind("SV-Nummer Partner ist falsch", 0), 0u);
  EXPECT_EQ(testing_support::ReadBytes(persform_test::kStem + ".PER"), vorher);
}

TEST(PersFormEingaben, ButtonsBesideTheFields) {
  Fenster w;
  w.env.dialogs.answers = {true, false};
  SpeedButton29Click(w.env.dialogs, w.env.shell);
  SpeedButton29Click(w.env.dialogs, w.env.shell);
  EXPECT_EQ(w.env.shell.opened, (Meldungen{kBeitragsgruppenRechner, "HTML/Beitragsgruppen.pdf"}));
  EXPECT_EQ(w.env.dialogs.questions, Meldungen(2, kFrageBeitragsgruppenRechner));

  // A family name of blanks is no employee for the wage-type window.
  PersFormKontext k(w.env.state);
  k.form.SetText("FamNameEdit", "   ");
  k.form.SetText("MonatComboBox", "3");
  k.form.SetText("JahrComboBox", "2014");
  EXPECT_FALSE(SpeedButton24Click(k));
  EXPECT_EQ(w.env.dialogs.messages.size(), 1u);
}

}  // namespace
