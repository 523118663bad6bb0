#pragma once
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "reports/BerichtKontext.h"
#include "store/AppState.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QPushButton;

// "Optionen für Bericht": the one options window that every report passes
// through. Every control carries its name as objectName and mirrors the
// options model of the report context, which holds the rules; the window
// only passes on what the user types, ticks and clicks. Not modal: it opens
// over the window that is active, the modal employee window included.
class TDruOptForm : public QWidget {
  Q_OBJECT
 public:
  TDruOptForm(lohn::AppState& state, lohn::BerichtKontext& kontext, QWidget* parent = nullptr);
  ~TDruOptForm() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QLabel* Beschriftung(const char* name, const char* caption);
  QLineEdit* Edit(const char* name, const char* muster);
  QComboBox* Combo(const char* name, const char* muster, bool editable = false);
  QCheckBox* Check(const char* name, const char* caption);
  QToolButton* Knopf(const char* name, const char* caption, const char* hint);
  // A line of controls side by side; it is hidden while none of them shows.
  QWidget* Zeile(std::initializer_list<QWidget*> widgets);

  void Bauen();
  void Binden();
  void Verbinden();
  void Zeige(const std::string& name, lohn::FeldAspekt aspekt);
  // A line of controls shows while one of them does.
  void Folgen();
  void Klick(const char* name, std::function<void()> handler);

  lohn::AppState& state_;
  lohn::BerichtKontext& kontext_;
  lohn::DruOptModel& model_;
  std::map<std::string, QWidget*> widgets_;
  std::map<QObject*, std::string> fokusNamen_;
  std::vector<QWidget*> zeilen_;
};
