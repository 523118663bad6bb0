// The employee's master data in the employee window: list, new employee,
// choosing, the record mapping, saving, the SV-number check and deleting.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "elda/EldaPanel.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/PersFormTestSupport.h"
#include "store/AbrechnungStore.h"
#include "store/FileUtil.h"
#include "store/LockFile.h"
#include "store/Numbers.h"
#include "store/PersonalStore.h"
#include "store/ProgramState.h"
#include "support/Fakes.h"
#include "support/ZweiProzesse.h"

namespace {

namespace fs = std::filesystem;
using namespace lohn;
using persform_test::Abrechnung;
using persform_test::Fenster;
using persform_test::kStem;
using persform_test::Person;
using persform_test::WriteAbrechnungen;
using testing_support::ReadBytes;

const std::string kLockMeldung(kLockMessage);

std::vector<std::int32_t> PersonalNummern() {
  std::vector<std::int32_t> nrs;
  ScanPersonalRecords(kStem, kPersonalExt,
                      [&](const PersonalRecord& r) { nrs.push_back(r.PersNrEdit); });
  return nrs;
}

std::vector<std::pair<int, int>> AbrechnungsSchluessel() {
  std::vector<std::pair<int, int>> keys;
  ScanAbrechnungRecords(kStem, kAbrechnungExt, [&](const AbrechnungRecord& r) {
    keys.emplace_back(r.PersNrEdit, r.MonatComboBox);
  });
  return keys;
}

bool KeineSperrdateien() { return !fs::exists(kStem + ".SPE") && !fs::exists(kStem + ".SAB"); }

TEST(PersFormStammdaten, NewPersonalSetsTheDefaultsAndProposesTheNextNumber) {
  Fenster w({Person(1, "A"), Person(2, "B"), Person(5, "C")});
  PersFormModel& f = w.f;
  // Everything the user could have typed for the previous employee.
  for (const char* name : {"FamNameEdit", "SVNrEdit", "GeburtsdatenEdit", "BemerkungenEdit",
                           "AustrittsDatumEdit", "SVtraegerEdit"})
    f.SetText(name, "x");
  for (const char* name : {"GehaltEdit", "PREI_Edit", "WERK_Edit", "PLZEdit", "KostenstelleEdit"})
    f.SetText(name, "7");
  f.SetText("SozialeStellungEdit", "1");
  f.SetText("BeitragsgruppeComboBox", "A1");
  f.SetText("AdresseLandEdit", "D");
  f.SetText("UrlaubsAnspruchEdit", "30");
  for (const char* name :
       {"EPAB_CB", "ArbeiterCheckBoxNeu", "ArbeiterCheckBox", "LK", "NB", "DNabgemeldetCheckBox"})
    f.SetChecked(name, true);
  for (const char* name : {"AngestellterCheckBox", "KU", "WF", "IE"}) f.SetChecked(name, false);
  f.SetText("PersonalNrComboBox", "B | Nr. 2");
  f.SetText("BruttoEdit", "100,00");

  NewPersonal(w.env.state, f);

  const std::pair<const char*, const char*> texte[] = {{"PersNrEdit", "6"},
                                                       {"FamNameEdit", ""},
                                                       {"SVNrEdit", ""},
                                                       {"GeburtsdatenEdit", ""},
                                                       {"BemerkungenEdit", ""},
                                                       {"AustrittsDatumEdit", ""},
                                                       {"SVtraegerEdit", ""},
                                                       {"GehaltEdit", "0"},
                                                       {"PREI_Edit", "0"},
                                                       {"WERK_Edit", "0"},
                                                       {"PLZEdit", "0"},
                                                       {"KostenstelleEdit", "0"},
                                                       {"SozialeStellungEdit", "3"},
                                                       {"BeitragsgruppeComboBox", "D1"},
                                                       {"AdresseLandEdit", "A"},
                                                       {"StaatEdit", "A"},
                                                       {"UrlaubsAnspruchEdit", "25"},
                                                       {"PersonalNrComboBox", ""},
                                                       {"BruttoEdit", "0"},
                                                       {"TageMaxSV", "30"}};
  for (auto [name, wert] : texte) EXPECT_EQ(f.Text(name), wert) << name;
  for (const char* name :
       {"EPAB_CB", "ArbeiterCheckBoxNeu", "ArbeiterCheckBox", "LK", "NB", "DNabgemeldetCheckBox"})
    EXPECT_FALSE(f.Checked(name)) << name;
  for (const char* name : {"AngestellterCheckBox", "KU", "WF", "IE"})
    EXPECT_TRUE(f.Checked(name)) << name;
  EXPECT_EQ(f.CurrentPersonal.PersNrEdit, 6);
}

TEST(PersFormStammdaten, ProposedNumberOfAnEmptyAndOfAMissingFile) {
  Fenster leer;
  EXPECT_EQ(leer.f.Text("PersNrEdit"), "1");
  fs::remove(kStem + ".PER");
  NewPersonal(leer.env.state, leer.f);
  EXPECT_EQ(leer.f.Text("PersNrEdit"), "0");
  EXPECT_EQ(leer.dialogs().messages,
            std::vector<std::string>{"Datei wird von einer anderen Anwendung verwendet"});
}

TEST(PersFormStammdaten, ListEntriesCarryTheNumberAfterTheSeparator) {
  EXPECT_EQ(PersonalNrListEntry("Huber", 7), "Huber | Nr. 7");
  EXPECT_EQ(PersonalNrListEntry("", 12), " | Nr. 12");
  EXPECT_EQ(PersonalNrFromListEntry("Huber | Nr. 7"), "7");
  EXPECT_EQ(PersonalNrFromListEntry("A | Nr. B | Nr. 9"), "B | Nr. 9");
  EXPECT_EQ(PersonalNrFromListEntry("Huber |Nr. 7"), "");
  EXPECT_EQ(PersonalNrFromListEntry(""), "");
}

TEST(PersFormStammdaten, TheListShowsNamesakesApartAndSorted) {
  Fenster w({Person(1, "Maier"), Person(2, "Öller"), Person(3, "maier"), Person(10, "Maier"),
             Person(4, "Bauer")});
  EXPECT_EQ(w.f.Items("PersonalNrComboBox"),
            (std::vector<std::string>{"", "Bauer | Nr. 4", "Maier | Nr. 1", "Maier | Nr. 10",
                                      "maier | Nr. 3", "Öller | Nr. 2"}));
  fs::remove(kStem + ".PER");
  FillPersonalNrList(w.env.state, w.f);
  EXPECT_EQ(w.f.Items("PersonalNrComboBox"), std::vector<std::string>{""});
}

TEST(PersFormStammdaten, ChoosingAnEntryShowsTheEmployeeAndLoadsHisMonth) {
  PersonalRecord huber = Person(4, "Huber");
  huber.VornameEdit = "Jörg";
  huber.GehaltEdit = 2450.5;
  huber.PLZEdit = 8010;
  huber.ArbeiterCheckBoxNeu = true;
  huber.KU = false;
  Fenster w({Person(1, "Adler"), huber});
  PersFormModel& f = w.f;
  std::vector<std::string> schritte;
  f.Steps.LoadAbrechnungToForm = [&](AppState&, PersFormModel& m) {
    schritte.push_back("Abrechnung " + m.Text("PersNrEdit"));
  };
  f.Steps.LoadEldaPanelData = [&](AppState&, PersFormModel& m) {
    schritte.push_back("Elda " + m.Text("PersNrEdit"));
  };
  f.SetEnabled("Button4", false);
  f.SetEnabled("TageslohnButton", true);
  f.SetChecked("LstBerechnen", false);
  f.SetText("AbrechngComboBox", "1");
  f.SetText("TageMaxSV", "12");
  f.SetText("BruttoEdit", "99,00");
  f.SetText("ADAT", "01.01.2014");

  f.UserSetText("PersonalNrComboBox", "Huber | Nr. 4");

  EXPECT_EQ(f.Text("PersNrEdit"), "4");
  EXPECT_EQ(f.Text("FamNameEdit"), "Huber");
  EXPECT_EQ(f.Text("VornameEdit"), "Jörg");
  EXPECT_EQ(f.Text("GehaltEdit"), "2450,50");
  EXPECT_EQ(f.Text("UrlaubsAnspruchEdit"), "0,00");
  EXPECT_EQ(f.Text("PLZEdit"), "8010");
  EXPECT_TRUE(f.Checked("ArbeiterCheckBoxNeu"));
  EXPECT_FALSE(f.Checked("KU"));
  EXPECT_EQ(f.Text("AbrechngComboBox"), "0");
  EXPECT_EQ(f.Text("TageMaxSV"), "30");
  EXPECT_EQ(f.Text("BruttoEdit"), "0");
  EXPECT_EQ(f.Text("ADAT"), "");
  EXPECT_TRUE(f.Enabled("Button4"));
  EXPECT_FALSE(f.Enabled("TageslohnButton"));
  EXPECT_TRUE(f.Checked("LstBerechnen"));
  EXPECT_EQ(schritte, (std::vector<std::string>{"Abrechnung 4", "Elda 4"}));
  EXPECT_TRUE(w.dialogs().messages.empty());
}

TEST(PersFormStammdaten, ChoosingTheEmptyEntryOrAMissingNumberChangesNoMasterData) {
  Fenster w({Person(1, "Adler")});
  PersFormModel& f = w.f;
  f.SetText("FamNameEdit", "Neu");
  f.UserSetText("PersonalNrComboBox", "");
  f.UserSetText("PersonalNrComboBox", "Weg | Nr. 8");
  EXPECT_EQ(f.Text("FamNameEdit"), "Neu");
  EXPECT_EQ(f.Text("PersNrEdit"), "2");
  PersFormBenutzerText(w.env.state, f, "PersonalNrComboBox", "X | Nr. 99999999999");
  EXPECT_EQ(w.dialogs().messages,
            std::vector<std::string>{"'99999999999' ist kein gültiger Integerwert"});
  EXPECT_EQ(f.Text("FamNameEdit"), "Neu");
}

// Every field that the record holds, filled with a value of its own.
void FuelleAlleFelder(PersFormModel& f) {
  const char* const texte[] = {"SVNrEdit",
                               "VornameEdit",
                               "FamNameEdit",
                               "StrasseEdit",
                               "OrtEdit",
                               "TelefonEdit",
                               "BankEdit",
                               "BankKtoNrEdit",
                               "GeburtsdatenEdit",
                               "FamStandEdit",
                               "StaatEdit",
                               "BerufEdit",
                               "EintrittsDatumEdit",
                               "AustrittsDatumEdit",
                               "BeitragsgruppeComboBox",
                               "BemerkungenEdit",
                               "AdresseLandEdit",
                               "SVtraegerEdit"};
  int i = 0;
  for (const char* name : texte) f.SetText(name, "Wert" + std::to_string(++i) + "ä");
  const char* const ganz[] = {
      "PLZEdit",          "SozialeStellungEdit",   "AnzahlKinderEdit", "gehoertZuStandortEdit",
      "KostenstelleEdit", "ArtDesLohnzettelsEdit", "WERK_Edit",        "UEBMO_Edit"};
  for (const char* name : ganz) f.SetText(name, std::to_string(100 + ++i));
  const char* const betraege[] = {"GehaltEdit",
                                  "StundenlohnEdit",
                                  "NormArbeitszeitEdit",
                                  "UrlaubsAnspruchEdit",
                                  "RestUrlaubEdit",
                                  "ZeitKontoEdit",
                                  "ZulageEdit",
                                  "FreibetragEdit",
                                  "SVFreibetrEdit",
                                  "SachbezuegeEdit",
                                  "FreibetrLtMitteilgEdit",
                                  "beitrGrundlVorAltZeilzEdit",
                                  "LandarbFreiEdit",
                                  "SonstSteuerfrEdit",
                                  "AuslandsTaetEdit",
                                  "freiwillBeitrEdit",
                                  "AufrollungEdit",
                                  "TeilentgeltEdit",
                                  "TageTeilentgeltEdit",
                                  "DbDzKommStFreierBetragEdit",
                                  "MehrstdSatzEdit",
                                  "MehrstdZuschlagEdit",
                                  "ZukunftssicherungEdit",
                                  "AuslPensDGEdit",
                                  "ENTW_Edit",
                                  "PREI_Edit",
                                  "BPEND_Edit",
                                  "BSROL_Edit"};
  for (const char* name : betraege) f.SetText(name, std::to_string(1000 + ++i) + ",25");
  const char* const haken[] = {"ExekutionCheckBox",
                               "AngestellterCheckBox",
                               "ArbeiterCheckBox",
                               "KU",
                               "WF",
                               "LK",
                               "SW",
                               "EF",
                               "IE",
                               "NB",
                               "UeberwiegNachtarbeitCheckBox",
                               "grPendlPausch",
                               "Alleinverdiener",
                               "KaerntenCheckBox",
                               "BMVGcheckBox",
                               "ArbeiterCheckBoxNeu",
                               "weiblichCheckBox",
                               "TeilzeitCheckBox",
                               "freierDNcheckBox",
                               "GeringfCheckBox",
                               "SZanspruchCheckBox",
                               "SZohneAllgBeitrCheckBox",
                               "ueberSechzigCheckBox",
                               "GeschaeftsFuehrerCheckBox",
                               "DNabgemeldetCheckBox",
                               "EPAB_CB"};
  for (const char* name : haken) f.SetChecked(name, ++i % 2 == 0);
  f.SetText("FamStandEdit", "ledig");  // string[10]
  f.SetText("PersNrEdit", "4711");
}

TEST(PersFormStammdaten, FieldsSurviveTheRoundTripThroughTheRecordBytes) {
  Fenster w;
  PersFormModel& f = w.f;
  FuelleAlleFelder(f);
  const PersonalRecord& r = FormToPersonalRecord(f);
  PersonalBytes bytes = r.pack();
  // A few fields at their places in the file.
  EXPECT_EQ(bytes[0] | bytes[1] << 8, 4711);
  EXPECT_EQ(bytes[117], 6);  // "Wert3ä"
  EXPECT_EQ(bytes[123], 0xE4);
  EXPECT_EQ(bytes[479], 5);   // "ledig"
  EXPECT_EQ(bytes[1603], 0);  // the wage-type slots stay empty

  Fenster zweites;
  ShowPersonalRecord(zweites.f, PersonalRecord::unpack(bytes.data()));
  int felder = 0;
  for (const std::string& name : f.Names()) {
    if (!zweites.f.Has(name)) continue;
    if (f.Art(name) == PersFeldArt::CheckBox) {
      if (f.Checked(name) != zweites.f.Checked(name)) ADD_FAILURE() << name;
    } else if (f.Art(name) == PersFeldArt::Edit || name == "BeitragsgruppeComboBox") {
      // Only fields the record holds are compared: they all came back; the
      // others still show the new employee of the second window.
      if (f.Text(name) == zweites.f.Text(name)) ++felder;
    }
  }
  for (const char* name : {"SVNrEdit", "BemerkungenEdit", "FamStandEdit", "PLZEdit", "WERK_Edit",
                           "GehaltEdit", "BSROL_Edit", "SVtraegerEdit", "PersNrEdit"})
    EXPECT_EQ(zweites.f.Text(name), f.Text(name)) << name;
  EXPECT_EQ(zweites.f.Text("BPEND_Edit"), "1053,25");
  EXPECT_GE(felder, 18 + 8 + 28 + 1);
  EXPECT_EQ(PersonalRecord::unpack(bytes.data()), r);
}

TEST(PersFormStammdaten, TextsAreCutToTheirCapacityAndStoredWithoutControlCharacters) {
  Fenster w;
  w.f.SetText("BemerkungenEdit", std::string(120, 'b'));
  w.f.SetText("FamStandEdit", "verheiratet");
  w.f.SetText("OrtEdit", std::string(60, 'o'));
  // Pasted and saved by the tool button, which takes no focus.
  w.f.UserSetText("FamNameEdit", "Ad\tler\x07Z\r\nW");
  const PersonalRecord& r = FormToPersonalRecord(w.f);
  EXPECT_EQ(r.BemerkungenEdit, std::string(100, 'b'));
  EXPECT_EQ(r.FamStandEdit, "verheirate");
  EXPECT_EQ(r.OrtEdit, std::string(50, 'o'));
  EXPECT_EQ(r.FamNameEdit, "Ad ler Z  W");
}

TEST(PersFormStammdaten, TheElaReferenceFallsBackToThePersonalNumber) {
  for (const char* ref : {"", "0"}) {
    Fenster w;
    w.f.SetText("PersNrEdit", "0012");
    w.f.SetText("GeburtsdatenEdit", ref);
    w.f.SetText("PersonalNrComboBox", "X | Nr. 3");
    EXPECT_EQ(FormToPersonalRecord(w.f).GeburtsdatenEdit, "12");
    EXPECT_EQ(w.f.Text("GeburtsdatenEdit"), "12");
    EXPECT_EQ(w.f.Text("PersonalNrComboBox"), "");
  }
  Fenster w;
  w.f.SetText("GeburtsdatenEdit", "00123");
  EXPECT_EQ(FormToPersonalRecord(w.f).GeburtsdatenEdit, "00123");
}

TEST(PersFormStammdaten, AFieldThatDoesNotConvertLeavesTheBufferAlone) {
  struct Fall {
    const char* feld;
    const char* text;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"PLZEdit", "80a0", "'80a0' ist kein gültiger Integerwert"},
      {"KostenstelleEdit", "2147483648", "'2147483648' ist kein gültiger Integerwert"},
      {"WERK_Edit", "", "'' ist kein gültiger Integerwert"},
      {"ENTW_Edit", "", "'' ist kein gültiger Fließkommawert"},
      {"GehaltEdit", "1e300", "'1e300' ist kein gültiger Fließkommawert"},
  };
  for (const Fall& c : faelle) {
    Fenster w;
    w.f.CurrentPersonal.FamNameEdit = "vorher";
    w.f.SetText(c.feld, c.text);
    try {
      FormToPersonalRecord(w.f);
      ADD_FAILURE() << c.feld;
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), c.meldung);
    }
    EXPECT_EQ(w.f.CurrentPersonal.FamNameEdit, "vorher");
  }
}

