// Offscreen tests of the employee window's calculate button: typed in,
// calculated, saved, recalculated after the question; a lock file refuses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "payroll/BerechnenButton.h"
#include "payroll/gui/PersForm.h"
#include "store/AbrechnungStore.h"
#include "store/LockFile.h"
#include "store/Numbers.h"
#include "support/Fakes.h"

namespace {

using testing_support::ReadBytes;

const std::string kStem = "MUSTER";

struct Umgebung {
  Umgebung() {
    testing_support::WriteText(kStem + ".PER", "");
    testing_support::WriteText(kStem + ".ABR", "");
    env.state.DataFileStem = kStem;
  }
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
};

template <class T>
T* Kind(QWidget& form, const char* name) {
  T* w = form.findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Replaces the text of an edit as the user does: select all, then type.
void Tippe(QLineEdit* e, const QString& text) {
  e->selectAll();
  for (QChar ch : text) {
    QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(e, &druck);
  }
}

void Tippe(TPersForm& form, const char* name, const QString& text) {
  if (auto* c = form.findChild<QComboBox*>(name))
    Tippe(c->lineEdit(), text);
  else
    Tippe(Kind<QLineEdit>(form, name), text);
}

QString Text(TPersForm& form, const char* name) { return Kind<QLineEdit>(form, name)->text(); }

// A new employee with his salary and the period March 2014.
void TippeMaerz(TPersForm& form, const QString& gehalt) {
  Tippe(form, "MonatComboBox", "3");
  Tippe(form, "JahrComboBox", "2014");
  Tippe(form, "FamNameEdit", "Muster");
  Tippe(form, "GehaltEdit", gehalt);
}

std::vector<lohn::AbrechnungRecord> Abrechnungen() {
  std::vector<lohn::AbrechnungRecord> out;
  lohn::ScanAbrechnungRecords(kStem, lohn::kAbrechnungExt,
                              [&](const lohn::AbrechnungRecord& r) { out.push_back(r); });
  return out;
}

TEST(BerechnenGui, CalculatesSavesAndAsksBeforeRecalculating) {
  Umgebung u;
  TPersForm form(u.env.state);
  form.Vorbereiten();
  TippeMaerz(form, "2000");
  auto* knopf = Kind<QPushButton>(form, "BerechnenButon");
  EXPECT_EQ(knopf->text(), "Berechnen");

  knopf->click();
  EXPECT_EQ(Text(form, "NettoBetragEdit"), "1409,68");
  auto abr = Abrechnungen();
  ASSERT_EQ(abr.size(), 1u);
  EXPECT_EQ(lohn::FloatToStrFixed(abr[0].NettoBetragEdit, 15, 2), "1409,68");
  EXPECT_TRUE(u.env.dialogs.questions.empty());
  EXPECT_TRUE(Kind<QPushButton>(form, "TageslohnButton")->isEnabled());

  // The same month again, now with a stored payroll on screen.
  Tippe(form, "GehaltEdit", "2500");
  u.env.dialogs.answers = {true};
  knopf->click();
  EXPECT_EQ(u.env.dialogs.questions, std::vector<std::string>{lohn::kFrageUeberschreiben});
  // 2500 - 451.75 SV - 378.44 wage tax.
  EXPECT_EQ(Text(form, "NettoBetragEdit"), "1669,81");
  abr = Abrechnungen();
  ASSERT_EQ(abr.size(), 1u);
  EXPECT_EQ(lohn::FloatToStrFixed(abr[0].NettoBetragEdit, 15, 2), "1669,81");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(lohn::LockFileName(kStem, lohn::kLockSPE))));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(lohn::LockFileName(kStem, lohn::kLockSAB))));
}

TEST(BerechnenGui, PresentLockFileRefusesTheClick) {
  Umgebung u;
  TPersForm form(u.env.state);
  form.Vorbereiten();
  TippeMaerz(form, "2000");
  const std::string sperre = lohn::LockFileName(kStem, lohn::kLockSPE);
  testing_support::WriteText(sperre, "Daten (Typ) bearbeiten\r\n");
  const auto per = ReadBytes(kStem + ".PER");
  const auto abr = ReadBytes(kStem + ".ABR");
  const auto inhalt = ReadBytes(sperre);

  Kind<QPushButton>(form, "BerechnenButon")->click();
  EXPECT_EQ(u.env.dialogs.messages, std::vector<std::string>{lohn::kLockMessage});
  EXPECT_EQ(ReadBytes(kStem + ".PER"), per);
  EXPECT_EQ(ReadBytes(kStem + ".ABR"), abr);
  EXPECT_EQ(ReadBytes(sperre), inhalt);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(lohn::LockFileName(kStem, lohn::kLockSAB))));
  EXPECT_EQ(Text(form, "NettoBetragEdit"), "0");
}

}  // namespace
