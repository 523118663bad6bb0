#include "frame/Hilfe.h"

#include <algorithm>
#include <cerrno>

#include "store/FileUtil.h"

namespace lohn {

std::vector<std::string> SplitHilfeLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::optional<std::vector<std::string>> LoadHilfeText(const std::string& helpFileName,
                                                      platform::Dialogs& dialogs,
                                                      const std::string& programmOrdner) {
  int err = 0;
  auto text = ReadTextFileUtf8(helpFileName, &err);
  // Only a file that is not there sends us on; one that is there but cannot
  // be read is reported as it is.
  if (!text && err == ENOENT && !programmOrdner.empty())
    text = ReadTextFileUtf8(programmOrdner + "/" + helpFileName, &err);
  if (!text) {
    dialogs.ShowMessage("Die Hilfe-Datei \"" + helpFileName +
                        "\" kann nicht gelesen werden: " + IoErrorText(err));
    return std::nullopt;
  }
  return SplitHilfeLines(*text);
}

bool PrintHilfeText(platform::PrintCanvas& canvas, const std::string& title,
                    const std::vector<std::string>& lines, const std::string& fontFamily) {
  if (!canvas.BeginDoc(title)) return false;
  platform::PrintFont font;
  font.family = fontFamily;
  font.pointSize = 8;
  canvas.SetFont(font);
  const int lineHeight = std::max(1, canvas.LineHeight());
  int y = 0;
  for (const auto& line : lines) {
    if (y > 0 && y + lineHeight > canvas.PageHeight()) {
      canvas.NewPage();
      y = 0;
    }
    if (!line.empty()) canvas.TextOut(0, y, line);
    y += lineHeight;
  }
  canvas.EndDoc();
  return true;
}

}  // namespace lohn
