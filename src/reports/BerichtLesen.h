#pragma once
// The reading side of a report: the employee file and the payroll rows per
// employee, each in one pass. A missing file holds no records; a file that
// cannot be read is reported and stops the report.

#include <cerrno>
#include <functional>
#include <optional>
#include <string>

#include "reports/AbrechnungenJePerson.h"
#include "store/AppState.h"
#include "store/FileUtil.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"

namespace lohn {

// Every employee in file order; false after the message when the file
// cannot be read.
inline bool PersonalLesen(AppState& state, const std::string& stem,
                          const std::function<void(const PersonalRecord&)>& visit) {
  const std::string name = DataFileName(stem, kPersonalExt);
  if (!FileExists(name)) return true;
  errno = 0;
  if (ScanPersonalRecords(stem, kPersonalExt, visit)) return true;
  state.dialogs().ShowMessage(ReadFailedMessage(name, errno ? errno : EIO));
  return false;
}

// The payroll rows per employee (AbrechnungenJePerson over "<stem>.ABR");
// false after the message when the file cannot be read.
template <class Zeile>
bool AbrechnungenLesen(AppState& state, const std::string& stem,
                       const std::function<bool(const AbrechnungKey&)>& filter,
                       const std::function<std::optional<Zeile>(const AbrechnungRecord&)>& zeile,
                       ZeilenJePerson<Zeile>& aus) {
  aus.clear();
  const std::string name = DataFileName(stem, kAbrechnungExt);
  if (!FileExists(name)) return true;
  errno = 0;
  if (AbrechnungenJePerson<Zeile>(stem, kAbrechnungExt, filter, zeile, aus)) return true;
  state.dialogs().ShowMessage(ReadFailedMessage(name, errno ? errno : EIO));
  return false;
}

}  // namespace lohn
