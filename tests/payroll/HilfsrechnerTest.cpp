// The four calculators of the employee window: their results, their
// refusals, what they take over into the employee window and what the
// employee file keeps.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "payroll/BerechnenButton.h"
#include "payroll/Hilfsrechner.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormNavigation.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/PersFormTestSupport.h"
#include "store/AbrechnungStore.h"
#include "store/LockFile.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using namespace lohn;
using persform_test::kStem;

// Employees 7 "Adler" (3000 a month) and 8 "Berg" (2000) are stored; the
// window shows March 2014 and no employee yet.
struct Fenster {
  Fenster() {
    PersonalRecord a = persform_test::Person(7, "Adler");
    a.GehaltEdit = 3000;
    a.AngestellterCheckBox = true;
    PersonalRecord b = persform_test::Person(8, "Berg");
    b.GehaltEdit = 2000;
    b.AngestellterCheckBox = true;
    persform_test::WritePersonal({a, b});
    persform_test::WriteAbrechnungen({});
    env.state.DataFileStem = kStem;
    PersFormCreate(env.state, k.form);
    k.form.SetText("MonatComboBox", "3");
    k.form.SetText("JahrComboBox", "2014");
  }
  void Waehle(int nr) { SelectPersonal(env.state, k.form, nr); }
  std::vector<std::string>& Meldungen() { return env.dialogs.messages; }
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  PersFormKontext k{env.state};
};

struct Fall {
  const char* name;
  std::function<void(PersFormKontext&)> eingaben;
  std::function<bool(PersFormKontext&)> berechne;
  std::vector<std::string> erwartet;  // result texts; empty: refused
  std::string meldung;
  std::function<std::vector<std::string>(PersFormKontext&)> ergebnisse;
};

std::vector<std::string> TeilGehalt(PersFormKontext& k) {
  return {k.rechner.teilGehalt.texte.GehaltEdit};
}
std::vector<std::string> Sonderzahlung(PersFormKontext& k) {
  return {k.rechner.sonderzahlung.texte.SonderZahlungEdit};
}
std::vector<std::string> Tag(PersFormKontext& k) {
  const auto& t = k.rechner.tagesLohnsteuer.texte;
  return {t.TageEdit, t.TagesLohnEdit, t.TagesLohnsteuerEdit};
}
std::vector<std::string> Urlaub(PersFormKontext& k) {
  const auto& t = k.rechner.urlaubsAbfindung.texte;
  return {t.AliquoterUrlaubEdit, t.aliqResturlaubEdit, t.ErsatzleistungLfdEdit,
          t.ErsatzleistungSZEdit, t.ErsatzleistungGesEdit};
}

void Teil(PersFormKontext& k, const char* m, const char* t, const char* tm) {
  k.rechner.teilGehalt.texte = {m, t, tm, "0"};
}
void Sz(PersFormKontext& k, const char* lfd, const char* schnitt, const char* monate, bool d) {
  k.rechner.sonderzahlung.texte = {lfd, schnitt, monate, d, "0"};
}
void Taglohn(PersFormKontext& k, const char* brutto, const char* tage, bool allein = false) {
  k.rechner.tagesLohnsteuer.texte = {brutto, tage, allein, "0", "0"};
  TagesLohnsteuerFeldGeaendert(k, "TageEdit");
}
void Url(PersFormKontext& k, const char* anspruch, const char* jahr, const char* kalender) {
  auto& t = k.rechner.urlaubsAbfindung.texte;
  t.UrlaubsAnspruchEdit = anspruch;
  t.TageJahrEdit = jahr;
  t.KalenderTageEdit = kalender;
  t.verbrauchterUrlaubEdit = "5";
  t.MonatsentgeltEdit = "2600,00";
  t.Sonderzahlung12telEdit = "5200,00";
  t.TageEdit = "26";
}

