#include <gtest/gtest.h>

#include "store/LohnartLine.h"
#include "store/Numbers.h"

using namespace lohn;

namespace lohn {
void PrintTo(const LohnartLine& l, std::ostream* os) {
  *os << "{" << l.code << "|" << l.anzahl << "|" << l.text << "|" << l.satz << "|" << l.flagLst
      << l.flagSv << l.flagDbKomm << "}";
}
}  // namespace lohn

namespace {
// A line from its columns, each given at its full width.
std::string Cols(const char* code3, const char* anzahl8, const char* text25, const char* satz8,
                 const char* flags3) {
  std::string s = std::string(code3) + anzahl8 + text25 + satz8 + flags3;
  EXPECT_EQ(s.size(), 47u) << s;
  return s;
}
}  // namespace

TEST(LohnartLine, PacksTheWageTypeWindowExample) {
  // Code 64 "Fehlgeldentsch. SV-frei": wage tax and DB/municipal tax, no SV.
  std::string line = PackLohnartLine("64", "2", "Fehlgeldentsch. SV-frei", /*flagDbKomm=*/true,
                                     /*flagSv=*/false, /*flagLst=*/true, "15,5");
  EXPECT_EQ(line,
            " 64"
            "       2"
            "Fehlgeldentsch. SV-frei  "
            "    15,5"
            "101"
            "   ");
  LohnartLine back = UnpackLohnartLine(line);
  EXPECT_EQ(back, (LohnartLine{"64", "2", "Fehlgeldentsch. SV-frei", "15,5", true, false, true}));
  EXPECT_EQ(PackLohnartLine(back), line);
}

TEST(LohnartLine, FlagColumnsFollowTheirOwnOrder) {
  struct Case {
    bool dbKomm, sv, lst;
    const char* flags;
  };
  for (const Case& c : {Case{true, false, false, "001"}, Case{false, true, false, "010"},
                        Case{false, false, true, "100"}}) {
    std::string line = PackLohnartLine("1", "1", "", c.dbKomm, c.sv, c.lst, "1");
    EXPECT_EQ(line.substr(44, 3), c.flags);
    LohnartLine u = UnpackLohnartLine(line);
    EXPECT_EQ(u.flagDbKomm, c.dbKomm);
    EXPECT_EQ(u.flagSv, c.sv);
    EXPECT_EQ(u.flagLst, c.lst);
  }
}

TEST(LohnartLine, LongTextIsCutNumbersAreRefused) {
  std::string line =
      PackLohnartLine("10", "1", "Überstundenpauschale für Außendienst", false, false, false, "1");
  EXPECT_EQ(UnpackLohnartLine(line).text, "Überstundenpauschale für");
  EXPECT_EQ(line.size(), 50u + 2u);  // "Ü" and "ü" are two bytes in UTF-8

  struct Case {
    const char *code, *anzahl, *satz, *field;
  };
  for (const Case& c : {Case{"1234", "1", "1", "Code"}, Case{"1", "123456789", "1", "Anzahl"},
                        Case{"1", "1", "1.234,567", "Satz"}}) {
    EXPECT_FALSE(LohnartLineCheck(c.code, c.anzahl, c.satz).empty());
    try {
      PackLohnartLine(c.code, c.anzahl, "x", false, false, false, c.satz);
      ADD_FAILURE() << c.field << " was packed";
    } catch (const ConversionError& e) {
      EXPECT_NE(std::string(e.what()).find(c.field), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("nicht gespeichert"), std::string::npos);
    }
  }
  // Blanks around a number do not count.
  EXPECT_EQ(LohnartLineCheck(" 64 ", " 12345678 ", "-1234,56"), "");
}

TEST(LohnartLine, UnpackRules) {
  struct Case {
    std::string line;
    LohnartLine want;
  };
  std::string forty = " 64       2Fehlgeldentsch. SV-frei      ";  // 40 characters
  ASSERT_EQ(forty.size(), 40u);
  const Case cases[] = {
      {"", {"0", "0", "0", "0", false, false, false}},
      {"12", {"0", "0", "", "0", false, false, false}},
      {" 7x", {"7", "0", "", "0", false, false, false}},
      {forty, {"64", "2", "Fehlgeldentsch. SV-frei", "0", false, false, false}},
      {Cols(" 10", "      3-", "Akkord                   ", "   7,5- ", "111"),
       {"10", "3", "Akkord", "7,5", true, true, true}},
      {Cols(" 10", "       -", "Akkord                   ", "       .", "10x"),
       {"10", "0", "Akkord", "0", true, false, false}},
      {Cols(" 10", "       ,", "Akkord                   ", "EUR 3,50", "011"),
       {"10", "0", "Akkord", "3,50", false, true, true}},
      {Cols("abc", "EUR 12,5", "                         ", "     ,  ", "1x1"),
       {"0", "12,5", "", "0", true, false, true}},
      // 44 characters: the rate is read, the flags are not.
      {Cols(" 10", "       2", "Akkord                   ", "     7,5", "111").substr(0, 44),
       {"10", "2", "Akkord", "7,5", false, false, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(UnpackLohnartLine(c.line), c.want) << "[" << c.line << "]";
  // Only the first 50 characters count.
  EXPECT_EQ(UnpackLohnartLine(PackLohnartLine("1", "2", "t", true, true, true, "3") + "999"),
            (LohnartLine{"1", "2", "t", "3", true, true, true}));
}
