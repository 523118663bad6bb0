// The employee window's period fields, its steps through the employees and
// the age-60 rule, on real files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "frame/HauptmenueBerichte.h"
#include "payroll/BerechnenButton.h"
#include "payroll/PersFormNavigation.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/PersFormTestSupport.h"
#include "store/AbrechnungStore.h"
#include "store/Numbers.h"

namespace {

using namespace lohn;
using persform_test::kStem;

const std::string kAb60 =
    "HINWEIS: DB und DZ entfallen für DN ab 60! Checkbox \"DB, DZ frei\" wurde daher angehakt. "
    "Bitte überprüfen Sie die Einstellungen und klicken Sie auf \"Speichern\"!";

// Employees "DN<nr>" on a salary; number 60 was born in January 1950.
struct Fenster {
  explicit Fenster(const std::vector<std::int32_t>& nummern,
                   const std::vector<AbrechnungRecord>& abrechnungen = {},
                   const YearValues& year = kYear2014)
      : env(year) {
    std::vector<PersonalRecord> personal;
    for (std::int32_t nr : nummern) {
      personal.push_back(persform_test::Person(nr, "DN" + std::to_string(nr)));
      personal.back().AngestellterCheckBox = true;
      personal.back().GehaltEdit = 2000;
      if (nr == 60) personal.back().SVNrEdit = "1234010150";
    }
    persform_test::WritePersonal(personal);
    persform_test::WriteAbrechnungen(abrechnungen);
    env.state.DataFileStem = kStem;
    PersFormCreate(env.state, f);
  }
  // As the program sets it; a text that is no number stays in the field.
  void Setze(const char* name, const std::string& text) {
    try {
      f.SetText(name, text);
    } catch (const ConversionError&) {
    }
  }
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  PersFormKontext k{env.state};
  PersFormModel& f = k.form;
};

TEST(PersFormNavigation, StepsToAnExistingNumberOrChangesNothing) {
  const std::string kKeinInt = "'abc' ist kein gültiger Integerwert";
  struct Fall {
    std::vector<std::int32_t> personal;
    const char* von;
    void (*knopf)(PersFormKontext&);
    const char* nach;  // nullptr: nobody chosen
    std::vector<std::string> meldungen;
    bool teilBleibt = true;  // the part payroll chosen before
  } faelle[] = {
      {{1, 2, 5}, "2", SpeedButton15Click, "5", {}},
      {{1, 2, 5}, "5", SpeedButton16Click, "2", {}},
      {{1, 2, 5}, "1", SpeedButton18Click, "5", {}},
      {{0, 2, 5}, "5", SpeedButton17Click, "2", {}},
      {{1, 2, 5}, "5", SpeedButton15Click, nullptr, {}},
      {{2, 5}, "2", SpeedButton16Click, nullptr, {}},
      {{10, 2000000000}, "10", SpeedButton15Click, "2000000000", {}},
      {{10, 2000000000}, "2147483647", SpeedButton16Click, "2000000000", {}},
      {{1, 2}, "abc", SpeedButton15Click, nullptr, {kKeinInt}},
      {{1, 2}, "abc", SpeedButton16Click, nullptr, {kKeinInt}},
      {{2, 5}, "5", [](PersFormKontext& k) { SelectPersonal(k.state, k.form, 1); }, nullptr, {}},
      {{1, 60},
       "1",
       [](PersFormKontext& k) { k.form.UserSetText("PersonalNrComboBox", "DN60 | Nr. 60"); },
       "60",
       {kAb60},
       false},
      {{1, 2},
       "1",
       [](PersFormKontext& k) {
         std::filesystem::remove(kStem + ".PER");
         std::filesystem::create_directory(kStem + ".PER");
         SpeedButton16Click(k);
         SpeedButton18Click(k);
       },
       nullptr,
       {kFileInUseMessage, kFileInUseMessage}},
  };
  for (const Fall& c : faelle) {
    Fenster w(c.personal);
    w.Setze("JahrComboBox", "2014");
    w.Setze("MonatComboBox", "3");
    w.Setze("AbrechngComboBox", "1");
    w.Setze("PersNrEdit", c.von);
    w.Setze("ComboBox1", "getippt");  // a field of the registration panel
    w.env.dialogs.messages.clear();
    c.knopf(w.k);
    const std::string nach = c.nach ? c.nach : "";
    const std::string was = std::string(c.von) + " -> " + nach;
    EXPECT_EQ(w.f.Text("PersNrEdit"), c.nach ? nach : c.von) << was;
    EXPECT_EQ(w.f.Text("FamNameEdit"), c.nach ? "DN" + nach : "") << was;
    EXPECT_EQ(w.f.Text("ComboBox1"), c.nach ? "" : "getippt") << was;
    EXPECT_EQ(w.f.Text("AbrechngComboBox"), c.teilBleibt ? "1" : "0") << was;
    EXPECT_EQ(w.f.Checked("ueberSechzigCheckBox"), nach == "60") << was;
    EXPECT_EQ(w.env.dialogs.messages, c.meldungen) << was;
  }
}

AbrechnungRecord Maerz(std::int32_t teil, double netto) {
  AbrechnungRecord r = persform_test::Abrechnung(7, 3);
  r.AbrechngComboBox = teil;
  r.NettoBetragEdit = netto;
  if (teil == 0) r.Lohnarten[0] = PackLohnartLine({"110", "1", "Zulage", "10", true, true, true});
  return r;
}

TEST(PersFormNavigation, AChangedPeriodShowsItsOwnPayrollAndSavesWithoutTheOldLines) {
  Fenster w({7}, {Maerz(0, 100), Maerz(1, 50)});
  w.Setze("MonatComboBox", "3");
  w.Setze("JahrComboBox", "2014");
  SelectPersonal(w.env.state, w.f, 7);
  w.f.UserSetText("AbrechngComboBox", "1");
  EXPECT_EQ(w.f.Text("NettoBetragEdit"), "50,00");

  w.f.UserSetText("MonatComboBox", "4");
  EXPECT_EQ(w.f.Text("AbrechngComboBox"), "0");
  EXPECT_EQ(w.f.Text("NettoBetragEdit"), "0");
  EXPECT_EQ(w.k.lohnarten.Zeilen(), LohnartenZeilen{});
  BerechnenButonClick(w.k);
  auto april = ReadAbrechnungRecord(kStem, kAbrechnungExt, 7, false, 0, 2014, 4);
  ASSERT_TRUE(april.has_value());
  EXPECT_EQ(april->Lohnarten[0], PackLohnartLine(LohnartLine{}));

  w.f.UserSetText("MonatComboBox", "3");
  EXPECT_EQ(w.f.Text("NettoBetragEdit"), "100,00");
  EXPECT_EQ(w.k.lohnarten.Zeilen()[0].code, "110");
}

TEST(PersFormNavigation, PeriodFieldsStayInTheirRange) {
  struct Fall {
    const YearValues* year;
    const char* feld;
    std::vector<const char*> getippt;  // "<": the field is left
    const char* ergebnis;
  } faelle[] = {
      {&kYear2014, "JahrComboBox", {"2", "20", "201", "2015"}, "2015"},
      {&kYear2014, "JahrComboBox", {"2", "20"}, "20"},
      {&kYear2014, "JahrComboBox", {"2", "20", "<"}, "2014"},
      {&kYear2014, "JahrComboBox", {"1999"}, "2014"},
      {&kYear2014, "JahrComboBox", {"2150"}, "2100"},
      {&kYear2013, "JahrComboBox", {"2015"}, "2013"},
      {&kYear2014, "MonatComboBox", {"1", "13"}, "1"},
      {&kYear2014, "MonatComboBox", {"1", "12"}, "12"},
  };
  for (const Fall& c : faelle) {
    Fenster w({7}, {}, *c.year);
    for (const char* text : c.getippt)
      text == std::string("<") ? PersFormNavigationVerlassen(w.k, c.feld)
                               : w.f.UserSetText(c.feld, text);
    EXPECT_EQ(w.f.Text(c.feld), c.ergebnis) << c.getippt.back();
  }

  // "akt. Monat" stays in the build's year, as the report period does.
  for (auto [heute, periode] : {std::pair<platform::DateTime, const char*>{{2013, 6, 15}, "1/2014"},
                                {{2014, 6, 15}, "6/2014"},
                                {{2026, 3, 2}, "12/2014"}}) {
    Fenster w({7});
    w.env.clock.Set(heute);
    w.f.SetText("TageMaxSV", "12");
    w.f.SetEnabled("Button4", false);
    w.f.SetEnabled("TageslohnButton", true);
    w.f.SetChecked("LstBerechnen", false);
    SpeedButton4Click(w.k);
    EXPECT_EQ(w.f.Text("MonatComboBox") + "/" + w.f.Text("JahrComboBox"), periode);
    EXPECT_EQ(std::to_string(lohn::ProposeReportMonth(w.env.state)) + "/2014", periode);
    EXPECT_EQ(w.f.Text("TageMaxSV"), "30");
    EXPECT_TRUE(w.f.Enabled("Button4") && w.f.Checked("LstBerechnen"));
    EXPECT_FALSE(w.f.Enabled("TageslohnButton"));
  }
}

TEST(PersFormNavigation, FreeOfDbAndDzFromTheMonthAfterTheSixtiethYear) {
  // The month shown decides, never the clock: a year of life ends the day
  // before the birthday, DB and DZ end with the month after that day's.
  struct Fall {
    const char* svNr;
    const char* monat;  // of 2014
    bool frei;
    bool freiImJaenner;  // after going back to January
  } faelle[] = {
      {"1248150154", "1", false, false},  {"1248150154", "2", true, false},
      {"0000150154", "2", true, false},   {"1256150605", "3", false, false},
      {"124815015", "3", false, false},   {"0000010154", "1", true, true},
      {"0000010354", "2", false, false},  {"0000010354", "3", true, false},
      {"0000011254", "11", false, false}, {"0000011254", "12", true, false},
      {"0000020154", "1", false, false},  {"0000020154", "2", true, false},
      {"0000150654", "6", false, false},  {"0000150654", "7", true, false},
      {"0000310354", "3", false, false},  {"0000310354", "4", true, false},
      {"0000280254", "2", false, false},  {"0000280254", "3", true, false},
  };
  for (const Fall& c : faelle) {
    const std::string was = std::string(c.svNr) + " " + c.monat;
    Fenster w({7});
    w.env.clock.Set({2026, 6, 1});
    w.Setze("JahrComboBox", "2014");
    w.Setze("MonatComboBox", c.monat);
    w.f.UserSetText("SVNrEdit", c.svNr);
    w.f.UserSetText("SVNrEdit", c.svNr);  // typed again: told once
    EXPECT_EQ(w.f.Checked("ueberSechzigCheckBox"), c.frei) << was;
    EXPECT_EQ(w.env.dialogs.messages, std::vector<std::string>(c.frei ? 1 : 0, kAb60)) << was;
    // Another month shown: the box follows it.
    w.f.UserSetText("MonatComboBox", "1");
    EXPECT_EQ(w.f.Checked("ueberSechzigCheckBox"), c.freiImJaenner) << was;
    EXPECT_EQ(w.env.dialogs.messages.size(), c.frei || c.freiImJaenner ? 1u : 0u) << was;
  }
}

}  // namespace
