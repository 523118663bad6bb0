#pragma once
// The employer's record in <stem>.ADR: 4136 bytes, numbered by the int16 at
// offset 3574; number 1 is the employer itself. The field names are the
// controls of the employer data window, which do not match their meanings
// (the comments give the window's labels). Reserved fields have no member:
// every record this program writes holds 0 there.

#include <array>
#include <cstdint>
#include <string>

namespace lohn {

inline constexpr std::size_t kDienstgeberRecordSize = 4136;
inline constexpr std::int16_t kDienstgeberEigeneNummer = 1;

using DienstgeberBytes = std::array<std::uint8_t, kDienstgeberRecordSize>;

struct DienstgeberRecord {
  std::string AnredeComboBox;       // "Anrede, Titel"
  std::string NameEdit;             // "Name"
  std::string StrasseEdit;          // "Straße"
  std::string LandEdit;             // "Landeskennung"
  std::int32_t PlzEdit = 0;         // "PLZ, Ort"
  std::string OrtEdit;              //
  std::string Telefon1Edit;         // "Tel./Fax"
  std::string Telefon2Edit;         // "e-Mail"
  std::string Telefon3Edit;         // "SV-Beitrags-Kontonummer"
  std::string Fax1Edit;             // "Steuernummer (7-stellig)"
  std::string Fax2Edit;             // "Versicherungsträger" (name)
  std::string VersTraegerCodeEdit;  // "Versicherungsträger Code (ELDA)"
  std::string BankEdit;             // "DVR-Nr."
  std::string BlzEdit;              // "Gemeindekennziffer"
  std::string BankKontoEdit;        // tax office + tax number of the XML transmitter
  std::string NotizEdit;            // "Finanzamt Nr."
  std::int16_t Nummer = 0;          // 1 = the employer itself

  // Texts are cut to 80 characters.
  DienstgeberBytes pack() const;
  static DienstgeberRecord unpack(const std::uint8_t* bytes);

  bool operator==(const DienstgeberRecord&) const = default;
};

// Every field 0, false or empty, number 0: the start of every record the
// program writes (a new employer's .ADR holds just this one).
inline DienstgeberRecord DienstgeberDefaults() { return {}; }

std::int16_t DienstgeberNummerOf(const std::uint8_t* bytes);

// The employer globals: the texts that report headers and ELDA files print,
// set only by LoadDienstgeberDaten.
struct DienstgeberGlobals {
  std::string DienstgeberAnrede;
  std::string DienstgeberName;
  std::string DienstgeberStrasse;
  std::string DienstgeberLand;
  std::string DienstgeberPlz;
  std::string DienstgeberOrt;
  std::string DienstgeberTelefon;
  std::string DienstgeberEMail;
  std::string DienstgeberBeitragskontoNr;
  std::string DienstgeberSteuerNr;
  std::string DienstgeberVersTraeger;
  std::string DienstgeberVersTraegerCode;
  std::string DienstgeberDvrNr;
  std::string DienstgeberGemeindeKz;
  std::string UebermittlerFaStNr;
  std::string DienstgeberFinanzamtNr;

  bool operator==(const DienstgeberGlobals&) const = default;
};

// The globals as the record gives them (postcode as decimal text).
DienstgeberGlobals DienstgeberGlobalsFrom(const DienstgeberRecord& r);

}  // namespace lohn
