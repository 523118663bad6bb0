#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "store/ProgramState.h"
#include "store/RecordBytes.h"
#include "support/Fakes.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteBytes;

TEST(RecordBytes, ShortStringsAndBools) {
  std::uint8_t rec[20] = {};
  lohn::PutShortString(rec, 0, 5, "Größenwahn");
  EXPECT_EQ(rec[0], 5);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(rec + 1), 5),
            "Gr\xF6\xDF"
            "e");
  EXPECT_EQ(lohn::GetShortString(rec, 0, 5), "Größe");
  lohn::PutShortString(rec, 0, 5, "ab");
  EXPECT_EQ(rec[3], 0);  // the rest of the field is cleared
  rec[0] = 200;          // damaged length byte: clamped to the capacity
  EXPECT_EQ(lohn::GetShortString(rec, 0, 5).size(), 5u);
  rec[10] = 7;
  EXPECT_TRUE(lohn::GetBool(rec, 10));
  lohn::PutBool(rec, 10, true);
  EXPECT_EQ(rec[10], 1);
  lohn::PutInt32(rec, 12, -2);
  EXPECT_EQ(rec[12], 0xFE);
  EXPECT_EQ(rec[15], 0xFF);
  EXPECT_EQ(lohn::GetInt32(rec, 12), -2);
}

TEST(ProgramState, FirstStartCreatesBothFilesWithTheirDefaults) {
  TempWorkDir dir;
  TestEnv env;
  ASSERT_TRUE(lohn::LoadGlobalSettings(env.state));

  auto loa = ReadBytes("Lohnver.LOA");
  ASSERT_EQ(loa.size(), 416u);
  EXPECT_EQ(loa[0], 0);  // no employer yet
  EXPECT_EQ(lohn::GetInt32(loa.data(), 72), 1);
  EXPECT_EQ(lohn::GetInt32(loa.data(), 76), 1);
  EXPECT_EQ(lohn::GetInt32(loa.data(), 80), 2000);
  EXPECT_EQ(loa[108], 1);
  EXPECT_EQ(loa[109], 4);
  EXPECT_EQ(std::string(loa.begin() + 110, loa.begin() + 114), "trux");
  for (std::size_t i : {70u, 71u, 84u, 107u, 160u, 364u, 394u, 396u, 415u})
    EXPECT_EQ(loa[i], 0) << i;

  auto glob = ReadBytes("GLOB.DAT");
  ASSERT_EQ(glob.size(), 3252u);
  const std::uint8_t rate[] = {0x84, 0x32, 0x55, 0x30, 0x2a, 0x5c};
  EXPECT_TRUE(std::equal(rate, rate + 6, glob.begin() + 3040));
  EXPECT_EQ(std::count(glob.begin(), glob.end(), 0), 3252 - 6);

  // A first start (an empty stem): no false alarm, only DEMO's confirmation.
  EXPECT_EQ(env.dialogs.messages,
            std::vector<std::string>{
                "Der Dienstgeber DEMO wurde angelegt und zur Bearbeitung ausgewählt"});
  EXPECT_EQ(env.state.DataFileStem, "DEMO");
  EXPECT_TRUE(lohn::AskPasswordAtStart(env.state));
  EXPECT_EQ(env.dialogs.loginShown, 0);
}

TEST(ProgramState, StartKilledWhileCreatingTheFileLeavesNoHalfFile) {
  TempWorkDir dir;
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Killed by the kernel while writing the program state file.
    struct rlimit lim {
      10, 10
    }, noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    setrlimit(RLIMIT_FSIZE, &lim);
    TestEnv env;
    lohn::LoadGlobalSettings(env.state);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_FALSE(std::filesystem::exists("Lohnver.LOA"));
  // Its temporary file is left behind, and an empty file an older version
  // left in the same case: the next start begins afresh.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
  for (bool emptyFile : {false, true}) {
    if (emptyFile) WriteBytes("Lohnver.LOA", {});
    TestEnv env;
    ASSERT_TRUE(lohn::LoadGlobalSettings(env.state));
    auto def = lohn::DefaultProgramStateRecord();
    EXPECT_EQ(ReadBytes("Lohnver.LOA"), std::vector<std::uint8_t>(def.begin(), def.end()));
    EXPECT_EQ(env.state.Password, "trux");
  }
}

