// The registration panel of the employee window and the registration file.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <set>

#include "elda/EldaPanel.h"
#include "elda/Versichertenmeldung.h"
#include "frame/Daten.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormStammdaten.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/LockFile.h"
#include "store/PersonalStore.h"
#include "store/SvNummer.h"
#include "support/Fakes.h"
#include "support/Golden.h"

namespace {

using namespace lohn;
using testing_support::ReadBytes;
using testing_support::WriteText;
namespace fs = std::filesystem;

const std::string kDatei = "ELDA/DEMO_P_7_Berge_03.VM";

std::string Inhalt(const std::string& pfad) {
  auto b = ReadBytes(pfad);
  return std::string(b.begin(), b.end());
}

// The employer DEMO, empty employee and payroll files and the employee
// window's core as its creation leaves it.
struct Meldung {
  explicit Meldung(const YearValues& jahr = kYear2014) : env(jahr) {
    WriteText("DEMO.PER", "");
    WriteText("DEMO.ABR", "");
    auto& s = env.state;
    s.DataFileStem = "DEMO";
    s.ProgramVersion = "2014.01";
    auto& dg = s.Dienstgeber;
    dg.DienstgeberDvrNr = "1234567";
    dg.DienstgeberVersTraegerCode = "11";
    dg.DienstgeberBeitragskontoNr = "987654";
    dg.DienstgeberName = "Firma Muster GmbH";
    dg.DienstgeberPlz = "1010";
    dg.DienstgeberOrt = "Wien";
    dg.DienstgeberStrasse = "Ring 1";
    dg.DienstgeberTelefon = "01/234567";
    dg.DienstgeberEMail = "lohn@muster.at";
    k = std::make_unique<PersFormKontext>(s);
    PersFormCreate(s, f());
  }
  PersFormModel& f() { return k->form; }
  AppState& st() { return env.state; }
  void Art(const std::string& eintrag) { f().UserSetText("ComboBox1", eintrag); }
  // Employee 7 as a new employee, registered from 1.3.2014; the date and the
  // amounts are typed and the fields not left.
  void Anna() {
    Button1Click(st(), f());
    f().SetText("PersNrEdit", "7");
    f().SetText("FamNameEdit", "Berger");
    f().SetText("VornameEdit", "Anna");
    f().SetChecked("weiblichCheckBox", true);
    f().SetText("SVNrEdit", "1237 010180");
    f().SetText("StrasseEdit", "Hauptstraße 5");
    f().SetText("PLZEdit", "1020");
    f().SetText("OrtEdit", "Wien");
    f().SetText("BerufEdit", "Verkäuferin");
    Art("03 Anmeldung");
    f().SetText("ADAT", "1.3.2014");
    f().SetText("BSTD", "38,5");
    f().SetText("BETR", "1234,5");
  }
  // Record 2 from its position `pos` (counted from 1).
  std::string Feld(int pos, int len) {
    return Cp1252ToUtf8(Inhalt(kDatei).substr(1402 + pos - 1, std::size_t(len)));
  }
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  std::unique_ptr<PersFormKontext> k;
};

TEST(Versichertenmeldung, GoldenRegistrationOfANewEmployee) {
  Meldung m;
  m.Anna();
  BitBtn2Click(m.st(), m.f());
  // His SV number has a blank in it: saved, with the warning.
  EXPECT_EQ(m.env.dialogs.messages,
            (std::vector<std::string>{"Datensatz wurde hinzugefügt!",
                                      "SV-Nummer des DN ist falsch. Geben Sie eine korrekte SV-Nr "
                                      "oder 4 Nullen + Geburtsdatum (0000TTMMJJ) ein."}));
  EXPECT_EQ(m.env.dialogs.questions, std::vector<std::string>{kVmSchlussfrage});
  const std::string bytes = Inhalt(kDatei);
  ASSERT_EQ(bytes.size(), 4204u);
  EXPECT_EQ(bytes.find("\r\n"), 1400u);
  EXPECT_EQ(bytes.find("\r\n", 1402), 2802u);
  EXPECT_EQ(bytes.find("\r\n", 2804), std::string::npos);
  EXPECT_EQ(m.Feld(113, 10), "1237010180");
  EXPECT_EQ(m.Feld(123, 8), "01011980");
  EXPECT_EQ(m.Feld(441, 1), "2");
  EXPECT_EQ(m.Feld(555, 8), "01032014");
  EXPECT_EQ(m.Feld(668, 8), "00123450");
  EXPECT_EQ(m.Feld(708, 4), "3850");
  testing_support::ExpectGolden("elda/DEMO_P_7_Berge_03.VM", ReadBytes(kDatei));

  // Casual employment: the day of ADAT is "00".
  m.Art("05 Meldung fallweise Beschäftigter");
  m.f().SetText("ADAT", "5.3.2014");
  EXPECT_TRUE(WriteEldaVersichertenMeldung(m.st(), m.f()));
  EXPECT_EQ(Inhalt("ELDA/DEMO_P_7_Berge_05.VM").substr(1402 + 554, 8), "00032014");

  m.Art("04 Abmeldung");
  EXPECT_TRUE(WriteEldaVersichertenMeldung(m.st(), m.f()));
  const std::string ab = Inhalt("ELDA/DEMO_P_7_Berge_04.VM").substr(1402);
  EXPECT_EQ(ab.substr(440, 1), "0");
  EXPECT_EQ(ab.substr(550, 4), std::string(4, ' '));
  EXPECT_EQ(ab.substr(573, 30), std::string(30, ' '));
  EXPECT_EQ(ab.substr(718, 15), std::string(15, ' '));
}

TEST(Versichertenmeldung, BirthDatesAndNameParts) {
  struct Fall {
    const YearValues& jahr;
    const char* sv;
    const char* geburt;
  };
  const Fall faelle[] = {
      {kYear2014, "1234010180", "01011980"}, {kYear2014, "1234010112", "01012012"},
      {kYear2014, "1234010115", "01011915"}, {kYear2014, "1234010120", "01011920"},
      {kYear2013, "1234010114", "01011914"}, {kYear2014, "0000150370", "15031970"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.sv);
    Meldung m(fall.jahr);
    m.Anna();
    m.f().SetText("SVNrEdit", fall.sv);
    EXPECT_TRUE(WriteEldaVersichertenMeldung(m.st(), m.f()));
    EXPECT_EQ(m.Feld(123, 8), fall.geburt);
  }
  Meldung m;
  m.Anna();
  m.f().SetText("SVNrEdit", "1234 01018");
  EXPECT_FALSE(WriteEldaVersichertenMeldung(m.st(), m.f()));
  EXPECT_EQ(m.env.dialogs.messages, std::vector<std::string>{kVmSvNrUngueltig});
  EXPECT_FALSE(fs::exists("ELDA"));

  const std::pair<const char*, const char*> namen[] = {
      {"Ott", "Ott__"}, {"Müller", "Mülle"}, {"A/B", "A_B__"}, {" a:*?\"<>|\\ ", "a____"}};
  for (auto [name, teil] : namen) EXPECT_EQ(VmNamensteil(name), teil);
  EXPECT_EQ(VmDateiName("DEMO", 7, "A/B", "03"), "DEMO_P_7_A_B___03.VM");
}

TEST(EldaPanel, KindsColourTheFieldsTheyNeed) {
  // Required and not-applicable fields, and the boxes switched off, whole.
  const std::string basisP = "ADAT BETR ComboBox1 ";
  const std::string basisK = "AGRD DN_Satzart GEGC GEGT SAGR TAGE VWVC VWVT ZUGE ";
  const std::string sonstP = "BKFZ BSTD BTAG ComboBox2 ComboBox3 ComboBox4 STSL ";
  const std::string berichtigungK =
      "AECD BETL BKFZ BORT BPLZ BSTD BTAG BVAB ComboBox2 ComboBox3 ComboBox4 E1LJ FNA1 FNA2 "
      "LBDA LVDA NSGA NSGE STSL ";
  const std::string entgeltK = "BVEN KEAB KEBI UEAB UEBI ";
  struct Fall {
    const char* art;
    std::string pflicht, entfaellt, aus;
  };
  const Fall faelle[] = {
      {"", basisP + sonstP, basisK + "ComboBox5", ""},
      {"03 Anmeldung", basisP + sonstP,
       basisK + "AECD BGMA BVEN ComboBox5 EBSV ERTG KEAB KEBI NSGA NSGE RDAT UEAB UEBI",
       "AABG_CB MALU_CB"},
      {"04 Abmeldung", basisP + "ComboBox3 ComboBox5",
       basisK +
           "AECD BETL BKFZ BORT BPLZ BSTD BTAG BVAB ComboBox2 ComboBox4 E1LJ FNA1 FNA2 LBDA LVDA "
           "NSGA NSGE RDAT STSL",
       "BUAK_CB"},
      {"05 Meldung fallweise Beschäftigter", basisP + "BKFZ ComboBox2 ComboBox3 ComboBox4 STSL",
       basisK +
           "AECD BGMA BSTD BTAG BVAB BVEN ComboBox5 E1LJ EBSV ERTG KEAB KEBI LBDA LVDA NSGA NSGE "
           "RDAT UEAB UEBI",
       "AABG_CB BUAK_CB MALU_CB"},
      {"06 Änderungsmeldung", basisP + sonstP,
       basisK + "BGMA BVEN ComboBox5 EBSV ERTG KEAB KEBI RDAT UEAB UEBI", "AABG_CB MALU_CB"},
      {"08 Richtigstellung Anmeldung", basisP, basisK + berichtigungK + entgeltK + "ComboBox5",
       "BUAK_CB"},
      {"09 Richtigstellung Abmeldung", basisP + "ComboBox5", basisK + berichtigungK, "BUAK_CB"},
      {"13 Storno Anmeldung", basisP, basisK + berichtigungK + entgeltK + "ComboBox5 RDAT",
       "BUAK_CB"},
      {"14 Storno Abmeldung", basisP, basisK + berichtigungK + "ComboBox5 RDAT", "BUAK_CB"},
      {"15 Storno Meldung fallweise Beschäftigter", basisP,
       basisK + berichtigungK + entgeltK + "ComboBox5 RDAT", "BUAK_CB"},
      {"16 Sonderzahlungsmeldung", basisP, basisK + berichtigungK + entgeltK + "ComboBox5 RDAT",
       "BUAK_CB"},
      {"17 Storno Sonderzahlungsmeldung", basisP,
       basisK + berichtigungK + entgeltK + "ComboBox5 RDAT", "BUAK_CB"},
  };
  auto menge = [](const std::string& namen) {
    std::set<std::string> s;
    std::size_t a = 0;
    while ((a = namen.find_first_not_of(' ', a)) != std::string::npos) {
      std::size_t e = namen.find(' ', a);
      s.insert(namen.substr(a, e - a));
      a = e;
    }
    return s;
  };
  Meldung m;
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.art);
    m.Art("06 Änderungsmeldung");  // every kind starts from another one
    m.Art(fall.art);
    if (std::string(fall.art).empty()) ResetEldaPanel(m.f());
    std::set<std::string> pflicht, entfaellt, aus;
    for (const std::string& name : m.f().Names()) {
      if (m.f().Farbe(name) == FeldFarbe::Pflicht) pflicht.insert(name);
      if (m.f().Farbe(name) == FeldFarbe::Knopf) entfaellt.insert(name);
      if (name.ends_with("_CB") && !m.f().Enabled(name)) aus.insert(name);
    }
    EXPECT_EQ(pflicht, menge(fall.pflicht));
    EXPECT_EQ(entfaellt, menge(fall.entfaellt));
    EXPECT_EQ(aus, menge(fall.aus));
    EXPECT_EQ(m.f().Text("AECD"),
              std::string(fall.art).starts_with("06") ? std::string(90, 'J') : "");
  }
  // A code that switches on its free text.
  m.f().UserSetText("ComboBox2", "99 - andere Gesetze");
  EXPECT_EQ(m.f().Text("GEGC"), "99");
  EXPECT_EQ(m.f().Farbe("GEGT"), FeldFarbe::Weiss);
  m.f().UserSetText("ComboBox2", "01 - EFZG");
  EXPECT_EQ(m.f().Farbe("GEGT"), FeldFarbe::Knopf);
}

