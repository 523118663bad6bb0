#pragma once
// The employee record of <stem>.PER: 2420 bytes, key PersNrEdit at offset 0.
// Field names are those of the employee window's controls that fill them.
// Texts are UTF-8 here and Windows-1252 in the file; the "zero" fields of the
// layout have no member: pack writes them as 0, unpack ignores them.

#include <array>
#include <cstdint>
#include <string>

namespace lohn {

inline constexpr std::size_t kPersonalRecordSize = 2420;
inline constexpr std::size_t kPersonalLohnartSlots = 16;

using PersonalBytes = std::array<std::uint8_t, kPersonalRecordSize>;

struct PersonalRecord {
  std::int32_t PersNrEdit = 0;  // Personal-Nr, the key
  std::string SVNrEdit;
  std::string VornameEdit;
  std::string FamNameEdit;
  std::string StrasseEdit;
  std::int32_t PLZEdit = 0;
  std::string OrtEdit;
  std::string TelefonEdit;
  std::string BankEdit;                  // BIC
  std::string BankKtoNrEdit;             // IBAN
  std::string GeburtsdatenEdit;          // ELDA reference number
  std::string FamStandEdit;              // string[10]
  std::int32_t SozialeStellungEdit = 0;  // 1 Lehrling, 2 Arbeiter, 3 Angestellter
  std::string StaatEdit;
  std::string BerufEdit;
  bool ExekutionCheckBox = false;
  std::string EintrittsDatumEdit;
  std::string AustrittsDatumEdit;
  bool AngestellterCheckBox = false;
  bool ArbeiterCheckBox = false;
  double GehaltEdit = 0;
  double StundenlohnEdit = 0;
  std::string BeitragsgruppeComboBox;
  bool KU = false, WF = false, LK = false, SW = false, EF = false, IE = false, NB = false;
  double NormArbeitszeitEdit = 0;  // commuter lump sum per month
  double UrlaubsAnspruchEdit = 0;
  double RestUrlaubEdit = 0;
  double ZeitKontoEdit = 0;
  std::string BemerkungenEdit;  // string[100]
  bool UeberwiegNachtarbeitCheckBox = false;
  bool grPendlPausch = false;  // single-parent tax credit
  bool Alleinverdiener = false;
  bool KaerntenCheckBox = false;
  double ZulageEdit = 0;
  double FreibetragEdit = 0;
  double SVFreibetrEdit = 0;
  double SachbezuegeEdit = 0;
  double FreibetrLtMitteilgEdit = 0;
  std::string AdresseLandEdit;
  std::int32_t AnzahlKinderEdit = 0;
  std::int32_t gehoertZuStandortEdit = 0;
  std::int32_t KostenstelleEdit = 0;
  std::int32_t ArtDesLohnzettelsEdit = 0;
  std::int32_t WERK_Edit = 0;
  std::int32_t UEBMO_Edit = 0;
  double beitrGrundlVorAltZeilzEdit = 0;
  double LandarbFreiEdit = 0;
  double SonstSteuerfrEdit = 0;
  double AuslandsTaetEdit = 0;
  double freiwillBeitrEdit = 0;
  double AufrollungEdit = 0;
  double TeilentgeltEdit = 0;
  double TageTeilentgeltEdit = 0;
  double DbDzKommStFreierBetragEdit = 0;
  double MehrstdSatzEdit = 0;
  double MehrstdZuschlagEdit = 0;
  double ZukunftssicherungEdit = 0;
  double AuslPensDGEdit = 0;
  double ENTW_Edit = 0;
  double PREI_Edit = 0;
  double BPEND_Edit = 0;
  double BSROL_Edit = 0;
  bool BMVGcheckBox = false;
  bool ArbeiterCheckBoxNeu = false;
  bool weiblichCheckBox = false;
  bool TeilzeitCheckBox = false;
  bool freierDNcheckBox = false;
  bool GeringfCheckBox = false;
  bool SZanspruchCheckBox = false;
  bool SZohneAllgBeitrCheckBox = false;
  bool ueberSechzigCheckBox = false;
  bool GeschaeftsFuehrerCheckBox = false;
  bool DNabgemeldetCheckBox = false;
  bool EPAB_CB = false;
  std::string SVtraegerEdit;
  // Packed wage-type lines; the employee window always saves them empty.
  std::array<std::string, kPersonalLohnartSlots> Lohnarten{};

  // Texts longer than their capacity are cut; amounts a Real48 cannot hold
  // throw std::range_error before anything reaches a file.
  PersonalBytes pack() const;
  static PersonalRecord unpack(const std::uint8_t* bytes);
  // The same into this record, every field overwritten, its texts' room kept.
  void unpackFrom(const std::uint8_t* bytes);

  bool operator==(const PersonalRecord&) const = default;
};

// The key and the family name without unpacking the whole record (scans
// that need no more read only these).
std::int32_t PersonalNrOf(const std::uint8_t* bytes);
std::string PersonalFamNameOf(const std::uint8_t* bytes);

}  // namespace lohn
