// The printed page layout of a report, drawn on the recording canvas.
#include <gtest/gtest.h>

#include <functional>

#include "output/DruckeBericht.h"
#include "support/Fakes.h"

namespace {

using testing_support::FakeDialogs;
using testing_support::FakePrintCanvas;
using testing_support::TempWorkDir;
using testing_support::WriteText;

// The canvas log as pages of "y cell[b] text" (b: bold), logos counted.
struct Seite {
  std::vector<std::string> texte;
  int logos = 0;
};
std::vector<Seite> Seiten(const std::vector<std::string>& log) {
  std::vector<Seite> seiten(1);
  std::string font;
  for (const std::string& e : log) {
    if (e == "page") seiten.emplace_back();
    if (e.starts_with("font "))
      font = e.substr(e.rfind(' ') + 1) + (e.find(" bold") != std::string::npos ? "b" : "");
    if (e.starts_with("image ")) seiten.back().logos += e == "image 100,100 0x0 LOGO.bmp";
    if (!e.starts_with("text 100,")) continue;
    const std::size_t blank = e.find(' ', 9);
    seiten.back().texte.push_back(e.substr(9, blank - 9) + " " + font + e.substr(blank));
  }
  return seiten;
}

std::string Nummeriert(int n, int ab = 1) {
  std::string s;
  for (int i = ab; i < ab + n; ++i) s += "Zeile" + std::to_string(1000 + i).substr(1) + "\r\n";
  return s;
}

struct Fall {
  const char* name;
  std::string text;
  int schriftgrad;
  bool logo;
  int seitenHoehe;
  std::function<void(const std::vector<Seite>&)> pruefe;
};

TEST(DruckeBericht, PageLayout) {
  TempWorkDir dir;
  WriteText(lohn::kLogoFile, testing_support::EinPixelBitmap());
  using S = std::vector<Seite>;
  const Fall faelle[] = {
      {"74 lines, size 10", Nummeriert(74), 10, false, 2970,
       [](const S& s) {
         ASSERT_EQ(s.size(), 2u);
         ASSERT_EQ(s[0].texte.size(), 73u);
         EXPECT_EQ(s[0].texte[0], "95 60b Zeile001");
         EXPECT_EQ(s[0].texte[1], "166 30 Zeile002");
         EXPECT_EQ(s[0].texte[72], "2509 30 Zeile073");
         EXPECT_EQ(s[1].texte, (std::vector<std::string>{"85 30 Seite: 2", "133 30 Zeile074"}));
         EXPECT_EQ(s[0].logos + s[1].logos, 0);
       }},
      {"size 7 with logo", Nummeriert(100), 7, true, 2970,
       [](const S& s) {
         ASSERT_EQ(s.size(), 2u);
         EXPECT_EQ(s[0].logos + s[1].logos, 2);
         EXPECT_EQ(s[0].texte.size(), 92u);
         EXPECT_EQ(s[1].texte[0], "285 21 Seite: 2");
         EXPECT_EQ(s[1].texte[1], "324 21 Zeile093");
       }},
      {"header repeated", "Liste\r\n_____\r\nName Betrag\r\n_____\r\n" + Nummeriert(100, 5), 10,
       false, 2970,
       [](const S& s) {
         ASSERT_EQ(s.size(), 2u);
         EXPECT_EQ(std::vector<std::string>(s[1].texte.begin(), s[1].texte.begin() + 5),
                   (std::vector<std::string>{"85 30 Seite: 2", "133 30 _____", "166 30 Name Betrag",
                                             "199 30 _____", "232 30 Zeile074"}));
       }},
      {"slips split by form feeds",
       "Zettel 1\r\n_____\r\nKopf \r\n_____\r\nA1   \r\n\fZettel 2\r\nA2   \r\n\fZettel 3\r\nA3   ",
       10, false, 2970,
       [](const S& s) {
         ASSERT_EQ(s.size(), 3u);
         EXPECT_EQ(s[2].texte, (std::vector<std::string>{"95 60b Zettel 3 ", "166 30 A3   "}));
         EXPECT_EQ(s[1].texte[0], "95 60b Zettel 2 ");
       }},
      {"short page", Nummeriert(200), 7, true, 2000,
       [](const S& s) {
         ASSERT_EQ(s.size(), 3u);
         const std::size_t texte[] = {69, 69 + 1, 62 + 1};  // with "Seite: n"
         for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(s[i].texte.size(), texte[i]) << i;
         EXPECT_EQ(s[0].texte.back(), "1956 21 Zeile069");  // 1956 + 21 <= 2000
       }},
      {"short line, size out of range", "abc", 0, false, 2970,
       [](const S& s) { EXPECT_EQ(s[0].texte, std::vector<std::string>{"83 36b abc     "}); }},
      {"header block without its closing rule: an empty fifth line, no data line",
       "Liste\r\n_____\r\nKopf1\r\nKopf2\r\nKopf3\r\nDaten\r\n" + Nummeriert(100), 10, false, 2970,
       [](const S& s) {
         EXPECT_EQ(std::vector<std::string>(s[1].texte.begin() + 4, s[1].texte.begin() + 7),
                   (std::vector<std::string>{"232 30 Kopf3", "265 30 ", "298 30 Zeile068"}));
       }},
      // 150 characters need 2700 units at size 10 (18 each), 1800 at size 7.
      {"a wide line makes the job smaller", "T\r\n" + std::string(150, 'x') + "   ", 10, false,
       2970, [](const S& s) { EXPECT_EQ(s[0].texte[1].substr(0, 7), "148 21 "); }},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    FakePrintCanvas canvas;
    canvas.pageHeight = f.seitenHoehe;
    FakeDialogs dialogs;
    std::vector<int> fortschritt;
    ASSERT_TRUE(lohn::DruckeBericht(canvas, dialogs, {f.text.begin(), f.text.end()},
                                    {f.schriftgrad, f.logo, "DejaVu Sans Mono"},
                                    [&](int n) { fortschritt.push_back(n); }));
    EXPECT_EQ(canvas.log.front(), "begin Quandrel ZR");
    EXPECT_EQ(canvas.log.back(), "end");
    EXPECT_TRUE(dialogs.messages.empty());
    const auto seiten = Seiten(canvas.log);
    EXPECT_EQ(fortschritt.size(), seiten.size());
    EXPECT_EQ(fortschritt.back(), int(seiten.size()));
    f.pruefe(seiten);
  }
}

TEST(DruckeBericht, MissingLogoKeepsItsRoomAndCancelDrawsNothing) {
  TempWorkDir dir;
  FakePrintCanvas canvas, abgebrochen;
  abgebrochen.accept = false;
  FakeDialogs dialogs;
  const std::string text = "Titel\r\nZeile";
  ASSERT_TRUE(lohn::DruckeBericht(canvas, dialogs, {text.begin(), text.end()}, {10, true}));
  EXPECT_EQ(Seiten(canvas.log)[0].texte[1], "366 30 Zeile");
  EXPECT_FALSE(lohn::DruckeBericht(abgebrochen, dialogs, {text.begin(), text.end()}, {10, true}));
  EXPECT_EQ(abgebrochen.log, std::vector<std::string>{"begin Quandrel ZR"});
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{lohn::kLogoFehlt});

