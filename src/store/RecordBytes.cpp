#include "store/RecordBytes.h"

#include <algorithm>
#include <cstring>

#include "store/Cp1252.h"
#include "store/Real48.h"

namespace lohn {

void PutInt32(std::uint8_t* rec, std::size_t off, std::int32_t value) {
  std::uint32_t v = std::uint32_t(value);
  for (int i = 0; i < 4; ++i) rec[off + i] = std::uint8_t(v >> (8 * i));
}

std::int16_t GetInt16(const std::uint8_t* rec, std::size_t off) {
  return std::int16_t(std::uint16_t(rec[off]) | std::uint16_t(rec[off + 1]) << 8);
}

void PutInt16(std::uint8_t* rec, std::size_t off, std::int16_t value) {
  std::uint16_t v = std::uint16_t(value);
  rec[off] = std::uint8_t(v);
  rec[off + 1] = std::uint8_t(v >> 8);
}

void PutBool(std::uint8_t* rec, std::size_t off, bool value) { rec[off] = value ? 1 : 0; }

void PutReal48(std::uint8_t* rec, std::size_t off, double value) {
  Real48Bytes b = EncodeReal48(value);
  std::memcpy(rec + off, b.data(), b.size());
}

std::string GetShortString(const std::uint8_t* rec, std::size_t off, std::size_t capacity) {
  std::string out;
  GetShortString(rec, off, capacity, out);
  return out;
}

void GetShortString(const std::uint8_t* rec, std::size_t off, std::size_t capacity,
                    std::string& out) {
  std::size_t len = std::min<std::size_t>(rec[off], capacity);
  Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(rec + off + 1), len), out);
}

void PutShortString(std::uint8_t* rec, std::size_t off, std::size_t capacity,
                    std::string_view utf8) {
  std::string bytes = Utf8ToCp1252(CutChars(utf8, capacity));
  std::memset(rec + off, 0, capacity + 1);
  rec[off] = std::uint8_t(bytes.size());
  std::memcpy(rec + off + 1, bytes.data(), bytes.size());
}

}  // namespace lohn
