#include "reports/DgaDaten.h"

#include <cerrno>
#include <chrono>
#include <optional>
#include <vector>

#include "reports/BerichtKontext.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"
#include "store/RecordFile.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

constexpr int kBefreit = 1, kPflichtig = 2, kBeitrag = 3, kWochen = 4, kAbzug = 5;

int Reihe(int feld) { return (feld - 1) / kDgaMonate + 1; }

// The levy and the weeks are amounts ("4,33" weeks a month); the counts are
// whole numbers.
std::string Gefiltert(int reihe, std::string_view text) {
  return reihe == kBeitrag || reihe == kWochen ? FilterNumber(text) : FilterDigits(text);
}

// The ";"-separated values of a small settings file; nothing when it is
// missing, nothing after the message when it cannot be read.
std::optional<std::vector<std::string>> DateiWerte(AppState& state, const std::string& datei) {
  if (!FileExists(datei)) return std::nullopt;
  int err = 0;
  auto text = ReadTextFileUtf8(datei, &err);
  if (!text) {
    state.dialogs().ShowMessage(ReadFailedMessage(datei, err ? err : EIO));
    return std::nullopt;
  }
  std::vector<std::string> werte;
  std::size_t von = 0;
  for (;;) {
    const std::size_t bis = text->find(';', von);
    werte.emplace_back(TrimBlanks(std::string_view(*text).substr(von, bis - von)));
    if (bis == std::string::npos) break;
    von = bis + 1;
  }
  return werte;
}

}  // namespace

std::string DgaOptDatei(const std::string& stem) { return stem + "DGAOpt.dat"; }

int SonntageImMonat(int jahr, int monat) {
  using namespace std::chrono;
  const year_month ym{year{jahr}, month{unsigned(monat)}};
  const unsigned tage = unsigned(year_month_day_last{ym / last}.day());
  const unsigned wochentag = weekday{sys_days{ym / 1}}.c_encoding();  // 0 = Sunday
  const unsigned ersterSonntag = 1 + (7 - wochentag) % 7;
  return int((tage - ersterSonntag) / 7 + 1);
}

DgaDaten::DgaDaten(int jahr) {
  for (int m = 1; m <= kDgaMonate; ++m) {
    texte_[Feld(kBefreit, m) - 1] = "0";
    texte_[Feld(kPflichtig, m) - 1] = "1";
    texte_[Feld(kBeitrag, m) - 1] = "2,00";
    texte_[Feld(kWochen, m) - 1] = std::to_string(SonntageImMonat(jahr, m));
    texte_[Feld(kAbzug, m) - 1] = "0";
  }
}

void DgaDaten::Setze(int feld, std::string text) {
  std::string& t = texte_.at(feld - 1);
  if (t == text) return;
  t = std::move(text);
  if (beobachter) beobachter(feld);
}

void DgaDaten::SetText(int feld, std::string_view text) {
  const int reihe = Reihe(feld);
  std::string gefiltert = Gefiltert(reihe, text);
  // The first three series carry a month's value on to the end of the year.
  const int bis = reihe <= kBeitrag ? Feld(reihe, kDgaMonate) : feld;
  for (int f = feld; f <= bis; ++f) Setze(f, gefiltert);
}

void DgaDaten::FeldVerlassen(int feld) const {
  if (Reihe(feld) == kBeitrag || Reihe(feld) == kWochen) StrToFloat(Text(feld));
}

int DgaDaten::ErstesUngueltiges() const {
  for (int f = 1; f <= kDgaFelder; ++f) {
    try {
      StrToFloat(Text(f));
    } catch (const ConversionError&) {
      return f;
    }
  }
  return 0;
}

void DgaDaten::Laden(AppState& state, const std::string& stem, int jahr) {
  if (auto werte = DateiWerte(state, DgaOptDatei(stem))) {
    for (int f = 1; f <= kDgaFelder && std::size_t(f) <= werte->size(); ++f)
      Setze(f, Gefiltert(Reihe(f), (*werte)[f - 1]));
  }
  // The monthly files hold: employees, weeks, weeks deducted, levy, exempt.
  constexpr int kReihen[] = {kPflichtig, kWochen, kAbzug, kBeitrag, kBefreit};
  for (int m = 1; m <= kDgaMonate; ++m) {
    auto werte = DateiWerte(state, DgaOptionenDatei(stem, jahr, m));
    if (!werte) continue;
    for (std::size_t i = 0; i < std::size(kReihen) && i < werte->size(); ++i)
      SetText(Feld(kReihen[i], m), (*werte)[i]);
  }
}

std::string DgaDaten::Zeile() const {
  std::string zeile = texte_[0];
  for (int f = 2; f <= kDgaFelder; ++f) zeile += ";" + texte_[f - 1];
  return zeile;
}

bool DgaDaten::Speichern(AppState& state, const std::string& stem) const {
  // The municipal return reads these texts as amounts: no file that it
  // could not convert.
  try {
    Werte();
  } catch (const ConversionError& e) {
    state.dialogs().ShowMessage(e.what());
    return false;
  }
  const std::string datei = DgaOptDatei(stem);
  const std::string zeile = Utf8ToCp1252(Zeile());
  int err = 0;
  if (WriteFileAtomic(datei, Bytes(zeile.begin(), zeile.end()), &err)) return true;
  state.dialogs().ShowMessage(CreateFailedMessage(datei, err));
  return false;
}

DgaWerte DgaDaten::Werte() const {
  DgaWerte werte{};
  for (int f = 1; f <= kDgaFelder; ++f) werte[f - 1] = StrToFloat(Text(f));
  return werte;
}

bool DgaDatenErfassen(AppState& state, const std::function<void(DgaDaten&)>& zeigen,
                      const std::string& stem, int jahr, DgaWerte& werte) {
  DgaDaten daten(state.year.year);
  daten.Laden(state, stem, jahr);
  if (zeigen) zeigen(daten);
  try {
    werte = daten.Werte();
  } catch (const ConversionError& e) {
    state.dialogs().ShowMessage(e.what());
    return false;
  }
  return true;
}

}  // namespace lohn
