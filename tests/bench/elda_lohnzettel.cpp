// The annual wage slips of 5,000 employees with a year of payrolls (about
// 134 MB): one pass of each file must do, not scans per employee. Prints the
// time of the export 1-12 for all against its floor (one read of the
// employee and the payroll file and the synced write of .BG and .LF) and
// the records of the pair.

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "elda/Lohnzettel.h"
#include "support/Fakes.h"

using namespace lohn;

int main(int argc, char** argv) {
  bench::Ordner ordner(argc, argv, [] { bench::WriteEmployer(); });
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  env.state.Dienstgeber.DienstgeberDvrNr = "1234567";
  env.state.Dienstgeber.DienstgeberVersTraegerCode = "11";
  env.state.Dienstgeber.DienstgeberFinanzamtNr = "3";
  env.state.Dienstgeber.DienstgeberSteuerNr = "123/4567";
  const std::string name = "ELDA/" + bench::kStem + "20140112";
  std::vector<bench::BerichtLauf> laeufe{{"ELDA Lohnzettel .BG+.LF",
                                          [&] {
                                            BerichtOptionen o;
                                            o.bericht = Bericht::JahreslohnzettelElda;
                                            o.stem = bench::kStem;
                                            o.monatVon = 1, o.monatBis = 12, o.jahr = 2014;
                                            o.vonTag = 1, o.bisTag = 31;
                                            // Yes to replacing the pair, No to
                                            // opening the folder.
                                            env.dialogs.answers =
                                                std::filesystem::exists(name + ".BG")
                                                    ? std::deque<bool>{true, false}
                                                    : std::deque<bool>{false};
                                            return ExportEldaLohnzettel(env.state, o);
                                          },
                                          {name + ".BG", name + ".LF"}}};
  const int rc = bench::MesseBerichte(ordner, laeufe);
  if (!ordner.Peak().empty()) return rc;
  for (const std::string& m : env.dialogs.messages) std::printf("message: %s\n", m.c_str());
  auto datei = [](const std::string& pfad) {
    auto b = testing_support::ReadBytes(pfad);
    return std::string(b.begin(), b.end());
  };
  const std::string bg = datei(name + ".BG"), lf = datei(name + ".LF");
  auto saetze = [](const std::string& d) {
    std::size_t n = 1;
    for (std::size_t p = d.find("\r\n"); p != std::string::npos; p = d.find("\r\n", p + 2)) ++n;
    return n;
  };
  const std::size_t i1 = lf.find("\r\n") + 2;
  std::printf(".BG: %zu records, .LF: %zu records, I1 count %s\n", saetze(bg), saetze(lf),
              lf.size() >= i1 + 243 ? lf.substr(i1 + 236, 7).c_str() : "missing");
  return rc;
}
