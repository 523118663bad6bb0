#pragma once
#include <QMainWindow>
#include <memory>
#include <vector>

#include "frame/HauptmenueLogik.h"
#include "store/AppState.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TVideosForm;
class BerichtFenster;
namespace lohn {
class BerichtKontext;
}

// The main window: menu bar, toolbar and a dashboard of labels that repeat
// the most used items. Closing it ends the program.
class THauptmenue : public QMainWindow {
  Q_OBJECT
 public:
  THauptmenue(lohn::AppState& state, QWidget* parent = nullptr);
  ~THauptmenue() override;

  // The report run of this program (also in AppState::berichte) and its windows.
  lohn::BerichtKontext& Berichte() { return *berichte_; }
  BerichtFenster* Berichtsfenster() { return berichtFenster_; }
  // A report item is usable once its report is registered.
  void BerichteFreigeben();

  QLabel* DienstgeberLabel;
  QLabel* EldaModulLabel;
  QLabel* Image1;
  QLabel* HandbuchPunkteLabel;  // "Handbuch ...", takes the picture's place when it is hidden
  QAction* Autobackupausschalten1;
  QAction* Vorjahr1;
  QAction* VorjahrTrenner;

  // Developer controls, shown only with developmentToos.cfg.
  QFrame* EntwicklerPanel;
  QPushButton* Button2;
  QPushButton* Button4;
  QLineEdit* checkStringLengthEdit;
  QFrame* DevTestPanel;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QPushButton* Button5;
  QLineEdit* tempClipBoardEdit;

  // The dashboard labels; the one under the mouse is light yellow.
  std::vector<QLabel*> DashboardLabels;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  QWidget* BuildDashboard();
  QFrame* BuildEntwicklerPanel();
  QFrame* Panel(const QString& name, const QString& heading);
  QLabel* DashboardLabel(const lohn::DashboardEintrag& e, QWidget* parent);

  void FormCreate();
  void FormShow();
  void FormClose();

  // Runs what an item, speed button or dashboard label stands for.
  void Ausfuehren(lohn::Aktion aktion, lohn::Bericht bericht);
  // An item's action; a report item also remembers its report.
  void Anschliessen(QObject* element, lohn::Aktion aktion, lohn::Bericht bericht);
  void DienstgeberAuswaehlenClick();
  void DienstgeberDatenClick();
  void DienstnehmerUndAbrechnungClick();
  // The employee window opens here, modally, once it exists in this program.
  void ShowPersForm();
  void ShowVideos();
  void KalenderClick();
  void OrdnerInfoClick();
  void BeendenClick();
  void Image1DblClick();
  void Button2Click();
  void Button4Click();
  void Button5Click();

  // Paints the label under the mouse light yellow and all others white.
  void Hover(QLabel* over);

  lohn::AppState& state_;
  std::unique_ptr<lohn::BerichtKontext> berichte_;
  BerichtFenster* berichtFenster_ = nullptr;
  // The report items (menu, toolbar, dashboard) with their reports.
  std::vector<std::pair<QObject*, lohn::Bericht>> berichtElemente_;
  TVideosForm* videos_ = nullptr;
  bool closed_ = false;
  bool persFormVorgebaut_ = false;
};