TEST(Hilfsrechner, ComputesOrRefusesWithNothingWritten) {
  const Fall faelle[] = {
      {"part month",
       [](auto& k) { Teil(k, "3000", "10", "30"); },
       TeilGehaltBerechnen,
       {"1000,00"},
       "",
       TeilGehalt},
      {"no days a month",
       [](auto& k) { Teil(k, "3000", "10", "0"); },
       TeilGehaltBerechnen,
       {},
       kMeldungTageMonatNull,
       TeilGehalt},
      {"more days than the month has",
       [](auto& k) { Teil(k, "3000", "31", "30"); },
       TeilGehaltBerechnen,
       {},
       kMeldungTageUeberTageMonat,
       TeilGehalt},
      // A text that does not convert clears what an earlier "Berechnen" left.
      {"not a number after a result",
       [](auto& k) {
         Teil(k, "3000", "10", "30");
         TeilGehaltBerechnen(k);
         k.rechner.teilGehalt.texte.MonatsGehaltEdit = "abc";
       },
       TeilGehaltBerechnen,
       {"0"},
       "'abc' ist kein gültiger Fließkommawert",
       TeilGehalt},
      {"special payment",
       [](auto& k) { Sz(k, "2400", "0", "6", false); },
       SonderzahlungBerechnen,
       {"1200,00"},
       "",
       Sonderzahlung},
      {"average",
       [](auto& k) { Sz(k, "2400", "3000", "12", true); },
       SonderzahlungBerechnen,
       {"3000,00"},
       "",
       Sonderzahlung},
      {"ten days",
       [](auto& k) { Taglohn(k, "1000,00", "10"); },
       TagesLohnsteuerBerechnen,
       {"10", "100,00", "262,10"},
       "",
       Tag},
      {"a month of days",
       [](auto& k) { Taglohn(k, "3000,00", "30"); },
       TagesLohnsteuerBerechnen,
       {"30", "100,00", "786,30"},
       "",
       Tag},
      {"credit and two children",
       [](auto& k) {
         k.form.SetText("AnzahlKinderEdit", "2");
         Taglohn(k, "500,00", "10", true);
       },
       TagesLohnsteuerBerechnen,
       {"10", "50,00", "40,86"},
       "",
       Tag},
      {"commuter euro",
       [](auto& k) {
         k.form.SetText("BPEND_Edit", "360,00");
         k.form.SetChecked("CheckBox32", true);
         Taglohn(k, "1000,00", "10");
       },
       TagesLohnsteuerBerechnen,
       {"10", "100,00", "252,10"},
       "",
       Tag},
      {"no days",
       [](auto& k) { Taglohn(k, "1000,00", "0"); },
       TagesLohnsteuerBerechnen,
       {},
       kMeldungTageGroesserNull,
       Tag},
      {"45 days",
       [](auto& k) { Taglohn(k, "3100,00", "45"); },
       TagesLohnsteuerBerechnen,
       {"31", "100,00", "812,51"},
       "",
       Tag},
      {"holiday",
       [](auto& k) { Url(k, "25", "365", "180"); },
       UrlaubsAbfindungBerechnen,
       {"12", "7", "700,00", "116,67", "816,67"},
       "",
       Urlaub},
      {"half down to even",
       [](auto& k) { Url(k, "25", "200", "100"); },
       UrlaubsAbfindungBerechnen,
       {"12", "7", "700,00", "116,67", "816,67"},
       "",
       Urlaub},
      {"half up to even",
       [](auto& k) { Url(k, "25", "200", "108"); },
       UrlaubsAbfindungBerechnen,
       {"14", "9", "900,00", "150,00", "1050,00"},
       "",
       Urlaub},
      {"more used than due",
       [](auto& k) { Url(k, "25", "365", "31"); },
       UrlaubsAbfindungBerechnen,
       {"2", "-3", "0", "0", "0"},
       "",
       Urlaub},
      {"no days a year",
       [](auto& k) { Url(k, "25", "0", "180"); },
       UrlaubsAbfindungBerechnen,
       {},
       kMeldungTageNichtPlausibelRufz,
       Urlaub},
      {"days beyond count",
       [](auto& k) { Url(k, "1e300", "1", "1e300"); },
       UrlaubsAbfindungBerechnen,
       {},
       kMeldungTageNichtPlausibelRufz,
       Urlaub},
  };
  for (const Fall& f : faelle) {
    Fenster w;
    f.eingaben(w.k);
    const auto vorher = f.ergebnisse(w.k);
    const bool ok = f.berechne(w.k);
    EXPECT_EQ(ok, f.meldung.empty()) << f.name;
    EXPECT_EQ(f.ergebnisse(w.k), f.erwartet.empty() ? vorher : f.erwartet) << f.name;
    EXPECT_EQ(w.Meldungen(),
              f.meldung.empty() ? std::vector<std::string>{} : std::vector<std::string>{f.meldung})
        << f.name;
    if (!ok && f.erwartet.size() == 1) {
      // Nothing to take over until a calculation succeeds again.
      EXPECT_TRUE(w.k.rechner.teilGehalt.ohneErgebnis);
      EXPECT_FALSE(TeilGehaltUebernehmen(w.k));
      w.k.rechner.teilGehalt.texte.MonatsGehaltEdit = "3000";
      EXPECT_TRUE(TeilGehaltBerechnen(w.k) && TeilGehaltUebernehmen(w.k));
      EXPECT_EQ(w.k.form.Text("GehaltEdit"), "1000,00");
    }
  }
}

