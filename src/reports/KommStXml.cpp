#include "reports/KommStXml.h"

#include <algorithm>

#include "reports/BerichtText.h"
#include "store/Cp1252.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

bool NurZiffern(const std::string& s, std::size_t n) {
  return s.size() == n &&
         std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A tax-office number of 9 digits within the portal's range.
bool FinanzamtSteuerNrGueltig(const std::string& s) {
  return NurZiffern(s, 9) && s >= "020000010" && s <= "989999999";
}

// 1 to 40 letters (umlauts and ß included) and the signs the schema allows.
bool GemeindeNameGueltig(const std::string& name) {
  const std::u32string s = DecodeUtf8(name);
  if (s.empty() || s.size() > 40) return false;
  const std::u32string zeichen = U"äÄöÖüÜß,/. -()='*´`";
  return std::all_of(s.begin(), s.end(), [&](char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
           zeichen.find(c) != std::u32string::npos;
  });
}

constexpr double kHoechstbetrag = 9999999999999.99;

std::string Betrag(double v) { return BerichtText::A(v, 0); }

std::string Zeichen(const std::string& text) {
  std::string s;
  for (char c : text) {
    switch (c) {
      case '&':
        s += "&amp;";
        break;
      case '<':
        s += "&lt;";
        break;
      case '>':
        s += "&gt;";
        break;
      case '"':
        s += "&quot;";
        break;
      case '\'':
        s += "&apos;";
        break;
      default:
        s += c;
    }
  }
  return s;
}

std::string Wert(const std::string& feld, const std::string& wert) {
  return feld + ": \"" + wert + "\"";
}

}  // namespace

std::string KommStFastNr(const std::string& finanzamtNr, const std::string& steuerNr) {
  auto auffuellen = [](std::string z, std::size_t n) {
    return z.size() < n ? std::string(n - z.size(), '0') + z : z;
  };
  return auffuellen(FilterDigits(finanzamtNr), 2) + auffuellen(FilterDigits(steuerNr), 7);
}

std::string KommStIdentifikation(const std::string& uebermittlerFaStNr, const std::string& fastNr) {
  const std::string z = FilterDigits(uebermittlerFaStNr);
  return z.size() == 9 ? z : fastNr;
}

std::string KommStXmlDateiName(const std::string& stem, int jahr, int standort) {
  return stem + "_KommSt" + std::to_string(jahr) + std::to_string(standort) + ".XML";
}

std::vector<std::string> KommStXmlFehler(const KommStXmlDaten& d) {
  std::vector<std::string> f;
  if (!FinanzamtSteuerNrGueltig(d.identifikation))
    f.push_back(Wert("Identifikationsbegriff", d.identifikation));
  if (!FinanzamtSteuerNrGueltig(d.fastNr))
    f.push_back(Wert("Finanzamt- und Steuernummer", d.fastNr));
  if (!NurZiffern(d.gd, 5) || d.gd == "00000") f.push_back(Wert("Gemeindekennziffer", d.gd));
  if (!NurZiffern(d.plz, 4) || d.plz == "0000") f.push_back(Wert("Postleitzahl", d.plz));
  if (!GemeindeNameGueltig(d.gem)) f.push_back(Wert("Ort", d.gem));
  if (!(d.bmg >= 0 && d.bmg <= kHoechstbetrag))
    f.push_back(Wert("Bemessungsgrundlage", Betrag(d.bmg)));
  if (!(d.steuer >= 0 && d.steuer <= kHoechstbetrag))
    f.push_back(Wert("Kommunalsteuer", Betrag(d.steuer)));
  return f;
}

std::vector<std::uint8_t> KommStXml(const KommStXmlDaten& d) {
  const std::string bmg = Betrag(d.bmg), steuer = Betrag(d.steuer);
  const std::string zeilen[] = {
      "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>",
      "<ERKLAERUNGS_UEBERMITTLUNG>",
      " <INFO_DATEN>",
      "  <ART_IDENTIFIKATIONSBEGRIFF>FASTNR</ART_IDENTIFIKATIONSBEGRIFF>",
      "  <IDENTIFIKATIONSBEGRIFF>" + Zeichen(d.identifikation) + "</IDENTIFIKATIONSBEGRIFF>",
      "    <PAKET_NR>3" + std::to_string(d.paketNr) + "</PAKET_NR>",
      "  <DATUM_ERSTELLUNG type=\"datum\">" + Zeichen(d.datum) + "</DATUM_ERSTELLUNG>",
      "  <UHRZEIT_ERSTELLUNG type=\"uhrzeit\">" + Zeichen(d.uhrzeit) + "</UHRZEIT_ERSTELLUNG>",
      "  <ANZAHL_ERKLAERUNGEN>1</ANZAHL_ERKLAERUNGEN>",
      " </INFO_DATEN>",
      " <KOMMUNALSTEUERERKLAERUNG art=\"KOMU\">",
      "  <ERKLAERUNG art=\"KOMMST1\">",
      "   <SATZNR>1</SATZNR>",
      "   <ALLGEMEINE_DATEN>",
      "    <ANBRINGEN>KOMMST1</ANBRINGEN>",
      "    <JAHR>" + std::to_string(d.jahr) + "</JAHR>",
      "    <FASTNR>" + Zeichen(d.fastNr) + "</FASTNR>",
      "   </ALLGEMEINE_DATEN>",
      "   <GESAMTE_BEMESSUNGSGRUNDLAGE>",
      "    <GESAMT_BMG type=\"kz\">" + bmg + "</GESAMT_BMG>",
      "    <GESAMT_STEUER type=\"kz\">" + steuer + "</GESAMT_STEUER>",
      "   </GESAMTE_BEMESSUNGSGRUNDLAGE>",
      "   <GEMEINDE>",
      "    <GD>" + Zeichen(d.gd) + "</GD>",
      "    <PLZ>" + Zeichen(d.plz) + "</PLZ>",
      "    <GEM>" + Zeichen(d.gem) + "</GEM> ",
      "    <BMG type=\"kz\">" + bmg + "</BMG>",
      "    <STEUER type=\"kz\">" + steuer + "</STEUER>",
      "   </GEMEINDE>",
      "  </ERKLAERUNG>",
      " </KOMMUNALSTEUERERKLAERUNG>",
      "</ERKLAERUNGS_UEBERMITTLUNG>",
  };
  std::vector<std::uint8_t> bytes;
  for (const std::string& z : zeilen) {
    for (char32_t c : DecodeUtf8(z)) {
      // XML 1.0 has no place for the other control characters.
      const bool ok = c < 0x100 && (c >= 0x20 || c == '\t');
      bytes.push_back(ok ? std::uint8_t(c) : std::uint8_t('?'));
    }
    bytes.push_back('\r');
    bytes.push_back('\n');
  }
  return bytes;
}

}  // namespace lohn
