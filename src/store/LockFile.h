#pragma once
// The employer's lock files: <stem>.SPE, .SAB, .SAD (and .SST, .SKO of the
// site and cost-centre programs). A lock file exists exactly while an
// operation writes the employer's data; its one line of content is never read.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dialogs.h"

namespace lohn {

inline constexpr const char* kLockSPE = "SPE";  // guards <stem>.PER
inline constexpr const char* kLockSAB = "SAB";  // guards <stem>.ABR
inline constexpr const char* kLockSAD = "SAD";  // guards <stem>.ADR
inline constexpr const char* kLockSST = "SST";  // <stem>.STO, site-data program
inline constexpr const char* kLockSKO = "SKO";  // <stem>.KOR, cost-centre program
// All of them, in the order "Lohndaten freigeben" deletes them.
inline constexpr std::array<const char*, 5> kAllLockExts{kLockSAB, kLockSAD, kLockSPE, kLockSST,
                                                         kLockSKO};

// The lines written into the lock files.
inline constexpr const char* kLockLineDaten = "Daten (Typ) bearbeiten";
inline constexpr const char* kLockLineKonto = "Konto anlegen / ´ändern";

// Shown when a lock file is present.
extern const char* const kLockMessage;

std::string LockFileName(std::string_view stem, std::string_view ext);
bool LockFilePresent(std::string_view stem, std::string_view ext);

// Takes the lock files of `stem` for the listed extensions. When any of them
// exists already, shows kLockMessage and takes none. Each file is created
// exclusively (another process creating it in between counts as present), and
// every file this guard created is removed when it goes out of scope,
// exceptions included.
class LockGuard {
 public:
  LockGuard(platform::Dialogs& dialogs, std::string_view stem,
            std::initializer_list<std::string_view> exts, std::string_view line = kLockLineDaten);
  ~LockGuard();
  LockGuard(const LockGuard&) = delete;
  LockGuard& operator=(const LockGuard&) = delete;

  bool held() const { return held_; }
  explicit operator bool() const { return held_; }

  // Removes the lock files now instead of at the end of the scope.
  void Release();

 private:
  std::vector<std::string> created_;
  bool held_ = false;
};

// "Lohndaten freigeben": deletes those of .SAB, .SAD, .SPE, .SST, .SKO that
// exist, in this order. False when a deletion failed.
bool ReleaseAllLockFiles(std::string_view stem);

}  // namespace lohn
