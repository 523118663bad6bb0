// The wage-type catalogue, the text filter, the totals of the ten lines and
// the lines' way into and out of the payroll record.
#include <gtest/gtest.h>

#include "payroll/Lohnarten.h"
#include "store/AbrechnungStore.h"
#include "store/Numbers.h"
#include "support/Fakes.h"

using namespace lohn;
using testing_support::TempWorkDir;
using testing_support::TestEnv;

namespace {

LohnartLine Line(const char* code, const char* anzahl, const char* satz, bool lst, bool sv,
                 bool dbKomm, const char* text = "") {
  return LohnartLine{code, anzahl, text, satz, lst, sv, dbKomm};
}

TEST(LohnartKatalog, LooksUpCodesAndRefusesUnknownOnes) {
  struct Case {
    std::int32_t code;
    const char* text;  // nullptr: unknown
    bool lst, sv, dbKomm;
  };
  const Case cases[] = {
      {10, "Akkordlohn", true, true, true},
      {13, "Auslandsmontage steuerfrei", false, true, false},
      {40, "Diäten frei - Std. ", false, false, false},  // the trailing blank belongs to it
      {64, "Fehlgeldentsch. SV-frei", true, false, true},
      {113, "Kranken-Teilentgelt (49%) SV-frei", true, false, true},
      {140, "Nachtzulage steuerfrei bis EUR 360 (in Feld $ 68 eintr.)", false, true, true},
      {180, "Schmutzzulage steuerfrei bis max. Freibetrag", false, false, true},
      {212, "Unbezahlter Urlaub steuerfrei", false, true, false},
      {400, "Zukunftssicherung gem § 3", false, true, false},
      {0, nullptr, false, false, false},
      {9, nullptr, false, false, false},
      {99, nullptr, false, false, false},
      {401, nullptr, false, false, false},
      {-10, nullptr, false, false, false},
  };
  for (const Case& c : cases) {
    TestEnv env;
    LohnartInfo info = LookupLohnart(env.dialogs, c.code);
    EXPECT_EQ(info, (LohnartInfo{c.text ? c.text : "", c.lst, c.sv, c.dbKomm})) << c.code;
    if (c.text) {
      EXPECT_TRUE(env.dialogs.messages.empty()) << c.code;
    } else {
      ASSERT_EQ(env.dialogs.messages.size(), 1u) << c.code;
      EXPECT_EQ(env.dialogs.messages[0],
                "Code " + std::to_string(c.code) + " ist nicht verfügbar!");
    }
  }
}

TEST(LohnartKatalog, HoldsFortyFourCodesInOrderThatFitTheirColumn) {
  auto katalog = LohnartKatalog();
  ASSERT_EQ(katalog.size(), 44u);
  for (std::size_t i = 0; i < katalog.size(); ++i) {
    if (i > 0) {
      EXPECT_LT(katalog[i - 1].code, katalog[i].code);
    }
    EXPECT_EQ(LohnartLineCheck(std::to_string(katalog[i].code), "0", "0"), "");
    EXPECT_EQ(FindLohnart(katalog[i].code)->text, katalog[i].text);
  }
}

TEST(FilterLohnartText, KeepsPrintableWindows1252Characters) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"Prämie", "Prämie"},
      {"a\tb\rc\nd\x01", "abcd"},            // control characters
      {"\x7F", "\x7F"},                      // code 127 lies within 32..252
      {"€ – „Zulage“ ü", "€ – „Zulage“ ü"},  // 0x80.. codes of Windows-1252
      {"ýþÿ x", " x"},                       // 253, 254, 255 are dropped
      {"Straße ← 1", "Straße  1"},           // no Windows-1252 code at all
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FilterLohnartText(c.in), c.out) << c.in;
}

