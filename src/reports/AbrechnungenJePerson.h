#pragma once
// One pass over the payroll file for the reports: every record the key
// filter accepts becomes the caller's compact row; a later record of the
// same key (Personal-Nr, month, year, Teilabrechnung) replaces the earlier
// row, as the store itself counts only the last one. The rows come back per
// Personal-Nr, in the file order of the records kept. Only the fields the
// report names are unpacked.

#include <algorithm>
#include <array>
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

 private:
  template <class Z>
  friend bool AbrechnungenJePerson(
      const std::string&, const std::string&, const AbrechnungFelder&,
      const std::function<bool(const AbrechnungKey&)>&,
      const std::function<std::optional<Z>(const AbrechnungRecord&, const std::uint8_t*)>&,
      ZeilenJePerson<Z>&);
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
  constexpr std::uint32_t kKeine = ~std::uint32_t(0);
  struct Eintrag {
    AbrechnungKey key;
    std::uint32_t zeile;  // into `zeilen`; kKeine: refused or replaced
  };
  std::vector<Eintrag> eintraege;
  std::vector<Zeile> zeilen;
  aus.clear();
  // Room for every record at once: growing moves every row again, and the
  // pages of a large vector are fresh ones each time.
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

  // Grouped by Personal-Nr, file order kept within a group; within each
  // group an entry whose key comes again later is dropped.
  // A stable radix sort on the number, a byte at a time from the lowest;
  // a byte that all numbers share (the upper ones, mostly) costs one count.
  {
    std::vector<Eintrag> puffer(eintraege.size());
    auto byte = [](const Eintrag& e, int shift) {
      return (static_cast<std::uint32_t>(e.key.PersNr) ^ 0x80000000u) >> shift & 0xFFu;
    };
    for (int shift = 0; shift < 32; shift += 8) {
      std::array<std::size_t, 256> anfang{};
      for (const Eintrag& e : eintraege) ++anfang[byte(e, shift)];
      if (std::find(anfang.begin(), anfang.end(), eintraege.size()) != anfang.end()) continue;
      std::size_t summe = 0;
      for (std::size_t& a : anfang) summe += std::exchange(a, summe);
      for (const Eintrag& e : eintraege) puffer[anfang[byte(e, shift)]++] = e;
      eintraege.swap(puffer);
    }
  }
  // The rows' new order: the kept ones grouped, the others behind them.
  std::vector<std::uint32_t> reihe;
  reihe.reserve(zeilen.size());
  std::vector<std::size_t> anfaenge, folge;
  for (std::size_t a = 0, b = 0; a < eintraege.size(); a = b) {
    const std::int32_t nr = eintraege[a].key.PersNr;
    while (b < eintraege.size() && eintraege[b].key.PersNr == nr) ++b;
    // The group's entries by key, file order kept among equal keys: of each
    // run of one key only its last entry stays.
    folge.resize(b - a);
    for (std::size_t i = 0; i < folge.size(); ++i) folge[i] = a + i;
    auto rang = [&](std::size_t i) {
      const AbrechnungKey& k = eintraege[i].key;
      return std::tuple(k.Jahr, k.Monat, k.Teilabrechnung);
    };
    auto vor = [&](std::size_t x, std::size_t y) { return rang(x) < rang(y); };
    if (folge.size() > 32) {
      std::stable_sort(folge.begin(), folge.end(), vor);
    } else {  // a year's months and their parts: sorted in place, stable
      for (std::size_t i = 1; i < folge.size(); ++i)
        for (std::size_t j = i; j > 0 && vor(folge[j], folge[j - 1]); --j)
          std::swap(folge[j], folge[j - 1]);
    }
    for (std::size_t i = 0; i + 1 < folge.size(); ++i)
      if (rang(folge[i]) == rang(folge[i + 1])) eintraege[folge[i]].zeile = kKeine;
    const std::size_t anfang = reihe.size();
    for (std::size_t i = a; i < b; ++i)
      if (eintraege[i].zeile != kKeine) reihe.push_back(eintraege[i].zeile);
    if (reihe.size() == anfang) continue;
    aus.personen_.push_back({nr, {}});
    anfaenge.push_back(anfang);
  }
  const std::size_t behalten = reihe.size();
  {
    std::vector<bool> genommen(zeilen.size());
    for (std::uint32_t z : reihe) genommen[z] = true;
    for (std::uint32_t z = 0; z < zeilen.size(); ++z)
      if (!genommen[z]) reihe.push_back(z);
  }
  // Moved into that order in place, cycle by cycle: no second copy of the
  // rows, whose fresh pages would cost more than the moves.
  std::vector<bool> fertig(zeilen.size());
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (fertig[i] || reihe[i] == i) continue;
    Zeile halten = std::move(zeilen[i]);
    std::size_t j = i;
    for (std::size_t n = reihe[j]; n != i; j = n, n = reihe[j]) {
      zeilen[j] = std::move(zeilen[n]);
      fertig[j] = true;
    }
    zeilen[j] = std::move(halten);
    fertig[j] = true;
  }
  zeilen.erase(zeilen.begin() + std::ptrdiff_t(behalten), zeilen.end());
  aus.zeilen_ = std::move(zeilen);
  // The spans once the rows no longer move.
  anfaenge.push_back(aus.zeilen_.size());
  for (std::size_t p = 0; p < aus.personen_.size(); ++p)
    aus.personen_[p].second = {aus.zeilen_.data() + anfaenge[p], anfaenge[p + 1] - anfaenge[p]};
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
