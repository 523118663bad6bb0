// The field model of the employee window: declared fields, change rules,
// and what the observer is told.
#include <gtest/gtest.h>

#include <stdexcept>

#include "payroll/PersFormModel.h"
#include "store/Numbers.h"

namespace {

using lohn::PersAspekt;
using lohn::PersFeldArt;
using lohn::PersFormModel;

TEST(PersFormModel, FieldsAreDeclaredOnceWithKindAndStartState) {
  PersFormModel f;
  EXPECT_EQ(f.Art("FamNameEdit"), PersFeldArt::Edit);
  EXPECT_EQ(f.Art("BeitragsgruppeComboBox"), PersFeldArt::ComboBox);
  EXPECT_EQ(f.Art("KU"), PersFeldArt::CheckBox);
  EXPECT_EQ(f.Art("MemoPendlerEuro"), PersFeldArt::Memo);
  EXPECT_EQ(f.Art("mehrPanel"), PersFeldArt::Control);
  EXPECT_EQ(f.Text("SV_Lohn_TageEdit"), "30");
  EXPECT_EQ(f.Text("STSL"), "AUT");
  EXPECT_TRUE(f.Checked("KU"));
  EXPECT_FALSE(f.Checked("LK"));
  EXPECT_FALSE(f.Visible("DnEldaPanel"));
  EXPECT_FALSE(f.Visible("AECD"));
  EXPECT_TRUE(f.Visible("MenuePanel"));
  EXPECT_EQ(f.Hint("PersNrEdit"), "Die Personalnummer wird automatisch vergeben");
  EXPECT_EQ(f.Names().front(), "MonatComboBox");
  EXPECT_TRUE(f.Has("TagCheckBox31"));
  EXPECT_FALSE(f.Has("TagCheckBox32"));
  EXPECT_EQ(f.Width(), 990);
}

TEST(PersFormModel, AMisspeltNameIsAProgrammingError) {
  PersFormModel f;
  EXPECT_THROW(f.Text("FamnameEdit"), std::logic_error);
  EXPECT_THROW(f.SetChecked("Ku", true), std::logic_error);
  EXPECT_THROW(f.RequestFocus("SVNr"), std::logic_error);
}

TEST(PersFormModel, PersonalNumberKeysTheRecordBufferAndResetsTheSvDays) {
  PersFormModel f;
  f.SetText("TageMaxSV", "12");
  f.SetText("PersNrEdit", "17");
  EXPECT_EQ(f.CurrentPersonal.PersNrEdit, 17);
  EXPECT_EQ(f.Text("TageMaxSV"), "30");
  // A number beyond 32 bits is refused, not wrapped; the field keeps it.
  EXPECT_THROW(f.UserSetText("PersNrEdit", "4294967313"), lohn::ConversionError);
  EXPECT_EQ(f.Text("PersNrEdit"), "4294967313");
  EXPECT_EQ(f.CurrentPersonal.PersNrEdit, 17);
}

TEST(PersFormModel, FiltersOnChangeWriteBackTheirResult) {
  struct Fall {
    const char* feld;
    const char* eingabe;
    const char* ergebnis;
    bool fehler;
  };
  const Fall faelle[] = {
      {"TageMaxSV", "2a5", "25", false},
      {"TageMaxSV", "", "0", false},
      {"Einkommen", "1.200,50 EUR", "1.200,50", true},  // "." is kept, so no number
      {"Einkommen", "1200,5x", "1200,5", false},
      {"KrankenschEdit", "abc", "0", false},
      {"KrankenschEdit", "1,2,3", "1,2,3", true},
      {"SV_Lohn_TageEdit", "2 0", "20", false},
  };
  for (const Fall& c : faelle) {
    PersFormModel f;
    if (c.fehler)
      EXPECT_THROW(f.UserSetText(c.feld, c.eingabe), lohn::ConversionError) << c.eingabe;
    else
      EXPECT_NO_THROW(f.UserSetText(c.feld, c.eingabe)) << c.eingabe;
    EXPECT_EQ(f.Text(c.feld), c.ergebnis) << c.feld << " " << c.eingabe;
  }
}

TEST(PersFormModel, SvDaysReachThePartMonthCalculator) {
  PersFormModel f;
  std::vector<std::string> tage;
  f.Steps.SetTeilGehaltTage = [&](const std::string& t) { tage.push_back(t); };
  f.SetText("SV_Lohn_TageEdit", "15");
  ASSERT_FALSE(tage.empty());
  EXPECT_EQ(tage.back(), "15");
}

TEST(PersFormModel, UserOnlyRulesIgnoreTheProgramsOwnChanges) {
  PersFormModel f;
  int always = 0, user = 0;
  f.OnChange("BerufEdit", [&](PersFormModel&) { ++always; });
  f.OnChange(
      "BerufEdit", [&](PersFormModel&) { ++user; }, true);
  f.SetText("BerufEdit", "Tischler");
  f.UserSetText("BerufEdit", "Maurer");
  f.UserSetText("BerufEdit", "Maurer");  // unchanged: nothing fires
  EXPECT_EQ(always, 2);
  EXPECT_EQ(user, 1);
}

TEST(PersFormModel, ObserverHearsEveryAspect) {
  PersFormModel f;
  std::vector<std::pair<std::string, PersAspekt>> log;
  f.SetObserver([&](const std::string& n, PersAspekt a) { log.emplace_back(n, a); });
  f.SetText("OrtEdit", "Graz");
  f.SetChecked("NB", true);
  f.SetItems("SonderZlgComboBox", {"Urlaubsgeld"});
  f.SetEnabled("Button4", false);
  f.SetVisible("mehrPanel", true);
  f.SetWidth(810);
  f.RequestFocus("SVNrEdit");
  f.SetVisible("mehrPanel", true);  // unchanged
  const std::vector<std::pair<std::string, PersAspekt>> expected = {
      {"OrtEdit", PersAspekt::Text},
      {"NB", PersAspekt::Checked},
      {"SonderZlgComboBox", PersAspekt::Items},
      {"Button4", PersAspekt::Enabled},
      {"mehrPanel", PersAspekt::Visible},
      {"", PersAspekt::Width},
      {"SVNrEdit", PersAspekt::Focus}};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(f.FocusRequest(), "SVNrEdit");
}

}  // namespace