TEST(EldaPanel, LeavingFieldsAndTheDatesOfTheKinds) {
  struct Fall {
    const char* art;
    const char* feld;
    const char* eingabe;
    const char* ergebnis;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"05 Meldung fallweise Beschäftigter", "ADAT", "17.03.2014", "00.03.2014", nullptr},
      {"05 Meldung fallweise Beschäftigter", "ADAT", "5.3.2014", "00.03.2014", nullptr},
      {"15 Storno Meldung fallweise Beschäftigter", "ADAT", "00.3.14", "00.03.2014", nullptr},
      {"03 Anmeldung", "ADAT", "00.03.2014", "01.03.2014", nullptr},
      {"03 Anmeldung", "ADAT", "0", "0", nullptr},
      {"03 Anmeldung", "RDAT", "29.2.16", "29.02.2016", nullptr},
      {"03 Anmeldung", "RDAT", "31.02.2014", "31.02.2014", "'31.02.2014' ist kein gültiges Datum"},
      {"03 Anmeldung", "EBSV", "1.3.2014x", "1.3.2014x", "'1.3.2014x' ist kein gültiges Datum"},
      {"03 Anmeldung", "BETR", "EUR 1.234,5", "1234,50", nullptr},
      {"03 Anmeldung", "BSTD", "1,2,3", "1,2,3", "'1,2,3' ist kein gültiger Fließkommawert"},
      {"03 Anmeldung", "BTAG", "5 Tage", "5", nullptr},
      {"03 Anmeldung", "FNA1", "Müller; Meier", "Müller, Meier", nullptr},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(std::string(fall.feld) + " " + fall.eingabe);
    Meldung m;
    m.Art(fall.art);
    m.f().UserSetText(fall.feld, fall.eingabe);
    PersFormFeldVerlassen(m.st(), m.f(), fall.feld);
    EXPECT_EQ(m.f().Text(fall.feld), fall.ergebnis);
    EXPECT_EQ(m.env.dialogs.messages,
              fall.meldung ? std::vector<std::string>{fall.meldung} : std::vector<std::string>{});
  }
  // "heute" beside ADAT follows the kind.
  Meldung m;
  m.Art("05 Meldung fallweise Beschäftigter");
  HeuteClick(m.st(), m.f(), "ADAT");
  HeuteClick(m.st(), m.f(), "BVEN");
  EXPECT_EQ(m.f().Text("ADAT"), "00.03.2014");
  EXPECT_EQ(m.f().Text("BVEN"), "15.03.2014");
}

