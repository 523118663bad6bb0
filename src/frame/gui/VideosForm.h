#pragma once
#include <QDialog>

#include "platform/Shell.h"

// Links that start the training videos, the registration guide and the
// manual.
class TVideosForm : public QDialog {
  Q_OBJECT
 public:
  explicit TVideosForm(platform::Shell& shell, QWidget* parent = nullptr);

 private:
  platform::Shell& shell_;
};
