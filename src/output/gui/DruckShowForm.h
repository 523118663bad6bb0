#pragma once
#include <QWidget>
#include <cstdint>
#include <vector>

#include "reports/BerichtKontext.h"
#include "reports/ShowBericht.h"

class QComboBox;
class QListWidget;
class QToolButton;

// The report viewer: the report's lines in a list, the font size of the list
// and the button that closes it. A new viewer opens for every report and
// keeps the bytes of the report it shows, so that a later report does not
// change what an open viewer holds.
class TDruckShowForm : public QWidget {
  Q_OBJECT
 public:
  TDruckShowForm(const lohn::BerichtAnsicht& ansicht, const lohn::AnsichtGroesse& groesse,
                 QWidget* parent = nullptr);

  // The report text as it was shown, and whether a spreadsheet copy was made.
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  bool Excel() const { return excel_; }

  QListWidget* ListBox1;
  QComboBox* SchriftgradComboBox;
  QToolButton* SpeedButton5;

 private:
  void SchriftgradComboBoxChange();
  void SetzeSchriftgrad(int punkte);

  std::vector<std::uint8_t> bytes_;
  bool excel_ = false;
};
