#pragma once
// The 6-byte real of the record files: byte 0 is the exponent biased by 129
// (0 means zero), bytes 1..5 a 39-bit mantissa with implied leading 1, least
// significant byte first, the top bit of byte 5 the sign.

#include <array>
#include <bit>
#include <cstdint>

namespace lohn {

using Real48Bytes = std::array<std::uint8_t, 6>;

// Exact: every Real48 is a double. Inline: every record read takes it.
inline double DecodeReal48(const std::uint8_t* b) {
  if (b[0] == 0) return 0.0;
  const std::uint64_t m = std::uint64_t(b[1]) | std::uint64_t(b[2]) << 8 |
                          std::uint64_t(b[3]) << 16 | std::uint64_t(b[4]) << 24 |
                          std::uint64_t(b[5] & 0x7f) << 32;
  // (1 + m / 2^39) * 2^(b[0] - 129) put straight into the bits of a double:
  // its exponent (894 + b[0]) is always a normal one and the 39 bits fit.
  const std::uint64_t bits =
      std::uint64_t(b[5] & 0x80) << 56 | std::uint64_t(b[0] - 129 + 1023) << 52 | m << (52 - 39);
  return std::bit_cast<double>(bits);
}

// Rounds to the nearest Real48. Values below the smallest Real48 become 0;
// values beyond the largest, infinities and NaN throw std::range_error, so a
// record is never written with a silently wrong amount.
Real48Bytes EncodeReal48(double value);

}  // namespace lohn
