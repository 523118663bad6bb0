#include "elda/EldaDatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <optional>

#include "frame/Daten.h"
#include "payroll/FormatBetrag.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

struct ArtDaten {
  const char* kennung;
  const char* layout;
  int satzlaenge;
};

ArtDaten Daten(EldaArt art) {
  switch (art) {
    case EldaArt::BN:
      return {"BN", "10", 1300};
    case EldaArt::BG:
      return {"BG", "09", 450};
    case EldaArt::LF:
      return {"LF", "14", 1100};
    case EldaArt::VM:
      return {"VM", "12", 1400};
  }
  return {"BN", "10", 1300};
}

// Sender number and carrier code, shared by header and trailer.
std::string Absender(const AppState& state, EldaArt art) {
  const auto& dg = state.Dienstgeber;
  return EldaZiffern(dg.DienstgeberDvrNr, 7) +
         EldaText(art == EldaArt::LF ? std::string("94") : dg.DienstgeberVersTraegerCode, 2);
}

}  // namespace

bool AmountFieldInto(int decimals, int width, double amount, bool mitVorzeichen, char* feld) {
  if (width <= 0) return true;
  std::fill(feld, feld + width, ' ');
  // Within the bound every amount fits a 64-bit integer and its digits are
  // exact; beyond it (or not finite) there are none.
  if (!CentsHalfEven(amount)) return false;
  const double betrag = std::fabs(amount);
  char puffer[48];
  char* const end = puffer + sizeof puffer;
  char* p = end;
  if (decimals <= 0) {
    p = PutDigitsBack(end, static_cast<std::uint64_t>(std::trunc(betrag)));
  } else if (const auto scaled = FixedScaled(betrag, 12, decimals)) {
    // The digits of FloatToStrFixed(betrag, 12, decimals), a "0" before the
    // decimals of an amount below one included.
    p = PutDigitsBack(end, *scaled, decimals + 1);
  } else {
    return false;  // more decimals than the amount text has
  }
  const auto laenge = int(end - p);
  if (laenge > width) return false;
  std::fill(feld, feld + (width - laenge), '0');
  std::copy(p, end, feld + (width - laenge));
  // The sign follows the value as written: what rounds to zero has none.
  const bool negativ = amount < 0 && std::any_of(p, end, [](char c) { return c != '0'; });
  if (mitVorzeichen && negativ) {
    if (feld[0] != '0') {
      std::fill(feld, feld + width, ' ');
      return false;
    }
    feld[0] = '-';
  }
  return true;
}

