#include "platform/Shell.h"

namespace platform {

std::string NichtGeoeffnetMeldung(const std::string& name) {
  return "\"" + name + "\" konnte nicht geöffnet werden.";
}

bool Shell::Gemeldet(bool ok, const std::string& meldung) {
  if (!ok && dialogs_) dialogs_->ShowMessage(meldung);
  return ok;
}

bool Shell::Open(const std::string& target) { return Open(target, NichtGeoeffnetMeldung(target)); }

bool Shell::Open(const std::string& target, const std::string& meldung) {
  return Gemeldet(OpenTarget(target), meldung);
}

bool Shell::StartProgram(const std::string& program, const std::vector<std::string>& args,
                         bool hidden) {
  return Gemeldet(Start(program, args, hidden), NichtGeoeffnetMeldung(program));
}

}  // namespace platform
