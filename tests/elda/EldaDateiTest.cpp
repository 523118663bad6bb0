// ELDA fields, the first and last record, and the one writer of ELDA files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>

#include "elda/EldaDatei.h"
#include "frame/Daten.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "support/Fakes.h"
#include "support/Golden.h"
#include "support/ZweiProzesse.h"

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
      {2, 2, 0.5, "  ", "  "},                        // "050": the zero before the decimals counts
      {2, 6, -17.275, "-01728", "001728"},
      {2, 8, 2240.095, "00224010", "00224010"},
      {3, 8, 0.0005, "00000001", "00000001"},
      {2, 13, 99999999999.99, "             ", "             "},  // beyond the cent bound
      {2, 13, 9999999999.995, "1000000000000", "1000000000000"},  // carried to a whole digit
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

// A program whose employer has the data that name an ELDA sender.
struct Absender : TestEnv {
  Absender() {
    auto& dg = state.Dienstgeber;
    dg.DienstgeberDvrNr = "1234567", dg.DienstgeberVersTraegerCode = "11";
    dg.DienstgeberFinanzamtNr = "03", dg.DienstgeberSteuerNr = "123/4567";
  }
};

TEST(EldaSchreiben, WritesAllFilesAndAsksOnceBeforeReplacing) {
  TempWorkDir dir;
  Absender env;
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

  // A file that another program makes after the question is asked about
  // once more under the lock: No leaves both, Yes replaces both.
  for (const bool ja : {false, true}) {
    fs::remove("ELDA/A.LF");
    env.dialogs.questions.clear();
    env.dialogs.beiFrage = [] {
      if (!fs::exists("ELDA/A.LF")) WriteText("ELDA/A.LF", "fremd");
    };
    env.dialogs.answers = {true, ja};
    EXPECT_EQ(SchreibeEldaDateien(env.state, {{"A.BG", "neu"}, {"A.LF", "neu"}}, ""),
              ja ? EldaSchreibErgebnis::Geschrieben : EldaSchreibErgebnis::NichtErsetzt);
    EXPECT_EQ(env.dialogs.questions,
              (Liste{"Die ELDA-Datei \"A.BG\" ist bereits vorhanden. Soll sie ersetzt werden?",
                     "Diese ELDA-Dateien sind bereits vorhanden:\nA.BG\nA.LF\nSollen sie ersetzt "
                     "werden?"}));
    EXPECT_EQ(Inhalt("A.BG") + Inhalt("A.LF"), ja ? "neuneu" : "Gr\xFCn\r\n1fremd");
    EXPECT_EQ(Dateien("ELDA"), (Liste{"A.BG", "A.LF"}));
  }
}

