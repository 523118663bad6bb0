// The calculate button: the checks before anything is written, the lock
// files, the employee save, the calculation and the payroll save, on real
// files in a temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "payroll/Beitragsgruppen.h"
#include "payroll/BerechnenButton.h"
#include "payroll/Berechnung.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
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
using testing_support::ReadBytes;

// Employee 1 "Muster" is stored with no pay; the window shows him as a new
// salaried employee of group D1 with 2000 a month for March 2014. No payroll
// is stored yet.
struct Klick {
  Klick() {
    persform_test::WritePersonal({persform_test::Person(1, "Muster")});
    persform_test::WriteAbrechnungen({});
    env.state.DataFileStem = kStem;
    PersFormCreate(env.state, k.form);
    Setze("PersNrEdit", "1");
    Setze("FamNameEdit", "Muster");
    Setze("MonatComboBox", "3");
    Setze("JahrComboBox", "2014");
    Setze("GehaltEdit", "2000");
  }
  void Setze(const char* name, const std::string& text) { k.form.SetText(name, text); }
  void Haken(const char* name, bool on) { k.form.SetChecked(name, on); }
  void Druecke() { BerechnenButonClick(k); }
  std::vector<AbrechnungRecord> Abrechnungen() const {
    std::vector<AbrechnungRecord> out;
    ScanAbrechnungRecords(kStem, kAbrechnungExt,
                          [&](const AbrechnungRecord& r) { out.push_back(r); });
    return out;
  }
  // Whether the click saved the employee record from the window.
  bool PersonalGespeichert() const {
    auto r = ReadPersonalRecord(kStem, kPersonalExt, 1);
    return r && r->GehaltEdit != 0;
  }
  std::vector<std::string>& Meldungen() { return env.dialogs.messages; }
  std::vector<std::string>& Fragen() { return env.dialogs.questions; }

  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  PersFormKontext k{env.state};
};

bool KeineSperrdateien() { return !fs::exists(kStem + ".SPE") && !fs::exists(kStem + ".SAB"); }

// The data files byte for byte, to show that a refused click wrote nothing.
struct Dateien {
  Dateien() : per(ReadBytes(kStem + ".PER")), abr(ReadBytes(kStem + ".ABR")) {}
  bool operator==(const Dateien&) const = default;
  std::vector<std::uint8_t> per, abr;
};

TEST(BerechnenButon, CalculatesAndSavesTheEmployeeAndThePayroll) {
  Klick c;
  ClearAbrechnungFields(c.k.form);  // as for every newly chosen employee: SV days "0"
  c.Druecke();

  auto abr = c.Abrechnungen();
  ASSERT_EQ(abr.size(), 1u);
  EXPECT_EQ(abr[0].PersNrEdit, 1);
  EXPECT_EQ(abr[0].MonatComboBox, 3);
  EXPECT_EQ(abr[0].JahrComboBox, 2014);
  EXPECT_NEAR(abr[0].NettoBetragEdit, 1409.68, 1e-9);
  EXPECT_NEAR(abr[0].LohnsteuerBetragEdit, 228.92, 1e-9);
  EXPECT_EQ(abr[0].SV_Lohn_TageEdit, 30);
  EXPECT_EQ(c.k.form.Text("NettoBetragEdit"), "1409,68");
  EXPECT_EQ(c.k.form.Text("SV_Lohn_TageEdit"), "30");
  EXPECT_TRUE(c.PersonalGespeichert());
  EXPECT_TRUE(c.Meldungen().empty());
  EXPECT_TRUE(KeineSperrdateien());
  EXPECT_EQ(c.env.state.ReportMonthProposal, 3);
  EXPECT_TRUE(c.k.form.Enabled("TageslohnButton"));
  EXPECT_EQ(c.k.form.FocusRequest(), "PersonalNrComboBox");
  EXPECT_TRUE(c.Fragen().empty());
}

