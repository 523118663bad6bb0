#include "support/Fakes.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

namespace testing_support {

void FakeDialogs::ShowMessage(const std::string& text, const std::string&) {
  messages.push_back(text);
  shown.push_back(text);
}

bool FakeDialogs::AskYesNo(const std::string& text, const std::string&) {
  questions.push_back(text);
  shown.push_back(text);
  if (beiFrage) beiFrage();
  if (answers.empty()) return true;
  bool a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> FakeDialogs::InputText(const std::string&, const std::string& prompt,
                                                  const std::string&) {
  prompts.push_back(prompt);
  if (inputs.empty()) return std::nullopt;
  auto a = inputs.front();
  inputs.pop_front();
  return a;
}

std::optional<std::string> FakeDialogs::InputPassword(const std::string& caption,
                                                      const std::string& prompt,
                                                      const std::string& def) {
  return InputText(caption, prompt, def);
}

std::string FakeDialogs::AskLoginPassword() {
  ++loginShown;
  return loginPassword.value_or("");
}

bool FakePrintCanvas::BeginDoc(const std::string& title) {
  log.push_back("begin " + title);
  return accept;
}

void FakePrintCanvas::SetFont(const platform::PrintFont& f) {
  cellHeight = f.cellHeight;
  log.push_back("font " + f.family + " " + std::to_string(int(f.pointSize)) +
                (f.bold ? " bold" : "") +
                (f.cellHeight ? " cell " + std::to_string(f.cellHeight) : ""));
}

void FakePrintCanvas::TextOut(int x, int y, const std::string& text) {
  log.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " + text);
}

void FakePrintCanvas::SetTextColor(std::uint32_t rgb) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "#%06x", unsigned(rgb & 0xffffff));
  log.push_back(std::string("color ") + buf);
}

void FakePrintCanvas::DrawLine(int x1, int y1, int x2, int y2, int width) {
  log.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + " " + std::to_string(x2) +
                "," + std::to_string(y2) + " " + std::to_string(width));
}

void FakePrintCanvas::DrawRect(int x, int y, int w, int h, int width) {
  log.push_back("rect " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(w) +
                "x" + std::to_string(h) + " " + std::to_string(width));
}

void FakePrintCanvas::DrawImage(int x, int y, int w, int h, const std::string& path) {
  log.push_back("image " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(w) +
                "x" + std::to_string(h) + " " + path);
}

int FakePrintCanvas::TextWidth(const std::string& text) {
  return int(text.size()) * (cellHeight > 0 ? cellHeight * 3 / 5 : 21);
}

TempWorkDir::TempWorkDir() {
  old_ = std::filesystem::current_path();
  std::random_device rd;
  dir_ = std::filesystem::temp_directory_path() /
         ("lohntest-" + std::to_string(getpid()) + "-" + std::to_string(rd()));
  std::filesystem::create_directories(dir_);
  std::filesystem::current_path(dir_);
}

TempWorkDir::~TempWorkDir() {
  std::error_code ec;
  std::filesystem::current_path(old_, ec);
  std::filesystem::remove_all(dir_, ec);
}

TestEnv::TestEnv(const lohn::YearValues& year)
    : state(year, lohn::Services{dialogs, shell, clock}) {}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void WriteText(const std::filesystem::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary | std::ios::trunc) << text;
}

std::string EinPixelBitmap() {
  std::string b = "BM";
  auto le = [&](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b += char((v >> (8 * i)) & 0xff);
  };
  le(58, 4), le(0, 4), le(54, 4);                      // file header
  le(40, 4), le(1, 4), le(1, 4), le(1, 2), le(24, 2);  // info header
  le(0, 4), le(4, 4), le(2835, 4), le(2835, 4), le(0, 4), le(0, 4);
  return b + std::string("\xff\xff\xff\0", 4);
}

}  // namespace testing_support
