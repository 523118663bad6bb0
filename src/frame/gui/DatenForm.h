#pragma once
#include <QDialog>

#include "store/AppState.h"

class ClickLabel;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

// Shows the data folder with its payroll files and those of the target
// folder, and offers the copy route through the user's copya.bat.
class TDatenForm : public QDialog {
  Q_OBJECT
 public:
  explicit TDatenForm(lohn::AppState& state, QWidget* parent = nullptr);

  // Reads both file lists anew.
  void Aktualisieren();

  QListWidget* DirectoryListBox1;
  QListWidget* FileListBox1;
  QListWidget* FileListBox2;
  QLabel* ZiellaufwerkLabel;
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton2;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  ClickLabel* Label2;
  ClickLabel* Label14;

 private:
  void FillDirectoryList();

  lohn::AppState& state_;
};
