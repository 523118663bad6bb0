// The PDF route of the report viewer: notice, name dialog, file, shell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "frame/gui/ClickLabel.h"
#include "output/BerichtPdf.h"
#include "output/gui/BerichtPdf.h"
#include "output/gui/DruckShowForm.h"
#include "output/gui/PDFAuswahlForm.h"
#include "output/gui/PDFSpeichernUnterForm.h"
#include "support/Fakes.h"
#include "support/PdfTools.h"

namespace {

using namespace testing_support;

template <class T>
T* Modal() {
  return qobject_cast<T*>(QApplication::activeModalWidget());
}

TEST(PdfRoute, NoticeOnceThenTheNamedFileIsWrittenAndOpened) {
  TempWorkDir dir;
  TestEnv env;
  WriteText("alt.pdf", "alt");
  QWidget viewer;
  viewer.show();
  const std::string report = "Titel\r\nZeile (2)\r\n";
  const std::vector<std::uint8_t> bytes(report.begin(), report.end());

  bool gesehen = false;
  QTimer::singleShot(0, [&] {
    auto* hinweis = Modal<TPDFAuswahlForm>();
    ASSERT_NE(hinweis, nullptr);
    EXPECT_EQ(hinweis->windowTitle(), "PDF erstellen oder per e-Mail senden");
    EXPECT_TRUE(
        hinweis->Memo1->toPlainText().endsWith("mit dem integrierten Tool erstellt werden."));
    QTimer::singleShot(0, [&] {
      auto* d = Modal<TPDFSpeichernUnterForm>();
      ASSERT_NE(d, nullptr);
      EXPECT_EQ(d->DateiNameEdit->text(), "Quandrel");
      ASSERT_EQ(d->FileListBox1->count(), 1);
      d->FileListBox1->setCurrentRow(0);
      EXPECT_EQ(d->DateiNameEdit->text(), "alt");
      d->DateiNameEdit->setText("Handbuch");
      EXPECT_EQ(d->DateiNameEdit->text(), "Bericht");
      d->DateiNameEdit->setText("..");
      d->Button1->click();
      EXPECT_EQ(env.dialogs.messages, std::vector<std::string>{lohn::kPdfLeererName});
      EXPECT_TRUE(d->isVisible());
      d->DateiNameEdit->setText("Bericht");
      gesehen = true;
      d->Button1->click();
    });
    emit hinweis->Label1->clicked();
  });
  EXPECT_TRUE(SpeichereBerichtAlsPdf(&viewer, env.state, bytes, 10));
  EXPECT_TRUE(gesehen);
  EXPECT_TRUE(lohn::PdfHinweisAngezeigt());
  EXPECT_EQ(env.shell.opened, std::vector<std::string>{"Bericht.PDF"});
  EXPECT_NE(PdfText("Bericht.PDF", 1).find("Zeile [2]"), std::string::npos);

  // The marker skips the notice; the name stays; the close box cancels.
  gesehen = false;
  QTimer::singleShot(0, [&] {
    auto* d = Modal<TPDFSpeichernUnterForm>();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->DateiNameEdit->text(), "Bericht");
    gesehen = true;
    d->close();
  });
  EXPECT_FALSE(SpeichereBerichtAlsPdf(&viewer, env.state, bytes, 10));
  EXPECT_TRUE(gesehen);
  EXPECT_EQ(env.shell.opened.size(), 1u);
}

// Two viewers open: the PDF of the first holds its own lines.
TEST(PdfRoute, EachViewerWritesItsOwnReport) {
  TempWorkDir dir;
  TestEnv env;
  lohn::MerkePdfHinweis(env.state);
  auto ansicht = [](const std::string& text) {
    lohn::BerichtAnsicht a;
    a.bytes.assign(text.begin(), text.end());
    a.zeilen = lohn::ListenZeilen(a.bytes);
    return a;
  };
  TDruckShowForm a(env.state, ansicht("Liste A\r\nZeile A\r\n"), {});
  TDruckShowForm b(env.state, ansicht("Liste B\r\nZeile B\r\n"), {});
  a.show();
  b.show();
  QTimer::singleShot(0, [] {
    auto* d = Modal<TPDFSpeichernUnterForm>();
    ASSERT_NE(d, nullptr);
    d->DateiNameEdit->setText("A");
    d->Button1->click();
  });
  a.SpeedButton11->click();
  EXPECT_EQ(env.shell.opened, std::vector<std::string>{"A.PDF"});
  const std::string text = PdfText("A.PDF", 1);
  EXPECT_NE(text.find("Zeile A"), std::string::npos);
  EXPECT_EQ(text.find("Zeile B"), std::string::npos);
}

}  // namespace
