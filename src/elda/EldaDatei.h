#pragma once
// What every ELDA file shares: the fixed-width field rules, the first and
// last record, the product field and the one writer that puts the files into
// the ELDA folder. The records between header and trailer belong to each
// file's own writer.

#include <string>
#include <vector>

#include "store/AppState.h"

namespace lohn {

// The four file kinds; each fixes the kind field, the carrier, the layout
// version and the record length that its header and trailer share.
enum class EldaArt { BN, BG, LF, VM };

// Field rules. Widths count characters (one Windows-1252 byte each).
// Text: left-aligned, blanks on the right, a longer text cut; control
// characters become blanks, so no value can split a record.
std::string EldaText(const std::string& utf8, int width);
// Digits (sequence numbers, counts, sender number, month, year): right-aligned,
// "0" in front, a longer value cut to its first `width` characters.
std::string EldaZiffern(const std::string& digits, int width);
std::string EldaZiffern(long long value, int width);
// A run of blanks.
std::string EldaLeer(int width);

// An amount as digits with implied decimals, exactly `width` wide. 0 decimals:
// the whole part, cut toward zero; else rounded to `decimals` places. Digits
// that do not fit give blanks, and so does an amount beyond kMaxCents or not
// finite (no field could take it). A negative amount puts "-" in place of the
// leading "0"; without room for it the field is blank. The sign is taken from
// the value as written, so an amount that rounds to zero carries none.
std::string FormatAmountField(int decimals, int width, double amount);
// The same without any sign: a negative amount gives its absolute value.
std::string FormatAmountFieldUnsigned(int decimals, int width, double amount);
// Either of them written into `feld` (`width` characters); false when the
// field came out blank.
bool AmountFieldInto(int decimals, int width, double amount, bool mitVorzeichen, char* feld);

// "Quandrel Vers. " and the program version, as a 30-wide text field.
std::string EldaProduktFeld(const AppState& state);

// 1300 (BN), 450 (BG), 1100 (LF), 1400 (VM).
int EldaSatzlaenge(EldaArt art);

// Whole records in UTF-8 (one character per Windows-1252 byte once encoded),
// from the employer globals of `state` and stamped by its clock. The header
// (record 1) ends with CR LF; the trailer has no line end, it closes the file.
// `satzAnzahl` counts the file's records, trailer included (which is also the
// trailer's own sequence number).
std::string EldaHeaderRecord(const AppState& state, EldaArt art, bool testdaten);
std::string EldaTrailerRecord(const AppState& state, EldaArt art, int satzAnzahl);

// One ELDA file: its name without folder ("DEMO20140101.BN") and its records
// in UTF-8.
struct EldaDateiBild {
  std::string name;
  std::string inhalt;
};

enum class EldaSchreibErgebnis {
  Geschrieben,   // every file is in place
  NichtErsetzt,  // the user declined to replace an existing file; nothing written
  Fehler,        // a file operation failed and was reported; nothing changed
};

// Refusals of the writer: the employer data that name the sender are
// missing (the fields follow, one a line); a file could not be written or
// put in place (the file and the cause follow).
inline constexpr const char* kEldaOhneAbsender =
    "Die ELDA-Dateien wurden nicht erstellt. In den Dienstgeber-Daten fehlen:";
inline constexpr const char* kEldaNichtErsetzt =
    "Die ELDA-Dateien konnten nicht geschrieben werden, keine vorhandene Datei wurde ersetzt.";
// The journal in the ELDA folder's lock file: lines that this program did
// not write (after "Die Datei "<lock file>" "); a journal that could not be
// emptied (the file and the cause follow).
inline constexpr const char* kEldaJournalVerworfen =
    "enthielt Einträge, die nicht verwendet wurden. Sie wurden verworfen, keine ELDA-Datei wurde "
    "dadurch verändert.";
inline constexpr const char* kEldaJournalNichtGeleert =
    "Das Protokoll der ELDA-Dateien konnte nicht geleert werden. Die ELDA-Dateien sind "
    "vollständig, "
    "das Protokoll wird nicht mehr angewendet.";

// The one writer of ELDA files. Creates the ELDA folder when missing, asks
// once (Yes/No) before replacing any file that is there, writes every image
// in Windows-1252 into a temporary of its own and puts them in place only
// when all of them are complete, all or none, under a lock of the ELDA
// folder that another program writing there waits for; so two programs never
// mix their files, and a failure (kEldaNichtErsetzt with the file and the
// cause) leaves every older file as it was. A file that appears after the
// question is asked about again. The folder is flushed before the files
// count as written. Refuses without the employer's sender data. Then asks
// `schlussfrage`;
// Yes opens the folder when its path has at most 79 characters, else names
// it in a message.
// An empty `schlussfrage` asks nothing: the caller asks it with
// EldaOrdnerFrage once its own work after the files is done.
EldaSchreibErgebnis SchreibeEldaDateien(AppState& state, const std::vector<EldaDateiBild>& dateien,
                                        const std::string& schlussfrage);

// At start: a run of an ELDA writer that was cut short (its journal in the
// ELDA folder's lock file) is undone under that lock, before the program
// lists or opens the folder; a complete one stays. Lines it did not write
// are dropped with one message.
void EldaJournalBeimStart(AppState& state);

// The closing question of an ELDA run; Yes opens the ELDA folder when its
// path has at most 79 characters, else names it in a message.
void EldaOrdnerFrage(AppState& state, const std::string& schlussfrage);

}  // namespace lohn
