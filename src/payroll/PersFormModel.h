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

#include "store/AppState.h"
#include "store/PersonalRecord.h"

namespace lohn {

enum class PersFeldArt {
  Edit,      // one-line text
  ComboBox,  // text with a list of entries
  CheckBox,  // checked or not
  Memo,      // text of several lines
  Label,     // text shown only (status bar, employer label)
  Control,   // buttons, panels, pictures: only enabled and visible
};

// What of a field changed; the window refreshes that aspect of its widget.
// Width is the window's, FeldBreite a single field's.
enum class PersAspekt {
  Text,
  Checked,
  Items,
  Enabled,
  Visible,
  ReadOnly,
  Width,
  Focus,
  FeldBreite
};

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

class PersFormModel {
 public:
  using Rule = std::function<void(PersFormModel&)>;
  using Observer = std::function<void(const std::string& name, PersAspekt)>;

  // Every control with its start state and its change rules.
  PersFormModel();
  PersFormModel(const PersFormModel&) = delete;
  PersFormModel& operator=(const PersFormModel&) = delete;

  bool Has(std::string_view name) const;
  PersFeldArt Art(std::string_view name) const;
  const std::string& Hint(std::string_view name) const;
  // All names in the order of the declaration table.
  const std::vector<std::string>& Names() const { return order_; }

  // Texts of edits, combo boxes, memos and labels. Set* is a change made by
  // the program; UserSet* one made by the user (typed or chosen). An unchanged
  // value fires nothing. A rule may throw ConversionError; the new text is
  // kept, as a field keeps what was typed.
  const std::string& Text(std::string_view name) const;
  void SetText(std::string_view name, std::string value);
  void UserSetText(std::string_view name, std::string value);

  bool Checked(std::string_view name) const;
  void SetChecked(std::string_view name, bool on);
  void UserSetChecked(std::string_view name, bool on);

  const std::vector<std::string>& Items(std::string_view name) const;
  void SetItems(std::string_view name, std::vector<std::string> items);

  bool Enabled(std::string_view name) const;
  void SetEnabled(std::string_view name, bool on);
  bool Visible(std::string_view name) const;
  void SetVisible(std::string_view name, bool on);
  // Result fields: the calculation writes them, the user cannot type there.
  bool ReadOnly(std::string_view name) const;
  void SetReadOnly(std::string_view name, bool on);

  // Width of the window.
  int Width() const { return width_; }
  void SetWidth(int width);

  // A field's own width while it is wider or narrower than its place in
  // the layout (0: the layout's). A widened field lies over its neighbours.
  int FeldBreite(std::string_view name) const;
  void SetFeldBreite(std::string_view name, int width);

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

  void SetObserver(Observer observer) { observer_ = std::move(observer); }

  // The employee record buffer that the save fills and the store writes.
  PersonalRecord CurrentPersonal;
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
  struct Feld {
    PersFeldArt art = PersFeldArt::Edit;
    std::string hint;
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    int breite = 0;
    std::vector<std::string> items;
    std::vector<std::pair<Rule, bool>> rules;  // rule, user only
  };

  void Declare(PersFeldArt art, const char* name, const char* start, const char* hint,
               bool visible);
  void DeclareFields();
  void AttachRules();
  void MarkResultFields();
  Feld& Get(std::string_view name);
  const Feld& Get(std::string_view name) const;
  void Notify(std::string_view name, PersAspekt aspekt) const;
  void RunRules(std::string_view name, bool byUser);
  void ChangeText(std::string_view name, std::string value, bool byUser);
  void ChangeChecked(std::string_view name, bool on, bool byUser);

  std::map<std::string, Feld, std::less<>> felder_;
  std::vector<std::string> order_;
  Observer observer_;
  int width_ = 990;
  std::string focus_;
  bool focusSelect_ = false;
  bool focusRunning_ = false;
};

}  // namespace lohn
