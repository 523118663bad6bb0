#include "reports/DruOptModel.h"

#include <algorithm>
#include <array>

#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

constexpr FeldArt E = FeldArt::Edit, C = FeldArt::ComboBox, K = FeldArt::CheckBox,
                  L = FeldArt::Label, B = FeldArt::Control;

struct FeldDekl {
  FeldArt art;
  const char* name;
  const char* start;  // text, caption of a check box
  const char* hint;
};

// Every control of the window with its default and hint.
constexpr FeldDekl kFelder[] = {
    {L, "Label1", "Bericht: ", ""},
    {L, "DruckErgebnis", "DruckErgebnis", ""},
    {E, "AbfrageMonatVonEdit", "1", "Berichtzeitraum von Monat"},
    {E, "AbfrageMonatBisEdit", "1", "Berichtzeitraum bis Monat"},
    {E, "AbfrageJahrEdit", "", "Berichtzeitraum Jahr"},
    {L, "VonDLabel", "von Mon", ""},
    {L, "Label3", "bis Mon", ""},
    {L, "BisDLabel", "Jahr", ""},
    {K, "DatumVorschlagenCheckBox", "Zeitraum vorschlagen", ""},
    {E, "vonTagEdit", "1", ""},
    {E, "bisTagEdit", "31", ""},
    {L, "vonTagLabel", "von Tag", ""},
    {L, "bisTagLabel", "bis Tag", ""},
    {E, "nurEinePersNrEdit", "", "nur für Personal-Nr. / leeres Feld = ALLE DN einbeziehen"},
    {L, "nurEinePersNrLabel", "für Personal Nr.", ""},
    {E, "nurStandortEdit", "",
     "erstellen Sie den Bericht getrennt nach Standorten (leer = keine Standorte-Trennung)"},
    {L, "nurStandortLabel", "für Standort Nr.", ""},
    {B, "SpeedButton3", "", "Standort-Daten bearbeiten"},
    {E, "KostenstelleEdit", "",
     "nur für Kostenstelle / leeres Feld = ALLE Kostenstellen einbeziehen"},
    {L, "KostenstelleLabel", "für Kostenstelle", ""},
    {B, "KostenstellenSpeedButton", "", "Kostenstellen bearbeiten"},
    {K, "CheckBox1", "Export für Excel", "Bericht zum Export in Excel erstellen (Quandrel.csv)"},
    {B, "CSVimage", "", ""},
    {E, "ZeilenEdit", "6", ""},
    {L, "ZeilenLabel", "Zeilen vor/nach Adresse", ""},
    {E, "DBedit", "4,5", "Dienstgeberbeitrag FLAG %"},
    {L, "DBLabel", "DB", ""},
    {E, "DZedit", "0,42", ""},
    {L, "DZLabel", "DZ", ""},
    {B, "DZButton", "?", ""},
    {E, "KommunalstEdit", "3", ""},
    {L, "KommunalstLabel", "Kommunalsteuer %", ""},
    {K, "DGACheckBox", "DGA (Wien)", ""},
    {C, "DGAAnzMitarbCBox", "1", ""},
    {L, "Label5", "DN", ""},
    {E, "Wochen", "4", ""},
    {L, "Label4", "WO", ""},
    {E, "DGABeitrag", "2,00", ""},
    {L, "Label6", "Beitr.", ""},
    {L, "Label7", "DGA ab 1.6.2012 EUR 2", "tragen Sie den neuen Wert in das Feld \"Beitrag\" ein"},
    {E, "DGAabzugEdit", "0", ""},
    {L, "DGAabzugLabel", "abz.", ""},
    {E, "befreitDGA", "0", ""},
    {L, "Label2", "befreit DGA", ""},
    {K, "KontierungCheckBox", "Kontierungsvorschlag mit Konten", ""},
    {K, "LohnartenDetailCheckBox", "Lohnarten im Detail", ""},
    {K, "RueckVerr", "Rückverrechnung NEUFÖG", ""},
    {K, "RueckVerrAV56CheckBox", "Rückverrechnung Befreiung AV ab 56. Lj.", ""},
    {B, "RueckVerrAV56SpeedButton", "...", "Grundlagen für Rückverrechnung erfassen ..."},
    {E, "AnzMalusArbEdit", "0", ""},
    {E, "MalusArbEdit", "0,00", ""},
    {L, "MalusArbLabel", "Malus Arbeiter (Anz./EUR)", ""},
    {E, "AnzMalusAngEdit", "0", ""},
    {E, "MalusAngEdit", "0,00", ""},
    {L, "MalusAngLabel", "Angestellte", ""},
    {E, "unbezUrlEdit", "0,00", ""},
    {L, "unbezUrlLabel", "unbez. Urlaub EUR", ""},
    {B, "AufloesAbgabePanel", "", ""},
    {E, "AufloesAbgEdit", "0,00", ""},
    {L, "AufloesAbgLabel", "Auflösungsabgabe N80", ""},
    {B, "SpeedButton4", "(?)", ""},
    {K, "ELDADateiCheckBox", "ELDA-Datenträger erstellen", ""},
    {K, "ELDATestDatenCheckBox", "ELDA Testdaten", ""},
    {C, "ELDASatzartComboBox", "Beitragsnachweisung", ""},
    {L, "ELDASatzartLabel", "Beitragsnachw / Storno ", ""},
    {C, "LohnzettelSatzartComboBox", "Lohnzettel", ""},
    {L, "LohnzettelSatzartLabel", "Lohnzettel / Storno", ""},
    {K, "LohnzettelArt5CheckBox", "Rückzahlung ALV Beiträge (Lohnzettelart 5)", ""},
    {K, "MitAuslandsTaetPar3CheckBox", "mit Auslandstätigkeit gem § 3", ""},
    {L, "AuslandstaetHilfeLabel", " (?) ", ""},
    {L, "StatusBar1", "", ""},
    {B, "druckOK", "&OK", ""},
    {B, "Abbrechen", "&Abbrechen", ""},
    {B, "SpeedButton1", "Handbuch", ""},
    {B, "SpeedButton2", "", ""},
};

