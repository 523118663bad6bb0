#pragma once
// Creating, choosing and deleting employers.

#include <string>

#include "store/AppState.h"

namespace lohn {

// Creates the files of a new employer that are still missing and confirms it.
bool CreateDienstgeber(AppState& state, const std::string& stem);

}  // namespace lohn
