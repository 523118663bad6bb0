#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "store/AutoBackup.h"
#include "store/FileUtil.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteText;

const char* const kFailure =
    "Autobackup konnte keine Sicherungskopien erstellen! Prüfen Sie bitte die Verfügbarkeit des "
    "Datenträgers ";

std::vector<std::string> FilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(AutoBackup, RootFromConfig) {
  struct {
    const char* text;
    const char* root;
  } cases[] = {
      {"", ""},
      {"/mnt/sicherung/;", "/mnt/sicherung/"},
      {"/mnt/sicherung;\r\n", "/mnt/sicherung/"},  // line break after the last ";"
      {"/mnt/sicherung/\r\n", "/mnt/sicherung/"},  // no ";" at all
      {"  /mnt/a b/ ;  ", "/mnt/a b/"},            // inner blanks stay
      {"/alt/;/neu/;", "/neu/"},
      {"/alt/;/neu/;;\n;", "/neu/"},
      {"E:\\Backup\\;", "E:/Backup/"},
      {"\\\\server\\share", "//server/share/"},
      {" ; \r\n", ""},
  };
  for (auto& c : cases) EXPECT_EQ(lohn::AutoBackupRootFromConfig(c.text), c.root) << c.text;
}

TEST(AutoBackup, FolderNameFromTheClock) {
  struct {
    platform::DateTime t;
    const char* name;
  } cases[] = {
      {{2014, 3, 15, 9, 5, 3, 127}, "ZR-DEMO-20140315-0905-0312"},
      {{2014, 12, 1, 23, 59, 59, 5}, "ZR-DEMO-20141201-2359-5905"},
      {{2014, 1, 31, 0, 0, 0, 0}, "ZR-DEMO-20140131-0000-0000"},
      {{2014, 1, 31, 0, 0, 0, 999}, "ZR-DEMO-20140131-0000-0099"},
      {{2014, 1, 31, 0, 0, 0, 50}, "ZR-DEMO-20140131-0000-0050"},
  };
  for (auto& c : cases) EXPECT_EQ(lohn::AutoBackupFolderName("DEMO", c.t), c.name);
}

TEST(AutoBackup, CopiesThePresentFilesIntoTheStampedFolder) {
  TempWorkDir dir;
  TestEnv env;
  env.state.DataFileStem = "DEMO";
  for (const char* f : {"DEMO.PER", "DEMO.ABR", "DEMO.ADR", "Lohnver.LOA"})
    WriteText(f, std::string("Inhalt von ") + f + '\0' + "\xFF");
  WriteText("ANDERS.PER", "fremd");
  WriteText("DEMO.SPE", "Sperre");

  EXPECT_EQ(lohn::RunAutoBackup(env.state), lohn::AutoBackupResult::Done);

  const fs::path folder = "AutoBackup/ZR-DEMO-20140315-0905-0312";
  ASSERT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(FilesIn(folder),
            (std::vector<std::string>{"DEMO.ABR", "DEMO.ADR", "DEMO.PER", "Lohnver.LOA"}));
  for (const char* f : {"DEMO.PER", "DEMO.ABR", "DEMO.ADR", "Lohnver.LOA"})
    EXPECT_EQ(ReadBytes(folder / f), ReadBytes(f)) << f;
  EXPECT_TRUE(env.dialogs.messages.empty());

  // The next run a little later adds a folder; the first one stays.
  env.clock.Set({2014, 3, 15, 9, 5, 4, 0});
  WriteText("DEMO.STO", "Standorte");
  WriteText("DEMO.KOR", "Kostenstellen");
  EXPECT_EQ(lohn::RunAutoBackup(env.state), lohn::AutoBackupResult::Done);
  EXPECT_EQ(FilesIn("AutoBackup"),
            (std::vector<std::string>{"ZR-DEMO-20140315-0905-0312", "ZR-DEMO-20140315-0905-0400"}));
  EXPECT_EQ(FilesIn("AutoBackup/ZR-DEMO-20140315-0905-0400").size(), 6u);
  EXPECT_EQ(FilesIn(folder).size(), 4u);
}

TEST(AutoBackup, StemOfTheEmployerBeingLeft) {
  TempWorkDir dir;
  TestEnv env;
  env.state.DataFileStem = "NEU";
  WriteText("ALT.PER", "alt");
  WriteText("NEU.PER", "neu");
  EXPECT_EQ(lohn::RunAutoBackup(env.state, "ALT"), lohn::AutoBackupResult::Done);
  EXPECT_EQ(FilesIn("AutoBackup/ZR-ALT-20140315-0905-0312"), (std::vector<std::string>{"ALT.PER"}));
}