TEST(PersFormStammdaten, CheckSvNummer) {
  struct Fall {
    const char* nummer;
    bool gueltig;
  };
  const Fall faelle[] = {
      {"", true},
      {"1238010190", true},
      {"7891010190", true},
      {"1233150362", true},
      {"1234010190", false},  // sum 63, 63 mod 11 = 8, not 4
      {"0000010190", true},   // replacement number
      {"00001", true},
      {"1060010190", false},  // remainder 10 matches no digit
      {"123", false},
      {"123a010190", false},
      {"1000", false},  // sum 3 mod 11 = 3, not 0
      {"1238 010190", false},
      {"5000000000", false},  // sum 15 mod 11 = 4, not 0
  };
  for (const Fall& c : faelle) EXPECT_EQ(CheckSvNummer(c.nummer), c.gueltig) << c.nummer;
}

TEST(PersFormStammdaten, FourZerosAloneAreNoReplacementButPassTheCheckDigit) {
  // Weighted sum 0, fourth digit 0: the general rule accepts it.
  EXPECT_TRUE(CheckSvNummer("0000"));
}

TEST(PersFormStammdaten, SavingWritesTheRecordAndRefreshesTheList) {
  Fenster w({Person(1, "Adler")});
  PersFormModel& f = w.f;
  std::vector<std::string> reihenfolge;
  f.Steps.SaveEldaPanelData = [&](AppState&, PersFormModel&) {
    reihenfolge.push_back(fs::exists(kStem + ".SPE") ? "Elda mit Sperre" : "Elda");
  };
  f.SetText("FamNameEdit", "Berger");
  f.SetText("SVNrEdit", "1238010190");
  f.SetText("LohnNormalstundenEdit", "");  // an empty month amount becomes 0,00
  Button2Click(w.env.state, f);

  EXPECT_EQ(reihenfolge, std::vector<std::string>{"Elda"});
  EXPECT_EQ(w.dialogs().messages, std::vector<std::string>{"Datensatz wurde hinzugefügt!"});
  EXPECT_EQ(PersonalNummern(), (std::vector<std::int32_t>{1, 2}));
  auto r = ReadPersonalRecord(kStem, kPersonalExt, 2);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->FamNameEdit, "Berger");
  EXPECT_EQ(r->GeburtsdatenEdit, "2");
  EXPECT_EQ(f.Text("LohnNormalstundenEdit"), "0,00");
  EXPECT_EQ(f.Items("PersonalNrComboBox"),
            (std::vector<std::string>{"", "Adler | Nr. 1", "Berger | Nr. 2"}));
  EXPECT_TRUE(KeineSperrdateien());

  // Saving again replaces him.
  f.SetText("OrtEdit", "Linz");
  Button2Click(w.env.state, f);
  EXPECT_EQ(PersonalNummern(), (std::vector<std::int32_t>{1, 2}));
  EXPECT_EQ(ReadPersonalRecord(kStem, kPersonalExt, 2)->OrtEdit, "Linz");
  EXPECT_EQ(w.dialogs().messages.size(), 1u);
}

