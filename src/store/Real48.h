#pragma once
// The 6-byte real of the record files: byte 0 is the exponent biased by 129
// (0 means zero), bytes 1..5 a 39-bit mantissa with implied leading 1, least
// significant byte first, the top bit of byte 5 the sign.

#include <array>
#include <cstdint>

namespace lohn {

using Real48Bytes = std::array<std::uint8_t, 6>;

// Exact: every Real48 is a double.
double DecodeReal48(const std::uint8_t* bytes);

// Rounds to the nearest Real48. Values below the smallest Real48 become 0;
// values beyond the largest, infinities and NaN throw std::range_error, so a
// record is never written with a silently wrong amount.
Real48Bytes EncodeReal48(double value);

}  // namespace lohn
