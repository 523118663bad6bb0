// The L16 preview offscreen: over a modal window it takes clicks, the form
// is drawn without bitmaps, one window serves a run, positions are marked
// only in the developer mode, and a page printed into a PDF keeps the
// form's proportions on landscape paper.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QPageSize>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <set>

#include "fixtures/BerichtFixture.h"
#include "output/gui/DruckansichtL16_2007Form.h"
#include "platform/qt/QtPrintCanvas.h"
#include "reports/L16.h"
#include "reports/gui/BerichtFenster.h"
#include "support/PdfTools.h"

namespace {

using testing_support::BerichtFixture;

struct Umgebung {
  BerichtFixture f;
  lohn::BerichtKontext kontext{f.env.state};
  QWidget haupt;
  BerichtFenster fenster{f.env.state, kontext, &haupt};
  lohn::BerichtOptionen o = BerichtFixture::Optionen(lohn::Bericht::JahreslohnzettelL16, 1);
  Umgebung() {
    f.env.state.berichte = &kontext;
    o.monatBis = 12;
    o.bisTag = 31;
  }
};

lohn::L16Blatt EinText() {
  lohn::L16Blatt b;
  b.seiten[0].texte = {{129, 60, "1"}};
  return b;
}

void Klicke(QWidget* w) {
  QWidget* fenster = w->window();
  QTest::mouseClick(fenster->windowHandle(), Qt::LeftButton, {},
                    w->mapTo(fenster, w->rect().center()));
}

bool Gleich(const QImage& a, const QImage& b, const QRect& r) { return a.copy(r) == b.copy(r); }

TEST(L16Vorschau, OverAModalWindowItTakesClicks) {
  Umgebung u;
  u.haupt.show();
  QDialog modal(&u.haupt);
  bool geklickt = false;
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(0, [&] {
      TDruckansichtL16_2007Form* v = u.fenster.L16Vorschau();
      if (!v) return;
      EXPECT_EQ(v->parentWidget(), &modal);
      EXPECT_FALSE(v->ScrollBox2->isVisible());
      EXPECT_FALSE(v->SpeedButton1->isEnabled());
      Klicke(v->SpeedButton5);
      EXPECT_TRUE(v->ScrollBox2->isVisible());
      EXPECT_TRUE(v->SpeedButton1->isEnabled());
      Klicke(v->SpeedButton4);
      geklickt = !v->isVisible();
      v->close();
    });
    u.kontext.hooks.ZeigeL16(EinText(), true);
    modal.accept();
  });
  modal.exec();
  EXPECT_TRUE(geklickt);
}

TEST(L16Vorschau, FormDrawnWithoutBitmaps) {
  BerichtFixture f;
  TDruckansichtL16_2007Form form(f.env.state);
  const QImage leer = form.Bild(0);
  form.Setze(EinText());
  for (int seite : {0, 1}) EXPECT_EQ(form.Bild(seite).size(), QSize(1010, 1450));
  EXPECT_FALSE(Gleich(form.Bild(0), leer, QRect(129, 60, 20, 18)));
  EXPECT_TRUE(Gleich(form.Bild(0), leer, QRect(0, 300, 1010, 1150)));
  // The form itself: its frame and boxes.
  EXPECT_NE(leer.pixelColor(2, 700), QColor(Qt::white));
  EXPECT_NE(form.Bild(1).pixelColor(2, 700), QColor(Qt::white));
}

TEST(L16Vorschau, TwoSlipsOneWindow) {
  Umgebung u;
  std::set<QWidget*> fenster;
  int gezeigt = 0;
  QTimer t;
  QObject::connect(&t, &QTimer::timeout, [&] {
    TDruckansichtL16_2007Form* v = u.fenster.L16Vorschau();
    if (!v || !v->isVisible()) return;
    fenster.insert(v);
    ++gezeigt;
    v->close();
  });
  t.start(5);
  ASSERT_TRUE(lohn::PrintL16(u.f.env.state, u.o));
  EXPECT_EQ(gezeigt, 2);
  EXPECT_EQ(fenster, std::set<QWidget*>{u.fenster.L16Vorschau()});
  EXPECT_EQ(u.f.env.dialogs.questions,
            std::vector<std::string>{lohn::kL16Naechster});  // none after the last slip
}

TEST(L16Vorschau, PositionsMarkedOnlyInTheDeveloperMode) {
  BerichtFixture f;
  TDruckansichtL16_2007Form form(f.env.state);
  form.Setze(EinText());
  for (bool entwickler : {false, true}) {
    if (entwickler) testing_support::WriteText("developmentToos.cfg", "");
    form.show();
    EXPECT_EQ(form.Button4->isVisible(), entwickler);
    const QImage vorher = form.Bild(0);
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(100, 300));
    EXPECT_EQ(form.Bild(0) == vorher, !entwickler);
    form.hide();
  }
}

TEST(L16Vorschau, PageOnePrintedIntoAPdfKeepsItsProportions) {
  Umgebung u;
  u.o.personalNr = 2;
  lohn::L16Blatt blatt;
  u.kontext.hooks.ZeigeL16 = [&](const lohn::L16Blatt& b, bool) { blatt = b; };
  ASSERT_TRUE(lohn::PrintL16(u.f.env.state, u.o));
  auto fabrik = [](QWidget* w) {
    auto c = std::make_shared<platform::QtPrintCanvas>(w, false);
    c->printer().setOutputFileName("l16.pdf");
    c->printer().setPageSize(QPageSize(QPageSize::A4));
    c->printer().setPageOrientation(QPageLayout::Landscape);
    return c;
  };
  TDruckansichtL16_2007Form form(u.f.env.state, nullptr, fabrik);
  form.Setze(blatt);
  form.SpeedButton10->click();
  const auto check = testing_support::QpdfCheck("l16.pdf");
  EXPECT_EQ(check.code, 0) << check.out;
  EXPECT_EQ(testing_support::PdfPages("l16.pdf"), 1);
  EXPECT_NE(testing_support::PdfText("l16.pdf", 1).find("24000,00"), std::string::npos);

  ASSERT_EQ(testing_support::RunTool("pdftoppm -r 100 -png -singlefile l16.pdf seite").code, 0);
  const QImage seite("seite.png");
  ASSERT_FALSE(seite.isNull());
  QRect form1;
  for (int y = 0; y < seite.height(); ++y)
    for (int x = 0; x < seite.width(); ++x)
      if (qGray(seite.pixel(x, y)) < 128) form1 |= QRect(x, y, 1, 1);
  const double verhaeltnis = double(form1.width()) / form1.height();
  EXPECT_NEAR(verhaeltnis / (1010.0 / 1450.0), 1.0, 0.01) << form1.width() << "x" << form1.height();
}

}  // namespace
