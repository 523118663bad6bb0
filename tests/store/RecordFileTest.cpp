// The streamed rewrites of RecordFile on files larger than one read buffer
// (4 MiB), so that records on both sides of a buffer boundary are covered.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>

#include "store/RecordFile.h"
#include "support/Fakes.h"

using namespace lohn;
using testing_support::FakeDialogs;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::WriteBytes;

namespace {

constexpr std::size_t kSize = 1000;      // 4194 records per buffer
constexpr std::size_t kBoundary = 4194;  // first record of the second buffer
constexpr std::size_t kBig = kBoundary + 10;
const std::string kFile = "T.DAT", kTemp = "T.TMP";

// Record i: key at 0, the index as a stamp at 4, and filler.
std::vector<std::uint8_t> Image(std::int32_t key, std::size_t i) {
  std::vector<std::uint8_t> rec(kSize, std::uint8_t(i * 7));
  PutInt32(rec.data(), 0, key);
  PutInt32(rec.data(), 4, std::int32_t(i));
  return rec;
}

// n records with key 2 * (i + 1), except key -1 at the marked places.
std::vector<std::uint8_t> File(std::size_t n, const std::vector<std::size_t>& marked = {},
                               std::size_t tail = 0, std::vector<std::uint8_t>* kept = nullptr) {
  std::vector<std::uint8_t> all;
  for (std::size_t i = 0; i < n; ++i) {
    bool mark = std::find(marked.begin(), marked.end(), i) != marked.end();
    auto rec = Image(mark ? -1 : std::int32_t(2 * (i + 1)), i);
    all.insert(all.end(), rec.begin(), rec.end());
    if (kept && !mark) kept->insert(kept->end(), rec.begin(), rec.end());
  }
  all.resize(all.size() + tail, 0xEE);
  return all;
}

}  // namespace

TEST(RecordFile, DeletesStreamThroughTheBuffer) {
  struct Fall {
    const char* name;
    std::size_t n;
    std::vector<std::size_t> marked;
    bool doDelete;
    std::size_t tail = 0;
    rlim_t sizeLimit = RLIM_INFINITY;  // a write that fails half-way
  };
  const Fall faelle[] = {
      {"nothing matches: not rewritten", kBig, {}, true},
      {"count only", kBig, {5, kBoundary}, false},
      {"first, last and around a boundary, with duplicates",
       kBig,
       {0, kBoundary - 1, kBoundary, kBig - 1},
       true},
      {"every record", 3, {0, 1, 2}, true},
      {"a cut-off tail is not copied", 5, {2}, true, 100},
      {"write fails half-way: file unchanged", kBig, {kBoundary}, true, 0, 2 << 20},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    TempWorkDir dir;
    FakeDialogs dlg;
    std::vector<std::uint8_t> kept;
    const auto before = File(f.n, f.marked, f.tail, &kept);
    WriteBytes(kFile, before);
    const auto stamp = std::filesystem::last_write_time(kFile) - std::chrono::hours(1);
    std::filesystem::last_write_time(kFile, stamp);

    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit lim = {f.sizeLimit, old.rlim_max};
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &lim);
    DeleteResult r = CountAndDelete(
        dlg, RecordFile(kFile, kSize), kTemp,
        [](const std::uint8_t* rec) { return GetInt32(rec, 0) == -1; }, f.doDelete);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    const bool fails = f.sizeLimit != RLIM_INFINITY;
    EXPECT_EQ(r.count, int(f.marked.size()));
    EXPECT_EQ(r.failed, fails);
    EXPECT_EQ(r.deleted, f.doDelete && !f.marked.empty() && !fails);
    EXPECT_FALSE(std::filesystem::exists(kTemp));
    if (r.deleted) {
      EXPECT_TRUE(ReadBytes(kFile) == kept);
    } else {
      EXPECT_TRUE(ReadBytes(kFile) == before);
      EXPECT_EQ(std::filesystem::last_write_time(kFile), stamp);
    }
    EXPECT_EQ(dlg.messages.size(), fails ? 1u : 0u);
  }
}

TEST(RecordFile, InsertsStreamThroughTheBuffer) {
  // Keys 2, 4, ...: an odd key goes behind the last smaller one.
  const struct {
    std::int32_t key;
    std::optional<std::size_t> at;  // none: the key is there already
  } faelle[] = {{1, 0}, {2 * kBoundary + 1, kBoundary}, {2 * kBig + 1, kBig}, {8, std::nullopt}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.key);
    TempWorkDir dir;
    FakeDialogs dlg;
    auto bytes = File(kBig);
    WriteBytes(kFile, bytes);
    const auto rec = Image(f.key, 99999);
    Inserted done = InsertInKeyOrder(
        dlg, RecordFile(kFile, kSize), kTemp,
        [](const std::uint8_t* r) { return std::int64_t(GetInt32(r, 0)); }, rec.data());
    EXPECT_EQ(done, f.at ? Inserted::kYes : Inserted::kKeyExists);
    if (f.at) bytes.insert(bytes.begin() + std::ptrdiff_t(*f.at * kSize), rec.begin(), rec.end());
    EXPECT_TRUE(ReadBytes(kFile) == bytes);
    EXPECT_FALSE(std::filesystem::exists(kTemp));
    EXPECT_TRUE(dlg.messages.empty());
  }
}

// The last match is searched from the end: marks on both sides of the
// backward read's 1 MiB runs (1048 records), a cut-off tail ignored.
TEST(RecordFile, FindLastFromTheEnd) {
  struct Fall {
    std::vector<std::size_t> marked;
    std::size_t tail;
    std::optional<std::size_t> last;
  } faelle[] = {{{3, 1047, 1048}, 0, 1048},
                {{3, 1047}, 500, 1047},
                {{0}, 999, 0},
                {{kBig - 1, 2}, 0, kBig - 1},
                {{}, 7, std::nullopt}};
  for (const Fall& f : faelle) {
    TempWorkDir dir;
    WriteBytes(kFile, File(kBig, f.marked, f.tail));
    int err = -1;
    auto found = RecordFile(kFile, kSize)
                     .FindLast([](const std::uint8_t* r) { return GetInt32(r, 0) == -1; }, &err);
    EXPECT_EQ(err, 0);
    ASSERT_EQ(found.has_value(), f.last.has_value());
    if (!found) continue;
    EXPECT_EQ(found->index, *f.last);
    EXPECT_EQ(std::size_t(GetInt32(found->bytes.data(), 4)), *f.last);
  }
  int err = 0;
  EXPECT_FALSE(
      RecordFile("fehlt.DAT", kSize).FindLast([](const std::uint8_t*) { return true; }, &err));
  EXPECT_EQ(err, ENOENT);
}
