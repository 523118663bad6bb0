#include "frame/FeldModel.h"

#include <stdexcept>

#include "store/TextRoutines.h"

namespace lohn {

void FeldModel::Declare(FeldArt art, const char* name, const char* start, const char* hint,
                        bool visible) {
  Feld f;
  f.art = art;
  f.hint = hint;
  f.visible = visible;
  if (art == FeldArt::CheckBox)
    f.checked = std::string_view(start) == "1";
  else
    f.text = start;
  auto [it, neu] = felder_.emplace(name, std::move(f));
  if (!neu) throw std::logic_error(std::string("Feld doppelt deklariert: ") + name);
  order_.push_back(it->first);
}

FeldModel::Feld& FeldModel::Get(std::string_view name) {
  auto it = felder_.find(name);
  if (it == felder_.end()) throw std::logic_error("Unbekanntes Feld: " + std::string(name));
  return it->second;
}

const FeldModel::Feld& FeldModel::Get(std::string_view name) const {
  return const_cast<FeldModel*>(this)->Get(name);
}

bool FeldModel::Has(std::string_view name) const { return felder_.contains(name); }
FeldArt FeldModel::Art(std::string_view name) const { return Get(name).art; }
const std::string& FeldModel::Hint(std::string_view name) const { return Get(name).hint; }

const std::string& FeldModel::Beschriftung(std::string_view name) const {
  return Get(name).beschriftung;
}

void FeldModel::SetBeschriftung(std::string_view name, std::string caption) {
  Get(name).beschriftung = std::move(caption);
}

void FeldModel::Notify(std::string_view name, FeldAspekt aspekt) const {
  if (observer_) observer_(std::string(name), aspekt);
}

void FeldModel::RunRules(std::string_view name, bool byUser) {
  // The list is copied: a rule may attach nothing, but it may set this very
  // field again (a filter writing back its result).
  auto rules = Get(name).rules;
  for (auto& [rule, userOnly] : rules)
    if (byUser || !userOnly) rule(*this);
}

const std::string& FeldModel::Text(std::string_view name) const { return Get(name).text; }

void FeldModel::ChangeText(std::string_view name, std::string value, bool byUser) {
  Feld& f = Get(name);
  if (f.text == value) return;
  f.text = std::move(value);
  Notify(name, FeldAspekt::Text);
  RunRules(name, byUser);
}

void FeldModel::SetText(std::string_view name, std::string value) {
  ChangeText(name, std::move(value), false);
}

void FeldModel::UserSetText(std::string_view name, std::string value) {
  ChangeText(name, std::move(value), true);
}

void FeldModel::TextVerlassen(std::string_view name) {
  const Feld& f = Get(name);
  if ((f.art != FeldArt::Edit && f.art != FeldArt::ComboBox) || f.readOnly) return;
  std::string sauber = OhneSteuerzeichen(f.text);
  if (sauber != f.text) SetText(name, std::move(sauber));
}

bool FeldModel::Checked(std::string_view name) const { return Get(name).checked; }

void FeldModel::ChangeChecked(std::string_view name, bool on, bool byUser) {
  Feld& f = Get(name);
  if (f.checked == on) return;
  f.checked = on;
  Notify(name, FeldAspekt::Checked);
  RunRules(name, byUser);
}

void FeldModel::SetChecked(std::string_view name, bool on) { ChangeChecked(name, on, false); }

void FeldModel::UserSetChecked(std::string_view name, bool on) { ChangeChecked(name, on, true); }

const std::vector<std::string>& FeldModel::Items(std::string_view name) const {
  return Get(name).items;
}

void FeldModel::SetItems(std::string_view name, std::vector<std::string> items) {
  Feld& f = Get(name);
  if (f.items == items) return;
  f.items = std::move(items);
  Notify(name, FeldAspekt::Items);
}

bool FeldModel::Enabled(std::string_view name) const { return Get(name).enabled; }

void FeldModel::SetEnabled(std::string_view name, bool on) {
  Feld& f = Get(name);
  if (f.enabled == on) return;
  f.enabled = on;
  Notify(name, FeldAspekt::Enabled);
}

bool FeldModel::Visible(std::string_view name) const { return Get(name).visible; }

void FeldModel::SetVisible(std::string_view name, bool on) {
  Feld& f = Get(name);
  if (f.visible == on) return;
  f.visible = on;
  Notify(name, FeldAspekt::Visible);
}

bool FeldModel::ReadOnly(std::string_view name) const { return Get(name).readOnly; }

void FeldModel::SetReadOnly(std::string_view name, bool on) {
  Feld& f = Get(name);
  if (f.readOnly == on) return;
  f.readOnly = on;
  Notify(name, FeldAspekt::ReadOnly);
}

void FeldModel::OnChange(std::string_view name, Rule rule, bool userOnly) {
  Get(name).rules.emplace_back(std::move(rule), userOnly);
}

}  // namespace lohn
