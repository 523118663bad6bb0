#include "support/ZweiProzesse.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <utility>

namespace testing_support {

std::array<std::vector<std::string>, 2> ZweiProzesse(
    int runden, const std::function<std::string(int, int)>& lauf) {
  int start[2];
  if (::pipe(start) != 0) return {};
  std::array<int, 2> lesen{-1, -1};
  std::array<pid_t, 2> pid{-1, -1};
  for (int p = 0; p < 2; ++p) {
    int aus[2];
    if (::pipe(aus) != 0) break;
    pid[p] = ::fork();
    if (pid[p] == 0) {
      ::close(start[1]);
      ::close(aus[0]);
      char c;
      while (::read(start[0], &c, 1) > 0) {
      }  // released when the parent closes its end
      for (int r = 0; r < runden; ++r) {
        const std::string zeile = lauf(p, r) + "\n";
        if (::write(aus[1], zeile.data(), zeile.size()) < 0) break;
      }
      ::_exit(0);
    }
    ::close(aus[1]);
    lesen[p] = aus[0];
  }
  ::close(start[0]);
  ::close(start[1]);
  std::array<std::vector<std::string>, 2> ergebnis;
  for (int p = 0; p < 2; ++p) {
    if (lesen[p] < 0) continue;
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = ::read(lesen[p], buf, sizeof buf)) > 0;) text.append(buf, std::size_t(n));
    ::close(lesen[p]);
    for (std::size_t a = 0, e; (e = text.find('\n', a)) != std::string::npos; a = e + 1)
      ergebnis[p].push_back(text.substr(a, e - a));
  }
  for (pid_t x : pid)
    if (x > 0) ::waitpid(x, nullptr, 0);
  return ergebnis;
}

std::string OhneSchreibrecht(const std::function<std::string()>& lauf) {
  namespace fs = std::filesystem;
  constexpr fs::perms kSchreiben =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  std::vector<std::pair<fs::path, fs::perms>> modi{{".", fs::status(".").permissions()}};
  for (const auto& e : fs::directory_iterator("."))
    if (e.is_regular_file()) modi.emplace_back(e.path(), e.status().permissions());
  for (const auto& [pfad, modus] : modi) fs::permissions(pfad, modus & ~kSchreiben);
  std::string text;
  int aus[2];
  if (::pipe(aus) == 0) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(aus[0]);
      constexpr uid_t kNobody = 65534;
      const bool gewechselt =
          ::geteuid() != 0 || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
      const std::string ergebnis = gewechselt && ::faccessat(AT_FDCWD, ".", W_OK, AT_EACCESS) != 0
                                       ? lauf()
                                       : std::string(kSchreibrechtBleibt);
      if (::write(aus[1], ergebnis.data(), ergebnis.size()) < 0) ::_exit(1);
      ::_exit(0);
    }
    ::close(aus[1]);
    char buf[4096];
    for (ssize_t n; (n = ::read(aus[0], buf, sizeof buf)) > 0;) text.append(buf, std::size_t(n));
    ::close(aus[0]);
    if (pid > 0) ::waitpid(pid, nullptr, 0);
  }
  for (const auto& [pfad, modus] : modi) fs::permissions(pfad, modus);
  return text;
}

}  // namespace testing_support
