#include "output/PrintPDF.h"

#include <array>
#include <cstdio>

#include "store/Cp1252.h"

namespace lohn {

namespace {

constexpr std::array<const char*, 14> kFonts = {
    "Helvetica",   "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
    "Courier",     "Courier-Bold",   "Courier-Oblique",   "Courier-BoldOblique",
    "Times-Roman", "Times-Bold",     "Times-Italic",      "Times-BoldItalic",
    "Symbol",      "ZapfDingbats"};

// A literal string: Windows-1252 bytes with the three characters that would
// end or break the string escaped.
std::string Literal(const std::string& utf8) {
  std::string out = "(";
  for (char c : Utf8ToCp1252(utf8)) {
    if (c == '\\' || c == '(' || c == ')') out += '\\';
    out += c;
  }
  return out + ")";
}

std::string Digits(long long value, int width) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%0*lld", width, value);
  return buf;
}

std::string Ref(int object) { return std::to_string(object) + " 0 R"; }

}  // namespace

int TPrintPDF::BeginObject() {
  ++objectNumber_;
  obj_ = std::to_string(objectNumber_) + " 0 obj\r\n";
  return objectNumber_;
}

void TPrintPDF::Line(const std::string& text) {
  obj_ += text;
  obj_ += "\r\n";
}

void TPrintPDF::EndObject() {
  Line("endobj");
  offsets_.push_back(out_.size());
  out_.insert(out_.end(), obj_.begin(), obj_.end());
  obj_.clear();
}

void TPrintPDF::OpenContent() {
  int n = BeginObject();
  contentObjects_.push_back(n);
  Line("<< /Length " + Ref(n + 1) + " >>");
  Line("stream");
  contentHead_ = obj_.size();
}

// The stream data runs from after "stream" CR LF to "endstream"; its length
// goes into the object that follows.
void TPrintPDF::CloseContent() {
  std::size_t length = obj_.size() - contentHead_;
  Line("endstream");
  EndObject();
  BeginObject();
  Line(std::to_string(length));
  EndObject();
}

std::string TPrintPDF::FontLine() const {
  return "/F" + std::to_string(Font.Number + 1) + " " + std::to_string(Font.Size) + " Tf";
}

void TPrintPDF::BeginDoc() {
  pageNumber_ = 1;
  out_.clear();
  obj_.clear();
  objectNumber_ = 0;
  offsets_.clear();
  contentObjects_.clear();
  const std::string head = "%PDF-1.4\r\n";
  out_.assign(head.begin(), head.end());

  platform::DateTime t = clock_.Now();
  BeginObject();
  Line("<<");
  Line("/Producer " + Literal(Producer));
  Line("/Author " + Literal(Author));
  Line("/CreationDate (D:" + Digits(t.year, 4) + Digits(t.month, 2) + Digits(t.day, 2) +
       Digits(t.hour, 2) + Digits(t.minute, 2) + Digits(t.second, 2) + ")");
  Line("/Creator " + Literal(Creator));
  Line("/Keywords " + Literal(Keywords));
  Line("/Subject " + Literal(Subject));
  Line("/Title " + Literal(TITLE));
  Line("/ModDate ()");
  Line(">>");
  EndObject();
  OpenContent();
}

void TPrintPDF::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
  Line("BT");
  Line(FontLine());
  Line(std::to_string(x) + " " + std::to_string(PageHeight - y) + " Td");
  Line(Literal(text) + " Tj");
  Line("ET");
}

void TPrintPDF::MemoOut(std::int32_t x, std::int32_t y, const std::vector<std::string>& lines) {
  Line("BT");
  Line(FontLine());
  Line(std::to_string(x) + " " + std::to_string(PageHeight - y) + " Td");
  for (const std::string& l : lines) {
    Line(Literal(l) + " Tj");
    Line("0 -12.5 TD");
  }
  Line("ET");
}

void TPrintPDF::NewPage() {
  CloseContent();
  OpenContent();
  ++pageNumber_;
}

bool TPrintPDF::EndDoc(int* err) {
  CloseContent();

  int outlines = BeginObject();
  Line("<< /Type /Outlines");
  Line("/Count 0");
  Line(">>");
  EndObject();

  std::vector<int> fonts;
  for (std::size_t k = 0; k < kFonts.size(); ++k) {
    fonts.push_back(BeginObject());
    Line("<< /Type /Font");
    Line("/Subtype /Type1");
    Line("/Name /F" + std::to_string(k + 1));
    Line(std::string("/BaseFont /") + kFonts[k]);
    Line("/Encoding /WinAnsiEncoding");
    Line(">>");
    EndObject();
  }

  // The page objects follow the resources: page i is pages + 1 + i.
  int pages = BeginObject();
  Line("<< /Type /Pages");
  Line("/Kids [");
  for (std::size_t i = 1; i <= contentObjects_.size(); ++i) Line(Ref(pages + 1 + int(i)));
  Line("]");
  Line("/Count " + std::to_string(contentObjects_.size()));
  Line(">>");
  EndObject();

  int resources = BeginObject();
  Line("<< /ProcSet [ /PDF /Text /ImageC]");
  Line("/XObject << ");
  Line(">>");
  Line("/Font << ");
  for (std::size_t k = 0; k < fonts.size(); ++k)
    Line("/F" + std::to_string(k + 1) + " " + Ref(fonts[k]) + " ");
  Line(">>");
  Line(">>");
  EndObject();

  for (int content : contentObjects_) {
    BeginObject();
    Line("<< /Type /Page");
    Line("/Parent " + Ref(pages));
    Line("/MediaBox [ 0 0 " + std::to_string(PageWidth) + " " + std::to_string(PageHeight) + "]");
    Line("/Contents " + Ref(content));
    Line("/Resources " + Ref(resources));
    Line(">>");
    EndObject();
  }

  int catalog = BeginObject();
  Line("<< /Type /Catalog");
  Line("/Pages " + Ref(pages));
  Line("/Outlines " + Ref(outlines));
  Line(">>");
  EndObject();

  const std::size_t xref = out_.size();
  std::string tail = "xref\r\n0 " + std::to_string(objectNumber_ + 1) + "\r\n";
  tail += "0000000000 65535 f\r\n";
  for (std::size_t offset : offsets_) tail += Digits((long long)offset, 10) + " 00000 n\r\n";
  tail += "trailer\r\n<< /Size " + std::to_string(objectNumber_ + 1) + "\r\n";
  tail += "/Root " + Ref(catalog) + "\r\n/Info 1 0 R\r\n>>\r\n";
  tail += "startxref\r\n" + std::to_string(xref) + "\r\n%%EOF\r\n";
  out_.insert(out_.end(), tail.begin(), tail.end());

  return WriteFileAtomic(FileName, out_, err);
}

}  // namespace lohn