  // Too wide even at size 6: printed at 6 after one notice.
  FakePrintCanvas schmal;
  const std::string breit = "T\r\n" + std::string(250, 'x') + "\r\n\f" + std::string(250, 'y');
  ASSERT_TRUE(lohn::DruckeBericht(schmal, dialogs, {breit.begin(), breit.end()}, {8, false}));
  EXPECT_EQ(Seiten(schmal.log)[1].texte[0].substr(0, 7), "83 36b ");
  EXPECT_EQ(dialogs.messages.back(), lohn::kZeilenAbgeschnitten);
  EXPECT_EQ(dialogs.messages.size(), 2u);

  // A LOGO.bmp that cannot be drawn is named as such, once a run.
  testing_support::WriteText(lohn::kLogoFile, "kein Bild");
  bool gemeldet = false;
  lohn::DruckEinstellung einmal{10, true};
  einmal.logoGemeldet = &gemeldet;
  dialogs.messages.clear();
  for (int i = 0; i < 2; ++i) {
    FakePrintCanvas c;
    ASSERT_TRUE(lohn::DruckeBericht(c, dialogs, {text.begin(), text.end()}, einmal));
    EXPECT_EQ(std::count(c.log.begin(), c.log.end(), "image"), 0);
  }
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{lohn::kLogoUnlesbar});
}

}  // namespace
