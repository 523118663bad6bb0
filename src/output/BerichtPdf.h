#pragma once
// A report text as PDF: pages of at most 50 lines, a page's first line as its
// title, form feeds starting titled pages; the name rules of the PDF file and
// the marker of the one-time PDF notice.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/PrintPDF.h"
#include "store/AppState.h"
#include "store/FileUtil.h"

namespace lohn {

inline constexpr const char* kPdfHinweisDatei = "HinwPDFAngez.dat";
inline constexpr const char* kPdfHinweisInhalt = "Hinweis: PDF Infos - wurde angezeigt.";
inline constexpr const char* kPdfLeererName =
    "Geben Sie einen Dateinamen in das Eingabefeld \"Dateiname\" ein!";
inline constexpr const char* kPdfFertigstellen = "fertigstellen ...";
inline constexpr const char* kPdfTitel = "Quandrel Software";
inline constexpr const char* kPdfVorschlag = "Quandrel";
// The progress text follows the document every this many lines.
inline constexpr long kPdfFortschrittZeilen = 500;
inline constexpr int kPdfSeitenZeilen = 50;

using PdfFortschritt = std::function<void(const std::string&)>;

// The text size of a report's PDF: the viewer's size (6 to 18), at most 12
// so that the fixed 12.5 point leading never overlaps, and small enough that
// the longest line fits across the page; never below 4.
int PdfSchriftgrad(const Bytes& report, int viewerSchriftgrad);
// A title is printed at twice the size, less when that would not fit.
int PdfTitelGrad(std::size_t titelZeichen, int schriftgrad);

// Begins the document in `pdf` (Courier) and writes the report's pages into
// it; the caller names the file and ends the document. `fortschritt` gets the
// number of the line read every kPdfFortschrittZeilen lines.
void BerichtAlsPdf(const Bytes& report, int schriftgrad, TPrintPDF& pdf,
                   const PdfFortschritt& fortschritt);

// What the name field shows after typing: "Handbuch", in any case, becomes
// "Bericht".
std::string PdfNameImFeld(std::string_view text);
// The PDF files of the working directory ("*.pdf" in any case), sorted.
std::vector<std::string> PdfDateien();
// The file an entered name writes, in the working directory: the name's file
// part without folder and extension, characters a file name cannot hold as
// "_", and ".PDF" unless a listed PDF of that name is there already (then its
// real name, which is replaced). Nothing when no name is left.
std::optional<std::string> PdfDateiName(std::string_view eingabe);

// The file that printing to a file proposes: the report's name in the data
// folder, path characters as "-", characters no file name takes as "_";
// "Bericht" for a report without a name.
std::string DruckDateiVorschlag(std::string_view berichtName);

// The one-time notice is skipped while its marker file exists.
bool PdfHinweisAngezeigt();
void MerkePdfHinweis(AppState& state);

// Writes the report as `datei` and opens it through the shell. A failed write
// shows the creation error and opens nothing; a PDF written but not opened
// is reported as saved (PdfGespeichertMeldung).
bool SchreibeBerichtPdf(AppState& state, const Bytes& report, int schriftgrad,
                        const std::string& datei, const PdfFortschritt& fortschritt);

// "The PDF was saved at <full path>", then on its own line that no program
// for PDF files is set up to open it.
std::string PdfGespeichertMeldung(const std::string& datei);

}  // namespace lohn
