// The report items' saved options and period proposals.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "frame/HauptmenueBerichte.h"
#include "support/Fakes.h"

namespace {

using lohn::DruckOptionen;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteBytes;

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// All 14 texts of the options in file order, for comparing in one go.
std::string Joined(const DruckOptionen& o) {
  std::string s;
  for (const std::string* f :
       {&o.KommunalstEdit, &o.DBedit, &o.DZedit, &o.DGAAnzMitarbCBox, &o.Wochen, &o.DGAabzugEdit,
        &o.DGABeitrag, &o.AnzMalusArbEdit, &o.MalusArbEdit, &o.AnzMalusAngEdit, &o.MalusAngEdit,
        &o.unbezUrlEdit, &o.ZeilenEdit, &o.befreitDGA})
    s += *f + "|";
  return s;
}

constexpr const char* kDefaults = "3|4,5|0,42|1|4|0|2,00|0|0,00|0|0,00|0,00|6|0|";

TEST(LoadDruckOptionen, ReadsTheSavedLine) {
  struct Case {
    const char* name;
    std::optional<std::string> file;  // nullopt: no file
    std::string expected;
    bool pruefen;
  } cases[] = {
      {"no file", std::nullopt, kDefaults, false},
      {"empty file", "", kDefaults, false},
      {"all 14", "3,5;4,2;0,4;12;5;1;2,00;1;10,00;2;20,00;100,00;8;3",
       "3,5|4,2|0,4|12|5|1|2,00|1|10,00|2|20,00|100,00|8|3|", false},
      {"13 values keep befreitDGA", "3;4,5;0,42;7;4;0;0,72;0;0,00;0;0,00;0,00;9",
       "3|4,5|0,42|7|4|0|0,72|0|0,00|0|0,00|0,00|9|0|", false},
      {"short file keeps the rest", "2;3", "2|3|0,42|1|4|0|2,00|0|0,00|0|0,00|0,00|6|0|", false},
      {"line end of an editor", "3;4,5;0,42;1;4;0;0,72;0;0,00;0;0,00;0,00;6;5\r\n",
       "3|4,5|0,42|1|4|0|0,72|0|0,00|0|0,00|0,00|6|5|", false},
      {"more than 14", "3;4,5;0,42;1;4;0;2,00;0;0,00;0;0,00;0,00;6;0;99;98", kDefaults, false},
      {"empty Kommunalsteuer", ";4,5;0,42;1;4;0;0,72;0;0,00;0;0,00;0,00;6;0",
       "|4,5|0,42|1|4|0|0,72|0|0,00|0|0,00|0,00|6|0|", true},
      {"empty fields", ";;;;;;;;;;;;;", "||||||||||||||", true},
      {"Windows-1252 text", "3;4\xe4;0,42", "3|4ä|0,42|1|4|0|2,00|0|0,00|0|0,00|0,00|6|0|", false},
  };
  for (const Case& c : cases) {
    TempWorkDir dir;
    if (c.file) WriteBytes("FIRMADruOpt.dat", Bytes(*c.file));
    DruckOptionen o;
    EXPECT_EQ(lohn::LoadDruckOptionen("FIRMA", o), c.pruefen) << c.name;
    EXPECT_EQ(Joined(o), c.expected) << c.name;
  }
}

TEST(LoadDruckOptionen, OtherEmployersFileIsNotRead) {
  TempWorkDir dir;
  WriteBytes("ANDERSDruOpt.dat", Bytes(";;;;;;;;;;;;;"));
  DruckOptionen o;
  EXPECT_FALSE(lohn::LoadDruckOptionen("FIRMA", o));
  EXPECT_EQ(Joined(o), kDefaults);
}

TEST(FormatDruckOptionen, DefaultLineAndRoundTrip) {
  DruckOptionen o;
  EXPECT_EQ(lohn::FormatDruckOptionen(o), "3;4,5;0,42;1;4;0;2,00;0;0,00;0;0,00;0,00;6;0");

  // Empty fields still give 13 separators; a round trip keeps every text.
  o.DBedit = "";
  o.ZeilenEdit = "";
  o.MalusArbEdit = "1.234,5ä";
  std::string line = lohn::FormatDruckOptionen(o);
  EXPECT_EQ(std::count(line.begin(), line.end(), ';'), 13);
  EXPECT_NE(line.find('\xe4'), std::string::npos);  // stored in Windows-1252

  TempWorkDir dir;
  WriteBytes(lohn::DruckOptionenDatei("X"), Bytes(line));
  DruckOptionen back;
  back.DBedit = "anders";
  lohn::LoadDruckOptionen("X", back);
  EXPECT_EQ(Joined(back), Joined(o));
  EXPECT_EQ(ReadBytes("XDruOpt.dat"), Bytes(line));
}

TEST(ReportMonthProposal, FirstReportFixesTheMonthForTheRun) {
  TestEnv env;  // clock in March
  EXPECT_EQ(lohn::ProposeReportMonth(env.state), 3);
  env.clock.Set({2014, 7, 1, 8, 0, 0, 0});
  EXPECT_EQ(lohn::ProposeReportMonth(env.state), 3);
  env.state.ReportMonthProposal = 0;  // a new run
  EXPECT_EQ(lohn::ProposeReportMonth(env.state), 7);
}

TEST(ReportMonthProposal, PeriodTextsPerReport) {
  using lohn::Bericht;
  struct Case {
    Bericht bericht;
    bool tick;
    const char* von;  // nullptr: left as it is
    const char* bis;
    const char* tag;
  } cases[] = {
      {Bericht::LohnGehaltszettel, true, "3", "3", nullptr},
      {Bericht::LohnGehaltszettel, false, nullptr, nullptr, nullptr},
      {Bericht::Beitragsnachweisung, true, "3", "3", nullptr},
      {Bericht::Lohnkonten, true, "1", "12", nullptr},
      {Bericht::Lohnkonten, false, nullptr, nullptr, nullptr},
      {Bericht::JahreslohnzettelL16, true, "1", "12", "31"},
      {Bericht::JahreslohnzettelElda, true, "1", "12", "31"},
      {Bericht::JahreslohnzettelElda, false, nullptr, nullptr, nullptr},
      {Bericht::Kommunalsteuererklaerung, true, nullptr, nullptr, nullptr},
      {Bericht::DienstnehmerZeiten, true, nullptr, nullptr, nullptr},
      {Bericht::DienstnehmerAdressen, true, nullptr, nullptr, nullptr},
  };
  auto text = [](const std::optional<std::string>& s) { return s ? *s : std::string("-"); };
  for (const Case& c : cases) {
    TestEnv env;
    auto v = lohn::ZeitraumVorschlagen(env.state, lohn::BerichtDaten(c.bericht), c.tick);
    std::string what = lohn::BerichtDaten(c.bericht).titel + std::string(c.tick ? " ticked" : "");
    EXPECT_EQ(text(v.monatVon), c.von ? c.von : "-") << what;
    EXPECT_EQ(text(v.monatBis), c.bis ? c.bis : "-") << what;
    EXPECT_EQ(text(v.bisTag), c.tag ? c.tag : "-") << what;
  }
}

TEST(ReportMonthProposal, UntickedMonthlyReportStillFixesTheProposal) {
  TestEnv env;
  lohn::ZeitraumVorschlagen(env.state, lohn::BerichtDaten(lohn::Bericht::Ueberweisungsliste),
                            false);
  env.clock.Set({2014, 9, 1, 8, 0, 0, 0});
  auto v = lohn::ZeitraumVorschlagen(env.state,
                                     lohn::BerichtDaten(lohn::Bericht::LohnsteuerDbDzKommSt), true);
  EXPECT_EQ(v.monatVon.value_or(""), "3");
}

TEST(BerichtTabelle, TitlesAndItemsAreUniqueAndIndexed) {
  std::set<std::string> titles, names, captions;
  for (std::size_t i = 0; i < lohn::BerichtTabelle().size(); ++i) {
    const auto& b = lohn::BerichtTabelle()[i];
    EXPECT_EQ(std::size_t(b.bericht), i) << b.titel;
    titles.insert(b.titel);
    names.insert(b.objectName);
    captions.insert(b.dashboardLabel);
  }
  EXPECT_EQ(titles.size(), lohn::kBerichtAnzahl);
  EXPECT_EQ(names.size(), lohn::kBerichtAnzahl);
  EXPECT_EQ(captions.size(), lohn::kBerichtAnzahl);
}

}  // namespace
