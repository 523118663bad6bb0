#pragma once
// The four calculators of the employee window: salary for part of a month,
// special payment, wage tax of a daily wage and compensation for holiday not
// taken. Each is a plain struct of the texts of its fields, kept by the
// employee window's core for the whole run; the openers fill it from the
// employee window, "Berechnen" computes into it, "Übernehmen" writes the
// result back into the employee window and "Abbrechen" restores what the
// opening proposed.
//
// What a calculator takes over into the salary or the allowance is the
// month's amount only: the employee file keeps the monthly salary and
// allowance that the field held before (PersFormModel::Uebernahmen).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lohn {

struct PersFormKontext;
class PersFormModel;

// The background of the fields that a calculator fills itself (RGB).
inline constexpr std::uint32_t kRechnerFarbe = 0xFFFFB9;

inline constexpr const char* kMeldungTageNichtPlausibel = "Anzahl Tage ist nicht plausibel";
inline constexpr const char* kMeldungTageNichtPlausibelRufz = "Anzahl Tage ist nicht plausibel!";
inline constexpr const char* kFrageSonderzahlungSpeichern =
    "Zur Berechnung der Sonderzahlung muss die akutelle Abrechnung berechnet und gespeichert "
    "werden. - Wollen Sie die Abrechnung jetzt speichern?";
inline constexpr const char* kMeldungTageslohnAuswahl =
    "Selektieren Sie bitte vor der Berechnung der Tageslohnsteuer: Monat, Jahr und Dienstnehmer!";
inline constexpr const char* kMeldungUrlaubAuswahl =
    "Selektieren Sie bitte vor der Berechnung der Urlaubsabfindung: Monat, Jahr und Dienstnehmer!";
inline constexpr const char* kMeldungTageGroesserNull = "Anzahl der Tage muss grösser Null sein!";
inline constexpr const char* kMeldungTagesLstUebernommen =
    "Tages-Lohnsteuer wurde in Abrechnungsformular übernommen - Checkbox Lohnsteuer berechnen "
    "wurde deaktiviert!";
inline constexpr const char* kMeldungTagesLstBerechnen =
    "Klicken Sie bitte im Abrechnungsformular auf \"Berechnen\" um die Abrechnung "
    "fertigzustellen";
inline constexpr const char* kMeldungErsatzleistungNull =
    "Die Ersatzleistung ist 0,00 - daher können keine Werte in das Abrechnungsformular "
    "übernommen werden. Prüfen Sie Ihre Eingaben und klicken Sie auf \"berechnen\"!";
inline constexpr const char* kMeldungErsatzleistungUebernommen =
    "Die Berechneten Werte wurden in das Abrechnungsformular übernommen! Klicken Sie im "
    "Abrechnungsformular bitte auf \"Berechnen\" um die Abrechnung fertigzustellen.";

// The per-employer working days a month of the holiday calculator.
inline constexpr const char* kUrlErsatzTageSuffix = "UrlErsatzTage.dat";
std::string UrlErsatzTageDatei(std::string_view stem);

enum class RechnerFeld {
  Eingabe,         // typed by the user
  FarbigeEingabe,  // typed, and the one the calculation uses (highlighted)
  Ergebnis,        // filled by "Berechnen" (highlighted)
};

// One call per field, by its control name.
struct RechnerFeldBesucher {
  virtual ~RechnerFeldBesucher() = default;
  virtual void Text(const char* name, std::string& text, RechnerFeld art) = 0;
  virtual void Haken(const char* name, bool& checked) = 0;
};

struct TeilGehaltTexte {
  std::string MonatsGehaltEdit = "0";
  std::string TageEdit = "30";
  std::string Tage_MonatEdit = "30";
  std::string GehaltEdit = "0";
  void Felder(RechnerFeldBesucher& v);
};

struct SonderzahlungTexte {
  std::string BruttoLfdEdit = "0";
  std::string BruttoDurchschnittEdit = "0";
  std::string AnzahlMonateEdit = "12";
  bool DurchschnittCheckBox = false;
  std::string SonderZahlungEdit = "0";
  void Felder(RechnerFeldBesucher& v);
};

