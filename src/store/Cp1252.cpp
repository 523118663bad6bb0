#include "store/Cp1252.h"

namespace lohn {

namespace {
// Code points of bytes 0x80..0x9F; undefined bytes keep their own value.
constexpr char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

// Reads one code point at i and advances i; U+FFFD for a broken sequence.
char32_t NextCodepoint(std::string_view s, std::size_t& i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (len == 0 || i + len > s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
  for (int k = 1; k < len; ++k) {
    unsigned char cc = static_cast<unsigned char>(s[i + k]);
    if ((cc & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (cc & 0x3F);
  }
  i += len;
  return cp;
}
}  // namespace

int Cp1252Code(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return int(cp);
  for (int k = 0; k < 32; ++k)
    if (kHigh[k] == cp) return 0x80 + k;
  return -1;
}

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) out += NextCodepoint(utf8, i);
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) AppendUtf8(out, c);
  return out;
}

void Cp1252ToUtf8(std::string_view bytes, std::string& out) {
  out.clear();
  for (char ch : bytes) {
    unsigned char b = static_cast<unsigned char>(ch);
    AppendUtf8(out, (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char32_t(b));
  }
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  Cp1252ToUtf8(bytes, out);
  return out;
}

namespace {

template <typename Out>
void AnhaengenCp1252(Out& out, std::string_view utf8) {
  using Byte = typename Out::value_type;
  const auto* bytes = reinterpret_cast<const Byte*>(utf8.data());
  for (std::size_t i = 0; i < utf8.size();) {
    // ASCII, the same in both, goes in runs of one memmove each: about a
    // seventh of the ELDA wage slips' time, whose files pass here whole.
    std::size_t lauf = i;
    while (lauf < utf8.size() && static_cast<unsigned char>(utf8[lauf]) < 0x80) ++lauf;
    out.insert(out.end(), bytes + i, bytes + lauf);
    i = lauf;
    if (i < utf8.size()) {
      const int code = Cp1252Code(NextCodepoint(utf8, i));
      out.push_back(static_cast<Byte>(code < 0 ? '?' : code));
    }
  }
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  AnhaengenCp1252(out, utf8);
  return out;
}

void AppendCp1252(std::string& out, std::string_view utf8) { AnhaengenCp1252(out, utf8); }

void AppendCp1252(std::vector<std::uint8_t>& out, std::string_view utf8) {
  AnhaengenCp1252(out, utf8);
}

bool FitsCp1252(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();)
    if (Cp1252Code(NextCodepoint(utf8, i)) < 0) return false;
  return true;
}

std::size_t CharCount(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size(); ++n) NextCodepoint(utf8, i);
  return n;
}

std::string CutChars(std::string_view utf8, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t k = 0; k < n && i < utf8.size(); ++k) NextCodepoint(utf8, i);
  return std::string(utf8.substr(0, i));
}

}  // namespace lohn
