#pragma once
// The field model of the report options window: every option control under
// its control name with its default, hint and the filter rules of typing and
// leaving. The window binds its widgets to it by objectName.

#include <string>
#include <string_view>
#include <vector>

#include "frame/FeldModel.h"
#include "frame/HauptmenueBerichte.h"
#include "store/AppState.h"

namespace lohn {

class DruOptModel : public FeldModel {
 public:
  // `jahr`: the build year Y; the year rule keeps Y-1 and turns other
  // four-digit years below Y, and years above 2030, into Y.
  explicit DruOptModel(int jahr);

  int Jahr() const { return jahr_; }
  // The year field after the year rule.
  std::string JahrRegel(std::string_view text) const;

  // The controls a report shows for its opt:: bits; every other option
  // control is hidden.
  static std::vector<std::string> OptionsFelder(unsigned optionen);
  // Every report-specific option control (shown only through opt:: bits).
  static const std::vector<std::string>& AlleOptionsFelder();
  void ZeigeOptionen(unsigned optionen);
  // The end of every report run: every report-specific option control is
  // hidden and every report-specific check box unticked, so that nothing one
  // report showed or ticked is left for the next. The Excel box keeps its
  // program-wide flag, the period proposal stays the user's choice.
  void HideDruckOptionen();

  // The 14 saved option texts, and back.
  DruckOptionen Gespeicherte() const;
  void Uebernehmen(const DruckOptionen& o);

  // On leaving a field: the amount fields are trimmed, a trailing "-" makes
  // "0", then converted and written with two decimals; the rates must
  // convert; an empty address-lines field becomes "0". Throws
  // ConversionError (the text stays).
  void FeldVerlassen(std::string_view name);
  // On entering a field: its hint into the status bar.
  void FeldBetreten(std::string_view name);

  // The OK button's first step: every option text through its filter.
  void Normalisieren();

 private:
  void DeclareFields();
  void AttachRules();
  int jahr_;
};

inline constexpr const char* kEldaDateiCaption = "ELDA-Datenträger erstellen";
inline constexpr const char* kXmlDateiCaption = "XML-Datei erstellen";

}  // namespace lohn
