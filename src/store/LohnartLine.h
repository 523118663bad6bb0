#pragma once
// One wage-type line as it travels in the record files: 50 characters of a
// string[50] slot, fixed columns for code, quantity, text, rate and the three
// liability flags. The amount (quantity x rate) is never stored.

#include <string>
#include <string_view>

namespace lohn {

inline constexpr std::size_t kLohnartLineChars = 50;

// Column widths of the packed line.
inline constexpr int kLohnartCodeWidth = 3;
inline constexpr int kLohnartAnzahlWidth = 8;
inline constexpr int kLohnartTextWidth = 25;
inline constexpr int kLohnartSatzWidth = 8;

// The values of one line as the wage-type window shows them: code, quantity
// and rate are window texts ("15,5"), the flags are its three check boxes.
struct LohnartLine {
  std::string code = "0";
  std::string anzahl = "0";
  std::string text;
  std::string satz = "0";
  bool flagLst = false;     // subject to wage tax
  bool flagSv = false;      // subject to social insurance
  bool flagDbKomm = false;  // subject to DB, DZ and municipal tax

  bool operator==(const LohnartLine&) const = default;
};

// Empty when code, quantity and rate fit their columns (after trimming
// blanks); otherwise the German message that explains which value is too long.
// Cutting a number would silently store another one, so such a line is refused.
std::string LohnartLineCheck(std::string_view code, std::string_view anzahl, std::string_view satz);

// Builds the 50 characters: code, quantity and rate right-aligned, the text
// left-aligned and cut to 25, then "1"/"0" for wage tax, social insurance and
// DB/municipal tax, then three blanks. Note the parameter order: the flags come
// in the reverse of their column order. Throws ConversionError with the message
// of LohnartLineCheck when a number does not fit.
std::string PackLohnartLine(std::string_view code, std::string_view anzahl, std::string_view text,
                            bool flagDbKomm, bool flagSv, bool flagLst, std::string_view satz);
std::string PackLohnartLine(const LohnartLine& line);

// The reverse, tolerant of short and hand-edited lines: parts beyond the end
// of the line stay "0" (the text stays empty), numbers are filtered, an empty
// line gives "0" everywhere (text included) and three false flags.
LohnartLine UnpackLohnartLine(std::string_view line);

}  // namespace lohn
