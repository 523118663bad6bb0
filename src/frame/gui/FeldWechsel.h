#pragma once
#include <QFocusEvent>

// True when a focus event is the user entering or leaving a field of its
// window. Another window taking or giving back the focus (a message box,
// switching windows, closing the window) or a popup menu opening is no such
// change: the checks that run when a field is left must not fire on it.
inline bool IstFeldwechsel(const QEvent* e) {
  if (e->type() != QEvent::FocusIn && e->type() != QEvent::FocusOut) return false;
  Qt::FocusReason reason = static_cast<const QFocusEvent*>(e)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
