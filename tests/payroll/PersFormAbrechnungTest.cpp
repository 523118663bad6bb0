// One month's payroll in the employee window: saving the window as the
// payroll record, showing a stored one, the part payroll kept apart from the
// main one, the previous month's wage types, deleting one payroll.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>

#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/PersFormTestSupport.h"
#include "store/AbrechnungStore.h"
#include "store/LockFile.h"
#include "store/Numbers.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using namespace lohn;
using persform_test::Abrechnung;
using persform_test::kStem;
using persform_test::Person;
using persform_test::WriteAbrechnungen;
using persform_test::WritePersonal;
using testing_support::ReadBytes;

// The employer's files, the fakes and the employee window's core after its
// creation.
struct Fenster {
  explicit Fenster(const std::vector<PersonalRecord>& personal = {Person(7, "Huber")},
                   const std::vector<AbrechnungRecord>& abrechnungen = {}) {
    WritePersonal(personal);
    WriteAbrechnungen(abrechnungen);
    env.state.DataFileStem = kStem;
    PersFormCreate(env.state, k.form);
  }
  // Chooses the period first, then the employee, as the user does.
  void Waehle(const char* nr, const char* monat, const char* jahr, const char* teil = "0") {
    k.form.SetText("MonatComboBox", monat);
    k.form.SetText("JahrComboBox", jahr);
    k.form.SetText("AbrechngComboBox", teil);
    SelectPersonal(env.state, k.form, StrToInt(nr));
  }
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  PersFormKontext k{env.state};
  PersFormModel& f = k.form;
  testing_support::FakeDialogs& dialogs() { return env.dialogs; }
};

std::vector<AbrechnungKey> Schluessel() {
  std::vector<AbrechnungKey> keys;
  ScanAbrechnungRecords(kStem, kAbrechnungExt,
                        [&](const AbrechnungRecord& r) { keys.push_back(AbrechnungKeyOf(r)); });
  return keys;
}

AbrechnungRecord Gespeichert(std::int32_t nr, std::int32_t monat, std::int32_t jahr,
                             std::int32_t teil) {
  auto r = ReadAbrechnungRecord(kStem, kAbrechnungExt, nr, false, teil, jahr, monat);
  EXPECT_TRUE(r.has_value());
  return r.value_or(AbrechnungRecord{});
}

// The text of month amount number i: "1,25", "2,25", ...
std::string BetragNr(std::size_t i) { return std::to_string(i + 1) + ",25"; }

// Fields that a shown payroll leaves as they were: the calculation fills
// them again.
const char* const kBleibend[] = {"DGAnteilEdit", "DNAnteilEdit", "JahressechstelEdit",
                                 "SummeLstFreibetrSZEdit", "SummeSonderZlgEdit"};

// The month amounts that the window shows back from a stored payroll: what
// the clearing sets to "0" but the SV days (a whole number) and the fields
// that keep their value.
std::vector<std::string> MonatsBetraege() {
  std::vector<std::string> names;
  for (std::string name : MonatsfelderNull())
    if (name != "SV_Lohn_TageEdit" && std::ranges::find(kBleibend, name) == std::end(kBleibend))
      names.push_back(name);
  return names;
}

// Ten different lines: line n has code 10n, quantity n, rate n,5 and
// alternating flags.
LohnartenZeilen ZehnZeilen() {
  LohnartenZeilen z;
  for (std::size_t i = 0; i < z.size(); ++i) {
    const int n = int(i) + 1;
    z[i] = {std::to_string(10 * n),
            std::to_string(n),
            "Lohnart " + std::to_string(n),
            std::to_string(n) + ",5",
            n % 2 == 0,
            n % 3 == 0,
            n % 4 != 0};
  }
  return z;
}

