#pragma once
// The surcharge rates to the employer contribution per federal state.

#include <array>
#include <cstddef>

namespace lohn {

class DruOptModel;

struct DzSatz {
  const char* land;     // the state label
  const char* anzeige;  // the rate label
  const char* satz;     // the text put into DZedit
};

const std::array<DzSatz, 9>& DzTabelle();

// A click on a state: its rate into DZedit.
void DzUebernehmen(DruOptModel& model, std::size_t index);

}  // namespace lohn
