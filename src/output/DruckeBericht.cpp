#include "output/DruckeBericht.h"

#include <algorithm>
#include <string_view>

#include "output/Bitmap.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"

namespace lohn {

namespace {

constexpr int kLinks = 100;
constexpr int kOben = 100;
constexpr int kLogoRaum = 200;
constexpr std::size_t kKopfMax = 5;

bool IstRegel(std::string_view zeile) { return zeile.starts_with("_____"); }

// Lines end with CR LF, CR or LF; a last line without its end counts too.
std::vector<std::string> Zeilen(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::string> zeilen;
  std::string zeile;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = char(bytes[i]);
    if (c == '\r' || c == '\n') {
      zeilen.push_back(std::move(zeile));
      zeile.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      zeile += c;
    }
  }
  if (!zeile.empty()) zeilen.push_back(std::move(zeile));
  return zeilen;
}

// The line that needs the most room in a fixed-pitch font: the most
// characters before its trailing blanks; a form feed takes none.
std::string BreitesteZeile(const std::vector<std::string>& zeilen) {
  std::string_view breiteste;
  for (std::string_view z : zeilen) {
    if (z.starts_with('\f')) z.remove_prefix(1);
    const std::size_t ende = z.find_last_not_of(' ');
    z = ende == std::string_view::npos ? std::string_view() : z.substr(0, ende + 1);
    if (z.size() > breiteste.size()) breiteste = z;
  }
  return std::string(breiteste);
}

}  // namespace

bool DruckeBericht(platform::PrintCanvas& canvas, platform::Dialogs& dialogs,
                   const std::vector<std::uint8_t>& bytes, const DruckEinstellung& einstellung,
                   const DruckFortschritt& fortschritt) {
  int s = std::clamp(einstellung.schriftgrad, kKleinsterSchriftgrad, kGroessterSchriftgrad);
  const std::vector<std::string> zeilen = Zeilen(bytes);

  if (!canvas.BeginDoc(kDruckJobTitel)) return false;
  bool logo = false;
  if (einstellung.logo) {
    // A picture that cannot be drawn counts as none. The page keeps the
    // logo's room, so pages look alike either way.
    logo = BitmapLesbar(kLogoFile);
    bool* gemeldet = einstellung.logoGemeldet;
    if (!logo && !(gemeldet && *gemeldet)) {
      dialogs.ShowMessage(FileExists(kLogoFile) ? kLogoUnlesbar : kLogoFehlt);
      if (gemeldet) *gemeldet = true;
    }
  }

  auto schrift = [&](int grad) {
    platform::PrintFont f;
    f.family = einstellung.schrift;
    f.pointSize = grad;
    f.cellHeight = 3 * grad;
    return f;
  };
  // The paper is known only now. A line wider than the printable width is
  // never cut silently: the job takes a smaller size, down to the smallest.
  const std::string breiteste = Cp1252ToUtf8(BreitesteZeile(zeilen));
  const int platz = canvas.PageWidth() - kLinks;
  canvas.SetFont(schrift(s));
  while (s > kKleinsterSchriftgrad && canvas.TextWidth(breiteste) > platz)
    canvas.SetFont(schrift(--s));
  if (canvas.TextWidth(breiteste) > platz) dialogs.ShowMessage(kZeilenAbgeschnitten);

  const int h = 3 * s;
  const int schritt = h + 3;
  const int versatz = einstellung.logo ? kLogoRaum : 0;
  const int laenge = einstellung.logo ? 600 / s - 10 / s + 9 : 650 / s - 10 / s + 10;
  // The page length of the old fixed rule, but never below the paper the
  // print dialog chose (landscape would lose its last lines otherwise).
  const int proSeite =
      std::max(1, std::min(laenge - 1, (canvas.PageHeight() - kOben - versatz - h) / schritt));

  const platform::PrintFont normal = schrift(s);
  platform::PrintFont titel = normal;
  titel.pointSize = 2 * s;
  titel.bold = true;
  titel.cellHeight = 2 * h;

  std::vector<std::string> kopf;
  enum class Kopf { Suchen, Sammeln, Fertig } kopfZustand = Kopf::Suchen;
  int seite = 1, d = 0;
  bool seiteNachFormfeed = false, formfeedGesehen = false;
  auto neueSeite = [&] {
    canvas.NewPage();
    ++seite;
    canvas.SetFont(normal);
  };

  for (std::string zeile : zeilen) {
    if (zeile.size() < 5) zeile.append(5, ' ');
    ++d;
    if (zeile.front() == '\f') {
      zeile.erase(0, 1);
      zeile.push_back(' ');
      // A report that begins with a form feed does not waste a blank sheet.
      if (d > 1) neueSeite();
      seiteNachFormfeed = formfeedGesehen = true;
      d = 1;
    } else if (d > proSeite) {
      neueSeite();
      d = 1;
    }

    // The column header: from the first rule of the first page up to and
    // including the next rule (not the line right after the first one),
    // five lines at most.
    if (seite == 1) {
      if (kopfZustand == Kopf::Suchen && IstRegel(zeile)) {
        kopf.push_back(zeile);
        kopfZustand = Kopf::Sammeln;
      } else if (kopfZustand == Kopf::Sammeln) {
        // Without its closing rule the block ends with an empty fifth line:
        // a data line standing there must not repeat on every page.
        const bool regel = kopf.size() >= 2 && IstRegel(zeile);
        kopf.push_back(regel || kopf.size() + 1 < kKopfMax ? zeile : std::string());
        if (regel || kopf.size() == kKopfMax) kopfZustand = Kopf::Fertig;
      }
    } else if (kopfZustand == Kopf::Sammeln) {
      kopfZustand = Kopf::Fertig;
    }

    if (d == 1) {
      if (logo) canvas.DrawImage(kLinks, kOben, 0, 0, kLogoFile);
      if (seite > 1 && !formfeedGesehen)
        canvas.TextOut(kLinks, kOben + versatz - 15, "Seite: " + std::to_string(seite));
      if (seite > 1 && !seiteNachFormfeed) {
        for (const std::string& k : kopf) {
          canvas.TextOut(kLinks, kOben + versatz + d * schritt, Cp1252ToUtf8(k));
          ++d;
        }
      }
      if (fortschritt) fortschritt(seite);
    }
    if (d == 1 && (seite == 1 || seiteNachFormfeed)) {
      canvas.SetFont(titel);
      canvas.TextOut(kLinks, kOben + versatz + d * (h - 35), Cp1252ToUtf8(zeile));
      canvas.SetFont(normal);
    } else {
      canvas.TextOut(kLinks, kOben + versatz + d * schritt, Cp1252ToUtf8(zeile));
    }
    seiteNachFormfeed = false;
  }
  canvas.EndDoc();
  return true;
}

}  // namespace lohn
