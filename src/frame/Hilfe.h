#pragma once
// The help window's rules: reading a reference text into lines and printing
// it. The reference texts ("Lohnarten.TXT", "VersicherungsTraeger.txt", ...)
// are plain text delivered with the program; they lie beside the program,
// while the program runs in the data folder.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/PrintCanvas.h"

namespace lohn {

// The lines of a text: CR, LF and CR LF each end a line; a last line without
// a line end is kept; a line end at the very end adds no empty line.
std::vector<std::string> SplitHilfeLines(std::string_view text);

// The lines of the help file, or nothing after telling the user that it could
// not be read. The file is looked for in the working directory first, so that
// a user's own copy wins, then in `programmOrdner` (the program's folder).
std::optional<std::vector<std::string>> LoadHilfeText(const std::string& helpFileName,
                                                      platform::Dialogs& dialogs,
                                                      const std::string& programmOrdner = {});

// Prints the lines in the given font family at 8 points, one line under the
// other, on as many pages as needed. False, with nothing printed, when the
// print dialog was cancelled or no printer is there.
bool PrintHilfeText(platform::PrintCanvas& canvas, const std::string& title,
                    const std::vector<std::string>& lines, const std::string& fontFamily);

}  // namespace lohn
