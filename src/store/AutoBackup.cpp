#include "store/AutoBackup.h"

namespace lohn {

void RunAutoBackup(AppState&) {}

}  // namespace lohn
