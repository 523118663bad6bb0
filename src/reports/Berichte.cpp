#include "reports/Berichte.h"

namespace lohn {

void RegistriereBerichte(BerichtKontext& kontext) { (void)kontext; }

}  // namespace lohn
