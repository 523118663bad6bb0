#pragma once
// One pass over the payroll file for the reports: every record the key
// filter accepts becomes the caller's compact row; a later record of the
// same key (Personal-Nr, month, year, Teilabrechnung) replaces the earlier
// row, as the store itself counts only the last one. The rows come back per
// Personal-Nr, in the file order of the records kept. Only the fields the
// report names are unpacked.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

#include "store/AbrechnungStore.h"

namespace lohn {

namespace abrechnungen_je_person {

// A record read: its key and its row, in file order (kKeine: the row
// function gave nothing).
inline constexpr std::uint32_t kKeine = ~std::uint32_t(0);
struct Eintrag {
  AbrechnungKey key;
  std::uint32_t zeile;
};

// The rows that stand, as (Personal-Nr, row) ascending: of the records of
// one key only the last counts, and only when it made a row. The rows are
// numbered in file order, so an employee's come in the file order of the
// records kept.
inline std::vector<std::pair<std::int32_t, std::uint32_t>> Behalten(
    std::vector<Eintrag>& eintraege) {
  auto rang = [](const Eintrag& e) {
    return std::tuple(e.key.PersNr, e.key.Jahr, e.key.Monat, e.key.Teilabrechnung);
  };
  // Stable: the records of one key stay in file order, the last one last.
  std::stable_sort(eintraege.begin(), eintraege.end(),
                   [&](const Eintrag& a, const Eintrag& b) { return rang(a) < rang(b); });
  std::vector<std::pair<std::int32_t, std::uint32_t>> behalten;
  behalten.reserve(eintraege.size());
  std::size_t person = 0;  // where the employee's rows begin
  for (std::size_t i = 0; i < eintraege.size(); ++i) {
    const bool letzter = i + 1 == eintraege.size();
    if ((letzter || rang(eintraege[i]) != rang(eintraege[i + 1])) && eintraege[i].zeile != kKeine)
      behalten.push_back({eintraege[i].key.PersNr, eintraege[i].zeile});
    // An employee's rows from key order into file order (mostly the same).
    if (letzter || eintraege[i].key.PersNr != eintraege[i + 1].key.PersNr) {
      std::sort(behalten.begin() + std::ptrdiff_t(person), behalten.end());
      person = behalten.size();
    }
  }
  return behalten;
}

}  // namespace abrechnungen_je_person

// The rows per Personal-Nr, ascending: one vector of rows grouped by
// employee and a sorted index over the groups.
template <class Zeile>
class ZeilenJePerson {
 public:
  using value_type = std::pair<std::int32_t, std::span<const Zeile>>;
  using const_iterator = typename std::vector<value_type>::const_iterator;

  const_iterator begin() const { return personen_.begin(); }
  const_iterator end() const { return personen_.end(); }
  std::size_t size() const { return personen_.size(); }
  bool empty() const { return personen_.empty(); }
  const_iterator find(std::int32_t persNr) const {
    auto it = std::lower_bound(personen_.begin(), personen_.end(), persNr,
                               [](const value_type& p, std::int32_t nr) { return p.first < nr; });
    return it != personen_.end() && it->first == persNr ? it : personen_.end();
  }
  // An employee's rows; none when there are none.
  std::span<const Zeile> operator[](std::int32_t persNr) const {
    const auto it = find(persNr);
    return it == end() ? std::span<const Zeile>() : it->second;
  }
  void clear() {
    personen_.clear();
    zeilen_.clear();
  }
  // The rows `behalten` names, (Personal-Nr, index into `zeilen`) in
  // ascending order, taken out of `zeilen`.
  void Fuellen(std::vector<Zeile>& zeilen,
               const std::vector<std::pair<std::int32_t, std::uint32_t>>& behalten) {
    clear();
    // The row each place takes: the kept ones in that order, the others
    // behind them.
    std::vector<std::uint32_t> quelle;
    quelle.reserve(zeilen.size());
    std::vector<bool> genommen(zeilen.size());
    for (const auto& [nr, z] : behalten) {
      quelle.push_back(z);
      genommen[z] = true;
    }
    for (std::uint32_t z = 0; z < zeilen.size(); ++z)
      if (!genommen[z]) quelle.push_back(z);
    // Moved there in place, cycle by cycle, each row once: a second vector
    // of the rows would take fresh pages, which cost more than the moves.
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
      if (quelle[i] == i) continue;
      Zeile halten = std::move(zeilen[i]);
      std::size_t j = i;
      for (std::size_t q; (q = quelle[j]) != i; j = q) {
        zeilen[j] = std::move(zeilen[q]);
        quelle[j] = std::uint32_t(j);
      }
      zeilen[j] = std::move(halten);
      quelle[j] = std::uint32_t(j);
    }
    zeilen.erase(zeilen.begin() + std::ptrdiff_t(behalten.size()), zeilen.end());
    zeilen_ = std::move(zeilen);
    // The spans once the rows no longer move.
    for (std::size_t a = 0, b = 0; a < behalten.size(); a = b) {
      while (b < behalten.size() && behalten[b].first == behalten[a].first) ++b;
      personen_.push_back({behalten[a].first, {zeilen_.data() + a, b - a}});
    }
  }

 private:
  std::vector<Zeile> zeilen_;
  std::vector<value_type> personen_;
};

// `zeile` makes the row of a record the filter accepted, reading only the
// fields of `felder` (the others read 0); when it gives nothing (a test on
// the record itself failed, such as a cost centre), the key counts as
// absent: an earlier record of that key is dropped as well. A row that
// keeps more than a few fields takes them from the image, the second
// argument. False when the file cannot be opened or read; `aus` is then
// empty.
template <class Zeile>
bool AbrechnungenJePerson(
    const std::string& stem, const std::string& ext, const AbrechnungFelder& felder,
    const std::function<bool(const AbrechnungKey&)>& filter,
    const std::function<std::optional<Zeile>(const AbrechnungRecord&, const std::uint8_t*)>& zeile,
    ZeilenJePerson<Zeile>& aus) {
  using namespace abrechnungen_je_person;
  aus.clear();
  std::vector<Eintrag> eintraege;
  std::vector<Zeile> zeilen;
  // Room for every record at once: growing moves every row again.
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(DataFileName(stem, ext), ec);
  if (!ec) {
    eintraege.reserve(std::size_t(bytes / kAbrechnungRecordSize));
    zeilen.reserve(std::size_t(bytes / kAbrechnungRecordSize));
  }
  const bool ok = ScanAbrechnungRecords(
      stem, ext, felder,
      [&](const AbrechnungRecord& r, const std::uint8_t* bild) {
        std::optional<Zeile> z = zeile(r, bild);
        eintraege.push_back({AbrechnungKeyOf(r), z ? std::uint32_t(zeilen.size()) : kKeine});
        if (z) zeilen.push_back(std::move(*z));
      },
      filter);
  if (!ok) return false;
  aus.Fuellen(zeilen, Behalten(eintraege));
  return true;
}

template <class Zeile>
bool AbrechnungenJePerson(const std::string& stem, const std::string& ext,
                          const AbrechnungFelder& felder,
                          const std::function<bool(const AbrechnungKey&)>& filter,
                          const std::function<std::optional<Zeile>(const AbrechnungRecord&)>& zeile,
                          ZeilenJePerson<Zeile>& aus) {
  return AbrechnungenJePerson<Zeile>(
      stem, ext, felder, filter,
      [&](const AbrechnungRecord& r, const std::uint8_t*) { return zeile(r); }, aus);
}

}  // namespace lohn
