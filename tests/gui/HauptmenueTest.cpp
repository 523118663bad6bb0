// Offscreen tests of the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "frame/DienstgeberVerwaltung.h"
#include "frame/gui/AdresseForm.h"
#include "frame/gui/DatOpenForm.h"
#include "frame/gui/Hauptmenue.h"
#include "frame/gui/KalenderForm.h"
#include "frame/gui/VideosForm.h"
#include "payroll/gui/PersForm.h"
#include "store/AutoBackup.h"
#include "store/DienstgeberStore.h"
#include "store/ProgramState.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteText;

QAction* Item(THauptmenue& w, const char* name) {
  return w.findChild<QAction*>(QString::fromLatin1(name));
}

QString MenuOf(THauptmenue& w, QAction* a) {
  for (QMenu* m : w.findChildren<QMenu*>())
    if (m->actions().contains(a)) return m->title();
  return {};
}

// A shown main window over a fresh working folder.
struct Fixture {
  explicit Fixture(const std::string& stem = "FIRMA") {
    env.state.DataFileStem = stem;
    env.state.ProgramVersion = "2014.01";
  }
  TempWorkDir dir;
  TestEnv env;
};

TEST(Hauptmenue, OpensWithCaptionAndStem) {
  Fixture f;
  THauptmenue w(f.env.state);
  w.show();
  EXPECT_EQ(w.windowTitle(), "Quandrel Lohnverrechnung - Version 2014");
  EXPECT_EQ(w.DienstgeberLabel->text(), "FIRMA");
  EXPECT_EQ(w.EldaModulLabel->text(), "");
  EXPECT_EQ(f.env.state.ReportFileName, "quan.doc");
  EXPECT_TRUE(w.Image1->isVisible());
  EXPECT_FALSE(w.EntwicklerPanel->isVisible());
  EXPECT_TRUE(f.env.dialogs.messages.empty());  // March: no new-year notice
}