struct Gruppe {
  unsigned bit;
  std::vector<std::string> felder;
};

const std::vector<Gruppe>& Gruppen() {
  static const std::vector<Gruppe> g{
      {opt::kZeitraum,
       {"AbfrageMonatVonEdit", "AbfrageMonatBisEdit", "AbfrageJahrEdit", "VonDLabel", "Label3",
        "BisDLabel", "DatumVorschlagenCheckBox"}},
      {opt::kPersonalNr, {"nurEinePersNrEdit", "nurEinePersNrLabel"}},
      {opt::kAdressZeilen, {"ZeilenEdit", "ZeilenLabel"}},
      {opt::kExcel, {"CheckBox1", "CSVimage"}},
      {opt::kKostenstelle, {"KostenstelleEdit", "KostenstelleLabel", "KostenstellenSpeedButton"}},
      {opt::kKontierung, {"KontierungCheckBox"}},
      {opt::kLohnartenDetail, {"LohnartenDetailCheckBox"}},
      {opt::kTage, {"vonTagEdit", "bisTagEdit", "vonTagLabel", "bisTagLabel"}},
      {opt::kAuslandstaetigkeit, {"MitAuslandsTaetPar3CheckBox", "AuslandstaetHilfeLabel"}},
      {opt::kEldaTestdaten, {"ELDATestDatenCheckBox"}},
      {opt::kLohnzettelSatzart, {"LohnzettelSatzartLabel", "LohnzettelSatzartComboBox"}},
      {opt::kDB, {"DBedit", "DBLabel"}},
      {opt::kDZ, {"DZedit", "DZLabel", "DZButton"}},
      {opt::kKommunalsteuer, {"KommunalstEdit", "KommunalstLabel"}},
      {opt::kDGA, {"DGACheckBox"}},
      {opt::kDGAWerte,
       {"DGAAnzMitarbCBox", "Label5", "Wochen", "Label4", "DGABeitrag", "Label6", "Label7",
        "DGAabzugEdit", "DGAabzugLabel", "befreitDGA", "Label2"}},
      {opt::kRueckVerr, {"RueckVerr"}},
      {opt::kRueckVerrAV56, {"RueckVerrAV56CheckBox", "RueckVerrAV56SpeedButton"}},
      {opt::kEldaDatei | opt::kXmlDatei, {"ELDADateiCheckBox"}},
      {opt::kEldaSatzart, {"ELDASatzartLabel", "ELDASatzartComboBox"}},
      {opt::kAufloesAbgabe, {"AufloesAbgabePanel"}},
      {opt::kMalus,
       {"AnzMalusArbEdit", "MalusArbEdit", "MalusArbLabel", "AnzMalusAngEdit", "MalusAngEdit",
        "MalusAngLabel"}},
      {opt::kUnbezUrlaub, {"unbezUrlLabel", "unbezUrlEdit"}},
      {opt::kStandort, {"nurStandortLabel", "nurStandortEdit", "SpeedButton3"}},
  };
  return g;
}