TEST(Hilfsrechner, HolidayOpenerProposesFromTheEmployeeWindow) {
  Fenster w;
  w.Waehle(7);
  w.k.form.SetText("MonatComboBox", "2");
  for (auto [name, text] : {std::pair{"UrlaubsAnspruchEdit", "25"},
                            {"RestUrlaubEdit", "154"},
                            {"BruttoEdit", "3300,00"}})
    w.k.form.SetText(name, text);
  testing_support::WriteText(kStem + "UrlErsatzTage.dat", " 22 ;26\r\n");
  // Results of an earlier opening, perhaps for another employee, are gone.
  w.k.rechner.urlaubsAbfindung.texte.ErsatzleistungGesEdit = "812,50";
  w.k.rechner.tagesLohnsteuer.texte.TagesLohnsteuerEdit = "12,34";
  ASSERT_TRUE(Button4Click(w.k));
  ASSERT_TRUE(TageslohnButtonClick(w.k));
  EXPECT_EQ(Urlaub(w.k), std::vector<std::string>(5, "0"));
  EXPECT_EQ(Tag(w.k)[2], "0");
  const auto& t = w.k.rechner.urlaubsAbfindung.texte;
  EXPECT_EQ(t.KalenderTageEdit, "59");
  EXPECT_EQ(t.verbrauchterUrlaubEdit, "5");
  // The salary of the employee file, not a gross that may hold a compensation.
  EXPECT_EQ(t.MonatsentgeltEdit, "3000,00");
  EXPECT_EQ(t.Sonderzahlung12telEdit, "6000,00");
  EXPECT_EQ(t.TageEdit, "22");
  // Paid by the hour: the month's gross.
  w.k.form.SetChecked("AngestellterCheckBox", false);
  w.k.form.SetChecked("ArbeiterCheckBox", true);
  ASSERT_TRUE(Button4Click(w.k));
  EXPECT_EQ(t.MonatsentgeltEdit, "3300,00");

  w.k.form.SetText("FamNameEdit", "");
  EXPECT_FALSE(Button4Click(w.k));
  EXPECT_FALSE(TageslohnButtonClick(w.k));
  EXPECT_EQ(w.Meldungen(),
            (std::vector<std::string>{kMeldungUrlaubAuswahl, kMeldungTageslohnAuswahl}));
}

TEST(Hilfsrechner, WorkingDaysAreKeptPerEmployer) {
  Fenster w;
  const std::string datei = kStem + "UrlErsatzTage.dat";
  auto& tage = w.k.rechner.urlaubsAbfindung.texte.TageEdit;
  tage = "22";
  UrlaubsAbfindungFeldVerlassen(w.k, "TageEdit");
  EXPECT_EQ(testing_support::ReadBytes(datei), (std::vector<std::uint8_t>{'2', '2'}));
  tage = "0";
  UrlaubsAbfindungFeldVerlassen(w.k, "TageEdit");
  EXPECT_EQ(tage, "1");
  EXPECT_EQ(testing_support::ReadBytes(datei), (std::vector<std::uint8_t>{'1'}));
  EXPECT_EQ(w.Meldungen(), std::vector<std::string>{kMeldungTageNichtPlausibelRufz});

  // A file that cannot be replaced: told, the field keeps its text.
  fs::remove(datei);
  fs::create_directory(datei);
  tage = "20";
  UrlaubsAbfindungFeldVerlassen(w.k, "TageEdit");
  EXPECT_EQ(tage, "20");
  ASSERT_EQ(w.Meldungen().size(), 2u);
  EXPECT_NE(w.Meldungen()[1].find("kann nicht gespeichert werden"), std::string::npos);
}