TEST(Hauptmenue, EveryMenuItemWithCaptionShortcutAndMenu) {
  struct Row {
    const char* name;
    const char* caption;
    const char* shortcut;
    const char* menu;
    bool enabled;
  } rows[] = {
      {"neu1", "neu", "", "&Dienstgeber", true},
      {"Dienstgeberauswaehlen1", "&Dienstgeber auswählen", "Ctrl+F", "&Datei", true},
      {"Kennwortaendern1", "&Kennwort ändern", "", "&Datei", true},
      {"Datensichern1", "Daten &sichern und wiederherstellen", "", "&Datei", true},
      {"Lohndatenfreigeben1", "Lohndaten &freigeben", "", "&Datei", true},
      {"Autobackupausschalten1", "Autobackup ausschalten", "", "&Datei", true},
      {"Vorjahr1", "Jahr 2013 bearbeiten ...", "", "&Datei", true},
      {"Beenden1", "B&eenden", "", "&Datei", true},
      {"DienstnehmerundAbrechnung1", "Dienstnehmer und &Abrechnung", "Ctrl+A", "&Lohndaten", true},
      {"DienstgeberDatenbearbeiten1", "&Dienstgeber-Daten bearbeiten", "Ctrl+D", "&Lohndaten",
       true},
      {"StandortDatenbearbeiten1", "&Standort-Daten bearbeiten", "", "&Lohndaten", true},
      {"KostenstellenDatenbearbeiten1", "&Kostenstellen-Daten bearbeiten", "", "&Lohndaten", true},
      {"LOGObearbeiten1", "LOGO (für Berichte) bearbeiten", "", "&Lohndaten", true},
      {"LohnGehaltszettel1", "&Lohn- Gehaltszettel", "Ctrl+L", "&Berichte", true},
      {"UeberweisungsundBuchungsliste1", "Über&weisungs- und Buchungsliste Lohn / Gehaltszettel",
       "", "&Berichte", true},
      {"Beitragsnachweisung1", "Be&itragsnachweisung", "", "&Berichte", true},
      {"LohnsteuerDBDZKommunalsteuer1", "Lohnsteuer &DB DZ Kommunalsteuer", "", "&Berichte", true},
      {"JahreslohnzettelmitFormularL161", "Jahreslohnzettel mit &Formular L16", "", "&Berichte",
       true},
      {"JahreslohnzettelELDADatentraeger1", "Jahreslohnzettel &ELDA-Datenträger", "", "&Berichte",
       true},
      {"Kommunalsteuererklaerung1", "Ko&mmunalsteuererklärung (jährlich)", "", "&Berichte", true},
      {"Lohnkonten1", "Lohn&konten", "Ctrl+K", "&Berichte", true},
      {"Betriebssummenblatt1", "&Betriebssummenblatt", "", "&Berichte", true},
      {"ArbeitsundLohnbestaetigung1", "Arbeit&s- und Lohnbestätigung", "", "&Berichte", true},
      {"LohnGehaltsliste1", "Lohn- Ge&haltsliste", "", "&Berichte", true},
      {"UrlaubsundZeitkonten1", "Urlaubs- und Zeitkonten", "", "&Berichte", true},
      {"DienstnehmerZeiten1", "Dienstnehmer-&Zeiten", "", "&Berichte", true},
      {"DienstnehmerAdressen1", "Dienstnehmer-&Adressen", "", "&Berichte", true},
      {"DienstnehmerGeburtsdaten1", "Dienstnehmer-&Geburtsdaten", "", "&Berichte", true},
      {"DienstnehmerDatengesamt1", "Dienstnehmer-Da&ten gesamt", "", "&Berichte", true},
      {"ELDAOnline1", "ELDA &Online", "", "&ELDA", true},
      {"AnAbmeldungvonDienstnehmern1", "An- Abmeldung von Dienstnehmern", "", "&ELDA", true},
      {"HilfezurelektronischenUebermittlung1", "Hilfe zur elektronischen Übermittlung (ELDA)", "",
       "&ELDA", true},
      {"ELDAFehlercodes1", "ELDA-Fehlercodes", "", "&ELDA", true},
      {"ZerAruDokumentation1", "ZerAru Dokumentation", "", "&ELDA", true},
      {"Notizen1", "&Notizen", "", "E&xtras", true},
      {"Exploreroeffnen1", "E&xplorer öffnen", "", "E&xtras", true},
      {"Formulare1", "Formulare ...", "", "E&xtras", true},
      {"FormularevonBehoerden1", "Formulare von Behörden (USP)", "", "E&xtras", true},
      {"Handbuch1", "&Handbuch", "F1", "&Hilfe", true},
      {"SchulungsVideos1", "&Schulungs-Videos", "", "&Hilfe", true},
      {"HilfezuElda1", "Hilfe zu Elda", "", "&Hilfe", true},
      {"Versichertenmeldungen1", "Versichertenmeldungen", "", "&Hilfe", true},
      {"Supportonline1", "Support online", "", "&Hilfe", true},
      {"SupportperMail1", "&Support per Mail", "", "&Hilfe", true},
      {"BestellungperInternet1", "Bestellung per Internet", "", "&Hilfe", true},
      {"UpdateperMailbestellen1", "Update per Mail bestellen ...", "", "&Hilfe", true},
      {"onlineueberUpdatesinformieren1", "online über Updates informieren ...", "", "&Hilfe", true},
      {"VersionsInfo1", "Versions-Info", "", "&Hilfe", true},
      {"OrdnerInfo1", "Ordner-Info", "", "&Hilfe", true},
  };
  Fixture f;
  THauptmenue w(f.env.state);
  w.show();
  for (const Row& r : rows) {
    QAction* a = Item(w, r.name);
    ASSERT_NE(a, nullptr) << r.name;
    EXPECT_EQ(a->text(), QString::fromUtf8(r.caption)) << r.name;
    EXPECT_EQ(a->shortcut().toString(), QString::fromLatin1(r.shortcut)) << r.name;
    EXPECT_EQ(MenuOf(w, a), QString::fromUtf8(r.menu)) << r.name;
    EXPECT_EQ(a->isEnabled(), r.enabled) << r.name;
    EXPECT_TRUE(a->isVisible()) << r.name;
  }
  QStringList bar;
  for (QAction* a : w.menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, (QStringList{"&Datei", "&Lohndaten", "&Berichte", "&ELDA", "E&xtras", "&Hilfe"}));
}

