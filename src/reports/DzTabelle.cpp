#include "reports/DzTabelle.h"

#include "reports/DruOptModel.h"

namespace lohn {

const std::array<DzSatz, 9>& DzTabelle() {
  static const std::array<DzSatz, 9> t{{
      {"Burgenland", "0,44 %", "0,44"},
      {"Kärnten", "0,41 %", "0,41"},
      {"Niederösterreich", "0,40 %", "0,40"},
      {"Oberösterreich", "0,36 %", "0,36"},
      {"Salzburg", "0,42 %", "0,42"},
      {"Steiermark", "0,39 %", "0,39"},
      {"Tirol", "0,43 %", "0,43"},
      {"Vorarlberg ", "0,39 %", "0,39"},
      {"Wien", "0,40 %", "0,40"},
  }};
  return t;
}

void DzUebernehmen(DruOptModel& model, std::size_t index) {
  model.SetText("DZedit", DzTabelle().at(index).satz);
}

}  // namespace lohn
