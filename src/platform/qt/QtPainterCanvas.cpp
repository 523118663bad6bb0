#include "platform/qt/QtPainterCanvas.h"

#include <QFontMetrics>
#include <QPen>
#include <algorithm>

namespace platform {

QtPainterCanvas::QtPainterCanvas(QPainter& painter, QSize size,
                                 std::map<std::string, QImage>* bilder)
    : painter_(painter), size_(size), bilder_(bilder) {
  painter_.setRenderHint(QPainter::TextAntialiasing);
  SetFont(PrintFont{});
}

void QtPainterCanvas::SetFont(const PrintFont& f) {
  QFont font(QString::fromStdString(f.family));
  // A family that is not installed falls back to another fixed-pitch font,
  // so a report's columns stay aligned.
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  if (f.cellHeight > 0) {
    // Ascent plus descent must fill the cell, whatever the family's ratio
    // of em to line height: take the largest pixel size that fits.
    auto hoehe = [&](int px) {
      font.setPixelSize(px);
      return QFontMetrics(font, painter_.device()).height();
    };
    const int cell = f.cellHeight;
    int px = std::max(1, cell * cell / std::max(1, hoehe(cell)));
    while (px > 1 && hoehe(px) > cell) --px;
    while (hoehe(px + 1) <= cell) ++px;
    font.setPixelSize(px);
  } else {
    // One point is 254/72 units of 0.1 mm.
    font.setPixelSize(std::max(1, int(f.pointSize * 254.0 / 72.0 + 0.5)));
  }
  painter_.setFont(font);
}

void QtPainterCanvas::TextOut(int x, int y, const std::string& text) {
  painter_.setPen(textColor_);
  painter_.drawText(x, y + painter_.fontMetrics().ascent(), QString::fromStdString(text));
}

void QtPainterCanvas::SetTextColor(std::uint32_t rgb) { textColor_ = QColor::fromRgb(QRgb(rgb)); }

void QtPainterCanvas::DrawLine(int x1, int y1, int x2, int y2, int width) {
  painter_.setPen(QPen(Qt::black, std::max(1, width)));
  painter_.drawLine(x1, y1, x2, y2);
}

void QtPainterCanvas::DrawRect(int x, int y, int w, int h, int width) {
  painter_.setPen(QPen(Qt::black, std::max(1, width)));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(x, y, w, h);
}

void QtPainterCanvas::DrawImage(int x, int y, int width, int height, const std::string& path) {
  QImage geladen;
  const QImage* bild = &geladen;
  if (bilder_) {
    auto it = bilder_->find(path);
    if (it == bilder_->end())
      it = bilder_->emplace(path, QImage(QString::fromStdString(path))).first;
    bild = &it->second;
  } else {
    geladen.load(QString::fromStdString(path));
  }
  if (bild->isNull()) return;
  if (width <= 0 && height <= 0) {
    width = bild->width();
    height = bild->height();
  }
  painter_.drawImage(QRect(x, y, width, height), *bild);
}

int QtPainterCanvas::TextWidth(const std::string& text) {
  return painter_.fontMetrics().horizontalAdvance(QString::fromStdString(text));
}

int QtPainterCanvas::LineHeight() { return painter_.fontMetrics().height(); }

}  // namespace platform