TEST(Hauptmenue, OlderBuildHasNoDocumentationItem) {
  TempWorkDir dir;
  TestEnv env(lohn::kYear2013);
  THauptmenue w(env.state);
  w.show();
  EXPECT_EQ(Item(w, "ZerAruDokumentation1"), nullptr);
  EXPECT_EQ(Item(w, "Vorjahr1")->text(), "Jahr 2012 bearbeiten ...");
  EXPECT_EQ(w.windowTitle(), "Quandrel Lohnverrechnung - Version 2013");
}

TEST(Hauptmenue, ToolbarButtonsWithHints) {
  struct Row {
    const char* name;
    const char* hint;
    bool enabled;
  } rows[] = {
      {"DienstgeberSpeedButton", "Dienstgeber auswählen", true},
      {"DienstgeberDatenSpeedButton", "Dienstgeber-Daten bearbeiten", true},
      {"DienstnehmerSpeedButton", "Dienstnehmer und Abrechnung", true},
      {"LohnzettelSpeedButton", "Bericht Lohn / Gehaltszettel", true},
      {"UeberweisungSpeedButton", "Überweisungs- und Buchungsliste Lohn / Gehaltszettel", true},
      {"L16SpeedButton", "Jahreslohnzettel mit Formular L16 drucken", true},
      {"EldaLohnzettelSpeedButton", "Jahreslohnzettel ELDA-Datenträger erstellen", true},
      {"BeitragsnachweisungSpeedButton", "Bericht Beitragsnachweisung", true},
      {"LohnsteuerSpeedButton", "Bericht Lohnsteuer DB DZ Kommunalsteuer", true},
      {"KommunalsteuerSpeedButton", "Bericht Kommunalsteuererklärung (jährlich)", true},
      {"LohnkontenSpeedButton", "Bericht Lohnkonten", true},
      {"DatensichernSpeedButton", "Daten sichern und wiederherstellen", true},
      {"KalenderSpeedButton", "Kalender", true},
      {"RechnerSpeedButton", "Rechner", true},
      {"DokumenteSpeedButton", "gescannte Dokumente anzeigen", true},
      {"HandbuchSpeedButton", "Handbuch", true},
      {"VideosSpeedButton", "Schulungs-Videos ansehen", true},
      {"BeendenSpeedButton", "Einstellungen speichern und Programm beenden", true},
  };
  Fixture f;
  THauptmenue w(f.env.state);
  for (const Row& r : rows) {
    QAction* a = Item(w, r.name);
    ASSERT_NE(a, nullptr) << r.name;
    EXPECT_EQ(a->toolTip(), QString::fromUtf8(r.hint)) << r.name;
    EXPECT_EQ(a->isEnabled(), r.enabled) << r.name;
  }
  Item(w, "RechnerSpeedButton")->trigger();
  Item(w, "DatensichernSpeedButton")->trigger();
  ASSERT_EQ(f.env.shell.started.size(), 2u);
  EXPECT_EQ(f.env.shell.started[0].program, "gnome-calculator");
  EXPECT_EQ(f.env.shell.started[1].program, "quanBackup");
  EXPECT_EQ(f.env.shell.started[1].args, (std::vector<std::string>{"ZR"}));
}