TEST(PersFormStammdaten, WrongSvNumbersAreSavedAndThenReportedInOrder) {
  Fenster w;
  w.f.SetText("FamNameEdit", "Berger");
  w.f.SetText("SVNrEdit", "1234010190");
  w.f.SetText("AustrittsDatumEdit", "123");
  Button2Click(w.env.state, w.f);
  EXPECT_EQ(w.dialogs().messages,
            (std::vector<std::string>{
                "Datensatz wurde hinzugefügt!",
                "SV-Nummer des DN ist falsch. Geben Sie eine korrekte SV-Nr oder 4 Nullen + "
                "Geburtsdatum (0000TTMMJJ) ein.",
                "SV-Nummer Partner ist falsch. Geben Sie eine korrekte SV-Nr oder 4 Nullen + "
                "Geburtsdatum (0000TTMMJJ) ein."}));
  EXPECT_EQ(PersonalNummern(), std::vector<std::int32_t>{1});
}

// Records whether the employer's lock file was there when a message came.
struct SperrBeobachter : testing_support::FakeDialogs {
  void ShowMessage(const std::string& text, const std::string& caption) override {
    mitSperre.push_back(fs::exists(kStem + ".SPE"));
    FakeDialogs::ShowMessage(text, caption);
  }
  std::vector<bool> mitSperre;
};

