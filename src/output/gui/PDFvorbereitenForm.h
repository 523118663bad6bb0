#pragma once
#include <QWidget>

class QLabel;

// Progress of the PDF route: the line being read, then "fertigstellen ...".
class TPDFvorbereitenForm : public QWidget {
  Q_OBJECT
 public:
  explicit TPDFvorbereitenForm(QWidget* parent = nullptr);

  // Shows the text at once, also while the route keeps the event loop busy.
  void Zeige(const QString& text);

  QLabel* Label1;
  QLabel* Label2;
  QLabel* ZeileLabel;
};
