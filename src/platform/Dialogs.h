#pragma once
// Every message and question of the program goes through this seam. Logic
// never opens a window itself; the Qt adapter shows message boxes, tests
// script the answers and record what was shown.

#include <optional>
#include <string>

namespace platform {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message box with an OK button. An empty caption means the
  // application title.
  virtual void ShowMessage(const std::string& text, const std::string& caption = {}) = 0;
  // A question with the buttons "Ja" and "Nein"; true for "Ja".
  virtual bool AskYesNo(const std::string& text, const std::string& caption = {}) = 0;
  // An input box; std::nullopt when it is cancelled.
  virtual std::optional<std::string> InputText(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& defaultText) = 0;
  // The same with the entry shown as "*".
  virtual std::optional<std::string> InputPassword(const std::string& caption,
                                                   const std::string& prompt,
                                                   const std::string& defaultText) = 0;
  // The login window at start; an empty text when it is cancelled.
  virtual std::string AskLoginPassword() = 0;
};

}  // namespace platform
