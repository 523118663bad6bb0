#pragma once
// Creating, choosing and deleting employers. An employer is the set of files
// <stem>.PER, .ABR, .ADR (and .STO) in the working directory; it exists when
// its .ABR exists.

#include <optional>
#include <string>
#include <vector>

#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kDokumenteFolderPrefix = "ZR-DOKUMENTE_";
inline constexpr int kMaxNewStemLength = 8;
inline constexpr int kMaxStemLength = 13;

// The message while a short name is typed, when it holds a character that is
// not safe in a file name; nothing when the text is fine so far.
std::optional<std::string> CheckDienstgeberNameTyping(const std::string& name);

// The refusal of a new short name on "Anlegen", or nothing when it is
// acceptable: letters A-Z/a-z, digits, "-" and "_", one to eight characters.
std::optional<std::string> CheckNewDienstgeberName(const std::string& name);

// True when the files of `stem` lie in the data folder itself: no "/" or "\"
// and not "." or "..". A stored stem that fails this counts as damaged.
bool StemImDatenordner(const std::string& stem);

// True when both <stem>.PER and <stem>.ABR are there, the files an employer
// cannot be worked on without.
bool DienstgeberDateienVorhanden(const std::string& stem);

// Creates those of <name>.ADR, .PER and .ABR that are missing, in this order
// and each whole or not at all (never truncating one that exists), makes the
// employer current and confirms it. When both .PER and .ABR exist already,
// says so, sets *exists and only adds a missing .ADR. False when the employer
// was not created.
bool CreateDienstgeber(AppState& state, const std::string& name, bool* exists = nullptr);

// The stems of every employer in the working directory (files "*.ABR"),
// sorted; only plain stems (no ".", "\" or "/", at most 13 characters).
std::vector<std::string> ListDienstgeber();

// Creates "ZR-DOKUMENTE_<stem>" when it is missing.
void EnsureDokumenteFolder(const std::string& stem);

// "A&uswählen": backs up the current employer, then makes the employer of the
// chosen file current, saves the program state and loads its data. False
// (after the message) when nothing was chosen.
bool ChooseDienstgeber(AppState& state, const std::string& chosenFile);

// "&Löschen": refuses DEMO, the current employer and an employer whose data
// are locked; asks; deletes its .PER, .ABR, .ADR and .STO. True when deleted.
bool DeleteDienstgeber(AppState& state, const std::string& chosenFile);

}  // namespace lohn
