// What the main window's items do, without the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "frame/Daten.h"
#include "frame/HauptmenueLogik.h"
#include "store/AutoBackup.h"
#include "store/LockFile.h"
#include "store/Numbers.h"
#include "store/ProgramState.h"
#include "store/RecordBytes.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using lohn::Aktion;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteBytes;

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

constexpr const char* kFreigebenNotice =
    "Beenden Sie bitte alle anderen Quandrel-Lohn-Programme und klicken Sie dann auf OK, um die "
    "Lohn-Daten für andere Benutzer freizugeben!";

TEST(LohndatenFreigeben, DeletesPresentLocksAfterTheBackup) {
  for (std::vector<std::string> present :
       {std::vector<std::string>{"DEMO.SAB", "DEMO.SAD", "DEMO.SPE", "DEMO.SST", "DEMO.SKO"},
        std::vector<std::string>{"DEMO.SPE"}, std::vector<std::string>{}}) {
    TempWorkDir dir;
    TestEnv env;
    env.state.DataFileStem = "DEMO";
    WriteBytes("DEMO.PER", Bytes("p"));
    WriteBytes("ANDERE.SPE", Bytes("x"));
    for (const auto& f : present) WriteBytes(f, Bytes("Daten (Typ) bearbeiten\r\n"));

    EXPECT_TRUE(lohn::LohndatenFreigeben(env.state));
    for (const char* f : {"DEMO.SAB", "DEMO.SAD", "DEMO.SPE", "DEMO.SST", "DEMO.SKO"})
      EXPECT_FALSE(fs::exists(f)) << f;
    EXPECT_TRUE(fs::exists("ANDERE.SPE"));  // another employer's lock stays
    EXPECT_EQ(env.dialogs.messages,
              (std::vector<std::string>{kFreigebenNotice, "Daten wurden freigegeben."}));
    EXPECT_TRUE(fs::exists("AutoBackup/" + lohn::AutoBackupFolderName("DEMO", env.clock.Now()) +
                           "/DEMO.PER"));
  }
}

TEST(LohndatenFreigeben, TheLockMessageNamesTheMenuWhereTheItemStands) {
  std::string pfad;
  for (const lohn::MenueEintrag& e : lohn::MenueTabelle(lohn::kYear2014))
    for (const lohn::MenueKopf& k : lohn::MenueKoepfe())
      if (e.aktion == Aktion::LohndatenFreigeben && k.menue == e.menue)
        pfad += "\"" + std::string(k.caption) + " / " + e.caption + "\"";
  std::erase(pfad, '&');
  EXPECT_EQ(pfad, "\"Datei / Lohndaten freigeben\"");
  EXPECT_TRUE(std::string(lohn::kLockMessage).ends_with(pfad));
}

TEST(LohndatenFreigeben, NamesEveryLockThatStays) {
  TempWorkDir dir;
  TestEnv env;
  env.state.DataFileStem = "FIRMA";
  WriteBytes("FIRMA.SAB", Bytes("x"));
  WriteBytes("FIRMA.SKO", Bytes("x"));
  // A folder in the lock's place cannot be removed like a file.
  fs::create_directories("FIRMA.SPE/inhalt");
  fs::create_directories("FIRMA.SST/inhalt");

  EXPECT_FALSE(lohn::LohndatenFreigeben(env.state));
  EXPECT_FALSE(fs::exists("FIRMA.SAB"));
  EXPECT_FALSE(fs::exists("FIRMA.SKO"));
  EXPECT_EQ(env.dialogs.messages,
            (std::vector<std::string>{kFreigebenNotice,
                                      "Die Datei FIRMA.SPE konnte nicht gelöscht werden.",
                                      "Die Datei FIRMA.SST konnte nicht gelöscht werden."}));
}

