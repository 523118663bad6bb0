// The report text writer, its number formats and the copies made for the
// viewer, the browser and the spreadsheet.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "reports/BerichtBloecke.h"
#include "reports/BerichtText.h"
#include "reports/ShowBericht.h"
#include "support/Fakes.h"

namespace {

using lohn::BerichtText;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteText;

std::vector<std::uint8_t> B(const std::string& s) { return {s.begin(), s.end()}; }
std::string S(const std::vector<std::uint8_t>& b) { return {b.begin(), b.end()}; }

TEST(BerichtText, Formats) {
  struct {
    std::string got, want;
  } cases[] = {
      {BerichtText::A(1234.5, 10), "   1234.50"},
      {BerichtText::A(0.125, 6), "  0.13"},
      {BerichtText::A(-0.125, 6), " -0.13"},
      {BerichtText::A(-0.001, 5), " 0.00"},
      {BerichtText::A(123456789.5, 5), "123456789.50"},  // never cut
      {BerichtText::A(-0.0, 6), "  0.00"},
      {BerichtText::A(1e12 - 0.01, 15), "999999999999.99"},
      {BerichtText::A(1e17, 0), "100000000000000000.00"},
      {BerichtText::I(-9223372036854775807LL - 1, 21), " -9223372036854775808"},
      {BerichtText::Genau(0.385, 6), " 0.385"},
      {BerichtText::Genau(4.5, 5), " 4.50"},
      {BerichtText::Genau(1.2345, 0), "1.2345"},
      {BerichtText::Genau(0.12345, 0), "0.1235"},  // four decimals at most
      {BerichtText::I(42, 5), "   42"},
      {BerichtText::I(123456, 3), "123456"},
      {BerichtText::I(-7), "-7"},
      {BerichtText::Zelle("Wien"), "Wien"},
      {BerichtText::Zelle("Hauptstr. 1; Top 3"), "\"Hauptstr. 1; Top 3\""},
      {BerichtText::Zelle("Der \"Chef\""), "\"Der \"\"Chef\"\"\""},
      {BerichtText::Zelle("a\nb"), "\"a\nb\""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(BerichtText, LinesPagesAndFile) {
  TempWorkDir dir;
  TestEnv env;
  // Held whole, and handed to the file in parts of 16 bytes as it grows.
  for (std::size_t teil : {BerichtText::kTeil, std::size_t(16)}) {
    BerichtText t(teil);
    t.Zeile("Lohnkonto Müller");
    t.KopfBlock({"Nr Name"}, 7);
    t.Seitenwechsel();
    t.Zeile("Lohnkonto Huber");
    // An employer name stored with CR LF, a tab and a form feed stays one line.
    t.Zeile("Dienstgeber: Firma Muster\r\nGmbH\t\f");
    t.Zeile("C1\xC2\x85 \xE2\x82\xAC");
    t.Seitenwechsel();
    ASSERT_TRUE(t.Schreiben(env.state));
    EXPECT_EQ(S(ReadBytes("quan.doc")),
              "Lohnkonto M\xfcller\r\n_______\r\nNr Name\r\n_______\r\n\fLohnkonto Huber\r\n"
              "Dienstgeber: Firma Muster  GmbH  \r\nC1  \x80\r\n\f\r\n");
    EXPECT_EQ(t.Zeilen(), 7u);
  }
  // A report given up half way leaves the last one and no temporary.
  {
    BerichtText abgebrochen(16);
    for (int i = 0; i < 10; ++i) abgebrochen.Zeile("eine Zeile von Belang");
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
  EXPECT_EQ(S(ReadBytes("quan.doc")).substr(0, 9), "Lohnkonto");

  BerichtText t;
  t.Zeile("x");
  std::filesystem::remove("quan.doc");
  std::filesystem::create_directory("quan.doc");
  EXPECT_FALSE(t.Schreiben(env.state));
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_NE(env.dialogs.messages[0].find("quan.doc"), std::string::npos);
}

// Blocks made on several threads come out as if written one after another,
// in runs of three, pages breaking between them, whichever helpers the
// system refuses (none, one, some or all: the caller works alone); a block
// that throws stops the report there.
TEST(BerichtText, BlocksJoinedInOrder) {
  TempWorkDir dir;
  TestEnv env;
  auto block = [](int i) {
    return [i](BerichtText& t) {
      if (i > 0) t.Seitenwechsel();
      t.Zeile("Konto " + std::to_string(i));
      t.Zeile(std::string(std::size_t(i), 'x'));
    };
  };
  BerichtText einzeln;
  for (int i = 0; i < 10; ++i) block(i)(einzeln);
  ASSERT_TRUE(einzeln.Schreiben(env.state));
  const auto erwartet = ReadBytes("quan.doc");
  const std::vector<std::function<bool(unsigned)>> verweigert{
      nullptr,
      [](unsigned t) { return t == 0; },
      [](unsigned t) { return t % 2 == 1; },
      [](unsigned) { return true; },
  };
  for (std::size_t zeile = 0; zeile < verweigert.size(); ++zeile) {
    SCOPED_TRACE(zeile);
    // The helpers are counted once: a second answer that differed would
    // leave threads and barriers apart and the run waiting for ever.
    int gefragt = 0;
    lohn::gHelferAnzahl = [&gefragt] { return ++gefragt == 1 ? 4u : 6u; };
    lohn::gHelferVerweigert = verweigert[zeile];
    BerichtText parallel;
    {
      lohn::BerichtBloecke bloecke(parallel, 3);
      for (int i = 0; i < 10; ++i) bloecke.Neu(block(i));
      bloecke.Ende();
    }
    lohn::gHelferAnzahl = nullptr;
    lohn::gHelferVerweigert = nullptr;
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(parallel.Zeilen(), einzeln.Zeilen());
    ASSERT_TRUE(parallel.Schreiben(env.state));
    EXPECT_EQ(ReadBytes("quan.doc"), erwartet);
  }

  BerichtText abgebrochen;
  lohn::BerichtBloecke bloecke(abgebrochen, 3);
  bloecke.Neu([](BerichtText& t) { t.Zeile("vorher"); });
  bloecke.Neu([](BerichtText&) { throw std::runtime_error("kaputt"); });
  bloecke.Neu([](BerichtText& t) { t.Zeile("nachher"); });
  bloecke.Neu([](BerichtText& t) { t.Zeile("danach"); });
  EXPECT_THROW(bloecke.Ende(), std::runtime_error);
  EXPECT_EQ(abgebrochen.Zeilen(), 1u);
}

TEST(BerichtKopien, HtmlCsvAndList) {
  const auto html = lohn::HtmlKopie(B("M\xfcller & S\xf6hne <GmbH>  1234.50\r\n\fX"));
  const std::string prefix =
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">"
      "<FONT FACE=\"Courier New\"><FONT SIZE=1>";
  EXPECT_EQ(S(html), prefix +
                         "M\xfcller&nbsp;&amp;&nbsp;S\xf6hne&nbsp;&lt;GmbH&gt;&nbsp;&nbsp;1234.50"
                         "\r<BR>\n\f<br><br><br>\fX");

  EXPECT_EQ(S(lohn::CsvKopie(B("\"Hauptstr. 1; Top 3\";01.03.2014;1234.50\r\n=====\r\n"))),
            "\"Hauptstr. 1; Top 3\";01.03.2014;1234,50\r\n\r\n");
  EXPECT_EQ(S(lohn::CsvKopie(B("1.234,50;-7.5;__x_;3.;v1.2"))), "1.234,50;-7,5;x;3.;v1,2");

  const auto liste = lohn::ListenZeilen(B("Titel\r\nA\r\n\fSeite 2\r\nRest ohne CR"));
  EXPECT_EQ(liste,
            (std::vector<std::string>{"Titel", "A", " ", " ", " ", "Seite 2", "Rest ohne CR"}));

  std::string lang;
  for (int i = 1; i <= 12000; ++i) lang += "Zeile " + std::to_string(i) + "\r\n";
  const auto viele = lohn::ListenZeilen(B(lang));
  ASSERT_EQ(viele.size(), 10001u);
  EXPECT_EQ(viele[9999], "Zeile 10000");
  EXPECT_EQ(viele.back(), lohn::kMaxZeilenText);
  // The blank entries of form feeds count against the cap.
  const auto seiten = lohn::ListenZeilen(B(std::string(100000, '\f') + "Ende\r\n"));
  ASSERT_EQ(seiten.size(), 10001u);
  EXPECT_EQ(seiten[10000], lohn::kMaxZeilenText);
}

TEST(ShowBericht, WritesCopiesOrFails) {
  TempWorkDir dir;
  TestEnv env;
  WriteText("quan.doc", "Liste\r\n1.5\r\n");
  env.state.ExcelExportFlag = true;
  auto a = lohn::ShowBericht(env.state);
  ASSERT_TRUE(a);
  EXPECT_TRUE(a->excel);
  EXPECT_EQ(a->zeilen, (std::vector<std::string>{"Liste", "1.5"}));
  EXPECT_EQ(S(ReadBytes("QUAN.TXT")), "Liste\r\n1.5\r\n");
  EXPECT_EQ(S(ReadBytes("Quandrel.csv")), "Liste\r\n1,5\r\n");
  EXPECT_EQ(ReadBytes("QUAN.HTM"), lohn::HtmlKopie(a->bytes));

  // A missing report gives empty copies; a copy that cannot be replaced
  // opens nothing.
  std::filesystem::remove("quan.doc");
  env.state.ExcelExportFlag = false;
  a = lohn::ShowBericht(env.state);
  ASSERT_TRUE(a);
  EXPECT_TRUE(a->zeilen.empty());
  EXPECT_TRUE(ReadBytes("QUAN.TXT").empty());
  std::filesystem::remove("QUAN.HTM");
  std::filesystem::create_directory("QUAN.HTM");
  EXPECT_FALSE(lohn::ShowBericht(env.state));
  EXPECT_EQ(
      env.dialogs.messages,
      std::vector<std::string>{std::string(lohn::kKopienVerwendet) +
                               "\n\"QUAN.HTM\": Ein Verzeichnis dieses Namens ist vorhanden"});
}

TEST(DatendateienVerwendbar, InUseFilesStopTheReport) {
  TempWorkDir dir;
  TestEnv env;
  EXPECT_TRUE(lohn::DatendateienVerwendbar(env.state, "FIRMA"));  // missing: no records
  std::filesystem::create_directory("FIRMA.ABR");
  EXPECT_TRUE(lohn::DatendateienVerwendbar(env.state, "FIRMA", false));
  EXPECT_FALSE(lohn::DatendateienVerwendbar(env.state, "FIRMA"));
  std::filesystem::create_directory("FIRMA.PER");
  EXPECT_FALSE(lohn::DatendateienVerwendbar(env.state, "FIRMA", false));
  EXPECT_EQ(env.dialogs.messages, (std::vector<std::string>{lohn::kAbrechnungsdateiVerwendet,
                                                            lohn::kPersonaldateiVerwendet}));
}

}  // namespace
