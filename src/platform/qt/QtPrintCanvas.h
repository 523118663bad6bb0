#pragma once
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/PrintCanvas.h"
#include "platform/qt/QtPainterCanvas.h"

class QWidget;

namespace platform {

// Draws on a printer chosen in the print dialog; logical units are 0.1 mm.
// While a job runs, the drawing is that of QtPainterCanvas on its painter.
// The printer outlives its jobs: printer, paper and orientation chosen for
// one job are the next one's too.
class QtPrintCanvas : public PrintCanvas {
 public:
  explicit QtPrintCanvas(QWidget* parent = nullptr, bool askDialog = true);
  ~QtPrintCanvas() override;
  bool BeginDoc(const std::string& title) override;
  void EndDoc() override;
  void NewPage() override;
  void SetFont(const PrintFont& font) override;
  void TextOut(int x, int y, const std::string& text) override;
  void SetTextColor(std::uint32_t rgb) override;
  void DrawLine(int x1, int y1, int x2, int y2, int width) override;
  void DrawRect(int x, int y, int w, int h, int width) override;
  void DrawImage(int x, int y, int width, int height, const std::string& path) override;
  int TextWidth(const std::string& text) override;
  int LineHeight() override;
  int PageWidth() override;
  int PageHeight() override;

  QPrinter& printer() { return printer_; }
  // The file that the print dialog offers for printing to a file; a printer
  // chosen before stays chosen. Nothing without the dialog.
  void SetDateiVorschlag(const std::string& pfad);
  // Portrait or landscape paper for the jobs to come.
  void SetQuerformat(bool quer);
  // The page-setup dialog of this printer ("Drucker einrichten"); true when
  // the user confirmed it.
  bool SeiteEinrichten();

 private:
  QWidget* parent_;
  bool askDialog_;
  QPrinter printer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QtPainterCanvas> zeichner_;  // draws while a job runs
};

}  // namespace platform
