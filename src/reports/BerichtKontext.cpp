#include "reports/BerichtKontext.h"

#include <array>

#include "frame/HauptmenueLogik.h"
#include "reports/BerichtText.h"
#include "reports/DgaDaten.h"
#include "reports/FehlendeAbrechnungen.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"

namespace lohn {

namespace {

constexpr const char* kBerichtNichtErstellbar =
    "Der Bericht kann derzeit nicht erstellt werden. Komponenten werden von einem anderen "
    "Programm (z.B. Word oder Excel) oder von einem anderen Benutzer verwendet bzw. sind nicht "
    "verfügbar. Beenden Sie bitte alle Programme und starten Sie Quandrel neu!";

// What the run does around a report's generator.
struct Ablauf {
  bool vorpruefung;  // the list of employees without payroll first
  bool nurPersonal;  // reads only the employee file
  bool zeigen;       // the report text file is shown afterwards
  AnsichtGroesse groesse;
};

constexpr AnsichtGroesse kNormal{10, false, 10};
constexpr AnsichtGroesse kBreit{7, true, 8};

// In the order of the Bericht enumeration.
constexpr std::array<Ablauf, kBerichtAnzahl> kAblauf{{
    {true, false, true, kNormal},    // LohnGehaltszettel
    {true, false, true, kNormal},    // Ueberweisungsliste
    {true, false, true, kNormal},    // Beitragsnachweisung
    {true, false, true, kNormal},    // LohnsteuerDbDzKommSt
    {true, false, false, kNormal},   // JahreslohnzettelL16: shows its own preview
    {false, false, false, kNormal},  // JahreslohnzettelElda: writes files only
    {true, false, true, kNormal},    // Kommunalsteuererklaerung
    {true, false, true, kBreit},     // Lohnkonten
    {true, false, true, kBreit},     // Betriebssummenblatt
    {true, false, true, kNormal},    // ArbeitsUndLohnbestaetigung
    {false, true, true, kNormal},    // LohnGehaltsliste
    {false, false, true, kNormal},   // UrlaubsUndZeitkonten
    {false, false, true, kNormal},   // DienstnehmerZeiten
    {false, true, true, kNormal},    // DienstnehmerAdressen
    {false, true, true, kNormal},    // DienstnehmerGeburtsdaten
    {false, true, true, kNormal},    // DienstnehmerDatenGesamt
}};

}  // namespace

std::string DgaOptionenDatei(const std::string& stem, int jahr, int monat) {
  return stem + std::to_string(jahr) + std::to_string(monat) + "DGADruOpt.dat";
}

// The period proposes the build's year, whatever the clock says: a 2014
// build has no payroll of the clock's later year to report on.
BerichtKontext::BerichtKontext(AppState& state) : optionen(state.year.year), state_(state) {
  optionen.SetText("AbfrageJahrEdit", std::to_string(state.year.year));
  optionen.SetChecked("CheckBox1", state.ExcelExportFlag);
  optionen.OnChange("CheckBox1",
                    [this](FeldModel& m) { state_.ExcelExportFlag = m.Checked("CheckBox1"); });
}

void BerichtKontext::Registriere(Bericht bericht, BerichtGenerator generator) {
  generatoren_[std::size_t(bericht)] = std::move(generator);
}

bool BerichtKontext::Registriert(Bericht bericht) const {
  return bool(generatoren_[std::size_t(bericht)]);
}

void BerichtKontext::Oeffnen(Bericht bericht) {
  if (!Registriert(bericht)) return;
  const BerichtEintrag& e = BerichtDaten(bericht);
  if (e.ladeDruckOptionen) {
    DruckOptionen o = optionen.Gespeicherte();
    const bool pruefen = LoadDruckOptionen(state_.DataFileStem, o);
    optionen.Uebernehmen(o);
    if (pruefen) state_.dialogs().ShowMessage(kDruckOptionenPruefen);
  }
  optionen.ZeigeOptionen(0);
  const ZeitraumVorschlag v =
      ZeitraumVorschlagen(state_, e, optionen.Checked("DatumVorschlagenCheckBox"));
  if (v.monatVon) optionen.SetText("AbfrageMonatVonEdit", *v.monatVon);
  if (v.monatBis) optionen.SetText("AbfrageMonatBisEdit", *v.monatBis);
  if (v.bisTag) optionen.SetText("bisTagEdit", *v.bisTag);
  if (e.hinweis) state_.dialogs().ShowMessage(e.hinweis);

  optionen.SetText("DruckErgebnis", e.titel);
  optionen.ZeigeOptionen(e.optionen);
  if (e.zeitraum == BerichtZeitraum::NurJahr) {
    optionen.SetVisible("AbfrageJahrEdit", true);
    optionen.SetVisible("BisDLabel", true);
  }
  if (e.vorgaben & preset::kExcelAus) {
    optionen.SetChecked("CheckBox1", false);
    state_.ExcelExportFlag = false;
  }
  if (e.vorgaben & preset::kPersonalNrLeeren) optionen.SetText("nurEinePersNrEdit", "");
  if (e.vorgaben & preset::kLohnzettelArt5Aus) optionen.SetChecked("LohnzettelArt5CheckBox", false);
  optionen.SetText("AufloesAbgEdit", "0,00");
  if ((e.optionen & opt::kEldaDatei) && !optionen.Checked("ELDADateiCheckBox"))
    for (const char* name : {"ELDASatzartComboBox", "ELDASatzartLabel", "ELDATestDatenCheckBox"})
      optionen.SetVisible(name, false);
  optionen.SetText("StatusBar1", "");
  aktuell_ = bericht;
  if (hooks.ZeigeOptionen) hooks.ZeigeOptionen();
}

void BerichtKontext::Schliessen() {
  optionen.ZeigeOptionen(0);
  optionen.SetText("StatusBar1", "");
  aktuell_.reset();
  if (hooks.SchliesseOptionen) hooks.SchliesseOptionen();
}

void BerichtKontext::AbbrechenClick() { Schliessen(); }

void BerichtKontext::DienstgeberGewechselt() { Schliessen(); }

BerichtOptionen BerichtKontext::Konvertieren(Bericht bericht) const {
  // Only what the report shows is converted: a hidden field the user cannot
  // correct must not stop the report.
  auto sichtbar = [&](const char* name) { return optionen.Visible(name); };
  auto ganz = [&](const char* name) {
    return sichtbar(name) && !optionen.Text(name).empty() ? StrToInt(optionen.Text(name)) : 0;
  };
  auto zahl = [&](const char* name) {
    return sichtbar(name) ? StrToFloat(optionen.Text(name)) : 0.0;
  };
  auto box = [&](const char* name) { return sichtbar(name) && optionen.Checked(name); };
  auto index = [&](const char* name) {
    const auto& items = optionen.Items(name);
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i] == optionen.Text(name)) return int(i);
    return 0;
  };

  // The period goes to the reports also while it is hidden, as it stands.
  auto periode = [&](const char* name) {
    try {
      return optionen.Text(name).empty() ? 0 : StrToInt(optionen.Text(name));
    } catch (const ConversionError&) {
      if (sichtbar(name)) throw;
      return 0;
    }
  };

  BerichtOptionen o;
  o.bericht = bericht;
  o.stem = state_.DataFileStem;
  o.monatVon = periode("AbfrageMonatVonEdit");
  o.monatBis = periode("AbfrageMonatBisEdit");
  o.jahr = periode("AbfrageJahrEdit");
  o.vonTag = periode("vonTagEdit");
  o.bisTag = periode("bisTagEdit");
  o.personalNr = ganz("nurEinePersNrEdit");
  o.kostenstelle = ganz("KostenstelleEdit");
  o.mitKostenstelle = sichtbar("KostenstelleEdit") && !optionen.Text("KostenstelleEdit").empty();
  o.standort = ganz("nurStandortEdit");
  o.zeilen = ganz("ZeilenEdit");
  // The totals sheet shows only the DZ rate but charges DB at the saved one.
  o.db = bericht == Bericht::Betriebssummenblatt ? StrToFloat(optionen.Text("DBedit"))
                                                 : zahl("DBedit");
  o.dz = zahl("DZedit");
  o.kommunalsteuer = zahl("KommunalstEdit");
  o.wochen = zahl("Wochen");
  o.dgaAbzug = zahl("DGAabzugEdit");
  o.dgaBeitrag = zahl("DGABeitrag");
  o.dgaAnzMitarb = ganz("DGAAnzMitarbCBox");
  o.befreitDga = ganz("befreitDGA");
  o.anzMalusArb = ganz("AnzMalusArbEdit");
  o.anzMalusAng = ganz("AnzMalusAngEdit");
  o.malusArb = zahl("MalusArbEdit");
  o.malusAng = zahl("MalusAngEdit");
  o.unbezUrlaub = zahl("unbezUrlEdit");
  o.aufloesAbgabe =
      optionen.Visible("AufloesAbgabePanel") ? StrToFloat(optionen.Text("AufloesAbgEdit")) : 0.0;
  o.excel = state_.ExcelExportFlag;
  o.dga = box("DGACheckBox");
  o.kontierung = box("KontierungCheckBox");
  o.lohnartenDetail = box("LohnartenDetailCheckBox");
  o.rueckVerr = box("RueckVerr");
  o.rueckVerrAV56 = box("RueckVerrAV56CheckBox");
  o.auslandstaetigkeit = box("MitAuslandsTaetPar3CheckBox");
  o.eldaDatei = box("ELDADateiCheckBox");
  o.eldaTestdaten = box("ELDATestDatenCheckBox");
  o.lohnzettelArt5 = optionen.Checked("LohnzettelArt5CheckBox");
  o.eldaSatzart = index("ELDASatzartComboBox");
  o.lohnzettelSatzart = index("LohnzettelSatzartComboBox");
  // The refund bases count only while their box is ticked.
  if (o.rueckVerrAV56) o.av56 = RueckVerrAV56Betraege(state_.RueckVerrAV56);
  return o;
}

