#pragma once
#include <QLabel>

// A label that acts as a link: it reports a click with the left button.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);
  // Blue and underlined, as a text link looks.
  void ShowAsLink();

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
};