TEST(PersFormStammdaten, SaveRefusedWithoutFamilyNameTakesAndReleasesTheLock) {
  Fenster w({Person(1, "Adler")});
  SperrBeobachter dialogs;
  AppState state(kYear2014, Services{dialogs, w.env.shell, w.env.clock});
  state.DataFileStem = kStem;
  const auto vorher = ReadBytes(kStem + ".PER");
  w.f.SetText("FamNameEdit", "");
  Button2Click(state, w.f);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{
                                  "Dienstnehmer ohne Familienname kann nicht gespeichert werden!"});
  EXPECT_EQ(dialogs.mitSperre, std::vector<bool>{true});
  EXPECT_EQ(ReadBytes(kStem + ".PER"), vorher);
  EXPECT_TRUE(KeineSperrdateien());
}

TEST(PersFormStammdaten, SaveStopsBeforeTheLockWhenANumberDoesNotConvert) {
  struct Fall {
    const char* feld;
    const char* text;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"SonstSZLSTEdit", "", "'' ist kein gültiger Fließkommawert"},
      {"AMPFG_SVGrundlage_SZEdit", "x", "'x' ist kein gültiger Fließkommawert"},
      {"PLZEdit", "99999999999", "'99999999999' ist kein gültiger Integerwert"},
  };
  for (const Fall& c : faelle) {
    Fenster w({Person(1, "Adler")});
    const auto vorher = ReadBytes(kStem + ".PER");
    w.f.SetText("FamNameEdit", "Berger");
    try {
      w.f.SetText(c.feld, c.text);
    } catch (const ConversionError&) {
    }
    w.dialogs().messages.clear();
    Button2Click(w.env.state, w.f);
    EXPECT_EQ(w.dialogs().messages, std::vector<std::string>{c.meldung}) << c.feld;
    EXPECT_EQ(ReadBytes(kStem + ".PER"), vorher);
    EXPECT_TRUE(KeineSperrdateien());
  }
}