namespace {

std::string AmountField(int decimals, int width, double amount, bool mitVorzeichen) {
  std::string feld(std::size_t(std::max(width, 0)), ' ');
  AmountFieldInto(decimals, width, amount, mitVorzeichen, feld.data());
  return feld;
}

std::string Pfad(const std::string& ordner, const std::string& name) { return ordner + "/" + name; }

// Makes the ELDA folder (one level); 0 or the errno.
int OrdnerAnlegen(const std::string& ordner) {
  struct stat st {};
  if (::stat(ordner.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
  if (::mkdir(ordner.c_str(), 0755) == 0) return 0;
  // Another program may have made it meanwhile.
  if (errno == EEXIST && ::stat(ordner.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return 0;
  return errno;
}

// The journal of a replacement in the folder's lock file: one line per
// file, "<name>\t<copy of the older file, or nothing when there was none>".
// Emptied once every new file is in place.
void JournalZurueck(const std::string& ordner, const std::string& journal) {
  std::size_t a = 0;
  for (std::size_t e; (e = journal.find('\n', a)) != std::string::npos; a = e + 1) {
    const std::string zeile = journal.substr(a, e - a);
    const std::size_t tab = zeile.find('\t');
    if (tab == std::string::npos) continue;
    const std::string ziel = Pfad(ordner, zeile.substr(0, tab));
    const std::string alt = zeile.substr(tab + 1);
    if (alt.empty())
      ::unlink(ziel.c_str());
    else if (FileExists(Pfad(ordner, alt)))
      ::rename(Pfad(ordner, alt).c_str(), ziel.c_str());
  }
}

std::string NurName(const std::string& pfad) { return pfad.substr(pfad.rfind('/') + 1); }

// Removes the named files (temporaries; an empty name stands for none).
void Entferne(const std::vector<std::string>& namen) {
  for (const std::string& n : namen)
    if (!n.empty()) ::unlink(n.c_str());
}

// Puts the finished temporaries in place of their files, all or none: under
// the folder's lock, so that two programs never mix their files, each older
// file is first copied aside and noted in the journal; a rename that fails
// puts every older file back. A holder killed half way is undone by the
// next one from the journal. 0 or the errno; the temporaries that were not
// renamed are the caller's to remove (renamed ones are emptied in `neue`).
int TauscheEin(const std::string& ordner, const std::vector<EldaDateiBild>& dateien,
               std::vector<std::string>& neue) {
  DateiSperre sperre(ordner + ".lck");
  if (!sperre.gehalten()) return sperre.fehler();
  if (const std::string offen = sperre.Lesen(); !offen.empty()) JournalZurueck(ordner, offen);

  std::vector<std::string> alte(dateien.size());
  std::string journal;
  for (std::size_t i = 0; i < dateien.size(); ++i) {
    const std::string ziel = Pfad(ordner, dateien[i].name);
    if (FileExists(ziel)) {
      int err = 0;
      auto bytes = ReadWholeFile(ziel, &err);
      if (!bytes || (err = SchreibeTemporaer(ziel, *bytes, alte[i])) != 0) {
        Entferne(alte);
        return err;
      }
    }
    journal += dateien[i].name + "\t" + (alte[i].empty() ? "" : NurName(alte[i])) + "\n";
  }
  if (int e = sperre.Schreiben(journal); e != 0) {
    Entferne(alte);
    return e;
  }
  for (std::size_t i = 0; i < dateien.size(); ++i) {
    if (int e = Umbenennen(neue[i], Pfad(ordner, dateien[i].name)); e != 0) {
      JournalZurueck(ordner, journal);
      sperre.Schreiben("");
      Entferne(alte);
      return e;
    }
    neue[i].clear();
  }
  sperre.Schreiben("");
  Entferne(alte);
  return 0;
}

// The employer data that every ELDA file names its sender by.
std::vector<std::string> FehlendeAbsenderdaten(const AppState& state,
                                               const std::vector<EldaDateiBild>& dateien) {
  const auto& dg = state.Dienstgeber;
  auto ziffern = [](const std::string& t) {
    const std::string z = FilterDigits(t);
    return !z.empty() && z == std::string(TrimBlanks(t)) &&
           z.find_first_not_of('0') != std::string::npos;
  };
  bool lf = false, sv = false;
  for (const auto& d : dateien) {
    const std::string ext = d.name.size() >= 3 ? d.name.substr(d.name.size() - 3) : "";
    (ext == ".LF" ? lf : sv) = true;
  }
  std::vector<std::string> fehlend;
  if (!ziffern(dg.DienstgeberDvrNr) || CharCount(TrimBlanks(dg.DienstgeberDvrNr)) > 7)
    fehlend.push_back("DVR-Nummer / ELDA-Seriennummer");
  if (sv && TrimBlanks(dg.DienstgeberVersTraegerCode).empty())
    fehlend.push_back("Versicherungsträger-Code");
  if (lf && !ziffern(dg.DienstgeberFinanzamtNr)) fehlend.push_back("Finanzamt-Nr.");
  if (lf && FilterDigits(dg.DienstgeberSteuerNr).find_first_not_of('0') == std::string::npos)
    fehlend.push_back("Steuernummer");
  return fehlend;
}

std::string ErsetzenFrage(const std::vector<std::string>& vorhandene) {
  if (vorhandene.size() == 1)
    return "Die ELDA-Datei \"" + vorhandene[0] +
           "\" ist bereits vorhanden. Soll sie ersetzt werden?";
  std::string namen;
  for (const auto& n : vorhandene) namen += "\n" + n;
  return "Diese ELDA-Dateien sind bereits vorhanden:" + namen + "\nSollen sie ersetzt werden?";
}

}  // namespace

// A line break or tab inside a value would split the record or shift every
// field after it.
std::string EldaText(const std::string& utf8, int width) {
  return PadText(OhneSteuerzeichen(utf8), width, true);
}

std::string EldaZiffern(const std::string& digits, int width) {
  return PadText(OhneSteuerzeichen(digits), width, false, U'0');
}

std::string EldaZiffern(long long value, int width) {
  return EldaZiffern(std::to_string(value), width);
}

std::string EldaLeer(int width) { return std::string(std::size_t(std::max(width, 0)), ' '); }

std::string FormatAmountField(int decimals, int width, double amount) {
  return AmountField(decimals, width, amount, true);
}

std::string FormatAmountFieldUnsigned(int decimals, int width, double amount) {
  return AmountField(decimals, width, amount, false);
}

std::string EldaProduktFeld(const AppState& state) {
  return EldaText("Quandrel Vers. " + state.ProgramVersion, 30);
}

int EldaSatzlaenge(EldaArt art) { return Daten(art).satzlaenge; }

std::string EldaHeaderRecord(const AppState& state, EldaArt art, bool testdaten) {
  const ArtDaten d = Daten(art);
  const auto& dg = state.Dienstgeber;
  const auto& uhr = state.services.clock;
  std::string satz = "00" + EldaZiffern(1, 7) + "14" + Absender(state, art) +
                     (testdaten ? "TM" : "DM") + d.kennung + EldaLeer(6) + TodayAsDDMMYYYY(uhr) +
                     NowAsHHMMSS(uhr) + EldaText(dg.DienstgeberName, 45) + EldaText("A", 3) +
                     EldaText(dg.DienstgeberPlz, 7) + EldaText(dg.DienstgeberOrt, 20) +
                     EldaText(dg.DienstgeberStrasse, 30) + d.layout +
                     EldaText(dg.DienstgeberTelefon, 20) + EldaText("1", 70);
  return satz + EldaLeer(d.satzlaenge - int(CharCount(satz))) + "\r\n";
}

std::string EldaTrailerRecord(const AppState& state, EldaArt art, int satzAnzahl) {
  std::string satz =
      "99" + EldaZiffern(satzAnzahl, 7) + "14" + Absender(state, art) + EldaZiffern(satzAnzahl, 6);
  return satz + EldaLeer(EldaSatzlaenge(art) - int(CharCount(satz)));
}

EldaSchreibErgebnis SchreibeEldaDateien(AppState& state, const std::vector<EldaDateiBild>& dateien,
                                        const std::string& schlussfrage) {
  auto& dlg = state.dialogs();
  if (const auto fehlend = FehlendeAbsenderdaten(state, dateien); !fehlend.empty()) {
    std::string liste;
    for (const std::string& f : fehlend) liste += "\n" + f;
    dlg.ShowMessage(std::string(kEldaOhneAbsender) + liste);
    return EldaSchreibErgebnis::Fehler;
  }
  const std::string ordner = EldaOrdner();
  if (int e = OrdnerAnlegen(ordner); e != 0) {
    dlg.ShowMessage(CreateFailedMessage(ordner, e));
    return EldaSchreibErgebnis::Fehler;
  }

  // A folder under a file's name could not be replaced by the rename; it is
  // found before anything is asked or written.
  std::vector<std::string> vorhandene;
  for (const auto& d : dateien) {
    struct stat st {};
    if (::stat(Pfad(ordner, d.name).c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      dlg.ShowMessage(CreateFailedMessage(Pfad(ordner, d.name), EISDIR));
      return EldaSchreibErgebnis::Fehler;
    }
    vorhandene.push_back(d.name);
  }
  if (!vorhandene.empty() && !dlg.AskYesNo(ErsetzenFrage(vorhandene)))
    return EldaSchreibErgebnis::NichtErsetzt;

  // Every file is complete under a temporary name of its own before any of
  // them replaces an older one.
  std::vector<std::string> neue;
  for (const auto& d : dateien) {
    // Nearly always ASCII, which is written as it stands.
    Bytes bytes;
    std::span<const std::uint8_t> inhalt(reinterpret_cast<const std::uint8_t*>(d.inhalt.data()),
                                         d.inhalt.size());
    if (!NurAscii(d.inhalt)) {
      bytes.reserve(d.inhalt.size());
      AppendCp1252(bytes, d.inhalt);
      inhalt = bytes;
    }
    std::string temp;
    if (int e = SchreibeTemporaer(Pfad(ordner, d.name), inhalt, temp); e != 0) {
      Entferne(neue);
      dlg.ShowMessage(MitUrsache(kEldaNichtErsetzt, Pfad(ordner, d.name), e));
      return EldaSchreibErgebnis::Fehler;
    }
    neue.push_back(temp);
  }
  if (int e = TauscheEin(ordner, dateien, neue); e != 0) {
    Entferne(neue);
    dlg.ShowMessage(MitUrsache(kEldaNichtErsetzt, ordner, e));
    return EldaSchreibErgebnis::Fehler;
  }
  for (const auto& d : dateien) RemoveStaleTemps(Pfad(ordner, d.name));

  if (!schlussfrage.empty()) EldaOrdnerFrage(state, schlussfrage);
  return EldaSchreibErgebnis::Geschrieben;
}

void EldaOrdnerFrage(AppState& state, const std::string& schlussfrage) {
  auto& dlg = state.dialogs();
  if (!dlg.AskYesNo(schlussfrage)) return;
  const std::string ordner = EldaOrdner();
  // A path of more than 79 characters is named for the user, not opened.
  if (CharCount(ordner) <= 79)
    state.services.shell.Open(ordner);
  else
    dlg.ShowMessage("Der Verzeichnis-Pfad ist zu lang, öffnen Sie das Verzeichnis manuell: " +
                    ordner);
}

}  // namespace lohn