TEST(ProgramState, StemOutsideTheDataFolderFallsBackToDemo) {
  TempWorkDir dir;
  for (const char* stem : {"../X", "sub/X", "sub\\X", ".", ".."}) {
    std::filesystem::create_directories("w/sub");
    std::filesystem::current_path("w");
    // The files are there, where the stem would lead.
    for (const char* ext : {".PER", ".ABR"}) WriteBytes(std::string(stem) + ext, {});
    auto rec = lohn::DefaultProgramStateRecord();
    lohn::PutShortString(rec.data(), 0, 13, stem);
    WriteBytes("Lohnver.LOA", {rec.begin(), rec.end()});
    TestEnv env;
    ASSERT_TRUE(lohn::LoadGlobalSettings(env.state));
    EXPECT_EQ(env.state.DataFileStem, "DEMO") << stem;
    EXPECT_NE(env.dialogs.messages.at(0).find(std::string("Dienstgebers \"") + stem + "\" sind"),
              std::string::npos)
        << stem;
    std::filesystem::current_path("..");
    std::filesystem::remove_all("w");
  }
}

TEST(ProgramState, KeepsTheLastEmployerWhenItsFilesExist) {
  TempWorkDir dir;
  TestEnv env;
  auto rec = lohn::DefaultProgramStateRecord();
  lohn::PutShortString(rec.data(), 0, 13, "MUSTER");
  WriteBytes("Lohnver.LOA", {rec.begin(), rec.end()});
  WriteBytes("MUSTER.PER", {});
  WriteBytes("MUSTER.ABR", {});
  ASSERT_TRUE(lohn::LoadGlobalSettings(env.state));
  EXPECT_EQ(env.state.DataFileStem, "MUSTER");
  EXPECT_TRUE(env.dialogs.messages.empty());

  // A stem whose employer is gone is named; DEMO takes its place.
  lohn::PutShortString(rec.data(), 0, 13, "WEG");
  WriteBytes("Lohnver.LOA", {rec.begin(), rec.end()});
  ASSERT_TRUE(lohn::LoadGlobalSettings(env.state));
  EXPECT_EQ(env.state.DataFileStem, "DEMO");
  ASSERT_FALSE(env.dialogs.messages.empty());
  EXPECT_NE(env.dialogs.messages[0].find("Dienstgebers \"WEG\" sind beschädigt"),
            std::string::npos);
}

TEST(ProgramState, SaveKeepsReservedBytesAsLoaded) {
  TempWorkDir dir;
  TestEnv env;
  std::vector<std::uint8_t> foreign(416);
  for (std::size_t i = 0; i < foreign.size(); ++i) foreign[i] = std::uint8_t(i * 7 + 3);
  lohn::PutShortString(foreign.data(), 0, 13, "ALT");
  lohn::PutShortString(foreign.data(), 109, 50, "geheim");
  WriteBytes("Lohnver.LOA", foreign);
  ASSERT_TRUE(lohn::LoadProgramState(env.state));
  EXPECT_EQ(env.state.Password, "geheim");
  env.state.DataFileStem = "NEU";
  ASSERT_TRUE(lohn::SaveProgramState(env.state));
  auto saved = ReadBytes("Lohnver.LOA");
  ASSERT_EQ(saved.size(), 416u);
  EXPECT_EQ(lohn::GetShortString(saved.data(), 0, 13), "NEU");
  // Everything but the employer stem, the password included, is as loaded.
  EXPECT_TRUE(std::equal(saved.begin() + 14, saved.end(), foreign.begin() + 14));
}

TEST(ProgramState, ShortFileEndsTheStartWithoutWriting) {
  TempWorkDir dir;
  TestEnv env;
  WriteBytes("Lohnver.LOA", std::vector<std::uint8_t>(100, 0));
  EXPECT_FALSE(lohn::LoadGlobalSettings(env.state));
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_NE(env.dialogs.messages[0].find("Lohnver.LOA"), std::string::npos);
  EXPECT_EQ(ReadBytes("Lohnver.LOA").size(), 100u);
  EXPECT_FALSE(std::filesystem::exists("GLOB.DAT"));
}

TEST(ProgramState, DamagedGlobFileUsesDefaultsAndStaysAsItIs) {
  TempWorkDir dir;
  TestEnv env;
  WriteBytes("GLOB.DAT", std::vector<std::uint8_t>(10, 9));
  WriteBytes(".PER", {});
  WriteBytes(".ABR", {});
  ASSERT_TRUE(lohn::LoadGlobalSettings(env.state));
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_NE(env.dialogs.messages[0].find("GLOB.DAT"), std::string::npos);
  EXPECT_EQ(ReadBytes("GLOB.DAT").size(), 10u);
  EXPECT_EQ(env.state.GlobSettings, lohn::DefaultGlobRecord());
}

class PasswordTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(lohn::LoadProgramState(env.state)); }
  TempWorkDir dir;
  TestEnv env;
};

TEST_F(PasswordTest, StartPromptComparesTheFirstFiftyCharacters) {
  std::string sixty(60, 'x');
  env.state.Password = sixty.substr(0, 50);
  struct {
    std::optional<std::string> typed;
    bool accepted;
  } cases[] = {{sixty, true},
               {sixty.substr(0, 50), true},
               {sixty.substr(0, 49), false},
               {std::nullopt, false},
               {"XXXX", false}};
  for (auto& c : cases) {
    env.dialogs.messages.clear();
    env.dialogs.loginPassword = c.typed;
    EXPECT_EQ(lohn::AskPasswordAtStart(env.state), c.accepted);
    EXPECT_EQ(env.dialogs.messages.empty(), c.accepted);
    if (!c.accepted) {
      EXPECT_EQ(env.dialogs.messages[0], "Das von Ihnen eingegebene Kennwort ist falsch!");
    }
  }
  auto before = ReadBytes("Lohnver.LOA");
  EXPECT_EQ(ReadBytes("Lohnver.LOA"), before);
}

TEST_F(PasswordTest, ChangeFromTheDefaultAsksOnlyForTheNewOne) {
  env.dialogs.inputs = {std::string("neu123"), std::string("neu123")};
  lohn::ChangePassword(env.state);
  EXPECT_EQ(env.state.Password, "neu123");
  EXPECT_EQ(env.dialogs.prompts,
            (std::vector<std::string>{
                "Bitte geben Sie Ihr neues Kennwort ein:",
                "Bitte geben Sie Ihr neues Kennwort zur Bestätigung noch einmal ein:"}));
  EXPECT_EQ(env.dialogs.messages.back(), "Ihr neues Kennwort wurde registriert!");
}

TEST_F(PasswordTest, ChangeRefusals) {
  struct {
    std::string stored;
    std::vector<std::optional<std::string>> inputs;
    std::vector<std::string> messages;
  } cases[] = {
      // One character is too short, and the message says what is enough.
      {"trux",
       {std::string("a")},
       {"Ihr Kennwort konnte nicht geändert werden! Das neue Kennwort muss mindestens 2 Zeichen "
        "lang sein."}},
      // A typo in the repetition: the stored password stays.
      {"trux",
       {std::string("neu123"), std::string("neu124")},
       {"Ihr Kennwort konnte nicht geändert werden! Die beiden Eingaben des neuen Kennworts "
        "stimmen nicht überein."}},
      // Cancelling the repetition.
      {"trux",
       {std::string("neu123"), std::nullopt},
       {"Ihr Kennwort konnte nicht geändert werden!"}},
      // Cancelling the new password changes nothing and claims nothing.
      {"trux", {std::nullopt}, {"Ihr Kennwort konnte nicht geändert werden!"}},
      // A wrong current password shows both messages.
      {"alt1",
       {std::string("falsch")},
       {"Geben Sie bitte in der nun folgenden Eingabemaske Ihr aktuelles Kennwort ein und "
        "anschließend Ihr neues Kennwort!",
        "Das von Ihnen eingegebene Kennwort ist falsch!",
        "Ihr Kennwort konnte nicht geändert werden!"}},
      // A character the file cannot hold.
      {"trux", {std::string("日本語")}, {"Ihr Kennwort konnte nicht geändert werden!"}},
  };
  for (auto& c : cases) {
    env.state.Password = c.stored;
    env.dialogs.messages.clear();
    env.dialogs.inputs.assign(c.inputs.begin(), c.inputs.end());
    lohn::ChangePassword(env.state);
    EXPECT_EQ(env.state.Password, c.stored);
    EXPECT_EQ(env.dialogs.messages, c.messages);
  }
}

TEST_F(PasswordTest, ChangeBackToTheDefaultRemovesTheStartPrompt) {
  env.state.Password = "alt1";
  env.dialogs.inputs = {std::string("alt1"), std::string("trux"), std::string("trux")};
  lohn::ChangePassword(env.state);
  ASSERT_TRUE(lohn::SaveProgramState(env.state));
  TestEnv again;
  ASSERT_TRUE(lohn::LoadProgramState(again.state));
  EXPECT_TRUE(lohn::AskPasswordAtStart(again.state));
  EXPECT_EQ(again.dialogs.loginShown, 0);
}

}  // namespace
