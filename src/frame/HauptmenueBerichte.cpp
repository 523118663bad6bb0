#include "frame/HauptmenueBerichte.h"

#include "store/Cp1252.h"
#include "store/FileUtil.h"

namespace lohn {

namespace {

constexpr BerichtZeitraum P = BerichtZeitraum::Vorschlag;
constexpr BerichtZeitraum Y = BerichtZeitraum::GanzesJahr;
constexpr BerichtZeitraum Y31 = BerichtZeitraum::GanzesJahrBis31;

const std::array<BerichtEintrag, kBerichtAnzahl> kBerichte{{
    {Bericht::LohnGehaltszettel, "LohnGehaltszettel1", "&Lohn- Gehaltszettel", "Ctrl+L",
     "Lohn- / Gehaltsabrechnung", P,
     opt::kZeitraum | opt::kAdressZeilen | opt::kExcel | opt::kPersonalNr, 0, nullptr, true,
     "· Lohn- Gehaltszettel"},
    {Bericht::Ueberweisungsliste, "UeberweisungsundBuchungsliste1",
     "Über&weisungs- und Buchungsliste Lohn / Gehaltszettel", "",
     "Überweisungsliste Lohn- / Gehaltsabrechnung", P,
     opt::kZeitraum | opt::kPersonalNr | opt::kKontierung | opt::kLohnartenDetail |
         opt::kKostenstelle,
     preset::kExcelAus, nullptr, true, "· Überweisungs- und Buchungsliste Lohnz."},
    {Bericht::Beitragsnachweisung, "Beitragsnachweisung1", "Be&itragsnachweisung", "",
     "Beitragsnachweisung", P,
     opt::kZeitraum | opt::kExcel | opt::kKostenstelle | opt::kKontierung | opt::kRueckVerr |
         opt::kRueckVerrAV56 | opt::kEldaDatei | opt::kEldaTestdaten | opt::kEldaSatzart |
         opt::kAufloesAbgabe | opt::kMalus | opt::kUnbezUrlaub,
     0, nullptr, true, "· Beitragsnachweisung"},
    {Bericht::LohnsteuerDbDzKommSt, "LohnsteuerDBDZKommunalsteuer1",
     "Lohnsteuer &DB DZ Kommunalsteuer", "", "Lohnsteuer DB DZ Kommunalsteuer", P,
     opt::kZeitraum | opt::kKostenstelle | opt::kKontierung | opt::kDB | opt::kDZ |
         opt::kKommunalsteuer | opt::kDGA | opt::kDGAWerte,
     preset::kExcelAus,
     "Hinweis: Prüfen Sie bitte den für Ihr Bundesland aktuellen DZ-Prozentsatz und setzten "
     "diesen ein.",
     true, "· Lohnsteuer DB DZ Kommunalsteuer"},
    {Bericht::JahreslohnzettelL16, "JahreslohnzettelmitFormularL161",
     "Jahreslohnzettel mit &Formular L16", "", "JahresLohnzettel mit Formular L16", Y31,
     opt::kZeitraum | opt::kPersonalNr | opt::kTage | opt::kAuslandstaetigkeit, preset::kExcelAus,
     nullptr, true, "· Jahreslohnzettel mit Formular L16"},
    {Bericht::JahreslohnzettelElda, "JahreslohnzettelELDADatentraeger1",
     "Jahreslohnzettel &ELDA-Datenträger", "", "elektronische Übermittlung Lohnzettel", Y31,
     opt::kZeitraum | opt::kPersonalNr | opt::kTage | opt::kAuslandstaetigkeit |
         opt::kEldaTestdaten | opt::kLohnzettelSatzart,
     preset::kLohnzettelArt5Aus, nullptr, false, "· Jahreslohnzettel ELDA-Datenträger"},
    {Bericht::Kommunalsteuererklaerung, "Kommunalsteuererklaerung1",
     "Ko&mmunalsteuererklärung (jährlich)", "", "Kommunalsteuererklaerung",
     BerichtZeitraum::NurJahr, opt::kKommunalsteuer | opt::kDGA | opt::kStandort | opt::kXmlDatei,
     preset::kExcelAus, nullptr, true, "· Kommunalsteuererklärung (jährlich)"},
    {Bericht::Lohnkonten, "Lohnkonten1", "Lohn&konten", "Ctrl+K", "Lohnkonten", Y,
     opt::kZeitraum | opt::kExcel | opt::kPersonalNr, 0, nullptr, true, "· Lohnkonten"},
    {Bericht::Betriebssummenblatt, "Betriebssummenblatt1", "&Betriebssummenblatt", "",
     "Betriebssummenblatt", Y, opt::kZeitraum | opt::kExcel | opt::kDZ, preset::kPersonalNrLeeren,
     nullptr, true, "· Betriebssummenblatt"},
    {Bericht::ArbeitsUndLohnbestaetigung, "ArbeitsundLohnbestaetigung1",
     "Arbeit&s- und Lohnbestätigung", "", "Arbeits- und Lohnbestätigung", P,
     opt::kZeitraum | opt::kPersonalNr, preset::kExcelAus,
     "Für DienstgeberInnen, die ihre SV-Meldungen per ELDA übermitteln, entfällt ab 1. "
     "Dezember 2008 das Ausfüllen der Arbeitsbescheinigung. Das AMS kann ab diesem Zeitpunkt "
     "online auf die Abmeldung zur Sozialversicherung zugreifen.",
     true, "· Arbeits- und Lohnbestätigung"},
    {Bericht::LohnGehaltsliste, "LohnGehaltsliste1", "Lohn- Ge&haltsliste", "", "Lohn-Gehaltsliste",
     BerichtZeitraum::Keiner, 0, 0, nullptr, true, "· Lohn- Gehaltsliste"},
    {Bericht::UrlaubsUndZeitkonten, "UrlaubsundZeitkonten1", "Urlaubs- und Zeitkonten", "",
     "Urlaubs- und Zeitkonten", BerichtZeitraum::Keiner, opt::kPersonalNr,
     preset::kPersonalNrLeeren, nullptr, true, "· Urlaubs- und Zeitkonten"},
    {Bericht::DienstnehmerZeiten, "DienstnehmerZeiten1", "Dienstnehmer-&Zeiten", "",
     "Dienstnehmer-Zeiten", BerichtZeitraum::MonateUndJahr, opt::kZeitraum, 0, nullptr, true,
     "· Dienstnehmer-Zeiten"},
    {Bericht::DienstnehmerAdressen, "DienstnehmerAdressen1", "Dienstnehmer-&Adressen", "",
     "Dienstnehmer-Adressen", BerichtZeitraum::Keiner, 0, 0, nullptr, true,
     "· Dienstnehmer-Adressen"},
    {Bericht::DienstnehmerGeburtsdaten, "DienstnehmerGeburtsdaten1", "Dienstnehmer-&Geburtsdaten",
     "", "Dienstnehmer-Geburtsdaten", BerichtZeitraum::Keiner, 0, 0, nullptr, true,
     "· Dienstnehmer-Geburtsdaten"},
    {Bericht::DienstnehmerDatenGesamt, "DienstnehmerDatengesamt1", "Dienstnehmer-Da&ten gesamt", "",
     "Dienstnehmer-Daten gesamt", BerichtZeitraum::Keiner, 0, 0, nullptr, true,
     "· Dienstnehmer-Daten gesamt"},
}};

// The option fields in the order of the file.
constexpr std::array<std::string DruckOptionen::*, 14> kFelder{
    &DruckOptionen::KommunalstEdit,   &DruckOptionen::DBedit,          &DruckOptionen::DZedit,
    &DruckOptionen::DGAAnzMitarbCBox, &DruckOptionen::Wochen,          &DruckOptionen::DGAabzugEdit,
    &DruckOptionen::DGABeitrag,       &DruckOptionen::AnzMalusArbEdit, &DruckOptionen::MalusArbEdit,
    &DruckOptionen::AnzMalusAngEdit,  &DruckOptionen::MalusAngEdit,    &DruckOptionen::unbezUrlEdit,
    &DruckOptionen::ZeilenEdit,       &DruckOptionen::befreitDGA,
};

}  // namespace

const std::array<BerichtEintrag, kBerichtAnzahl>& BerichtTabelle() { return kBerichte; }

const BerichtEintrag& BerichtDaten(Bericht b) { return kBerichte[std::size_t(b)]; }

int ProposeReportMonth(AppState& state) {
  if (state.ReportMonthProposal == 0) {
    const platform::DateTime heute = state.services.clock.Now();
    state.ReportMonthProposal = state.year.MonatImJahr(heute.year, heute.month);
  }
  return state.ReportMonthProposal;
}

ZeitraumVorschlag ZeitraumVorschlagen(AppState& state, const BerichtEintrag& eintrag,
                                      bool zeitraumVorschlagen) {
  ZeitraumVorschlag v;
  switch (eintrag.zeitraum) {
    case BerichtZeitraum::Vorschlag: {
      // The proposal is fixed even when the box is not ticked, so that a later
      // report of the same run proposes the same month.
      std::string monat = std::to_string(ProposeReportMonth(state));
      if (zeitraumVorschlagen) v.monatVon = v.monatBis = monat;
      break;
    }
    case BerichtZeitraum::GanzesJahrBis31:
      if (zeitraumVorschlagen) v.bisTag = "31";
      [[fallthrough]];
    case BerichtZeitraum::GanzesJahr:
      if (zeitraumVorschlagen) {
        v.monatVon = "1";
        v.monatBis = "12";
      }
      break;
    case BerichtZeitraum::NurJahr:
    case BerichtZeitraum::MonateUndJahr:
    case BerichtZeitraum::Keiner:
      break;
  }
  return v;
}

std::string DruckOptionenDatei(const std::string& stem) { return stem + "DruOpt.dat"; }

bool LoadDruckOptionen(const std::string& stem, DruckOptionen& options) {
  if (auto file = ReadTextFileUtf8(DruckOptionenDatei(stem)); file && !file->empty()) {
    // One line; a line end added by an editor is not part of the last value.
    const std::string text = file->substr(0, file->find_first_of("\r\n"));
    std::size_t feld = 0, start = 0;
    while (feld < kFelder.size()) {
      std::size_t end = text.find(';', start);
      options.*kFelder[feld++] = text.substr(start, end - start);
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }
  return options.KommunalstEdit.empty();
}

std::string FormatDruckOptionen(const DruckOptionen& options) {
  std::string line;
  for (std::size_t i = 0; i < kFelder.size(); ++i) {
    if (i > 0) line += ';';
    line += options.*kFelder[i];
  }
  return Utf8ToCp1252(line);
}

}  // namespace lohn
