#pragma once
// The state of the running program: what the original kept in globals, held
// in one struct that is passed by reference.

#include <array>
#include <cstdint>
#include <string>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "store/DienstgeberRecord.h"
#include "store/YearValues.h"

namespace lohn {

class BerichtKontext;

// The platform seams the logic talks to.
struct Services {
  platform::Dialogs& dialogs;
  platform::Shell& shell;
  const platform::Clock& clock;
};

constexpr std::size_t kProgramStateSize = 416;
constexpr std::size_t kGlobRecordSize = 3252;

struct AppState {
  // A failed shell start is reported through the program's dialogs.
  AppState(const YearValues& y, Services s) : year(y), services(s) {
    services.shell.MeldungenAn(&services.dialogs);
  }

  const YearValues& year;
  Services services;
  platform::Dialogs& dialogs() const { return services.dialogs; }

  // Program state (Lohnver.LOA): the loaded image keeps the reserved bytes.
  std::array<std::uint8_t, kProgramStateSize> programState{};
  std::string DataFileStem;
  std::string SecondStem;
  std::string Password;
  bool PrintLogoFlag = true;
  bool LogoFehltGemeldet = false;  // the missing-logo notice comes once a run
  bool PasswordAccepted = false;
  // The shared report text file; the main window names it when it is created.
  std::string ReportFileName;

  // Global settings (GLOB.DAT), read at start and never written again.
  std::array<std::uint8_t, kGlobRecordSize> GlobSettings{};

  std::string ProgramVersion;
  int EldaLfVersion = 0;
  int ReportMonthProposal = 0;
  // "Export für Excel": reports write ";"-separated cells.
  bool ExcelExportFlag = false;
  // The report run, owned by the main window.
  BerichtKontext* berichte = nullptr;
  // The refund bases for men from 56 as typed: current pay and special
  // payment of N15g, N25g, N15m, N25m, N15n, N25n. Kept for this run only.
  std::array<std::string, 12> RueckVerrAV56{"0", "0", "0", "0", "0", "0",
                                            "0", "0", "0", "0", "0", "0"};

  // The employer's record 1 as last loaded or saved, and the employer globals
  // taken from it (LoadDienstgeberDaten).
  DienstgeberRecord CurrentDienstgeber;
  DienstgeberGlobals Dienstgeber;
};

}  // namespace lohn
