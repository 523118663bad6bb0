#include "store/EinAustritt.h"

#include <array>
#include <cctype>

namespace lohn {

namespace {

// A "T.M.JJJJ" found in a text: its place, its length and its numbers.
struct Fund {
  std::size_t pos = 0, laenge = 0;
  Kalenderdatum datum;
  bool Gueltig() const {
    const Kalenderdatum& d = datum;
    return d.monat >= 1 && d.monat <= 12 && d.tag >= 1 && d.tag <= MonatsLaenge(d.jahr, d.monat);
  }
};

// The first date-shaped text from `ab` on; none when there is none. A date
// begins where no digit or point stands before it and ends where no digit
// follows its four-digit year.
std::optional<Fund> NaechstesDatum(std::string_view text, std::size_t ab) {
  const std::size_t n = text.size();
  auto ziffer = [&](std::size_t i) {
    return i < n && std::isdigit(static_cast<unsigned char>(text[i])) != 0;
  };
  // The digits from i on, at most `max`; their count, 0 when none.
  auto zahl = [&](std::size_t i, std::size_t max, int& wert) {
    std::size_t k = 0;
    wert = 0;
    while (k < max && ziffer(i + k)) wert = wert * 10 + (text[i + k++] - '0');
    return k;
  };
  for (std::size_t i = ab; i < n; ++i) {
    if (!ziffer(i) || (i > 0 && (ziffer(i - 1) || text[i - 1] == '.'))) continue;
    Fund f{i, 0, {}};
    std::size_t p = i, k = zahl(p, 2, f.datum.tag);
    if (k == 0 || p + k >= n || text[p + k] != '.') continue;
    p += k + 1;
    k = zahl(p, 2, f.datum.monat);
    if (k == 0 || p + k >= n || text[p + k] != '.') continue;
    p += k + 1;
    if (zahl(p, 4, f.datum.jahr) != 4 || ziffer(p + 4)) continue;
    f.laenge = p + 4 - i;
    return f;
  }
  return std::nullopt;
}

std::optional<Kalenderdatum> ErstesDatum(std::string_view text) {
  const auto f = NaechstesDatum(text, 0);
  if (f && f->Gueltig()) return f->datum;
  return std::nullopt;
}

}  // namespace

EinAustritt LeseEinAustritt(std::string_view text) {
  const std::size_t strich = text.find('-');
  EinAustritt e;
  e.eintritt = ErstesDatum(text.substr(0, strich));
  if (strich != std::string_view::npos) e.austritt = ErstesDatum(text.substr(strich + 1));
  return e;
}

std::string UnmoeglichesDatum(std::string_view text) {
  for (auto f = NaechstesDatum(text, 0); f; f = NaechstesDatum(text, f->pos + f->laenge))
    if (!f->Gueltig()) return std::string(text.substr(f->pos, f->laenge));
  return {};
}

bool AusserhalbDerBeschaeftigung(const EinAustritt& e, int jahr, int monat) {
  const int erster = (jahr * 100 + monat) * 100 + 1;
  const int letzter = (jahr * 100 + monat) * 100 + MonatsLaenge(jahr, monat);
  return (e.eintritt && letzter < e.eintritt->Zahl()) ||
         (e.austritt && erster > e.austritt->Zahl());
}

int MonatsLaenge(int jahr, int monat) {
  static constexpr std::array<int, 12> kTage{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (monat < 1 || monat > 12) return 31;
  const bool schaltjahr = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
  return monat == 2 && schaltjahr ? 29 : kTage[std::size_t(monat - 1)];
}

}  // namespace lohn
