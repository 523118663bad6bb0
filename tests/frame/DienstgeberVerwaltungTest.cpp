#include <gtest/gtest.h>

#include <filesystem>

#include "frame/Adresse.h"
#include "frame/DienstgeberVerwaltung.h"
#include "store/DienstgeberStore.h"
#include "store/ProgramState.h"
#include "store/RecordBytes.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteBytes;

class DienstgeberTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(lohn::LoadProgramState(env.state)); }
  TempWorkDir dir;
  TestEnv env;
};

TEST_F(DienstgeberTest, CreateWritesEmptyFilesAndADefaultRecordNumberedZero) {
  bool exists = true;
  ASSERT_TRUE(lohn::CreateDienstgeber(env.state, "MUSTER", &exists));
  EXPECT_FALSE(exists);
  EXPECT_EQ(env.state.DataFileStem, "MUSTER");
  EXPECT_EQ(ReadBytes("MUSTER.PER").size(), 0u);
  EXPECT_EQ(ReadBytes("MUSTER.ABR").size(), 0u);
  auto adr = ReadBytes("MUSTER.ADR");
  ASSERT_EQ(adr.size(), 4136u);
  EXPECT_EQ(std::count(adr.begin(), adr.end(), 0), 4136);  // every field empty, number 0
  EXPECT_EQ(env.dialogs.messages,
            std::vector<std::string>{
                "Der Dienstgeber MUSTER wurde angelegt und zur Bearbeitung ausgewählt"});
}

TEST_F(DienstgeberTest, CreatingAgainCompletesAPartlyCreatedEmployer) {
  std::vector<std::uint8_t> adr(4136, 0);
  lohn::PutInt16(adr.data(), 3574, 1);
  lohn::PutShortString(adr.data(), 166, 80, "Alte Firma");
  const std::vector<std::uint8_t> per(2420, 7), abr(2236, 3), noAdr(4136, 0);
  struct {
    const char* name;
    bool adr, per, abr;  // files there before
    bool created;
  } cases[] = {
      {"cut off after .ADR", true, false, false, true},
      {"cut off after .PER", true, true, false, true},
      {"made before .ADR came first", false, true, true, false},
  };
  for (auto& c : cases) {
    TempWorkDir caseDir;
    env.state.DataFileStem = "DEMO";
    env.dialogs.messages.clear();
    if (c.adr) WriteBytes("ALT.ADR", adr);
    if (c.per) WriteBytes("ALT.PER", per);
    if (c.abr) WriteBytes("ALT.ABR", abr);
    bool exists = false;
    EXPECT_EQ(lohn::CreateDienstgeber(env.state, "ALT", &exists), c.created) << c.name;
    EXPECT_EQ(exists, !c.created) << c.name;
    EXPECT_EQ(env.state.DataFileStem, c.created ? "ALT" : "DEMO") << c.name;
    EXPECT_EQ(env.dialogs.messages.back(),
              c.created ? "Der Dienstgeber ALT wurde angelegt und zur Bearbeitung ausgewählt"
                        : "Ein Dienstgeber mit diesem Namen existiert bereits!")
        << c.name;
    // What was there stays; what was missing is there now, empty or default.
    EXPECT_EQ(ReadBytes("ALT.ADR"), c.adr ? adr : noAdr) << c.name;
    EXPECT_EQ(ReadBytes("ALT.PER"), c.per ? per : std::vector<std::uint8_t>{}) << c.name;
    EXPECT_EQ(ReadBytes("ALT.ABR"), c.abr ? abr : std::vector<std::uint8_t>{}) << c.name;
  }
}

TEST_F(DienstgeberTest, CreateOfAnExistingEmployerChangesNothing) {
  ASSERT_TRUE(lohn::CreateDienstgeber(env.state, "FIRMA"));
  env.state.DataFileStem = "DEMO";
  env.dialogs.messages.clear();
  bool exists = false;
  EXPECT_FALSE(lohn::CreateDienstgeber(env.state, "FIRMA", &exists));
  EXPECT_TRUE(exists);
  EXPECT_EQ(env.state.DataFileStem, "DEMO");
  EXPECT_EQ(env.dialogs.messages,
            std::vector<std::string>{"Ein Dienstgeber mit diesem Namen existiert bereits!"});
}

TEST(DienstgeberNames, NewNamesAreSafeFileNames) {
  struct {
    const char* name;
    const char* refusal;  // nullptr: accepted
  } cases[] = {
      {"MUSTER", nullptr},
      {"Bau-2014", nullptr},
      {"a_b", nullptr},
      {"", "Bitte geben Sie einen Namen für den neuen Dienstgeber ein!"},
      {"A.B", "Punkte und Sonderzeichen im Firma-Namen nicht erlaubt!"},
      {"a/b", "Punkte und Sonderzeichen im Firma-Namen nicht erlaubt!"},
      {"a\\b", "Punkte und Sonderzeichen im Firma-Namen nicht erlaubt!"},
      {"zwei wo", "Punkte und Sonderzeichen im Firma-Namen nicht erlaubt!"},
      {"Müller", "Punkte und Sonderzeichen im Firma-Namen nicht erlaubt!"},
      {"tab\t", "Punkte und Sonderzeichen im Firma-Namen nicht erlaubt!"},
      {"NEUNZEICH", "Dienstgeber-Name maximal 8 Zeichen!"},
  };
  for (auto& c : cases) {
    auto refusal = lohn::CheckNewDienstgeberName(c.name);
    if (c.refusal)
      EXPECT_EQ(refusal.value_or("accepted"), c.refusal) << c.name;
    else
      EXPECT_FALSE(refusal) << c.name;
  }
  EXPECT_EQ(lohn::CheckDienstgeberNameTyping("A.").value_or(""),
            "Punkte und Sonderzeichen im Dienstgeber-Namen nicht erlaubt!");
  EXPECT_FALSE(lohn::CheckDienstgeberNameTyping("ABC"));
}

