#include <gtest/gtest.h>

#include <filesystem>

#include "output/BerichtPdf.h"
#include "output/PdfAufbau.h"
#include "support/Fakes.h"
#include "support/PdfTools.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

lohn::Bytes Text(const std::string& s) { return lohn::Bytes(s.begin(), s.end()); }

std::string Zeilen(int von, int bis) {
  std::string s;
  for (int i = von; i <= bis; ++i) s += "Zeile " + std::to_string(i) + "\r\n";
  return s;
}

// Non-empty lines of a text, trimmed.
std::vector<std::string> TextZeilen(const std::string& text) {
  std::vector<std::string> z;
  std::size_t a = 0;
  for (std::size_t e; (e = text.find('\n', a)) != std::string::npos; a = e + 1) {
    std::string l = text.substr(a, e - a);
    l.erase(0, l.find_first_not_of(" \f"));
    l.erase(l.find_last_not_of(' ') + 1);
    if (!l.empty()) z.push_back(l);
  }
  return z;
}

struct RouteFall {
  const char* name;
  std::string report;
  int grad;
  // per page: first line, last line, number of lines
  std::vector<std::tuple<std::string, std::string, std::size_t>> seiten;
};

TEST(BerichtPdf, PagesThroughTheTools) {
  const std::string lang = "A" + std::string(208, '-') + "Z";
  const std::vector<RouteFall> faelle = {
      {"120 lines",
       "Titel\r\n" + Zeilen(2, 120),
       10,
       {{"Titel", "Zeile 50", 50}, {"Zeile 51", "Zeile 100", 50}, {"Zeile 101", "Zeile 120", 20}}},
      {"escapes", "a\\b (c) \\\r\n(x)\r\n", 10, {{"a\\b [c] \\", "[x]", 2}}},
      {"210 characters at size 7", "T\r\n" + lang + "\r\n", 7, {{"T", lang, 2}}},
      {"form feed after a full page",
       "T\r\n" + Zeilen(2, 50) + "\fZwei\r\n" + Zeilen(51, 53),
       10,
       {{"T", "Zeile 50", 50}, {"Zwei", "Zeile 53", 4}}},
      {"closing form-feed title",
       "T\r\nx\r\n\fSchluss",
       10,
       {{"T", "x", 2}, {"Schluss", "Schluss", 1}}},
      {"ending in a form feed", "T\r\nx\r\n\f", 10, {{"T", "x", 2}}},
      {"full page at the end", "T\r\n" + Zeilen(2, 50), 10, {{"T", "Zeile 50", 50}}},
      {"a trailing empty line starts no page",
       "T\r\n" + Zeilen(2, 50) + "\r\n",
       10,
       {{"T", "Zeile 50", 50}}},
  };
  for (const RouteFall& f : faelle) {
    SCOPED_TRACE(f.name);
    TempWorkDir dir;
    TestEnv env;
    ASSERT_TRUE(lohn::SchreibeBerichtPdf(env.state, Text(f.report), f.grad, "B.PDF", {}));
    EXPECT_EQ(env.shell.opened, std::vector<std::string>{"B.PDF"});
    EXPECT_TRUE(env.dialogs.messages.empty());
    EXPECT_NE(QpdfCheck("B.PDF").out.find("No syntax or stream encoding errors found"),
              std::string::npos);
    const lohn::Bytes pdf = ReadBytes("B.PDF");
    ExpectPdfAufbau(std::string(pdf.begin(), pdf.end()));
    ASSERT_EQ(PdfPages("B.PDF"), int(f.seiten.size()));
    for (std::size_t i = 0; i < f.seiten.size(); ++i) {
      std::vector<std::string> z = TextZeilen(PdfText("B.PDF", int(i + 1), int(i + 1), true));
      ASSERT_FALSE(z.empty()) << "page " << i + 1;
      EXPECT_EQ(z.front(), std::get<0>(f.seiten[i])) << "page " << i + 1;
      EXPECT_EQ(z.back(), std::get<1>(f.seiten[i])) << "page " << i + 1;
      EXPECT_EQ(z.size(), std::get<2>(f.seiten[i])) << "page " << i + 1;
    }
  }
}

TEST(BerichtPdf, ProgressEvery500LinesThenFinishing) {
  TempWorkDir dir;
  TestEnv env;
  std::vector<std::string> fortschritt;
  ASSERT_TRUE(lohn::SchreibeBerichtPdf(env.state, Text("T\r\n" + Zeilen(2, 1200)), 8, "P.PDF",
                                       [&](const std::string& t) { fortschritt.push_back(t); }));
  EXPECT_EQ(fortschritt, (std::vector<std::string>{"500", "1000", "fertigstellen ..."}));
}

