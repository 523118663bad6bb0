#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "store/LockFile.h"
#include "support/Fakes.h"

using namespace lohn;
using testing_support::FakeDialogs;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::WriteBytes;
namespace fs = std::filesystem;

TEST(LockFile, MessageText) {
  EXPECT_STREQ(kLockMessage,
               "Die Daten dieses Mandanten werden gerade von einem anderen Anwender oder Prozess "
               "bearbeitet. Wenn die Daten länger nicht verfügbar sind, beenden Sie bitte alle "
               "anderen Lohn-Programme und wählen Sie im Hauptmenü: \"Datei / Lohndaten "
               "freigeben\"");
}

TEST(LockFile, HeldForTheScopeAndRemovedAfter) {
  TempWorkDir dir;
  FakeDialogs dlg;
  {
    LockGuard lock(dlg, "DEMO", {kLockSAD}, kLockLineKonto);
    ASSERT_TRUE(lock.held());
    // One line in Windows-1252: "´" is 0xB4 and "ä" 0xE4.
    std::string want = "Konto anlegen / \xB4\xE4ndern\r\n";
    EXPECT_EQ(ReadBytes("DEMO.SAD"), std::vector<std::uint8_t>(want.begin(), want.end()));
  }
  EXPECT_FALSE(fs::exists("DEMO.SAD"));
  EXPECT_TRUE(dlg.messages.empty());
}

TEST(LockFile, RemovedWhenTheWorkThrows) {
  TempWorkDir dir;
  FakeDialogs dlg;
  try {
    LockGuard lock(dlg, "DEMO", {kLockSAB, kLockSPE});
    ASSERT_TRUE(fs::exists("DEMO.SAB") && fs::exists("DEMO.SPE"));
    throw std::runtime_error("I/O");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(fs::exists("DEMO.SAB"));
  EXPECT_FALSE(fs::exists("DEMO.SPE"));
}

TEST(LockFile, AnyPresentLockTakesNone) {
  TempWorkDir dir;
  // The second of two locks present: the first must not be created either.
  for (const char* present : {kLockSAB, kLockSPE}) {
    FakeDialogs dlg;
    std::string name = std::string("DEMO.") + present;
    WriteBytes(name, {'a'});
    {
      LockGuard lock(dlg, "DEMO", {kLockSAB, kLockSPE});
      EXPECT_FALSE(lock.held());
      EXPECT_EQ(fs::exists("DEMO.SAB") + fs::exists("DEMO.SPE"), 1);
    }
    EXPECT_EQ(dlg.messages, std::vector<std::string>{kLockMessage});
    EXPECT_EQ(ReadBytes(name), std::vector<std::uint8_t>{'a'});
    fs::remove(name);
  }
}

TEST(LockFile, UncreatableLockIsReportedAndNothingHeld) {
  TempWorkDir dir;
  FakeDialogs dlg;
  // A stem in a folder that does not exist cannot get its lock file.
  LockGuard lock(dlg, "fehlt/DEMO", {kLockSPE});
  EXPECT_FALSE(lock.held());
  ASSERT_EQ(dlg.messages.size(), 1u);
  EXPECT_NE(dlg.messages[0].find("fehlt/DEMO.SPE"), std::string::npos);
}

TEST(LockFile, ReleaseNowAndNamesAreNotCut) {
  TempWorkDir dir;
  FakeDialogs dlg;
  LockGuard lock(dlg, "LANGERNAME1234", {kLockSPE});
  EXPECT_TRUE(fs::exists("LANGERNAME1234.SPE"));
  EXPECT_EQ(LockFileName("LANGERNAME1234", kLockSPE), "LANGERNAME1234.SPE");
  lock.Release();
  EXPECT_FALSE(lock.held());
  EXPECT_FALSE(fs::exists("LANGERNAME1234.SPE"));
}

TEST(LockFile, ReleaseAllLockFiles) {
  TempWorkDir dir;
  for (const char* ext : {"SAB", "SAD", "SPE", "SST", "SKO"})
    WriteBytes(std::string("X.") + ext, {});
  WriteBytes("X.PER", {});
  EXPECT_TRUE(ReleaseAllLockFiles("X"));
  for (const char* ext : {"SAB", "SAD", "SPE", "SST", "SKO"})
    EXPECT_FALSE(fs::exists(std::string("X.") + ext));
  EXPECT_TRUE(fs::exists("X.PER"));
  EXPECT_TRUE(ReleaseAllLockFiles("X"));  // nothing left is no failure
  // A lock that cannot be deleted (a non-empty folder in its place) is a failure.
  fs::create_directories("X.SPE/inhalt");
  EXPECT_FALSE(ReleaseAllLockFiles("X"));
}
