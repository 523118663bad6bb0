#include "reports/Berichte.h"

#include "elda/Beitragsnachweisung.h"
#include "elda/Lohnzettel.h"
#include "reports/DienstnehmerListen.h"
#include "reports/Kommunalsteuererklaerung.h"
#include "reports/L16.h"
#include "reports/LohnGehaltsabrechnung.h"
#include "reports/Lohnkonto.h"
#include "reports/LohnsteuerDbDzKommSt.h"
#include "reports/Ueberweisungsliste.h"

namespace lohn {

void RegistriereBerichte(BerichtKontext& kontext) {
  kontext.Registriere(Bericht::LohnGehaltszettel, PrintLohnGehaltsabrechnung);
  kontext.Registriere(Bericht::Ueberweisungsliste, [](AppState& s, const BerichtOptionen& o) {
    return PrintUeberweisungsliste(s, o, kModusUeberweisungsliste);
  });
  kontext.Registriere(Bericht::ArbeitsUndLohnbestaetigung, [](AppState& s, BerichtOptionen o) {
    o.kostenstelle = 0;  // the confirmation covers every cost centre
    return PrintUeberweisungsliste(s, o, kModusArbeitsbestaetigung);
  });
  kontext.Registriere(Bericht::Lohnkonten, [](AppState& s, const BerichtOptionen& o) {
    return PrintLohnkonto(s, o, false);
  });
  kontext.Registriere(Bericht::Betriebssummenblatt, [](AppState& s, BerichtOptionen o) {
    o.personalNr = 0;  // the sheet covers every employee
    return PrintLohnkonto(s, o, true);
  });
  kontext.Registriere(Bericht::DienstnehmerZeiten, PrintDienstnehmerZeiten);
  kontext.Registriere(Bericht::UrlaubsUndZeitkonten, PrintUrlaubsZeitkonto);
  kontext.Registriere(Bericht::DienstnehmerDatenGesamt, PrintDienstnehmerDaten);
  kontext.Registriere(Bericht::LohnGehaltsliste, PrintLohnGehaltsliste);
  kontext.Registriere(Bericht::DienstnehmerAdressen, PrintDienstnehmerAdressen);
  kontext.Registriere(Bericht::DienstnehmerGeburtsdaten, PrintDienstnehmerGeburtsdaten);
  kontext.Registriere(Bericht::LohnsteuerDbDzKommSt, PrintLohnsteuerDbDzKommSt);
  kontext.Registriere(Bericht::Kommunalsteuererklaerung, PrintKommunalsteuerErklaerung);
  kontext.Registriere(Bericht::Beitragsnachweisung, PrintBeitragsnachweisung);
  kontext.Registriere(Bericht::JahreslohnzettelElda, ExportEldaLohnzettel);
  kontext.Registriere(Bericht::JahreslohnzettelL16, PrintL16);
}

}  // namespace lohn
