#pragma once
// Where a window opens: centred over a point, its frame within the work area
// of its screen (no part under a panel or beyond the edge).

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

inline void Zentriere(QWidget* fenster, QPoint mitte) {
  // A window that was never shown nor sized has only its size hint yet.
  const bool bemessen = fenster->isVisible() || fenster->testAttribute(Qt::WA_Resized);
  QRect r(QPoint(), bemessen ? fenster->frameGeometry().size() : fenster->sizeHint());
  r.moveCenter(mitte);
  if (QScreen* schirm = fenster->screen()) {
    const QRect frei = schirm->availableGeometry();
    r.moveLeft(
        std::clamp(r.left(), frei.left(), std::max(frei.left(), frei.right() + 1 - r.width())));
    r.moveTop(
        std::clamp(r.top(), frei.top(), std::max(frei.top(), frei.bottom() + 1 - r.height())));
  }
  fenster->move(r.topLeft());
}
