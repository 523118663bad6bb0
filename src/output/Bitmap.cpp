#include "output/Bitmap.h"

#include <cstdint>
#include <fstream>

namespace lohn {

namespace {

std::uint32_t Le32(const unsigned char* b) {
  return b[0] | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}
unsigned Le16(const unsigned char* b) { return b[0] | unsigned(b[1]) << 8; }

// What the picture loader allocates at most for one picture.
constexpr std::uint64_t kMaxPixelBytes = 128ull << 20;

}  // namespace

bool BitmapLesbar(const std::string& pfad) {
  std::ifstream in(pfad, std::ios::binary);
  unsigned char k[34] = {};
  if (!in.read(reinterpret_cast<char*>(k), sizeof k)) return false;
  in.seekg(0, std::ios::end);
  const auto laenge = std::uint64_t(in.tellg());
  if (k[0] != 'B' || k[1] != 'M') return false;
  const std::uint32_t info = Le32(k + 14);
  std::int64_t breite, hoehe;
  unsigned bits, ebenen;
  std::uint32_t kompression = 0;
  if (info == 12) {
    breite = Le16(k + 18);
    hoehe = Le16(k + 20);
    ebenen = Le16(k + 22);
    bits = Le16(k + 24);
  } else if (info >= 40 && info <= 124) {
    breite = std::int32_t(Le32(k + 18));
    hoehe = std::int32_t(Le32(k + 22));
    ebenen = Le16(k + 26);
    bits = Le16(k + 28);
    kompression = Le32(k + 30);
  } else {
    return false;
  }
  if (hoehe < 0) hoehe = -hoehe;  // stored top-down
  if (breite <= 0 || hoehe <= 0 || ebenen != 1) return false;
  const bool tiefe = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
  const bool passt = kompression == 0 || (kompression == 1 && bits == 8) ||
                     (kompression == 2 && bits == 4) ||
                     (kompression == 3 && (bits == 16 || bits == 32));
  if (!tiefe || !passt) return false;
  if (std::uint64_t(breite) * std::uint64_t(hoehe) * 4 > kMaxPixelBytes) return false;
  const std::uint64_t daten = Le32(k + 10);
  if (daten >= laenge) return false;
  // Uncompressed rows are padded to four bytes; all of them must be there.
  const std::uint64_t zeile = (std::uint64_t(breite) * bits + 31) / 32 * 4;
  return kompression == 1 || kompression == 2 || daten + zeile * std::uint64_t(hoehe) <= laenge;
}

}  // namespace lohn
