// Offscreen tests of the employee window: every field of the model has its
// control, the captions, and the round of typing, saving and reopening.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "frame/gui/ClickLabel.h"
#include "payroll/PersFormFenster.h"
#include "payroll/gui/PersForm.h"
#include "support/Fakes.h"

namespace {

using testing_support::TempWorkDir;
using testing_support::TestEnv;

void Tippe(QWidget* w, const QString& text) {
  for (QChar ch : text) {
    QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &druck);
  }
}

void Fokus(QWidget* w, QEvent::Type type) {
  QFocusEvent e(type, Qt::TabFocusReason);
  QApplication::sendEvent(w, &e);
}

struct Umgebung {
  Umgebung() {
    testing_support::WriteText("MUSTER.PER", "");
    testing_support::WriteText("MUSTER.ABR", "");
    env.state.DataFileStem = "MUSTER";
  }
  TempWorkDir dir;
  TestEnv env;
};

template <class T>
T* Kind(QWidget* form, const char* name) {
  T* w = form->findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

TEST(PersForm, EveryFieldOfTheModelHasItsControl) {
  Umgebung u;
  TPersForm form(u.env.state);
  lohn::PersFormModel& m = form.Model();
  for (const std::string& name : m.Names()) {
    QWidget* w = form.findChild<QWidget*>(QString::fromStdString(name));
    ASSERT_NE(w, nullptr) << name;
    switch (m.Art(name)) {
      case lohn::PersFeldArt::Edit:
        EXPECT_NE(qobject_cast<QLineEdit*>(w), nullptr) << name;
        break;
      case lohn::PersFeldArt::ComboBox:
        EXPECT_NE(qobject_cast<QComboBox*>(w), nullptr) << name;
        break;
      case lohn::PersFeldArt::CheckBox:
        EXPECT_NE(qobject_cast<QCheckBox*>(w), nullptr) << name;
        break;
      case lohn::PersFeldArt::Memo:
        EXPECT_NE(qobject_cast<QPlainTextEdit*>(w), nullptr) << name;
        break;
      default:
        break;
    }
  }
  EXPECT_EQ(Kind<QComboBox>(&form, "JahrComboBox")->count(), 17);
  EXPECT_EQ(Kind<QComboBox>(&form, "BeitragsgruppeComboBox")->currentText(), "D1");
  EXPECT_EQ(Kind<QLineEdit>(&form, "PersNrEdit")->text(), "1");
  EXPECT_EQ(Kind<QLineEdit>(&form, "PersNrEdit")->toolTip(),
            "Die Personalnummer wird automatisch vergeben");
  EXPECT_TRUE(Kind<QCheckBox>(&form, "AngestellterCheckBox")->isChecked());
  EXPECT_FALSE(Kind<QPushButton>(&form, "TageslohnButton")->isEnabled());
  EXPECT_EQ(form.width(), 990);
}

TEST(PersForm, CaptionsAndAreasAreTheWindowsOwn) {
  Umgebung u;
  TPersForm form(u.env.state);
  const std::pair<const char*, const char*> knoepfe[] = {{"Button1", "Neu"},
                                                         {"SpeedButton37", "mehr Felder ..."},
                                                         {"TageslohnButton", "Lst. Tageslohn"},
                                                         {"Button4", "Urlaubsabfindung"},
                                                         {"BerechnenButon", "Berechnen"},
                                                         {"BitBtn2", "Daten für ELDA erstellen"}};
  for (auto [name, text] : knoepfe)
    EXPECT_EQ(Kind<QAbstractButton>(&form, name)->text(), QString::fromUtf8(text)) << name;
  const std::pair<const char*, const char*> haken[] = {
      {"AngestellterCheckBox", "Gehalt"},         {"ArbeiterCheckBox", "Std-Lohn (Zeitlohn)"},
      {"ArbeiterCheckBoxNeu", "Arbeiter"},        {"GeringfCheckBox", "geringf.Besch."},
      {"ueberSechzigCheckBox", "DB,DZ frei"},     {"EPAB_CB", "Erhöhter PAB berücksichtigt"},
      {"CheckBox32", "monatlich berücksichtigen"}};
  for (auto [name, text] : haken)
    EXPECT_EQ(Kind<QCheckBox>(&form, name)->text(), QString::fromUtf8(text)) << name;
  const std::pair<const char*, const char*> labels[] = {
      {"Label191", " << "},
      {"Label193", ">"},
      {"Label56", "Vorschuss (freier Text)"},
      {"Label55", "Steuerfr. § 26, § 3 (Diäten-Km)"},
      {"Label199", "> Schulungs-Video"},
      {"Label172", "Schulungsvideos:"},
      {"Label10", "BeitrGruppe"}};
  for (auto [name, text] : labels)
    EXPECT_EQ(Kind<QLabel>(&form, name)->text(), QString::fromUtf8(text)) << name;
  EXPECT_EQ(Kind<QLabel>(&form, "Label191")->toolTip(), "Infos ausblenden");
  EXPECT_EQ(Kind<QLabel>(&form, "Label56")->toolTip(), "Text für Lohnzettel frei definieren ...");
  QStringList titel;
  for (QGroupBox* g : form.findChildren<QGroupBox*>()) titel << g->title();
  titel << Kind<QLabel>(&form, "BmvgTitel")->text();
  for (const char* t :
       {"Personaldaten", "fixe Lohnarten", "Freibeträge", "Eigenschaften des DN", "Umlagen",
        "laufende Lohnarten", "Betriebliches Mitarbeitervorsorgegesetz (Abfertigung neu)"})
    EXPECT_TRUE(titel.contains(QString::fromUtf8(t))) << t;
}

TEST(PersForm, SidePanelsAndStatusBarFollowTheModel) {
  Umgebung u;
  TPersForm form(u.env.state);
  form.show();
  EXPECT_EQ(form.windowTitle(), "Dienstnehmer und Abrechnungsdaten 2014");
  Kind<ClickLabel>(&form, "Label191")->clicked();
  EXPECT_EQ(form.width(), 810);
  EXPECT_FALSE(Kind<QWidget>(&form, "MenuePanel")->isVisible());
  EXPECT_TRUE(Kind<QWidget>(&form, "Label193")->isVisible());
  Kind<QPushButton>(&form, "SpeedButton37")->click();
  EXPECT_TRUE(Kind<QWidget>(&form, "mehrPanel")->isVisible());
  EXPECT_EQ(Kind<QWidget>(&form, "mehrPanel")->geometry(), QRect(340, 226, 360, 225));
  Kind<ClickLabel>(&form, "Label193")->clicked();
  EXPECT_EQ(form.width(), 1006);
  EXPECT_TRUE(Kind<QWidget>(&form, "MenuePanel")->isVisible());

  Fokus(Kind<QLineEdit>(&form, "GehaltEdit"), QEvent::FocusIn);
  auto* status = Kind<QStatusBar>(&form, "StatusBar1")->findChild<QLabel*>();
  EXPECT_EQ(status->text(), "Hinweis: Monatsgehalt bzw. Stundenlohn (Gehalt/Std-Lohn)");
  auto* tage = Kind<QLineEdit>(&form, "TageMaxSV");
  tage->end(false);
  Tippe(tage, "4x");  // the change filter keeps the digits
  EXPECT_EQ(tage->text(), "304");
  Fokus(tage, QEvent::FocusOut);
  EXPECT_EQ(tage->text(), "30");
  EXPECT_EQ(u.env.dialogs.messages, std::vector<std::string>{"Anzahl Tage maximal 30"});
  form.close();
}

TEST(PersForm, TypeSaveReopenAndFindTheEmployee) {
  Umgebung u;
  bool erstesMal = false, zweitesMal = false;
  QTimer::singleShot(0, [&] {
    TPersForm* form = PersForm();
    if (!form) return;
    erstesMal = form->isVisible();
    EXPECT_EQ(Kind<QLabel>(form, "DG_Label")->text(), "MUSTER");
    Tippe(Kind<QLineEdit>(form, "FamNameEdit"), "Huber");
    Tippe(Kind<QLineEdit>(form, "VornameEdit"), "Jörg");
    Tippe(Kind<QLineEdit>(form, "SVNrEdit"), "1238010190");
    Kind<QLineEdit>(form, "GehaltEdit")->selectAll();
    Tippe(Kind<QLineEdit>(form, "GehaltEdit"), "2450,50");
    Kind<QPushButton>(form, "Button2")->click();
    Kind<QPushButton>(form, "Button3")->click();
  });
  ShowPersForm(u.env.state, nullptr);
  ASSERT_TRUE(erstesMal);
  EXPECT_EQ(u.env.dialogs.messages, std::vector<std::string>{"Datensatz wurde hinzugefügt!"});

  QTimer::singleShot(0, [&] {
    TPersForm* form = PersForm();
    if (!form) return;
    zweitesMal = form->isVisible();
    auto* liste = Kind<QComboBox>(form, "PersonalNrComboBox");
    ASSERT_EQ(liste->count(), 2);
    EXPECT_EQ(liste->itemText(1), "Huber | Nr. 1");
    EXPECT_EQ(Kind<QLineEdit>(form, "FamNameEdit")->text(), "");  // a new employee
    EXPECT_EQ(Kind<QLineEdit>(form, "PersNrEdit")->text(), "2");
    liste->setCurrentIndex(1);
    emit liste->textActivated(liste->itemText(1));
    EXPECT_EQ(Kind<QLineEdit>(form, "FamNameEdit")->text(), "Huber");
    EXPECT_EQ(Kind<QLineEdit>(form, "VornameEdit")->text(), "Jörg");
    EXPECT_EQ(Kind<QLineEdit>(form, "GehaltEdit")->text(), "2450,50");
    EXPECT_EQ(Kind<QLineEdit>(form, "PersNrEdit")->text(), "1");

    // Only for looking at the window: a picture of it, when asked for.
    if (QByteArray ziel = qgetenv("PERSFORM_SCREENSHOT"); !ziel.isEmpty()) {
      form->grab().save(QString::fromUtf8(ziel) + "/persform.png");
      lohn::SpeedButton37Click(form->Model());
      lohn::Label195Click(form->Model());
      form->grab().save(QString::fromUtf8(ziel) + "/persform_mehr.png");
      lohn::Label194Click(form->Model());
      form->Model().SetVisible("DnEldaPanel", true);
      form->grab().save(QString::fromUtf8(ziel) + "/persform_elda.png");
      form->Model().SetVisible("TagePanel", true);
      form->grab().save(QString::fromUtf8(ziel) + "/persform_tage.png");
      form->Model().SetVisible("TagePanel", false);
      lohn::Label191Click(form->Model());
      form->grab().save(QString::fromUtf8(ziel) + "/persform_schmal.png");
    }
    form->reject();
  });
  ShowPersForm(u.env.state, nullptr);
  EXPECT_TRUE(zweitesMal);
  // Closing cleared the month fields.
  EXPECT_EQ(PersForm()->Model().Text("SV_Lohn_TageEdit"), "0");
  EXPECT_FALSE(PersForm()->Model().Visible("DnEldaPanel"));
  delete PersForm();
}

}  // namespace