TEST(BerichtPdf, FontSizes) {
  // {viewer size, longest line, PDF size}
  for (auto [viewer, laengste, grad] : std::vector<std::tuple<int, int, int>>{
           {10, 60, 10}, {18, 60, 12}, {12, 100, 9}, {7, 210, 4}, {8, 400, 4}, {0, 10, 6}})
    EXPECT_EQ(lohn::PdfSchriftgrad(Text("T\r\n" + std::string(laengste, 'x')), viewer), grad)
        << viewer << " " << laengste;
  EXPECT_EQ(lohn::PdfTitelGrad(5, 10), 20);
  EXPECT_EQ(lohn::PdfTitelGrad(100, 8), 9);
  EXPECT_EQ(lohn::PdfTitelGrad(200, 8), 8);
}

TEST(BerichtPdf, NameRulesAndTheFileWritten) {
  TempWorkDir dir;
  TestEnv env;
  WriteText("alt.pdf", "alt");
  fs::create_directory("Bericht.PDF");
  for (auto [eingabe, datei] : std::vector<std::pair<const char*, std::optional<std::string>>>{
           {"Handbuch", "Bericht.PDF"},
           {"handbuch", "Bericht.PDF"},
           {"HANDBUCH.pdf", "Bericht.PDF"},
           {"Handbuch2", "Handbuch2.PDF"},
           {"../../ablage/x.y", "x.PDF"},
           {"a:b*c", "a_b_c.PDF"},
           {"a?\"<>|\tb", "a______b.PDF"},
           {"", std::nullopt},
           {".x", std::nullopt},
           {"..", std::nullopt},
           {"a\\", std::nullopt},
           {"alt", "alt.pdf"},
           {"ALT", "ALT.PDF"}})
    EXPECT_EQ(lohn::PdfDateiName(eingabe), datei) << eingabe;

  // Printing to a file proposes the data folder and the report's name.
  const std::string ordner = fs::current_path().string() + "/";
  for (auto [bericht, datei] : std::vector<std::pair<const char*, std::string>>{
           {"Lohnkonten", "Lohnkonten.pdf"},
           {"Lohn- / Gehaltsabrechnung", "Lohn- - Gehaltsabrechnung.pdf"},
           {" a:b\\c ", "a_b-c.pdf"},
           {"", "Bericht.pdf"},
           {"..", "Bericht...pdf"}})
    EXPECT_EQ(lohn::DruckDateiVorschlag(bericht), ordner + datei) << bericht;

  // The listed file is replaced, no second one appears beside it.
  ASSERT_TRUE(lohn::SchreibeBerichtPdf(env.state, Text("T\r\n"), 8, "alt.pdf", {}));
  EXPECT_EQ(lohn::PdfDateien(), std::vector<std::string>{"alt.pdf"});
  EXPECT_GT(ReadBytes("alt.pdf").size(), 100u);
  // A folder of the name: the creation error, nothing opened.
  EXPECT_FALSE(lohn::SchreibeBerichtPdf(env.state, Text("T\r\n"), 8, "Bericht.PDF", {}));
  EXPECT_EQ(env.dialogs.messages,
            std::vector<std::string>{lohn::CreateFailedMessage("Bericht.PDF", EISDIR)});
  EXPECT_EQ(env.shell.opened, std::vector<std::string>{"alt.pdf"});
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2);
  // Written, but nothing opens PDF files: said as saved, with its place.
  env.dialogs.messages.clear();
  env.shell.scheitert = true;
  ASSERT_TRUE(lohn::SchreibeBerichtPdf(env.state, Text("T\r\n"), 8, "alt.pdf", {}));
  EXPECT_EQ(env.dialogs.messages,
            std::vector<std::string>{
                "Die PDF-Datei wurde gespeichert: " + (fs::current_path() / "alt.pdf").string() +
                "\nEs ist kein Programm für PDF-Dateien eingerichtet, das "
                "sie öffnen kann."});
}

TEST(BerichtPdf, NoticeMarkerHoldsItsText) {
  TempWorkDir dir;
  TestEnv env;
  EXPECT_FALSE(lohn::PdfHinweisAngezeigt());
  lohn::MerkePdfHinweis(env.state);
  EXPECT_EQ(ReadBytes("HinwPDFAngez.dat"), Text("Hinweis: PDF Infos - wurde angezeigt."));
  EXPECT_TRUE(lohn::PdfHinweisAngezeigt());
}

}  // namespace
