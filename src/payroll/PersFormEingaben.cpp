#include "payroll/PersFormEingaben.h"

#include <map>
#include <string>

#include "frame/HauptmenueLogik.h"
#include "payroll/PersFormStammdaten.h"
#include "store/Cp1252.h"
#include "store/EinAustritt.h"
#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

constexpr const char* kStellung = "SozialeStellungEdit";
constexpr std::size_t kMaxBemerkung = 100;

constexpr BreitesFeld kBreiteFelder[] = {
    {"EintrittsDatumEdit", 130, 87, "00.00.0000-00.00.0000"},
    {"BemerkungenEdit", 230, 95},
    {"SonderZlgComboBox", 114, 72},
    {"SZSVfreiTextEdit", 110, 72},
    {"SonstSZTextEdit", 110, 72},
};

// Amounts: cleaned on leaving and converted, so that a text that is still
// no number is reported while the user is at the field.
constexpr const char* kBetragsfelder[] = {
    "SonderzahlungEdit",
    "SZSVfreiEdit",
    "SonstSZEdit",
    "SonstSZSVEdit",
    "SonstSZLSTEdit",
    "NormalstundenEdit",
    "MehrstundenEdit",
    "Ueberstunden50Edit",
    "Ueberstunden75Edit",
    "Ueberstunden100Edit",
    "Ueberstunden200Edit",
    "davonNachtZuschl",
    "UrlaubstundenEdit",
    "FehlstundenEdit",
    "ServiceEntgelt_eCardEdit",
    "BMVGbetragEdit",
    "MVzuschlagEdit",
    "BMVGUebertragungsBetragEdit",
    "AufrollungEdit",
    "TeilentgeltEdit",
    "TageTeilentgeltEdit",
    "beitrGrundlVorAltZeilzEdit",
    "SpesenersatzEdit",
    "VorschussEdit",
    "RestUrlaubEdit",
    "UrlaubsAnspruchEdit",
    "ZeitKontoEdit",
    "GehaltEdit",
    "StundenlohnEdit",
    "MehrstdSatzEdit",
    "MehrstdZuschlagEdit",
    "ZulageEdit",
    "SVFreibetrEdit",
    "FreibetragEdit",
    "SachbezuegeEdit",
    "DbDzKommStFreierBetragEdit",
    "ZukunftssicherungEdit",
    "AuslPensDGEdit",
    "LandarbFreiEdit",
    "SonstSteuerfrEdit",
    "freiwillBeitrEdit",
    "FreibetrLtMitteilgEdit",
    "NormArbeitszeitEdit",
    "AMPFG_SVGrundlageEdit",
    "AMPFG_RueckVerrBetragEdit",
    "AMPFG_RueckVerrBetrag_SZEdit",
    "AMPFG_SVGrundlage_SZEdit",
    // Not while typing: "-" and "," begin a number.
    "AuslandsTaetEdit",
    // The commuter and annual wage slip fields, and the garnishment.
    "PREI_Edit",
    "ENTW_Edit",
    "BPEND_Edit",
    "BSROL_Edit",
    "ExekutionEdit",
};

using Dlg = platform::Dialogs;
using Regel = void (*)(Dlg&, PersFormModel&, std::string_view);

void Betrag(Dlg&, PersFormModel& f, std::string_view name) {
  // "1.234,50" is kept as the 1234,50 it means.
  f.SetText(name, OhneTausenderpunkte(FilterNumber(f.Text(name))));
  // Also refuses what the record's 6-byte real cannot hold.
  FeldBetrag(f, name);
}

void Ziffern(Dlg&, PersFormModel& f, std::string_view name) {
  f.SetText(name, FilterDigits(f.Text(name)));
}

// "Ein-/Austritt" is free text, but a date in it must be one of the
// calendar: the reports take the employment from it.
void EinAustrittsDatum(Dlg&, PersFormModel& f, std::string_view name) {
  const std::string datum = UnmoeglichesDatum(f.Text(name));
  if (!datum.empty()) throw ConversionError("'" + datum + "' ist kein gültiges Datum");
}

void Kostenstelle(Dlg& dlg, PersFormModel& f, std::string_view name) {
  Ziffern(dlg, f, name);
  if (ZiffernWert(f.Text(name)) > 99) f.SetText(name, "99");
}

