#include "store/LohnartLine.h"

#include "store/Cp1252.h"
#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

std::string TooLong(std::string_view what, std::string_view value, int width) {
  return "Der Wert \"" + std::string(value) + "\" im Feld " + std::string(what) +
         " der Lohnart hat mehr als " + std::to_string(width) +
         " Zeichen und kann nicht gespeichert werden!";
}

// Characters [from, from + n) of a Windows-1252 line, counted from 1.
std::string Column(std::string_view line, std::size_t from, std::size_t n) {
  std::u32string chars = DecodeUtf8(line);
  if (from > chars.size()) return {};
  return EncodeUtf8(chars.substr(from - 1, n));
}

std::string CleanNumber(std::string_view raw) {
  std::string s = FilterNumber(TrimBlanks(raw));
  if (!s.empty() && s.back() == '-') s.back() = ' ';
  s = std::string(TrimBlanks(s));
  return (s.empty() || s == "-" || s == "." || s == ",") ? "0" : s;
}

}  // namespace

std::string LohnartLineCheck(std::string_view code, std::string_view anzahl,
                             std::string_view satz) {
  struct Part {
    const char* what;
    std::string_view value;
    int width;
  };
  for (const Part& p :
       {Part{"Code", code, kLohnartCodeWidth}, Part{"Anzahl", anzahl, kLohnartAnzahlWidth},
        Part{"Satz", satz, kLohnartSatzWidth}}) {
    std::string_view v = TrimBlanks(p.value);
    if (CharCount(v) > std::size_t(p.width)) return TooLong(p.what, v, p.width);
  }
  return {};
}

std::string PackLohnartLine(std::string_view code, std::string_view anzahl, std::string_view text,
                            bool flagDbKomm, bool flagSv, bool flagLst, std::string_view satz) {
  std::string problem = LohnartLineCheck(code, anzahl, satz);
  if (!problem.empty()) throw ConversionError(problem);
  std::string line = PadText(TrimBlanks(code), kLohnartCodeWidth, false);
  line += PadText(TrimBlanks(anzahl), kLohnartAnzahlWidth, false);
  line += PadText(text, kLohnartTextWidth, true);
  line += PadText(TrimBlanks(satz), kLohnartSatzWidth, false);
  line += flagLst ? '1' : '0';
  line += flagSv ? '1' : '0';
  line += flagDbKomm ? '1' : '0';
  line += "   ";
  return line;
}

std::string PackLohnartLine(const LohnartLine& l) {
  return PackLohnartLine(l.code, l.anzahl, l.text, l.flagDbKomm, l.flagSv, l.flagLst, l.satz);
}

LohnartLine UnpackLohnartLine(std::string_view line) {
  std::string s = CutChars(line, kLohnartLineChars);
  std::size_t len = CharCount(s);
  LohnartLine out;
  if (len == 0) {
    out.text = "0";
    return out;
  }
  if (len > 2) out.code = FilterDigits(TrimBlanks(Column(s, 1, 3)));
  if (len > 10) out.anzahl = CleanNumber(Column(s, 4, 8));
  if (len > 35) out.text = std::string(TrimBlanks(Column(s, 12, 25)));
  if (len > 43) out.satz = CleanNumber(Column(s, 37, 8));
  if (len > 46) {
    out.flagLst = Column(s, 45, 1) == "1";
    out.flagSv = Column(s, 46, 1) == "1";
    out.flagDbKomm = Column(s, 47, 1) == "1";
  }
  return out;
}

}  // namespace lohn
