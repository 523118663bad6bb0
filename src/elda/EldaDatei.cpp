#include "elda/EldaDatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <optional>
#include <span>

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
  if (::mkdir(ordner.c_str(), 0777) == 0) return 0;
  // Another program may have made it meanwhile.
  if (errno == EEXIST && ::stat(ordner.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return 0;
  return errno;
}

bool Da(const std::string& pfad) {
  struct stat st {};
  return ::lstat(pfad.c_str(), &st) == 0;
}

// The journal of a replacement in the folder's lock file: one line per
// file, "<name>\t<aside copy of the older file, or nothing when there was
// none>\t<temporary of the new file>". Renaming its temporary is what
// replaces a file, so the temporaries still there tell how far the run came:
// with none left it was complete. Lines of two fields are those of earlier
// versions.
struct JournalZeile {
  std::string name, kopie, neu;  // neu empty: a line of an earlier version
};

// A file of the ELDA folder itself, and a copy or temporary of it as this
// program names them.
bool EinfacherName(const std::string& n) {
  return !n.empty() && n != "." && n != ".." &&
         n.find_first_of(std::string("/\0", 2)) == std::string::npos;
}
bool EigeneKopie(const std::string& kopie, const std::string& name) {
  return IsTempOf(kopie, name) && kopie != name + ".neu~";
}

// The lines this program writes; every other one is counted in `verworfen`.
std::vector<JournalZeile> JournalZeilen(const std::string& journal, int& verworfen) {
  std::vector<JournalZeile> zeilen;
  for (std::size_t a = 0; a < journal.size();) {
    std::size_t e = journal.find('\n', a);
    const bool ganz = e != std::string::npos;  // a line cut short is not used
    if (!ganz) e = journal.size();
    const std::string zeile = journal.substr(a, e - a);
    a = e + 1;
    if (zeile.empty()) continue;
    std::vector<std::string> felder;
    for (std::size_t f = 0;;) {
      const std::size_t tab = zeile.find('\t', f);
      felder.push_back(zeile.substr(f, tab == std::string::npos ? std::string::npos : tab - f));
      if (tab == std::string::npos) break;
      f = tab + 1;
    }
    bool gut = ganz && (felder.size() == 2 || felder.size() == 3) && EinfacherName(felder[0]);
    JournalZeile z;
    if (gut) {
      z = {felder[0], felder[1], felder.size() == 3 ? felder[2] : std::string()};
      // Without the temporary an empty copy cannot tell a complete run from
      // an interrupted one, so it never removes a file.
      gut = (z.kopie.empty() || EigeneKopie(z.kopie, z.name)) &&
            (felder.size() == 3 ? EigeneKopie(z.neu, z.name) : !z.kopie.empty());
    }
    if (gut)
      zeilen.push_back(std::move(z));
    else
      ++verworfen;
  }
  return zeilen;
}

// Undoes the journal's run unless it was complete (or always, for the
// writer's own run that failed): a file that was replaced gets its older
// version back, or goes when it had none; a file not yet replaced stays. The
// run's copies and temporaries go. Only names inside the ELDA folder are
// touched. Gives the number of lines not used.
int JournalZurueck(const std::string& ordner, const std::string& journal, bool immer = false) {
  int verworfen = 0;
  const auto zeilen = JournalZeilen(journal, verworfen);
  const bool unterbrochen = immer || std::any_of(zeilen.begin(), zeilen.end(), [&](const auto& z) {
                              return !z.neu.empty() && Da(Pfad(ordner, z.neu));
                            });
  for (const JournalZeile& z : zeilen) {
    const std::string ziel = Pfad(ordner, z.name);
    // An earlier version's line names no temporary: its copy is there only
    // while its run was cut short.
    const bool ersetzt = z.neu.empty() || (unterbrochen && !Da(Pfad(ordner, z.neu)));
    if (ersetzt) {
      if (z.kopie.empty())
        ::unlink(ziel.c_str());
      else if (FileExists(Pfad(ordner, z.kopie)))
        ::rename(Pfad(ordner, z.kopie).c_str(), ziel.c_str());
    }
    if (!z.kopie.empty()) ::unlink(Pfad(ordner, z.kopie).c_str());
    // A temporary that its writer still holds is not left over.
    if (!z.neu.empty()) EntferneWennFrei(Pfad(ordner, z.neu));
  }
  return verworfen;
}

// Undoes and empties a journal found in the lock file; what the user must
// learn goes into `hinweise`.
void OffenesJournal(const DateiSperre& sperre, const std::string& ordner,
                    std::vector<std::string>& hinweise) {
  const std::string journal = sperre.Lesen();
  if (journal.empty()) return;
  const std::string lck = ordner + ".lck";
  if (JournalZurueck(ordner, journal) > 0)
    hinweise.push_back("Die Datei \"" + lck + "\" " + kEldaJournalVerworfen);
  SyncOrdner(ordner);
  if (const int e = sperre.Schreiben(""); e != 0)
    hinweise.push_back(MitUrsache(kEldaJournalNichtGeleert, lck, e));
}

// Temporaries of one run, each held open, and so locked against every
// cleaner, until it has served; those not renamed into place go at the end.
struct Temporaere {
  std::vector<std::string> namen;
  std::vector<int> offen;
  Temporaere() = default;
  Temporaere(const Temporaere&) = delete;
  Temporaere& operator=(const Temporaere&) = delete;
  ~Temporaere() {
    for (const std::string& n : namen)
      if (!n.empty()) ::unlink(n.c_str());
    for (int fd : offen) ::close(fd);
  }
  // The content into a new temporary of `pfad`: 0 or the errno.
  int Schreibe(const std::string& pfad, std::span<const std::uint8_t> inhalt) {
    std::string temp;
    int fd = -1;
    if (const int e = SchreibeTemporaer(pfad, inhalt, temp, &fd); e != 0) return e;
    namen.push_back(temp);
    offen.push_back(fd);
    return 0;
  }
};

std::string NurName(const std::string& pfad) { return pfad.substr(pfad.rfind('/') + 1); }

// What the exchange under the lock came to.
struct Tausch {
  int fehler = 0;
  std::string datei;        // the file that failed
  bool nachfragen = false;  // a file is there that the user was not asked about
  std::vector<std::string> hinweise;
};

// Puts the finished temporaries in place of their files, all or none: under
// the folder's lock, so that two programs never mix their files, each older
// file is first copied aside and noted in the journal; a rename that fails
// puts every older file back. A holder killed half way is undone by the
// next one from the journal; a complete run never is. Only the files in
// `bestaetigt` may be there: another one (made by someone else since the
// user was asked) stops the exchange before anything is written.
Tausch TauscheEin(const std::string& ordner, const std::vector<EldaDateiBild>& dateien,
                  Temporaere& neue, const std::vector<std::string>& bestaetigt) {
  Tausch t;
  const std::string lck = ordner + ".lck";
  DateiSperre sperre(lck);
  if (!sperre.gehalten()) return {sperre.fehler(), lck, false, {}};
  OffenesJournal(sperre, ordner, t.hinweise);
  for (const auto& d : dateien)
    if (Da(Pfad(ordner, d.name)) &&
        std::find(bestaetigt.begin(), bestaetigt.end(), d.name) == bestaetigt.end()) {
      t.nachfragen = true;
      return t;
    }

  Temporaere alte;
  std::string journal;
  for (std::size_t i = 0; i < dateien.size(); ++i) {
    const std::string ziel = Pfad(ordner, dateien[i].name);
    std::string kopie;
    if (FileExists(ziel)) {
      int err = 0;
      auto bytes = ReadWholeFile(ziel, &err);
      if (!bytes || (err = alte.Schreibe(ziel, *bytes)) != 0) return {err, ziel, false, t.hinweise};
      kopie = NurName(alte.namen.back());
    }
    journal += dateien[i].name + "\t" + kopie + "\t" + NurName(neue.namen[i]) + "\n";
  }
  // The copies are on disk before the journal names them.
  if (int e = SyncOrdner(ordner); e != 0) return {e, ordner, false, t.hinweise};
  if (int e = sperre.Schreiben(journal); e != 0) return {e, lck, false, t.hinweise};
  auto zurueck = [&](int e, const std::string& datei) {
    JournalZurueck(ordner, journal, true);
    SyncOrdner(ordner);
    if (const int l = sperre.Schreiben(""); l != 0)
      t.hinweise.push_back(MitUrsache(kEldaJournalNichtGeleert, lck, l));
    return Tausch{e, datei, false, t.hinweise};
  };
  for (std::size_t i = 0; i < dateien.size(); ++i) {
    const std::string ziel = Pfad(ordner, dateien[i].name);
    if (int e = Umbenennen(neue.namen[i], ziel); e != 0) return zurueck(e, ziel);
    neue.namen[i].clear();
  }
  // Durable before anyone is told: the new names on disk, then the journal
  // emptied. A journal that stays names no temporary any more, so nobody
  // undoes this run.
  if (int e = SyncOrdner(ordner); e != 0) return zurueck(e, ordner);
  if (const int e = sperre.Schreiben(""); e != 0)
    t.hinweise.push_back(MitUrsache(kEldaJournalNichtGeleert, lck, e));
  return t;
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

  // Every file is complete under a temporary name of its own before any of
  // them replaces an older one.
  Temporaere neue;
  for (std::vector<std::string> bestaetigt;;) {
    // A folder under a file's name could not be replaced by the rename; it
    // is found before anything is asked or written.
    std::vector<std::string> vorhandene;
    for (const auto& d : dateien) {
      struct stat st {};
      if (::lstat(Pfad(ordner, d.name).c_str(), &st) != 0) continue;
      if (S_ISDIR(st.st_mode)) {
        dlg.ShowMessage(CreateFailedMessage(Pfad(ordner, d.name), EISDIR));
        return EldaSchreibErgebnis::Fehler;
      }
      vorhandene.push_back(d.name);
    }
    const bool ungefragt = std::any_of(vorhandene.begin(), vorhandene.end(), [&](const auto& n) {
      return std::find(bestaetigt.begin(), bestaetigt.end(), n) == bestaetigt.end();
    });
    if (ungefragt && !dlg.AskYesNo(ErsetzenFrage(vorhandene)))
      return EldaSchreibErgebnis::NichtErsetzt;
    bestaetigt = vorhandene;
    for (std::size_t i = neue.namen.size(); i < dateien.size(); ++i) {
      const auto& d = dateien[i];
      Bytes bytes;
      bytes.reserve(d.inhalt.size());
      AppendCp1252(bytes, d.inhalt);
      if (int e = neue.Schreibe(Pfad(ordner, d.name), bytes); e != 0) {
        dlg.ShowMessage(MitUrsache(kEldaNichtErsetzt, Pfad(ordner, d.name), e));
        return EldaSchreibErgebnis::Fehler;
      }
    }
    // The question was asked without the lock: under it, a file that has
    // appeared since is asked about once more.
    const Tausch t = TauscheEin(ordner, dateien, neue, bestaetigt);
    for (const std::string& h : t.hinweise) dlg.ShowMessage(h);
    if (t.nachfragen) continue;
    if (t.fehler != 0) {
      dlg.ShowMessage(MitUrsache(kEldaNichtErsetzt, t.datei, t.fehler));
      return EldaSchreibErgebnis::Fehler;
    }
    break;
  }
  for (const auto& d : dateien) RemoveStaleTemps(Pfad(ordner, d.name));

  if (!schlussfrage.empty()) EldaOrdnerFrage(state, schlussfrage);
  return EldaSchreibErgebnis::Geschrieben;
}

void EldaJournalBeimStart(AppState& state) {
  const std::string ordner = EldaOrdner();
  if (!FileExists(ordner + ".lck")) return;
  std::vector<std::string> hinweise;
  {
    // Waits for a writer at work, which empties its journal itself; a lock
    // file that cannot be opened has nothing this program could undo.
    DateiSperre sperre(ordner + ".lck");
    if (!sperre.gehalten()) return;
    OffenesJournal(sperre, ordner, hinweise);
  }
  for (const std::string& h : hinweise) state.dialogs().ShowMessage(h);
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