void SozialeStellung(Dlg& dlg, PersFormModel& f, std::string_view) {
  Ziffern(dlg, f, kStellung);
  const long long wert = ZiffernWert(f.Text(kStellung));
  // The checks are independent of each other. LK is no levy of this kind.
  if (wert == 1 &&
      (f.Checked("SW") || f.Checked("KU") || f.Checked("WF") || f.Checked("IE") || f.Checked("NB")))
    dlg.ShowMessage(kHinweisLehrlingUmlagen);
  if (wert == 3 && f.Checked("ArbeiterCheckBoxNeu"))
    dlg.ShowMessage(kHinweisAngestellterMitArbeiter);
  if (wert < 1 || wert > 8) {
    dlg.ShowMessage(kHinweisSozialeStellung);
    f.SetText(kStellung, "2");
    f.RequestFocus(kStellung, true);
  }
}

void ArbeiterBox(Dlg& dlg, PersFormModel& f, std::string_view) {
  if (f.Checked("ArbeiterCheckBoxNeu") && ZiffernWert(FilterDigits(f.Text(kStellung))) == 3)
    dlg.ShowMessage(kHinweisArbeiterBeiAngestelltem);
}

void Rueckverrechnungsgruppe(Dlg& dlg, PersFormModel& f, std::string_view name) {
  const std::string gruppe(TrimBlanks(f.Text(name)));
  f.SetText(name, gruppe);
  if (gruppe.empty() || gruppe == "N25a" || gruppe == "N25b" || gruppe == "N25c") return;
  dlg.ShowMessage(kMeldungRueckverrechnungsgruppe);
  f.RequestFocus(name);
}

const std::map<std::string_view, Regel, std::less<>>& Verlassensregeln() {
  static const auto regeln = [] {
    std::map<std::string_view, Regel, std::less<>> r;
    for (const char* name : kBetragsfelder) r.emplace(name, Betrag);
    for (const char* name : {"gehoertZuStandortEdit", "SVtraegerEdit", "AnzahlKinderEdit"})
      r.emplace(name, Ziffern);  // a digit text is never below 0
    r.emplace("KostenstelleEdit", Kostenstelle);
    r.emplace("EintrittsDatumEdit", EinAustrittsDatum);
    r.emplace(kStellung, SozialeStellung);
    r.emplace("ArbeiterCheckBoxNeu", ArbeiterBox);
    r.emplace("AMPFG_RueckVerrGruppeEdit", Rueckverrechnungsgruppe);
    r.emplace("AMPFG_RueckVerrGruppe_SZEdit", Rueckverrechnungsgruppe);
    return r;
  }();
  return regeln;
}

const BreitesFeld* Breite(std::string_view name) {
  for (const BreitesFeld& b : kBreiteFelder)
    if (name == b.name) return &b;
  return nullptr;
}

// A filter of typing: the text written back in place of what was typed.
void Filter(PersFormModel& f, const char* name, std::string (*filter)(std::string_view)) {
  f.OnChange(
      name, [name, filter](PersFormModel& m) { m.SetText(name, filter(m.Text(name))); }, true);
}

}  // namespace

std::span<const BreitesFeld> BreiteFelder() { return kBreiteFelder; }

void PersFormEingabenAnbinden(Dlg& dlg, PersFormModel& f) {
  for (const BreitesFeld& b : kBreiteFelder) f.SetFeldBreite(b.name, b.verlassen);
  constexpr bool nurBenutzer = true;
  Filter(f, "fiktiveBMGedit", FilterNumber);
  Filter(f, "PLZEdit", FilterDigits);
  Filter(f, "GeburtsdatenEdit", FilterDigits);
  // An emptied partner number stays empty.
  f.OnChange(
      "AustrittsDatumEdit",
      [](PersFormModel& m) {
        if (!m.Text("AustrittsDatumEdit").empty())
          m.SetText("AustrittsDatumEdit", FilterDigits(m.Text("AustrittsDatumEdit")));
      },
      nurBenutzer);
  // Kept as typed; the record takes the first 100 characters.
  f.OnChange(
      "BemerkungenEdit",
      [&dlg](PersFormModel& m) {
        if (CharCount(m.Text("BemerkungenEdit")) > kMaxBemerkung)
          dlg.ShowMessage(kMeldungBemerkungZuLang);
      },
      nurBenutzer);
}

void PersFormEingabeBreite(PersFormModel& f, std::string_view name, bool fokus) {
  if (const BreitesFeld* b = Breite(name))
    f.SetFeldBreite(name, fokus ? b->betreten : b->verlassen);
}

void PersFormEingabeVerlassen(Dlg& dlg, PersFormModel& f, std::string_view name) {
  const auto& regeln = Verlassensregeln();
  if (auto it = regeln.find(name); it != regeln.end()) it->second(dlg, f, name);
}

void SpeedButton29Click(Dlg& dlg, platform::Shell& shell) {
  shell.Open(dlg.AskYesNo(kFrageBeitragsgruppenRechner) ? kBeitragsgruppenRechner
                                                        : kBeitragsgruppenTabelle);
}

}  // namespace lohn
