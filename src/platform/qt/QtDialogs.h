#pragma once
#include <QString>

#include "platform/Dialogs.h"

namespace platform {

// Message boxes and input boxes of Qt, with German buttons.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(std::string appTitle) : title_(std::move(appTitle)) {}
  void ShowMessage(const std::string& text, const std::string& caption = {}) override;
  bool AskYesNo(const std::string& text, const std::string& caption = {}) override;
  std::optional<std::string> InputText(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) override;
  std::optional<std::string> InputPassword(const std::string& caption, const std::string& prompt,
                                           const std::string& defaultText) override;
  std::string AskLoginPassword() override;

 private:
  QString Caption(const std::string& caption) const;
  std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                   const std::string& defaultText, bool masked);
  std::string title_;
};

}  // namespace platform