std::array<double, 12> RueckVerrAV56Betraege(const std::array<std::string, 12>& texte) {
  std::array<double, 12> betraege{};
  for (std::size_t i = 0; i < texte.size(); ++i) {
    try {
      betraege[i] = StrToBetrag(texte[i]);
    } catch (const ConversionError& e) {
      const std::string feld = std::string(kRueckVerrAV56Codes[i / 2]) + " " +
                               (i % 2 == 0 ? kRueckVerrAV56Lfd : kRueckVerrAV56SZ);
      throw RueckVerrAV56Fehler(i, FeldFehlerMeldung(e.what(), feld, kRueckVerrAV56Titel));
    }
  }
  return betraege;
}

void BerichtKontext::OkClick() {
  if (!aktuell_) return;
  const Bericht bericht = *aktuell_;
  const std::string& stem = state_.DataFileStem;
  auto& dlg = state_.dialogs();
  optionen.Normalisieren();
  BerichtOptionen o;
  try {
    o = Konvertieren(bericht);
  } catch (const ConversionError& e) {
    dlg.ShowMessage(e.what());
    return;
  }
  int err = 0;
  const std::string datei = DruckOptionenDatei(stem);
  const std::string zeile = FormatDruckOptionen(optionen.Gespeicherte());
  if (!WriteFileAtomic(datei, Bytes(zeile.begin(), zeile.end()), &err)) {
    dlg.ShowMessage(CreateFailedMessage(datei, err));
    return;
  }
  if (!WriteFileAtomic(kReportFileName, {})) dlg.ShowMessage(kBerichtNichtErstellbar);
  optionen.SetText("ELDADateiCheckBox", kEldaDateiCaption);

  if (optionen.Visible("AbfrageMonatVonEdit")) {
    const int y = state_.year.year;
    bool gueltig = o.monatVon >= 1 && o.monatVon <= 12 && o.monatBis >= o.monatVon &&
                   o.monatBis <= 12 && o.jahr >= y - 1 && o.jahr <= 2200;
    if (bericht == Bericht::LohnsteuerDbDzKommSt) {
      if (o.monatBis != o.monatVon) dlg.ShowMessage(kMonatlichErstellen);
      o.monatBis = o.monatVon;
      optionen.SetText("AbfrageMonatBisEdit", optionen.Text("AbfrageMonatVonEdit"));
      gueltig = o.monatVon >= 1 && o.monatVon <= 12 && o.jahr >= y - 1 && o.jahr <= 2200;
    }
    if (!gueltig) {
      dlg.ShowMessage(
          "Die Felder müssen folgende Daten enthalten: \"Monat\" 1 - 12 / \"Jahr\" ab " +
          std::to_string(y));
      HideDruckOptionen();
      return;
    }
  }
  // The levy values are kept per month, for the municipal return; written
  // only for a valid period, so that no other month's file is replaced.
  if (optionen.Visible("DGAAnzMitarbCBox")) {
    const std::string dga = DgaOptionenDatei(stem, o.jahr, o.monatVon);
    std::string werte;
    for (const char* name :
         {"DGAAnzMitarbCBox", "Wochen", "DGAabzugEdit", "DGABeitrag", "befreitDGA"})
      werte += (werte.empty() ? "" : ";") + optionen.Text(name);
    werte = Utf8ToCp1252(werte);
    if (!WriteFileAtomic(dga, Bytes(werte.begin(), werte.end()), &err)) {
      dlg.ShowMessage(CreateFailedMessage(dga, err));
      HideDruckOptionen();
      return;
    }
  }
  optionen.SetText("StatusBar1", kDatenVorbereiten);
  Ausfuehren(bericht, o);
  HideDruckOptionen();
}

