#include "payroll/FormatBetrag.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "store/Numbers.h"

namespace lohn {

std::string FormatBetrag(double value) { return FloatToStrFixed(value, 10, 2); }

double RoundBetrag(double value) { return StrToFloat(FormatBetrag(value)); }

double RoundBetragHalfEven(double value) {
  // Ten significant digits as decimal text, then the cents decided on the
  // digits themselves, so a binary double near a half cent cannot tip it.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.9e", value);
  const double zehn = std::strtod(buf, nullptr);
  std::snprintf(buf, sizeof buf, "%.4f", std::fabs(zehn) * 100.0);
  std::string s(buf);
  const std::size_t punkt = s.find('.');
  double cents = std::strtod(s.substr(0, punkt).c_str(), nullptr);
  const std::string rest = s.substr(punkt + 1);
  if (rest > "5000" || (rest == "5000" && std::fmod(cents, 2.0) != 0)) cents += 1;
  const double r = cents / 100.0;
  return value < 0 && r != 0 ? -r : r;
}

}  // namespace lohn
