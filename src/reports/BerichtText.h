#pragma once
// The one writer of every text report: lines are collected in memory and
// written once, whole, to the report text file in Windows-1252 with CR LF.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/AppState.h"

namespace lohn {

class BerichtText {
 public:
  // A line (UTF-8); control characters in it are written as blanks. After
  // Seitenwechsel() the next line starts with a form feed: it begins a new
  // page and is that page's title.
  void Zeile(std::string_view text = {});
  void Seitenwechsel();
  // A column header the printer repeats on every page it starts itself: a
  // rule of underscores, the lines, a closing rule (at most five lines).
  void KopfBlock(const std::vector<std::string>& zeilen, std::size_t breite);

  std::size_t Zeilen() const { return zeilen_; }
  // The file's bytes: Windows-1252, every line ended by CR LF.
  std::vector<std::uint8_t> Bytes() const;
  // Replaces the report text file atomically with the text as it was built
  // (no copy; a pending page break is appended first); on failure the
  // message (CreateFailedMessage) is shown and false comes back.
  bool Schreiben(AppState& state);

  // An amount with two decimals and ".", right-aligned in w characters,
  // never cut; halves away from zero as FloatToStrFixed(value, 15, 2) reads.
  static std::string A(double value, int w);
  // An integer right-aligned in w characters (w 0: no padding), never cut.
  static std::string I(long long value, int w = 0);
  // A spreadsheet cell: quoted when it holds ";", '"' or a line break, with
  // inner quotes doubled.
  static std::string Zelle(std::string_view text);

 private:
  // Windows-1252, converted as each line is added; every line ended by CR LF.
  std::vector<std::uint8_t> inhalt_;
  std::size_t zeilen_ = 0;
  bool seitenwechsel_ = false;
};

// Whether the employer's data files can be read for a report: a file that
// is there but in use makes the message "Personaldatei wird gerade
// verwendet" or "Abrechnungsdatei wird gerade verwendet" and false. A
// missing file holds no records. `mitAbrechnungen` false tests only the
// employee file.
bool DatendateienVerwendbar(AppState& state, const std::string& stem, bool mitAbrechnungen = true);

inline constexpr const char* kPersonaldateiVerwendet = "Personaldatei wird gerade verwendet";
inline constexpr const char* kAbrechnungsdateiVerwendet = "Abrechnungsdatei wird gerade verwendet";

}  // namespace lohn
