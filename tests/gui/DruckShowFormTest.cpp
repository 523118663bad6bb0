// The report viewer offscreen: each viewer prints and hands over its own
// report, a real print reaches a PDF file whole, the font choice holds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPageSize>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "output/DruckShow.h"
#include "output/DruckeBericht.h"
#include "output/gui/DruckShowForm.h"
#include "platform/qt/QtPrintCanvas.h"
#include "support/Fakes.h"
#include "support/PdfTools.h"

namespace {

using testing_support::FakePrintCanvas;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;

lohn::BerichtAnsicht Ansicht(const std::string& titel, int zeilen) {
  std::string text = titel + "\r\n";
  for (int i = 2; i <= zeilen; ++i) text += "Zeile " + std::to_string(i) + "\r\n";
  lohn::BerichtAnsicht a;
  a.bytes.assign(text.begin(), text.end());
  a.zeilen = lohn::ListenZeilen(a.bytes);
  return a;
}

TEST(DruckShowForm, EachViewerPrintsAndHandsOverItsOwnReport) {
  TempWorkDir dir;
  TestEnv env;
  env.state.PrintLogoFlag = false;
  auto canvas = std::make_shared<FakePrintCanvas>();
  auto fabrik = [&](QWidget*) { return canvas; };
  TDruckShowForm a(env.state, Ansicht("Liste A", 3), {}, nullptr, fabrik);
  TDruckShowForm b(env.state, Ansicht("Liste B", 5), {}, nullptr, fabrik);

  a.SpeedButton13->click();
  EXPECT_EQ(canvas->log[3], "text 100,95 Liste A");
  EXPECT_EQ(canvas->log.size(), 8u);  // begin, fonts, three lines, end
  a.SpeedButton12->click();
  EXPECT_EQ(ReadBytes(lohn::kQuanTxtFile), a.Bytes());
  EXPECT_EQ(env.shell.opened, std::vector<std::string>{lohn::kQuanTxtFile});
  EXPECT_TRUE(a.SpeedButton6->isHidden());
  EXPECT_TRUE(env.dialogs.messages.empty());
}

TEST(DruckShowForm, RealPrintIntoAPdfFile) {
  TempWorkDir dir;
  TestEnv env;
  env.state.PrintLogoFlag = false;
  for (bool quer : {false, true}) {
    const std::string datei = quer ? "quer.pdf" : "hoch.pdf";
    auto fabrik = [&](QWidget* w) {
      auto c = std::make_shared<platform::QtPrintCanvas>(w, false);
      c->printer().setOutputFileName(QString::fromStdString(datei));
      c->printer().setPageSize(QPageSize(QPageSize::A4));
      c->printer().setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
      return c;
    };
    const int zeilen = quer ? 200 : 80;
    TDruckShowForm form(env.state, Ansicht("Titel", zeilen), {}, nullptr, fabrik);
    form.SchriftgradComboBox->setCurrentText(quer ? "7" : "10");
    form.SpeedButton13->click();
    EXPECT_TRUE(form.isEnabled());
    const auto check = testing_support::QpdfCheck(datei);
    EXPECT_EQ(check.code, 0) << check.out;

    const std::string text = "\n" + testing_support::PdfText(datei, quer ? 1 : 2, quer ? 0 : 2);
    if (!quer) {
      EXPECT_NE(text.find("\nSeite: 2\n"), std::string::npos) << text;
      EXPECT_NE(text.find("\nZeile 74\n"), std::string::npos) << text;
      continue;
    }
    // Landscape at size 7: every line on paper, each exactly once.
    for (int i = 2; i <= zeilen; ++i) {
      const std::string z = "\nZeile " + std::to_string(i) + "\n";
      const auto erste = text.find(z);
      EXPECT_NE(erste, std::string::npos) << z;
      EXPECT_EQ(text.find(z, erste + 1), std::string::npos) << z;
    }
  }
}

// The wage accounts (lines of 211 characters, a short last line) in a viewer
// over a modal window: every line whole in the list, which scrolls to its
// end; the viewer's one printer starts in landscape, prints the last column
// on every page and keeps the user's later choice; the viewer stays active.
TEST(DruckShowForm, WageAccountsWholeOnScreenAndOnLandscapePaper) {
  TempWorkDir dir;
  TestEnv env;
  env.state.PrintLogoFlag = false;
  const auto konto = ReadBytes(std::string(LOHN_GOLDEN_DIR) + "/reports/lohnkonto_dn2.txt");
  lohn::BerichtAnsicht a;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) a.bytes.push_back('\f');
    a.bytes.insert(a.bytes.end(), konto.begin(), konto.end());
  }
  a.zeilen = lohn::ListenZeilen(a.bytes);
  std::vector<std::shared_ptr<platform::QtPrintCanvas>> drucker;
  auto fabrik = [&](QWidget* w) {
    drucker.push_back(std::make_shared<platform::QtPrintCanvas>(w, false));
    drucker.back()->printer().setOutputFileName("konto.pdf");
    drucker.back()->printer().setPageSize(QPageSize(QPageSize::A4));
    return drucker.back();
  };
  QDialog modal;
  modal.setModal(true);
  modal.show();
  TDruckShowForm form(env.state, a, {7, true, 8}, &modal, fabrik);
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_TRUE(form.screen()->availableGeometry().contains(form.frameGeometry()));
  QListWidget* liste = form.ListBox1;
  EXPECT_EQ(liste->textElideMode(), Qt::ElideNone);
  QListWidgetItem* breit = liste->item(11);
  ASSERT_EQ(breit->text().size(), 210);
  for (const char* grad : {"8", "12"}) {  // the list's own size, then a larger one
    form.SchriftgradComboBox->setCurrentText(grad);
    QApplication::processEvents();
    const int breite = QFontMetrics(liste->font()).horizontalAdvance(breit->text());
    QScrollBar* quer = liste->horizontalScrollBar();
    quer->setValue(quer->maximum());
    const QRect zeile = liste->visualItemRect(breit);
    EXPECT_GE(zeile.width(), breite) << grad;
    EXPECT_LE(zeile.x() + breite, liste->viewport()->width()) << grad;
  }

  form.SchriftgradComboBox->setCurrentText("7");
  form.SpeedButton13->click();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(drucker[0]->printer().pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_TRUE(env.dialogs.messages.empty());
  ASSERT_EQ(testing_support::PdfPages("konto.pdf"), 3);
  for (int seite = 1; seite <= 3; ++seite) {
    const std::string text = testing_support::PdfText("konto.pdf", seite, seite, true);
    // pdftotext's spacing varies: the last column's head and values.
    for (const char* netto : {" Netto\n", " 1409.68\n", " 16916.16\n"})
      EXPECT_NE(text.find(netto), std::string::npos) << seite << netto << text;
  }
  drucker[0]->SetQuerformat(false);  // as the print dialog would
  form.SpeedButton13->click();
  EXPECT_EQ(drucker.size(), 1u);
  EXPECT_EQ(drucker[0]->printer().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(DruckShowForm, SizeBoxFixedAndChosenFontSurvivesResize) {
  TempWorkDir dir;
  TestEnv env;
  TDruckShowForm form(env.state, Ansicht("Titel", 2), {});
  EXPECT_FALSE(form.SchriftgradComboBox->isEditable());
  EXPECT_EQ(form.SchriftgradComboBox->itemText(0), "6");
  EXPECT_EQ(form.SchriftgradComboBox->itemText(12), "18");
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.FontCombobox->currentText(), lohn::kStandardSchrift);
  EXPECT_NE(form.FontCombobox->findText("Zeige alle ..."), -1);

  const QString gewaehlt = "DejaVu Sans Mono";
  ASSERT_NE(form.FontCombobox->findText(gewaehlt), -1);
  emit form.FontCombobox->textActivated(gewaehlt);
  form.resize(form.width() - 100, form.height() - 50);
  form.hide();
  form.show();
  QApplication::processEvents();
  EXPECT_EQ(form.ListBox1->font().family(), gewaehlt);
  EXPECT_EQ(form.FontCombobox->currentText(), gewaehlt);

  // Closing keeps the name alone (this window lives on the stack).
  form.setAttribute(Qt::WA_DeleteOnClose, false);
  form.close();
  const std::string name = gewaehlt.toStdString();
  EXPECT_EQ(ReadBytes(lohn::kBerichtFontFile), std::vector<std::uint8_t>(name.begin(), name.end()));
}

}  // namespace
