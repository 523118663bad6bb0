#pragma once
// A window's fields as data: a name -> field table (kind, hint, text,
// checked, items, enabled, visible, read-only) with change rules and an
// observer, so that the rules work without widgets and the window only
// mirrors the model. An unknown name throws std::logic_error.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lohn {

enum class FeldArt {
  Edit,      // one-line text
  ComboBox,  // text with a list of entries
  CheckBox,  // checked or not
  Memo,      // text of several lines
  Label,     // text shown only
  Control,   // buttons, panels, pictures: only enabled and visible
};

enum class FeldAspekt { Text, Checked, Items, Enabled, Visible, ReadOnly };

class FeldModel {
 public:
  using Rule = std::function<void(FeldModel&)>;
  using Observer = std::function<void(const std::string& name, FeldAspekt)>;

  FeldModel() = default;
  FeldModel(const FeldModel&) = delete;
  FeldModel& operator=(const FeldModel&) = delete;
  virtual ~FeldModel() = default;

  bool Has(std::string_view name) const;
  FeldArt Art(std::string_view name) const;
  const std::string& Hint(std::string_view name) const;
  // The caption the window shows beside a field (set by the window that lays
  // it out; empty when it has none), and the window's title: what a message
  // names so that the clerk finds the field.
  const std::string& Beschriftung(std::string_view name) const;
  void SetBeschriftung(std::string_view name, std::string caption);
  const std::string& Titel() const { return titel_; }
  void SetTitel(std::string titel) { titel_ = std::move(titel); }
  const std::vector<std::string>& Names() const { return order_; }

  // A check box's text is its caption.
  // Set* is a change made by the program, UserSet* one made by the user; an
  // unchanged value fires nothing. User-only rules run only on the latter.
  const std::string& Text(std::string_view name) const;
  void SetText(std::string_view name, std::string value);
  void UserSetText(std::string_view name, std::string value);

  // Leaving a one-line text (edit or list): control characters typed or
  // pasted into it become blanks (a program change). Read-only fields,
  // memos and the rest stay as they are.
  void TextVerlassen(std::string_view name);

  bool Checked(std::string_view name) const;
  void SetChecked(std::string_view name, bool on);
  void UserSetChecked(std::string_view name, bool on);

  const std::vector<std::string>& Items(std::string_view name) const;
  void SetItems(std::string_view name, std::vector<std::string> items);

  bool Enabled(std::string_view name) const;
  void SetEnabled(std::string_view name, bool on);
  bool Visible(std::string_view name) const;
  void SetVisible(std::string_view name, bool on);
  bool ReadOnly(std::string_view name) const;
  void SetReadOnly(std::string_view name, bool on);

  void OnChange(std::string_view name, Rule rule, bool userOnly = false);
  void SetObserver(Observer observer) { observer_ = std::move(observer); }

 protected:
  // `start`: the text, or "1" for a ticked check box.
  void Declare(FeldArt art, const char* name, const char* start, const char* hint,
               bool visible = true);

 private:
  struct Feld {
    FeldArt art = FeldArt::Edit;
    std::string hint;
    std::string beschriftung;
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    std::vector<std::string> items;
    std::vector<std::pair<Rule, bool>> rules;  // rule, user only
  };

  Feld& Get(std::string_view name);
  const Feld& Get(std::string_view name) const;
  void Notify(std::string_view name, FeldAspekt aspekt) const;
  void RunRules(std::string_view name, bool byUser);
  void ChangeText(std::string_view name, std::string value, bool byUser);
  void ChangeChecked(std::string_view name, bool on, bool byUser);

  std::map<std::string, Feld, std::less<>> felder_;
  std::vector<std::string> order_;
  std::string titel_;
  Observer observer_;
};

}  // namespace lohn
