#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "store/Numbers.h"
#include "store/Real48.h"

namespace {

struct Case {
  double value;
  lohn::Real48Bytes bytes;
};

TEST(Real48, EncodesAndDecodesHandComputedBytes) {
  const Case cases[] = {
      {0.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
      {1.0, {0x81, 0x00, 0x00, 0x00, 0x00, 0x00}},
      {-1.0, {0x81, 0x00, 0x00, 0x00, 0x00, 0x80}},
      {0.5, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00}},
      {100.0, {0x87, 0x00, 0x00, 0x00, 0x00, 0x48}},
      {4530.0, {0x8d, 0x00, 0x00, 0x00, 0x90, 0x0d}},
      {13.7603, {0x84, 0x32, 0x55, 0x30, 0x2a, 0x5c}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(lohn::EncodeReal48(c.value), c.bytes) << c.value;
    if (c.value == 1.0 || c.value == 0.0 || c.value == -1.0 || c.value == 0.5 || c.value == 100.0 ||
        c.value == 4530.0)
      EXPECT_EQ(lohn::DecodeReal48(c.bytes.data()), c.value);
    else
      EXPECT_NEAR(lohn::DecodeReal48(c.bytes.data()), c.value, 1e-10);
  }
}

TEST(Real48, TwoDecimalAmountsSurviveTheRoundTripAsTheirText) {
  // Every cent amount up to a million comes back as the same two-decimal text.
  for (long cents = -100000; cents <= 100000000; cents += 997) {
    double v = double(cents) / 100.0;
    auto b = lohn::EncodeReal48(v);
    double back = lohn::DecodeReal48(b.data());
    ASSERT_EQ(lohn::FloatToStrFixed(back, 15, 2), lohn::FloatToStrFixed(v, 15, 2)) << v;
    ASSERT_NEAR(back, v, std::fabs(v) * 1e-11 + 1e-12);
  }
}

TEST(Real48, RoundsMantissaCarryIntoExponent) {
  // Just below 2: the 39-bit mantissa rounds up and the exponent grows.
  double v = std::nextafter(2.0, 0.0);
  auto b = lohn::EncodeReal48(v);
  EXPECT_EQ(lohn::DecodeReal48(b.data()), 2.0);
}

TEST(Real48, RefusesWhatItCannotHold) {
  EXPECT_THROW(lohn::EncodeReal48(1e300), std::range_error);
  EXPECT_THROW(lohn::EncodeReal48(NAN), std::range_error);
  EXPECT_THROW(lohn::EncodeReal48(INFINITY), std::range_error);
  EXPECT_EQ(lohn::EncodeReal48(1e-300), lohn::Real48Bytes{});
}

}  // namespace
