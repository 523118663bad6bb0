#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <iterator>

#include "store/FileUtil.h"
#include "store/LockFile.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using lohn::Bytes;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::WriteText;

Bytes B(const std::string& s) { return {s.begin(), s.end()}; }

TEST(CreateFileIfMissing, CreatesOnlyWhatIsNotThere) {
  struct Case {
    const char* name;
    const char* before;  // nullptr: no file
    const char* after;
  } cases[] = {
      {"new file", nullptr, "Vorschuss: "},
      {"a text the user wrote stays", "Vorschuss: 200 EUR", "Vorschuss: 200 EUR"},
      {"an empty file stays empty", "", ""},
  };
  for (const Case& c : cases) {
    TempWorkDir dir;
    if (c.before) WriteText("f.TXT", c.before);
    int err = 0;
    EXPECT_TRUE(lohn::CreateFileIfMissing("f.TXT", B("Vorschuss: "), &err)) << c.name;
    EXPECT_EQ(err, 0) << c.name;
    EXPECT_EQ(ReadBytes("f.TXT"), B(c.after)) << c.name;
  }
}

TEST(CreateFileIfMissing, FolderOfThatNameIsLeftAlone) {
  TempWorkDir dir;
  fs::create_directory("copya.bat");
  EXPECT_TRUE(lohn::CreateFileIfMissing("copya.bat", {}));
  EXPECT_TRUE(fs::is_directory("copya.bat"));
}

TEST(CreateFileIfMissing, FailureLeavesNothingBehind) {
  TempWorkDir dir;
  int err = 0;
  EXPECT_FALSE(lohn::CreateFileIfMissing("fehlt/f.TXT", B("x"), &err));
  EXPECT_EQ(err, ENOENT);
  EXPECT_EQ(lohn::CreateFailedMessage("fehlt/f.TXT", err),
            "Die Datei \"fehlt/f.TXT\" kann nicht angelegt werden: Datei nicht gefunden");

  // A disk that fills up half way: no half file that would pass for a whole one.
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit lim = old;
  lim.rlim_cur = 10;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lim), 0);
  err = 0;
  bool ok = lohn::CreateFileIfMissing("FIRMA.ADR", Bytes(4136, 1), &err);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(ok);
  EXPECT_EQ(err, EFBIG);
  EXPECT_FALSE(fs::exists("FIRMA.ADR"));
  EXPECT_TRUE(fs::is_empty("."));  // nor its temporary file
}

TEST(RemoveFileIfPresent, GoneAfterwardsCountsAsSuccess) {
  TempWorkDir dir;
  WriteText("FIRMA.SAB", "Daten (Typ) bearbeiten\r\n");
  fs::create_symlink("nirgends", "FIRMA.SPE");  // a dangling link is a lock too
  for (const char* name : {"FIRMA.SAB", "FIRMA.SPE", "FIRMA.SAD"}) {
    int err = 0;
    EXPECT_TRUE(lohn::RemoveFileIfPresent(name, &err)) << name;
    EXPECT_EQ(err, 0) << name;
    EXPECT_FALSE(fs::exists(fs::symlink_status(name))) << name;
  }
}

TEST(RemoveFileIfPresent, FileThatStaysIsReported) {
  TempWorkDir dir;
  fs::create_directory("FIRMA.SST");
  int err = 0;
  EXPECT_FALSE(lohn::RemoveFileIfPresent("FIRMA.SST", &err));
  EXPECT_NE(err, 0);
  EXPECT_TRUE(fs::is_directory("FIRMA.SST"));
}

}  // namespace