void BerichtKontext::HideDruckOptionen() {
  optionen.HideDruckOptionen();
  Schliessen();
}

void BerichtKontext::Ausfuehren(Bericht bericht, BerichtOptionen& o) {
  const Ablauf& a = kAblauf[std::size_t(bericht)];
  if (bericht == Bericht::ArbeitsUndLohnbestaetigung && o.personalNr == 0) {
    state_.dialogs().ShowMessage(kPersonalNrEingeben);
    return;
  }
  if (!DatendateienVerwendbar(state_, o.stem, !a.nurPersonal)) return;
  if (a.vorpruefung) {
    const bool jahresweise = bericht == Bericht::Kommunalsteuererklaerung;
    if (!ListMissingAbrechnungen(state_, o.stem, "ABR", jahresweise ? 1 : o.monatVon,
                                 jahresweise ? 12 : o.monatBis, o.jahr, o.personalNr, 0))
      return;
  }
  // The municipal return with the Vienna levy: the user confirms the
  // year's levy data first.
  if (bericht == Bericht::Kommunalsteuererklaerung && o.dga &&
      !DgaDatenErfassen(state_, hooks.ZeigeDgaDaten, o.stem, o.jahr, o.dgaWerte))
    return;
  const BerichtGenerator& generator = generatoren_[std::size_t(bericht)];
  if (!generator || !generator(state_, o) || !a.zeigen) return;
  AnsichtGroesse groesse = a.groesse;
  if (bericht == Bericht::Kommunalsteuererklaerung && o.dga) groesse.querformat = true;
  if (ZeigeBericht(groesse, BerichtDaten(bericht).titel) && groesse.querformat)
    state_.dialogs().ShowMessage(kQuerformatHinweis);
}

std::optional<int> BerichtKontext::ZeigeBericht(const AnsichtGroesse& groesse,
                                                const std::string& name) {
  auto ansicht = ShowBericht(state_);
  if (!ansicht || !hooks.OeffneAnsicht) return std::nullopt;
  ansicht->name = name;
  return hooks.OeffneAnsicht(*ansicht, groesse);
}

void BerichtPunktOeffnen(AppState& state, Bericht bericht) {
  if (state.berichte) state.berichte->Oeffnen(bericht);
}

}  // namespace lohn