TEST(AutoBackup, SwitchedOffCopiesNothing) {
  TempWorkDir dir;
  TestEnv env;
  env.state.DataFileStem = "DEMO";
  WriteText("DEMO.PER", "x");
  WriteText(lohn::kStopAutoBackupFile, "Autobackup ausgeschaltet!\r\n");
  // Even a configuration that could not be read does not matter then.
  fs::create_directory(lohn::kAutoBackupPfadFile);
  EXPECT_EQ(lohn::RunAutoBackup(env.state), lohn::AutoBackupResult::SwitchedOff);
  EXPECT_FALSE(fs::exists("AutoBackup"));
  EXPECT_TRUE(env.dialogs.messages.empty());
}

TEST(AutoBackup, RootFromTheConfigurationFile) {
  TempWorkDir dir;
  TestEnv env;
  env.state.DataFileStem = "DEMO";
  WriteText("DEMO.ABR", "abr");
  fs::create_directory("Laufwerk");
  WriteText(lohn::kAutoBackupPfadFile, (dir.path() / "Laufwerk").string() + ";\r\n");
  EXPECT_EQ(lohn::RunAutoBackup(env.state), lohn::AutoBackupResult::Done);
  EXPECT_EQ(FilesIn("Laufwerk/AutoBackup/ZR-DEMO-20140315-0905-0312"),
            (std::vector<std::string>{"DEMO.ABR"}));
  EXPECT_FALSE(fs::exists("AutoBackup"));
}

TEST(AutoBackup, MissingDriveIsReportedAndNothingIsCopied) {
  TempWorkDir dir;
  TestEnv env;
  env.state.DataFileStem = "DEMO";
  WriteText("DEMO.PER", "per");
  const std::string root = (dir.path() / "nicht-eingesteckt").string() + "/";
  WriteText(lohn::kAutoBackupPfadFile, root + ";");
  EXPECT_EQ(lohn::RunAutoBackup(env.state), lohn::AutoBackupResult::Failed);
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_EQ(env.dialogs.messages[0], kFailure + root + "AutoBackup");
  // The missing root is never created on the local disk.
  EXPECT_FALSE(fs::exists(root));
}

TEST(AutoBackup, FailedCopyKeepsTheFilesCopiedSoFar) {
  TempWorkDir dir;
  TestEnv env;
  env.state.DataFileStem = "DEMO";
  WriteText("DEMO.PER", "per");
  WriteText("DEMO.ABR", "abr");
  WriteText("DEMO.ADR", "adr");
  // A folder in the way of the second copy.
  const fs::path folder = "AutoBackup/ZR-DEMO-20140315-0905-0312";
  fs::create_directories(folder / "DEMO.ABR" / "belegt");
  EXPECT_EQ(lohn::RunAutoBackup(env.state), lohn::AutoBackupResult::Failed);
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_EQ(env.dialogs.messages[0], std::string(kFailure) + "AutoBackup");
  EXPECT_EQ(ReadBytes(folder / "DEMO.PER"), ReadBytes("DEMO.PER"));
  EXPECT_FALSE(fs::exists(folder / "DEMO.ADR"));
}

TEST(AutoBackup, FolderNamedLikeTheConfigurationIsIgnored) {
  TempWorkDir dir;
  TestEnv env;
  env.state.DataFileStem = "DEMO";
  fs::create_directory("AutoBackupPfad.cfg");
  // A folder of that name is no configuration file: the default root holds.
  EXPECT_EQ(lohn::RunAutoBackup(env.state), lohn::AutoBackupResult::Done);
  EXPECT_TRUE(fs::is_directory("AutoBackup/ZR-DEMO-20140315-0905-0312"));
}

TEST(AutoBackup, ConfigurationTextInEitherEncoding) {
  TempWorkDir dir;
  WriteText("cp.cfg", "/mnt/Sicherungsger\xE4t/;");
  WriteText("utf.cfg", "/mnt/Sicherungsgerät/;");
  EXPECT_EQ(lohn::ReadTextFileUtf8("cp.cfg"), "/mnt/Sicherungsgerät/;");
  EXPECT_EQ(lohn::ReadTextFileUtf8("utf.cfg"), "/mnt/Sicherungsgerät/;");
  WriteText("bom.cfg", "\xEF\xBB\xBF/mnt/Sicherungsgerät/;");
  EXPECT_EQ(lohn::ReadTextFileUtf8("bom.cfg"), "/mnt/Sicherungsgerät/;");
  int err = 0;
  EXPECT_FALSE(lohn::ReadTextFileUtf8("fehlt.cfg", &err));
  EXPECT_EQ(err, ENOENT);
}

}  // namespace
