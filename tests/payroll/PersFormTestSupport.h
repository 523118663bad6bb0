#pragma once
// Employee and payroll files for the employee-window tests, and a model that
// has gone through the window's creation.

#include <memory>
#include <string>
#include <vector>

#include "payroll/PersFormFenster.h"
#include "payroll/PersFormModel.h"
#include "store/AbrechnungRecord.h"
#include "store/PersonalRecord.h"
#include "support/Fakes.h"

namespace persform_test {

inline const std::string kStem = "MUSTER";

inline lohn::PersonalRecord Person(std::int32_t nr, const std::string& name) {
  lohn::PersonalRecord r;
  r.PersNrEdit = nr;
  r.FamNameEdit = name;
  r.BeitragsgruppeComboBox = "D1";
  return r;
}

inline void WritePersonal(const std::vector<lohn::PersonalRecord>& recs) {
  std::vector<std::uint8_t> all;
  for (const auto& r : recs) {
    lohn::PersonalBytes b = r.pack();
    all.insert(all.end(), b.begin(), b.end());
  }
  testing_support::WriteBytes(kStem + ".PER", all);
}

inline lohn::AbrechnungRecord Abrechnung(std::int32_t nr, std::int32_t monat) {
  lohn::AbrechnungRecord r;
  r.PersNrEdit = nr;
  r.MonatComboBox = monat;
  r.JahrComboBox = 2014;
  return r;
}

inline void WriteAbrechnungen(const std::vector<lohn::AbrechnungRecord>& recs) {
  std::vector<std::uint8_t> all;
  for (const auto& r : recs) {
    lohn::AbrechnungBytes b = r.pack();
    all.insert(all.end(), b.begin(), b.end());
  }
  testing_support::WriteBytes(kStem + ".ABR", all);
}

// A working folder with the employer's files, the fakes and a model that the
// window's creation has prepared.
struct Fenster {
  explicit Fenster(const std::vector<lohn::PersonalRecord>& personal = {}) {
    WritePersonal(personal);
    WriteAbrechnungen({});
    env.state.DataFileStem = kStem;
    lohn::PersFormCreate(env.state, f);
  }
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  lohn::PersFormModel f;
  testing_support::FakeDialogs& dialogs() { return env.dialogs; }
};

}  // namespace persform_test
