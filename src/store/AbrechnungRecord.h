#pragma once
// One month's payroll (or part payroll) of one employee in <stem>.ABR: 2236
// bytes, key month/year/Personal-Nr/Teilabrechnung. Field names are those of
// the employee window's controls; the "zero" and reserved fields of the
// layout have no member: pack writes them as 0, unpack ignores them.

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

namespace lohn {

inline constexpr std::size_t kAbrechnungRecordSize = 2236;
inline constexpr std::size_t kAbrechnungLohnartSlots = 10;

using AbrechnungBytes = std::array<std::uint8_t, kAbrechnungRecordSize>;

// The levies whose bases the record keeps, in their stored order.
enum class Umlage { KU, WF, LK, SW, EF, IE, NB };
inline constexpr std::size_t kUmlagenCount = 7;

class AbrechnungFelder;

struct AbrechnungRecord {
  std::int32_t MonatComboBox = 0;
  std::int32_t JahrComboBox = 0;
  std::int32_t PersNrEdit = 0;
  std::string FamNameEdit;
  std::string OrtEdit;
  std::string BankEdit;
  std::string BankKtoNrEdit;
  std::string BeitragsgruppeComboBox;
  double GehaltEdit = 0;
  double StundenlohnEdit = 0;
  double ZulageEdit = 0;
  double NormalstundenEdit = 0;
  double MehrstundenEdit = 0;
  double Ueberstunden50Edit = 0;
  double Ueberstunden100Edit = 0;
  double UrlaubstundenEdit = 0;
  double FehlstundenEdit = 0;
  double LohnNormalstundenEdit = 0;
  double LohnGehaltMehrstundenEdit = 0;
  double LohnGehaltUeberstunden50Edit = 0;
  double LohnGehaltUeberstunden100Edit = 0;
  double LohnUrlaubstundenEdit = 0;
  double LohnFehlstundenEdit = 0;
  double BruttoEdit = 0;
  double SVBeitragsgrundlageEdit = 0;
  double BetragDNAnteilEdit = 0;
  double DN_KU_Edit = 0;
  double DN_WF_Edit = 0;
  double DN_LK_Edit = 0;
  double DN_SW_Edit = 0;
  double SonderzahlungEdit = 0;
  std::string SonderZlgComboBox;
  double SVBeitragsGrundlageSonderzahlungEdit = 0;
  double BetragDNAnteilSonderZEdit = 0;
  double DN_LK_SZ_Edit = 0;
  double DN_SW_SZ_Edit = 0;
  double BruttoGesamtEdit = 0;
  double SV_AbzGesEdit = 0;
  double FreibetrEdit = 0;
  std::string BemerkungenEdit;  // string[100]
  double GrundlageLSTEdit = 0;
  bool Alleinverdiener = false;
  double LohnsteuerBetragEdit = 0;
  double NettoBetragEdit = 0;
  double SpesenersatzEdit = 0;
  double VorschussEdit = 0;
  double AuszahlungsbetragEdit = 0;
  double DGAnteilEdit = 0;
  double DNAnteilEdit = 0;
  // Bases of the levies, indexed by Umlage; 0 when the levy is not ticked.
  std::array<double, kUmlagenCount> UmlagenGrundlagen{};
  double KrankenschEdit = 0;
  double SachbezuegeAbreEdit = 0;
  double LstFreibetragSZ = 0;
  double SZSVfreiEdit = 0;
  double SueberschreitungEdit = 0;
  double InnerhSechstelEdit = 0;
  double InnerhSechstelSVfreiEdit = 0;
  double SonstSZEdit = 0;
  double SonstSZSVEdit = 0;
  double SonstSZLSTEdit = 0;
  double SVFreibetragEdit = 0;
  double LstGesamt = 0;
  double LstSZ = 0;
  double GrundlLstSZ = 0;
  double SV_DN_GesamtEdit = 0;
  double SV_DN_SZ_GesamtEdit = 0;
  double FreibetrLtMitteilgEdit = 0;
  double NormArbeitszeitEdit = 0;  // commuter lump sum of the month
  double fiktiveBMGedit = 0;
  bool GeschaeftsFuehrerCheckBox = false;
  bool ueberSechzigCheckBox = false;
  bool ohneFreibSZCheckBox = false;
  std::string SZSVfreiTextEdit;
  std::string SonstSZTextEdit;
  std::string VornameEdit;
  // Wage-type slots 1-10, each a packed LohnartLine (empty = unused).
  std::array<std::string, kAbrechnungLohnartSlots> Lohnarten{};
  std::string AMPFG_RueckVerrGruppeEdit;     // slot 11
  std::string AMPFG_RueckVerrGruppe_SZEdit;  // slot 12
  std::int32_t AbrechngComboBox = 0;         // Teilabrechnung: 0 = none
  std::int32_t gehoertZuStandortEdit = 0;
  std::int32_t SozialeStellungEdit = 0;
  std::int32_t KostenstelleEdit = 0;
  std::int32_t SV_Lohn_TageEdit = 0;
  double ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = 0;
  double BMVGbetragEdit = 0;
  double Ueberstunden200Edit = 0;
  double LohnGehaltUeberstunden200Edit = 0;
  double davonNachtZuschl = 0;
  double LandarbFreiEdit = 0;
  double SonstSteuerfrEdit = 0;
  double AuslandsTaetEdit = 0;
  double freiwillBeitrEdit = 0;
  double TeilentgeltEdit = 0;
  double TageTeilentgeltEdit = 0;
  double DbDzKommStFreierBetragEdit = 0;
  double MVzuschlagEdit = 0;
  double ServiceEntgelt_eCardEdit = 0;
  double FreibetragEdit = 0;
  double MehrstdSatzEdit = 0;
  double MehrstdZuschlagEdit = 0;
  double BMVGUebertragungsBetragEdit = 0;
  double ZukunftssicherungEdit = 0;
  double Ueberstunden75Edit = 0;
  double LohnGehaltUeberstunden75Edit = 0;
  double AuslPensDGEdit = 0;
  double AMPFG_RueckVerrBetragEdit = 0;
  double AMPFG_RueckVerrBetrag_SZEdit = 0;
  double AMPFG_SVGrundlageEdit = 0;
  double AMPFG_SVGrundlage_SZEdit = 0;
  double ZeitKontoStdEdit = 0;
  double UrlaubsKontoTageEdit = 0;
  double ExekutionEdit = 0;

