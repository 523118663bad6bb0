#include "payroll/FormatBetrag.h"

#include <cmath>

#include "store/Numbers.h"

namespace lohn {

std::string FormatBetrag(double value) { return FloatToStrFixed(value, 10, 2); }

double RoundBetrag(double value) { return StrToFloat(FormatBetrag(value)); }

double RoundBetragHalfEven(double value) {
  if (const auto c = CentsHalfEven(value)) return double(*c) / 100;
  if (!std::isfinite(value)) return value;
  return std::nearbyint(value * 100) / 100;
}

}  // namespace lohn