TEST(BerechnenButon, AsksBeforeOverwritingTheShownPayroll) {
  Klick c;
  c.Druecke();
  ASSERT_EQ(c.Abrechnungen().size(), 1u);
  c.Setze("GehaltEdit", "2500");

  const Dateien vorher;
  c.env.dialogs.answers = {false};
  c.Druecke();
  EXPECT_EQ(c.Fragen(), std::vector<std::string>{kFrageUeberschreiben});
  EXPECT_TRUE(Dateien() == vorher);
  EXPECT_EQ(c.k.form.Text("BruttoEdit"), "2000,00");  // not calculated
  EXPECT_TRUE(KeineSperrdateien());

  c.env.dialogs.answers = {true};
  c.Druecke();
  auto abr = c.Abrechnungen();
  ASSERT_EQ(abr.size(), 1u);  // replaced, not added
  EXPECT_DOUBLE_EQ(abr[0].BruttoEdit, 2500);
}

TEST(BerechnenButon, PartPayrollSharesTheFreeAmountWithTheMainPayrollOfItsMonth) {
  Klick c;
  c.Setze("SonderzahlungEdit", "1000");
  c.Druecke();
  // The main payroll: 1000 less its share 170.70 - AMPFG 30 = 859.30, 620 free.
  EXPECT_EQ(c.k.form.Text("LstFreibetragSZ"), "620,00");
  EXPECT_EQ(c.k.form.Text("GrundlLstSZ"), "239,30");

  c.Setze("AbrechngComboBox", "1");  // a part payroll of March
  c.Setze("SonderzahlungEdit", "500");
  c.Druecke();
  // 500 less 85.35 - AMPFG 15 = 429.65, nothing left of the 620 free; the
  // sixth is the month's pay of both payrolls, twice.
  EXPECT_EQ(c.k.form.Text("JahressechstelEdit"), "8000,00");
  EXPECT_EQ(c.k.form.Text("SummeSonderZlgEdit"), "1000,00");
  EXPECT_EQ(c.k.form.Text("LstFreibetragSZ"), "0,00");
  EXPECT_EQ(c.k.form.Text("GrundlLstSZ"), "429,65");
  auto abr = c.Abrechnungen();
  ASSERT_EQ(abr.size(), 2u);
  EXPECT_EQ(abr[1].AbrechngComboBox, 1);
  EXPECT_NEAR(abr[1].LstFreibetragSZ, 0, 1e-9);
  EXPECT_TRUE(c.Fragen().empty());
}

TEST(BerechnenButon, PresentLockFileRefusesAndChangesNothing) {
  for (const char* lock : {kLockSAB, kLockSPE}) {
    SCOPED_TRACE(lock);
    Klick c;
    const std::string name = LockFileName(kStem, lock);
    testing_support::WriteText(name, "x");
    const Dateien vorher;
    c.Druecke();
    EXPECT_EQ(c.Meldungen(), std::vector<std::string>{kLockMessage});
    EXPECT_TRUE(Dateien() == vorher);
    EXPECT_EQ(ReadBytes(name), std::vector<std::uint8_t>{'x'});
    EXPECT_EQ(fs::exists(LockFileName(kStem, kLockSAB)) + fs::exists(LockFileName(kStem, kLockSPE)),
              1);
    EXPECT_EQ(c.k.form.Text("BruttoEdit"), "0");
  }
}

