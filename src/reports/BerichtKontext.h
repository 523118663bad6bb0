#pragma once
// The report run: the options window's model, one generator per report, the
// OK button (normalise, convert once, save the option files, check the
// period, dispatch) and the report items that open the window.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "frame/HauptmenueBerichte.h"
#include "reports/DruOptModel.h"
#include "reports/ShowBericht.h"
#include "store/AppState.h"
#include "store/Numbers.h"

namespace lohn {

class DgaDaten;
struct L16Blatt;

// The options converted once from the window's texts.
struct BerichtOptionen {
  Bericht bericht = Bericht::LohnGehaltszettel;
  std::string stem;
  int monatVon = 0, monatBis = 0, jahr = 0;
  int vonTag = 0, bisTag = 0;
  int personalNr = 0, kostenstelle = 0, standort = 0;
  bool mitKostenstelle = false;  // KostenstelleEdit holds a number, "0" too
  int zeilen = 0;
  double db = 0, dz = 0, kommunalsteuer = 0;
  double wochen = 0, dgaAbzug = 0, dgaBeitrag = 0;
  int dgaAnzMitarb = 0, befreitDga = 0;
  int anzMalusArb = 0, anzMalusAng = 0;
  double malusArb = 0, malusAng = 0, unbezUrlaub = 0, aufloesAbgabe = 0;
  bool excel = false, dga = false, kontierung = false, lohnartenDetail = false;
  bool rueckVerr = false, rueckVerrAV56 = false, auslandstaetigkeit = false;
  bool eldaDatei = false, eldaTestdaten = false, lohnzettelArt5 = false;
  int eldaSatzart = 0, lohnzettelSatzart = 0;
  // The refund bases for men from 56, current pay and special payment of
  // N15g, N25g, N15m, N25m, N15n, N25n in this order.
  std::array<double, 12> av56{};
  // The municipal return's Vienna levy: the 60 values of the levy data
  // window (DgaDaten's field order), set by the run when `dga` is ticked.
  std::array<double, 60> dgaWerte{};
};

// Writes the report into the report text file; true when it wrote one.
using BerichtGenerator = std::function<bool(AppState&, const BerichtOptionen&)>;

// The viewer's print size (SchriftgradComboBox) of a report and whether
// landscape paper is recommended (the run shows the hint once the viewer
// is open);
// `listenSchrift` is the list's font size.
struct AnsichtGroesse {
  int schriftgrad = 10;
  bool querformat = false;
  int listenSchrift = 10;
};

// Where the windows plug in; an empty hook is skipped.
struct BerichtHooks {
  std::function<void()> ZeigeOptionen;      // show (raise) the options window, not modal
  std::function<void()> SchliesseOptionen;  // close the options window and the DZ table
  std::function<void()> ZeigeDzTabelle;
  std::function<int(const BerichtAnsicht&, const AnsichtGroesse&)> OeffneAnsicht;  // -> handle
  std::function<void(int)> SchliesseAnsicht;
  // The levy data window over the data, modal; returns when it is closed.
  std::function<void(DgaDaten&)> ZeigeDgaDaten;
  // The L16 preview of one employee's slip, modal; returns when it is
  // closed. `neuerLauf`: the first slip of a report run.
  std::function<void(const L16Blatt&, bool neuerLauf)> ZeigeL16;
};

// The window of the refund bases for men from 56: current pay and special
// payment per code, in this order (AppState::RueckVerrAV56, `av56`).
inline constexpr const char* kRueckVerrAV56Titel =
    "Rückverrechnung von AV-Beiträgen für Männer ab 56. Lebensjahr";
inline constexpr std::array<const char*, 6> kRueckVerrAV56Codes{"N15g", "N25g", "N15m",
                                                                "N25m", "N15n", "N25n"};
inline constexpr const char* kRueckVerrAV56Lfd = "Allgem. Beitragsgrundlage";
inline constexpr const char* kRueckVerrAV56SZ = "Beitragsgrundlage Sonderzahlung";

// A refund base that does not convert: its place, and a message naming the
// field and the window.
class RueckVerrAV56Fehler : public ConversionError {
 public:
  RueckVerrAV56Fehler(std::size_t feld, const std::string& meldung)
      : ConversionError(meldung), feld(feld) {}
  std::size_t feld;
};
// The twelve bases from their texts, as the window's amounts are read
// (StrToBetrag). Throws RueckVerrAV56Fehler for the first that does not.
std::array<double, 12> RueckVerrAV56Betraege(const std::array<std::string, 12>& texte);

inline constexpr const char* kMonatlichErstellen = "Dieser Bericht ist monatlich zu erstellen!";
inline constexpr const char* kPersonalNrEingeben =
    "Geben Sie für diese Bericht bitte eine Personalnummer ein!";
inline constexpr const char* kQuerformatHinweis =
    "HINWEIS: Für diesen Bericht wird die Druckereinrichtung (Button \"Drucker einrichten\" "
    "links oben) mit \"A4 Querformat (Landscape)\" empfohlen!";
inline constexpr const char* kDatenVorbereiten = "Die Daten für den Bericht werden vorbereitet ...";

// "<stem><Jahr><Monat>DGADruOpt.dat", from the numbers: month 3 of 2014 is
// "<stem>20143DGADruOpt.dat" however the month was typed ("03" too). The
// wage-tax report writes it, the levy data window reads it.
std::string DgaOptionenDatei(const std::string& stem, int jahr, int monat);

class BerichtKontext {
 public:
  explicit BerichtKontext(AppState& state);
  BerichtKontext(const BerichtKontext&) = delete;
  BerichtKontext& operator=(const BerichtKontext&) = delete;

  DruOptModel optionen;
  BerichtHooks hooks;

  void Registriere(Bericht bericht, BerichtGenerator generator);
  bool Registriert(Bericht bericht) const;

  // The report whose options the window shows.
  std::optional<Bericht> Aktuell() const { return aktuell_; }
  void Oeffnen(Bericht bericht);

  // The OK button: normalise, convert once (a ConversionError shows its
  // message and leaves the window open), save the option files, check the
  // period and run the report.
  void OkClick();
  // Hides every report-specific option and closes the window.
  void AbbrechenClick();
  // Ends every run of the OK button, whatever its outcome: no option of
  // the report is left shown or ticked (DruOptModel::HideDruckOptionen),
  // then the window closes.
  void HideDruckOptionen();
  // The employer changes: the open options belong to the old one.
  void DienstgeberGewechselt();

  // Shows the report text file in a new viewer; its handle, or nothing.
  // `name`: the report's name, which the viewer proposes for a file.
  std::optional<int> ZeigeBericht(const AnsichtGroesse& groesse, const std::string& name);

 private:
  BerichtOptionen Konvertieren(Bericht bericht) const;
  bool Speichern();
  void Ausfuehren(Bericht bericht, BerichtOptionen& o);
  void Schliessen();

  AppState& state_;
  std::array<BerichtGenerator, kBerichtAnzahl> generatoren_;
  std::optional<Bericht> aktuell_;
};

// A report item of the main window or a button of the employee window:
// loads the saved options, resets the window, proposes the period, shows the
// report's options and the window. Nothing without a registered generator.
void BerichtPunktOeffnen(AppState& state, Bericht bericht);

}  // namespace lohn