std::optional<PersonalRecord> Gespeichert(int nr) {
  return ReadPersonalRecord(kStem, kPersonalExt, nr);
}

TEST(Hilfsrechner, TakeOversStayOutOfTheMasterData) {
  Fenster w;
  w.Waehle(7);
  w.k.form.UserSetText("GehaltEdit", "3000,00");
  ASSERT_TRUE(SpeedButton30Click(w.k));
  EXPECT_EQ(w.k.rechner.teilGehalt.texte.TageEdit, "30");
  w.k.rechner.teilGehalt.texte.TageEdit = "10";
  ASSERT_TRUE(TeilGehaltUebernehmen(w.k));
  EXPECT_EQ(w.k.form.Text("GehaltEdit"), "1000,00");
  EXPECT_TRUE(BerechnenButonClick(w.k));
  EXPECT_EQ(w.k.form.Text("SV_Lohn_TageEdit"), "10");
  EXPECT_EQ(Gespeichert(7)->GehaltEdit, 3000);
  auto abr = ReadAbrechnungRecord(kStem, kAbrechnungExt, 7, false, 0, 2014, 3);
  ASSERT_TRUE(abr);
  EXPECT_EQ(abr->GehaltEdit, 1000);
  ASSERT_TRUE(SpeedButton30Click(w.k));
  EXPECT_EQ(w.k.rechner.teilGehalt.texte.MonatsGehaltEdit, "3000,00");
  RechnerAbbrechen(w.k.rechner.teilGehalt);
  // Chosen again: the stored part month shows and calculates as stored.
  w.Waehle(7);
  EXPECT_EQ(w.k.form.Text("GehaltEdit"), "1000,00");
  EXPECT_TRUE(BerechnenButonClick(w.k));
  EXPECT_EQ(ReadAbrechnungRecord(kStem, kAbrechnungExt, 7, false, 0, 2014, 3)->pack(), abr->pack());
  EXPECT_EQ(Gespeichert(7)->GehaltEdit, 3000);
  // A month without a payroll starts from the employee file.
  w.k.form.UserSetText("MonatComboBox", "4");
  EXPECT_EQ(w.k.form.Text("GehaltEdit"), "3000,00");

  // Holiday compensation into the allowance and the special payment.
  w.k.form.SetText("ZulageEdit", "200,00");
  w.k.form.SetText("SonderzahlungEdit", "0,00");
  auto& u = w.k.rechner.urlaubsAbfindung;
  Url(w.k, "25", "365", "31");  // nothing left to compensate: the window stays open
  EXPECT_FALSE(UrlaubsAbfindungUebernehmen(w.k, {}));
  EXPECT_EQ(w.Meldungen().back(), kMeldungErsatzleistungNull);
  Url(w.k, "25", "365", "180");
  u.beimOeffnen = u.texte;
  bool geschlossen = false;
  ASSERT_TRUE(UrlaubsAbfindungUebernehmen(w.k, [&] { geschlossen = true; }));
  EXPECT_TRUE(geschlossen);
  EXPECT_EQ(w.k.form.Text("ZulageEdit"), "900,00");
  EXPECT_EQ(w.k.form.Text("SonderzahlungEdit"), "116,67");
  EXPECT_FALSE(w.k.form.Enabled("Button4"));
  EXPECT_EQ(w.Meldungen().back(), kMeldungErsatzleistungUebernommen);
  ASSERT_TRUE(SavePersonalFromForm(w.env.state, w.k.form));
  EXPECT_EQ(Gespeichert(7)->ZulageEdit, 200);
  // Typing in the field makes it master data again.
  w.k.form.UserSetText("ZulageEdit", "950,00");
  ASSERT_TRUE(SavePersonalFromForm(w.env.state, w.k.form));
  EXPECT_EQ(Gespeichert(7)->ZulageEdit, 950);
}

