#include "frame/gui/FeldAnzeige.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>

void ZeigeFeldText(QWidget* w, const QString& text) {
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    if (e->text() != text) {
      e->setText(text);
      if (!e->hasFocus()) e->setCursorPosition(0);
    }
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    if (c->isEditable()) {
      if (c->currentText() != text) {
        c->setEditText(text);
        if (!c->hasFocus()) c->lineEdit()->setCursorPosition(0);
      }
    } else {
      c->setCurrentIndex(c->findText(text));
    }
  } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
    m->setPlainText(QString(text).replace("\r\n", "\n"));
  } else if (auto* s = qobject_cast<QStatusBar*>(w)) {
    if (auto* l = s->findChild<QLabel*>()) l->setText(text);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(text);
  }
}
