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
// allowance that the field held before (PersFormModel::Uebernahmen). A
// stored payroll's own salary and allowance are shown the same way.
//
// The holiday compensation is figured on the employee file's monthly pay,
// and the part of the allowance and the special payment that it makes up is
// noted per payroll for the run, so that a second take-over replaces it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/AbrechnungRecord.h"

namespace lohn {

struct PersFormKontext;
class PersFormModel;

// The background of the fields that a calculator fills itself (RGB).
inline constexpr std::uint32_t kRechnerFarbe = 0xFFFFB9;

inline constexpr const char* kMeldungTageNichtPlausibel = "Anzahl Tage ist nicht plausibel";
inline constexpr const char* kMeldungTageNichtPlausibelRufz = "Anzahl Tage ist nicht plausibel!";
inline constexpr const char* kMeldungTageUeberTageMonat =
    "Anzahl Tage ist nicht plausibel: mehr Tage als Tage/Monat!";
inline constexpr const char* kMeldungTageMonatNull = "Tage/Monat muss grösser Null sein!";
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
inline constexpr const char* kFrageUrlaubsabfindungErsetzen =
    "Für diesen Monat wurde bereits eine Urlaubsabfindung übernommen. Soll sie durch die neu "
    "berechnete ersetzt werden?";
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
// opening. After a "Berechnen" that failed on a text it shows no results
// and takes nothing over until one succeeds.
template <class T>
struct Rechner {
  T texte;
  T beimOeffnen;
  std::optional<std::vector<std::string>> berechnetMit;
  bool ohneErgebnis = false;
};

// A holiday compensation taken over: its part of ZulageEdit and of
// SonderzahlungEdit.
struct Urlaubsabfindung {
  double lfd = 0;
  double sz = 0;
};

// A compensation saved with a payroll: the record has no field for it. The
// allowance and special payment as saved tell whether the record is still
// that save.
struct GespeicherteAbfindung {
  std::string stem;
  AbrechnungKey key;
  double zulage = 0;
  double sonderzahlung = 0;
  Urlaubsabfindung teile;
};

struct Hilfsrechner {
  Rechner<TeilGehaltTexte> teilGehalt;
  Rechner<SonderzahlungTexte> sonderzahlung;
  Rechner<TagesLohnsteuerTexte> tagesLohnsteuer;
  Rechner<UrlaubsAbfindungTexte> urlaubsAbfindung;
  // The compensation that the month fields on screen hold (taken over, or
  // saved with the payroll shown), and the ones saved in this run.
  std::optional<Urlaubsabfindung> abfindungImMonat;
  std::vector<GespeicherteAbfindung> gespeicherteAbfindungen;
};

// The month fields show the stored payroll `r`: the compensation saved with
// it in this run, if any.
void AbfindungGeladen(Hilfsrechner& h, const std::string& stem, const AbrechnungRecord& r);
// The month fields were saved as `r`; the payroll of `key` was deleted.
void AbfindungGespeichert(Hilfsrechner& h, const std::string& stem, const AbrechnungRecord& r);
void AbfindungGeloescht(Hilfsrechner& h, const std::string& stem, const AbrechnungKey& key);

// The part-month calculator's day field follows the SV days; a calculator's
// amount taken over into GehaltEdit or ZulageEdit is forgotten as soon as the
// field shows anything else. Run once by the employee window's core.
void HilfsrechnerAnbinden(PersFormKontext& k);

// Master-data text of GehaltEdit or ZulageEdit: the text before a
// calculator's take-over while the field still shows that, else the field.
const std::string& StammText(const PersFormModel& f, std::string_view name);
// Another payroll is loaded: the fields show their master texts again.
void StammTexteZurueck(PersFormModel& f);
// A month's own amount in GehaltEdit or ZulageEdit (a calculator's result,
// a stored payroll's value); the employee file keeps the master text.
void MonatsbetragZeigen(PersFormModel& f, std::string_view name, const std::string& text);

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
// the inputs as they are, then writes the result into the employee window;
// nothing while the last "Berechnen" failed on a text.
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
  r.ohneErgebnis = false;
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
