#pragma once
// The municipal tax return as an XML file for FinanzOnline: values in, bytes
// out (ISO-8859-1, CR LF), and the checks that the portal's schema makes, so
// that no file is written that it would refuse.

#include <cstdint>
#include <string>
#include <vector>

namespace lohn {

struct KommStXmlDaten {
  std::string identifikation;  // 9 digits
  std::string fastNr;          // tax office (2) and tax number (7)
  long long paketNr = 0;       // the counter; the element holds "3" before it
  std::string datum;           // "2015-01-20"
  std::string uhrzeit;         // "10:11:12"
  int jahr = 0;
  std::string gd;   // Gemeindekennziffer, 5 digits
  std::string plz;  // 4 digits
  std::string gem;  // the municipality's name
  double bmg = 0, steuer = 0;
};

// The tax office's number padded to 2 digits and the tax number to 7, each
// of its digits only; a longer number stays as it is (and fails the check).
std::string KommStFastNr(const std::string& finanzamtNr, const std::string& steuerNr);
// The transmitter's tax number when its digits are exactly 9, else fastNr.
std::string KommStIdentifikation(const std::string& uebermittlerFaStNr, const std::string& fastNr);

// "<stem>_KommSt<jahr><standort>.XML".
std::string KommStXmlDateiName(const std::string& stem, int jahr, int standort);

// Every value the schema would refuse, one line each naming the field and
// its value; empty when the file may be written.
std::vector<std::string> KommStXmlFehler(const KommStXmlDaten& d);

// The file's 32 lines, each ended by CR LF, in ISO-8859-1 (a character
// outside it becomes "?"), texts escaped. The optional customer reference
// is left out: the program has no such value of the firm to file.
std::vector<std::uint8_t> KommStXml(const KommStXmlDaten& d);

}  // namespace lohn