TEST(PersFormStammdaten, APresentLockRefusesSaveAndDeleteAndChangesNothing) {
  struct Fall {
    const char* sperre;
    bool speichern;  // else delete
  };
  // Saving guards the employee file only; deleting also the payroll file.
  const Fall faelle[] = {{"SPE", true}, {"SPE", false}, {"SAB", false}};
  for (const Fall& c : faelle) {
    Fenster w({Person(1, "Adler")});
    WriteAbrechnungen({Abrechnung(1, 3)});
    testing_support::WriteText(kStem + "." + c.sperre, "Daten (Typ) bearbeiten");
    const auto per = ReadBytes(kStem + ".PER");
    const auto abr = ReadBytes(kStem + ".ABR");
    w.f.SetText("FamNameEdit", "Berger");
    if (c.speichern) {
      Button2Click(w.env.state, w.f);
    } else {
      w.f.SetText("PersNrEdit", "1");
      Button5Click(w.env.state, w.f);
    }
    EXPECT_EQ(w.dialogs().messages, std::vector<std::string>{kLockMeldung}) << c.sperre;
    EXPECT_TRUE(w.dialogs().questions.empty());
    EXPECT_EQ(ReadBytes(kStem + ".PER"), per) << c.sperre;
    EXPECT_EQ(ReadBytes(kStem + ".ABR"), abr) << c.sperre;
    // The lock that was there stays; none was added.
    EXPECT_TRUE(fs::exists(kStem + "." + c.sperre));
    const std::string andere = std::string(c.sperre) == "SPE" ? "SAB" : "SPE";
    EXPECT_FALSE(fs::exists(kStem + "." + andere)) << c.sperre;
  }
}