TEST(Hauptmenue, DashboardLabels) {
  const char* captions[] = {
      "· Dienstnehmer und Abrechnung",
      "· Dienstgeber-Daten ",
      "· Standort-Daten",
      "· Lohn- Gehaltszettel",
      "· Überweisungs- und Buchungsliste Lohnz.",
      "· Beitragsnachweisung",
      "· Lohnsteuer DB DZ Kommunalsteuer",
      "· Jahreslohnzettel mit Formular L16",
      "· Jahreslohnzettel ELDA-Datenträger",
      "· Kommunalsteuererklärung (jährlich)",
      "· Lohnkonten",
      "· Betriebssummenblatt",
      "· Arbeits- und Lohnbestätigung",
      "· Lohn- Gehaltsliste",
      "· Urlaubs- und Zeitkonten",
      "· Dienstnehmer-Zeiten",
      "· Dienstnehmer-Adressen",
      "· Dienstnehmer-Geburtsdaten",
      "· Dienstnehmer-Daten gesamt",
      "Handbuch",
      "Handbuch ...",
      "Schulungs-Videos",
      "Support online",
      "Bestellung",
      "e-Mail an Quandrel",
  };
  Fixture f;
  THauptmenue w(f.env.state);
  QStringList shown;
  for (QLabel* l : w.DashboardLabels) shown << l->text();
  for (const char* c : captions) EXPECT_TRUE(shown.contains(QString::fromUtf8(c))) << c;
  EXPECT_EQ(shown.size(), int(std::size(captions)));
}

TEST(Hauptmenue, StandortDatenStartsTheSiteProgramWithTheStem) {
  Fixture f;
  THauptmenue w(f.env.state);
  Item(w, "StandortDatenbearbeiten1")->trigger();
  ASSERT_EQ(f.env.shell.started.size(), 1u);
  EXPECT_EQ(f.env.shell.started[0].program, "Brelvan");
  EXPECT_EQ(f.env.shell.started[0].args, (std::vector<std::string>{"FIRMA"}));
  // The dashboard label runs the same item.
  auto* label = w.findChild<QLabel*>("StandortLabel");
  ASSERT_NE(label, nullptr);
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(label, &click);
  EXPECT_EQ(f.env.shell.started.size(), 2u);
}

TEST(Hauptmenue, LohndatenFreigebenDeletesTheLocks) {
  Fixture f;
  for (const char* lock : {"FIRMA.SAB", "FIRMA.SPE", "FIRMA.SKO"}) WriteText(lock, "x\r\n");
  THauptmenue w(f.env.state);
  Item(w, "Lohndatenfreigeben1")->trigger();
  for (const char* lock : {"FIRMA.SAB", "FIRMA.SPE", "FIRMA.SKO"}) EXPECT_FALSE(fs::exists(lock));
  ASSERT_FALSE(f.env.dialogs.messages.empty());
  EXPECT_EQ(f.env.dialogs.messages.back(), "Daten wurden freigegeben.");
}

TEST(Hauptmenue, BackupSwitchWithItsCaptions) {
  Fixture f;
  THauptmenue w(f.env.state);
  w.show();
  QAction* item = Item(w, "Autobackupausschalten1");
  EXPECT_EQ(item->text(), "Autobackup ausschalten");
  item->trigger();  // FakeDialogs answers "Ja"
  EXPECT_TRUE(fs::exists(lohn::kStopAutoBackupFile));
  EXPECT_EQ(item->text(), "Autobackup einschalten");
  item->trigger();
  EXPECT_FALSE(fs::exists(lohn::kStopAutoBackupFile));
  EXPECT_EQ(item->text(), "Autobackup ausschalten");
}

TEST(Hauptmenue, SwitchedOffBackupAtShowAndClose) {
  Fixture f;
  WriteText(lohn::kStopAutoBackupFile, "Autobackup ausgeschaltet!\r\n");
  THauptmenue w(f.env.state);
  w.show();
  EXPECT_EQ(Item(w, "Autobackupausschalten1")->text(), "Autobackup einschalten");
  w.close();
  ASSERT_EQ(f.env.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.env.dialogs.messages[0],
            "Führen Sie bitte regelmässig eine Datensicherung durch! Sehen Sie dazu die Hinweise "
            "im Handbuch unter Hilfe.");
  EXPECT_FALSE(fs::exists("AutoBackup"));
}

TEST(Hauptmenue, BeendenSavesTheStateAndBacksUp) {
  Fixture f;
  WriteText("FIRMA.PER", "p");
  THauptmenue w(f.env.state);
  w.show();
  Item(w, "Beenden1")->trigger();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(ReadBytes(lohn::kProgramStateFile).size(), 416u);
  EXPECT_TRUE(fs::exists("AutoBackup/" + lohn::AutoBackupFolderName("FIRMA", f.env.clock.Now()) +
                         "/FIRMA.PER"));
}