struct TagesLohnsteuerTexte {
  std::string BruttoBezugEdit = "0";
  std::string TageEdit = "1";
  bool AlleinErzVerdCheckBox = false;
  std::string TagesLohnEdit = "0";
  std::string TagesLohnsteuerEdit = "0";
  void Felder(RechnerFeldBesucher& v);
};

struct UrlaubsAbfindungTexte {
  std::string UrlaubsAnspruchEdit = "25";
  std::string TageJahrEdit = "365";
  std::string KalenderTageEdit = "180";
  std::string verbrauchterUrlaubEdit = "0";
  std::string MonatsentgeltEdit = "0";
  std::string Sonderzahlung12telEdit = "0";
  std::string TageEdit = "26";
  std::string AliquoterUrlaubEdit = "0";
  std::string aliqResturlaubEdit = "0";
  std::string aliqResturlaubLabel = "0";
  std::string ErsatzleistungLfdEdit = "0";
  std::string ErsatzleistungSZEdit = "0";
  std::string ErsatzleistungGesEdit = "0";
  void Felder(RechnerFeldBesucher& v);
};

// A calculator's texts with what its opening proposed (restored by
// "Abbrechen") and the inputs of its last successful "Berechnen" in this
// opening.
template <class T>
struct Rechner {
  T texte;
  T beimOeffnen;
  std::optional<std::vector<std::string>> berechnetMit;
};

struct Hilfsrechner {
  Rechner<TeilGehaltTexte> teilGehalt;
  Rechner<SonderzahlungTexte> sonderzahlung;
  Rechner<TagesLohnsteuerTexte> tagesLohnsteuer;
  Rechner<UrlaubsAbfindungTexte> urlaubsAbfindung;
};

// The part-month calculator's day field follows the SV days; a calculator's
// amount taken over into GehaltEdit or ZulageEdit is forgotten as soon as the
// field shows anything else. Run once by the employee window's core.
void HilfsrechnerAnbinden(PersFormKontext& k);

// Master-data text of GehaltEdit or ZulageEdit: the text before a
// calculator's take-over while the field still shows that, else the field.
const std::string& StammText(const PersFormModel& f, std::string_view name);
// The period changed: the fields show their master texts again.
void StammTexteZurueck(PersFormModel& f);

// Openers; true when the calculator is to be shown (modally).
bool SpeedButton30Click(PersFormKontext& k);    // part-month salary
bool SpeedButton31Click(PersFormKontext& k);    // special payment, after the calculate button
bool TageslohnButtonClick(PersFormKontext& k);  // daily wage tax
bool Button4Click(PersFormKontext& k);          // holiday compensation

// "Berechnen": true when the results were written; otherwise the user has
// been told and no result changed.
bool TeilGehaltBerechnen(PersFormKontext& k);
bool SonderzahlungBerechnen(PersFormKontext& k);
bool TagesLohnsteuerBerechnen(PersFormKontext& k);
bool UrlaubsAbfindungBerechnen(PersFormKontext& k);

// "Übernehmen": computes first unless "Berechnen" ran in this opening with
// the inputs as they are, then writes the result into the employee window.
// True when written (the calculator closes); `schliessen` closes it before
// the closing messages.
bool TeilGehaltUebernehmen(PersFormKontext& k);
bool SonderzahlungUebernehmen(PersFormKontext& k);
bool TagesLohnsteuerUebernehmen(PersFormKontext& k, const std::function<void()>& schliessen);
bool UrlaubsAbfindungUebernehmen(PersFormKontext& k, const std::function<void()>& schliessen);

// "Abbrechen" (and any other way of closing without taking over).
template <class T>
void RechnerAbbrechen(Rechner<T>& r) {
  r.texte = r.beimOeffnen;
  r.berechnetMit.reset();
}

// The user changed a field (typed or clicked) or left one.
void TeilGehaltFeldGeaendert(PersFormKontext& k, std::string_view name);
void TeilGehaltFeldVerlassen(PersFormKontext& k, std::string_view name);
void SonderzahlungFeldVerlassen(PersFormKontext& k, std::string_view name);
void TagesLohnsteuerFeldGeaendert(PersFormKontext& k, std::string_view name);
void UrlaubsAbfindungFeldVerlassen(PersFormKontext& k, std::string_view name);

// The days of the year up to the end of the month, without leap day.
int KalenderTageBisMonatsende(int monat);

}  // namespace lohn
