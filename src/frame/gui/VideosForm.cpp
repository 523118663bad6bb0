#include "frame/gui/VideosForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyle>

#include "frame/Videos.h"
#include "frame/gui/ClickLabel.h"

TVideosForm::TVideosForm(platform::Shell& shell, QWidget* parent) : QDialog(parent), shell_(shell) {
  setObjectName("VideosForm");
  setWindowTitle("Schulungsvideos ansehen");

  auto* grid = new QGridLayout(this);
  int row = 0;
  auto heading = [&](const char* name, const char* text, bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    if (bold) {
      QFont f = label->font();
      f.setBold(true);
      label->setFont(f);
    }
    grid->addWidget(label, row++, 1);
  };

  const auto& links = lohn::VideoLinks();
  heading("Label31", "Starten Sie die Videos per Klick auf folgende Links:", false);
  heading("Label32", "Grundlagen und Abrechnung", true);
  for (std::size_t i = 0; i < links.size(); ++i) {
    // The reports to the authorities start with the contribution statement.
    if (i == 4) heading("Label33", "Berichte an Sozialversicherung und Finanzamt", true);
    const lohn::VideoLink& link = links[i];
    auto* label = new ClickLabel(QString::fromStdString(link.caption), this);
    label->setObjectName(QString::fromStdString(link.objectName));
    label->ShowAsLink();
    connect(label, &ClickLabel::clicked, this,
            [this, &link] { lohn::StartVideoLink(shell_, link); });
    grid->addWidget(label, row++, 1);
  }

  // The placeholders sit in a column of folder pictures beside the texts;
  // one without a text beside it would be a stray picture.
  const QPixmap folder = style()->standardIcon(QStyle::SP_DirIcon).pixmap(16, 16);
  const auto placeholders = lohn::VideoFolderLinks();
  for (std::size_t i = 0; i < placeholders.size() && int(i) < row; ++i) {
    auto* label = new ClickLabel({}, this);
    label->setObjectName(QString::fromStdString(placeholders[i].objectName));
    label->setPixmap(folder);
    connect(label, &ClickLabel::clicked, this,
            [this, link = placeholders[i]] { lohn::StartVideoLink(shell_, link); });
    grid->addWidget(label, int(i), 0);
  }
  grid->setColumnStretch(1, 1);
}