// The saved options in the order of DruckOptionen.
constexpr std::array<std::pair<const char*, std::string DruckOptionen::*>, 14> kGespeichert{{
    {"KommunalstEdit", &DruckOptionen::KommunalstEdit},
    {"DBedit", &DruckOptionen::DBedit},
    {"DZedit", &DruckOptionen::DZedit},
    {"DGAAnzMitarbCBox", &DruckOptionen::DGAAnzMitarbCBox},
    {"Wochen", &DruckOptionen::Wochen},
    {"DGAabzugEdit", &DruckOptionen::DGAabzugEdit},
    {"DGABeitrag", &DruckOptionen::DGABeitrag},
    {"AnzMalusArbEdit", &DruckOptionen::AnzMalusArbEdit},
    {"MalusArbEdit", &DruckOptionen::MalusArbEdit},
    {"AnzMalusAngEdit", &DruckOptionen::AnzMalusAngEdit},
    {"MalusAngEdit", &DruckOptionen::MalusAngEdit},
    {"unbezUrlEdit", &DruckOptionen::unbezUrlEdit},
    {"ZeilenEdit", &DruckOptionen::ZeilenEdit},
    {"befreitDGA", &DruckOptionen::befreitDGA},
}};

constexpr const char* kZahlFelder[] = {
    "KommunalstEdit", "DBedit",       "DZedit",       "Wochen",       "DGAabzugEdit",
    "DGABeitrag",     "MalusArbEdit", "MalusAngEdit", "unbezUrlEdit", "AufloesAbgEdit"};
constexpr const char* kZiffernFelder[] = {
    "DGAAnzMitarbCBox",    "befreitDGA",      "vonTagEdit",      "bisTagEdit",
    "AbfrageMonatBisEdit", "AnzMalusArbEdit", "AnzMalusAngEdit", "ZeilenEdit"};
constexpr const char* kLeerFelder[] = {"nurStandortEdit", "nurEinePersNrEdit", "KostenstelleEdit"};
constexpr const char* kBetragFelder[] = {"MalusArbEdit", "MalusAngEdit", "unbezUrlEdit",
                                         "AufloesAbgEdit"};
constexpr const char* kSatzFelder[] = {"DBedit", "DZedit", "DGABeitrag"};

template <std::size_t N>
bool In(const char* const (&liste)[N], std::string_view name) {
  return std::find(std::begin(liste), std::end(liste), name) != std::end(liste);
}

}  // namespace

DruOptModel::DruOptModel(int jahr) : jahr_(jahr) {
  DeclareFields();
  AttachRules();
}

void DruOptModel::DeclareFields() {
  for (const FeldDekl& f : kFelder) Declare(f.art, f.name, f.art == K ? "" : f.start, f.hint);
  for (const FeldDekl& f : kFelder)
    if (f.art == K) SetText(f.name, f.start);
  SetChecked("DatumVorschlagenCheckBox", true);
  SetText("AbfrageJahrEdit", std::to_string(jahr_));
  std::vector<std::string> anzahl;
  for (int i = 0; i <= 200; ++i) anzahl.push_back(std::to_string(i));
  SetItems("DGAAnzMitarbCBox", std::move(anzahl));
  SetItems("ELDASatzartComboBox",
           {"Beitragsnachweisung", "Nachtrag/Gutschrift Beitragsnachweisung",
            "Storno Beitragsnachweisung", "Storno Nachtrag/Gutschrift Beitragsnachw."});
  SetItems("LohnzettelSatzartComboBox",
           {"Lohnzettel", "Storno Lohnzettel, Korrektur",
            "Fehlerindikator = LZ Finanz ohne Fehlerhinweis übernehmen"});
  for (const std::string& name : AlleOptionsFelder()) SetVisible(name, false);
  // No report offers the wage-slip kind 5 box; the ELDA item only unticks it.
  SetVisible("LohnzettelArt5CheckBox", false);
}

std::string DruOptModel::JahrRegel(std::string_view text) const {
  const long long wert = ZiffernWert(text);
  if ((text.size() == 4 && wert < jahr_ && wert != jahr_ - 1) || wert > 2030)
    return std::to_string(jahr_);
  return std::string(text);
}

