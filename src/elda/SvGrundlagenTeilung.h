#pragma once
// The split of a payroll's contribution bases into the general base and the
// special-payment base as the ELDA filings report them: special payments
// above the annual ceiling that the calculation moved into the current base
// (`ueberMaxSVBeitrGrdlSZUeberJSechstel_SV`) belong to the general base, the
// part over the sixth (`SueberschreitungEdit`) to the special payments.

#include "store/AbrechnungRecord.h"

namespace lohn {

struct SvGrundlagenTeile {
  double allgemein = 0;
  double sonderzahlung = 0;
};

// general = SV base + above - over (+ the notional part-time-retirement base
// with `mitFiktiv`), special = SZ base + over - above.
SvGrundlagenTeile TeileSvGrundlagen(const AbrechnungRecord& r, bool mitFiktiv);

}  // namespace lohn
