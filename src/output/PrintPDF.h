#pragma once
// A small writer of PDF 1.4 files: text lines in the standard Type 1 fonts,
// one content stream per page, and the cross-reference table computed while
// the objects are written. Everything is built in memory; only EndDoc touches
// the disk, and then as one whole file.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "store/FileUtil.h"

namespace lohn {

// Font number: index into the table of the 14 standard fonts (4 = Courier);
// size in points.
struct TPDFFont {
  std::int32_t Number = 4;
  std::int32_t Size = 12;
};

inline constexpr const char* kPdfInfoText = "Quandrel Lohnverrechnung";

class TPrintPDF {
 public:
  // The clock stamps /CreationDate.
  explicit TPrintPDF(const platform::Clock& clock) : clock_(clock) {}

  std::string FileName;
  std::string TITLE;
  std::int32_t PageWidth = 612;
  std::int32_t PageHeight = 792;
  std::int32_t LineWidth = 1;  // kept, never written
  std::string Author = kPdfInfoText;
  std::string Creator = kPdfInfoText;
  std::string Producer = kPdfInfoText;
  std::string Keywords;
  std::string Subject;
  TPDFFont Font;

  // The page being written, which is also the number of pages so far.
  std::int32_t PageNumber() const { return pageNumber_; }

  // Texts are UTF-8; they are written in Windows-1252, the fonts' encoding.
  void BeginDoc();
  // One line at x points from the left and y points from the top.
  void TextOut(std::int32_t x, std::int32_t y, const std::string& text);
  // Lines 12.5 points apart, the first at (x, y).
  void MemoOut(std::int32_t x, std::int32_t y, const std::vector<std::string>& lines);
  void NewPage();
  // Finishes the document and writes it to FileName, replacing a file of that
  // name. False with errno in *err when it could not be written; then no file
  // of that name was touched.
  bool EndDoc(int* err = nullptr);

  // The document as built so far (all of it after EndDoc).
  const Bytes& Buffer() const { return out_; }

 private:
  int BeginObject();
  void Line(const std::string& text);
  void EndObject();
  void OpenContent();
  void CloseContent();
  std::string FontLine() const;

  const platform::Clock& clock_;
  std::int32_t pageNumber_ = 0;
  Bytes out_;
  std::string obj_;                   // the object being built
  int objectNumber_ = 0;              // the last object number used
  std::vector<std::size_t> offsets_;  // byte offset of object k + 1 at k
  std::vector<int> contentObjects_;   // one per page
  std::size_t contentHead_ = 0;       // bytes of the open content object before its stream
};

}  // namespace lohn
