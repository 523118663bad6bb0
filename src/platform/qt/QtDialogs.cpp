#include "platform/qt/QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "frame/gui/PasswordDlg.h"

namespace platform {

QString QtDialogs::Caption(const std::string& caption) const {
  return QString::fromStdString(caption.empty() ? title_ : caption);
}

void QtDialogs::ShowMessage(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::NoIcon, Caption(caption), QString::fromStdString(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

bool QtDialogs::AskYesNo(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Question, Caption(caption), QString::fromStdString(text),
                  QMessageBox::NoButton, QApplication::activeWindow());
  QPushButton* yes = box.addButton("&Ja", QMessageBox::YesRole);
  QPushButton* no = box.addButton("&Nein", QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

std::optional<std::string> QtDialogs::Input(const std::string& caption, const std::string& prompt,
                                            const std::string& defaultText, bool masked) {
  QInputDialog dlg(QApplication::activeWindow());
  dlg.setWindowTitle(Caption(caption));
  dlg.setLabelText(QString::fromStdString(prompt));
  dlg.setTextValue(QString::fromStdString(defaultText));
  dlg.setTextEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
  dlg.setOkButtonText("OK");
  dlg.setCancelButtonText("Abbrechen");
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.textValue().toStdString();
}

std::optional<std::string> QtDialogs::InputText(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& defaultText) {
  return Input(caption, prompt, defaultText, false);
}

std::optional<std::string> QtDialogs::InputPassword(const std::string& caption,
                                                    const std::string& prompt,
                                                    const std::string& defaultText) {
  return Input(caption, prompt, defaultText, true);
}

std::string QtDialogs::AskLoginPassword() {
  TPasswordDlg dlg;
  dlg.exec();
  return dlg.EnteredPassword().toStdString();
}

}  // namespace platform