// Amounts are converted whatever the field holds. A value that does not fit
// its field (an amount too large or negative, a code not in its list, digits
// too many or none) is refused with one message naming it, and no file.
TEST(Versichertenmeldung, RefusedValuesTable) {
  Meldung m;
  m.Anna();
  m.f().SetText("BETR", "1.234,50");
  m.f().SetText("AGRD", "32");  // a reason of 2014 only
  EXPECT_TRUE(WriteEldaVersichertenMeldung(m.st(), m.f()));
  EXPECT_EQ(m.Feld(668, 8) + m.Feld(794, 2), "0012345032");
  fs::remove_all("ELDA");
  const std::string tage(63, '1');
  const std::pair<const char*, const char*> faelle[] = {
      {"BETR", "1,2,3"}, {"BETR", "1000000,00"}, {"BETR", "1000000000000000,00"},
      {"BETR", "-5,00"}, {"GEGC", "0 "},         {"ZUGE", ".5"},
      {"BTAG", "-"},     {"BTAG", "10"},         {"VWVC", "3"},
      {"AGRD", "31"},    {"DN_Satzart", "07"},   {"TAGE", tage.c_str()}};
  for (auto [feld, wert] : faelle) {
    SCOPED_TRACE(std::string(feld) + " " + wert);
    m.env.dialogs.messages.clear();
    const std::string alt = m.f().Text(feld);
    m.f().SetText(feld, wert);
    EXPECT_FALSE(WriteEldaVersichertenMeldung(m.st(), m.f()));
    ASSERT_EQ(m.env.dialogs.messages.size(), 1u);
    if (std::string_view(wert) != "1,2,3") {
      EXPECT_NE(m.env.dialogs.messages[0].find("\"" + std::string(feld) + "\""), std::string::npos);
    }
    EXPECT_FALSE(fs::exists("ELDA"));
    m.f().SetText(feld, alt);
  }
  m.env.dialogs.messages.clear();
  m.f().SetText("GEGC", "0 ");
  m.f().SetText("BTAG", "-");
  EXPECT_FALSE(WriteEldaVersichertenMeldung(m.st(), m.f()));
  EXPECT_EQ(m.env.dialogs.messages,
            std::vector<std::string>{
                "Der Wert \"0 \" im Feld \"GEGC\" für den Dienstnehmer 7 passt nicht in die "
                "ELDA-Datei (kein Code der Liste).\nDer Wert \"-\" im Feld \"BTAG\" für den "
                "Dienstnehmer 7 passt nicht in die ELDA-Datei (nur Ziffern).\n" +
                std::string(kVmNichtErstellt)});

  Meldung alt(kYear2013);
  alt.Anna();
  alt.f().SetText("AGRD", "32");
  EXPECT_FALSE(WriteEldaVersichertenMeldung(alt.st(), alt.f()));
}