TEST(Autobackup, SwitchOffAndOn) {
  TempWorkDir dir;
  TestEnv env;
  EXPECT_EQ(lohn::AutobackupCaption(), "Autobackup ausschalten");

  env.dialogs.answers = {false};
  EXPECT_EQ(lohn::AutobackupUmschalten(env.state), "Autobackup ausschalten");
  EXPECT_FALSE(fs::exists(lohn::kStopAutoBackupFile));
  EXPECT_TRUE(env.dialogs.messages.empty());

  env.dialogs.answers = {true};
  EXPECT_EQ(lohn::AutobackupUmschalten(env.state), "Autobackup einschalten");
  EXPECT_EQ(ReadBytes(lohn::kStopAutoBackupFile), Bytes("Autobackup ausgeschaltet!\r\n"));
  EXPECT_EQ(lohn::AutobackupCaption(), "Autobackup einschalten");

  EXPECT_EQ(lohn::AutobackupUmschalten(env.state), "Autobackup ausschalten");
  EXPECT_FALSE(fs::exists(lohn::kStopAutoBackupFile));
  EXPECT_EQ(env.dialogs.questions,
            (std::vector<std::string>(2,
                                      "Autobackup erhöht die Sicherheit Ihrer Daten. Wollen "
                                      "Sie Autobackup wirklich ausschalten?")));
  EXPECT_EQ(env.dialogs.messages, (std::vector<std::string>{"Autobackup wurde ausgeschaltet!",
                                                            "Autobackup eingeschaltet!"}));
}

TEST(Autobackup, UnwritableMarkerIsNotReportedAsSwitchedOff) {
  TempWorkDir dir;
  TestEnv env;
  // A folder of the marker's name is in the way: the rename onto it fails.
  fs::create_directories(std::string(lohn::kStopAutoBackupFile) + "/x");
  env.dialogs.answers = {true};
  EXPECT_EQ(lohn::AutobackupUmschalten(env.state), "Autobackup ausschalten");
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_EQ(env.dialogs.messages[0].rfind("stopAutoBackup.cfg: ", 0), 0u);
}

TEST(Bild, DoubleClickHidesForGoodOnlyAfterYes) {
  TempWorkDir dir;
  TestEnv env;
  env.dialogs.answers = {false, true};
  EXPECT_FALSE(lohn::BildAusblenden(env.state));
  EXPECT_FALSE(lohn::BildAusgeblendet());
  EXPECT_TRUE(lohn::BildAusblenden(env.state));
  EXPECT_TRUE(lohn::BildAusgeblendet());
  EXPECT_EQ(env.dialogs.questions,
            (std::vector<std::string>(2, "Wollen Sie das Bild wirklich ausblenden?")));
}

TEST(NeuesJahrHinweis, DueAroundTheTurnOfTheYear) {
  struct Case {
    const lohn::YearValues& year;
    int y, m;
    bool due;
  } cases[] = {
      {lohn::kYear2014, 2013, 12, false}, {lohn::kYear2014, 2014, 12, true},
      {lohn::kYear2014, 2014, 1, false},  {lohn::kYear2014, 2015, 1, true},
      {lohn::kYear2014, 2014, 11, false}, {lohn::kYear2014, 2013, 1, false},
      {lohn::kYear2014, 2012, 12, false}, {lohn::kYear2014, 2015, 2, false},
      {lohn::kYear2013, 2012, 12, false}, {lohn::kYear2013, 2013, 12, true},
      {lohn::kYear2013, 2013, 1, false},  {lohn::kYear2013, 2014, 1, true},
  };
  for (const Case& c : cases) {
    auto text = lohn::NeuesJahrHinweis(c.year, {c.y, c.m, 15, 10, 0, 0, 0});
    EXPECT_EQ(text.has_value(), c.due) << c.year.year << " build, " << c.m << "/" << c.y;
  }
  auto text = lohn::NeuesJahrHinweis(lohn::kYear2014, {2014, 12, 1, 0, 0, 0, 0});
  ASSERT_TRUE(text);
  EXPECT_EQ(text->rfind("HINWEIS: Aufgrund gesetzlicher Bestimmungen haben sich die "
                        "Berechnungsgrundlagen für das neue Abrechnungs-Jahr 2015 geändert. Bitte "
                        "erkundigen Sie sich rechtzeitig über ein Update",
                        0),
            0u);
  EXPECT_NE(text->find("www.quandrel.at"), std::string::npos);
  EXPECT_NE(text->find("office@quandrel.at"), std::string::npos);
}

