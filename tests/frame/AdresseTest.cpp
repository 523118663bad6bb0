#include <gtest/gtest.h>

#include "frame/Adresse.h"
#include "frame/DienstgeberVerwaltung.h"
#include "store/LockFile.h"
#include "store/ProgramState.h"
#include "store/RecordBytes.h"
#include "support/Fakes.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteBytes;

class AdresseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lohn::LoadProgramState(env.state));
    ASSERT_TRUE(lohn::CreateDienstgeber(env.state, "FIRMA"));
    env.dialogs.messages.clear();
  }
  lohn::AdresseFields Typed() {
    lohn::AdresseFields f;
    f.AnredeComboBox = "Firma";
    f.NameEdit = "Bäckerei Huber GmbH";
    f.StrasseEdit = "Hauptstraße 1";
    f.LandEdit = "A";
    f.PlzEdit = "1010";
    f.OrtEdit = "Wien";
    f.Telefon1Edit = "01/1234567";
    f.Telefon2Edit = "office@huber.at";
    f.Telefon3Edit = "123456789";
    f.Fax1Edit = "123456";  // six digits: warned about, stored anyway
    f.Fax2Edit = "Wiener Gebietskrankenkasse";
    f.NotizEdit = "07";
    f.BankEdit = "0123456";
    f.VersTraegerCodeEdit = "11";
    f.BlzEdit = "90001";
    f.BankKontoEdit = "071234567";
    return f;
  }
  TempWorkDir dir;
  TestEnv env;
};

TEST_F(AdresseTest, NewEmployerOpensWithItsStemAsName) {
  lohn::AdresseFields f = lohn::LoadAdresseFields(env.state);
  EXPECT_EQ(f.NameEdit, "FIRMA");
  EXPECT_EQ(f.PlzEdit, "0");
  EXPECT_EQ(f.StrasseEdit, "");
}

TEST_F(AdresseTest, FirstSaveAddsRecordOneBehindTheDefaultRecord) {
  ASSERT_TRUE(lohn::SaveAdresse(env.state, Typed()));
  auto adr = ReadBytes("FIRMA.ADR");
  ASSERT_EQ(adr.size(), 2u * 4136);
  const std::uint8_t* r = adr.data() + 4136;
  EXPECT_EQ(lohn::GetInt16(adr.data(), 3574), 0);
  EXPECT_EQ(lohn::GetInt16(r, 3574), 1);
  struct {
    std::size_t offset;
    const char* text;
  } texts[] = {{4, "Firma"},
               {166, "Bäckerei Huber GmbH"},
               {409, "Hauptstraße 1"},
               {490, "A"},
               {576, "Wien"},
               {657, "01/1234567"},
               {738, "office@huber.at"},
               {819, "123456789"},
               {1062, "123456"},
               {1143, "Wiener Gebietskrankenkasse"},
               {1224, "11"},
               {1872, "0123456"},
               {1953, "90001"},
               {2034, "071234567"},
               {3087, "07"}};
  for (auto& t : texts) EXPECT_EQ(lohn::GetShortString(r, t.offset, 80), t.text) << t.offset;
  EXPECT_EQ(lohn::GetInt32(r, 572), 1010);
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberName, "Bäckerei Huber GmbH");
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberPlz, "1010");
  EXPECT_EQ(lohn::LoadAdresseFields(env.state).Fax1Edit, "123456");

  // The second save replaces record 1 in place.
  auto f = Typed();
  f.OrtEdit = "Graz";
  f.NameEdit = "Ad\tler\x07Z\r\nW";  // pasted, saved without leaving the field
  ASSERT_TRUE(lohn::SaveAdresse(env.state, f));
  adr = ReadBytes("FIRMA.ADR");
  ASSERT_EQ(adr.size(), 2u * 4136);
  EXPECT_EQ(lohn::GetShortString(adr.data() + 4136, 576, 80), "Graz");
  EXPECT_EQ(lohn::GetShortString(adr.data() + 4136, 166, 80), "Ad ler Z  W");
  EXPECT_FALSE(std::filesystem::exists("FIRMA.SAD"));
}

