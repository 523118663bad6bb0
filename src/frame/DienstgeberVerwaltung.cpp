#include "frame/DienstgeberVerwaltung.h"

namespace lohn {

bool CreateDienstgeber(AppState&, const std::string&) { return false; }

}  // namespace lohn
