#pragma once
#include <QDialog>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormEingaben.h"
#include "payroll/PersFormModel.h"
#include "store/AppState.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QScrollArea;
class QToolButton;
class ClickLabel;
class TPersFormLohnarten;
class TRechnerForm;
class TVideosForm;

// The employee window: master data of one employee and one month's payroll.
// Every control carries its name as objectName; the controls that hold data
// mirror the window's field model, which holds the rules.
class TPersForm : public QDialog {
  Q_OBJECT
 public:
  // Without `mitDaten` built only, to be filled by Vorbereiten when opened.
  explicit TPersForm(lohn::AppState& state, QWidget* parent = nullptr, bool mitDaten = true);

  lohn::PersFormModel& Model() { return model_; }
  // The window's core: fields, wage-type lines, working values of the
  // calculation, the shown payroll.
  lohn::PersFormKontext& Kontext() { return kontext_; }
  // "mehr Lohnarten", created with the window and kept.
  TPersFormLohnarten* Lohnarten() { return lohnarten_; }

  // What the main window does before each show: the employee list, a new
  // employee and the employer's short name.
  void Vorbereiten();

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 public slots:
  void done(int result) override;

 private:
  // Building blocks; each registers the control under its name. Widths come
  // from the font: an edit is as wide as the longest text it must show.
  template <class W>
  W* Benenne(W* w, const std::string& name) {
    Registriere(w, name);
    return w;
  }
  void Registriere(QWidget* w, const std::string& name);
  // The control registered under the name.
  QWidget* Control(std::string_view name) const;
  QLineEdit* Edit(const char* name, int width = 0);
  QLineEdit* Betrag(const char* name);
  QLineEdit* Zahl(const char* name, const char* muster);
  int FeldBreite(const QString& muster) const;
  QComboBox* Combo(const char* name, bool editable = true);
  QCheckBox* Check(const char* name, const char* caption);
  QPushButton* Button(const char* name, const char* caption, const char* hint = "");
  QToolButton* Speed(const char* name, const char* hint, const QString& text, int icon = -1);
  ClickLabel* Link(const char* name, const char* caption, const char* hint = "");
  QLabel* Text(const QString& caption);
  QWidget* Gruppe(std::initializer_list<QWidget*> widgets);
  QGroupBox* Bereich(const char* name, const char* title);
  QFrame* Ueberlagerung(const char* name, const QRect& geometrie, QWidget* parent);

  QWidget* BaueWerkzeugleiste();
  QWidget* BauePersonaldaten();
  QWidget* BaueFreibetraege();
  QWidget* BaueFixeLohnarten();
  QWidget* BaueEigenschaften();
  QWidget* BaueBmvg();
  QWidget* BaueLaufendeLohnarten();
  QWidget* BaueBefehlsleiste();
  QWidget* BaueMenuePanel();
  QFrame* BaueMehrPanel();
  QFrame* BauePendlerEuroInfo();
  QFrame* BaueEldaPanel();
  QFrame* BaueTagePanel(QWidget* parent);

  // Width by the side panel, height by the areas, both at most the screen's.
  void Groesse();
  // Each list as wide as its longest entry.
  void ListenBreiten();
  void Binden();
  // A field that widens leaves a place of its narrow width in the layout
  // and lies over it, so that its widening moves nothing; it is never
  // narrower than that place.
  void Freistellen(const lohn::BreitesFeld& feld);
  void LegeAufPlatz(const std::string& name);
  void Verbinden();
  void Zeige(const std::string& name, lohn::PersAspekt aspekt);
  void Klick(const char* name, std::function<void()> handler);
  // The report buttons are usable once their reports are registered.
  void BerichteFreigeben();
  void ZeigeInfo(const char* control);
  void ZeigeKalender();
  void ZeigeVideos();
  void ZeigeLohnarten();
  // A calculator, when its opener has filled it.
  void ZeigeRechner(TRechnerForm* rechner, bool oeffnen);

  lohn::AppState& state_;
  lohn::PersFormKontext kontext_;
  lohn::PersFormModel& model_;
  QScrollArea* flaeche_ = nullptr;
  // Where the building blocks make their controls (see Auf).
  QWidget* eltern_ = this;
  // The groups of command buttons, shown below the scrolling areas.
  std::vector<QWidget*> befehle_;
  // Every named control of the window; the bindings are made once, from it.
  std::map<std::string, QWidget*, std::less<>> widgets_;
  std::map<QObject*, std::string> fokusNamen_;
  std::map<std::string, QWidget*> plaetze_;
  std::map<QObject*, std::string> platzNamen_;
  TVideosForm* videos_ = nullptr;
  TPersFormLohnarten* lohnarten_ = nullptr;
  TRechnerForm* teilGehalt_ = nullptr;
  TRechnerForm* sonderzahlung_ = nullptr;
  TRechnerForm* tagesLohnsteuer_ = nullptr;
  TRechnerForm* urlaubsAbfindung_ = nullptr;
  // True while a field's leaving checks run.
  bool verlassen_ = false;
};

// "Dienstnehmer und &Abrechnung" of the main window: prepares the employee
// window (created on first use and kept for the whole run), shows it modally
// and clears its month fields when it closes.
void ShowPersForm(lohn::AppState& state, QWidget* parent);

// Builds the window for ShowPersForm ahead, without reading any data: the
// main window does so once it waits for its first click, so that opening
// the window only fills and shows it.
void PersFormVorbauen(lohn::AppState& state, QWidget* parent);
// The window, once ShowPersForm has created it.
TPersForm* PersForm();
