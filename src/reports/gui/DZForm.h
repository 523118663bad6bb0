#pragma once
#include <QWidget>

#include "platform/Shell.h"
#include "reports/DruOptModel.h"

// "DZ Dienstgeberzuschlag": the surcharge rates of the federal states; a
// click on a state puts its rate into the options window's DZ field and
// closes the table.
class TDZForm : public QWidget {
  Q_OBJECT
 public:
  TDZForm(lohn::DruOptModel& optionen, platform::Shell& shell, QWidget* parent = nullptr);

 private:
  lohn::DruOptModel& optionen_;
  platform::Shell& shell_;
};
