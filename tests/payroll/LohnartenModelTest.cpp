// The wage-type window's handlers over its field model.
#include <gtest/gtest.h>

#include "payroll/LohnartenModel.h"
#include "store/AbrechnungStore.h"
#include "store/Numbers.h"
#include "support/Fakes.h"

using namespace lohn;
using testing_support::TempWorkDir;
using testing_support::TestEnv;

namespace {

const char* kLeerLabel = "(Lst-frei: 0,00  SV-frei: 0,00  DB,Komm-frei: 0,00)";

class LohnartenModelTest : public ::testing::Test {
 protected:
  // Types a line as the user does: code, leave the code, quantity, rate.
  void Tippe(std::size_t n, const char* code, const char* anzahl, const char* satz) {
    model.CodeEditChange(n, code);
    model.CodeEditExit(n);
    model.AnzahlEditChange(n, anzahl);
    model.SatzEditChange(n, satz);
  }
  TestEnv env;
  LohnartenModel model{env.dialogs};
};

TEST_F(LohnartenModelTest, StartsWithTenEmptyLines) {
  EXPECT_EQ(model.Zeilen(), LohnartenZeilen{});
  EXPECT_EQ(model.BetragEdit()[9], "0,00");
  EXPECT_EQ(model.SummeLohnartenEdit(), "0,00");
  EXPECT_EQ(model.FreiBetrLabel(), kLeerLabel);
  EXPECT_EQ(model.Label9(), "von ...");
}

TEST_F(LohnartenModelTest, CodeSixtyFourFillsTheLineAndTheTotals) {
  Tippe(1, "64", "2", "15,5");
  const LohnartLine& z = model.Zeilen()[0];
  EXPECT_EQ(z.text, "Fehlgeldentsch. SV-frei");
  EXPECT_TRUE(z.flagLst);
  EXPECT_FALSE(z.flagSv);
  EXPECT_TRUE(z.flagDbKomm);
  EXPECT_EQ(model.BetragEdit()[0], "31,00");
  EXPECT_EQ(model.SummeLohnartenEdit(), "31,00");
  EXPECT_EQ(model.FreiBetrLabel(), "(Lst-frei: 0,00  SV-frei: 31,00  DB,Komm-frei: 0,00)");
  EXPECT_EQ(model.Summen(), (LohnartenSummen{31, 0, 31, 0}));
  EXPECT_TRUE(env.dialogs.messages.empty());
}

TEST_F(LohnartenModelTest, LeavingTheCode) {
  struct Case {
    const char* code;
    const char* text;  // after leaving the code field
    bool flags;        // all three ticked afterwards
    const char* message;
  };
  const Case cases[] = {
      {"0", "eigener Text", true, nullptr},  // untouched
      {"99", "eigener Text", false, "Code 99 ist nicht verfügbar!"},
      {"099", "eigener Text", false, "Code 99 ist nicht verfügbar!"},
      {"00", "eigener Text", false, "Code 0 ist nicht verfügbar!"},
      {"110", "Krankenentgelt", true, nullptr},
  };
  for (const Case& c : cases) {
    TestEnv e;
    LohnartenModel m(e.dialogs);
    LohnartenZeilen z{};
    z[2] = LohnartLine{"0", "1", "eigener Text", "10", true, true, true};
    m.SetZeilen(z);
    m.CodeEditChange(3, c.code);
    m.CodeEditExit(3);
    const LohnartLine& l = m.Zeilen()[2];
    EXPECT_EQ(l.text, c.text) << c.code;
    EXPECT_EQ(l.flagLst && l.flagSv && l.flagDbKomm, c.flags) << c.code;
    EXPECT_EQ(l.flagLst || l.flagSv || l.flagDbKomm, c.flags) << c.code;
    if (c.message) {
      ASSERT_EQ(e.dialogs.messages.size(), 1u) << c.code;
      EXPECT_EQ(e.dialogs.messages[0], c.message);
    } else {
      EXPECT_TRUE(e.dialogs.messages.empty()) << c.code;
    }
  }
}

TEST_F(LohnartenModelTest, NumbersAreFilteredAndTooWideOnesRefused) {
  struct Case {
    std::size_t n;
    const char* field;  // Code, Anzahl or Satz
    const char* typed;
    const char* kept;  // the line's text afterwards
    bool refused;
  };
  const Case cases[] = {
      {1, "Code", "1a2", "12", false},
      {1, "Code", "", "0", false},
      {1, "Code", "1234", "7", true},
      {2, "Anzahl", "EUR 1200,5", "1200,5", false},
      {2, "Anzahl", "12345678", "12345678", false},
      {2, "Anzahl", "123456789", "7", true},
      {3, "Satz", "-1234,56", "-1234,56", false},
      {3, "Satz", "-1234,567", "7", true},
      {3, "Satz", "x", "0", false},
  };
  for (const Case& c : cases) {
    TestEnv e;
    LohnartenModel m(e.dialogs);
    std::string f = c.field;
    auto type = [&](const char* text) {
      if (f == "Code") m.CodeEditChange(c.n, text);
      if (f == "Anzahl") m.AnzahlEditChange(c.n, text);
      if (f == "Satz") m.SatzEditChange(c.n, text);
    };
    auto value = [&] {
      const LohnartLine& l = m.Zeilen()[c.n - 1];
      return f == "Code" ? l.code : f == "Anzahl" ? l.anzahl : l.satz;
    };
    type("7");
    e.dialogs.messages.clear();
    type(c.typed);
    EXPECT_EQ(value(), c.kept) << f << " " << c.typed;
    if (c.refused) {
      ASSERT_EQ(e.dialogs.messages.size(), 1u) << c.typed;
      EXPECT_NE(e.dialogs.messages[0].find("im Feld " + f), std::string::npos)
          << e.dialogs.messages[0];
    } else {
      EXPECT_TRUE(e.dialogs.messages.empty()) << c.typed;
    }
  }
}

TEST_F(LohnartenModelTest, ATextThatIsNoNumberRefusesTotalsAndClosing) {
  Tippe(1, "10", "2", "100");
  Tippe(2, "11", "1", "50");
  env.dialogs.messages.clear();

  // A lone minus sign is typing in progress: no message, nothing recomputed.
  model.AnzahlEditChange(2, "-");
  EXPECT_TRUE(env.dialogs.messages.empty());
  EXPECT_EQ(model.SummeLohnartenEdit(), "250,00");

  model.AnzahlEditChange(2, ",");
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_EQ(env.dialogs.messages[0], "',' ist kein gültiger Fließkommawert");
  // No amount or total is shown that belongs to an earlier text.
  EXPECT_EQ(model.BetragEdit()[0], "200,00");
  EXPECT_EQ(model.BetragEdit()[1], "");
  EXPECT_EQ(model.SummeLohnartenEdit(), "");
  EXPECT_EQ(model.FreiBetrLabel(), "");
  EXPECT_THROW(model.Summen(), ConversionError);

  EXPECT_FALSE(model.FormClose());
  EXPECT_EQ(env.dialogs.messages.size(), 2u);

  model.AnzahlEditChange(2, "-1");
  EXPECT_TRUE(model.FormClose());
  EXPECT_EQ(model.Summen().LohnartenSumme, 150.0);  // a negative quantity lowers the sum
  EXPECT_EQ(model.BetragEdit()[1], "-50,00");
}

TEST_F(LohnartenModelTest, UntickingABoxMovesTheAmountAtOnce) {
  Tippe(3, "10", "4", "25");
  EXPECT_EQ(model.FreiBetrLabel(), kLeerLabel);
  model.CheckClick(3, LohnartFlag::Lst, false);
  EXPECT_EQ(model.FreiBetrLabel(), "(Lst-frei: 100,00  SV-frei: 0,00  DB,Komm-frei: 0,00)");
  model.CheckClick(3, LohnartFlag::DB_Komm, false);
  model.CheckClick(3, LohnartFlag::SV, false);
  EXPECT_EQ(model.Summen(), (LohnartenSummen{100, 100, 100, 100}));
  model.CheckClick(3, LohnartFlag::Lst, true);
  EXPECT_EQ(model.Summen().LohnartenLstFrei, 0.0);
}

TEST_F(LohnartenModelTest, TextsAreCleanedOnLeavingAndLineFiveWhileTyping) {
  model.TextEditChange(4, "a\tb");
  EXPECT_EQ(model.Zeilen()[3].text, "a\tb");
  model.TextEditExit(4, "a\tb");
  EXPECT_EQ(model.Zeilen()[3].text, "ab");
  model.TextEditChange(5, "c\td");
  EXPECT_EQ(model.Zeilen()[4].text, "cd");
}

TEST_F(LohnartenModelTest, ClearingAndClosing) {
  Tippe(1, "64", "2", "15,5");
  model.Leeren();
  EXPECT_EQ(model.Zeilen(), LohnartenZeilen{});
  EXPECT_EQ(model.BetragEdit()[0], "0");
  EXPECT_EQ(model.FreiBetrLabel(), kLeerLabel);
}

TEST_F(LohnartenModelTest, PreviousMonthThroughTheKeyOfTheOpener) {
  TempWorkDir dir;
  testing_support::WriteBytes("DEMO.ABR", {});
  AbrechnungRecord r;
  r.PersNrEdit = 3;
  r.MonatComboBox = 12;
  r.JahrComboBox = 2013;
  LohnartenZeilen alt{};
  alt[0] = LohnartLine{"64", "2", "Fehlgeldentsch. SV-frei", "15,5", true, false, true};
  LohnartenInAbrechnung(alt, r);
  ASSERT_TRUE(AppendAbrechnungRecord(env.dialogs, "DEMO", kAbrechnungExt, r));

  // Without a key source the button does nothing.
  model.SpeedButton4Click();
  EXPECT_EQ(model.Label9(), "von ...");

  LohnartenModel::Schluessel key{"DEMO", {"3", "1", "2014", "0"}};
  model.SetSchluesselQuelle([&] { return key; });
  model.mitAnzahl = true;
  model.SpeedButton4Click();
  EXPECT_EQ(model.Label9(), "von 12/2013");
  EXPECT_EQ(model.Zeilen()[0], alt[0]);
  EXPECT_EQ(model.SummeLohnartenEdit(), "31,00");
  model.SchliessenButtonClick();
  EXPECT_EQ(model.Label9(), "von ...");

  key.texte.JahrComboBox = "20x4";
  model.SpeedButton4Click();
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_EQ(env.dialogs.messages[0], "'20x4' ist kein gültiger Integerwert");
  EXPECT_EQ(model.Label9(), "von ...");
}

}  // namespace
