#include "reports/gui/BerichtFenster.h"

#include <QApplication>
#include <QWidget>

#include "frame/gui/Fensterlage.h"
#include "output/gui/DruckShowForm.h"
#include "reports/gui/DGAdatenForm.h"
#include "reports/gui/DZForm.h"
#include "reports/gui/DruOptForm.h"

BerichtFenster::BerichtFenster(lohn::AppState& state, lohn::BerichtKontext& kontext,
                               QWidget* hauptfenster)
    : QObject(hauptfenster), state_(state), kontext_(kontext), hauptfenster_(hauptfenster) {
  lohn::BerichtHooks& h = kontext_.hooks;
  h.ZeigeOptionen = [this] {
    if (!optionen_) optionen_ = new TDruOptForm(state_, kontext_, Eltern());
    Zeige(optionen_);
    // Over the main window, where the clerk chose the report.
    const QWidget* ueber = hauptfenster_ && hauptfenster_->isVisible() ? hauptfenster_ : nullptr;
    Zentriere(optionen_, ueber ? ueber->frameGeometry().center()
                               : optionen_->screen()->availableGeometry().center());
  };
  h.SchliesseOptionen = [this] {
    if (optionen_) optionen_->close();
    if (dz_) dz_->close();
  };
  h.ZeigeDzTabelle = [this] {
    if (!dz_) dz_ = new TDZForm(kontext_.optionen, state_.services.shell, Eltern());
    Zeige(dz_);
  };
  // The levy data window is modal over the window that is active, so it
  // takes input also over the modal employee window.
  h.ZeigeDgaDaten = [this](lohn::DgaDaten& daten) {
    TDGAdatenForm form(state_, daten, state_.DataFileStem, Eltern());
    form.exec();
  };
  h.OeffneAnsicht = [this](const lohn::BerichtAnsicht& a, const lohn::AnsichtGroesse& g) {
    return OeffneAnsicht(a, g);
  };
  h.SchliesseAnsicht = [this](int handle) { SchliesseAnsicht(handle); };
  // One preview per run, over the window that is active when it starts.
  h.ZeigeL16 = [this](const lohn::L16Blatt& blatt, bool neuerLauf) {
    if (neuerLauf || !l16_) {
      delete l16_;
      l16_ = new TDruckansichtL16_2007Form(state_, Eltern());
    }
    l16_->Zeige(blatt);
  };
}

BerichtFenster::~BerichtFenster() {
  kontext_.hooks = {};
  delete optionen_;
  delete dz_;
  delete l16_;
}

QWidget* BerichtFenster::Eltern() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return hauptfenster_;
}

void BerichtFenster::Zeige(QWidget* fenster) {
  QWidget* eltern = Eltern();
  if (fenster->parentWidget() != eltern) fenster->setParent(eltern, fenster->windowFlags());
  fenster->show();
  fenster->raise();
  fenster->activateWindow();
}

TDruckShowForm* BerichtFenster::Ansicht(int handle) const {
  auto it = ansichten_.find(handle);
  return it == ansichten_.end() ? nullptr : it->second.data();
}

int BerichtFenster::OeffneAnsicht(const lohn::BerichtAnsicht& ansicht,
                                  const lohn::AnsichtGroesse& groesse) {
  // Viewers of reports closed meanwhile need no handle any more.
  std::erase_if(ansichten_, [](const auto& a) { return a.second.isNull(); });
  auto* form = new TDruckShowForm(state_, ansicht, groesse, Eltern());
  form->show();
  form->raise();
  form->activateWindow();
  ansichten_[++naechste_] = form;
  return naechste_;
}

void BerichtFenster::SchliesseAnsicht(int handle) {
  auto it = ansichten_.find(handle);
  if (it == ansichten_.end()) return;
  if (it->second) it->second->close();
  ansichten_.erase(it);
}
