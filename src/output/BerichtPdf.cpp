#include "output/BerichtPdf.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <limits>

#include "frame/Daten.h"
#include "store/Cp1252.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

constexpr int kCourier = 4;
constexpr int kLinkerRand = 30;
constexpr int kTitelY = 60;
constexpr int kTextY = 80;
// Courier's characters are 0.6 em wide; 552 of the 612 points are usable, so
// a line of n characters fits at 552 / (0.6 n) = 920 / n points.
constexpr int kPassendGrad = 920;

int PassendGrad(std::size_t zeichen) {
  return zeichen == 0 ? std::numeric_limits<int>::max() : int(kPassendGrad / zeichen);
}

std::vector<std::string> MemoZeilen(const std::string& text) {
  std::vector<std::string> zeilen;
  std::string zeile;
  for (char c : text) {
    if (c == '\n') {
      zeilen.push_back(Cp1252ToUtf8(zeile));
      zeile.clear();
    } else if (c != '\r') {
      zeile += c;
    }
  }
  if (!zeile.empty()) zeilen.push_back(Cp1252ToUtf8(zeile));
  return zeilen;
}

// Blank lines alone put nothing on paper.
bool NurLeerzeilen(const std::string& text) {
  return text.find_first_not_of("\r\n ") == std::string::npos;
}

// The report's parentheses have always stood as square brackets in its PDFs.
char Eckig(char c) { return c == '(' ? '[' : c == ')' ? ']' : c; }

}  // namespace

int PdfSchriftgrad(const Bytes& report, int viewerSchriftgrad) {
  std::size_t laengste = 0, zeile = 0;
  for (std::uint8_t b : report) {
    if (b == '\n' || b == '\f') {
      laengste = std::max(laengste, zeile);
      zeile = 0;
    } else if (b != '\r') {
      ++zeile;
    }
  }
  laengste = std::max(laengste, zeile);
  int s = std::min({std::clamp(viewerSchriftgrad, 6, 18), 12, PassendGrad(laengste)});
  return std::max(s, 4);
}

int PdfTitelGrad(std::size_t titelZeichen, int schriftgrad) {
  return std::max(schriftgrad, std::min(2 * schriftgrad, PassendGrad(titelZeichen)));
}

void BerichtAlsPdf(const Bytes& report, int schriftgrad, TPrintPDF& pdf,
                   const PdfFortschritt& fortschritt) {
  const int s = PdfSchriftgrad(report, schriftgrad);
  pdf.Font = TPDFFont{kCourier, s};
  pdf.BeginDoc();

  bool seiteGeschrieben = false;
  bool betitelt = true;     // the page's first line is its title
  bool imTitel = true;      // that first line is still being read
  std::string titel, text;  // Windows-1252
  int seitenZeilen = 0;
  long zeilen = 0;

  // A page is written only when it holds a title or a line with text, so
  // neither a form feed after a full page, one at the end nor a last empty
  // line leaves an empty page; the writer's next page is begun only when
  // there is something to put on it.
  auto seitenEnde = [&](bool durchFormFeed) {
    if (!titel.empty() || !NurLeerzeilen(text)) {
      if (seiteGeschrieben) pdf.NewPage();
      seiteGeschrieben = true;
      if (betitelt) {
        pdf.Font.Size = PdfTitelGrad(titel.size(), s);
        pdf.TextOut(kLinkerRand, kTitelY, Cp1252ToUtf8(titel));
        pdf.Font.Size = s;
      }
      pdf.MemoOut(kLinkerRand, kTextY, MemoZeilen(text));
      betitelt = durchFormFeed;
    } else {
      betitelt = betitelt || durchFormFeed;
    }
    imTitel = betitelt;
    titel.clear();
    text.clear();
    seitenZeilen = 0;
  };

  for (std::uint8_t b : report) {
    char c = char(b);
    if (c == '\f') {
      seitenEnde(true);
    } else if (c == '\n') {
      ++zeilen;
      if (fortschritt && zeilen % kPdfFortschrittZeilen == 0) fortschritt(std::to_string(zeilen));
      if (imTitel)
        imTitel = false;
      else
        text += c;
      if (++seitenZeilen == kPdfSeitenZeilen) seitenEnde(false);
    } else if (imTitel) {
      if (c != '\r') titel += Eckig(c);
    } else {
      text += Eckig(c);
    }
  }
  seitenEnde(false);
}