TEST(LohnartenSummen, FreeTotalsFollowTheUntickedBoxes) {
  struct Case {
    const char* name;
    LohnartenZeilen zeilen;
    LohnartenSummen summen;
    const char* label;
  };
  LohnartenZeilen fehlgeld{};
  fehlgeld[0] = Line("64", "2", "15,5", true, false, true);
  LohnartenZeilen gemischt{};
  gemischt[0] = Line("10", "10", "12,5", true, true, true);     // 125,00 liable everywhere
  gemischt[2] = Line("13", "1", "300", false, true, false);     // 300,00 free of LSt, DB/Komm
  gemischt[5] = Line("180", "4", "2,125", false, false, true);  // 8,50 (8,5) free of LSt, SV
  gemischt[9] = Line("40", "-3", "10", false, false, false);    // -30,00 lowers every total
  LohnartenZeilen leer{};
  LohnartenZeilen gerundet{};
  gerundet[0] = Line("10", "1,5", "0,333", true, true, true);  // 0,4995 -> 0,50
  gerundet[1] = Line("11", "3", "0,335", false, true, true);   // 1,005 -> 1,01
  const Case cases[] = {
      {"code 64",
       fehlgeld,
       {31.0, 0, 31.0, 0},
       "(Lst-frei: 0,00  SV-frei: 31,00  DB,Komm-frei: 0,00)"},
      {"mixed",
       gemischt,
       {403.5, 278.5, -21.5, 270.0},
       "(Lst-frei: 278,50  SV-frei: -21,50  DB,Komm-frei: 270,00)"},
      {"empty", leer, {0, 0, 0, 0}, "(Lst-frei: 0,00  SV-frei: 0,00  DB,Komm-frei: 0,00)"},
      {"cents",
       gerundet,
       {1.51, 1.01, 0, 0},
       "(Lst-frei: 1,01  SV-frei: 0,00  DB,Komm-frei: 0,00)"},
  };
  for (const Case& c : cases) {
    LohnartenSummen s = BerechneLohnartenSummen(c.zeilen);
    EXPECT_EQ(s, c.summen) << c.name;
    EXPECT_EQ(FreiBetrLabel(s), c.label) << c.name;
  }
}

TEST(LohnartenSummen, TextThatIsNoNumberStopsEveryTotal) {
  for (const char* bad : {",", ".", "-", "1.5", "1-2", "1,,2"}) {
    LohnartenZeilen zeilen{};
    zeilen[0] = Line("10", "1", "100", true, true, true);
    zeilen[6].satz = bad;
    try {
      BerechneLohnartenSummen(zeilen);
      ADD_FAILURE() << bad << " was summed";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()),
                "'" + std::string(bad) + "' ist kein gültiger Fließkommawert");
    }
  }
}

TEST(LohnartenAbrechnung, LinesTravelThroughTheRecordSlots) {
  LohnartenZeilen zeilen{};
  zeilen[0] = Line("64", "2", "15,5", true, false, true, "Fehlgeldentsch. SV-frei");
  zeilen[9] = Line("120", "-1,25", "1234,56", true, true, true, "Lehrlingsentschädigung");
  AbrechnungRecord record;
  LohnartenInAbrechnung(zeilen, record);
  EXPECT_EQ(record.Lohnarten[0], " 64       2Fehlgeldentsch. SV-frei      15,5101   ");
  // An unused line is packed too.
  EXPECT_EQ(record.Lohnarten[4], "  0       0" + std::string(32, ' ') + "0000   ");

  AbrechnungRecord back = AbrechnungRecord::unpack(record.pack().data());
  LohnartenZeilen gelesen{};
  LohnartenAusAbrechnung(back, gelesen);
  EXPECT_EQ(gelesen, zeilen);
}

TEST(LohnartenAbrechnung, ALineThatDoesNotFitLeavesTheRecordWhole) {
  AbrechnungRecord record;
  record.Lohnarten[3] = "old";
  LohnartenZeilen zeilen{};
  zeilen[7].satz = "123456,78";  // nine characters for a column of eight
  EXPECT_THROW(LohnartenInAbrechnung(zeilen, record), ConversionError);
  EXPECT_EQ(record.Lohnarten[3], "old");
  EXPECT_EQ(record.Lohnarten[0], "");
}

TEST(LohnartenAbrechnung, EmptySlotsLeaveTheirLines) {
  AbrechnungRecord record;
  record.Lohnarten[1] = PackLohnartLine(Line("10", "1", "5", true, true, true, "Akkordlohn"));
  LohnartenZeilen zeilen{};
  zeilen[0] = Line("11", "2", "3", false, false, false, "bleibt");
  LohnartenAusAbrechnung(record, zeilen);
  EXPECT_EQ(zeilen[0].text, "bleibt");
  EXPECT_EQ(zeilen[1].text, "Akkordlohn");
}