TEST(WriteFileAtomic, OwnTemporaryAndOldLeftoversGo) {
  TempWorkDir dir;
  struct Rest {
    const char* name;
    bool alt;     // older than an hour
    bool bleibt;  // after the next write of quan.doc
  } reste[] = {
      {"quan.doc.4711-0~", true, false}, {"quan.doc.neu~", true, false},
      {"quan.doc.4711-1~", false, true},  // maybe still being written
      {"quan.doc.x-1~", true, true},     {"quan.doc.txt", true, true},
      {"QUAN.TXT.4711-0~", true, true},
  };
  for (const Rest& r : reste) {
    WriteText(r.name, "rest");
    if (r.alt)
      fs::last_write_time(r.name, fs::file_time_type::clock::now() - std::chrono::hours(2));
  }
  int err = 0;
  ASSERT_TRUE(lohn::WriteFileAtomic("quan.doc", B("neu"), &err));
  EXPECT_EQ(ReadBytes("quan.doc"), B("neu"));
  for (const Rest& r : reste) EXPECT_EQ(fs::exists(r.name), r.bleibt) << r.name;

  // A failed write leaves the old file and no temporary of its own.
  fs::create_directory("ELDA");
  fs::create_directory("ELDA/A.BN");
  EXPECT_FALSE(lohn::WriteFileAtomic("ELDA/A.BN", B("x"), &err));
  EXPECT_EQ(err, EISDIR);
  EXPECT_EQ(std::distance(fs::directory_iterator("ELDA"), fs::directory_iterator()), 1);

  // A writer stalled for two hours (or a clock two hours apart) holds the
  // lock of its temporary: the next writer leaves it, and it still finishes.
  {
    lohn::DateiInTeilen langsam("quan.doc");
    langsam.Anhaengen(B("langsam").data(), 7);
    const std::string eigene = "quan.doc." + std::to_string(::getpid()) + "-";
    for (const auto& e : fs::directory_iterator("."))
      if (e.path().filename().string().starts_with(eigene))
        fs::last_write_time(e.path(), fs::file_time_type::clock::now() - std::chrono::hours(2));
    ASSERT_TRUE(lohn::WriteFileAtomic("quan.doc", B("schnell"), &err));
    EXPECT_EQ(langsam.Fertig(), 0);
    EXPECT_EQ(ReadBytes("quan.doc"), B("langsam"));
  }

  // A folder that cannot be flushed may lose the new name: no success.
  lohn::gOrdnerSyncFehler = [](const std::string&) { return EIO; };
  EXPECT_FALSE(lohn::WriteFileAtomic("PaketNr.dat", B("8"), &err));
  lohn::gOrdnerSyncFehler = nullptr;
  EXPECT_EQ(err, EIO);
}

// Files, temporaries and lock files a second clerk's program must be able
// to lock and replace: the umask decides, as in other programs.
TEST(NeueDateien, TheUmaskDecidesWhoMayWriteThem) {
  TempWorkDir dir;
  testing_support::FakeDialogs dialogs;
  const mode_t vorher = ::umask(002);
  lohn::WriteFileAtomic("A.DAT", B("x"));
  lohn::CreateFileIfMissing("B.TXT", B("x"));
  lohn::DateiSperre sperre("C.lck");
  lohn::LockGuard guard(dialogs, "D", {"SPE"});
  lohn::DateiInTeilen teile("E.DAT");
  ::umask(vorher);
  fs::path temp;
  for (const auto& e : fs::directory_iterator("."))
    if (e.path().filename().string().starts_with("E.DAT.")) temp = e.path();
  for (const fs::path& n :
       {fs::path("A.DAT"), fs::path("B.TXT"), fs::path("C.lck"), fs::path("D.SPE"), temp})
    EXPECT_EQ(fs::status(n).permissions(), fs::perms(0664)) << n;
}

TEST(IoErrorText, EveryCauseInWords) {
  const std::pair<int, const char*> faelle[] = {
      {ENOSPC, "Nicht genügend Speicherplatz auf dem Datenträger"},
      {EROFS, "Der Datenträger oder Ordner ist schreibgeschützt"},
      {EACCES, "Dateizugriff verweigert"},
      {EFBIG, "Die Datei ist zu groß"},
      {ENOENT, "Datei nicht gefunden"},
      {EISDIR, "Ein Verzeichnis dieses Namens ist vorhanden"},
      {EIO, "Ein-/Ausgabefehler beim Zugriff auf den Datenträger"},
      {EMFILE, "Zu viele geöffnete Dateien"},
      {ENFILE, "Zu viele geöffnete Dateien"},
      {EDQUOT, "Der zugeteilte Speicherplatz ist aufgebraucht"},
      {9999, "Unbekannter Fehler beim Dateizugriff (Systemfehler 9999)"},
  };
  for (const auto& [err, text] : faelle) EXPECT_EQ(lohn::IoErrorText(err), text) << err;
}
