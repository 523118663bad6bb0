// The rules behind the calendar, help, data-folder and video windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include "frame/Daten.h"
#include "frame/Hilfe.h"
#include "frame/Kalender.h"
#include "frame/Videos.h"
#include "payroll/Lohnarten.h"
#include "store/Cp1252.h"
#include "store/TextRoutines.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using lohn::KalenderDatum;
using testing_support::FakePrintCanvas;
using testing_support::FakeShell;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteText;

TEST(Kalender, MonthSteps) {
  struct {
    KalenderDatum from;
    int delta;
    KalenderDatum to;
  } cases[] = {
      {{2014, 1, 31}, +1, {2014, 2, 1}},  // day 1 first: never spills into March
      {{2014, 3, 31}, -1, {2014, 2, 1}},   {{2014, 12, 15}, +1, {2015, 1, 1}},
      {{2014, 1, 15}, -1, {2013, 12, 1}},  {{2014, 6, 1}, +1, {2014, 7, 1}},
      {{2014, 6, 10}, 0, {2014, 6, 1}},    {{2014, 11, 30}, +14, {2016, 1, 1}},
      {{2014, 2, 28}, -26, {2011, 12, 1}},
  };
  for (auto& c : cases) {
    auto got = lohn::KalenderMonatSchritt(c.from, c.delta);
    EXPECT_EQ(got, c.to) << c.from.year << "-" << c.from.month << " " << c.delta << " gave "
                         << got.year << "-" << got.month << "-" << got.day;
  }
}

TEST(Kalender, StartsTodayAndLabelsShowMonthAndYear) {
  TestEnv env;
  auto today = lohn::KalenderHeute(env.clock);
  EXPECT_EQ(today, (KalenderDatum{2014, 3, 15}));
  EXPECT_EQ(lohn::KalenderMonatText(today), "3");
  EXPECT_EQ(lohn::KalenderJahrText(today), "2014");
}

TEST(Hilfe, LineEnds) {
  using V = std::vector<std::string>;
  struct {
    const char* text;
    V lines;
  } cases[] = {
      {"", V{}},
      {"eins\r\nzwei\r\n", V{"eins", "zwei"}},
      {"eins\nzwei\n", V{"eins", "zwei"}},
      {"eins\rzwei\r", V{"eins", "zwei"}},
      {"eins\r\nzwei", V{"eins", "zwei"}},  // the last line without a line end stays
      {"eins\r\n\r\ndrei", V{"eins", "", "drei"}},
      {"eins\n\rzwei", V{"eins", "", "zwei"}},  // LF then CR: two line ends
      {"\r\n", V{""}},
      {"  11 - Wien  ", V{"  11 - Wien  "}},
  };
  for (auto& c : cases) EXPECT_EQ(lohn::SplitHilfeLines(c.text), c.lines) << c.text;
}

// The build puts the reference texts beside the programs and the tests.
std::string ProgrammOrdner() { return fs::read_symlink("/proc/self/exe").parent_path().string(); }

TEST(Hilfe, ReadsTheFileInWindowsCodePage) {
  TempWorkDir dir;
  TestEnv env;
  WriteText("VersicherungsTraeger.txt", "11 Wiener Gebietskrankenkasse\r\n15 Steierm\xE4rkische");
  // The copy in the working directory comes before the shipped one.
  auto lines = lohn::LoadHilfeText("VersicherungsTraeger.txt", env.dialogs, ProgrammOrdner());
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines,
            (std::vector<std::string>{"11 Wiener Gebietskrankenkasse", "15 Steiermärkische"}));
  EXPECT_TRUE(env.dialogs.messages.empty());
}

TEST(Hilfe, MissingFileIsToldNotThrown) {
  TempWorkDir dir;
  TestEnv env;
  fs::create_directory("programm");  // the program's folder lacks it too
  EXPECT_FALSE(
      lohn::LoadHilfeText("Lohnarten.TXT", env.dialogs, (dir.path() / "programm").string()));
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_EQ(env.dialogs.messages[0],
            "Die Hilfe-Datei \"Lohnarten.TXT\" kann nicht gelesen werden: Datei nicht gefunden");
}

