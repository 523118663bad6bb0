#pragma once
// The external PDF tools the tests check produced files with.

#include <string>

namespace testing_support {

// The standard output of a shell command (stderr joined), and its exit code.
struct ToolResult {
  std::string out;
  int code = -1;
};
ToolResult RunTool(const std::string& command);

// `qpdf --check` of the file.
ToolResult QpdfCheck(const std::string& path);
// Number of pages, or -1.
int PdfPages(const std::string& path);
// The text of pages first to last (0: to the end), with -layout when asked.
std::string PdfText(const std::string& path, int first, int last = 0, bool layout = false);

}  // namespace testing_support
