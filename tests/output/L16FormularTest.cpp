// The L16 form: zoom steps, number texts, a page drawn to fit any paper with
// its proportions kept, and the user's bitmaps.
#include <gtest/gtest.h>

#include <algorithm>

#include "output/L16Formular.h"
#include "support/Fakes.h"

namespace {

using testing_support::FakePrintCanvas;

TEST(L16Formular, ZoomStepsUntilRefused) {
  struct Fall {
    bool vergroessern;
    std::vector<int> hoehen;
  } faelle[] = {
      {true, {1100, 1210, 1331, 1464, 1610, 1771, 1948, 2142, 2356, 2591, 2850, 3135}},
      {false, {900, 810, 729, 656, 590, 531, 477, 429}},
  };
  for (const Fall& f : faelle) {
    std::vector<int> hoehen;
    lohn::L16Groesse g{700, 1000};
    while (auto neu = lohn::L16Zoom(g, f.vergroessern)) {
      g = *neu;
      hoehen.push_back(g.hoehe);
    }
    EXPECT_EQ(hoehen, f.hoehen);
    EXPECT_EQ(g.breite, f.vergroessern ? 2190 : 299);
  }
}

TEST(L16Formular, NumberTextsFilledOnTheLeftNeverCut) {
  EXPECT_EQ(lohn::FormatL16Amount15(24000), "       24000,00");
  EXPECT_EQ(lohn::FormatL16Amount15(-0.125), "          -0,13");
  EXPECT_EQ(lohn::FormatL16Amount15(1e15), "1000000000000000,00");  // never "1E15"
  EXPECT_EQ(lohn::FormatL16Amount8(12.5), "   12,50");
  EXPECT_EQ(lohn::FormatL16Amount8(123456.78), "123456,78");
  EXPECT_EQ(lohn::FormatL16Amount15(99999999999.96), " 99999999999,96");  // the bound's cents
  EXPECT_EQ(lohn::FormatL16Amount8(1234567.89), "1234567,89");
  EXPECT_EQ(lohn::FormatL16Whole(4, 12), "  12");
  EXPECT_EQ(lohn::FormatL16Whole(4, 123456), "123456");
}

TEST(L16Formular, PageFitsThePaperWithItsProportions) {
  struct Fall {
    int seitenHoehe;  // the fake's page is 2100 wide
    std::string hintergrund;
    std::vector<std::string> erwartet, nicht;
  } faelle[] = {
      // Portrait: the height limits, 2970 / 1450.
      {2970, "", {"rect 4,4 2061x2962 4", "color #0000ff", "text 264,123 1"}, {"image"}},
      // Landscape: 1450 units high, so one unit per pixel, not stretched.
      // Every box carries its Kennzahl ("KZ 243", not "Summe").
      {1450,
       "",
       {"rect 2,2 1006x1446 2", "text 616,694 KZ 243",
        "text 183,426 KZ 225  SV-Beiträge für Sonderzahlungen", "text 129,60 1"},
       {"text 622,694 Summe"}},
      {1450,
       "L16_Seite1_2013.bmp",
       {"image 0,0 1010x1450 L16_Seite1_2013.bmp", "text 129,60 1"},
       {"rect"}},
  };
  for (const Fall& f : faelle) {
    FakePrintCanvas c;
    c.pageHeight = f.seitenHoehe;
    lohn::L16Seite seite{1, f.hintergrund, {{129, 60, "1"}}};
    lohn::ZeichneL16Seite(c, seite);
    for (const std::string& e : f.erwartet)
      EXPECT_NE(std::find(c.log.begin(), c.log.end(), e), c.log.end()) << e;
    for (const std::string& n : f.nicht)
      EXPECT_TRUE(std::none_of(c.log.begin(), c.log.end(), [&](const std::string& z) {
        return z.starts_with(n);
      })) << n;
    EXPECT_EQ(c.log.back(), f.erwartet.back()) << "the texts come last";
  }
}

std::string EinPixel() { return testing_support::EinPixelBitmap(); }

TEST(L16Formular, OnlyReadableBitmapsReplaceTheForm) {
  testing_support::TempWorkDir dir;
  testing_support::FakeDialogs dialogs;
  EXPECT_EQ(lohn::L16Hintergruende(dialogs), (std::array<std::string, 2>{}));
  testing_support::WriteText("L16_Seite1_2013.bmp", EinPixel().substr(0, 40));
  testing_support::WriteText("L16_Seite2_2013.bmp", EinPixel());
  EXPECT_EQ(lohn::L16Hintergruende(dialogs),
            (std::array<std::string, 2>{"", "L16_Seite2_2013.bmp"}));
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>{"Bilddatei: L16_Seite1_2013.bmp nicht gefunden!"});

  // Headers that pass a first look but that the picture loader cannot draw:
  // the drawn form is used, with one message.
  using Aenderung = std::pair<std::size_t, std::uint32_t>;  // offset, 32-bit value
  auto geaendert = [](std::initializer_list<Aenderung> aenderungen) {
    std::string b = EinPixel();
    for (auto [at, wert] : aenderungen)
      for (std::size_t i = 0; i < 4; ++i) b[at + i] = char((wert >> (8 * i)) & 0xff);
    return b;
  };
  const std::pair<const char*, std::string> unlesbar[] = {
      {"JPEG inside", geaendert({{30, 4}})},
      {"RLE8 with 24 bits", geaendert({{30, 1}})},
      {"30000 x 30000", geaendert({{18, 30000}, {22, 30000}})},
      {"pixels missing", geaendert({{18, 200}})},
  };
  for (const auto& [was, bild] : unlesbar) {
    dialogs.messages.clear();
    testing_support::WriteText("L16_Seite2_2013.bmp", bild);
    EXPECT_EQ(lohn::L16Hintergruende(dialogs)[1], "") << was;
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Bilddatei: L16_Seite1_2013.bmp nicht gefunden!",
                                        "Bilddatei: L16_Seite2_2013.bmp nicht gefunden!"}))
        << was;
  }
}

}  // namespace