  double& Grundlage(Umlage u) { return UmlagenGrundlagen[std::size_t(u)]; }
  double Grundlage(Umlage u) const { return UmlagenGrundlagen[std::size_t(u)]; }

  // Texts longer than their capacity are cut; amounts a Real48 cannot hold
  // throw std::range_error before anything reaches a file.
  AbrechnungBytes pack() const;
  static AbrechnungRecord unpack(const std::uint8_t* bytes);
  // Overwrites only the chosen fields from the image; the others keep what
  // they hold. Reports read thousands of records and few of their fields.
  void unpack(const std::uint8_t* bytes, const AbrechnungFelder& felder);
  // Sets every field NOT chosen to a mark (amounts 4711.17, numbers 4711,
  // flags true, texts "#?#"): a test that runs a report over marked records
  // sees any field the report reads without having chosen it.
  void markiereAusser(const AbrechnungFelder& felder);

  bool operator==(const AbrechnungRecord&) const = default;
};

// A choice of the record's fields, named by their members, e.g.
// AbrechnungFelder(&AbrechnungRecord::BruttoEdit, &AbrechnungRecord::LstGesamt).
// The key fields are always chosen; an array member chooses all its slots.
class AbrechnungFelder {
 public:
  // One bit per field of the layout, in its order.
  static constexpr std::size_t kAnzahl = 160;

  template <class... T>
  explicit AbrechnungFelder(T AbrechnungRecord::*... felder) {
    Schluessel();
    (Nimm(felder), ...);
    Planen();
  }
  static AbrechnungFelder Alle();

  bool gewaehlt(std::size_t feld) const { return bits_[feld]; }
  bool operator==(const AbrechnungFelder& andere) const { return bits_ == andere.bits_; }
  AbrechnungFelder& operator|=(const AbrechnungFelder& andere) {
    bits_ |= andere.bits_;
    Planen();
    return *this;
  }

  // Slot i of an array member: how the layout names a field it stores in
  // an array.
  template <class T, std::size_t N>
  struct Fach {
    std::array<T, N> AbrechnungRecord::*feld;
    std::uint8_t i;
  };
  // A chosen field as unpack reads it: where in the image, its capacity
  // (texts), and the member (or slot) it goes into.
  template <class G>
  struct Schritt {
    std::uint16_t bild, kapazitaet;
    G glied;
  };
  template <class... G>
  using Plaene = std::tuple<std::vector<Schritt<G>>...>;
  // One list per kind of member, the amounts first, each in layout order.
  using Plan = Plaene<double AbrechnungRecord::*, std::int32_t AbrechnungRecord::*,
                      bool AbrechnungRecord::*, std::string AbrechnungRecord::*,
                      Fach<double, kUmlagenCount>, Fach<std::string, kAbrechnungLohnartSlots>>;
  const Plan& plan() const { return plan_; }

 private:
  using R = AbrechnungRecord;
  using Glied = std::variant<std::int32_t R::*, double R::*, bool R::*, std::string R::*,
                             std::array<double, kUmlagenCount> R::*,
                             std::array<std::string, kAbrechnungLohnartSlots> R::*>;
  void Schluessel();
  // Chooses the layout's fields stored in the member (every slot of an array).
  void Nimm(Glied feld);
  void Planen();

  std::bitset<kAnzahl> bits_;
  Plan plan_;
};

// The four-part key, readable from a record image without unpacking it.
struct AbrechnungKey {
  std::int32_t PersNr = 0;
  std::int32_t Monat = 0;
  std::int32_t Jahr = 0;
  std::int32_t Teilabrechnung = 0;

  bool operator==(const AbrechnungKey&) const = default;
};
AbrechnungKey AbrechnungKeyOf(const std::uint8_t* bytes);
AbrechnungKey AbrechnungKeyOf(const AbrechnungRecord& r);

}  // namespace lohn