TEST(Hilfsrechner, AHolidayCompensationIsCountedOnce) {
  Fenster w;
  w.Waehle(8);
  for (auto [name, text] : {std::pair{"GehaltEdit", "2400,00"},
                            {"ZulageEdit", "200,00"},
                            {"UrlaubsAnspruchEdit", "25"},
                            {"RestUrlaubEdit", "154"}})
    w.k.form.SetText(name, text);
  // 7 days of 2600 a month: 700,00 and 116,67.
  const auto uebernimm = [&] {
    EXPECT_TRUE(Button4Click(w.k));
    EXPECT_EQ(w.k.rechner.urlaubsAbfindung.texte.MonatsentgeltEdit, "2600,00");
    w.k.rechner.urlaubsAbfindung.texte.KalenderTageEdit = "180";
    return UrlaubsAbfindungUebernehmen(w.k, {});
  };
  const auto gespeichert = [] {
    return ReadAbrechnungRecord(kStem, kAbrechnungExt, 8, false, 0, 2014, 3).value().pack();
  };
  ASSERT_TRUE(uebernimm());
  EXPECT_TRUE(w.env.dialogs.questions.empty());
  ASSERT_TRUE(BerechnenButonClick(w.k));
  const auto erste = gespeichert();

  w.Waehle(8);  // chosen again and calculated: nothing added
  ASSERT_TRUE(BerechnenButonClick(w.k));
  EXPECT_EQ(gespeichert(), erste);
  w.Waehle(8);
  w.env.dialogs.answers = {false};
  EXPECT_FALSE(uebernimm());
  EXPECT_EQ(w.k.form.Text("SonderzahlungEdit"), "116,67");
  ASSERT_TRUE(uebernimm());  // replaced
  EXPECT_EQ(w.env.dialogs.questions.back(), kFrageUrlaubsabfindungErsetzen);
  ASSERT_TRUE(BerechnenButonClick(w.k));
  EXPECT_EQ(gespeichert(), erste);
}

TEST(Hilfsrechner, TakingOverAtOnceComputesForTheEmployeeShown) {
  Fenster w;
  w.Waehle(7);
  ASSERT_TRUE(TageslohnButtonClick(w.k));
  Taglohn(w.k, "1000,00", "10");
  ASSERT_TRUE(TagesLohnsteuerUebernehmen(w.k, {}));
  EXPECT_EQ(w.k.form.Text("LohnsteuerBetragEdit"), "262,10");
  EXPECT_FALSE(w.k.form.Checked("LstBerechnen"));

  w.Waehle(8);
  w.k.form.SetText("GrundlageLSTEdit", "500");
  ASSERT_TRUE(TageslohnButtonClick(w.k));
  ASSERT_TRUE(TagesLohnsteuerUebernehmen(w.k, {}));
  EXPECT_EQ(w.k.rechner.tagesLohnsteuer.texte.TagesLohnEdit, "50,00");
  EXPECT_EQ(w.k.form.Text("LohnsteuerBetragEdit"), "59,44");

  ASSERT_TRUE(SpeedButton30Click(w.k));
  ASSERT_TRUE(TeilGehaltUebernehmen(w.k));
  EXPECT_EQ(w.k.form.Text("GehaltEdit"), "2000,00");

  // Cancelled: the proposed days come back and never become SV days.
  ASSERT_TRUE(SpeedButton30Click(w.k));
  w.k.rechner.teilGehalt.texte.TageEdit = "12";
  RechnerAbbrechen(w.k.rechner.teilGehalt);
  EXPECT_EQ(TeilGehaltTageFuerBerechnung(w.k.form), "30");
}

TEST(Hilfsrechner, SpecialPaymentOpensOnlyAfterACalculation) {
  Fenster w;
  w.Waehle(7);
  w.env.dialogs.answers = {false};
  EXPECT_FALSE(SpeedButton31Click(w.k));
  EXPECT_FALSE(fs::exists(kStem + ".SPE"));
  testing_support::WriteText(LockFileName(kStem, kLockSAB), "Daten (Typ) bearbeiten\r\n");
  w.env.dialogs.answers = {true};
  EXPECT_FALSE(SpeedButton31Click(w.k));
  EXPECT_EQ(w.Meldungen(), std::vector<std::string>{kLockMessage});
  fs::remove(LockFileName(kStem, kLockSAB));
  w.env.dialogs.answers = {true};
  ASSERT_TRUE(SpeedButton31Click(w.k));
  const auto& t = w.k.rechner.sonderzahlung.texte;
  EXPECT_EQ(t.BruttoLfdEdit, w.k.form.Text("BruttoEdit"));
  EXPECT_EQ(t.AnzahlMonateEdit, "12");
}

}  // namespace