TEST(BerechnenButon, EveryInputIsCheckedBeforeAnythingIsWritten) {
  struct Fall {
    const char* name;
    std::function<void(Klick&)> setze;
    std::string meldung;
  };
  const Fall faelle[] = {
      {"amount field", [](Klick& c) { c.Setze("SZSVfreiEdit", "x"); },
       "'x' ist kein gültiger Fließkommawert"},
      {"empty amount field", [](Klick& c) { c.Setze("ZulageEdit", ""); },
       "'' ist kein gültiger Fließkommawert"},
      {"last of the 55", [](Klick& c) { c.Setze("BSROL_Edit", "1,2,3"); },
       "'1,2,3' ist kein gültiger Fließkommawert"},
      {"SV days for the ceiling", [](Klick& c) { c.Setze("TageMaxSV", "99999999999"); },
       "'99999999999' ist kein gültiger Integerwert"},
      {"wage-type line", [](Klick& c) { c.k.lohnarten.AnzahlEditChange(2, ","); },
       "',' ist kein gültiger Fließkommawert"},
      {"children with the sole-earner credit",
       [](Klick& c) {
         c.Haken("grPendlPausch", true);
         c.Setze("AnzahlKinderEdit", "zwei");
       },
       "'zwei' ist kein gültiger Integerwert"},
      {"typed wage tax",
       [](Klick& c) {
         c.Haken("LstBerechnen", false);
         c.Setze("LohnsteuerBetragEdit", "viel");
       },
       "'viel' ist kein gültiger Fließkommawert"},
      {"master data", [](Klick& c) { c.Setze("PLZEdit", "A-1010"); },
       "'A-1010' ist kein gültiger Integerwert"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Klick c;
    fall.setze(c);
    c.Meldungen().clear();  // what typing it told already
    const Dateien vorher;
    c.Druecke();
    EXPECT_EQ(c.Meldungen(), std::vector<std::string>{fall.meldung});
    EXPECT_TRUE(Dateien() == vorher);
    EXPECT_TRUE(KeineSperrdateien());
    EXPECT_EQ(c.k.form.Text("BruttoEdit"), "0");
    EXPECT_FALSE(c.k.form.Enabled("TageslohnButton"));
  }
}

TEST(BerechnenButon, RefusalsKeepThePayrollFileAsItIs) {
  struct Fall {
    const char* name;
    std::function<void(Klick&)> setze;
    std::string meldung;
    bool personalGespeichert;
  };
  const Fall faelle[] = {
      {"no family name", [](Klick& c) { c.Setze("FamNameEdit", ""); }, kMeldungBerechnungAuswahl,
       false},
      {"no month", [](Klick& c) { c.Setze("MonatComboBox", ""); }, kMeldungBerechnungAuswahl,
       false},
      {"month not a number", [](Klick& c) { c.Setze("MonatComboBox", "März"); },
       kMeldungSchluesselFehlt, false},
      {"group before 2003", [](Klick& c) { c.Setze("BeitragsgruppeComboBox", "A1 Arbeiter"); },
       kMeldungBeitragsgruppeVor2003, false},
      {"no group", [](Klick& c) { c.Setze("BeitragsgruppeComboBox", ""); },
       kMeldungBeitragsgruppeVor2003, false},
      {"unknown group", [](Klick& c) { c.Setze("BeitragsgruppeComboBox", "Z9"); },
       BeitragsgruppeFehler("Z9"), false},
      {"no pay kind", [](Klick& c) { c.Haken("AngestellterCheckBox", false); },
       "Checkbox Gehalt ODER StdLohn muß angekreuzt sein", false},
      {"negative net", [](Klick& c) { c.Setze("SonstSZSVEdit", "3000"); },
       kMeldungNegativerNettobetrag, true},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Klick c;
    fall.setze(c);
    const auto abrVorher = ReadBytes(kStem + ".ABR");
    c.Druecke();
    EXPECT_EQ(c.Meldungen().back(), fall.meldung);
    EXPECT_EQ(ReadBytes(kStem + ".ABR"), abrVorher);
    EXPECT_EQ(c.PersonalGespeichert(), fall.personalGespeichert);
    EXPECT_TRUE(KeineSperrdateien());
  }
}

TEST(BerechnenButon, BothPayKindsAreRefusedBeforeTheOverwriteQuestion) {
  Klick c;
  c.Druecke();  // the month is stored and shown
  c.Haken("ArbeiterCheckBox", true);
  const Dateien vorher;
  c.Druecke();
  EXPECT_TRUE(c.Fragen().empty());
  EXPECT_EQ(c.Meldungen(), std::vector<std::string>{kMeldungGehaltOderStdLohn});
  EXPECT_TRUE(Dateien() == vorher);
}

TEST(BerechnenButon, NetOfZeroIsSaved) {
  Klick c;
  c.Setze("GehaltEdit", "0");
  c.Druecke();
  auto abr = c.Abrechnungen();
  ASSERT_EQ(abr.size(), 1u);
  EXPECT_EQ(abr[0].NettoBetragEdit, 0);
  EXPECT_EQ(c.k.form.Text("NettoBetragEdit"), "0,00");
}

TEST(BerechnenButon, UnreadablePayrollFileStopsBeforeTheCalculation) {
  Klick c;
  fs::remove(kStem + ".ABR");
  fs::create_directory(kStem + ".ABR");
  c.Druecke();
  EXPECT_EQ(c.Meldungen().back(), kFileInUseMessage);
  EXPECT_EQ(c.k.form.Text("BruttoEdit"), "0");
  EXPECT_TRUE(KeineSperrdateien());
}

// Another program created, changed or deleted this month's payroll after
// the window had loaded it: the click asks; yes calculates and writes the
// window's payroll, no writes nothing at all (the employee neither) and
// shows the stored payroll.
TEST(BerechnenButon, APayrollChangedByAnotherProgramIsOverwrittenOnlyAfterAsking) {
  struct Fall {
    const char* was;
    bool ja;
    const char* bruttoNachNein;
  };
  const Fall faelle[] = {{"angelegt", true, ""}, {"angelegt", false, "111,00"},
                         {"geändert", true, ""}, {"geändert", false, "111,00"},
                         {"gelöscht", true, ""}, {"gelöscht", false, "0"}};
  AbrechnungRecord fremd = persform_test::Abrechnung(1, 3);
  fremd.BruttoEdit = 111;
  for (const Fall& f : faelle) {
    Klick c;
    AbrechnungNeuLaden(c.k);  // as choosing the month does: none stored
    const bool gespeichert = std::string(f.was) != "angelegt";
    if (gespeichert) c.Druecke();  // the window shows its own payroll
    persform_test::WriteAbrechnungen(std::string(f.was) == "gelöscht"
                                         ? std::vector<AbrechnungRecord>{}
                                         : std::vector<AbrechnungRecord>{fremd});
    const Dateien vorher;
    c.Fragen().clear();
    c.env.dialogs.answers = {f.ja};
    if (gespeichert) c.env.dialogs.answers.push_front(true);  // overwrite it
    c.Druecke();
    EXPECT_EQ(c.Fragen().back(), FrageInzwischenGeaendert("Muster (Abrechnung 3/2014)")) << f.was;
    if (f.ja) {
      ASSERT_EQ(c.Abrechnungen().size(), 1u) << f.was;
      const AbrechnungBytes bild = c.k.CurrentAbrechnung.pack();
      EXPECT_EQ(ReadBytes(kStem + ".ABR"), std::vector<std::uint8_t>(bild.begin(), bild.end()))
          << f.was;
      EXPECT_TRUE(c.PersonalGespeichert()) << f.was;
    } else {
      EXPECT_TRUE(Dateien() == vorher) << f.was;
      EXPECT_EQ(c.k.form.Text("BruttoEdit"), f.bruttoNachNein) << f.was;
    }
    EXPECT_TRUE(KeineSperrdateien());
  }
}

TEST(BerechnenButon, NoticesForALaterYearThenCalculatesAsUsual) {
  struct Fall {
    int heute;
    bool jaZumUpdate;
    std::size_t hinweise;
    std::vector<std::string> geoeffnet;
  };
  const Fall faelle[] = {{2015, true, 2, {"https://www.quandrel.at/Updates.htm"}},
                         {2015, false, 2, {}},
                         {2014, true, 0, {}}};
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.heute);
    Klick c;
    c.env.clock.Set({fall.heute, 1, 10});
    c.Setze("JahrComboBox", "2015");
    c.env.dialogs.answers = {fall.jaZumUpdate};
    c.Druecke();
    EXPECT_EQ(c.Meldungen().size(), fall.hinweise);
    if (fall.hinweise) {
      EXPECT_NE(c.Meldungen()[0].find("2015"), std::string::npos);
      EXPECT_EQ(c.Meldungen()[1],
                "Wenn Sie das Update für 2015 bereits erworben haben, starten Sie jetzt bitte die "
                "Lohnverrechnung 2015 und speichern die Abrechnung in der neuen Version!");
      EXPECT_EQ(c.Fragen(), std::vector<std::string>{kFrageUpdateInfo});
    }
    EXPECT_EQ(c.env.shell.opened, fall.geoeffnet);
    auto abr = c.Abrechnungen();
    ASSERT_EQ(abr.size(), 1u);
    EXPECT_EQ(abr[0].JahrComboBox, 2015);
  }
}

