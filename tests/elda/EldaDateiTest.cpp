// ELDA fields, the first and last record, and the one writer of ELDA files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "elda/EldaDatei.h"
#include "frame/Daten.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "support/Fakes.h"
#include "support/Golden.h"

namespace {

using namespace lohn;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteText;
namespace fs = std::filesystem;
using Liste = std::vector<std::string>;

TEST(EldaDatei, AmountFields) {
  struct {
    int decimals, width;
    double amount;
    const char *mitVorzeichen, *ohneVorzeichen;
  } faelle[] = {
      {2, 10, -12.34, "-000001234", "0000001234"},
      {2, 4, 1.9, "0190", "0190"},
      {2, 10, 0, "0000000000", "0000000000"},
      {2, 6, 1234.5, "123450", "123450"},
      {0, 5, 7.9, "00007", "00007"},
      {2, 6, -5, "-00500", "000500"},
      {2, 10, 1e8, "          ", "          "},
      {2, 10, -12345678.9, "          ", "1234567890"},
      {2, 10, -0.001, "0000000000", "0000000000"},
      {0, 4, -0.9, "0000", "0000"},
      {2, 11, 1e15, "           ", "           "},    // once written as "00000000115"
      {0, 12, 2e11, "            ", "            "},  // fits the width, not the bound
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(FormatAmountField(f.decimals, f.width, f.amount), f.mitVorzeichen) << f.amount;
    EXPECT_EQ(FormatAmountFieldUnsigned(f.decimals, f.width, f.amount), f.ohneVorzeichen);
  }
}

// Header and trailer of a .BN file: umlauts one byte each, a line break in
// the name a blank, the sender number filled with zeros.
TEST(EldaDatei, HeaderAndTrailer) {
  TestEnv env;
  auto& dg = env.state.Dienstgeber;
  dg.DienstgeberName = "Bäckerei Grün\nGmbH";
  dg.DienstgeberStrasse = "Hauptstraße 1";
  dg.DienstgeberPlz = "1010";
  dg.DienstgeberOrt = "Wien";
  dg.DienstgeberTelefon = "01/234567";
  dg.DienstgeberVersTraegerCode = "11";
  dg.DienstgeberDvrNr = "12345";
  testing_support::ExpectGolden("elda/kopf_schluss.BN",
                                Utf8ToCp1252(EldaHeaderRecord(env.state, EldaArt::BN, true) +
                                             EldaTrailerRecord(env.state, EldaArt::BN, 3)));
  const std::tuple<EldaArt, std::size_t, std::string> arten[] = {{EldaArt::BG, 450, "11DMBG09"},
                                                                 {EldaArt::LF, 1100, "94DMLF14"},
                                                                 {EldaArt::VM, 1400, "11DMVM12"}};
  for (const auto& [art, laenge, felder] : arten) {
    const std::string kopf = Utf8ToCp1252(EldaHeaderRecord(env.state, art, false));
    EXPECT_EQ(kopf.size(), laenge + 2);
    EXPECT_EQ(kopf.substr(18, 6) + kopf.substr(149, 2), felder);
    const std::string schluss = EldaTrailerRecord(env.state, art, 12);
    EXPECT_EQ(schluss.size(), laenge);
    EXPECT_EQ(schluss.substr(18, 8), felder.substr(0, 2) + "000012");
  }
}

std::string Inhalt(const std::string& name) {
  auto b = testing_support::ReadBytes(fs::path("ELDA") / name);
  return std::string(b.begin(), b.end());
}

Liste Dateien(const fs::path& ordner) {
  Liste namen;
  for (const auto& e : fs::directory_iterator(ordner)) namen.push_back(e.path().filename());
  std::sort(namen.begin(), namen.end());
  return namen;
}

const std::vector<EldaDateiBild> kZwei{{"A.BG", "Grün\r\n1"}, {"A.LF", "zwei"}};

TEST(EldaSchreiben, WritesAllFilesAndAsksOnceBeforeReplacing) {
  TempWorkDir dir;
  TestEnv env;
  EXPECT_EQ(SchreibeEldaDateien(env.state, kZwei, "Fertig"), EldaSchreibErgebnis::Geschrieben);
  EXPECT_EQ(Dateien("ELDA"), (Liste{"A.BG", "A.LF"}));
  EXPECT_EQ(Inhalt("A.BG"), "Gr\xFCn\r\n1");
  EXPECT_EQ(env.dialogs.questions, Liste{"Fertig"});
  EXPECT_EQ(env.shell.opened, Liste{EldaOrdner()});

  env.dialogs.answers = {false};
  EXPECT_EQ(SchreibeEldaDateien(env.state, {{"A.LF", "neu"}, {"A.BG", "neu"}}, "Fertig"),
            EldaSchreibErgebnis::NichtErsetzt);
  ASSERT_EQ(env.dialogs.questions.size(), 2u);
  EXPECT_NE(env.dialogs.questions[1].find("A.LF"), std::string::npos);
  EXPECT_EQ(Inhalt("A.LF"), "zwei");
  EXPECT_EQ(Dateien("ELDA").size(), 2u);
}

TEST(EldaSchreiben, FailuresLeaveEveryOlderFileAndNoTemporary) {
  {
    TempWorkDir dir;
    TestEnv env;
    WriteText("ELDA", "kein Ordner");
    EXPECT_EQ(SchreibeEldaDateien(env.state, kZwei, "Frage"), EldaSchreibErgebnis::Fehler);
    EXPECT_EQ(env.dialogs.shown, Liste{CreateFailedMessage(EldaOrdner(), ENOTDIR)});
    EXPECT_EQ(Dateien("."), Liste{"ELDA"});
  }
  TempWorkDir dir;
  TestEnv env;
  fs::create_directories("ELDA/A.LF.neu~");  // the second file cannot be written
  WriteText("ELDA/A.BG", "alt BG");
  WriteText("ELDA/A.LF", "alt LF");
  EXPECT_EQ(SchreibeEldaDateien(env.state, kZwei, "Frage"), EldaSchreibErgebnis::Fehler);
  EXPECT_EQ(env.dialogs.questions.size(), 1u);  // the replace question only
  EXPECT_EQ(env.dialogs.messages, Liste{CreateFailedMessage(EldaOrdner() + "/A.LF", EISDIR)});
  EXPECT_EQ(Inhalt("A.BG") + Inhalt("A.LF"), "alt BGalt LF");
  EXPECT_EQ(Dateien("ELDA"), (Liste{"A.BG", "A.LF", "A.LF.neu~"}));
}

TEST(EldaSchreiben, OpensTheFolderUpTo79Characters) {
  for (std::size_t laenge : {79u, 80u}) {
    TempWorkDir dir;
    TestEnv env;
    const std::string unter(laenge - dir.path().string().size() - 6, 'd');  // "/" + "/ELDA"
    fs::create_directory(unter);
    fs::current_path(unter);
    ASSERT_EQ(EldaOrdner().size(), laenge);
    SchreibeEldaDateien(env.state, {{"X.BN", "x"}}, "Frage");
    EXPECT_EQ(env.shell.opened, laenge == 79 ? Liste{EldaOrdner()} : Liste{});
    EXPECT_EQ(env.dialogs.messages,
              laenge == 79 ? Liste{}
                           : Liste{"Der Verzeichnis-Pfad ist zu lang, öffnen Sie das Verzeichnis "
                                   "manuell: " +
                                   EldaOrdner()});
  }
}

}  // namespace