void DruOptModel::AttachRules() {
  auto filter = [](const char* name, std::string (*f)(std::string_view)) {
    return [name, f](FeldModel& m) { m.SetText(name, f(m.Text(name))); };
  };
  OnChange("AbfrageMonatVonEdit", [](FeldModel& m) {
    if (!m.Checked("DatumVorschlagenCheckBox")) return;
    m.SetText("AbfrageMonatVonEdit", FilterDigits(m.Text("AbfrageMonatVonEdit")));
    m.SetText("AbfrageMonatBisEdit", m.Text("AbfrageMonatVonEdit"));
  });
  for (const char* name : kZiffernFelder) OnChange(name, filter(name, FilterDigits));
  for (const char* name : kZahlFelder) OnChange(name, filter(name, FilterNumber));
  OnChange("AbfrageJahrEdit", [this](FeldModel& m) {
    m.SetText("AbfrageJahrEdit", JahrRegel(FilterDigits(m.Text("AbfrageJahrEdit"))));
  });
  OnChange("nurEinePersNrEdit", filter("nurEinePersNrEdit", FilterDigitsAllowEmpty));
  OnChange("nurStandortEdit", filter("nurStandortEdit", FilterDigitsAllowEmpty));
  OnChange("KostenstelleEdit", [](FeldModel& m) {
    m.SetText("KostenstelleEdit", FilterDigitsAllowEmpty(m.Text("KostenstelleEdit")));
    // No ELDA file for a single cost centre ("0" too): its sums are part of
    // the company's, its head counts the whole company's.
    const bool alle = m.Text("KostenstelleEdit").empty();
    if (!alle) m.SetChecked("ELDADateiCheckBox", false);
    m.SetEnabled("ELDADateiCheckBox", alle);
  });
  OnChange("ELDADateiCheckBox", [](FeldModel& m) {
    const bool zeigen =
        m.Checked("ELDADateiCheckBox") && m.Text("DruckErgebnis") == "Beitragsnachweisung";
    if (zeigen || !m.Checked("ELDADateiCheckBox"))
      for (const char* name : {"ELDASatzartComboBox", "ELDASatzartLabel", "ELDATestDatenCheckBox"})
        m.SetVisible(name, zeigen);
  });
}

std::vector<std::string> DruOptModel::OptionsFelder(unsigned optionen) {
  std::vector<std::string> felder;
  for (const Gruppe& g : Gruppen())
    if (optionen & g.bit) felder.insert(felder.end(), g.felder.begin(), g.felder.end());
  return felder;
}

const std::vector<std::string>& DruOptModel::AlleOptionsFelder() {
  static const std::vector<std::string> alle = OptionsFelder(~0u);
  return alle;
}

void DruOptModel::ZeigeOptionen(unsigned optionen) {
  const std::vector<std::string> zeigen = OptionsFelder(optionen);
  for (const std::string& name : AlleOptionsFelder())
    SetVisible(name, std::find(zeigen.begin(), zeigen.end(), name) != zeigen.end());
  SetText("ELDADateiCheckBox", (optionen & opt::kXmlDatei) ? kXmlDateiCaption : kEldaDateiCaption);
}

void DruOptModel::HideDruckOptionen() {
  ZeigeOptionen(0);
  for (const char* name :
       {"KontierungCheckBox", "LohnartenDetailCheckBox", "MitAuslandsTaetPar3CheckBox",
        "ELDATestDatenCheckBox", "DGACheckBox", "RueckVerr", "RueckVerrAV56CheckBox",
        "ELDADateiCheckBox", "LohnzettelArt5CheckBox"})
    SetChecked(name, false);
}

DruckOptionen DruOptModel::Gespeicherte() const {
  DruckOptionen o;
  for (auto& [name, feld] : kGespeichert) o.*feld = Text(name);
  return o;
}

void DruOptModel::Uebernehmen(const DruckOptionen& o) {
  for (auto& [name, feld] : kGespeichert) SetText(name, o.*feld);
}

void DruOptModel::FeldVerlassen(std::string_view name) {
  if (In(kBetragFelder, name)) {
    const std::string_view getrimmt = TrimBlanks(Text(name));
    SetText(name, getrimmt.empty() || getrimmt.back() == '-' ? std::string(1, '0')
                                                             : std::string(getrimmt));
    const double wert = StrToFloat(Text(name));
    SetText(name, FloatToStrFixed(wert, 15, 2));
  } else if (In(kSatzFelder, name)) {
    StrToFloat(Text(name));
  } else if (name == "ZeilenEdit" && Text(name).empty()) {
    SetText(name, "0");
  }
}

void DruOptModel::FeldBetreten(std::string_view name) {
  if (name == "druckOK")
    SetText("StatusBar1", "");
  else if (Has(name) && !Hint(name).empty())
    SetText("StatusBar1", "Hinweis: " + Hint(name));
}

void DruOptModel::Normalisieren() {
  for (const char* name : kZahlFelder)
    if (std::string_view(name) != "AufloesAbgEdit") SetText(name, FilterNumber(Text(name)));
  SetText("AbfrageJahrEdit", FilterDigits(Text("AbfrageJahrEdit")));
  SetText("AbfrageMonatVonEdit", FilterDigits(Text("AbfrageMonatVonEdit")));
  for (const char* name : kZiffernFelder) SetText(name, FilterDigits(Text(name)));
  for (const char* name : kLeerFelder) SetText(name, FilterDigitsAllowEmpty(Text(name)));
  SetText("AbfrageJahrEdit", JahrRegel(Text("AbfrageJahrEdit")));
}

}  // namespace lohn