TEST(EldaSchreiben, FailuresLeaveEveryOlderFileAndNoTemporary) {
  struct Fall {
    const char* was;
    std::function<void(TestEnv&)> vorher;
    std::function<std::string()> meldung;  // asked within the test's folder
    Liste danach;                          // the files of the working folder's ELDA folder
  } faelle[] = {
      {"ELDA is a file",
       [](TestEnv&) { WriteText("ELDA", "kein Ordner"); },
       [] { return CreateFailedMessage(EldaOrdner(), ENOTDIR); },
       {}},
      {"the second rename fails: both older files stay, the message names it",
       [](TestEnv&) {
         gUmbenennenFehler = [](const std::string& n) { return n.ends_with("A.LF") ? EIO : 0; };
       },
       [] { return MitUrsache(kEldaNichtErsetzt, EldaOrdner() + "/A.LF", EIO); },
       {"A.BG", "A.LF"}},
      {"the lock file cannot be opened: the message names it, not the folder",
       [](TestEnv&) { fs::create_directory("ELDA.lck"); },
       [] { return MitUrsache(kEldaNichtErsetzt, EldaOrdner() + ".lck", EISDIR); },
       {"A.BG", "A.LF"}},
      {"the journal cannot be written",
       [](TestEnv&) {
         gSperreSchreibenFehler = [](const std::string& i) { return i.empty() ? 0 : ENOSPC; };
       },
       [] { return MitUrsache(kEldaNichtErsetzt, EldaOrdner() + ".lck", ENOSPC); },
       {"A.BG", "A.LF"}},
      {"the folder cannot be flushed after the renames: both older files back",
       [](TestEnv&) {
         gOrdnerSyncFehler = [n = 0](const std::string&) mutable { return ++n == 2 ? EIO : 0; };
       },
       [] { return MitUrsache(kEldaNichtErsetzt, EldaOrdner(), EIO); },
       {"A.BG", "A.LF"}},
      {"no employer data",
       [](TestEnv& env) { env.state.Dienstgeber = {}; },
       [] {
         return std::string(kEldaOhneAbsender) +
                "\nDVR-Nummer / ELDA-Seriennummer\nVersicherungsträger-Code\nFinanzamt-Nr."
                "\nSteuernummer";
       },
       {"A.BG", "A.LF"}},
      {"sender only zeros, no carrier",
       [](TestEnv& env) {
         env.state.Dienstgeber.DienstgeberDvrNr = "0000000";
         env.state.Dienstgeber.DienstgeberVersTraegerCode = " ";
       },
       [] {
         return std::string(kEldaOhneAbsender) +
                "\nDVR-Nummer / ELDA-Seriennummer\nVersicherungsträger-Code";
       },
       {"A.BG", "A.LF"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    TempWorkDir dir;
    Absender env;
    if (!f.danach.empty()) {
      fs::create_directory("ELDA");
      WriteText("ELDA/A.BG", "alt BG");
      WriteText("ELDA/A.LF", "alt LF");
    }
    f.vorher(env);
    EXPECT_EQ(SchreibeEldaDateien(env.state, kZwei, "Frage"), EldaSchreibErgebnis::Fehler);
    gUmbenennenFehler = nullptr, gSperreSchreibenFehler = nullptr, gOrdnerSyncFehler = nullptr;
    if (fs::is_regular_file("ELDA.lck")) {
      EXPECT_EQ(fs::file_size("ELDA.lck"), 0u);
    }
    EXPECT_EQ(env.dialogs.messages, Liste{f.meldung()});
    EXPECT_TRUE(std::find(env.dialogs.questions.begin(), env.dialogs.questions.end(), "Frage") ==
                env.dialogs.questions.end());
    if (f.danach.empty()) continue;
    EXPECT_EQ(Dateien("ELDA"), f.danach);
    EXPECT_EQ(Inhalt("A.BG") + Inhalt("A.LF"), "alt BGalt LF");
  }
}

using Dateiliste = std::vector<std::pair<std::string, std::string>>;

// What a program killed half way, a run whose journal could not be emptied,
// or a damaged lock file leaves: the next start and the next writer undo a
// run cut short, leave a complete one, and use no line that this program
// did not write; nothing outside the ELDA folder is touched.
TEST(EldaSchreiben, AJournalUndoesOnlyARunCutShort) {
  struct Fall {
    const char* was;
    Dateiliste vorher;  // ELDA files
    const char* journal;
    Dateiliste danach;  // every ELDA file afterwards, by name
    bool verworfen;     // the one message on lines not used
  } faelle[] = {
      {"an earlier version's pair cut short: the older pair back",
       {{"A.BG", "neu BG"}, {"A.BG.99-0~", "alt BG"}, {"A.LF", "alt LF"}, {"A.LF.99-1~", "alt LF"}},
       "A.BG\tA.BG.99-0~\nA.LF\tA.LF.99-1~\n",
       {{"A.BG", "alt BG"}, {"A.LF", "alt LF"}},
       false},
      {"killed between the renames: the older pair back, the leftovers gone",
       {{"A.BG", "neu BG"},
        {"A.BG.7-0~", "alt BG"},
        {"A.LF", "alt LF"},
        {"A.LF.7-1~", "alt LF"},
        {"A.LF.7-3~", "neu LF"}},
       "A.BG\tA.BG.7-0~\tA.BG.7-2~\nA.LF\tA.LF.7-1~\tA.LF.7-3~\n",
       {{"A.BG", "alt BG"}, {"A.LF", "alt LF"}},
       false},
      {"a new pair killed between the renames: the lone .BG goes",
       {{"A.BG", "neu BG"}, {"A.LF.7-3~", "neu LF"}},
       "A.BG\t\tA.BG.7-2~\nA.LF\t\tA.LF.7-3~\n",
       {},
       false},
      {"a complete run whose journal stayed: nothing undone",
       {{"A.BN", "neu BN"}, {"A.BG", "neu BG"}, {"A.BG.7-0~", "alt BG"}},
       "A.BN\t\tA.BN.7-1~\nA.BG\tA.BG.7-0~\tA.BG.7-2~\n",
       {{"A.BG", "neu BG"}, {"A.BN", "neu BN"}},
       false},
      {"lines naming the employee file, a file outside the data folder, an absolute name, the "
       "folder itself, the payroll file as the copy, no copy without the temporary: only the "
       "good line first is used",
       {{"A.BG", "neu BG"}, {"A.BG.99-0~", "alt BG"}},
       "A.BG\tA.BG.99-0~\n../DEMO.PER\t\n../DEMO.PER\t\tDEMO.PER.1-1~\n../../x\t\n"
       "../../x\t\tx.1-1~\n/tmp/x\t\n..\t\t...1-1~\n.\t\t..1-1~\nA.BG\t../DEMO.ABR\n"
       "A.BG\t../DEMO.ABR\tA.BG.1-1~\nA.BG\t\n",
       {{"A.BG", "alt BG"}},
       true},
      {"a copy of another file, a line cut short",
       {{"A.BG", "neu BG"}, {"A.LF.7-0~", "LF"}},
       "A.BG\tA.LF.7-0~\tA.BG.7-1~\nA.BG\tA.BG.7-2~",
       {{"A.BG", "neu BG"}, {"A.LF.7-0~", "LF"}},
       true},
  };
  for (const Fall& f : faelle)
    for (const bool beimStart : {true, false}) {
      SCOPED_TRACE(std::string(f.was) + (beimStart ? ", at start" : ", by a writer"));
      TempWorkDir dir;
      fs::create_directory("daten");
      fs::current_path("daten");  // "../x" is a file beside the data folder
      Absender env;
      WriteText("../x", "aussen");
      WriteText("DEMO.PER", "per");
      WriteText("DEMO.ABR", "abr");
      fs::create_directory("ELDA");
      for (const auto& [name, inhalt] : f.vorher) WriteText("ELDA/" + name, inhalt);
      WriteText("ELDA.lck", f.journal);
      Dateiliste danach(f.danach);
      if (beimStart) {
        EldaJournalBeimStart(env.state);
      } else {
        EXPECT_EQ(SchreibeEldaDateien(env.state, {{"X.BN", "x"}}, ""),
                  EldaSchreibErgebnis::Geschrieben);
        danach.push_back({"X.BN", "x"});
        std::sort(danach.begin(), danach.end());
      }
      Liste namen;
      for (const auto& [name, inhalt] : danach) {
        namen.push_back(name);
        EXPECT_EQ(Inhalt(name), inhalt) << name;
      }
      EXPECT_EQ(Dateien("ELDA"), namen);
      EXPECT_EQ(Inhalt("../DEMO.PER") + Inhalt("../DEMO.ABR") + Inhalt("../../x"), "perabraussen");
      EXPECT_EQ(fs::file_size("ELDA.lck"), 0u);
      EXPECT_EQ(env.dialogs.messages, f.verworfen ? Liste{"Die Datei \"" + EldaOrdner() +
                                                          ".lck\" " + kEldaJournalVerworfen}
                                                  : Liste{});
    }
}

// A run that could not empty its journal says so, and its files stay: the
// next writer finds the journal complete (so does the start, above).
TEST(EldaSchreiben, AJournalThatCannotBeEmptiedNeverUndoesTheRun) {
  TempWorkDir dir;
  Absender env;
  gSperreSchreibenFehler = [](const std::string& i) { return i.empty() ? EIO : 0; };
  EXPECT_EQ(SchreibeEldaDateien(env.state, kZwei, ""), EldaSchreibErgebnis::Geschrieben);
  gSperreSchreibenFehler = nullptr;
  EXPECT_EQ(env.dialogs.messages,
            Liste{MitUrsache(kEldaJournalNichtGeleert, EldaOrdner() + ".lck", EIO)});
  EXPECT_NE(fs::file_size("ELDA.lck"), 0u);
  EXPECT_EQ(SchreibeEldaDateien(env.state, {{"X.BN", "x"}}, ""), EldaSchreibErgebnis::Geschrieben);
  EXPECT_EQ(Inhalt("A.BG") + Inhalt("A.LF"), "Gr\xFCn\r\n1zwei");
  EXPECT_EQ(Dateien("ELDA"), (Liste{"A.BG", "A.LF", "X.BN"}));
  EXPECT_EQ(fs::file_size("ELDA.lck"), 0u);
}

// A program killed between the two renames of a pair: the next start puts
// the older pair back before anyone can send half of it.
TEST(EldaSchreiben, APairCutShortByAKillIsWholeAfterTheNextStart) {
  TempWorkDir dir;
  Absender env;
  fs::create_directory("ELDA");
  WriteText("ELDA/A.BG", "alt BG");
  WriteText("ELDA/A.LF", "alt LF");
  const pid_t kind = ::fork();
  if (kind == 0) {
    gUmbenennenFehler = [](const std::string& n) {
      if (n.ends_with("A.LF")) ::_exit(0);
      return 0;
    };
    SchreibeEldaDateien(env.state, kZwei, "");
    ::_exit(1);
  }
  int status = -1;
  ASSERT_EQ(::waitpid(kind, &status, 0), kind);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(Inhalt("A.BG") + Inhalt("A.LF"), "Gr\xFCn\r\n1alt LF");
  EldaJournalBeimStart(env.state);
  EXPECT_EQ(Inhalt("A.BG") + Inhalt("A.LF"), "alt BGalt LF");
  EXPECT_EQ(Dateien("ELDA"), (Liste{"A.BG", "A.LF"}));
  EXPECT_EQ(fs::file_size("ELDA.lck"), 0u);
  EXPECT_TRUE(env.dialogs.messages.empty());
}

// Two programs writing the same statement and the same pair at the same
// moment: every file whole and one run's own, the pair never mixed.
TEST(EldaSchreiben, TwoProgramsNeverMixTheirFiles) {
  TempWorkDir dir;
  const auto ergebnisse = testing_support::ZweiProzesse(150, [](int prozess, int runde) {
    Absender env;
    const std::string lauf = "P" + std::to_string(prozess) + "R" + std::to_string(runde);
    const std::string bn = lauf + std::string(5000, 'n');
    std::vector<EldaDateiBild> nachweis(1), paar(2);
    nachweis[0] = {"A.BN", bn};
    paar[0] = {"A.BG", lauf + "BG"};
    paar[1] = {"A.LF", lauf + "LF"};
    if (SchreibeEldaDateien(env.state, nachweis, "") != EldaSchreibErgebnis::Geschrieben ||
        SchreibeEldaDateien(env.state, paar, "") != EldaSchreibErgebnis::Geschrieben)
      return std::string("Fehler");
    DateiSperre sperre(EldaOrdner() + ".lck");  // what the writers hold while replacing
    const std::string n = Inhalt("A.BN"), g = Inhalt("A.BG"), l = Inhalt("A.LF");
    // Whole: one run's mark, then all of its 5000 letters.
    const std::size_t marke = n.find('n');
    if (n.empty() || n[0] != 'P' || marke == std::string::npos ||
        n.substr(marke) != std::string(5000, 'n'))
      return "BN " + n.substr(0, 10);
    if (g.substr(0, g.size() - 2) != l.substr(0, l.size() - 2)) return "gemischt " + g + " " + l;
    return std::string("ok");
  });
  const Liste alleGut(150, "ok");
  for (const auto& prozess : ergebnisse) EXPECT_EQ(prozess, alleGut);
  EXPECT_EQ(Dateien("ELDA"), (Liste{"A.BG", "A.BN", "A.LF"}));
}

TEST(EldaSchreiben, OpensTheFolderUpTo79Characters) {
  for (std::size_t laenge : {79u, 80u}) {
    TempWorkDir dir;
    Absender env;
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
