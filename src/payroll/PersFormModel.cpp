#include "payroll/PersFormModel.h"

#include <stdexcept>

namespace lohn {

PersFormModel::PersFormModel() {
  DeclareFields();
  AttachRules();
  MarkResultFields();
}

void PersFormModel::Declare(PersFeldArt art, const char* name, const char* start, const char* hint,
                            bool visible) {
  Feld f;
  f.art = art;
  f.hint = hint;
  f.visible = visible;
  if (art == PersFeldArt::CheckBox)
    f.checked = std::string_view(start) == "1";
  else
    f.text = start;
  auto [it, neu] = felder_.emplace(name, std::move(f));
  if (!neu) throw std::logic_error(std::string("Feld doppelt deklariert: ") + name);
  order_.push_back(it->first);
}

PersFormModel::Feld& PersFormModel::Get(std::string_view name) {
  auto it = felder_.find(name);
  if (it == felder_.end())
    throw std::logic_error("Unbekanntes Feld des Dienstnehmerfensters: " + std::string(name));
  return it->second;
}

const PersFormModel::Feld& PersFormModel::Get(std::string_view name) const {
  return const_cast<PersFormModel*>(this)->Get(name);
}

bool PersFormModel::Has(std::string_view name) const { return felder_.contains(name); }
PersFeldArt PersFormModel::Art(std::string_view name) const { return Get(name).art; }
const std::string& PersFormModel::Hint(std::string_view name) const { return Get(name).hint; }

void PersFormModel::Notify(std::string_view name, PersAspekt aspekt) const {
  if (observer_) observer_(std::string(name), aspekt);
}

void PersFormModel::RunRules(std::string_view name, bool byUser) {
  // The list is copied: a rule may attach nothing, but it may set this very
  // field again (a filter writing back its result).
  auto rules = Get(name).rules;
  for (auto& [rule, userOnly] : rules)
    if (byUser || !userOnly) rule(*this);
}

const std::string& PersFormModel::Text(std::string_view name) const { return Get(name).text; }

void PersFormModel::ChangeText(std::string_view name, std::string value, bool byUser) {
  Feld& f = Get(name);
  if (f.text == value) return;
  f.text = std::move(value);
  Notify(name, PersAspekt::Text);
  RunRules(name, byUser);
}

void PersFormModel::SetText(std::string_view name, std::string value) {
  ChangeText(name, std::move(value), false);
}

void PersFormModel::UserSetText(std::string_view name, std::string value) {
  ChangeText(name, std::move(value), true);
}

bool PersFormModel::Checked(std::string_view name) const { return Get(name).checked; }

void PersFormModel::ChangeChecked(std::string_view name, bool on, bool byUser) {
  Feld& f = Get(name);
  if (f.checked == on) return;
  f.checked = on;
  Notify(name, PersAspekt::Checked);
  RunRules(name, byUser);
}

void PersFormModel::SetChecked(std::string_view name, bool on) { ChangeChecked(name, on, false); }

void PersFormModel::UserSetChecked(std::string_view name, bool on) {
  ChangeChecked(name, on, true);
}

const std::vector<std::string>& PersFormModel::Items(std::string_view name) const {
  return Get(name).items;
}

void PersFormModel::SetItems(std::string_view name, std::vector<std::string> items) {
  Feld& f = Get(name);
  if (f.items == items) return;
  f.items = std::move(items);
  Notify(name, PersAspekt::Items);
}

bool PersFormModel::Enabled(std::string_view name) const { return Get(name).enabled; }

void PersFormModel::SetEnabled(std::string_view name, bool on) {
  Feld& f = Get(name);
  if (f.enabled == on) return;
  f.enabled = on;
  Notify(name, PersAspekt::Enabled);
}

bool PersFormModel::Visible(std::string_view name) const { return Get(name).visible; }

void PersFormModel::SetVisible(std::string_view name, bool on) {
  Feld& f = Get(name);
  if (f.visible == on) return;
  f.visible = on;
  Notify(name, PersAspekt::Visible);
}

bool PersFormModel::ReadOnly(std::string_view name) const { return Get(name).readOnly; }

void PersFormModel::SetReadOnly(std::string_view name, bool on) {
  Feld& f = Get(name);
  if (f.readOnly == on) return;
  f.readOnly = on;
  Notify(name, PersAspekt::ReadOnly);
}

void PersFormModel::SetWidth(int width) {
  if (width_ == width) return;
  width_ = width;
  Notify("", PersAspekt::Width);
}

int PersFormModel::FeldBreite(std::string_view name) const { return Get(name).breite; }

void PersFormModel::SetFeldBreite(std::string_view name, int width) {
  Feld& f = Get(name);
  if (f.breite == width) return;
  f.breite = width;
  Notify(name, PersAspekt::FeldBreite);
}

void PersFormModel::RequestFocus(std::string_view name, bool selectText) {
  Get(name);  // a misspelt name is a programming error
  focus_ = std::string(name);
  focusSelect_ = selectText;
  // A request made while another is carried out keeps the guard up until
  // the outer one ends.
  struct Zuruecksetzen {
    bool& flag;
    bool vorher;
    ~Zuruecksetzen() { flag = vorher; }
  } zuruecksetzen{focusRunning_, focusRunning_};
  focusRunning_ = true;
  Notify(name, PersAspekt::Focus);
}

void PersFormModel::OnChange(std::string_view name, Rule rule, bool userOnly) {
  Get(name).rules.emplace_back(std::move(rule), userOnly);
}

}  // namespace lohn
