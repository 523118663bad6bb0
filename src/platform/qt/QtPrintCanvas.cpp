#include "platform/qt/QtPrintCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPen>
#include <QPrintDialog>
#include <algorithm>

namespace platform {

QtPrintCanvas::QtPrintCanvas(QWidget* parent, bool askDialog)
    : parent_(parent), askDialog_(askDialog), printer_(QPrinter::HighResolution) {}

QtPrintCanvas::~QtPrintCanvas() {
  if (painter_) painter_->end();
}

bool QtPrintCanvas::BeginDoc(const std::string& title) {
  printer_.setDocName(QString::fromStdString(title));
  if (askDialog_) {
    QPrintDialog dlg(&printer_, parent_);
    if (dlg.exec() != QDialog::Accepted) return false;
  }
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&printer_)) {
    painter_.reset();
    return false;
  }
  QRectF page = printer_.pageLayout().paintRect(QPageLayout::Millimeter);
  painter_->setWindow(0, 0, int(page.width() * 10), int(page.height() * 10));
  painter_->setViewport(0, 0, printer_.width(), printer_.height());
  SetFont(PrintFont{});
  textColor_ = Qt::black;
  return true;
}

void QtPrintCanvas::EndDoc() {
  if (painter_) painter_->end();
  painter_.reset();
}

void QtPrintCanvas::NewPage() { printer_.newPage(); }

void QtPrintCanvas::SetFont(const PrintFont& f) {
  font_ = QFont(QString::fromStdString(f.family));
  // A family that is not installed falls back to another fixed-pitch font,
  // so the report's columns stay aligned.
  font_.setStyleHint(QFont::TypeWriter);
  font_.setFixedPitch(true);
  font_.setBold(f.bold);
  font_.setItalic(f.italic);
  if (f.cellHeight > 0) {
    // Ascent plus descent must fill the cell, whatever the family's ratio
    // of em to line height: take the largest pixel size that fits.
    auto hoehe = [&](int px) {
      font_.setPixelSize(px);
      return QFontMetrics(font_, &printer_).height();
    };
    const int cell = f.cellHeight;
    int px = std::max(1, cell * cell / std::max(1, hoehe(cell)));
    while (px > 1 && hoehe(px) > cell) --px;
    while (hoehe(px + 1) <= cell) ++px;
    font_.setPixelSize(px);
  } else {
    // Pixel size in logical units (0.1 mm): one point is 0.3528 mm.
    font_.setPixelSize(std::max(1, int(f.pointSize * 254.0 / 72.0 + 0.5)));
  }
  if (painter_) painter_->setFont(font_);
}

void QtPrintCanvas::TextOut(int x, int y, const std::string& text) {
  if (!painter_) return;
  painter_->setPen(textColor_);
  painter_->drawText(x, y + painter_->fontMetrics().ascent(), QString::fromStdString(text));
}

void QtPrintCanvas::SetTextColor(std::uint32_t rgb) { textColor_ = QColor::fromRgb(QRgb(rgb)); }

void QtPrintCanvas::DrawLine(int x1, int y1, int x2, int y2, int width) {
  if (!painter_) return;
  painter_->setPen(QPen(Qt::black, std::max(1, width)));
  painter_->drawLine(x1, y1, x2, y2);
}

void QtPrintCanvas::DrawRect(int x, int y, int w, int h, int width) {
  if (!painter_) return;
  painter_->setPen(QPen(Qt::black, std::max(1, width)));
  painter_->setBrush(Qt::NoBrush);
  painter_->drawRect(x, y, w, h);
}

void QtPrintCanvas::DrawImage(int x, int y, int width, int height, const std::string& path) {
  if (!painter_) return;
  QImage img(QString::fromStdString(path));
  if (img.isNull()) return;
  if (width <= 0 && height <= 0) {
    width = img.width();
    height = img.height();
  }
  painter_->drawImage(QRect(x, y, width, height), img);
}

int QtPrintCanvas::TextWidth(const std::string& text) {
  if (!painter_) return 0;
  return painter_->fontMetrics().horizontalAdvance(QString::fromStdString(text));
}

int QtPrintCanvas::LineHeight() { return painter_ ? painter_->fontMetrics().height() : 0; }

int QtPrintCanvas::PageWidth() {
  return int(printer_.pageLayout().paintRect(QPageLayout::Millimeter).width() * 10);
}

int QtPrintCanvas::PageHeight() {
  return int(printer_.pageLayout().paintRect(QPageLayout::Millimeter).height() * 10);
}

}  // namespace platform