TEST(PersFormAbrechnung, AFullPayrollIsSavedAndShownBackAsItWasEntered) {
  Fenster w;
  w.Waehle("7", "3", "2014");
  ASSERT_EQ(w.f.Text("FamNameEdit"), "Huber");
  EXPECT_FALSE(w.k.angezeigt.gespeichert);

  // Every month amount a value of its own: field i holds i + 1,25.
  const std::vector<std::string> betraege = MonatsBetraege();
  ASSERT_EQ(betraege.size(), 66u);
  for (std::size_t i = 0; i < betraege.size(); ++i) w.f.SetText(betraege[i], BetragNr(i));
  w.f.SetText("SV_Lohn_TageEdit", "21");
  w.f.SetText("SonderZlgComboBox", "Urlaubsgeld");
  w.f.SetText("SZSVfreiTextEdit", "Jubiläumsgeld");
  w.f.SetText("SonstSZTextEdit", "Abfertigung");
  w.f.SetText("AMPFG_RueckVerrGruppeEdit", "N25a");
  w.f.SetText("AMPFG_RueckVerrGruppe_SZEdit", "N25b");
  w.f.SetChecked("ohneFreibSZCheckBox", true);
  for (const char* name : kBleibend) w.f.SetText(name, "3,70");
  w.f.SetText("DbDzKommStFreierBetragEdit", "40,00");
  w.f.SetText("BemerkungenEdit", std::string(120, 'b'));
  w.f.SetText("VornameEdit", "Jörg");
  w.f.SetText("GehaltEdit", "2450,50");
  w.f.SetText("KostenstelleEdit", "12");
  w.k.lohnarten.SetZeilen(ZehnZeilen());
  w.k.werte.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = 17.5;

  ASSERT_TRUE(SaveAbrechnungFromForm(w.k));
  EXPECT_TRUE(w.dialogs().messages.empty());
  EXPECT_TRUE(w.k.angezeigt.gespeichert);
  ASSERT_EQ(Schluessel(), (std::vector<AbrechnungKey>{{7, 3, 2014, 0}}));

  const AbrechnungRecord r = Gespeichert(7, 3, 2014, 0);
  EXPECT_EQ(r.pack(), w.k.CurrentAbrechnung.pack());
  EXPECT_EQ(r.FamNameEdit, "Huber");
  EXPECT_EQ(r.VornameEdit, "Jörg");
  EXPECT_EQ(r.GehaltEdit, 2450.5);
  EXPECT_EQ(r.KostenstelleEdit, 12);
  EXPECT_EQ(r.BemerkungenEdit, std::string(100, 'b'));
  EXPECT_EQ(r.SV_Lohn_TageEdit, 21);
  EXPECT_NEAR(r.DGAnteilEdit, 3.7, 1e-9);
  EXPECT_EQ(r.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV, 17.5);
  // The edit's 40,00 and the DB-free amounts of the lines whose fourth flag
  // is off: lines 4 and 8, 4 x 4,5 + 8 x 8,5 = 86,00.
  EXPECT_DOUBLE_EQ(r.DbDzKommStFreierBetragEdit, 126);
  // Code 3, quantity 8, text 25, rate 8 columns, then the wage-tax, SV and
  // DB flags and three blanks.
  EXPECT_EQ(r.Lohnarten[0],
            " 10"
            "       1"
            "Lohnart 1                "
            "     1,5"
            "001"
            "   ");
  EXPECT_EQ(r.Lohnarten[9],
            "100"
            "      10"
            "Lohnart 10               "
            "    10,5"
            "101"
            "   ");
  EXPECT_EQ(r.AMPFG_RueckVerrGruppeEdit, "N25a");
  EXPECT_EQ(r.AMPFG_RueckVerrGruppe_SZEdit, "N25b");

  // Another payroll on screen, then this one again.
  ClearAbrechnungFields(w.f);
  EXPECT_EQ(w.k.lohnarten.Zeilen(), LohnartenZeilen{});
  for (const char* name : kBleibend) w.f.SetText(name, "9,99");
  LoadAbrechnungToForm(w.k);

  EXPECT_TRUE(w.k.angezeigt.gespeichert);
  for (std::size_t i = 0; i < betraege.size(); ++i)
    EXPECT_EQ(w.f.Text(betraege[i]), BetragNr(i)) << betraege[i];
  for (const char* name : kBleibend) EXPECT_EQ(w.f.Text(name), "9,99") << name;
  EXPECT_EQ(w.f.Text("SV_Lohn_TageEdit"), "21");
  EXPECT_EQ(w.f.Text("SonderZlgComboBox"), "Urlaubsgeld");
  EXPECT_EQ(w.f.Text("SZSVfreiTextEdit"), "Jubiläumsgeld");
  EXPECT_EQ(w.f.Text("SonstSZTextEdit"), "Abfertigung");
  EXPECT_EQ(w.f.Text("AMPFG_RueckVerrGruppeEdit"), "N25a");
  EXPECT_EQ(w.f.Text("AMPFG_RueckVerrGruppe_SZEdit"), "N25b");
  EXPECT_TRUE(w.f.Checked("ohneFreibSZCheckBox"));
  EXPECT_EQ(w.k.lohnarten.Zeilen(), ZehnZeilen());
  EXPECT_EQ(w.f.Text("LohnartenSummeEdit"), "412,50");
  EXPECT_EQ(w.f.Text("PersonalNrComboBox"), "");
}