TEST(PersFormStammdaten, DeletingAnEmployeeWithoutPayrolls) {
  Fenster w({Person(1, "Adler"), Person(2, "Berger")});
  WriteAbrechnungen({Abrechnung(1, 3)});
  w.f.UserSetText("PersonalNrComboBox", "Berger | Nr. 2");
  Button5Click(w.env.state, w.f);
  EXPECT_EQ(w.dialogs().questions, std::vector<std::string>{"Personal Nr. 2 wirklich löschen?"});
  EXPECT_EQ(w.dialogs().messages, std::vector<std::string>{"Dienstnehmer wurde gelöscht!"});
  EXPECT_EQ(PersonalNummern(), std::vector<std::int32_t>{1});
  EXPECT_EQ(AbrechnungsSchluessel(), (std::vector<std::pair<int, int>>{{1, 3}}));
  EXPECT_EQ(w.f.Items("PersonalNrComboBox"), (std::vector<std::string>{"", "Adler | Nr. 1"}));
  EXPECT_EQ(w.f.Text("PersNrEdit"), "2");  // the new employee's proposal
  EXPECT_EQ(w.f.Text("FamNameEdit"), "");
  EXPECT_TRUE(KeineSperrdateien());
}

TEST(PersFormStammdaten, DeletingAnEmployeeWithPayrollsAsksTwice) {
  struct Fall {
    std::deque<bool> antworten;
    std::size_t fragen;
    std::vector<std::int32_t> personal;
    std::vector<std::pair<int, int>> abrechnungen;
    std::vector<std::string> meldungen;
  };
  const std::vector<std::pair<int, int>> alle = {{1, 3}, {2, 3}, {1, 4}, {2, 5}};
  const Fall faelle[] = {
      {{false}, 1, {1, 2}, alle, {}},
      {{true, false}, 2, {1, 2}, alle, {}},
      {{true, true},
       2,
       {1},
       {{1, 3}, {1, 4}},
       {"Abrechnungsdaten wurden gelöscht!", "Dienstnehmer wurde gelöscht!"}},
  };
  for (const Fall& c : faelle) {
    Fenster w({Person(1, "Adler"), Person(2, "Berger")});
    WriteAbrechnungen({Abrechnung(1, 3), Abrechnung(2, 3), Abrechnung(1, 4), Abrechnung(2, 5)});
    w.f.SetText("PersNrEdit", "2");
    w.dialogs().answers = c.antworten;
    Button5Click(w.env.state, w.f);
    ASSERT_EQ(w.dialogs().questions.size(), c.fragen);
    if (c.fragen == 2) {
      EXPECT_EQ(w.dialogs().questions[1],
                "Für den Dienstnehmer mit Personal Nr. 2 existieren 2 Abrechnungsdatensätze! "
                "Wenn Sie den Dienstnehmer löschen, werden auch die Abrechnungsdaten aller Jahre "
                "gelöscht und sind nicht mehr verfügbar! Wollen Sie den Dienstnehmer wirklich "
                "löschen?");
    }
    EXPECT_EQ(PersonalNummern(), c.personal);
    EXPECT_EQ(AbrechnungsSchluessel(), c.abrechnungen);
    EXPECT_EQ(w.dialogs().messages, c.meldungen);
    EXPECT_TRUE(KeineSperrdateien());
  }
}

TEST(PersFormStammdaten, APayrollFileInUseKeepsTheEmployee) {
  Fenster w({Person(1, "Adler")});
  fs::remove(kStem + ".ABR");
  fs::create_directory(kStem + ".ABR");  // there, but it cannot be opened as a file
  w.f.SetText("PersNrEdit", "1");
  Button5Click(w.env.state, w.f);
  EXPECT_EQ(w.dialogs().messages,
            std::vector<std::string>{"Datei wird von einer anderen Anwendung verwendet"});
  EXPECT_EQ(PersonalNummern(), std::vector<std::int32_t>{1});
  EXPECT_TRUE(KeineSperrdateien());
}

