#pragma once
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/PrintCanvas.h"
#include "reports/BerichtKontext.h"
#include "reports/ShowBericht.h"
#include "store/AppState.h"

class ClickLabel;
class QCheckBox;
class QComboBox;
class QListWidget;
class QStyledItemDelegate;
class QToolButton;

// The report viewer: the report's lines in a list, and from there printing,
// the PDF and handing the report to other programs. A new viewer opens for
// every report and keeps the bytes of the report it shows; everything it
// prints, writes or hands over comes from those bytes, so a later report
// does not change what an open viewer gives.
class TDruckShowForm : public QWidget {
  Q_OBJECT
 public:
  // Makes the canvas to print on, once per viewer; by default a printer
  // behind the print dialog, which keeps printer, paper and orientation from
  // one print to the next. Shared, so that a test can keep looking at what
  // was drawn.
  using CanvasFactory = std::function<std::shared_ptr<platform::PrintCanvas>(QWidget*)>;

  TDruckShowForm(lohn::AppState& state, const lohn::BerichtAnsicht& ansicht,
                 const lohn::AnsichtGroesse& groesse, QWidget* parent = nullptr,
                 CanvasFactory canvasFactory = {});

  // The report text as it was shown, and whether a spreadsheet copy was made.
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  bool Excel() const { return excel_; }
  // The print size chosen in SchriftgradComboBox.
  int Schriftgrad() const;

  QListWidget* ListBox1;
  QComboBox* SchriftgradComboBox;
  QComboBox* FontCombobox;
  QCheckBox* printLogoCheckBox;
  ClickLabel* Label2;
  ClickLabel* Label3;
  ClickLabel* Label5;
  QToolButton* SpeedButton2;
  QToolButton* SpeedButton13;
  QToolButton* SpeedButton11;
  QToolButton* SpeedButton3;
  QToolButton* SpeedButton6;
  QToolButton* SpeedButton4;
  QToolButton* SpeedButton12;
  QToolButton* SpeedButton5;
  QToolButton* SpeedButton7;
  QToolButton* SpeedButton8;
  QToolButton* SpeedButton9;
  QToolButton* SpeedButton10;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void SchriftgradComboBoxChange();
  void SetzeSchriftgrad(int punkte);
  void FuelleFontCombobox(bool alle);
  void FontComboboxChange(const QString& text);
  void SetzeSchrift(const QString& name);
  platform::PrintCanvas& Drucker();
  void SpeedButton2Click();
  void SpeedButton13Click();
  void ListenBreite();
  void SpeedButton7Click();

  lohn::AppState& state_;
  std::vector<std::uint8_t> bytes_;
  std::string name_;  // the report's name
  bool excel_ = false;
  CanvasFactory canvasFactory_;
  std::shared_ptr<platform::PrintCanvas> drucker_;
  bool querformat_ = false;
  QString laengsteZeile_;
  QStyledItemDelegate* zeilenDelegate_ = nullptr;
  bool schriftGeladen_ = false;
  bool druckt_ = false;
  bool schliessenNachDruck_ = false;
};
