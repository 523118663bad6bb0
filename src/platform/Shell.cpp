#include "platform/Shell.h"

namespace platform {

std::string NichtGeoeffnetMeldung(const std::string& name) {
  return "\"" + name + "\" konnte nicht geöffnet werden.";
}

bool Shell::Gemeldet(bool ok, const std::string& name) {
  if (!ok && dialogs_) dialogs_->ShowMessage(NichtGeoeffnetMeldung(name));
  return ok;
}

bool Shell::Open(const std::string& target) { return Gemeldet(OpenTarget(target), target); }

bool Shell::StartProgram(const std::string& program, const std::vector<std::string>& args,
                         bool hidden) {
  return Gemeldet(Start(program, args, hidden), program);
}

}  // namespace platform
