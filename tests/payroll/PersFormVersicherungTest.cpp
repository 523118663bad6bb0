// The insurance area of the employee window: the group checked on leaving
// it, the pay-kind and provision-fund clicks, the surcharge button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "payroll/PersFormStammdaten.h"
#include "payroll/PersFormTestSupport.h"
#include "payroll/PersFormVersicherung.h"

namespace {

using namespace lohn;
using persform_test::Fenster;
using Strings = std::vector<std::string>;

TEST(PersFormVersicherung, LeavingTheGroupSetsTheBoxesThatFollowFromIt) {
  struct Fall {
    const char* getippt;
    bool gehalt, ja;  // "Gehalt" ticked (else "Std-Lohn"); the answer to the levy question
    std::string gruppe;
    Strings meldungen;
    bool fragt, arbeiter, geringf;
    std::string umlagen;  // ticked afterwards
  };
  const std::string weg = kMeldungBeitragsgruppeNichtVerfuegbar, alle = "KU SW WF IE NB LK EF";
  const Fall faelle[] = {
      {"a1", true, false, "A1", {weg, kHinweisMeistensStdLohn}, false, true, false, alle},
      {"XYZ", false, false, "A1", {weg}, false, true, false, alle},
      {"N14", false, true, "N14", {}, true, true, true, "LK EF"},
      {"N14", false, false, "N14", {}, true, true, true, alle},
      {" A4y ", false, true, "A4y", {}, true, true, false, "LK EF"},
      {"D1", true, true, "D1", {}, false, false, false, alle},
      {"-", false, true, "-", {kHinweisMeistensGehalt}, false, false, false, alle},
  };
  for (const Fall& c : faelle) {
    SCOPED_TRACE(std::string("'") + c.getippt + "'");
    Fenster w;
    PersFormModel& f = w.f;
    for (const char* n :
         {"KU", "SW", "WF", "IE", "NB", "LK", "EF", "ArbeiterCheckBoxNeu", "GeringfCheckBox"})
      f.SetChecked(n, true);
    f.SetChecked("AngestellterCheckBox", c.gehalt);
    f.SetChecked("ArbeiterCheckBox", !c.gehalt);
    w.dialogs().answers = {c.ja};
    f.UserSetText("BeitragsgruppeComboBox", c.getippt);
    PersFormFeldVerlassen(w.env.state, f, "BeitragsgruppeComboBox");

    EXPECT_EQ(f.Text("BeitragsgruppeComboBox"), c.gruppe);
    EXPECT_EQ(w.dialogs().messages, c.meldungen);
    EXPECT_EQ(w.dialogs().questions, c.fragt ? Strings{kFrageUmlagenEntfernen} : Strings{});
    EXPECT_EQ(f.Checked("ArbeiterCheckBoxNeu"), c.arbeiter);
    EXPECT_EQ(f.Checked("GeringfCheckBox"), c.geringf);
    EXPECT_EQ(f.Checked("AngestellterCheckBox") + 2 * f.Checked("ArbeiterCheckBox"),
              c.gehalt ? 1 : 2);  // the pay kinds stay
    std::string umlagen;
    for (const char* n : {"KU", "SW", "WF", "IE", "NB", "LK", "EF"})
      if (f.Checked(n)) umlagen += (umlagen.empty() ? "" : " ") + std::string(n);
    EXPECT_EQ(umlagen, c.umlagen);
  }
}

TEST(PersFormVersicherung, TheUsersClicksSetTheOtherBoxesAShownEmployeeDoesNot) {
  PersonalRecord beide = persform_test::Person(3, "Beide");
  beide.AngestellterCheckBox = beide.ArbeiterCheckBox = true;
  Fenster w({beide});
  PersFormModel& f = w.f;
  PersFormBenutzerHaken(w.env.state, f, "ArbeiterCheckBox", true);
  EXPECT_FALSE(f.Checked("AngestellterCheckBox"));
  PersFormBenutzerHaken(w.env.state, f, "ArbeiterCheckBox", false);
  EXPECT_TRUE(f.Checked("AngestellterCheckBox"));
  f.SetChecked("BMVGberechnenCheckBox", false);
  PersFormBenutzerHaken(w.env.state, f, "BMVGberechnenCheckBox", true);
  EXPECT_EQ(w.dialogs().messages, (Strings{kHinweisBmvgHaken, kHinweisBmvgWirdAktiviert}));
  EXPECT_TRUE(f.Checked("BMVGcheckBox"));

  SelectPersonal(w.env.state, f, 3);
  EXPECT_TRUE(f.Checked("AngestellterCheckBox"));
  EXPECT_TRUE(f.Checked("ArbeiterCheckBox"));
}

TEST(PersFormVersicherung, SurchargeIsTwoAndAHalfPercentOfTheProvisionFundAmount) {
  const std::pair<std::string, std::string> faelle[] = {
      {"100,00", "2,50"}, {"1,00", "0,03"}, {"abc", "0"}};
  for (const auto& [betrag, zuschlag] : faelle) {
    Fenster w;
    w.f.SetText("BMVGbetragEdit", betrag);
    Button8Click(w.dialogs(), w.f);
    EXPECT_EQ(w.f.Text("MVzuschlagEdit"), zuschlag);
    EXPECT_EQ(w.dialogs().messages,
              zuschlag == "0" ? Strings{"'abc' ist kein gültiger Fließkommawert"} : Strings{});
  }
}

}  // namespace
