#pragma once
#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "output/L16Formular.h"
#include "platform/PrintCanvas.h"
#include "store/AppState.h"

class ClickLabel;
class QLabel;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QToolButton;

// "Jahreslohnzettel mit Formular L16": the two pages of one employee's slip,
// one at its natural size or both side by side with zoom, each printed on
// its own. One window serves a whole report run; every slip replaces the
// previous one. The pages are drawn by the same routine as on paper.
class TDruckansichtL16_2007Form : public QDialog {
  Q_OBJECT
 public:
  // Makes the canvas to print on, once per window; by default a printer
  // behind the print dialog.
  using CanvasFactory = std::function<std::shared_ptr<platform::PrintCanvas>(QWidget*)>;

  TDruckansichtL16_2007Form(lohn::AppState& state, QWidget* parent = nullptr,
                            CanvasFactory canvasFactory = {});

  // Draws the slip's pages in place of the previous ones.
  void Setze(const lohn::L16Blatt& blatt);
  // The same, then the window modally, maximised, until it is closed.
  void Zeige(const lohn::L16Blatt& blatt);
  // Page 0 or 1 as drawn, 1010 x 1450 pixels.
  const QImage& Bild(int seite) const { return bilder_[std::size_t(seite)]; }

  QScrollArea* ScrollBox1;
  QScrollArea* ScrollBox2;
  QLabel* Image1;
  QLabel* Image2;
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton2;
  QToolButton* SpeedButton3;
  QToolButton* SpeedButton4;
  QToolButton* SpeedButton5;
  QToolButton* SpeedButton6;
  QToolButton* SpeedButton7;
  QToolButton* SpeedButton8;
  QToolButton* SpeedButton9;
  QToolButton* SpeedButton10;
  QToolButton* SpeedButton11;
  QToolButton* SpeedButton12;
  QToolButton* SpeedButton13;
  ClickLabel* Label1;
  ClickLabel* Label3;
  QPushButton* Button4;
  QStatusBar* StatusBar1;

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* objekt, QEvent* e) override;

 private:
  void Zeichne(std::size_t seite);
  void Anzeigen();
  void Einzelseite(int seite);
  void Nebeneinander();
  void Zoom(bool vergroessern);
  void Drucke(int seite);
  void DruckerEinrichten();
  void Button4Click();
  platform::PrintCanvas& Drucker();

  lohn::AppState& state_;
  CanvasFactory canvasFactory_;
  std::shared_ptr<platform::PrintCanvas> drucker_;
  std::array<lohn::L16Seite, 2> seiten_;
  std::array<QImage, 2> bilder_;
  // The user's form bitmaps, loaded once for the window's run.
  std::map<std::string, QImage> bitmaps_;
  bool nebeneinander_ = false;
  lohn::L16Groesse groesse_;  // of each page side by side
};
