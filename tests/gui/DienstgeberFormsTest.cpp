#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "frame/DienstgeberVerwaltung.h"
#include "frame/gui/AdresseForm.h"
#include "frame/gui/DatOpenForm.h"
#include "frame/gui/HilfeForm.h"
#include "store/DienstgeberStore.h"
#include "store/ProgramState.h"
#include "support/Fakes.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;

class DienstgeberFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lohn::LoadProgramState(env.state));
    ASSERT_TRUE(lohn::CreateDienstgeber(env.state, "DEMO"));
    env.dialogs.messages.clear();
  }
  TempWorkDir dir;
  TestEnv env;
};

TEST_F(DienstgeberFormsTest, CreateAnEmployerFromTheChoiceWindow) {
  TDatOpenForm form(env.state);
  EXPECT_EQ(form.windowTitle(), "  Dienstgeber auswählen");
  EXPECT_EQ(form.Label4->text(), "DEMO");
  ASSERT_EQ(form.FileListBox1->count(), 1);
  EXPECT_EQ(form.FileListBox1->item(0)->text(), "DEMO.ABR");
  EXPECT_FALSE(form.Button1->isEnabled());

  QTest::keyClicks(form.Edit1, "A.");
  EXPECT_EQ(env.dialogs.messages.back(),
            "Punkte und Sonderzeichen im Dienstgeber-Namen nicht erlaubt!");
  EXPECT_TRUE(form.Button1->isEnabled());
  form.Button1->click();
  EXPECT_EQ(env.dialogs.messages.back(), "Punkte und Sonderzeichen im Firma-Namen nicht erlaubt!");
  EXPECT_EQ(form.result(), 0);  // stays open

  form.Edit1->setText("NEU");
  env.dialogs.answers = {false};  // do not edit the employer data now
  form.Button1->click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(env.state.DataFileStem, "NEU");
  EXPECT_EQ(env.dialogs.questions.back(),
            "Wollen Sie jetzt gleich die Daten des neuen Dienstgebers bearbeiten?");
  EXPECT_EQ(ReadBytes("NEU.ADR").size(), 4136u);
  EXPECT_TRUE(std::filesystem::is_directory("ZR-DOKUMENTE_NEU"));
}

TEST_F(DienstgeberFormsTest, ExistingNameAsksNothingFurther) {
  TDatOpenForm form(env.state);
  form.Edit1->setText("DEMO");
  form.Button1->setEnabled(true);
  form.Button1->click();
  EXPECT_EQ(env.dialogs.messages.back(), "Ein Dienstgeber mit diesem Namen existiert bereits!");
  EXPECT_TRUE(env.dialogs.questions.empty());
  EXPECT_EQ(form.result(), 0);
}

TEST_F(DienstgeberFormsTest, ChooseFromTheList) {
  ASSERT_TRUE(lohn::CreateDienstgeber(env.state, "ZWEI"));
  env.state.DataFileStem = "DEMO";
  TDatOpenForm form(env.state);
  ASSERT_EQ(form.FileListBox1->count(), 2);
  form.FileListBox1->setCurrentRow(1);
  emit form.FileListBox1->itemClicked(form.FileListBox1->item(1));
  EXPECT_TRUE(form.Button3->isEnabled());
  EXPECT_FALSE(form.Button1->isEnabled());
  form.Button3->click();
  EXPECT_EQ(env.state.DataFileStem, "ZWEI");
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(DienstgeberFormsTest, ArrowKeysChooseLikeAClick) {
  ASSERT_TRUE(lohn::CreateDienstgeber(env.state, "ZWEI"));
  env.state.DataFileStem = "DEMO";
  TDatOpenForm form(env.state);
  QTest::keyClick(form.FileListBox1, Qt::Key_Down);
  QTest::keyClick(form.FileListBox1, Qt::Key_Down);
  EXPECT_TRUE(form.Button3->isEnabled());
  EXPECT_TRUE(form.Button4->isEnabled());
  EXPECT_FALSE(form.Button1->isEnabled());
  form.Button3->click();
  EXPECT_EQ(env.state.DataFileStem, "ZWEI");
}

TEST_F(DienstgeberFormsTest, LengthWarningOnlyWhenTheFieldIsLeftForAnother) {
  TAdresseForm form(env.state);
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.Fax1Edit->setFocus(Qt::TabFocusReason);
  form.Fax1Edit->setText("123");
  QWidget other;  // the user switches to another window and back
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_TRUE(env.dialogs.messages.empty());
  QTest::keyClick(form.Fax1Edit, Qt::Key_Tab);
  EXPECT_EQ(env.dialogs.messages,
            std::vector<std::string>{"Achtung: Die Steuernummer muss 7-stellig sein. Ohne die "
                                     "zweistellige Finanzamt Nr.!"});
  form.Fax1Edit->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form.Fax1Edit, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(env.dialogs.messages.size(), 1u);
}

TEST_F(DienstgeberFormsTest, CodesWindowBelongsToTheDialog) {
  testing_support::WriteText("VersicherungsTraeger.txt", "11 Wiener Gebietskrankenkasse\r\n");
  QWidget mainWindow;
  TAdresseForm form(env.state, &mainWindow);
  form.Button3->click();
  auto* codes = form.findChild<THilfeForm*>();
  ASSERT_TRUE(codes);
  EXPECT_TRUE(codes->isVisible());
  EXPECT_EQ(codes->windowTitle(), "INFO: Versicherungsträger");
}

TEST_F(DienstgeberFormsTest, EmployerDataWindowSavesRecordOne) {
  TAdresseForm form(env.state);
  EXPECT_EQ(form.windowTitle(), "Dienstgeber-Daten bearbeiten");
  EXPECT_EQ(form.NameEdit->text(), "DEMO");
  // A new employer's window shows every field empty but the name.
  EXPECT_EQ(form.AnredeComboBox->currentText(), "");
  form.NameEdit->setText("Demo GmbH");
  form.PlzEdit->clear();
  QTest::keyClicks(form.PlzEdit, "1a0b1c0");
  EXPECT_EQ(form.PlzEdit->text().toStdString(), "1010");
  form.Fax1Edit->setFocus();
  form.NotizEdit->setFocus();  // leaves the tax number empty: only a warning
  form.Button1->click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberName, "Demo GmbH");
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberPlz, "1010");
  auto rec = lohn::ReadDienstgeberRecord("DEMO", 1);
  ASSERT_TRUE(rec);
  EXPECT_EQ(rec->NameEdit, "Demo GmbH");
}

TEST_F(DienstgeberFormsTest, LockedSaveKeepsTheWindowOpenWithItsText) {
  testing_support::WriteBytes("DEMO.SAD", {});
  TAdresseForm form(env.state);
  form.NameEdit->setText("Getippt");
  form.Button1->click();
  EXPECT_EQ(form.result(), 0);
  EXPECT_EQ(form.NameEdit->text(), "Getippt");
  EXPECT_FALSE(lohn::ReadDienstgeberRecord("DEMO", 1));
}

}  // namespace
