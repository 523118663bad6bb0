#pragma once
// Printing through a seam: positions and sizes in tenths of a millimetre from
// the top left corner of the printable page. The Qt adapter draws on a
// printer; tests record what was drawn.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct PrintFont {
  std::string family = "Courier New";
  double pointSize = 10;
  bool bold = false;
  bool italic = false;
  // Height of the character cell (ascent plus descent) in 0.1 mm; the font
  // is sized to fill it exactly. 0 sizes the font by pointSize.
  int cellHeight = 0;
};

class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;
  // Starts a print job; false when the user cancelled the print dialog or no
  // printer is there. Nothing must be drawn then.
  virtual bool BeginDoc(const std::string& title) = 0;
  virtual void EndDoc() = 0;
  virtual void NewPage() = 0;
  virtual void SetFont(const PrintFont& font) = 0;
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // The colour of the text drawn from now on, as 0xRRGGBB; black after
  // BeginDoc.
  virtual void SetTextColor(std::uint32_t rgb) = 0;
  // A black line, and a black rectangle's outline, `width` units thick.
  virtual void DrawLine(int x1, int y1, int x2, int y2, int width) = 0;
  virtual void DrawRect(int x, int y, int w, int h, int width) = 0;
  // Width and height 0 draw the picture at one unit per pixel.
  virtual void DrawImage(int x, int y, int width, int height, const std::string& path) = 0;
  // Width and line height of text in the current font, in 0.1 mm.
  virtual int TextWidth(const std::string& text) = 0;
  virtual int LineHeight() = 0;
  virtual int PageWidth() = 0;
  virtual int PageHeight() = 0;
};

}  // namespace platform