TEST_F(AdresseTest, LockedSaveWritesNothingAndKeepsTheWindow) {
  WriteBytes("FIRMA.SAD", {});
  auto before = ReadBytes("FIRMA.ADR");
  EXPECT_FALSE(lohn::SaveAdresse(env.state, Typed()));
  EXPECT_EQ(ReadBytes("FIRMA.ADR"), before);
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_EQ(env.dialogs.messages[0], lohn::kLockMessage);
  EXPECT_TRUE(std::filesystem::exists("FIRMA.SAD"));
}

// Another program saved the employer data after this window read them (or
// saved record 1 for the first time): the save asks; yes writes this window's
// data, no writes nothing and asks the window to show the stored record.
TEST_F(AdresseTest, AnotherProgramsSaveIsOverwrittenOnlyAfterAsking) {
  struct Fall {
    bool ersterSatz;  // record 1 did not exist when the window read
    bool ja;
  };
  for (const Fall c :
       {Fall{false, true}, Fall{false, false}, Fall{true, true}, Fall{true, false}}) {
    if (!c.ersterSatz) {
      ASSERT_TRUE(lohn::SaveAdresse(env.state, Typed()));
    }
    lohn::GelesenesBild gelesen;
    lohn::LoadAdresseFields(env.state, &gelesen);
    auto anderes = Typed();
    anderes.OrtEdit = "Salzburg";
    ASSERT_TRUE(lohn::SaveAdresse(env.state, anderes));  // the other program
    const auto vorher = ReadBytes("FIRMA.ADR");
    env.dialogs.questions.clear();
    env.dialogs.answers = {c.ja};
    auto f = Typed();
    f.OrtEdit = "Graz";
    bool neuLaden = false;
    EXPECT_EQ(lohn::SaveAdresse(env.state, f, &gelesen, &neuLaden), c.ja);
    EXPECT_EQ(env.dialogs.questions,
              std::vector<std::string>{lohn::FrageInzwischenGeaendert("Bäckerei Huber GmbH")});
    EXPECT_EQ(neuLaden, !c.ja);
    const auto adr = ReadBytes("FIRMA.ADR");
    ASSERT_EQ(adr.size(), 2u * 4136);
    if (c.ja) {
      EXPECT_EQ(std::vector<std::uint8_t>(adr.begin() + 4136, adr.end()), *gelesen);
    } else {
      EXPECT_EQ(adr, vorher);
    }
    EXPECT_EQ(lohn::GetShortString(adr.data() + 4136, 576, 80), c.ja ? "Graz" : "Salzburg");
    // Unchanged since: no question.
    env.dialogs.questions.clear();
    lohn::LoadAdresseFields(env.state, &gelesen);
    EXPECT_TRUE(lohn::SaveAdresse(env.state, f, &gelesen));
    EXPECT_TRUE(env.dialogs.questions.empty());
    WriteBytes("FIRMA.ADR", std::vector<std::uint8_t>(adr.begin(), adr.begin() + 4136));
  }
}

TEST(AdresseRules, WarningsAndHints) {
  struct {
    const char* control;
    const char* text;
    const char* warning;
  } cases[] = {
      {"Fax1Edit", "123456",
       "Achtung: Die Steuernummer muss 7-stellig sein. Ohne die zweistellige Finanzamt Nr.!"},
      {"Fax1Edit", "1234567", nullptr},
      {"NotizEdit", "7", "Achtung: Die Finanzamt Nr. muss 2-stellig sein!"},
      {"NotizEdit", "07", nullptr},
      {"BankKontoEdit", "12345678",
       "Achtung: Die FA-Nr 2 Stellen + Steuernummer 7 Stellen des Übermittlers muss insgesamt "
       "9-stellig sein!"},
      {"BankKontoEdit", "123456789", nullptr},
      {"NameEdit", "", nullptr},
  };
  for (auto& c : cases) {
    auto w = lohn::AdresseExitWarning(c.control, c.text);
    if (c.warning)
      EXPECT_EQ(w.value_or(""), c.warning) << c.control << c.text;
    else
      EXPECT_FALSE(w) << c.control << c.text;
  }
  EXPECT_EQ(lohn::AdresseEnterHint("Fax1Edit"), "Hinweis: 7 Stellen Steuernummer (ohne FA-Nr.)");
  EXPECT_EQ(lohn::AdresseEnterHint("NameEdit"), " ");
}

}  // namespace