TEST(Vormonat, JanuaryGoesBackToDecemberOfTheYearBefore) {
  EXPECT_EQ(VormonatVon(1, 2014), (Vormonat{12, 2013}));
  EXPECT_EQ(VormonatVon(3, 2014), (Vormonat{2, 2014}));
  EXPECT_EQ(VormonatVon(12, 2014), (Vormonat{11, 2014}));
  EXPECT_EQ(VormonatLabel({12, 2013}), "von 12/2013");
  EXPECT_EQ(VormonatLabel({2, 2014}), "von 2/2014");
}

// Records of employee 7 for several months in MUSTER.ABR.
class VormonatLaden : public ::testing::Test {
 protected:
  void Add(std::int32_t monat, std::int32_t jahr, std::int32_t teil, const LohnartenZeilen& z) {
    AbrechnungRecord r;
    r.PersNrEdit = 7;
    r.MonatComboBox = monat;
    r.JahrComboBox = jahr;
    r.AbrechngComboBox = teil;
    LohnartenInAbrechnung(z, r);
    r.Lohnarten[4].clear();  // an empty slot
    ASSERT_TRUE(AppendAbrechnungRecord(env.dialogs, "MUSTER", kAbrechnungExt, r));
  }
  static LohnartenZeilen Zeilen(const char* code, const char* anzahl, const char* text) {
    LohnartenZeilen z{};
    for (auto& l : z) l = Line(code, anzahl, "12,5", true, false, true, text);
    return z;
  }
  void SetUp() override { testing_support::WriteBytes("MUSTER.ABR", {}); }
  TempWorkDir dir;
  TestEnv env;
};

TEST_F(VormonatLaden, JanuaryTakesDecemberOfTheYearBefore) {
  Add(12, 2013, 0, Zeilen("110", "3", "Dezember"));
  Add(12, 2014, 0, Zeilen("111", "4", "falsches Jahr"));
  Add(12, 2013, 1, Zeilen("112", "5", "Teilabrechnung"));
  Add(1, 2013, 0, Zeilen("113", "6", "Jänner"));

  LohnartenZeilen zeilen{};
  zeilen[4] = Line("1", "9", "9", false, false, false, "eigene");
  auto label = LoadLohnartLines("MUSTER", {"7", "1", "2014", "0"}, false, zeilen);
  ASSERT_TRUE(label);
  EXPECT_EQ(*label, "von 12/2013");
  EXPECT_EQ(zeilen[0], Line("110", "0", "12,5", true, false, true, "Dezember"));
  EXPECT_EQ(zeilen[4], Line("1", "9", "9", false, false, false, "eigene"));

  // With "mit Anzahl" the quantities come along; the part payroll is its own.
  label = LoadLohnartLines("MUSTER", {"7", "1", "2014", "1"}, true, zeilen);
  EXPECT_EQ(zeilen[9], Line("112", "5", "12,5", true, false, true, "Teilabrechnung"));
}

TEST_F(VormonatLaden, MissingRecordOrKeyChangesNoLine) {
  Add(2, 2014, 0, Zeilen("110", "3", "Februar"));
  LohnartenZeilen zeilen{};
  zeilen[0] = Line("10", "1", "1", true, true, true, "vorher");
  const LohnartenZeilen vorher = zeilen;

  // No record of February for employee 8: the label follows, the lines stay.
  EXPECT_EQ(LoadLohnartLines("MUSTER", {"8", "3", "2014", "0"}, true, zeilen), "von 2/2014");
  EXPECT_EQ(zeilen, vorher);
  // No file at all.
  EXPECT_EQ(LoadLohnartLines("ANDERE", {"7", "3", "2014", "0"}, true, zeilen), "von 2/2014");
  EXPECT_EQ(zeilen, vorher);
  // A key field without text: nothing at all.
  EXPECT_FALSE(LoadLohnartLines("MUSTER", {"7", "3", "2014", ""}, true, zeilen));
  EXPECT_FALSE(LoadLohnartLines("MUSTER", {"", "3", "2014", "0"}, true, zeilen));
  EXPECT_EQ(zeilen, vorher);
  // A key that is no number.
  EXPECT_THROW(LoadLohnartLines("MUSTER", {"7", "März", "2014", "0"}, true, zeilen),
               ConversionError);
  EXPECT_EQ(zeilen, vorher);
}

}  // namespace