TEST(BerechnenButon, HintsOnDoubtfulSettings) {
  const std::string gf =
      "Hinweis: Für handelsrechtliche Geschäftsführer keine Kammerumlage (KU) zu berechnen, WF "
      "und IE sind zu berechen. Prüfen Sie bitte die Einstellungen der Checkboxen KU, WF und IE.";
  const std::string gering =
      "Hinweis: Bei geringfügiger Beschäftigung liegt meistens Teilzeit vor. Aktivieren Sie bitte "
      "gegebenenfalls auch die Checkbox \"Teilzeit\"!";
  struct Fall {
    const char* name;
    std::vector<std::pair<const char*, bool>> haken;
    std::vector<std::string> meldungen;
  };
  const Fall faelle[] = {
      {"manager set right", {{"GeschaeftsFuehrerCheckBox", true}, {"KU", false}}, {}},
      {"manager with KU", {{"GeschaeftsFuehrerCheckBox", true}}, {gf}},
      {"manager without IE",
       {{"GeschaeftsFuehrerCheckBox", true}, {"KU", false}, {"IE", false}},
       {gf}},
      {"marginal without part-time", {{"GeringfCheckBox", true}}, {gering}},
      {"marginal part-time", {{"GeringfCheckBox", true}, {"TeilzeitCheckBox", true}}, {}},
      {"both, marginal first",
       {{"GeringfCheckBox", true}, {"GeschaeftsFuehrerCheckBox", true}},
       {gering, gf}},
      {"garnishment without amount", {{"ExekutionCheckBox", true}}, {kMeldungExekutionOhneBetrag}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Klick c;
    for (const auto& [name, on] : fall.haken) c.Haken(name, on);
    c.Druecke();
    EXPECT_EQ(c.Meldungen(), fall.meldungen);
    EXPECT_EQ(c.Abrechnungen().size(), 1u);  // notices only
  }
}

TEST(BerechnenButon, DbDzExemptionFollowsThePayrollMonth) {
  struct Fall {
    const char* svNr;  // 1235200554: born 20.05.1954
    bool fensterFrei;
    const char* monat;
    bool gespeichertFrei;
  };
  // A year of life ends the day before the birthday: born on the 1st, free
  // from the birthday's month, else from the month after it.
  const Fall faelle[] = {{"1235200554", true, "5", false},
                         {"1235200554", false, "6", true},
                         {"", true, "5", true},
                         {"", false, "6", false},
                         {"0000010154", false, "1", true},
                         {"0000010354", false, "2", false},
                         {"0000010354", false, "3", true},
                         {"0000011254", false, "11", false},
                         {"0000011254", false, "12", true},
                         {"0000020154", false, "1", false},
                         {"0000020154", false, "2", true},
                         {"0000150654", false, "6", false},
                         {"0000150654", false, "7", true},
                         {"0000310354", true, "3", false},
                         {"0000310354", false, "4", true},
                         {"0000280254", true, "2", false},
                         {"0000280254", false, "3", true}};
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(std::string(fall.svNr) + " " + fall.monat);
    Klick c;
    c.env.clock.Set({2014, 6, 2});
    c.Setze("SVNrEdit", fall.svNr);
    c.Setze("MonatComboBox", fall.monat);
    c.Haken("ueberSechzigCheckBox", fall.fensterFrei);
    c.Druecke();
    ASSERT_EQ(c.Abrechnungen().size(), 1u);
    EXPECT_EQ(c.Abrechnungen()[0].ueberSechzigCheckBox, fall.gespeichertFrei);
    EXPECT_EQ(c.k.form.Checked("ueberSechzigCheckBox"), fall.fensterFrei);
  }
}

