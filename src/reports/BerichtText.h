#pragma once
// The one writer of every text report: lines are collected in Windows-1252
// with CR LF in the report file's temporary, in parts of kTeil bytes as the
// text grows (so a large report is never held whole), and replace the
// report text file whole once the report is done.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/AppState.h"

namespace lohn {

class DateiInTeilen;

class BerichtText {
 public:
  static constexpr std::size_t kTeil = std::size_t(1) << 20;
  explicit BerichtText(std::size_t teil = kTeil);
  ~BerichtText();
  BerichtText(BerichtText&&) noexcept;
  BerichtText& operator=(BerichtText&&) noexcept;

  // A line (UTF-8); control characters in it are written as blanks. After
  // Seitenwechsel() the next line starts with a form feed: it begins a new
  // page and is that page's title.
  void Zeile(std::string_view text = {});
  void Seitenwechsel();
  // A column header the printer repeats on every page it starts itself: a
  // rule of underscores, the lines, a closing rule (at most five lines).
  void KopfBlock(const std::vector<std::string>& zeilen, std::size_t breite);

  // The lines of `teile` (texts held whole) behind these, in order, as if
  // added here; a large amount goes to the file from where they lie. They
  // are left empty.
  void Uebernehmen(std::span<BerichtText> teile);

  std::size_t Zeilen() const { return zeilen_; }
  // Replaces the report text file atomically with the text as it was built
  // (a pending page break is appended first), once; on failure the message
  // (CreateFailedMessage) is shown and false comes back. A report that never
  // gets here leaves the file as it was.
  bool Schreiben(AppState& state);

  // An amount with two decimals and ".", right-aligned in w characters,
  // never cut; halves away from zero as FloatToStrFixed(value, 15, 2) reads.
  static std::string A(double value, int w);
  // The same appended to `zeile`.
  static void A(std::string& zeile, double value, int w);
  // A rate or factor with the digits it has: two decimals, three or four
  // where the value taken to four decimals has them (0.385 -> "0.385"), so
  // that a levy computed with it can be recomputed from the line.
  static std::string Genau(double value, int w);
  // An integer right-aligned in w characters (w 0: no padding), never cut.
  static std::string I(long long value, int w = 0);
  // A spreadsheet cell: quoted when it holds ";", '"' or a line break, with
  // inner quotes doubled.
  static std::string Zelle(std::string_view text);

 private:
  // Windows-1252, converted as each line is added; every line ended by CR
  // LF. What is not yet in the temporary.
  std::vector<std::uint8_t> inhalt_;
  std::size_t teil_;
  std::unique_ptr<DateiInTeilen> datei_;  // opened with the first part
  DateiInTeilen& Datei();
  void Weiter();  // hands a full part to the file
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
