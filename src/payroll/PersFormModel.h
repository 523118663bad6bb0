#pragma once
// The field model of the employee window. The window's fields are at the same
// time the data of the payroll calculation: every edit holds a text, every
// check box a state, every list its entries. The model keeps them under the
// control names, so that the rules, the calculation and the record mapping
// work without widgets and the window only mirrors the model.
//
// Fields are declared once in a table (PersFormFields.cpp) with their kind,
// start state and hint; a new field is one more line there. A rule that the
// window runs when a field changes is attached to the field: it runs when
// code sets the field as well as when the user types, or, where marked
// user-only, only on the user's own edits.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "frame/FeldModel.h"
#include "store/AppState.h"
#include "store/PersonalRecord.h"
#include "store/RecordFile.h"

namespace lohn {

using PersFeldArt = FeldArt;

// What of a field changed; the window refreshes that aspect of its widget.
// The first six are FeldAspekt's in its order; Width is the window's,
// FeldBreite and Farbe a single field's.
enum class PersAspekt {
  Text,
  Checked,
  Items,
  Enabled,
  Visible,
  ReadOnly,
  Width,
  Focus,
  FeldBreite,
  Farbe
};

// A field's background. Fenster and Knopf are the desktop's window and
// button colours (a read-only field shows the button colour); the others
// are fixed (FeldFarbeRgb).
enum class FeldFarbe { Fenster, Knopf, Hervorhebung, Pflicht, Weiss };
// 0xRRGGBB of a fixed colour: highlight FF FF B9, required FF FF 82, white;
// -1 for the desktop's colours.
int FeldFarbeRgb(FeldFarbe farbe);

class PersFormModel;

// The 31 day boxes of the registration panel's day list: "TagCheckBox01" to
// "TagCheckBox31".
std::string TagCheckBoxName(int day);

// Steps that the window takes at fixed points but that belong to other
// windows and panels (registration panel, month payroll, wage-type window,
// part-month calculator). They are attached when those parts exist; an
// empty step is skipped.
struct PersFormSteps {
  std::function<void(AppState&, PersFormModel&)> SaveEldaPanelData;
  std::function<void(AppState&, PersFormModel&)> LoadEldaPanelData;
  std::function<void(AppState&, PersFormModel&)> LoadAbrechnungToForm;
  std::function<void()> ClearLohnartLines;
  std::function<void(const std::string&)> SetTeilGehaltTage;
  // The part-month calculator's day field, which the calculate button takes over.
  std::function<std::string()> TeilGehaltTage;
};

class PersFormModel : public FeldModel {
 public:
  using Rule = std::function<void(PersFormModel&)>;
  using Observer = std::function<void(const std::string& name, PersAspekt)>;

  // Every control with its start state and its change rules.
  PersFormModel();

  // Texts, check boxes, lists, enabled, visible and read-only are
  // FeldModel's: Set* is a change made by the program, UserSet* one made by
  // the user (typed or chosen); an unchanged value fires nothing. A rule may
  // throw ConversionError; the new text is kept, as a field keeps what was
  // typed. Result fields are read-only: the calculation writes them.

  // Width of the window.
  int Width() const { return width_; }
  void SetWidth(int width);

  // A field's own width while it is wider or narrower than its place in
  // the layout (0: the layout's). A widened field lies over its neighbours.
  int FeldBreite(std::string_view name) const;
  void SetFeldBreite(std::string_view name, int width);

  // A field's background colour (Fenster unless set).
  FeldFarbe Farbe(std::string_view name) const;
  void SetFarbe(std::string_view name, FeldFarbe farbe);

  // The control that should get the focus next (empty: none asked for);
  // `selectText`: its whole text is selected, so that typing replaces it.
  const std::string& FocusRequest() const { return focus_; }
  bool FocusSelectsText() const { return focusSelect_; }
  void RequestFocus(std::string_view name, bool selectText = false);
  // True while the window carries out a focus request: the field that
  // loses the focus then was not left by the user, and its checks must not
  // run (two fields sending the focus back to each other would never stop).
  bool FocusRequestRunning() const { return focusRunning_; }

  // Attaches a rule to a field's change; several rules run in the order they
  // were attached.
  void OnChange(std::string_view name, Rule rule, bool userOnly = false);

  void SetObserver(Observer observer);

  // The employee record buffer that the save fills and the store writes.
  PersonalRecord CurrentPersonal;
  // The employee record as the window read it: the number and its image
  // (none: the file had no such employee, as for a proposed new number), so
  // that the save notices what another program changed meanwhile. None while
  // the window has read nothing.
  struct GelesenesPersonal {
    std::int32_t nr = 0;
    GelesenesBild bild;
  };
  std::optional<GelesenesPersonal> Gelesen;
  PersFormSteps Steps;

  // A calculator's month amount in a master-data field (GehaltEdit,
  // ZulageEdit): the field's master text and the text taken over, kept while
  // the field shows the latter. The employee record stores the master text.
  struct Uebernahme {
    std::string stamm;
    std::string uebernommen;
  };
  std::map<std::string, Uebernahme, std::less<>> Uebernahmen;

 private:
  void DeclareFields();
  void AttachRules();
  void MarkResultFields();
  void Notify(std::string_view name, PersAspekt aspekt) const;

  Observer observer_;
  std::map<std::string, int, std::less<>> breiten_;
  std::map<std::string, FeldFarbe, std::less<>> farben_;
  int width_ = 990;
  std::string focus_;
  bool focusSelect_ = false;
  bool focusRunning_ = false;
};

}  // namespace lohn
