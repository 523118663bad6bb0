#include <gtest/gtest.h>

#include <filesystem>

#include "store/LockFile.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"
#include "support/Fakes.h"

using namespace lohn;
using testing_support::FakeDialogs;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::WriteBytes;

namespace {

const std::string kStem = "MUSTER";
const std::string kFile = "MUSTER.PER";

PersonalRecord Person(std::int32_t nr, const std::string& name = "") {
  PersonalRecord r;
  r.PersNrEdit = nr;
  r.FamNameEdit = name.empty() ? "Name" + std::to_string(nr) : name;
  return r;
}

void WriteRecords(const std::vector<PersonalRecord>& recs) {
  std::vector<std::uint8_t> all;
  for (const auto& r : recs) {
    PersonalBytes b = r.pack();
    all.insert(all.end(), b.begin(), b.end());
  }
  WriteBytes(kFile, all);
}

std::vector<std::int32_t> Keys() {
  auto bytes = ReadBytes(kFile);
  std::vector<std::int32_t> keys;
  for (std::size_t off = 0; off + kPersonalRecordSize <= bytes.size(); off += kPersonalRecordSize)
    keys.push_back(PersonalNrOf(bytes.data() + off));
  return keys;
}

std::vector<std::string> Names() {
  std::vector<std::string> names;
  ScanPersonalRecords(kStem, kPersonalExt,
                      [&](const PersonalRecord& r) { names.push_back(r.FamNameEdit); });
  return names;
}

class PersonalStoreTest : public ::testing::Test {
 protected:
  TempWorkDir dir;
  FakeDialogs dlg;
};

}  // namespace

TEST_F(PersonalStoreTest, EmptyFile) {
  WriteRecords({});
  EXPECT_EQ(NextPersonalNr(dlg, kStem, kPersonalExt), 1);
  EXPECT_FALSE(ReadPersonalRecord(kStem, kPersonalExt, 1));
  EXPECT_FALSE(PersonalRecordExists(kStem, kPersonalExt, 1));
  EXPECT_TRUE(dlg.messages.empty());
}

TEST_F(PersonalStoreTest, InsertsKeepKeyOrder) {
  WriteRecords({});
  for (int nr : {5, 2, 9})
    EXPECT_TRUE(InsertPersonalRecord(dlg, kStem, kPersonalExt, Person(nr), true));
  EXPECT_EQ(Keys(), (std::vector<std::int32_t>{2, 5, 9}));
  EXPECT_EQ(dlg.messages, std::vector<std::string>(3, "Datensatz wurde hinzugefügt!"));
  EXPECT_EQ(NextPersonalNr(dlg, kStem, kPersonalExt), 10);
  EXPECT_EQ(ReadPersonalRecord(kStem, kPersonalExt, 5)->FamNameEdit, "Name5");
  EXPECT_FALSE(std::filesystem::exists("MUSTER.TMP"));
  // Without the message flag nothing is shown.
  dlg.messages.clear();
  EXPECT_TRUE(InsertPersonalRecord(dlg, kStem, kPersonalExt, Person(7), false));
  EXPECT_EQ(Keys(), (std::vector<std::int32_t>{2, 5, 7, 9}));
  EXPECT_TRUE(dlg.messages.empty());
}

TEST_F(PersonalStoreTest, RefusedInsertsLeaveTheFile) {
  WriteRecords({Person(3), Person(8)});
  auto before = ReadBytes(kFile);
  EXPECT_FALSE(InsertPersonalRecord(dlg, kStem, kPersonalExt, Person(0), true));
  ASSERT_EQ(dlg.messages.size(), 1u);
  EXPECT_EQ(
      dlg.messages[0],
      "Schlüssel mit Wert: 0 kann nicht angelegt werden! Drücken Sie bitte den Button [ Neu ] "
      "bevor Sie Daten eines neuen Dienstnehmers eingeben.");
  EXPECT_FALSE(InsertPersonalRecord(dlg, kStem, kPersonalExt, Person(8, "Doppelt"), true));
  EXPECT_EQ(dlg.messages.size(), 1u);  // a duplicate is refused silently
  EXPECT_EQ(ReadBytes(kFile), before);
}