TEST(Hauptmenue, HoverColourFollowsTheMouse) {
  Fixture f;
  THauptmenue w(f.env.state);
  w.show();
  auto* label = w.findChild<QLabel*>("DienstnehmerLabel");
  auto* other = w.findChild<QLabel*>("StandortLabel");
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(label, &enter);
  EXPECT_EQ(label->palette().color(QPalette::Window), QColor("#FFFF88"));
  EXPECT_EQ(other->palette().color(QPalette::Window), QColor(Qt::white));
  QApplication::sendEvent(other, &enter);
  EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(other->palette().color(QPalette::Window), QColor("#FFFF88"));
  QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(w.findChild<QFrame*>("AbrechnungPanel"), &move);
  EXPECT_EQ(other->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST(Hauptmenue, PictureHiddenForGoodByDoubleClick) {
  Fixture f;
  {
    THauptmenue w(f.env.state);
    w.show();
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.Image1, &dbl);
    EXPECT_FALSE(w.Image1->isVisible());
    EXPECT_EQ(f.env.dialogs.questions,
              (std::vector<std::string>{"Wollen Sie das Bild wirklich ausblenden?"}));
    EXPECT_TRUE(fs::exists("vuderizPic.dat"));
  }
  THauptmenue again(f.env.state);
  again.show();
  EXPECT_FALSE(again.Image1->isVisible());
  EXPECT_TRUE(again.HandbuchPunkteLabel->isVisible());
}

TEST(Hauptmenue, DeveloperControlsOnlyWithTheirFile) {
  Fixture f;
  WriteText("developmentToos.cfg", "");
  THauptmenue w(f.env.state);
  w.show();
  ASSERT_TRUE(w.EntwicklerPanel->isVisible());
  w.checkStringLengthEdit->setText("Lohnverrechnung");
  w.Button2->click();
  EXPECT_EQ(f.env.dialogs.messages.back(), "15");
  w.Edit2->setText("5");
  w.Edit3->setText("8");
  w.Button5->click();
  EXPECT_EQ(w.Edit1->text(), "verrechn");
  w.Edit3->setText("acht");
  w.Button5->click();
  EXPECT_EQ(f.env.dialogs.messages.back(), "'acht' ist kein gültiger Integerwert");
  w.Button4->click();
  EXPECT_EQ(w.checkStringLengthEdit->text(), "");
}

TEST(Hauptmenue, NewYearNoticeInDecember) {
  Fixture f;
  f.env.clock.Set({2014, 12, 2, 9, 0, 0, 0});
  THauptmenue w(f.env.state);
  w.show();
  ASSERT_EQ(f.env.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.env.dialogs.messages[0].rfind("HINWEIS: Aufgrund gesetzlicher Bestimmungen", 0), 0u);
}

TEST(Hauptmenue, EmployeeItemGivesTheDemoTip) {
  Fixture f("DEMO");
  THauptmenue w(f.env.state);
  // Shown, the main window builds the employee window ahead, hidden and
  // without data; opening it fills it.
  w.show();
  QApplication::processEvents();
  TPersForm* vorgebaut = PersForm();
  ASSERT_NE(vorgebaut, nullptr);
  EXPECT_FALSE(vorgebaut->isVisible());
  EXPECT_EQ(vorgebaut->Model().Text("DG_Label"), "");
  bool shown = false;
  QTimer::singleShot(0, [&] {
    TPersForm* form = PersForm();
    ASSERT_EQ(form, vorgebaut);
    shown = form->isVisible() && form->Model().Text("DG_Label") == "DEMO";
    form->close();
  });
  Item(w, "DienstnehmerundAbrechnung1")->trigger();
  EXPECT_TRUE(shown);
  ASSERT_GE(f.env.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.env.dialogs.messages[0].rfind("Tipp: Für Ihre Lohndaten", 0), 0u);
}

TEST(Hauptmenue, PreviousYearItemStartsTheOlderBuild) {
  Fixture f;
  THauptmenue w(f.env.state);
  w.show();
  Item(w, "Vorjahr1")->trigger();
  EXPECT_EQ(f.env.dialogs.messages.back(),
            "Quandrel öffnet jetzt das Fenster für das Abrechnungsjahr 2013 klicken Sie auf OK!");
  ASSERT_EQ(f.env.shell.started.size(), 1u);
  EXPECT_EQ(f.env.shell.started[0].program, "ZR2013");
}

// Runs `action`, which opens a modal window, and hands that window to
// `inspect` once it is up; the window is closed afterwards.
template <class Form>
bool WithModal(const std::function<void()>& action, const std::function<void(Form&)>& inspect) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    if (auto* form = qobject_cast<Form*>(QApplication::activeModalWidget())) {
      seen = true;
      inspect(*form);
      form->reject();
    }
  });
  action();
  return seen;
}

