#include "output/gui/BerichtPdf.h"

#include <QLineEdit>
#include <QString>

#include "output/BerichtPdf.h"
#include "output/gui/PDFAuswahlForm.h"
#include "output/gui/PDFSpeichernUnterForm.h"
#include "output/gui/PDFvorbereitenForm.h"

namespace {
// The name dialog shows the name entered last, from whichever viewer.
QString& ZuletztEingegeben() {
  static QString name;
  return name;
}
}  // namespace

bool SpeichereBerichtAlsPdf(QWidget* parent, lohn::AppState& state,
                            const std::vector<std::uint8_t>& bytes, int schriftgrad) {
  if (!lohn::PdfHinweisAngezeigt()) {
    TPDFAuswahlForm hinweis(state, parent);
    hinweis.exec();
  }
  TPDFSpeichernUnterForm name(state, parent);
  name.DateiNameEdit->setText(ZuletztEingegeben());
  name.exec();
  ZuletztEingegeben() = name.DateiNameEdit->text();
  if (!name.Datei()) return false;

  TPDFvorbereitenForm fortschritt(parent);
  fortschritt.show();
  fortschritt.Zeige(" ");
  bool geschrieben = lohn::SchreibeBerichtPdf(
      state, bytes, schriftgrad, *name.Datei(),
      [&](const std::string& t) { fortschritt.Zeige(QString::fromStdString(t)); });
  fortschritt.close();
  return geschrieben;
}
