#pragma once
// Every report the program can write, registered with the report run in
// one place; a report without a generator stays disabled in the menus.

#include "reports/BerichtKontext.h"

namespace lohn {

void RegistriereBerichte(BerichtKontext& kontext);

}  // namespace lohn
