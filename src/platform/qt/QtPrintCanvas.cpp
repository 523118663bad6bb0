#include "platform/qt/QtPrintCanvas.h"

#include <QPageSetupDialog>
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
  zeichner_ = std::make_unique<QtPainterCanvas>(*painter_, QSize(PageWidth(), PageHeight()));
  return true;
}

void QtPrintCanvas::SetDateiVorschlag(const std::string& pfad) {
  // Without the dialog the printer prints where it was set up to.
  if (!askDialog_) return;
  // A ".pdf" name switches the printer to PDF output; the dialog would then
  // offer the file instead of the printer.
  const bool aufDrucker = printer_.outputFormat() == QPrinter::NativeFormat;
  printer_.setOutputFileName(QString::fromStdString(pfad));
  if (aufDrucker) printer_.setOutputFormat(QPrinter::NativeFormat);
}

void QtPrintCanvas::SetQuerformat(bool quer) {
  printer_.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool QtPrintCanvas::SeiteEinrichten() {
  QPageSetupDialog dialog(&printer_, parent_);
  return dialog.exec() == QDialog::Accepted;
}

void QtPrintCanvas::EndDoc() {
  zeichner_.reset();
  if (painter_) painter_->end();
  painter_.reset();
}

void QtPrintCanvas::NewPage() { printer_.newPage(); }

void QtPrintCanvas::SetFont(const PrintFont& f) {
  if (zeichner_) zeichner_->SetFont(f);
}

void QtPrintCanvas::TextOut(int x, int y, const std::string& text) {
  if (zeichner_) zeichner_->TextOut(x, y, text);
}

void QtPrintCanvas::SetTextColor(std::uint32_t rgb) {
  if (zeichner_) zeichner_->SetTextColor(rgb);
}

void QtPrintCanvas::DrawLine(int x1, int y1, int x2, int y2, int width) {
  if (zeichner_) zeichner_->DrawLine(x1, y1, x2, y2, width);
}

void QtPrintCanvas::DrawRect(int x, int y, int w, int h, int width) {
  if (zeichner_) zeichner_->DrawRect(x, y, w, h, width);
}

void QtPrintCanvas::DrawImage(int x, int y, int width, int height, const std::string& path) {
  if (zeichner_) zeichner_->DrawImage(x, y, width, height, path);
}

int QtPrintCanvas::TextWidth(const std::string& text) {
  return zeichner_ ? zeichner_->TextWidth(text) : 0;
}

int QtPrintCanvas::LineHeight() { return zeichner_ ? zeichner_->LineHeight() : 0; }

int QtPrintCanvas::PageWidth() {
  return int(printer_.pageLayout().paintRect(QPageLayout::Millimeter).width() * 10);
}

int QtPrintCanvas::PageHeight() {
  return int(printer_.pageLayout().paintRect(QPageLayout::Millimeter).height() * 10);
}

}  // namespace platform