TEST(Hilfe, ShippedTextsOpenFromAFreshDataFolder) {
  TempWorkDir dir;  // holds none of them
  TestEnv env;
  std::map<std::string, std::vector<std::string>> texte;
  for (const char* name :
       {"VersicherungsTraeger.txt", "Lohnarten.TXT", "ArtLohnzettel.txt", "SozialeStellung.txt"}) {
    auto lines = lohn::LoadHilfeText(name, env.dialogs, ProgrammOrdner());
    ASSERT_TRUE(lines) << name;
    EXPECT_GT(lines->size(), 20u) << name;
    // Windows-1252 with CR LF after every line, the last one too: the file is
    // exactly its lines written back that way.
    std::string back;
    for (const auto& line : *lines) back += lohn::Utf8ToCp1252(line) + "\r\n";
    auto raw = ReadBytes(fs::path(ProgrammOrdner()) / name);
    EXPECT_EQ(std::string(raw.begin(), raw.end()), back) << name;
    texte[name] = std::move(*lines);
  }
  EXPECT_TRUE(env.dialogs.messages.empty());

  // The lists agree with what the program itself knows.
  auto zeigt = [](const std::vector<std::string>& lines, const std::string& part) {
    return std::ranges::any_of(lines, [&](const auto& l) { return l.find(part) != l.npos; });
  };
  for (const auto& e : lohn::LohnartKatalog())
    EXPECT_TRUE(zeigt(texte["Lohnarten.TXT"], std::to_string(e.code) + "  " + e.text)) << e.code;
  int traeger = 0;
  for (const auto& l : texte["VersicherungsTraeger.txt"]) {
    int code = 0;
    if (std::sscanf(l.c_str(), "%4d", &code) != 1) continue;
    EXPECT_EQ(lohn::VersTraegerName(std::to_string(code)),
              std::to_string(code) + " - " + l.substr(6));
    ++traeger;
  }
  EXPECT_EQ(traeger, 21);
}

TEST(Hilfe, PrintsEveryLineAndBreaksPages) {
  FakePrintCanvas canvas;  // line height 42, page height 2970: 70 lines a page
  std::vector<std::string> lines;
  for (int i = 1; i <= 71; ++i) lines.push_back("Zeile " + std::to_string(i));
  lines[1].clear();
  ASSERT_TRUE(lohn::PrintHilfeText(canvas, "Lohnarten.TXT", lines, "DejaVu Sans Mono"));
  ASSERT_EQ(canvas.log.size(), 1u + 1u + 69u + 1u + 1u + 1u);
  EXPECT_EQ(canvas.log[0], "begin Lohnarten.TXT");
  EXPECT_EQ(canvas.log[1], "font DejaVu Sans Mono 8");
  EXPECT_EQ(canvas.log[2], "text 0,0 Zeile 1");
  EXPECT_EQ(canvas.log[3], "text 0,84 Zeile 3");  // the empty line takes its place
  EXPECT_EQ(canvas.log[70], "text 0,2898 Zeile 70");
  EXPECT_EQ(canvas.log[71], "page");
  EXPECT_EQ(canvas.log[72], "text 0,0 Zeile 71");
  EXPECT_EQ(canvas.log[73], "end");
}

TEST(Hilfe, CancelledPrintDialogPrintsNothing) {
  FakePrintCanvas canvas;
  canvas.accept = false;
  EXPECT_FALSE(lohn::PrintHilfeText(canvas, "Lohnarten.TXT", {"a", "b"}, "Courier New"));
  EXPECT_EQ(canvas.log, (std::vector<std::string>{"begin Lohnarten.TXT"}));
}

TEST(Daten, FoldersUnderTheWorkingDirectory) {
  TempWorkDir dir;
  const std::string here = fs::current_path().string();
  EXPECT_EQ(lohn::DatenOrdner(), here);
  EXPECT_EQ(lohn::EldaOrdner(), here + "/ELDA");
  EXPECT_EQ(lohn::XmlOrdner(), here + "/XML");
}

TEST(Daten, PayrollFileListsOfDataAndTargetFolder) {
  TempWorkDir dir;
  for (const char* f : {"DEMO.ABR", "MUSTER.abr", "DEMO.PER", "ABR", "x.ABR.bak"}) WriteText(f, "");
  fs::create_directory("ORDNER.ABR");
  EXPECT_EQ(lohn::LohnDatenDateien(lohn::DatenOrdner()),
            (std::vector<std::string>{"DEMO.ABR", "MUSTER.abr"}));

  // No configuration, or a target that is not there: an empty list.
  EXPECT_EQ(lohn::Ziellaufwerk(), "");
  EXPECT_TRUE(lohn::LohnDatenDateien(lohn::Ziellaufwerk()).empty());
  WriteText(lohn::kZiellaufwerkFile, (dir.path() / "Stick").string() + ";\r\n");
  EXPECT_EQ(lohn::Ziellaufwerk(), (dir.path() / "Stick").string() + "/");
  EXPECT_TRUE(lohn::LohnDatenDateien(lohn::Ziellaufwerk()).empty());
  fs::create_directory("Stick");
  WriteText("Stick/DEMO.ABR", "");
  EXPECT_EQ(lohn::LohnDatenDateien(lohn::Ziellaufwerk()), (std::vector<std::string>{"DEMO.ABR"}));
}

