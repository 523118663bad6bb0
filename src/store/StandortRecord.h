#pragma once
// A site (Standort) of the employer in <stem>.STO: records of 2420 bytes in
// the employee record's layout, written by the separate site-data program.
// Only the fields this program reads have members.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace lohn {

inline constexpr std::size_t kStandortRecordSize = 2420;
inline constexpr const char* kStandortExt = "STO";

struct StandortRecord {
  std::int32_t Nummer = 0;              // site number, the key
  std::string Geschaeftsfuehrer;        // managing director
  std::string Strasse;                  // street
  std::int32_t Plz = 0;                 // postcode
  std::string Ort;                      // town
  std::string KommStNr;                 // Kommunalsteuer number
  std::string AdressZusatz;             // a further address line
  std::string GemeindeKz;               // municipality code (Gemeindekennziffer)
  std::int32_t AnzahlDienstnehmer = 0;  // number of employees

  static StandortRecord unpack(const std::uint8_t* bytes);
  // The program never writes .STO; this serves test fixtures.
  std::array<std::uint8_t, kStandortRecordSize> pack() const;

  bool operator==(const StandortRecord&) const = default;
};

// The last record with this site number in stem + "." + ext; nothing when
// there is none or the file is missing or unreadable.
std::optional<StandortRecord> ReadStandortRecord(const std::string& stem, const std::string& ext,
                                                 std::int32_t number);

// Every site of stem + "." + ext by its number, the last record of a number
// winning, from one pass; empty when the file is missing or unreadable.
std::map<std::int32_t, StandortRecord> ReadAllStandortRecords(const std::string& stem,
                                                              const std::string& ext);

}  // namespace lohn
