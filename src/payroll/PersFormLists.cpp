#include "payroll/PersFormLists.h"

#include <algorithm>

#include "store/Cp1252.h"

namespace lohn {

std::vector<std::string> MonatListe() {
  std::vector<std::string> items;
  for (int m = 1; m <= 12; ++m) items.push_back(std::to_string(m));
  return items;
}

std::vector<std::string> JahrListe(const YearValues& year) {
  std::vector<std::string> items;
  for (int y = year.year; y <= year.LetztesListenjahr(); ++y) items.push_back(std::to_string(y));
  return items;
}

std::vector<std::string> TeilabrechnungListe() { return {"0", "1"}; }

const std::vector<std::string>& BeitragsgruppenCodes() {
  static const std::vector<std::string> codes = {
      "A1",    "A1a",  "J1",   "J1a",  "A2",   "A13",  "L2r",  "A2u",  "J3u",  "A4u",  "L4ru",
      "A1l",   "J1l",  "A2l",  "A2lu", "A4lu", "D1",   "Y1",   "D1e",  "Y1e",  "D1p",  "Y1p",
      "NKand", "D2",   "D2p",  "M2r",  "D2u",  "D4u",  "D2eu", "D4eu", "D2pu", "D4pu", "M4ru",
      "M1r",   "Y1r",  "M2ru", "L1r",  "J1r",  "L2ru", "N21r", "S21r", "N14",  "N24",  "L14",
      "M24",   "N22r", "N22u", "N23u", "N14u", "N24u", "N72",  "N74",  "L14u", "M24u", "A8y",
      "A7y",   "A4y",  "A3y",  "A8v",  "A7v",  "A4v",  "A3v",  "D8b",  "D7b",  "D4b",  "D3b",
      "D7w",   "D8w",  "D3w",  "N12o", "N13o", "K22",  "K23u", "G22p", "G23u", "A11",  "A12u",
      "A12",   "A13u", "A11l", "A22u", "A12l", "A23u", "D2x",  "D4xu", "A2au", "A2a",  "A4au",
      "A1p",   "J1p",  "A2pu", "A2p",  "A4pu", "A1t",  "J1t",  "A2tu", "A2t",  "A4tu", "A2o",
      "A4z",   "A6p",  "A7pu", "Q15",  "Q15u", "D1t",  "Y1t",  "D2tu", "D2t",  "D4tu", "D2k",
      "D2o",   "D3c",  "D3u",  "D4z",  "D6",   "D7u",  "D7",   "Q25",  "Q25u", "G12p", "G13u",
      "N13x",  "N22p", "N13u", "N23c", "P11p", "P12u", "P12p", "P13u", "T22",  "T23u", "Z22",
      "Z23u"};
  return codes;
}

std::vector<std::string> BeitragsgruppenListe() {
  std::vector<std::string> items{"-"};
  const auto& codes = BeitragsgruppenCodes();
  items.insert(items.end(), codes.begin(), codes.end());
  SortiereListe(items);
  return items;
}

std::vector<std::string> SonderzahlungListe() {
  return {"Urlaubsgeld", "Weihnachtsgeld", "Url.& Weihnachtsgeld"};
}

std::vector<std::string> EldaMeldungsartListe() {
  return {"",
          "03 Anmeldung",
          "04 Abmeldung",
          "05 Meldung fallweise Beschäftigter",
          "06 Änderungsmeldung",
          "08 Richtigstellung Anmeldung",
          "09 Richtigstellung Abmeldung",
          "13 Storno Anmeldung",
          "14 Storno Abmeldung",
          "15 Storno Meldung fallweise Beschäftigter",
          "16 Sonderzahlungsmeldung",
          "17 Storno Sonderzahlungsmeldung"};
}

std::vector<std::string> EldaGesetzlicheGrundlageListe() {
  return {"",
          "01 - EFZG",
          "02 - Angestelltengesetz",
          "03 - Gutsangestelltengesetz",
          "04 - Vertragsbedienstetengesetz",
          "05 - Journalistengesetz",
          "06 - Schauspielergesetz",
          "07 - Landarbeitsgesetz",
          "08 - Hausbesorgergesetz",
          "09 - Hausgehilfen- und Hausang.",
          "10 - Heimarbeitsgesetz",
          "11 - Berufsausbildungsgesetz",
          "12 - freier Dienstvertrag",
          "13 - Unterrichtspraktikum",
          "14 - Rechtspraktikantengesetz",
          "15 - Zahnärztlicher Lehrgang",
          "16 - Universitätsorganisationsg.",
          "17 - Wehrgesetz (WehrG)",
          "18 - Zivildienstgesetz",
          "19 - Studienr. Veterinärmedizin",
          "20 - § 9 ASVG",
          "21 - Bauarbeiter Urlaubs- und Abfertigungsg.",
          "22 - Sozialhilfeempfänger",
          "99 - andere Gesetze"};
}

std::vector<std::string> EldaVerwandtschaftListe() {
  return {"", "0 - nicht verwandt", "1 - verheir./eing.Partnerschaft", "2 - verwandt"};
}

std::vector<std::string> EldaZugehoerigkeitListe() {
  return {"",
          "01 - Arbeiter(in)",
          "02 - Arbeiterlehrling",
          "03 - Ferialarbeiter(in)",
          "05 - Angestellte(r)",
          "06 - Angestelltenlehrling",
          "07 - Ferialangestellte(r)",
          "08 - Ferialpraktikant(in)",
          "09 - pensionsversicherungsfrei",
          "10 - Gehilfe(in)",
          "11 - Kraftfahrer(in)",
          "12 - Vertreter(in)",
          "13 - Alppersonal",
          "14 - Entwicklungshelfer(in)",
          "15 - Vorstandsmitglied",
          "16 - Geschäftsführer(in)",
          "17 - Ladner(in)",
          "18 - Krankenpfl.schül.mit Entgelt",
          "19 - Krankenpfl.schül.ohne Entgelt",
          "20 - Dienstnehmer mit SZ-Pauschale",
          "21 - Asylwerber(in)",
          "22 - Sozialhifeempfänger(in)",
          "23 - Beamter(in)",
          "24 - Witwe/Waise"};
}

std::vector<std::string> EldaAbmeldegrundListe(const YearValues& year) {
  std::vector<std::string> items = {"",
                                    "01 - Kündigung durch den Dienstgeber",
                                    "02 - Kündigung durch den Dienstnehmer",
                                    "03 - Einvernehmliche Lösung",
                                    "04 - Zeitablauf",
                                    "05 - Berechtigter vorzeitiger Austritt",
                                    "06 - Fristlose Entlassung",
                                    "07 - Karenz nach MSchG / VKG",
                                    "08 - Präsenzdienstleistung im Bundesheer",
                                    "09 - Zivildienst",
                                    "10 - Pragmatisierung",
                                    "11 - Länger als 1 Monat währ. unbez. Urlaub",
                                    "12 - Ummeldung",
                                    "13 - Tod des Dienstnehmers",
                                    "14 - Änderung der SV-Pflicht",
                                    "15 - Truppenübung",
                                    "16 - Pensionierung",
                                    "17 - Ende freier Dienstvertrag",
                                    "18 - Enthebung von der Gerichtspraxis",
                                    "19 - Unterbrechung der Gerichtspraxis",
                                    "20 - Entlassung aus der Bundesbetreuung",
                                    "21 - Kündigung des Teilzeitb. Karenz",
                                    "22 - Unberechtigter vorzeitiger Austritt",
                                    "23 - Bildungskarenz gemäß § 11 AVRAG",
                                    "24 - Vorzeitiger Austritt durch DN",
                                    "25 - Kündigung gemäß § 25 IO durch Insolvenzv.",
                                    "27 - Kündigung gemäß § 25 IO durch Dienstgeber",
                                    "29 - SV-Ende \u2013 Beschäftigung aufrecht",
                                    "30 - Lösung in der Probezeit"};
  if (year.hasBildungskarenzReason) items.push_back("32 - Bildungskarenz gem. § 12 AVRAG");
  items.push_back("00 - sonstige Gründe");
  return items;
}

std::string PendlerEuroErklaerung() {
  const char* const absaetze[] = {
      "Pendlerinnen/Pendlern steht zusätzlich zur Pendlerpauschale der Pendlereuro, der abhängig "
      "von der Entfernung zum Arbeitsplatz ist, als steuerlicher Absetzbetrag zur Verfügung. "
      "Voraussetzung ist der Anspruch auf ein Pendlerpauschale. ",
      "Der Pendlereuro ist ein Jahresbetrag und wird berechnet, indem die Entfernung zwischen "
      "Wohnung und Arbeitsstätte mit \"zwei\" multipliziert wird. ",
      "Der Pendlereuro steht Bezieherinnen/Beziehern des sogenannten \"großen\" und des "
      "\"kleinen\" Pendlerpauschales gleichermaßen zu. Für Teilzeitkräfte wird der Pendlereuro "
      "wie das Pendlerpauschale aliquotiert.",
      "Anders als das Pendlerpauschale vermindert der Pendlereuro als Absetzbetrag direkt die "
      "Lohnsteuer.",
      "Der Pendlereuro kann vom Dienstgeber monatlich berücksichtigt werden oder im Rahmen des "
      "Veranlagungsverfahrens (Arbeitnehmerveranlagung L1) geltend gemacht werden."};
  std::string text;
  for (const char* a : absaetze) {
    if (!text.empty()) text += "\r\n\r\n";
    text += a;
  }
  return text;
}

namespace {

// The primary sort key: lower case, umlauts on their base letter.
std::u32string SortKey(std::string_view text) {
  std::u32string key;
  for (char32_t c : DecodeUtf8(text)) {
    switch (c) {
      case U'ä':
      case U'Ä':
        key += U'a';
        break;
      case U'ö':
      case U'Ö':
        key += U'o';
        break;
      case U'ü':
      case U'Ü':
        key += U'u';
        break;
      case U'ß':
        key += U"ss";
        break;
      default:
        if (c >= U'A' && c <= U'Z') c = c - U'A' + U'a';
        key += c;
    }
  }
  return key;
}

}  // namespace

bool ListenReihenfolge(std::string_view a, std::string_view b) {
  std::u32string ka = SortKey(a), kb = SortKey(b);
  if (ka != kb) return ka < kb;
  return a < b;
}

void SortiereListe(std::vector<std::string>& items) {
  // Each key is built once, not in every comparison.
  struct Eintrag {
    std::u32string key;
    std::string text;
  };
  std::vector<Eintrag> sorted;
  sorted.reserve(items.size());
  for (std::string& text : items) sorted.push_back({SortKey(text), std::move(text)});
  std::sort(sorted.begin(), sorted.end(), [](const Eintrag& a, const Eintrag& b) {
    if (a.key != b.key) return a.key < b.key;
    return a.text < b.text;
  });
  for (std::size_t i = 0; i < items.size(); ++i) items[i] = std::move(sorted[i].text);
}

}  // namespace lohn
