#include "store/TextRoutines.h"

#include <algorithm>
#include <array>
#include <string>

#include "store/Cp1252.h"

namespace lohn {

std::string PadText(std::string_view text, int width, bool leftAligned, char32_t fill) {
  if (width <= 0) return {};
  // Plain ASCII (most fields): a character is a byte.
  if (fill < 0x80 && std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    const std::size_t w = std::size_t(width);
    if (text.size() >= w) return std::string(text.substr(0, w));
    const std::string filler(w - text.size(), char(fill));
    return leftAligned ? std::string(text) + filler : filler + std::string(text);
  }
  std::size_t n = CharCount(text);
  if (n >= std::size_t(width)) return CutChars(text, std::size_t(width));
  const std::string one =
      fill < 0x80 ? std::string(1, char(fill)) : EncodeUtf8(std::u32string(1, fill));
  std::string out;
  out.reserve(text.size() + (std::size_t(width) - n) * one.size());
  if (leftAligned) out += text;
  for (std::size_t i = n; i < std::size_t(width); ++i) out += one;
  if (!leftAligned) out += text;
  return out;
}

std::string ZeroPadded(int value, int width) {
  return PadText(std::to_string(value), width, false, U'0');
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

std::string OhneSteuerzeichen(std::string_view utf8) {
  std::string s(utf8);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x20 || c == 0x7F) {
      s[i] = ' ';
    } else if (c == 0xC2 && i + 1 < s.size() &&
               (static_cast<unsigned char>(s[i + 1]) & 0xE0) == 0x80) {
      // U+0080..U+009F: two bytes, one blank.
      s.replace(i, 2, " ");
    }
  }
  return s;
}

namespace {
std::string Keep(std::string_view text, std::string_view allowed) {
  std::string out;
  for (char c : text)
    if ((c >= '0' && c <= '9') || allowed.find(c) != std::string_view::npos) out += c;
  return out;
}
}  // namespace

std::string FilterDigits(std::string_view text) {
  std::string s = Keep(text, "");
  return s.empty() ? "0" : s;
}

std::string FilterDigitsAllowEmpty(std::string_view text) { return Keep(text, ""); }

std::string FilterNumber(std::string_view text) {
  std::string s = Keep(text, ",-.");
  return s.empty() ? "0" : s;
}

std::string FilterNumberStrict(std::string_view text) {
  std::string s = FilterNumber(text);
  return (s == "." || s == "," || s == "-") ? "0" : s;
}

long long ZiffernWert(std::string_view text) {
  long long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') continue;
    v = v * 10 + (c - '0');
    if (v > 1'000'000'000LL) return 1'000'000'000LL;
  }
  return v;
}

std::string VersTraegerName(std::string_view code) {
  struct Carrier {
    int code;
    const char* name;
  };
  static constexpr std::array<Carrier, 21> kCarriers{{
      {4, "Versicherungsanstalt des österreichischen Bergbaues"},
      {5, "Versicherungsanstalt der österreichischen Eisenbahnen"},
      {11, "Wiener Gebietskrankenkasse"},
      {12, "Niederösterreichische Gebietskrankenkasse"},
      {13, "Burgenländische Gebietskrankenkasse"},
      {14, "Oberösterreichische Gebietskrankenkasse"},
      {15, "Steiermärkische Gebietskrankenkasse"},
      {16, "Kärntner Gebietskrankenkasse"},
      {17, "Salzburger Gebietskrankenkasse"},
      {18, "Tiroler Gebietskrankenkasse"},
      {19, "Vorarlberger Gebietskrankenkasse"},
      {21, "Betriebskrankenkasse Austria Tabak"},
      {22, "Betriebskrankenkasse d. Wiener Verkehrsbetriebe"},
      {23, "Betriebskrankenkasse Semperit"},
      {24, "Betriebskrankenkasse Neusiedler"},
      {25, "Betriebskrankenkasse VOEST-ALPINE Donawitz"},
      {26, "Betriebskrankenkasse Zeltweg"},
      {27, "Betriebskrankenkasse Kindberg"},
      {28, "Betriebskrankenkasse Kapfenberg"},
      {74, "KFG – Kranken- und Unfallfürsorgeträger der OÖ Gemeinden"},
      {94, "Bundesrechenzentrum GmbH"},
  }};
  std::string digits = FilterDigits(CutChars(code, 50));
  // Compare the number, so leading zeros still find the carrier; a number too
  // long for any code finds none.
  std::string trimmed = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
  int number = trimmed.size() > 3 ? -1 : (trimmed.empty() ? 0 : std::stoi(trimmed));
  const char* name = "(kein gültiger Code gespeichert)";
  for (const Carrier& c : kCarriers)
    if (c.code == number) name = c.name;
  return digits + " - " + name;
}

namespace {
std::string Two(int v) { return ZeroPadded(v, 2); }
std::string Four(int v) { return ZeroPadded(v, 4); }
}  // namespace

std::string TodayAsDDMMYYYY(const platform::Clock& clock) {
  auto t = clock.Now();
  return Two(t.day) + Two(t.month) + Four(t.year);
}

std::string TodayAsYYYYMMDD(const platform::Clock& clock) {
  auto t = clock.Now();
  return Four(t.year) + Two(t.month) + Two(t.day);
}

std::string NowAsHHMMSS(const platform::Clock& clock) {
  auto t = clock.Now();
  return Two(t.hour) + Two(t.minute) + Two(t.second);
}

std::string TodayAsIsoDate(const platform::Clock& clock) {
  auto t = clock.Now();
  return Four(t.year) + "-" + Two(t.month) + "-" + Two(t.day);
}

std::string NowAsIsoTime(const platform::Clock& clock) {
  auto t = clock.Now();
  return Two(t.hour) + ":" + Two(t.minute) + ":" + Two(t.second);
}

std::string getNameFromPfad(std::string_view path) {
  std::size_t slash = path.find_last_of("\\/");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return std::string(name.substr(0, name.find('.')));
}

}  // namespace lohn