TEST(PersFormStammdaten, DeletingANumberThatIsNotThere) {
  Fenster w({Person(1, "Adler")});
  w.f.SetText("PersNrEdit", "7");
  Button5Click(w.env.state, w.f);
  EXPECT_EQ(w.dialogs().messages,
            std::vector<std::string>{"Kein Dienstnehmer mit dieser PersonalNr vorhanden!"});
  EXPECT_TRUE(w.dialogs().questions.empty());
  EXPECT_TRUE(KeineSperrdateien());

  try {
    w.f.SetText("PersNrEdit", "7x");
  } catch (const ConversionError&) {
  }
  Button5Click(w.env.state, w.f);
  EXPECT_EQ(w.dialogs().messages.back(), "'7x' ist kein gültiger Integerwert");
  EXPECT_TRUE(KeineSperrdateien());
}

TEST(PersFormStammdaten, NewEmployeeButtonClearsThePanelAndFocusesTheSvNumber) {
  Fenster w({Person(3, "Adler")});
  w.f.SetText("FamNameEdit", "Alt");
  w.f.SetText("FNA1", "Müller");
  Button1Click(w.env.state, w.f);
  EXPECT_EQ(w.f.Text("FamNameEdit"), "");
  EXPECT_EQ(w.f.Text("FNA1"), "");
  EXPECT_EQ(w.f.Text("PersNrEdit"), "4");
  EXPECT_EQ(w.f.FocusRequest(), "SVNrEdit");
}

// Two programs on one folder: B changed, deleted or created the employee
// that A's window shows. A's save asks; yes writes A's window, no writes
// nothing and shows what is stored now. Unchanged, it asks nothing.
TEST(PersFormStammdaten, AnotherProgramsChangeIsOverwrittenOnlyAfterAsking) {
  struct Fall {
    const char* was;
    bool ja;
    const char* nachNeinName;  // A's window after no: the stored family name
  };
  const Fall faelle[] = {{"geändert", true, ""},   {"geändert", false, "Huber"},
                         {"gelöscht", true, ""},   {"gelöscht", false, ""},
                         {"angelegt", true, ""},   {"angelegt", false, "Berger"},
                         {"unverändert", true, ""}};
  for (const Fall& c : faelle) {
    Fenster a({Person(7, "Huber")});
    const bool neu = std::string(c.was) == "angelegt";
    if (neu) {
      Button1Click(a.env.state, a.f);  // proposes number 8
      a.f.SetText("FamNameEdit", "Adler");
    } else {
      SelectPersonal(a.env.state, a.f, 7);
    }
    const std::int32_t nr = neu ? 8 : 7;
    // Program B, with a window of its own on the same folder.
    testing_support::TestEnv b;
    b.state.DataFileStem = kStem;
    PersFormModel bf;
    PersFormCreate(b.state, bf);
    if (std::string(c.was) == "geändert") {
      SelectPersonal(b.state, bf, 7);
      bf.SetText("BemerkungenEdit", "von B");
      ASSERT_TRUE(Button2Click(b.state, bf));
    } else if (std::string(c.was) == "gelöscht") {
      ASSERT_TRUE(DeletePersonalRecord(b.dialogs, kStem, kPersonalExt, 7, false, true).deleted);
    } else if (neu) {
      ASSERT_TRUE(InsertPersonalRecord(b.dialogs, kStem, kPersonalExt, Person(8, "Berger"), false));
    }
    const auto vorher = ReadBytes(kStem + ".PER");
    a.f.SetText("TelefonEdit", "0664 1");
    a.dialogs().answers = {c.ja};
    const bool gespeichert = Button2Click(a.env.state, a.f);

    const bool gefragt = std::string(c.was) != "unverändert";
    EXPECT_EQ(a.dialogs().questions,
              gefragt ? std::vector<std::string>{FrageInzwischenGeaendert(neu ? "Adler" : "Huber")}
                      : std::vector<std::string>{})
        << c.was;
    EXPECT_EQ(gespeichert, c.ja) << c.was;
    if (c.ja) {
      const auto bild = ReadPersonalImage(a.dialogs(), kStem, kPersonalExt, nr);
      ASSERT_TRUE(bild) << c.was;
      const PersonalBytes erwartet = a.f.CurrentPersonal.pack();
      EXPECT_TRUE(std::equal(erwartet.begin(), erwartet.end(), bild->begin())) << c.was;
      EXPECT_EQ(PersonalRecord::unpack(bild->data()).BemerkungenEdit, "") << c.was;
    } else {
      EXPECT_EQ(ReadBytes(kStem + ".PER"), vorher) << c.was;
      EXPECT_EQ(a.f.Text("FamNameEdit"), c.nachNeinName) << c.was;
      EXPECT_EQ(a.f.Text("BemerkungenEdit"), std::string(c.was) == "geändert" ? "von B" : "")
          << c.was;
      // Saving again now writes what the window shows, without a question.
      a.dialogs().questions.clear();
      if (a.f.Text("FamNameEdit").empty()) a.f.SetText("FamNameEdit", "Adler");
      EXPECT_TRUE(Button2Click(a.env.state, a.f)) << c.was;
      EXPECT_TRUE(a.dialogs().questions.empty()) << c.was;
    }
    EXPECT_TRUE(KeineSperrdateien());
  }
}

