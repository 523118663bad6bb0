#include "payroll/PersFormModel.h"

namespace lohn {

static_assert(int(PersAspekt::Text) == int(FeldAspekt::Text) &&
              int(PersAspekt::ReadOnly) == int(FeldAspekt::ReadOnly));

PersFormModel::PersFormModel() {
  DeclareFields();
  AttachRules();
  MarkResultFields();
}

void PersFormModel::Notify(std::string_view name, PersAspekt aspekt) const {
  if (observer_) observer_(std::string(name), aspekt);
}

void PersFormModel::SetObserver(Observer observer) {
  observer_ = std::move(observer);
  if (!observer_) {
    FeldModel::SetObserver({});
    return;
  }
  // FeldModel's aspects are the first of PersAspekt, in the same order.
  FeldModel::SetObserver([this](const std::string& name, FeldAspekt aspekt) {
    observer_(name, PersAspekt(int(aspekt)));
  });
}

void PersFormModel::OnChange(std::string_view name, Rule rule, bool userOnly) {
  FeldModel::OnChange(
      name, [rule = std::move(rule)](FeldModel& m) { rule(static_cast<PersFormModel&>(m)); },
      userOnly);
}

void PersFormModel::SetWidth(int width) {
  if (width_ == width) return;
  width_ = width;
  Notify("", PersAspekt::Width);
}

int PersFormModel::FeldBreite(std::string_view name) const {
  Art(name);  // a misspelt name is a programming error
  auto it = breiten_.find(name);
  return it == breiten_.end() ? 0 : it->second;
}

void PersFormModel::SetFeldBreite(std::string_view name, int width) {
  if (FeldBreite(name) == width) return;
  breiten_.insert_or_assign(std::string(name), width);
  Notify(name, PersAspekt::FeldBreite);
}

int FeldFarbeRgb(FeldFarbe farbe) {
  switch (farbe) {
    case FeldFarbe::Hervorhebung:
      return 0xFFFFB9;
    case FeldFarbe::Pflicht:
      return 0xFFFF82;
    case FeldFarbe::Weiss:
      return 0xFFFFFF;
    case FeldFarbe::Fenster:
    case FeldFarbe::Knopf:
      break;
  }
  return -1;
}

FeldFarbe PersFormModel::Farbe(std::string_view name) const {
  Art(name);  // a misspelt name is a programming error
  auto it = farben_.find(name);
  return it == farben_.end() ? FeldFarbe::Fenster : it->second;
}

void PersFormModel::SetFarbe(std::string_view name, FeldFarbe farbe) {
  if (Farbe(name) == farbe) return;
  farben_.insert_or_assign(std::string(name), farbe);
  Notify(name, PersAspekt::Farbe);
}

void PersFormModel::RequestFocus(std::string_view name, bool selectText) {
  Art(name);  // a misspelt name is a programming error
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

}  // namespace lohn
