#pragma once
// The reading side of every report: the employee file and the payroll rows
// per employee, each in one pass. A missing file holds no records; a file
// that is there but cannot be read (in use, not a plain file) gives
// "Personaldatei wird gerade verwendet" or "Abrechnungsdatei wird gerade
// verwendet" and stops the report, which then writes nothing.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>

#include "reports/AbrechnungenJePerson.h"
#include "reports/BerichtText.h"
#include "store/AppState.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"

namespace lohn {

namespace detail {

// Runs a pass unless the file is missing; false after `meldung` when the
// pass fails.
inline bool BerichtDateiLesen(AppState& state, const std::string& name, const char* meldung,
                              const std::function<bool()>& lesen) {
  std::error_code ec;
  if (!std::filesystem::exists(name, ec)) return true;
  if (lesen()) return true;
  state.dialogs().ShowMessage(FileInUseMessage(name, meldung));
  return false;
}

}  // namespace detail

// Every employee in file order, once: an employee stored twice counts by
// his last record, at its place, in every report and filing.
inline bool PersonalLesen(AppState& state, const std::string& stem,
                          const std::function<void(const PersonalRecord&)>& visit) {
  PersonalRecord p;  // one for every record: its texts keep their room
  return detail::BerichtDateiLesen(
      state, DataFileName(stem, kPersonalExt), kPersonaldateiVerwendet, [&] {
        return ScanLetztePersonalImages(stem, kPersonalExt, [&](const std::uint8_t* bild) {
          p.unpackFrom(bild);
          visit(p);
        });
      });
}

// The same over the record images, for reports that unpack only some.
inline bool PersonalBilderLesen(AppState& state, const std::string& stem,
                                const std::function<void(const std::uint8_t*)>& visit) {
  return detail::BerichtDateiLesen(
      state, DataFileName(stem, kPersonalExt), kPersonaldateiVerwendet,
      [&] { return ScanLetztePersonalImages(stem, kPersonalExt, visit); });
}

// The payroll rows per employee (AbrechnungenJePerson over "<stem>.ABR"),
// unpacking only `felder`: the fields `zeile` reads.
template <class Zeile, class Macher>
bool AbrechnungenLesen(AppState& state, const std::string& stem, const AbrechnungFelder& felder,
                       const std::function<bool(const AbrechnungKey&)>& filter, const Macher& zeile,
                       ZeilenJePerson<Zeile>& aus) {
  aus.clear();
  return detail::BerichtDateiLesen(
      state, DataFileName(stem, kAbrechnungExt), kAbrechnungsdateiVerwendet, [&] {
        if constexpr (std::is_invocable_v<const Macher&, const AbrechnungRecord&>)
          return AbrechnungenJePerson<Zeile>(
              stem, kAbrechnungExt, felder, filter,
              [&](const AbrechnungRecord& r, const std::uint8_t*) -> std::optional<Zeile> {
                return zeile(r);
              },
              aus);
        else
          return AbrechnungenJePerson<Zeile>(stem, kAbrechnungExt, felder, filter, zeile, aus);
      });
}

}  // namespace lohn
