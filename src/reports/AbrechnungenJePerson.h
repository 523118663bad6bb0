#pragma once
// One pass over the payroll file for the reports: every record the key
// filter accepts becomes the caller's compact row; a later record of the
// same key (Personal-Nr, month, year, Teilabrechnung) replaces the earlier
// row, as the store itself counts only the last one. The rows come back per
// Personal-Nr, in the file order of the records kept.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "store/AbrechnungStore.h"

namespace lohn {

template <class Zeile>
using ZeilenJePerson = std::map<std::int32_t, std::vector<Zeile>>;

// `zeile` makes the row of a record the filter accepted; when it gives
// nothing (a test on the record itself failed, such as a cost centre), the
// key counts as absent: an earlier record of that key is dropped as well.
// False when the file cannot be opened or read; `aus` is then empty.
template <class Zeile>
bool AbrechnungenJePerson(const std::string& stem, const std::string& ext,
                          const std::function<bool(const AbrechnungKey&)>& filter,
                          const std::function<std::optional<Zeile>(const AbrechnungRecord&)>& zeile,
                          ZeilenJePerson<Zeile>& aus) {
  struct SchluesselHash {
    std::size_t operator()(const AbrechnungKey& k) const {
      std::uint64_t h = std::uint32_t(k.PersNr);
      h = h * 0x9E3779B97F4A7C15ull + std::uint32_t(k.Monat);
      h = h * 0x9E3779B97F4A7C15ull + std::uint32_t(k.Jahr);
      h = h * 0x9E3779B97F4A7C15ull + std::uint32_t(k.Teilabrechnung);
      return std::size_t(h ^ (h >> 29));
    }
  };
  struct Eintrag {
    std::int32_t persNr;
    std::optional<Zeile> zeile;  // empty once replaced or refused
  };
  std::vector<Eintrag> eintraege;
  std::unordered_map<AbrechnungKey, std::size_t, SchluesselHash> letzter;
  aus.clear();
  const bool ok = ScanAbrechnungRecords(
      stem, ext,
      [&](const AbrechnungRecord& r) {
        const AbrechnungKey k = AbrechnungKeyOf(r);
        auto [it, neu] = letzter.try_emplace(k, eintraege.size());
        if (!neu) {
          eintraege[it->second].zeile.reset();
          it->second = eintraege.size();
        }
        eintraege.push_back({k.PersNr, zeile(r)});
      },
      filter);
  if (!ok) return false;
  for (Eintrag& e : eintraege)
    if (e.zeile) aus[e.persNr].push_back(std::move(*e.zeile));
  return true;
}

}  // namespace lohn
