#include "reports/BerichtText.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "frame/HauptmenueLogik.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"
#include "store/RecordFile.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

// As bytes of the vector's own type, so that the insert is one memmove.
void Anhaengen(std::vector<std::uint8_t>& out, std::string_view s) {
  const auto* b = reinterpret_cast<const std::uint8_t*>(s.data());
  out.insert(out.end(), b, b + s.size());
}

}  // namespace

BerichtText::BerichtText(std::size_t teil) : teil_(teil) {}

BerichtText::~BerichtText() = default;
BerichtText::BerichtText(BerichtText&&) noexcept = default;
BerichtText& BerichtText::operator=(BerichtText&&) noexcept = default;

DateiInTeilen& BerichtText::Datei() {
  if (!datei_) datei_ = std::make_unique<DateiInTeilen>(kReportFileName);
  return *datei_;
}

void BerichtText::Weiter() {
  if (inhalt_.size() < teil_) return;
  Datei().Anhaengen(inhalt_.data(), inhalt_.size());
  inhalt_.clear();
}

void BerichtText::Uebernehmen(std::span<BerichtText> teile) {
  static const std::uint8_t kSeite = '\f';
  std::vector<std::span<const std::uint8_t>> stuecke{inhalt_};
  std::size_t summe = inhalt_.size();
  for (BerichtText& teil : teile) {
    if (!teil.inhalt_.empty()) {
      // One page break before the part's first line, which may bring its own.
      if (seitenwechsel_ && teil.inhalt_.front() != '\f') {
        stuecke.push_back({&kSeite, 1});
        ++summe;
      }
      seitenwechsel_ = false;
      stuecke.push_back(teil.inhalt_);
      summe += teil.inhalt_.size();
      zeilen_ += teil.zeilen_;
    }
    seitenwechsel_ = seitenwechsel_ || teil.seitenwechsel_;
  }
  if (summe < teil_) {
    for (std::size_t i = 1; i < stuecke.size(); ++i)
      inhalt_.insert(inhalt_.end(), stuecke[i].begin(), stuecke[i].end());
  } else {
    Datei().Anhaengen(stuecke);
    inhalt_.clear();
  }
  for (BerichtText& teil : teile) {
    teil.inhalt_.clear();
    teil.zeilen_ = 0;
    teil.seitenwechsel_ = false;
  }
}

void BerichtText::Zeile(std::string_view text) {
  if (seitenwechsel_) inhalt_.push_back('\f');
  seitenwechsel_ = false;
  // Stored texts (names, addresses) may hold a tab or a line break; only the
  // writer itself ends lines and starts pages. A line of printable ASCII,
  // nearly every one, is its own Windows-1252 text: taken as it stands it
  // saves about a twelfth of the wage accounts' time.
  const bool schlicht = std::all_of(text.begin(), text.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x20 && b < 0x7F;
  });
  if (schlicht)
    Anhaengen(inhalt_, text);
  else
    AppendCp1252(inhalt_, OhneSteuerzeichen(text));
  Anhaengen(inhalt_, "\r\n");
  ++zeilen_;
  Weiter();
}

void BerichtText::Seitenwechsel() { seitenwechsel_ = true; }

void BerichtText::KopfBlock(const std::vector<std::string>& zeilen, std::size_t breite) {
  const std::string regel(breite, '_');
  Zeile(regel);
  for (const std::string& z : zeilen) Zeile(z);
  Zeile(regel);
}

bool BerichtText::Schreiben(AppState& state) {
  if (seitenwechsel_) Anhaengen(inhalt_, "\f\r\n");
  seitenwechsel_ = false;
  Datei().Anhaengen(inhalt_.data(), inhalt_.size());
  inhalt_.clear();
  const int err = datei_->Fertig();
  if (err == 0) return true;
  state.dialogs().ShowMessage(CreateFailedMessage(kReportFileName, err));
  return false;
}

std::string BerichtText::A(double value, int w) { return FloatToStrFixed(value, 15, 2, '.', w); }

void BerichtText::A(std::string& zeile, double value, int w) {
  AppendFloatFixed(zeile, value, 15, 2, '.', w);
}

std::string BerichtText::Genau(double value, int w) {
  int stellen = 2;
  if (std::isfinite(value) && std::fabs(value) < 1e11) {
    const auto zehntausendstel = std::llround(value * 10000);
    if (zehntausendstel % 10 != 0)
      stellen = 4;
    else if (zehntausendstel % 100 != 0)
      stellen = 3;
  }
  return FloatToStrFixed(value, 15, stellen, '.', w);
}

std::string BerichtText::I(long long value, int w) {
  char puffer[24];
  char* const end = puffer + sizeof puffer;
  const auto betrag = value < 0 ? 0 - static_cast<unsigned long long>(value)
                                : static_cast<unsigned long long>(value);
  char* p = PutDigitsBack(end, betrag);
  if (value < 0) *--p = '-';
  const auto laenge = std::size_t(end - p);
  std::string s(laenge < std::size_t(std::max(w, 0)) ? std::size_t(w) - laenge : 0, ' ');
  return s.append(p, laenge);
}

std::string BerichtText::Zelle(std::string_view text) {
  if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
  std::string s = "\"";
  for (char c : text) {
    if (c == '"') s += '"';
    s += c;
  }
  return s + '"';
}

bool DatendateienVerwendbar(AppState& state, const std::string& stem, bool mitAbrechnungen) {
  if (FileInUse(DataFileName(stem, "PER"))) {
    state.dialogs().ShowMessage(
        FileInUseMessage(DataFileName(stem, "PER"), kPersonaldateiVerwendet));
    return false;
  }
  if (mitAbrechnungen && FileInUse(DataFileName(stem, "ABR"))) {
    state.dialogs().ShowMessage(
        FileInUseMessage(DataFileName(stem, "ABR"), kAbrechnungsdateiVerwendet));
    return false;
  }
  return true;
}

}  // namespace lohn
