#include <gtest/gtest.h>

#include "store/Cp1252.h"
#include "store/TextRoutines.h"

namespace {

TEST(TextRoutines, PadText) {
  EXPECT_EQ(lohn::PadText("12345", 3, true), "123");
  EXPECT_EQ(lohn::PadText("12345", 3, false), "123");
  EXPECT_EQ(lohn::PadText("7", 2, false, U'0'), "07");
  EXPECT_EQ(lohn::PadText("ab", 4, true), "ab  ");
  EXPECT_EQ(lohn::PadText("ab", 2, true), "ab");
  EXPECT_EQ(lohn::PadText("", 0, true), "");
  // Widths count characters, not UTF-8 bytes.
  EXPECT_EQ(lohn::PadText("Mühle", 6, true), "Mühle ");
  EXPECT_EQ(lohn::PadText("Größe", 3, true), "Grö");
}

TEST(TextRoutines, InputFilters) {
  struct {
    const char* in;
    const char* digits;
    const char* digitsEmpty;
    const char* number;
    const char* strict;
  } cases[] = {
      {"EUR 1.200,50", "120050", "120050", "1.200,50", "1.200,50"},
      {"abc", "0", "", "0", "0"},
      {"", "0", "", "0", "0"},
      {"-", "0", "", "-", "0"},
      {",", "0", "", ",", "0"},
      {".", "0", "", ".", "0"},
      {"1-2,,3", "123", "123", "1-2,,3", "1-2,,3"},
      {" 0815 ", "0815", "0815", "0815", "0815"},
  };
  for (auto& c : cases) {
    EXPECT_EQ(lohn::FilterDigits(c.in), c.digits) << c.in;
    EXPECT_EQ(lohn::FilterDigitsAllowEmpty(c.in), c.digitsEmpty) << c.in;
    EXPECT_EQ(lohn::FilterNumber(c.in), c.number) << c.in;
    EXPECT_EQ(lohn::FilterNumberStrict(c.in), c.strict) << c.in;
  }
}

TEST(TextRoutines, ZeroPadded) {
  struct Case {
    int value, width;
    const char* text;
  } cases[] = {{5, 2, "05"},
               {31, 2, "31"},
               {0, 2, "00"},
               {7, 4, "0007"},
               {2014, 4, "2014"},
               // longer numbers are cut like every padded text
               {127, 2, "12"}};
  for (const Case& c : cases) EXPECT_EQ(lohn::ZeroPadded(c.value, c.width), c.text) << c.value;
}

TEST(TextRoutines, TrimBlanks) {
  const std::pair<const char*, const char*> cases[] = {
      {"  D:\\Sicherung \r\n", "D:\\Sicherung"},
      {"\t64\x01", "64"},
      {" Diäten frei ", "Diäten frei"},
      {" \r\n\t ", ""},
      {"", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(lohn::TrimBlanks(in), out) << in;
}

TEST(TextRoutines, OhneSteuerzeichen) {
  EXPECT_EQ(lohn::OhneSteuerzeichen("Ad\tler\x07Z\r\nW"), "Ad ler Z  W");
  // DEL and U+0085 become blanks, a no-break space stays.
  EXPECT_EQ(lohn::OhneSteuerzeichen("M\xc3\xbcller\x7f\xc2\x85\xc2\xa0X"), "Müller  \xc2\xa0X");
}

TEST(TextRoutines, VersTraegerName) {
  EXPECT_EQ(lohn::VersTraegerName("11"), "11 - Wiener Gebietskrankenkasse");
  EXPECT_EQ(lohn::VersTraegerName("011"), "011 - Wiener Gebietskrankenkasse");
  EXPECT_EQ(lohn::VersTraegerName(""), "0 - (kein gültiger Code gespeichert)");
  EXPECT_EQ(lohn::VersTraegerName("20"), "20 - (kein gültiger Code gespeichert)");
  EXPECT_EQ(lohn::VersTraegerName("74"),
            "74 - KFG – Kranken- und Unfallfürsorgeträger der OÖ Gemeinden");
  EXPECT_EQ(lohn::VersTraegerName("99999999999999"),
            "99999999999999 - (kein gültiger Code gespeichert)");
  // The en dash of code 74 has a Windows-1252 byte.
  EXPECT_TRUE(lohn::FitsCp1252(lohn::VersTraegerName("74")));
}

TEST(TextRoutines, StampsFromTheClock) {
  platform::FixedClock clock({2014, 3, 5, 9, 5, 3, 127});
  EXPECT_EQ(lohn::TodayAsDDMMYYYY(clock), "05032014");
  EXPECT_EQ(lohn::TodayAsYYYYMMDD(clock), "20140305");
  EXPECT_EQ(lohn::NowAsHHMMSS(clock), "090503");
  EXPECT_EQ(lohn::TodayAsIsoDate(clock), "2014-03-05");
  EXPECT_EQ(lohn::NowAsIsoTime(clock), "09:05:03");
}

TEST(TextRoutines, NameFromPath) {
  EXPECT_EQ(lohn::getNameFromPfad("C:\\Daten\\MUSTER.PER"), "MUSTER");
  EXPECT_EQ(lohn::getNameFromPfad("/home/lohn/daten/MUSTER.PER"), "MUSTER");
  EXPECT_EQ(lohn::getNameFromPfad("a.b.c"), "a");
  EXPECT_EQ(lohn::getNameFromPfad("C:\\Daten\\"), "");
  EXPECT_EQ(lohn::getNameFromPfad("MUSTER"), "MUSTER");
}

TEST(Cp1252, RoundTripAndReplacement) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += char(b);
  EXPECT_EQ(lohn::Utf8ToCp1252(lohn::Cp1252ToUtf8(bytes)), bytes);
  EXPECT_EQ(lohn::Utf8ToCp1252("€ äöüß"), "\x80 \xE4\xF6\xFC\xDF");
  EXPECT_EQ(lohn::Utf8ToCp1252("日本"), "??");
  // ASCII runs longer than a word on either side of the other characters;
  // a broken sequence and a lone continuation byte each one "?".
  EXPECT_EQ(lohn::Utf8ToCp1252("Lohnkonto Mitarbeiterin Grüße\xC3 und\x80 Ende der Zeile"),
            "Lohnkonto Mitarbeiterin Gr\xFC\xDF"
            "e? und? Ende der Zeile");
  std::vector<std::uint8_t> angehaengt{'>'};
  lohn::AppendCp1252(angehaengt, "€ 12345678 ä");
  EXPECT_EQ(angehaengt, (std::vector<std::uint8_t>{'>', 0x80, ' ', '1', '2', '3', '4', '5', '6',
                                                   '7', '8', ' ', 0xE4}));
  EXPECT_FALSE(lohn::FitsCp1252("ok 日"));
  EXPECT_EQ(lohn::CharCount("Grüße"), 5u);
  EXPECT_EQ(lohn::CutChars("Grüße", 3), "Grü");
}

}  // namespace
