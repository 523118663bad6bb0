#pragma once
// Recording fakes of the platform seams and a temporary working folder.

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/PrintCanvas.h"
#include "platform/Shell.h"
#include "store/AppState.h"

namespace testing_support {

// Records every message and question; answers questions and inputs from
// scripted queues (an empty queue answers "Ja" / cancels an input).
class FakeDialogs : public platform::Dialogs {
 public:
  void ShowMessage(const std::string& text, const std::string& caption = {}) override;
  bool AskYesNo(const std::string& text, const std::string& caption = {}) override;
  std::optional<std::string> InputText(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) override;
  std::optional<std::string> InputPassword(const std::string& caption, const std::string& prompt,
                                           const std::string& defaultText) override;
  std::string AskLoginPassword() override;

  std::vector<std::string> messages;   // plain messages in order
  std::vector<std::string> questions;  // Yes/No questions in order
  std::vector<std::string> prompts;    // input prompts in order
  std::vector<std::string> shown;      // messages and questions interleaved
  std::deque<bool> answers;
  std::function<void()> beiFrage;  // runs before each Yes/No question is answered
  std::deque<std::optional<std::string>> inputs;
  std::optional<std::string> loginPassword;  // nullopt: cancelled
  int loginShown = 0;
};

class FakeShell : public platform::Shell {
 public:
  struct Start {
    std::string program;
    std::vector<std::string> args;
    bool hidden;
  };
  std::vector<std::string> opened;
  std::vector<Start> started;
  bool scheitert = false;  // every start fails, as without a desktop opener

 protected:
  bool OpenTarget(const std::string& target) override {
    if (!scheitert) opened.push_back(target);
    return !scheitert;
  }
  bool Start(const std::string& program, const std::vector<std::string>& args,
             bool hidden) override {
    if (!scheitert) started.push_back({program, args, hidden});
    return !scheitert;
  }
};

// Logs every call; a font with a cell height logs it as " cell N", a text
// colour as "color #rrggbb".
class FakePrintCanvas : public platform::PrintCanvas {
 public:
  bool BeginDoc(const std::string& title) override;
  void EndDoc() override { log.push_back("end"); }
  void NewPage() override { log.push_back("page"); }
  void SetFont(const platform::PrintFont& f) override;
  void TextOut(int x, int y, const std::string& text) override;
  void SetTextColor(std::uint32_t rgb) override;
  void DrawLine(int x1, int y1, int x2, int y2, int width) override;
  void DrawRect(int x, int y, int w, int h, int width) override;
  void DrawImage(int x, int y, int w, int h, const std::string& path) override;
  int TextWidth(const std::string& text) override;
  int LineHeight() override { return 42; }
  int PageWidth() override { return pageWidth; }
  int PageHeight() override { return pageHeight; }

  bool accept = true;
  int pageWidth = 2100;
  int pageHeight = 2970;
  // A character is 3/5 of the font's cell height wide (21 without one).
  int cellHeight = 0;
  std::vector<std::string> log;
};

// Creates a fresh folder, makes it the working directory and restores the
// previous one (removing the folder) when it goes out of scope.
class TempWorkDir {
 public:
  TempWorkDir();
  ~TempWorkDir();
  const std::filesystem::path& path() const { return dir_; }

 private:
  std::filesystem::path dir_;
  std::filesystem::path old_;
};

// Everything a core test needs: fakes and an AppState wired to them.
struct TestEnv {
  explicit TestEnv(const lohn::YearValues& year = lohn::kYear2014);
  FakeDialogs dialogs;
  FakeShell shell;
  platform::FixedClock clock{platform::DateTime{2014, 3, 15, 9, 5, 3, 127}};
  lohn::AppState state;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& p);
void WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes);
// Writes the text's bytes as they are (no line-end translation).
void WriteText(const std::filesystem::path& p, const std::string& text);

// A Windows bitmap of one white pixel, as the picture loader takes it.
std::string EinPixelBitmap();

}  // namespace testing_support
