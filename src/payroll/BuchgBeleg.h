#pragma once
// The documents window: the scanned or other documents that the user keeps
// per employee in one folder per employer, named after the personnel number
// ("7.pdf"). The window only lists the folder and hands files to the
// desktop; it never creates or writes anything.

#include <optional>
#include <string>
#include <vector>

#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kMeldungKeinBeleg =
    "Kein Dokument mit dieser Personalnummer verfügbar!";
inline constexpr const char* kMeldungKeinBelegMarkiert =
    "Selektieren Sie bitte zuerst ein Dokument!";

// The entries of the preferred-type list, and the order in which the other
// extensions are tried.
const std::vector<std::string>& BelegDateiTypen();
const std::vector<std::string>& BelegSuchreihenfolge();

// What the window shows.
struct BuchgBeleg {
  std::string PfadEdit;                   // the employer's documents folder
  std::vector<std::string> FileListBox1;  // its files by name
  std::string BuchungNrEdit = "1";
  std::string DateiTypCombobox = "GIF";
};

// The employer's documents folder: data folder + "/ZR-DOKUMENTE_" + stem.
std::string BelegOrdner(const std::string& stem);
// The regular files of a folder by name, without names starting with ".";
// empty when the folder is missing or unreadable.
std::vector<std::string> BelegDateien(const std::string& ordner);
// The window's folder and its listing.
BuchgBeleg BuchgBelegFormCreate(const AppState& state);
// "Ordnerinhalt aktualisieren".
void BelegListeLesen(BuchgBeleg& b);

// The file of document `nummer` among `dateien`: "<nummer>.<typ>" for the
// preferred type, else for each extension of the search order; a name that
// matches exactly comes before one that differs in letter case only. None
// for a number that is not digits and for a type that is not letters and
// digits (then only the search order counts).
std::optional<std::string> FindeBeleg(const std::vector<std::string>& dateien,
                                      const std::string& nummer, const std::string& typ);

// "Dokument öffnen": the document of that number, or the message.
void oeffneBeleg(AppState& state, const BuchgBeleg& b, const std::string& nummer);
// "markiertes Dokument öffnen": the file of the list, or the message when
// none is selected.
void OeffneMarkiertenBeleg(AppState& state, const BuchgBeleg& b,
                           const std::optional<std::string>& markiert);
// The folder picture: the folder in the desktop's file manager.
void OeffneBelegOrdner(AppState& state, const BuchgBeleg& b);

}  // namespace lohn