TEST_F(PersonalStoreTest, DuplicateKeysLastOneCounts) {
  WriteRecords({Person(1), Person(3, "Erster"), Person(3, "Zweiter"), Person(4)});
  EXPECT_EQ(ReadPersonalRecord(kStem, kPersonalExt, 3)->FamNameEdit, "Zweiter");
  // The navigation's neighbour is read from the place of his last record;
  // moved meanwhile, he is looked for.
  const auto n = FindPersonalNrNachbarn(dlg, kStem, kPersonalExt, 1);
  ASSERT_TRUE(n && n->naechste);
  EXPECT_EQ(n->naechste->stelle, 2u);
  EXPECT_EQ(PersonalFamNameOf(ReadPersonalNachbar(dlg, kStem, kPersonalExt, *n->naechste)->data()),
            "Zweiter");
  WriteRecords({Person(1), Person(3, "Zweiter")});
  EXPECT_EQ(PersonalFamNameOf(ReadPersonalNachbar(dlg, kStem, kPersonalExt, *n->naechste)->data()),
            "Zweiter");
  WriteRecords({Person(1), Person(3, "Erster"), Person(3, "Zweiter"), Person(4)});

  EXPECT_TRUE(ReplacePersonalRecord(dlg, kStem, kPersonalExt, Person(3, "Neu")));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Name1", "Erster", "Neu", "Name4"}));

  DeleteResult counted = DeletePersonalRecord(dlg, kStem, kPersonalExt, 3, true, false);
  EXPECT_EQ(counted.count, 2);
  EXPECT_FALSE(counted.deleted);
  EXPECT_EQ(Keys(), (std::vector<std::int32_t>{1, 3, 3, 4}));
  EXPECT_TRUE(dlg.messages.empty());

  DeleteResult r = DeletePersonalRecord(dlg, kStem, kPersonalExt, 3, true, true);
  EXPECT_EQ(r.count, 2);
  EXPECT_TRUE(r.deleted);
  EXPECT_EQ(Keys(), (std::vector<std::int32_t>{1, 4}));
  EXPECT_EQ(dlg.messages, std::vector<std::string>{"Dienstnehmer wurde gelöscht!"});
  EXPECT_FALSE(std::filesystem::exists("MUSTER.TMP"));
}

TEST_F(PersonalStoreTest, ReplaceWithoutTheKeyWritesNothing) {
  WriteRecords({Person(1), Person(2)});
  auto before = ReadBytes(kFile);
  EXPECT_FALSE(ReplacePersonalRecord(dlg, kStem, kPersonalExt, Person(7)));
  ASSERT_EQ(dlg.messages.size(), 1u);
  EXPECT_NE(dlg.messages[0].find("Personal-Nr 7"), std::string::npos);
  EXPECT_EQ(ReadBytes(kFile), before);
}

TEST_F(PersonalStoreTest, SaveReplacesOrInserts) {
  WriteRecords({Person(2)});
  EXPECT_TRUE(SavePersonalRecord(dlg, kStem, kPersonalExt, Person(2, "Geändert"), true));
  EXPECT_TRUE(dlg.messages.empty());
  EXPECT_TRUE(SavePersonalRecord(dlg, kStem, kPersonalExt, Person(1), true));
  EXPECT_EQ(dlg.messages, std::vector<std::string>{"Datensatz wurde hinzugefügt!"});
  EXPECT_EQ(Names(), (std::vector<std::string>{"Name1", "Geändert"}));
  // Without the update flag an existing key is not overwritten.
  EXPECT_FALSE(SavePersonalRecord(dlg, kStem, kPersonalExt, Person(2, "Nochmal"), false));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Name1", "Geändert"}));
}

TEST_F(PersonalStoreTest, DeleteOfAMissingKey) {
  WriteRecords({Person(1)});
  DeleteResult r = DeletePersonalRecord(dlg, kStem, kPersonalExt, 5, true, true);
  EXPECT_EQ(r.count, 0);
  EXPECT_EQ(dlg.messages,
            std::vector<std::string>{"Kein Dienstnehmer mit dieser PersonalNr vorhanden!"});
  EXPECT_EQ(Keys(), std::vector<std::int32_t>{1});
}