TEST(Entwickler, TextLengthAndPart) {
  EXPECT_EQ(lohn::TextLaenge("Größe"), "5");
  EXPECT_EQ(lohn::TextLaenge(""), "0");
  struct Case {
    const char* text;
    const char* von;
    const char* laenge;
    const char* part;
  } cases[] = {
      {"Lohnverrechnung", "1", "4", "Lohn"},
      {"Lohnverrechnung", "5", "8", "verrechn"},
      {"Lohn", "3", "10", "hn"},
      {"Lohn", "0", "2", "Lo"},
      {"Lohn", "-3", "1", "L"},
      {"Lohn", "5", "1", ""},
      {"Lohn", "2", "0", ""},
      {"Lohn", "2", "-1", ""},
      {"Größe", "2", "3", "röß"},
      {"", "1", "1", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(lohn::TeilText(c.text, c.von, c.laenge), c.part)
        << c.text << " " << c.von << " " << c.laenge;
  try {
    lohn::TeilText("Lohn", "x", "1");
    ADD_FAILURE() << "no conversion error";
  } catch (const lohn::ConversionError& e) {
    EXPECT_STREQ(e.what(), "'x' ist kein gültiger Integerwert");
  }
  EXPECT_THROW(lohn::TeilText("Lohn", "1", ""), lohn::ConversionError);
}

TEST(Items, ShellStartsAndMessages) {
  struct Case {
    Aktion aktion;
    std::vector<std::string> messages;
    std::vector<std::string> opened;
    std::string program;  // empty: nothing started
    std::vector<std::string> args;
  };
  const std::string web = "Hinweis: Internetverbindung erforderlich ...";
  TempWorkDir dir;
  const std::string ordner = lohn::DatenOrdner();
  std::vector<Case> cases = {
      {Aktion::DatenSichern, {}, {}, "quanBackup", {"ZR"}},
      {Aktion::StandortDaten, {}, {}, "Brelvan", {"FIRMA"}},
      {Aktion::KostenstellenDaten, {}, {}, "Zimbrel", {"FIRMA"}},
      {Aktion::Vorjahr,
       {"Quandrel öffnet jetzt das Fenster für das Abrechnungsjahr 2013 klicken Sie auf OK!"},
       {},
       "ZR2013",
       {}},
      {Aktion::Rechner, {}, {}, "gnome-calculator", {}},
      {Aktion::EldaOnline, {}, {"https://www.elda.at"}, "", {}},
      {Aktion::Versichertenmeldung, {}, {"HTML/VersichertenMeldungElda.pdf"}, "", {}},
      {Aktion::EldaFehlercodes, {}, {"EldaFehlerCodes.xls"}, "", {}},
      {Aktion::FormulareUsp,
       {},
       {"https://www.usp.gv.at/Portal.Node/usp/public/formularsuche/start"},
       "",
       {}},
      {Aktion::Notizen, {}, {"ElUeNoti.TXT"}, "", {}},
      {Aktion::ExplorerOeffnen, {}, {ordner}, "", {}},
      {Aktion::Formulare, {}, {ordner + "/Formulare"}, "", {}},
      {Aktion::Handbuch, {}, {"ZR_Handbuch.pdf"}, "", {}},
      {Aktion::SupportOnline, {web}, {"https://www.quandrel.at/support"}, "", {}},
      {Aktion::BestellungInternet, {web}, {"https://www.quandrel.at/bestellung"}, "", {}},
      {Aktion::UpdatesOnline, {web}, {"https://www.quandrel.at/updates"}, "", {}},
      {Aktion::SupportMail,
       {"Ihre Anfrage an den Quandrel-Support senden Sie bitte an: office@quandrel.at"},
       {"mailto:office@quandrel.at?subject=Support%20Quandrel%20Lohnverrechnung%20Version%"
        "202014.01"},
       "",
       {}},
      {Aktion::UpdateMail,
       {"Ihre Update-Bestellung senden Sie bitte an: office@quandrel.at"},
       {"mailto:office@quandrel.at?subject=Update-Bestellung%20Quandrel%20Lohnverrechnung%"
        "202015"},
       "",
       {}},
      {Aktion::VersionsInfo, {"Sie arbeiten mit Version: 2014.01"}, {}, "", {}},
      {Aktion::Logo,
       {"Quandrel öffnet jetzt die Datei \"LOGO.bmp\" mit dem in Ihrer Version von Windows "
        "registrierten Programm. Wählen Sie zur Bearbeitung einen Bild-Editor (z.B. Paint) aus. "
        "Wenn Sie Hilfe zum Einfügen Ihres Firmenlogos benötigen, kontaktieren Sie uns bitte!",
        "Die Datei LOGO.bmp existiert nicht. Erstellen Sie bitte eine neue Datei mit Ihrem "
        "Bildbearbeitungsprogramm."},
       {"LOGO.bmp"},
       "",
       {}},
  };
  for (const Case& c : cases) {
    TestEnv env;
    env.state.DataFileStem = "FIRMA";
    env.state.ProgramVersion = "2014.01";
    EXPECT_TRUE(lohn::FuehreAus(env.state, c.aktion)) << int(c.aktion);
    EXPECT_EQ(env.dialogs.messages, c.messages) << int(c.aktion);
    EXPECT_EQ(env.shell.opened, c.opened) << int(c.aktion);
    if (c.program.empty()) {
      EXPECT_TRUE(env.shell.started.empty()) << int(c.aktion);
    } else {
      ASSERT_EQ(env.shell.started.size(), 1u) << int(c.aktion);
      EXPECT_EQ(env.shell.started[0].program, c.program);
      EXPECT_EQ(env.shell.started[0].args, c.args);
      EXPECT_FALSE(env.shell.started[0].hidden);
    }
    // Without a desktop opener or the sibling program: one message naming it.
    if (c.program.empty() && c.opened.empty()) continue;
    TestEnv ohne;
    ohne.shell.scheitert = true;
    ohne.state.DataFileStem = "FIRMA";
    ohne.state.ProgramVersion = "2014.01";
    lohn::FuehreAus(ohne.state, c.aktion);
    std::vector<std::string> erwartet = c.messages;
    erwartet.push_back(
        platform::NichtGeoeffnetMeldung(c.program.empty() ? c.opened[0] : c.program));
    EXPECT_EQ(ohne.dialogs.messages, erwartet) << int(c.aktion);
  }
}

TEST(Items, LogoPresentNeedsNoSecondNotice) {
  TempWorkDir dir;
  TestEnv env;
  WriteBytes("LOGO.bmp", Bytes("BM"));
  lohn::FuehreAus(env.state, Aktion::Logo);
  EXPECT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_EQ(env.shell.opened, (std::vector<std::string>{"LOGO.bmp"}));
}

TEST(Items, PreviousYearOfTheOlderBuild) {
  TempWorkDir dir;
  TestEnv env(lohn::kYear2013);
  lohn::FuehreAus(env.state, Aktion::Vorjahr);
  EXPECT_EQ(env.dialogs.messages[0],
            "Quandrel öffnet jetzt das Fenster für das Abrechnungsjahr 2012 klicken Sie auf OK!");
  EXPECT_EQ(env.shell.started.at(0).program, "ZR2012");
  EXPECT_EQ(lohn::VorjahrCaption(lohn::kYear2013), "Jahr 2012 bearbeiten ...");
  EXPECT_EQ(lohn::VorjahrCaption(lohn::kYear2014), "Jahr 2013 bearbeiten ...");
}

TEST(Items, WindowItemsAreLeftToTheWindow) {
  TestEnv env;
  for (Aktion a : {Aktion::DienstgeberNeu, Aktion::DienstgeberAuswaehlen, Aktion::Beenden,
                   Aktion::DienstnehmerUndAbrechnung, Aktion::DienstgeberDaten, Aktion::Bericht,
                   Aktion::SchulungsVideos, Aktion::Kalender, Aktion::Dokumente})
    EXPECT_FALSE(lohn::FuehreAus(env.state, a)) << int(a);
  EXPECT_TRUE(env.dialogs.shown.empty());
  EXPECT_TRUE(env.shell.opened.empty());
}

TEST(Items, PasswordChangeOnlyAfterYesAndThenSaved) {
  TempWorkDir dir;
  TestEnv env;
  ASSERT_TRUE(lohn::LoadProgramState(env.state));
  auto before = ReadBytes(lohn::kProgramStateFile);

  env.dialogs.answers = {false};
  lohn::FuehreAus(env.state, Aktion::KennwortAendern);
  EXPECT_TRUE(env.dialogs.prompts.empty());
  EXPECT_EQ(ReadBytes(lohn::kProgramStateFile), before);

  env.dialogs.answers = {true};
  env.dialogs.inputs = {std::string("neu123"), std::string("neu123")};
  lohn::FuehreAus(env.state, Aktion::KennwortAendern);
  EXPECT_EQ(env.dialogs.questions.back(), "Wollen Sie Ihr Kennwort wirklich ändern?");
  auto after = ReadBytes(lohn::kProgramStateFile);
  ASSERT_EQ(after.size(), 416u);
  EXPECT_EQ(lohn::GetShortString(after.data(), lohn::loa::kPassword, 50), "neu123");
}

TEST(Items, DemoTipOnlyForDemo) {
  TestEnv env;
  env.state.DataFileStem = "DEMOX";
  lohn::DemoTipp(env.state);
  EXPECT_TRUE(env.dialogs.messages.empty());
  env.state.DataFileStem = "DEMO";
  lohn::DemoTipp(env.state);
  EXPECT_EQ(env.dialogs.messages,
            (std::vector<std::string>{
                "Tipp: Für Ihre Lohndaten legen Sie bitte einen neuen Dienstgeber an (im "
                "Hauptmenü: Datei / Dienstgeber auswählen). Derzeit ist der DEMO-Dienstgeber "
                "geöffnet."}));
}

TEST(Tables, NamesAreUniqueAndDocumentationOnlyInTheNewestBuild) {
  for (const lohn::YearValues* y : {&lohn::kYear2014, &lohn::kYear2013}) {
    std::set<std::string> names;
    bool zerAru = false;
    for (const auto& e : lohn::MenueTabelle(*y)) {
      EXPECT_TRUE(names.insert(e.objectName).second) << e.objectName;
      zerAru |= e.aktion == Aktion::ZerAruDokumentation;
    }
    for (const auto& k : lohn::MenueKoepfe()) EXPECT_TRUE(names.insert(k.objectName).second);
    for (const auto& t : lohn::ToolbarTabelle()) EXPECT_TRUE(names.insert(t.objectName).second);
    for (const auto& d : lohn::DashboardTabelle()) EXPECT_TRUE(names.insert(d.objectName).second);
    EXPECT_EQ(zerAru, y->hasZerAruDokumentation);
  }
}

TEST(Mailto, EncodesTheSubject) {
  EXPECT_EQ(lohn::MailtoAdresse("a@b.at", "Über 1&2 ?"),
            "mailto:a@b.at?subject=%C3%9Cber%201%262%20%3F");
}

}  // namespace
