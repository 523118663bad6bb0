#pragma once
// A flat tool-bar button named as its control, with its caption and hint.

#include <QString>
#include <QToolButton>

inline QToolButton* Werkzeugknopf(QWidget* eltern, const char* name, const char* text,
                                  const char* hinweis) {
  auto* b = new QToolButton(eltern);
  b->setObjectName(name);
  b->setText(QString::fromUtf8(text));
  b->setToolTip(QString::fromUtf8(hinweis));
  b->setAutoRaise(true);
  return b;
}
