#pragma once
#include <QDialog>

#include "store/AppState.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

// "  Dienstgeber auswählen": lists, chooses, creates and deletes employers.
class TDatOpenForm : public QDialog {
  Q_OBJECT
 public:
  TDatOpenForm(lohn::AppState& state, QWidget* parent = nullptr);

  QLabel* Label4;
  QListWidget* FileListBox1;
  QLineEdit* Edit1;
  QPushButton* Button1;  // &Anlegen
  QPushButton* Button2;  // &Abbrechen
  QPushButton* Button3;  // A&uswählen
  QPushButton* Button4;  // &Löschen
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton2;

  // Set when the window closed after a deletion: the opener shows a fresh one.
  bool reopenAfterDelete() const { return reopen_; }

  void FillFileList();

 private:
  void FileListBox1Click();
  void FileListBox1DblClick(QListWidgetItem* item);
  void Edit1Change(const QString& text);
  void Button1Click();
  void Button3Click();
  void Button4Click();
  std::string SelectedFile() const;

  lohn::AppState& state_;
  bool reopen_ = false;
};

// Opens the window modally, and again after each deletion, as the program did.
void ShowDatOpenForm(lohn::AppState& state, QWidget* parent);
