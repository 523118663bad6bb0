#pragma once
#include <QDialog>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/PrintCanvas.h"

class QListWidget;
class QToolButton;

// Shows the lines of a reference text and prints them; ZeigeHilfeText below
// reads the text and opens one.
class THilfeForm : public QDialog {
  Q_OBJECT
 public:
  // Makes the canvas to print on; by default a printer behind the print
  // dialog. Shared, so that a test can keep looking at what was drawn.
  using CanvasFactory = std::function<std::shared_ptr<platform::PrintCanvas>(QWidget*)>;

  THilfeForm(std::string helpFileName, std::vector<std::string> lines, QWidget* parent = nullptr,
             CanvasFactory canvasFactory = {});

  QListWidget* HilfeListBox;
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton2;

 private:
  void SpeedButton1Click();

  std::string helpFileName_;
  std::vector<std::string> lines_;
  CanvasFactory canvasFactory_;
};

// Opens the reference text `file` under `title` beside the caller's window,
// at `pos` when given; it deletes itself when closed. The text is looked for
// in the working directory, then in the program's folder. A text that cannot
// be read gives the message and no window: nullptr then.
THilfeForm* ZeigeHilfeText(platform::Dialogs& dialogs, const std::string& file,
                           const QString& title, QWidget* parent,
                           std::optional<QPoint> pos = std::nullopt);
