#include "frame/gui/PasswordDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("PasswordDlg");
  setWindowTitle("Anmelden bei Quandrel Lohnverrechnung");
  setModal(true);
  NameComboBox = new QComboBox(this);
  NameComboBox->setObjectName("NameComboBox");
  NameComboBox->setEditable(true);
  NameComboBox->setEditText("ZR-Benutzer");
  Password = new QLineEdit(this);
  Password->setObjectName("Password");
  Password->setEchoMode(QLineEdit::Password);
  OKBtn = new QPushButton("OK", this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("Abbrechen", this);
  CancelBtn->setObjectName("CancelBtn");

  auto* form = new QFormLayout;
  form->addRow("Name:", NameComboBox);
  form->addRow("Kennwort:", Password);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);

  connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TPasswordDlg::CancelBtnClick);
  Password->setFocus();
}

void TPasswordDlg::OKBtnClick() {
  entered_ = Password->text();
  accept();
}

void TPasswordDlg::CancelBtnClick() {
  entered_.clear();
  reject();
}