TEST(Daten, CopyRouteStartsTheUsersScriptHidden) {
  TempWorkDir dir;
  TestEnv env;
  int refreshed = 0;
  env.dialogs.answers = {false, true};
  EXPECT_FALSE(lohn::DatenKopieren(env.state, [&] { ++refreshed; }));
  EXPECT_EQ(refreshed, 0);
  EXPECT_TRUE(env.shell.started.empty());

  EXPECT_TRUE(lohn::DatenKopieren(env.state, [&] { ++refreshed; }));
  EXPECT_EQ(refreshed, 2);
  ASSERT_EQ(env.shell.started.size(), 1u);
  EXPECT_EQ(env.shell.started[0].program, "sh");
  EXPECT_EQ(env.shell.started[0].args,
            (std::vector<std::string>{(dir.path() / "copya.bat").string()}));
  EXPECT_TRUE(env.shell.started[0].hidden);
  EXPECT_EQ(env.dialogs.questions[0],
            "Wollen Sie die Lohn-Daten auf Ihr Disekttenlaufwerk bzw. Ziellaufwerk kopieren?");
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_EQ(env.dialogs.messages[0],
            "Der Kopiervorgang wurde gestartet und läuft im Hintergrund! Klicken Sie auf den "
            "Button \"Aktualisieren\" um zu sehen ob alle Daten kopiert werden konnten.");
}

TEST(Daten, ConfigureOpensTheScriptInTheEditor) {
  TempWorkDir dir;
  TestEnv env;
  env.dialogs.answers = {false};
  lohn::ZiellaufwerkKonfigurieren(env.state);
  EXPECT_TRUE(env.shell.opened.empty());
  EXPECT_FALSE(fs::exists("copya.bat"));
  EXPECT_EQ(env.dialogs.questions[0].rfind(
                "ACHTUNG: wenn Sie die bestehende Konfiguration ändern, dann ändern Sie damit das "
                "Verhalten der Datensicherung. Beachten Sie bitte die Hinweise im Handbuch.",
                0),
            0u);

  lohn::ZiellaufwerkKonfigurieren(env.state);  // an empty queue answers "Ja"
  EXPECT_EQ(env.shell.opened, (std::vector<std::string>{(dir.path() / "copya.bat").string()}));
  EXPECT_EQ(fs::file_size("copya.bat"), 0u);

  // An existing script is never touched.
  WriteText("copya.bat", "cp *.ABR /media/stick/\n");
  lohn::ZiellaufwerkKonfigurieren(env.state);
  EXPECT_EQ(fs::file_size("copya.bat"), 23u);
}

TEST(Daten, RestoreHintThenFileManager) {
  TempWorkDir dir;
  TestEnv env;
  lohn::WiederherstellungDerDaten(env.state);
  EXPECT_EQ(env.dialogs.messages,
            (std::vector<std::string>{
                "Zur Wiederherstellung Ihrer Daten von der Diskette verwenden Sie den "
                "Windows-Explorer und beachten bitte die Hinweise im Handbuch unter "
                "\"Wiederherstellung der Daten ...\"!"}));
  EXPECT_EQ(env.shell.opened, (std::vector<std::string>{dir.path().string()}));
}

TEST(Videos, EachLinkStartsItsTarget) {
  FakeShell shell;
  for (const auto& link : lohn::VideoLinks()) lohn::StartVideoLink(shell, link);
  for (const auto& link : lohn::VideoFolderLinks()) lohn::StartVideoLink(shell, link);
  std::vector<std::string> programs;
  for (const auto& s : shell.started) {
    EXPECT_TRUE(s.args.empty());
    EXPECT_FALSE(s.hidden);
    programs.push_back(s.program);
  }
  EXPECT_EQ(programs,
            (std::vector<std::string>{
                "S-Videos/Lernvideo01.exe", "S-Videos/Lernvideo02.exe", "S-Videos/Lernvideo03.exe",
                "S-Videos/Lernvideo04.exe", "S-Videos/Lernvideo05.exe", "S-Videos/Lernvideo06.exe",
                "S-Videos/Lernvideo07.exe", "S-Videos/Lernvideo08.exe", "S-Videos/Lernvideo09.exe",
                "S-Videos/Lernvideo06.exe", "S-Videos/Lernvideo10.exe"}));
  std::vector<std::string> opened = {"HTML/VersichertenMeldungElda.pdf", "ZR_Handbuch.pdf"};
  opened.insert(opened.end(), 17, "S-Videos");
  EXPECT_EQ(shell.opened, opened);
  EXPECT_EQ(lohn::VideoLinks()[9].caption, ">> elektronische Übermittlung LF, BG");
  EXPECT_EQ(lohn::VideoFolderLinks().front().objectName, "Label12");
  EXPECT_EQ(lohn::VideoFolderLinks().back().objectName, "Label28");
}

}  // namespace
