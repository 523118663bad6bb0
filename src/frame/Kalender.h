#pragma once
// The month calendar's rules: where it starts and how its buttons step.

#include <string>

#include "platform/Clock.h"

namespace lohn {

struct KalenderDatum {
  int year = 2000;
  int month = 1;
  int day = 1;
  bool operator==(const KalenderDatum&) const = default;
};

// Today, from the clock.
KalenderDatum KalenderHeute(const platform::Clock& clock);

// One month back (delta -1) or forward (+1), or any number of months. The day
// becomes 1 first, so 31 January forward is 1 February, never 3 March.
KalenderDatum KalenderMonatSchritt(KalenderDatum d, int delta);

// What the labels "Monat" and "Jahr" show.
std::string KalenderMonatText(const KalenderDatum& d);
std::string KalenderJahrText(const KalenderDatum& d);

}  // namespace lohn
