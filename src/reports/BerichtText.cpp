#include "reports/BerichtText.h"

#include <string>

#include "frame/HauptmenueLogik.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"
#include "store/RecordFile.h"
#include "store/TextRoutines.h"

namespace lohn {

void BerichtText::Zeile(std::string_view text) {
  if (seitenwechsel_) inhalt_ += '\f';
  seitenwechsel_ = false;
  // Stored texts (names, addresses) may hold a tab or a line break; only the
  // writer itself ends lines and starts pages.
  inhalt_ += Utf8ToCp1252(OhneSteuerzeichen(text));
  inhalt_ += "\r\n";
  ++zeilen_;
}

void BerichtText::Seitenwechsel() { seitenwechsel_ = true; }

void BerichtText::KopfBlock(const std::vector<std::string>& zeilen, std::size_t breite) {
  const std::string regel(breite, '_');
  Zeile(regel);
  for (const std::string& z : zeilen) Zeile(z);
  Zeile(regel);
}

std::vector<std::uint8_t> BerichtText::Bytes() const {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(inhalt_.size() + 3);
  bytes.assign(inhalt_.begin(), inhalt_.end());
  // A page break asked for after the last line still starts a (title-less) page.
  if (seitenwechsel_) bytes.insert(bytes.end(), {'\f', '\r', '\n'});
  return bytes;
}

bool BerichtText::Schreiben(AppState& state) const {
  int err = 0;
  if (WriteFileAtomic(kReportFileName, Bytes(), &err)) return true;
  state.dialogs().ShowMessage(CreateFailedMessage(kReportFileName, err));
  return false;
}

std::string BerichtText::A(double value, int w) {
  std::string s = FloatToStrFixed(value, 15, 2);
  for (char& c : s)
    if (c == ',') c = '.';
  if (s == "-0.00") s = "0.00";
  return s.size() >= std::size_t(w) ? s : std::string(w - s.size(), ' ') + s;
}

std::string BerichtText::I(long long value, int w) {
  std::string s = std::to_string(value);
  return s.size() >= std::size_t(w) ? s : std::string(w - s.size(), ' ') + s;
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
    state.dialogs().ShowMessage(kPersonaldateiVerwendet);
    return false;
  }
  if (mitAbrechnungen && FileInUse(DataFileName(stem, "ABR"))) {
    state.dialogs().ShowMessage(kAbrechnungsdateiVerwendet);
    return false;
  }
  return true;
}

}  // namespace lohn
