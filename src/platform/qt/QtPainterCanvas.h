#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <map>
#include <string>

#include "platform/PrintCanvas.h"

namespace platform {

// Draws through a painter that is already open, one unit per device pixel,
// e.g. on an image. Font sizes convert as on the printer (254/72 units per
// point), so a page laid out in units looks alike on screen and paper.
// Pictures are loaded once into `bilder` when it is given and taken from
// there afterwards.
class QtPainterCanvas : public PrintCanvas {
 public:
  QtPainterCanvas(QPainter& painter, QSize size, std::map<std::string, QImage>* bilder = nullptr);
  bool BeginDoc(const std::string&) override { return true; }
  void EndDoc() override {}
  void NewPage() override {}
  void SetFont(const PrintFont& font) override;
  void TextOut(int x, int y, const std::string& text) override;
  void SetTextColor(std::uint32_t rgb) override;
  void DrawLine(int x1, int y1, int x2, int y2, int width) override;
  void DrawRect(int x, int y, int w, int h, int width) override;
  void DrawImage(int x, int y, int width, int height, const std::string& path) override;
  int TextWidth(const std::string& text) override;
  int LineHeight() override;
  int PageWidth() override { return size_.width(); }
  int PageHeight() override { return size_.height(); }

 private:
  QPainter& painter_;
  QSize size_;
  std::map<std::string, QImage>* bilder_;
  QColor textColor_ = Qt::black;
};

}  // namespace platform
