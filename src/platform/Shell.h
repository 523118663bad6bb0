#pragma once
// Starts documents, folders, addresses and sibling programs; a program is
// started with an argument list, never through a command string. A start
// that fails (no such file or program, no application registered for it)
// is never silent: one message names what could not be opened.

#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document, folder or web address with the desktop's registered
  // application.
  bool Open(const std::string& target);
  // The same; a failure is reported with `meldung` instead of the common
  // message (a document that was written and only cannot be shown).
  bool Open(const std::string& target, const std::string& meldung);
  // Starts a program (looked up beside this program first) with arguments.
  bool StartProgram(const std::string& program, const std::vector<std::string>& args,
                    bool hidden = false);
  // Where a failed start is reported; the program state wires its dialogs.
  void MeldungenAn(Dialogs* dialogs) { dialogs_ = dialogs; }

 protected:
  // The platform's part: true when the document or program was started.
  virtual bool OpenTarget(const std::string& target) = 0;
  virtual bool Start(const std::string& program, const std::vector<std::string>& args,
                     bool hidden) = 0;

 private:
  bool Gemeldet(bool ok, const std::string& meldung);
  Dialogs* dialogs_ = nullptr;
};

// ""<name>" konnte nicht geöffnet werden."
std::string NichtGeoeffnetMeldung(const std::string& name);

}  // namespace platform