TEST(BerechnenButon, PartPayrollLeavesTheStandingPayInTheEmployeeFile) {
  // Offsets of Gehalt/Std-Lohn, Überstd-Satz, Zulage, Mehrstd-Satz, Zuschl. %.
  const std::size_t kBezuege[] = {704, 710, 904, 1346, 1352};
  for (const bool berechnen : {true, false})
    for (const char* teil : {"1", "0"}) {
      SCOPED_TRACE(std::string(teil) + (berechnen ? " Berechnen" : " Speichern"));
      Klick c;
      PersonalRecord p = persform_test::Person(1, "Muster");
      p.GehaltEdit = 2400, p.StundenlohnEdit = 20, p.MehrstdSatzEdit = 15,
      p.MehrstdZuschlagEdit = 25;
      persform_test::WritePersonal({p});
      const auto vorher = ReadBytes(kStem + ".PER");
      c.Setze("AbrechngComboBox", teil);
      for (const char* name :
           {"GehaltEdit", "StundenlohnEdit", "MehrstdSatzEdit", "MehrstdZuschlagEdit"})
        c.Setze(name, "0");
      c.Setze("ZulageEdit", "100");
      c.Setze("OrtEdit", "Graz");
      if (berechnen)
        c.Druecke();
      else
        ASSERT_TRUE(Button2Click(c.k.state, c.k.form));
      const auto nachher = ReadBytes(kStem + ".PER");
      ASSERT_EQ(nachher.size(), vorher.size());
      for (std::size_t o : kBezuege)
        EXPECT_EQ(std::equal(vorher.begin() + o, vorher.begin() + o + 6, nachher.begin() + o),
                  teil == std::string("1"))
            << o;
      EXPECT_EQ(ReadPersonalRecord(kStem, kPersonalExt, 1)->OrtEdit, "Graz");
      auto abr = c.Abrechnungen();
      if (!berechnen) continue;
      ASSERT_EQ(abr.size(), 1u);
      EXPECT_EQ(abr[0].GehaltEdit, 0);
      EXPECT_EQ(abr[0].ZulageEdit, 100);
    }
}

TEST(BerechnenButon, DaysTakenOverFromTheCalculator) {
  struct Fall {
    std::string tage;
    std::string erwartet;
  };
  const Fall faelle[] = {{"15", "15"}, {"0", "30"}, {"", "30"}, {"0,00", "30"}, {"abc", "abc"}};
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.tage);
    PersFormModel f;
    f.Steps.TeilGehaltTage = [&] { return fall.tage; };
    EXPECT_EQ(TeilGehaltTageFuerBerechnung(f), fall.erwartet);
  }
  PersFormModel ohneRechner;
  ohneRechner.SetText("SV_Lohn_TageEdit", "12");
  EXPECT_EQ(TeilGehaltTageFuerBerechnung(ohneRechner), "12");
}

}  // namespace
