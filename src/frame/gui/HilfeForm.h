#pragma once
#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/PrintCanvas.h"

class QListWidget;
class QToolButton;

// Shows a reference text and prints it; ZeigeHilfeText below opens one.
class THilfeForm : public QDialog {
  Q_OBJECT
 public:
  // Makes the canvas to print on; by default a printer behind the print
  // dialog. Shared, so that a test can keep looking at what was drawn.
  using CanvasFactory = std::function<std::shared_ptr<platform::PrintCanvas>(QWidget*)>;

  THilfeForm(platform::Dialogs& dialogs, std::string helpFileName, QWidget* parent = nullptr,
             CanvasFactory canvasFactory = {});

  // False when the file could not be read (the user has been told).
  bool Loaded() const { return loaded_; }

  QListWidget* HilfeListBox;
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton2;

 private:
  void SpeedButton1Click();

  std::string helpFileName_;
  std::vector<std::string> lines_;
  bool loaded_ = false;
  CanvasFactory canvasFactory_;
};

// Opens the reference text `file` under `title` beside the caller's window;
// it deletes itself when closed.
THilfeForm* ZeigeHilfeText(platform::Dialogs& dialogs, const std::string& file,
                           const QString& title, QWidget* parent);
