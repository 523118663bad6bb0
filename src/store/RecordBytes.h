#pragma once
// Little-endian field access inside a fixed-size record image. Records are
// packed and unpacked through these, so every layout reads like its table.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/Real48.h"

namespace lohn {

inline std::int32_t GetInt32(const std::uint8_t* rec, std::size_t off) {
  return std::int32_t(std::uint32_t(rec[off]) | std::uint32_t(rec[off + 1]) << 8 |
                      std::uint32_t(rec[off + 2]) << 16 | std::uint32_t(rec[off + 3]) << 24);
}
void PutInt32(std::uint8_t* rec, std::size_t offset, std::int32_t value);
std::int16_t GetInt16(const std::uint8_t* rec, std::size_t offset);
void PutInt16(std::uint8_t* rec, std::size_t offset, std::int16_t value);

// Any non-zero byte reads as true; true is written as 1.
inline bool GetBool(const std::uint8_t* rec, std::size_t off) { return rec[off] != 0; }
void PutBool(std::uint8_t* rec, std::size_t offset, bool value);

inline double GetReal48(const std::uint8_t* rec, std::size_t off) {
  return DecodeReal48(rec + off);
}
// Throws std::range_error for amounts a Real48 cannot hold.
void PutReal48(std::uint8_t* rec, std::size_t offset, double value);

// string[capacity]: a length byte and capacity bytes of Windows-1252. A length
// byte beyond the capacity is clamped. Returned as UTF-8.
std::string GetShortString(const std::uint8_t* rec, std::size_t offset, std::size_t capacity);
// The same into `out`, keeping its room.
void GetShortString(const std::uint8_t* rec, std::size_t off, std::size_t capacity,
                    std::string& out);
// Stores the first capacity characters; the unused bytes are written as 0.
void PutShortString(std::uint8_t* rec, std::size_t offset, std::size_t capacity,
                    std::string_view utf8);

}  // namespace lohn
