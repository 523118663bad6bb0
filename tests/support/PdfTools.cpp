#include "support/PdfTools.h"

#include <sys/wait.h>

#include <cstdio>

namespace testing_support {

namespace {
std::string Quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}
}  // namespace

ToolResult RunTool(const std::string& command) {
  ToolResult r;
  FILE* p = popen((command + " 2>&1").c_str(), "r");
  if (!p) return r;
  char buf[4096];
  std::size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  int status = pclose(p);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

ToolResult QpdfCheck(const std::string& path) { return RunTool("qpdf --check " + Quoted(path)); }

int PdfPages(const std::string& path) {
  ToolResult r = RunTool("qpdf --show-npages " + Quoted(path));
  return r.code == 0 ? std::stoi(r.out) : -1;
}

std::string PdfText(const std::string& path, int first, int last, bool layout) {
  std::string cmd = "pdftotext -enc UTF-8 -f " + std::to_string(first);
  if (last > 0) cmd += " -l " + std::to_string(last);
  if (layout) cmd += " -layout";
  return RunTool(cmd + " " + Quoted(path) + " -").out;
}

}  // namespace testing_support
