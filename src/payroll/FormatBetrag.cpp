#include "payroll/FormatBetrag.h"

#include "store/Numbers.h"

namespace lohn {

std::string FormatBetrag(double value) { return FloatToStrFixed(value, 10, 2); }

double RoundBetrag(double value) { return StrToFloat(FormatBetrag(value)); }

}  // namespace lohn
