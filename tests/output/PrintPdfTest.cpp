#include <gtest/gtest.h>

#include "output/PdfAufbau.h"
#include "output/PrintPDF.h"
#include "support/Fakes.h"
#include "support/Golden.h"
#include "support/PdfTools.h"

namespace {

using namespace testing_support;

TEST(PrintPDF, TwoPagesByteForByte) {
  TempWorkDir dir;
  platform::FixedClock uhr({2014, 3, 15, 9, 5, 3, 0});
  lohn::TPrintPDF pdf(uhr);
  pdf.FileName = "zwei.pdf";
  pdf.TITLE = "Quandrel Software";
  pdf.Subject = "Lohn (März) \\ 2014";
  pdf.BeginDoc();
  EXPECT_EQ(pdf.PageNumber(), 1);
  pdf.Font.Size = 20;
  pdf.TextOut(30, 60, "Top 5\\3 (neu)");
  pdf.Font.Size = 10;
  pdf.MemoOut(30, 80, {"Zeile 1", "Summe (€) 1.234,56 \\"});
  pdf.NewPage();
  EXPECT_EQ(pdf.PageNumber(), 2);
  pdf.Font = {0, 8};
  pdf.TextOut(100, 700, "Seite 2");
  int err = 0;
  ASSERT_TRUE(pdf.EndDoc(&err)) << err;

  const std::vector<std::uint8_t> bytes = ReadBytes("zwei.pdf");
  EXPECT_EQ(bytes, pdf.Buffer());
  ExpectGolden("output/zwei_seiten.pdf", bytes);
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("/CreationDate (D:20140315090503)"), std::string::npos);
  EXPECT_NE(text.find("xref\r\n0 26\r\n0000000000 65535 f\r\n"), std::string::npos);
  ExpectPdfAufbau(text);
  EXPECT_NE(QpdfCheck("zwei.pdf").out.find("No syntax or stream encoding errors found"),
            std::string::npos);
  EXPECT_EQ(PdfText("zwei.pdf", 1, 1, true).find("Top 5\\3 (neu)") != std::string::npos, true);
}

}  // namespace
