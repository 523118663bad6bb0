#pragma once
// Typing into the wage-type window the way the user does, for the widget
// tests of that window and of the employee window that opens it.

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include "payroll/gui/PersFormLohnarten.h"

namespace lohnarten_test {

inline void Leave(QWidget* w, Qt::FocusReason reason = Qt::TabFocusReason) {
  QFocusEvent out(QEvent::FocusOut, reason);
  QCoreApplication::sendEvent(w, &out);
}

// One line: code, leave it (the catalogue fills text and flags), quantity, rate.
inline void TypeLine(TPersFormLohnarten& f, std::size_t i, const char* code, const char* anzahl,
                     const char* satz) {
  f.CodeEdit[i]->setText(code);
  Leave(f.CodeEdit[i]);
  f.AnzahlEdit[i]->setText(anzahl);
  f.SatzEdit[i]->setText(satz);
}

}  // namespace lohnarten_test