TEST_F(DienstgeberTest, ChooseBacksUpSavesStateAndLoadsTheEmployer) {
  ASSERT_TRUE(lohn::CreateDienstgeber(env.state, "EINS"));
  env.state.DataFileStem = "EINS";
  lohn::AdresseFields f;
  f.NameEdit = "Eins GmbH";
  f.BankEdit = "DVR123";
  ASSERT_TRUE(lohn::SaveAdresse(env.state, f));
  ASSERT_TRUE(lohn::CreateDienstgeber(env.state, "ZWEI"));
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberName, "Eins GmbH");  // not yet reloaded

  EXPECT_TRUE(lohn::ChooseDienstgeber(env.state, "ZWEI.ABR"));
  EXPECT_EQ(env.state.DataFileStem, "ZWEI");
  EXPECT_EQ(lohn::GetShortString(ReadBytes("Lohnver.LOA").data(), 0, 13), "ZWEI");
  EXPECT_TRUE(fs::is_directory("ZR-DOKUMENTE_ZWEI"));
  // ZWEI has no record 1 yet: no trace of the other employer.
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberName, "");
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberDvrNr, "");
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberPlz, "0");

  EXPECT_TRUE(lohn::ChooseDienstgeber(env.state, "/irgendwo/EINS.ABR"));
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberName, "Eins GmbH");

  env.dialogs.messages.clear();
  EXPECT_FALSE(lohn::ChooseDienstgeber(env.state, ""));
  EXPECT_EQ(env.dialogs.messages,
            std::vector<std::string>{"Bitte selektieren Sie vorher einen Dienstgeber"});
  EXPECT_EQ(env.state.DataFileStem, "EINS");
}

TEST_F(DienstgeberTest, DeleteRefusalsAndDeletion) {
  for (const char* s : {"DEMO", "AKTUELL", "WEG", "GESPERRT"})
    ASSERT_TRUE(lohn::CreateDienstgeber(env.state, s));
  WriteBytes("WEG.STO", std::vector<std::uint8_t>(2420, 0));
  WriteBytes("WEG.KOR", {1});
  WriteBytes("GESPERRT.SST", {});
  env.state.DataFileStem = "AKTUELL";
  struct {
    const char* file;
    const char* message;
  } refusals[] = {
      {"", "Bitte selektieren Sie vorher einen Dienstgeber"},
      {"DEMO.ABR", "DEMO-Dienstgeber kann nicht gelöscht werden!"},
      {"AKTUELL.ABR", "Derzeit ausgewählter Dienstgeber kann nicht gelöscht werden!"},
  };
  for (auto& r : refusals) {
    env.dialogs.messages.clear();
    EXPECT_FALSE(lohn::DeleteDienstgeber(env.state, r.file));
    EXPECT_EQ(env.dialogs.messages, std::vector<std::string>{r.message});
  }
  env.dialogs.messages.clear();
  EXPECT_FALSE(lohn::DeleteDienstgeber(env.state, "GESPERRT.ABR"));
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_EQ(env.dialogs.messages[0].rfind("Die Daten dieses Mandanten werden gerade", 0), 0u);
  EXPECT_TRUE(fs::exists("GESPERRT.ABR"));

  env.dialogs.answers = {false};
  EXPECT_FALSE(lohn::DeleteDienstgeber(env.state, "WEG.ABR"));
  EXPECT_TRUE(fs::exists("WEG.PER"));
  env.dialogs.answers = {true};
  EXPECT_TRUE(lohn::DeleteDienstgeber(env.state, "WEG.ABR"));
  EXPECT_EQ(env.dialogs.questions.back(), "Dienstgeber WEG wirklich löschen?");
  for (const char* f : {"WEG.PER", "WEG.ABR", "WEG.ADR", "WEG.STO"})
    EXPECT_FALSE(fs::exists(f)) << f;
  EXPECT_TRUE(fs::exists("WEG.KOR"));
  EXPECT_EQ(lohn::ListDienstgeber(), (std::vector<std::string>{"AKTUELL", "DEMO", "GESPERRT"}));
}

TEST_F(DienstgeberTest, ListShowsOnlyFilesThatNameTheirEmployer) {
  // Choosing or deleting "a.b.ABR" would act on "a", a long name on its
  // first 13 characters.
  for (const char* f : {"a.ABR", "a.b.ABR", "a\\b.ABR", "DREIZEHN_ZEIC.ABR", "VIERZEHN_ZEICH.ABR",
                        "x.abr", "x.ABR.bak"})
    WriteBytes(f, {});
  fs::create_directory("ORDNER.ABR");
  EXPECT_EQ(lohn::ListDienstgeber(), (std::vector<std::string>{"DREIZEHN_ZEIC", "a"}));
}

TEST_F(DienstgeberTest, StartUpFallsBackToDemoAndCreatesIt) {
  TestEnv fresh;
  ASSERT_TRUE(lohn::LoadGlobalSettings(fresh.state));
  EXPECT_EQ(fresh.state.DataFileStem, "DEMO");
  EXPECT_TRUE(fs::exists("DEMO.PER"));
  EXPECT_TRUE(fs::exists("DEMO.ABR"));
  EXPECT_EQ(ReadBytes("DEMO.ADR").size(), 4136u);
  EXPECT_EQ(fresh.dialogs.messages.back(),
            "Der Dienstgeber DEMO wurde angelegt und zur Bearbeitung ausgewählt");
}

}  // namespace