TEST(Versichertenmeldung, KindOfThePreviousEmployeeIsNotFiled) {
  Meldung m;
  PersonalRecord a, b;
  a.PersNrEdit = 1;
  a.FamNameEdit = "Adler";
  b.PersNrEdit = 2;
  b.FamNameEdit = "Brunner";
  b.SVNrEdit = "1237010180";
  testing_support::WriteBytes("DEMO.PER", [&] {
    std::vector<std::uint8_t> v;
    for (const auto& r : {a, b}) {
      auto bytes = r.pack();
      v.insert(v.end(), bytes.begin(), bytes.end());
    }
    return v;
  }());
  SelectPersonal(m.st(), m.f(), 1);
  m.Art("04 Abmeldung");
  SelectPersonal(m.st(), m.f(), 2);
  EXPECT_EQ(m.f().Text("DN_Satzart"), "");
  BitBtn2Click(m.st(), m.f());
  EXPECT_EQ(m.env.dialogs.messages, std::vector<std::string>{kVmArtFehlt});
  EXPECT_FALSE(fs::exists("ELDA"));
}

TEST(EldaPanel, DataFileSavedLoadedAndRemovedWithTheEmployee) {
  Meldung m;
  Button1Click(m.st(), m.f());
  m.f().SetText("PersNrEdit", "7");
  m.f().SetText("FamNameEdit", "Berger");
  m.f().SetChecked("Testdaten_CB", true);
  m.f().SetText("FNA1", "Müller; Meier");
  EXPECT_TRUE(Button2Click(m.st(), m.f()));
  const std::string erwartet = "1;;Müller, Meier;;;AUT;;;;;;;;;;0;;0;0;;;0;;A;;;;;;;;;;;;0;;;;;;0;";
  EXPECT_EQ(Inhalt("DEMO_EldaVM_7.DAT"), Utf8ToCp1252(erwartet));
  EXPECT_EQ(Inhalt("DEMO_EldaVM_7.DAT").size(), 66u);

  Button1Click(m.st(), m.f());
  EXPECT_EQ(m.f().Text("FNA1"), "");
  SelectPersonal(m.st(), m.f(), 7);
  EXPECT_TRUE(m.f().Checked("Testdaten_CB"));
  EXPECT_EQ(m.f().Text("FNA1"), "Müller, Meier");

  // 50 values: the first 42 count, the rest does not start over.
  std::string fuenfzig = "0;01.03.2014;;;;AUT;;99;Gesetz;";
  for (int i = 10; i <= 50; ++i) fuenfzig += i == 10 ? "2;" : i == 42 || i == 43 ? "1;" : "0;";
  WriteText("DEMO_EldaVM_7.DAT", fuenfzig);
  SelectPersonal(m.st(), m.f(), 7);
  EXPECT_FALSE(m.f().Checked("Testdaten_CB"));
  EXPECT_EQ(m.f().Text("ADAT"), "01.03.2014");
  EXPECT_EQ(m.f().Text("GEGC"), "99");
  EXPECT_EQ(m.f().Farbe("GEGT"), FeldFarbe::Weiss);
  EXPECT_EQ(m.f().Text("VWVC"), "2");     // the 10th value
  EXPECT_TRUE(m.f().Checked("AABG_CB"));  // the 42nd

  m.env.dialogs.answers = {true};
  Button5Click(m.st(), m.f());
  EXPECT_FALSE(fs::exists("DEMO_EldaVM_7.DAT"));
  EXPECT_FALSE(m.f().Checked("AABG_CB"));
  EXPECT_EQ(m.f().Text("ADAT"), "");
}