// Two programs saving one employee at the same moment, each its own field,
// answering no whenever the record changed since they read it: each
// program's last save survives the other's saves.
TEST(PersFormStammdaten, TwoProgramsSavingOneEmployeeKeepEachOthersSaves) {
  Fenster w({Person(7, "Huber")});
  const int runden = 60;
  const auto ergebnisse = testing_support::ZweiProzesse(runden, [&](int prozess, int runde) {
    w.dialogs().answers = {false};
    w.dialogs().questions.clear();
    SelectPersonal(w.env.state, w.f, 7);
    const std::string wert = std::to_string(runde);
    w.f.SetText(prozess == 0 ? "TelefonEdit" : "BemerkungenEdit", wert);
    ::usleep(2000);  // the clerk types: the other program saves meanwhile
    if (Button2Click(w.env.state, w.f)) return "ok " + wert;
    return std::string(w.dialogs().questions.empty() ? "gesperrt" : "gefragt");
  });
  std::string zuletzt[2];
  for (int p = 0; p < 2; ++p) {
    ASSERT_EQ(ergebnisse[p].size(), std::size_t(runden));
    for (const std::string& e : ergebnisse[p])
      if (e.rfind("ok ", 0) == 0) zuletzt[p] = e.substr(3);
  }
  ASSERT_EQ(PersonalNummern(), std::vector<std::int32_t>{7});
  const auto r = ReadPersonalRecord(kStem, kPersonalExt, 7);
  EXPECT_EQ(r->TelefonEdit, zuletzt[0]);
  EXPECT_EQ(r->BemerkungenEdit, zuletzt[1]);
  EXPECT_TRUE(KeineSperrdateien());
}

// A data folder that this user cannot write: the start says so once, the
// employee window lists the stored employees and proposes the next number,
// and a save names each file it could not write and why; no file changes.
TEST(PersFormStammdaten, AReadOnlyFolderIsReadAndItsSavesNameTheCause) {
  Fenster w({Person(5, "Adler"), Person(3, "Huber")});
  ASSERT_TRUE(LoadGlobalSettings(w.env.state));  // Lohnver.LOA, GLOB.DAT and DEMO's files
  testing_support::WriteText("GEHEIM.PER", "");
  fs::permissions("GEHEIM.PER", fs::perms::owner_read | fs::perms::owner_write);
  std::map<fs::path, std::vector<std::uint8_t>> vorher;
  for (const auto& e : fs::directory_iterator(".")) vorher[e.path()] = ReadBytes(e.path());

  const std::string aus = testing_support::OhneSchreibrecht([&] {
    testing_support::FakeDialogs& dlg = w.dialogs();
    dlg.messages.clear();
    std::string zeilen;
    auto zeile = [&](const std::string& z) { zeilen += z + "\n"; };
    LoadGlobalSettings(w.env.state);
    w.env.state.DataFileStem = kStem;
    PersFormKontext k(w.env.state);  // with the registration panel's file
    PersFormModel& f = k.form;
    PersFormCreate(w.env.state, f);
    for (const std::string& e : f.Items("PersonalNrComboBox")) zeile("Liste: " + e);
    zeile("Nr: " + f.Text("PersNrEdit"));
    SelectPersonal(w.env.state, f, 3);
    f.SetText("TelefonEdit", "0664 1");
    zeile(Button2Click(w.env.state, f) ? "gespeichert" : "nicht gespeichert");
    ReadPersonalRecord(dlg, "GEHEIM", kPersonalExt, 1);
    zeile(FileInUseMessage(kStem + ".PER"));
    for (const std::string& m : dlg.messages) zeile(m);
    return zeilen;
  });
  if (aus == testing_support::kSchreibrechtBleibt) GTEST_SKIP() << "no user without write access";
  const std::string ursache = IoErrorText(EACCES);
  EXPECT_EQ(aus,
            "Liste: \nListe: Adler | Nr. 5\nListe: Huber | Nr. 3\nNr: 6\nnicht gespeichert\n"
            "Die Datei \"MUSTER.PER\" ist schreibgeschützt: Änderungen können nicht "
            "gespeichert werden.\n"
            "Der Datenordner " +
                fs::current_path().string() +
                " ist schreibgeschützt: Änderungen, Berichte und ELDA-Dateien können "
                "nicht gespeichert werden.\n"
                "Die Datei \"" +
                *EldaPanelDataFile(kStem, "3") + "\" konnte nicht geschrieben werden (" + ursache +
                "). Die gespeicherten Daten sind unverändert.\n"
                "Die Sperrdatei \"MUSTER.SPE\" kann nicht angelegt werden (" +
                ursache +
                "). Es wurden keine Daten geändert.\n"
                "Auf die Datei \"GEHEIM.PER\" besteht kein Zugriff (Zugriff verweigert).\n");
  std::map<fs::path, std::vector<std::uint8_t>> nachher;
  for (const auto& e : fs::directory_iterator(".")) nachher[e.path()] = ReadBytes(e.path());
  EXPECT_EQ(nachher, vorher);
}

}  // namespace
