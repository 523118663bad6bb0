#include "payroll/gui/UrlaubsAbfindungForm.h"

TUrlaubsAbfindungForm::TUrlaubsAbfindungForm(lohn::PersFormKontext& k, QWidget* parent)
    : TRechnerForm(
          k, [&k](lohn::RechnerFeldBesucher& v) { k.rechner.urlaubsAbfindung.texte.Felder(v); },
          "UrlaubsAbfindungForm", "Ersatzleistungen für Urlaubsentgelt berechnen", parent) {
  Edit("UrlaubsAnspruchEdit", "Urlaubsanspruch (Tage/Jahr)");
  Edit("TageJahrEdit", "Tage des Jahres", "365 (366) Tage");
  Edit("KalenderTageEdit", "Kalendertage bis Ende");
  Edit("verbrauchterUrlaubEdit", "verbrauchter Urlaub (Tage)");
  Edit("MonatsentgeltEdit", "Monatsentgelt");
  Edit("Sonderzahlung12telEdit", "Sonderzahlungen (Jahr)");
  Edit("TageEdit", "Arbeitstage/Monat");
  Edit("AliquoterUrlaubEdit", "aliquoter Urlaub");
  Edit("aliqResturlaubEdit", "aliquoter Resturlaub");
  Wert("aliqResturlaubLabel", "offene Tage");
  Edit("ErsatzleistungLfdEdit", "sonst. Bezüge");
  Edit("ErsatzleistungSZEdit", "Sonderzahlung");
  Edit("ErsatzleistungGesEdit", "Ersatzleistung gesamt");
  Abschliessen(true);
}