TEST(Versichertenmeldung, NothingIsFiledWhenTheSaveOrTheWriteFails) {
  {
    SCOPED_TRACE("save refused by a lock file");
    Meldung m;
    m.Anna();
    WriteText(std::string("DEMO.") + kLockSPE, "");
    BitBtn2Click(m.st(), m.f());
    EXPECT_EQ(m.env.dialogs.messages.size(), 1u);
    EXPECT_FALSE(fs::exists("ELDA"));
  }
  {
    SCOPED_TRACE("an ELDA folder that cannot be written");
    Meldung m;
    m.Anna();
    WriteText("ELDA", "kein Ordner");
    BitBtn2Click(m.st(), m.f());
    EXPECT_EQ(m.env.dialogs.messages.back(), CreateFailedMessage(EldaOrdner(), ENOTDIR));
    EXPECT_TRUE(m.env.dialogs.questions.empty());
    EXPECT_EQ(Inhalt("ELDA"), "kein Ordner");
  }
  {
    SCOPED_TRACE("an existing file is kept on No");
    Meldung m;
    m.Anna();
    fs::create_directory("ELDA");
    WriteText(kDatei, "alt");
    m.env.dialogs.answers = {false};
    BitBtn2Click(m.st(), m.f());
    EXPECT_EQ(m.env.dialogs.questions.size(), 1u);
    EXPECT_EQ(Inhalt(kDatei), "alt");
  }
}

}  // namespace