TEST(PersFormAbrechnung, ANegativeSpecialPaymentBaseIsShownInTheMonthlyBase) {
  struct Fall {
    double monat, sonderzahlung;
    const char* zeigtMonat;
    const char* zeigtSonderzahlung;
  };
  const Fall faelle[] = {
      {2000, -100, "1900,00", "0,00"},
      {2000, 0, "2000,00", "0,00"},
      {2000, 350.5, "2000,00", "350,50"},
  };
  for (const Fall& fall : faelle) {
    AbrechnungRecord r = Abrechnung(7, 3);
    r.SVBeitragsgrundlageEdit = fall.monat;
    r.SVBeitragsGrundlageSonderzahlungEdit = fall.sonderzahlung;
    Fenster w({Person(7, "Huber")}, {r});
    w.Waehle("7", "3", "2014");
    EXPECT_TRUE(w.k.angezeigt.gespeichert);
    EXPECT_EQ(w.f.Text("SVBeitragsgrundlageEdit"), fall.zeigtMonat) << fall.sonderzahlung;
    EXPECT_EQ(w.f.Text("SVBeitragsGrundlageSonderzahlungEdit"), fall.zeigtSonderzahlung)
        << fall.sonderzahlung;
  }
}

TEST(PersFormAbrechnung, LevyBasesFollowTheirBoxesAndTheWorkingValues) {
  // SV base 3000, special payment base 500, above the sixth 800; of the
  // working values 300 above the annual ceiling, 100 of them counted with the
  // SV-free payment; SV-free special payment 400, 50 of it within the sixth.
  // R = 400 - 50 - 300 = 50.
  struct Fall {
    const char* name;
    bool haken;          // all seven boxes
    const char* lkSz;    // DN_LK_SZ_Edit
    const char* svFrei;  // SZSVfreiEdit
    std::array<double, kUmlagenCount> basen;
  };
  const Fall faelle[] = {
      // KU, WF: 3000 + 300 - 800 - (300 - 100) + 50; LK, EF, NB: 3000 + 300 - 800;
      // SW, IE: 3000 + 500.
      {"alle", true, "0", "400,00", {2350, 2350, 2500, 3500, 2500, 3500, 2500}},
      {"LK auf SZ", true, "4,50", "400,00", {2350, 2350, 3000, 3500, 2500, 3500, 2500}},
      // R = 0 - 50 - 300 < 0 counts 0.
      {"ohne R", true, "0", "0,00", {2300, 2300, 2500, 3500, 2500, 3500, 2500}},
      {"keine", false, "0", "400,00", {0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Fall& fall : faelle) {
    Fenster w;
    w.Waehle("7", "3", "2014");
    for (const char* box : {"KU", "WF", "LK", "SW", "EF", "IE", "NB"})
      w.f.SetChecked(box, fall.haken);
    w.f.SetText("SVBeitragsgrundlageEdit", "3000,00");
    w.f.SetText("SVBeitragsGrundlageSonderzahlungEdit", "500,00");
    w.f.SetText("SueberschreitungEdit", "800,00");
    w.f.SetText("SZSVfreiEdit", fall.svFrei);
    w.f.SetText("InnerhSechstelSVfreiEdit", "50,00");
    w.f.SetText("DN_LK_SZ_Edit", fall.lkSz);
    w.k.werte.SzUeberJahresgrenze = 300;
    w.k.werte.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = 100;
    ASSERT_TRUE(SaveAbrechnungFromForm(w.k)) << fall.name;
    EXPECT_EQ(Gespeichert(7, 3, 2014, 0).UmlagenGrundlagen, fall.basen) << fall.name;
  }
}

TEST(PersFormAbrechnung, MainAndPartPayrollOfOneMonthStayApart) {
  Fenster w;
  w.Waehle("7", "3", "2014");
  w.f.SetText("NettoBetragEdit", "1500,00");
  ASSERT_TRUE(SaveAbrechnungFromForm(w.k));

  // The part payroll: the key changes first, then the month is loaded once.
  w.f.UserSetText("AbrechngComboBox", "1");
  EXPECT_EQ(w.f.Text("NettoBetragEdit"), "0");
  EXPECT_FALSE(w.k.angezeigt.gespeichert);
  EXPECT_FALSE(GespeicherteAbrechnungAngezeigt(w.k));
  w.f.SetText("NettoBetragEdit", "300,00");
  ASSERT_TRUE(SaveAbrechnungFromForm(w.k));
  EXPECT_EQ(Schluessel(), (std::vector<AbrechnungKey>{{7, 3, 2014, 0}, {7, 3, 2014, 1}}));

  // Back to the main payroll by code: its own values, not the part's.
  w.f.SetText("AbrechngComboBox", "0");
  EXPECT_EQ(w.f.Text("NettoBetragEdit"), "1500,00");
  EXPECT_TRUE(GespeicherteAbrechnungAngezeigt(w.k));
  // A number above 1 means the one part payroll, and shows it.
  w.f.UserSetText("AbrechngComboBox", "5");
  EXPECT_EQ(w.f.Text("AbrechngComboBox"), "1");
  EXPECT_EQ(w.f.Text("NettoBetragEdit"), "300,00");
  EXPECT_EQ((w.k.angezeigt.schluessel), (AbrechnungKey{7, 3, 2014, 1}));

  // Saving the shown part payroll again replaces it and leaves the main one.
  w.f.SetText("NettoBetragEdit", "310,00");
  ASSERT_TRUE(SaveAbrechnungFromForm(w.k));
  EXPECT_EQ(Schluessel(), (std::vector<AbrechnungKey>{{7, 3, 2014, 0}, {7, 3, 2014, 1}}));
  EXPECT_EQ(Gespeichert(7, 3, 2014, 0).NettoBetragEdit, 1500);
  EXPECT_EQ(Gespeichert(7, 3, 2014, 1).NettoBetragEdit, 310);
  EXPECT_TRUE(w.dialogs().messages.empty());
}

TEST(PersFormAbrechnung, ANewPeriodShowsItsMainPayroll) {
  AbrechnungRecord april = Abrechnung(7, 4);
  april.BruttoEdit = 2100;
  AbrechnungRecord maerzTeil = Abrechnung(7, 3);
  maerzTeil.AbrechngComboBox = 1;
  maerzTeil.BruttoEdit = 300;
  Fenster w({Person(7, "Huber")}, {april, maerzTeil});
  for (const char* teil : {"0", "1"}) {
    w.Waehle("7", "3", "2014", teil);
    EXPECT_EQ(w.f.Text("BruttoEdit"), teil == std::string("1") ? "300,00" : "0") << teil;
    w.f.SetText("MonatComboBox", "4");
    PeriodeNeuLaden(w.k);
    EXPECT_EQ(w.f.Text("AbrechngComboBox"), "0") << teil;
    EXPECT_EQ(w.f.Text("BruttoEdit"), "2100,00") << teil;
    EXPECT_EQ((w.k.angezeigt.schluessel), (AbrechnungKey{7, 4, 2014, 0})) << teil;
  }
}

TEST(PersFormAbrechnung, ChoosingAnEmployeeShowsHisPayrollOfThePeriod) {
  AbrechnungRecord maerz = Abrechnung(7, 3);
  maerz.BruttoEdit = 2000;
  maerz.SV_Lohn_TageEdit = 30;
  Fenster w({Person(7, "Huber"), Person(8, "Moser")}, {maerz});
  w.f.SetText("MonatComboBox", "3");
  w.f.SetText("JahrComboBox", "2014");
  w.f.UserSetText("PersonalNrComboBox", "Huber | Nr. 7");
  EXPECT_EQ(w.f.Text("BruttoEdit"), "2000,00");
  EXPECT_EQ(w.f.Text("SV_Lohn_TageEdit"), "30");
  EXPECT_TRUE(w.k.angezeigt.gespeichert);
  EXPECT_EQ(w.f.Text("PersonalNrComboBox"), "");

  w.f.UserSetText("PersonalNrComboBox", "Moser | Nr. 8");
  EXPECT_EQ(w.f.Text("BruttoEdit"), "0");
  EXPECT_FALSE(w.k.angezeigt.gespeichert);
  EXPECT_EQ((w.k.angezeigt.schluessel), (AbrechnungKey{8, 3, 2014, 0}));
}

TEST(PersFormAbrechnung, TheOverwriteQuestionFollowsTheKeyInTheFields) {
  Fenster w({Person(7, "Huber"), Person(8, "Moser")}, {Abrechnung(8, 3)});
  w.Waehle("7", "3", "2014");
  EXPECT_FALSE(GespeicherteAbrechnungAngezeigt(w.k));
  // A number typed after the load: the file tells whether it has a payroll.
  w.f.SetText("PersNrEdit", "8");
  EXPECT_TRUE(GespeicherteAbrechnungAngezeigt(w.k));
  w.f.SetText("PersNrEdit", "9");
  EXPECT_FALSE(GespeicherteAbrechnungAngezeigt(w.k));
  // Cleared month fields show no stored payroll.
  w.Waehle("8", "3", "2014");
  EXPECT_TRUE(GespeicherteAbrechnungAngezeigt(w.k));
  ClearAbrechnungFields(w.f);
  EXPECT_FALSE(w.k.angezeigt.gespeichert);
  EXPECT_TRUE(GespeicherteAbrechnungAngezeigt(w.k));
}

TEST(PersFormAbrechnung, JanuaryTakesTheWageTypesOfDecemberOfTheYearBefore) {
  AbrechnungRecord dez2013 = Abrechnung(7, 12);
  dez2013.JahrComboBox = 2013;
  dez2013.Lohnarten[0] = PackLohnartLine({"64", "2", "Fehlgeld", "15,5", true, false, true});
  AbrechnungRecord dez2014 = Abrechnung(7, 12);
  dez2014.Lohnarten[0] = PackLohnartLine({"10", "9", "falsches Jahr", "1", true, true, true});
  AbrechnungRecord teil = dez2013;
  teil.AbrechngComboBox = 1;
  teil.Lohnarten[0] = PackLohnartLine({"11", "9", "Teilabrechnung", "1", true, true, true});
  Fenster w({Person(7, "Huber")}, {dez2013, dez2014, teil});
  w.Waehle("7", "1", "2014");

  w.k.lohnarten.mitAnzahl = true;
  w.k.lohnarten.SpeedButton4Click();
  EXPECT_EQ(w.k.lohnarten.Label9(), "von 12/2013");
  EXPECT_EQ(w.k.lohnarten.Zeilen()[0],
            (LohnartLine{"64", "2", "Fehlgeld", "15,5", true, false, true}));
  EXPECT_EQ(w.k.lohnarten.Zeilen()[1], LohnartLine{});
  EXPECT_TRUE(w.dialogs().messages.empty());
}

TEST(PersFormAbrechnung, DeletingAsksAndRemovesExactlyThatKey) {
  const std::vector<AbrechnungRecord> vorher = {Abrechnung(7, 3),
                                                [] {
                                                  auto r = Abrechnung(7, 3);
                                                  r.AbrechngComboBox = 1;
                                                  return r;
                                                }(),
                                                [] {
                                                  auto r = Abrechnung(7, 4);
                                                  r.AbrechngComboBox = 1;
                                                  return r;
                                                }(),
                                                [] {
                                                  auto r = Abrechnung(8, 3);
                                                  r.AbrechngComboBox = 1;
                                                  return r;
                                                }()};
  Fenster w({Person(7, "Huber"), Person(8, "Moser")}, vorher);
  w.Waehle("7", "3", "2014", "1");
  ASSERT_TRUE(w.k.angezeigt.gespeichert);
  const auto bytes = ReadBytes(kStem + ".ABR");

  // No: nothing changes.
  w.dialogs().answers = {false};
  Button6Click(w.k);
  EXPECT_EQ(ReadBytes(kStem + ".ABR"), bytes);

  w.f.SetText("NettoBetragEdit", "12,00");
  w.dialogs().answers = {true};
  Button6Click(w.k);
  const std::string frage =
      "Abrechnung mit PersNr: 7 Monat: 3 Jahr: 2014 Teilabrechnung: 1 wirklich löschen?";
  EXPECT_EQ(w.dialogs().questions, (std::vector<std::string>{frage, frage}));
  EXPECT_EQ(w.dialogs().messages, std::vector<std::string>{"Datensatz(sätze) wurde(n) gelöscht!"});
  EXPECT_EQ(Schluessel(),
            (std::vector<AbrechnungKey>{{7, 3, 2014, 0}, {7, 4, 2014, 1}, {8, 3, 2014, 1}}));
  EXPECT_EQ(w.f.Text("NettoBetragEdit"), "0");
  EXPECT_FALSE(GespeicherteAbrechnungAngezeigt(w.k));
  EXPECT_FALSE(fs::exists(kStem + ".SAB"));
  EXPECT_FALSE(fs::exists(kStem + ".SPE"));
}

TEST(PersFormAbrechnung, DeletingRefusesWithoutKeyOrRecordOrWhileLocked) {
  struct Fall {
    const char* name;
    const char* monat;
    std::string sperre;  // lock file present beforehand, or empty
    const char* meldung;
  };
  const Fall faelle[] = {
      {"ohne Monat", "", "", "Es ist keine Abrechnung ausgewählt!"},
      {"kein Datensatz", "5", "", "Keine Datensätze mit diesem Schlüssel gefunden!"},
      {"SAB gesperrt", "3", "SAB", kLockMessage},
      {"SPE gesperrt", "3", "SPE", kLockMessage},
  };
  for (const Fall& fall : faelle) {
    Fenster w({Person(7, "Huber")}, {Abrechnung(7, 3)});
    w.Waehle("7", "3", "2014");
    w.f.SetText("MonatComboBox", fall.monat);
    if (!fall.sperre.empty()) testing_support::WriteText(LockFileName(kStem, fall.sperre), "x");
    const auto bytes = ReadBytes(kStem + ".ABR");
    Button6Click(w.k);
    EXPECT_EQ(w.dialogs().messages, std::vector<std::string>{fall.meldung}) << fall.name;
    EXPECT_TRUE(w.dialogs().questions.empty()) << fall.name;
    EXPECT_EQ(ReadBytes(kStem + ".ABR"), bytes) << fall.name;
    // Only a lock file that was there before is left.
    EXPECT_EQ(fs::exists(kStem + ".SAB"), fall.sperre == "SAB") << fall.name;
    EXPECT_EQ(fs::exists(kStem + ".SPE"), fall.sperre == "SPE") << fall.name;
  }
}

TEST(PersFormAbrechnung, ASaveThatCannotBeDoneWritesNothing) {
  struct Fall {
    const char* name;
    std::function<void(Fenster&)> vorbereiten;
    const char* meldung;  // nullptr: ConversionError thrown
  };
  const Fall faelle[] = {
      {"Monat leer", [](Fenster& w) { w.f.SetText("MonatComboBox", ""); },
       "Folgende Felder müssen Zahlenwerte enthalten; PersNr., Monat, Jahr"},
      {"Personalnummer 0", [](Fenster& w) { w.f.SetText("PersNrEdit", "0"); },
       "Folgende Felder müssen Zahlenwerte enthalten; PersNr., Monat, Jahr"},
      {"Jahr kein Zahl", [](Fenster& w) { w.f.SetText("JahrComboBox", "20x4"); },
       "Folgende Felder müssen Zahlenwerte enthalten; PersNr., Monat, Jahr"},
      {"Betrag kein Zahl", [](Fenster& w) { w.f.SetText("BruttoEdit", "12a"); }, nullptr},
      {"Betrag zu gross", [](Fenster& w) { w.f.SetText("NettoBetragEdit", "1e40"); }, nullptr},
      {"Satz kein Zahl",
       [](Fenster& w) {
         LohnartenZeilen z;
         z[3].satz = ",";
         w.k.lohnarten.SetZeilen(z);
       },
       nullptr},
      {"Anzahl zu breit",
       [](Fenster& w) {
         LohnartenZeilen z;
         z[9].anzahl = "123456789";
         w.k.lohnarten.SetZeilen(z);
       },
       nullptr},
  };
  for (const Fall& fall : faelle) {
    AbrechnungRecord alt = Abrechnung(7, 3);
    alt.NettoBetragEdit = 99;
    Fenster w({Person(7, "Huber")}, {alt});
    w.Waehle("7", "3", "2014");
    const auto bytes = ReadBytes(kStem + ".ABR");
    w.k.CurrentAbrechnung.NettoBetragEdit = 42;
    fall.vorbereiten(w);
    if (fall.meldung) {
      EXPECT_FALSE(SaveAbrechnungFromForm(w.k)) << fall.name;
      EXPECT_EQ(w.dialogs().messages, std::vector<std::string>{fall.meldung}) << fall.name;
    } else {
      EXPECT_THROW(SaveAbrechnungFromForm(w.k), ConversionError) << fall.name;
      EXPECT_TRUE(w.dialogs().messages.empty()) << fall.name;
    }
    EXPECT_EQ(ReadBytes(kStem + ".ABR"), bytes) << fall.name;
    EXPECT_EQ(w.k.CurrentAbrechnung.NettoBetragEdit, 42) << fall.name;
  }
}

TEST(PersFormAbrechnung, ClearingTheMonthEmptiesTheWageTypesAndTheirTotals) {
  Fenster w;
  w.Waehle("7", "3", "2014");
  LohnartenZeilen z;
  z[0] = {"64", "2", "Fehlgeld", "15,5", true, false, true};
  w.k.lohnarten.SetZeilen(z);
  LohnartenSummenZeigen(w.k);
  EXPECT_EQ(w.f.Text("LohnartenSummeEdit"), "31,00");
  EXPECT_EQ(w.f.Text("LohnartenFreiLabel"), "(Lst-frei: 0,00  SV-frei: 31,00  DB,Komm-frei: 0,00)");
  ClearAbrechnungFields(w.f);
  EXPECT_EQ(w.k.lohnarten.Zeilen(), LohnartenZeilen{});
  EXPECT_EQ(w.f.Text("LohnartenSummeEdit"), "0,00");
  EXPECT_EQ(w.f.Text("LohnartenFreiLabel"), "(Lst-frei: 0,00  SV-frei: 0,00  DB,Komm-frei: 0,00)");
  EXPECT_EQ(w.f.Text("SV_Lohn_TageEdit"), "0");
}

TEST(PersFormAbrechnung, TheWageTypeWindowOpensOnlyForAChosenEmployeeAndPeriod) {
  const std::pair<const char*, bool> faelle[] = {
      {"FamNameEdit", false}, {"MonatComboBox", false}, {"JahrComboBox", false}, {"", true}};
  for (auto [leer, offen] : faelle) {
    Fenster w;
    w.Waehle("7", "3", "2014");
    if (*leer) w.f.SetText(leer, "");
    EXPECT_EQ(SpeedButton24Click(w.k), offen) << leer;
    EXPECT_EQ(
        w.dialogs().messages,
        offen ? std::vector<std::string>{}
              : std::vector<
                    std::string>{"Wählen Sie bitte vorher einen Dienstnehmer und Zeitraum aus!"})
        << leer;
  }
}

}  // namespace