TEST(Hauptmenue, EmployerItemsOpenTheirWindows) {
  Fixture f;
  ASSERT_TRUE(lohn::CreateDienstgeber(f.env.state, "FIRMA"));
  f.env.dialogs.messages.clear();
  THauptmenue w(f.env.state);
  w.show();
  for (const char* item : {"neu1", "Dienstgeberauswaehlen1", "DienstgeberSpeedButton"})
    EXPECT_TRUE(WithModal<TDatOpenForm>(
        [&] { Item(w, item)->trigger(); },
        [](TDatOpenForm& form) { EXPECT_EQ(form.Label4->text(), "FIRMA"); }))
        << item;
  for (const char* item : {"DienstgeberDatenbearbeiten1", "DienstgeberDatenSpeedButton"})
    EXPECT_TRUE(WithModal<TAdresseForm>(
        [&] { Item(w, item)->trigger(); },
        [](TAdresseForm& form) { EXPECT_EQ(form.NameEdit->text(), "FIRMA"); }))
        << item;
  EXPECT_TRUE(f.env.dialogs.messages.empty());
}

TEST(Hauptmenue, SmallWindowsAndFolderInfo) {
  Fixture f;
  THauptmenue w(f.env.state);
  w.show();
  Item(w, "KalenderSpeedButton")->trigger();
  auto* kalender = w.findChild<TKalenderForm*>();
  ASSERT_NE(kalender, nullptr);
  EXPECT_TRUE(kalender->isVisible());
  EXPECT_FALSE(kalender->isModal());

  Item(w, "HilfezuElda1")->trigger();
  auto* videos = w.findChild<TVideosForm*>();
  ASSERT_NE(videos, nullptr);
  EXPECT_TRUE(videos->isVisible());
  EXPECT_EQ(f.env.dialogs.messages.back(),
            "Wählen Sie bitte im folgenden Fenster das Video >> elektronische Übermittlung ...");
  Item(w, "SchulungsVideos1")->trigger();
  EXPECT_EQ(w.findChildren<TVideosForm*>().size(), 1);  // one window, shown again

  Item(w, "OrdnerInfo1")->trigger();
  QString folder = QCoreApplication::applicationDirPath();
  EXPECT_EQ(w.tempClipBoardEdit->text(), folder);
  EXPECT_FALSE(w.tempClipBoardEdit->isVisible());
  EXPECT_EQ(QString::fromStdString(f.env.dialogs.messages.back()), folder);
}

TEST(Hauptmenue, CreationLoadsTheEmployerData) {
  Fixture f;
  ASSERT_TRUE(lohn::CreateDienstgeber(f.env.state, "FIRMA"));
  lohn::DienstgeberRecord rec;
  rec.Nummer = 1;
  rec.NameEdit = "Muster GmbH";
  ASSERT_TRUE(lohn::InsertDienstgeberRecord(f.env.dialogs, "FIRMA", rec));
  THauptmenue w(f.env.state);
  EXPECT_EQ(f.env.state.Dienstgeber.DienstgeberName, "Muster GmbH");
}

}  // namespace