TEST_F(PersonalStoreTest, MissingOrUnusableFile) {
  // No file at all, then a folder in its place: both count as not openable.
  for (bool folder : {false, true}) {
    if (folder) std::filesystem::create_directory(kFile);
    dlg.messages.clear();
    EXPECT_FALSE(PersonalFileCanOpen(kFile));
    EXPECT_FALSE(PersonalRecordExists(kStem, kPersonalExt, 1));
    EXPECT_FALSE(ReadPersonalRecord(kStem, kPersonalExt, 1));
    EXPECT_FALSE(PersonalIsArbeiter(kStem, 1));
    EXPECT_FALSE(PersonalNrExists(dlg, kStem, kPersonalExt, 1));
    EXPECT_FALSE(NextPersonalNr(dlg, kStem, kPersonalExt));
    EXPECT_FALSE(InsertPersonalRecord(dlg, kStem, kPersonalExt, Person(1), true));
    EXPECT_FALSE(ReplacePersonalRecord(dlg, kStem, kPersonalExt, Person(1)));
    EXPECT_EQ(DeletePersonalRecord(dlg, kStem, kPersonalExt, 1, true, true).count, 0);
    std::vector<std::string> want(4, kFileInUseMessage);
    want.push_back("Kein Dienstnehmer mit dieser PersonalNr vorhanden!");
    EXPECT_EQ(dlg.messages, want);
  }
  EXPECT_FALSE(PersonalFileCanOpen(""));
}

TEST_F(PersonalStoreTest, FailedRewriteKeepsTheFile) {
  WriteRecords({Person(1), Person(3)});
  auto before = ReadBytes(kFile);
  // A folder where the temporary file must go makes the rewrite fail.
  std::filesystem::create_directory("MUSTER.TMP");
  EXPECT_FALSE(InsertPersonalRecord(dlg, kStem, kPersonalExt, Person(2), true));
  EXPECT_FALSE(DeletePersonalRecord(dlg, kStem, kPersonalExt, 3, true, true).deleted);
  EXPECT_EQ(ReadBytes(kFile), before);
  ASSERT_EQ(dlg.messages.size(), 2u);
  for (const auto& m : dlg.messages) {
    EXPECT_NE(m.find("\"MUSTER.PER\" konnte nicht geschrieben werden"), std::string::npos) << m;
    EXPECT_NE(m.find("unverändert"), std::string::npos);
  }
}

TEST_F(PersonalStoreTest, CutOffTailIsNoRecord) {
  WriteRecords({Person(4)});
  auto bytes = ReadBytes(kFile);
  bytes.resize(bytes.size() + 100, 0xAB);
  WriteBytes(kFile, bytes);
  EXPECT_EQ(NextPersonalNr(dlg, kStem, kPersonalExt), 5);
  EXPECT_TRUE(InsertPersonalRecord(dlg, kStem, kPersonalExt, Person(6), false));
  EXPECT_EQ(ReadBytes(kFile).size(), 2 * kPersonalRecordSize);
  EXPECT_EQ(Keys(), (std::vector<std::int32_t>{4, 6}));
}

TEST_F(PersonalStoreTest, ArbeiterFlag) {
  PersonalRecord a = Person(1);
  a.ArbeiterCheckBoxNeu = true;
  WriteRecords({a, Person(2)});
  EXPECT_TRUE(PersonalIsArbeiter(kStem, 1));
  EXPECT_FALSE(PersonalIsArbeiter(kStem, 2));
  EXPECT_FALSE(PersonalIsArbeiter(kStem, 3));
}

TEST_F(PersonalStoreTest, LongStemsAreNotCut) {
  const std::string stem = "LANGERNAME1234";  // 14 characters
  WriteBytes(stem + ".PER", {});
  WriteBytes("LANGERNAME123.PER", {});  // what a cut name would hit
  EXPECT_TRUE(InsertPersonalRecord(dlg, stem, kPersonalExt, Person(1), false));
  EXPECT_EQ(ReadBytes(stem + ".PER").size(), kPersonalRecordSize);
  EXPECT_TRUE(ReadBytes("LANGERNAME123.PER").empty());
}

TEST_F(PersonalStoreTest, PresentLockRefusesTheWrite) {
  WriteRecords({Person(1)});
  auto before = ReadBytes(kFile);
  WriteBytes("MUSTER.SPE", {'x'});
  {
    LockGuard lock(dlg, kStem, {kLockSPE});
    EXPECT_FALSE(lock);
    if (lock) InsertPersonalRecord(dlg, kStem, kPersonalExt, Person(2), true);
  }
  EXPECT_EQ(dlg.messages, std::vector<std::string>{kLockMessage});
  EXPECT_EQ(ReadBytes(kFile), before);
  EXPECT_EQ(ReadBytes("MUSTER.SPE"), std::vector<std::uint8_t>{'x'});  // not ours to remove
}
