#pragma once
#include <QDialog>

class QLabel;

// "Bericht an den Drucker senden": the page being sent while a report
// prints. It keeps the other windows from input until the job is done.
class TsendenAnDruckerForm : public QDialog {
  Q_OBJECT
 public:
  explicit TsendenAnDruckerForm(QWidget* parent = nullptr);

  // Shows "sende Seite <seite>" and lets the window draw it.
  void Seite(int seite);

  QLabel* InfoLabel;
};
