#pragma once
#include <QDialog>
#include <optional>
#include <string>

#include "store/AppState.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// "Speichern unter" for the PDF route: a name for the file, which is always
// written in the working directory; the PDFs there are listed to be chosen
// (and replaced) or opened.
class TPDFSpeichernUnterForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPDFSpeichernUnterForm(lohn::AppState& state, QWidget* parent = nullptr);

  // The file to write after "Speichern"; nothing after "Abbrechen" or the
  // close box.
  const std::optional<std::string>& Datei() const { return datei_; }

  QLineEdit* DateiNameEdit;
  QComboBox* ComboBox1;
  QListWidget* FileListBox1;
  QListWidget* DirectoryListBox1;
  QPushButton* Button1;
  QPushButton* Button2;

  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FileListBox1Change(QListWidgetItem* item);
  void FileListBox1DblClick(QListWidgetItem* item);
  void DateiNameEditChange(const QString& text);
  void Button1Click();

  lohn::AppState& state_;
  std::optional<std::string> datei_;
};
