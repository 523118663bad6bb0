#include "frame/Kalender.h"

namespace lohn {

KalenderDatum KalenderHeute(const platform::Clock& clock) {
  auto t = clock.Now();
  return {t.year, t.month, t.day};
}

KalenderDatum KalenderMonatSchritt(KalenderDatum d, int delta) {
  // Count months from year 0 so that any step wraps the year correctly.
  long months = long(d.year) * 12 + (d.month - 1) + delta;
  long year = months >= 0 ? months / 12 : (months - 11) / 12;
  return {int(year), int(months - year * 12) + 1, 1};
}

std::string KalenderMonatText(const KalenderDatum& d) { return std::to_string(d.month); }
std::string KalenderJahrText(const KalenderDatum& d) { return std::to_string(d.year); }

}  // namespace lohn
