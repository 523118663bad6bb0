#include "payroll/FormatBetrag.h"

#include <cmath>

#include "store/Numbers.h"

namespace lohn {

std::string FormatBetrag(double value) { return FloatToStrFixed(value, 10, 2); }

double RoundBetrag(double value) { return StrToFloat(FormatBetrag(value)); }

std::string ZuGrossMeldung(const std::string& was, double betrag, const std::string& wessen,
                           const std::string& wofuer, const std::string& folge) {
  return was + " " + FloatToStrFixed(betrag, 15, 2) + wessen + " ist zu groß für " + wofuer +
         " (höchstens " + FloatToStrFixed(double(kMaxCents) / 100, 15, 2) + "). " + folge;
}

double RoundBetragHalfEven(double value) {
  if (const auto c = CentsHalfEven(value)) return double(*c) / 100;
  if (!std::isfinite(value)) return value;
  return std::nearbyint(value * 100) / 100;
}

}  // namespace lohn
