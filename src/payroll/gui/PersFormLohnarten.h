#pragma once
#include <QDialog>
#include <array>
#include <functional>

#include "payroll/LohnartenModel.h"
#include "platform/Shell.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "mehr Lohnarten": ten further wage-type lines of the month's payroll.
//
// The window edits a LohnartenModel that its opener owns and keeps for the
// whole run (the employee window). The opener puts the lines in with
// model.SetZeilen() or model.Leeren() at any time (the window shows the model
// whenever it is shown), reads them back with model.Zeilen() and the totals
// with model.Summen(), which throws ConversionError while a quantity or rate is
// not a number. LohnartenGeaendert() follows every change of a line,
// Geschlossen() the closing of the window, so that the opener can refresh its
// total fields.
class TPersFormLohnarten : public QDialog {
  Q_OBJECT
 public:
  TPersFormLohnarten(lohn::LohnartenModel& model, platform::Shell& shell,
                     QWidget* parent = nullptr);

  lohn::LohnartenModel& Model() { return model_; }
  // Writes the model into the widgets (done on every show and after every
  // handler; openers that change the model while the window is shown call it).
  void Anzeigen();

  // Line n (1 to 10) is element n - 1.
  std::array<QLineEdit*, lohn::kLohnartenZeilen> CodeEdit{};
  std::array<QLineEdit*, lohn::kLohnartenZeilen> AnzahlEdit{};
  std::array<QLineEdit*, lohn::kLohnartenZeilen> TextEdit{};
  std::array<QLineEdit*, lohn::kLohnartenZeilen> SatzEdit{};
  std::array<QLineEdit*, lohn::kLohnartenZeilen> BetragEdit{};
  std::array<QCheckBox*, lohn::kLohnartenZeilen> LstCheck{};
  std::array<QCheckBox*, lohn::kLohnartenZeilen> SVCheck{};
  std::array<QCheckBox*, lohn::kLohnartenZeilen> DB_KommCheck{};
  QLineEdit* SummeLohnartenEdit;
  QLabel* FreiBetrLabel;
  QLabel* Label9;
  QCheckBox* mitAnzahlCheckBox;
  QPushButton* SchliessenButton;
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton2;
  QToolButton* SpeedButton3;
  QToolButton* SpeedButton4;

 signals:
  void LohnartenGeaendert();
  void Geschlossen();

 public slots:
  // Every way of closing (button, Escape, the window frame) ends here.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLine(class QGridLayout* grid, int row, std::size_t n);
  // Runs a handler of the model, then shows the model again.
  void Handle(const std::function<void()>& handler);
  void SpeedButton1Click();

  lohn::LohnartenModel& model_;
  platform::Shell& shell_;
  bool anzeigen_ = false;  // widgets are being filled from the model
  bool centred_ = false;
};