std::string PdfNameImFeld(std::string_view text) {
  constexpr std::string_view kHandbuch = "handbuch";
  const bool handbuch =
      std::equal(text.begin(), text.end(), kHandbuch.begin(), kHandbuch.end(),
                 [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
  return handbuch ? std::string("Bericht") : std::string(text);
}

namespace {

// Control characters and those no file name may hold become "_".
void OhneUnbrauchbareZeichen(std::string& name) {
  for (char& c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || std::strchr(":*?\"<>|", c)) c = '_';
  }
}

}  // namespace

std::string DruckDateiVorschlag(std::string_view berichtName) {
  std::string name(TrimBlanks(berichtName));
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '/' || c == '\\'; }, '-');
  OhneUnbrauchbareZeichen(name);
  if (name.empty() || name.front() == '.') name.insert(0, "Bericht");
  return DatenOrdner() + "/" + name + ".pdf";
}

std::vector<std::string> PdfDateien() {
  std::vector<std::string> dateien;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(".", ec)) {
    if (!e.is_regular_file(ec)) continue;
    std::string name = e.path().filename().string();
    if (name.size() < 4) continue;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".pdf") dateien.push_back(name);
  }
  std::sort(dateien.begin(), dateien.end());
  return dateien;
}

std::optional<std::string> PdfDateiName(std::string_view eingabe) {
  std::string name = PdfNameImFeld(getNameFromPfad(eingabe));
  OhneUnbrauchbareZeichen(name);
  if (name.empty()) return std::nullopt;
  // A listed "name.pdf" is the file the user chose; writing "name.PDF" beside
  // it would leave the old one as it was.
  const std::string gross = name + ".PDF";
  std::optional<std::string> vorhanden;
  for (const std::string& d : PdfDateien()) {
    if (d == gross) return gross;
    if (!vorhanden && d.size() == gross.size() && d.compare(0, name.size(), name) == 0)
      vorhanden = d;
  }
  return vorhanden.value_or(gross);
}

bool PdfHinweisAngezeigt() { return FileExists(kPdfHinweisDatei); }

void MerkePdfHinweis(AppState& state) {
  const std::string inhalt = kPdfHinweisInhalt;
  int err = 0;
  if (!CreateFileIfMissing(kPdfHinweisDatei, Bytes(inhalt.begin(), inhalt.end()), &err))
    state.dialogs().ShowMessage(CreateFailedMessage(kPdfHinweisDatei, err));
}

bool SchreibeBerichtPdf(AppState& state, const Bytes& report, int schriftgrad,
                        const std::string& datei, const PdfFortschritt& fortschritt) {
  TPrintPDF pdf(state.services.clock);
  pdf.TITLE = kPdfTitel;
  pdf.PageWidth = 612;
  pdf.PageHeight = 792;
  pdf.FileName = datei;
  BerichtAlsPdf(report, schriftgrad, pdf, fortschritt);
  if (fortschritt) fortschritt(kPdfFertigstellen);
  int err = 0;
  if (!pdf.EndDoc(&err)) {
    state.dialogs().ShowMessage(CreateFailedMessage(datei, err));
    return false;
  }
  state.services.shell.Open(datei, PdfGespeichertMeldung(datei));
  return true;
}

std::string PdfGespeichertMeldung(const std::string& datei) {
  std::error_code fehler;
  const std::filesystem::path pfad = std::filesystem::absolute(datei, fehler);
  return "Die PDF-Datei wurde gespeichert: " + (fehler ? datei : pfad.string()) +
         "\nEs ist kein Programm für PDF-Dateien eingerichtet, das sie öffnen kann.";
}

}  // namespace lohn
