#pragma once
// Social-insurance contributions by contribution group (Beitragsgruppe): the
// rate table, the AMPFG reduction of the unemployment contribution for low
// incomes, the contribution bases of the month with the year's ceilings, and
// the employee's contributions with the levies KU, WF, LK and SW.
//
// The calculation works on the employee window's fields; the structs below
// carry exactly those fields by their names, so the window's field model
// fills the inputs and writes the results back. Every amount a result struct
// calls a field (name ending in Edit) is already rounded as FormatBetrag
// writes it; the working values of the calculation are not.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "store/YearValues.h"

namespace lohn {

struct BeitragsgruppeRate {
  const char* code;
  double dgAnteil;  // employer rate in %, with the UV rate the year starts with
  double dnAnteil;  // employee rate in %
  // The employer rate holds the accident-insurance (UV) share, so it follows
  // the UV rate of the month.
  bool dgMitUv = false;
};

// All 141 groups in the order the calculation tests them, which is also the
// order of the groups in the monthly contribution statement; the statement's
// rate of a group is dgAnteil + dnAnteil.
std::span<const BeitragsgruppeRate> Beitragsgruppen();

// The group whose code equals the whole text (case-sensitive), or nullptr.
const BeitragsgruppeRate* FindBeitragsgruppe(std::string_view text);

// The employer rate of a payroll month: a rate holding the UV share moves
// with the UV rate of that month. The payroll and the contribution statement
// both take it from here.
double DgAnteil(const BeitragsgruppeRate& gruppe, const YearValues& year, int jahr, int monat);

// Employee provision fund (BMVG): 1.53 % of the whole gross pay with benefits
// in kind. The wage slips take the base back from the contribution.
inline constexpr double kBmvgSatz = 1.53;

// "-": the employee has no contribution group; the rates are 0.
inline constexpr std::string_view kKeineBeitragsgruppe = "-";

// Empty when the text is a known code or "-"; otherwise the message the
// calculate button shows before it refuses to calculate.
std::string BeitragsgruppeFehler(std::string_view text);

// The 24 groups whose unemployment contribution is reduced for low incomes.
bool IsAmpfgBeitragsgruppe(std::string_view text);

// Groups of workers ("Arbeiter" on the annual pay slip).
inline constexpr std::array<std::string_view, 32> kArbeiterBeitragsgruppen{
    "A1",   "A1a", "H1",   "H1a", "J1",  "J1a", "A2",  "A13",  "L2r",  "A2u", "J3u",
    "A4lu", "A4u", "L4ru", "A1l", "H1l", "J1l", "A2l", "A13l", "A2lu", "A8y", "A7y",
    "A4y",  "A3y", "A8v",  "A7v", "A4v", "A3v", "N14", "N14u", "L14",  "L14u"};
// Groups of marginal employment ("geringf.Besch.").
inline constexpr std::array<std::string_view, 10> kGeringfuegigBeitragsgruppen{
    "N14", "N14u", "L14", "L14u", "N24", "N24u", "N72", "N74", "M24", "M24u"};
// Groups exempt from the levies KU, SW, WF, IE and NB.
inline constexpr std::array<std::string_view, 35> kUmlagenfreieBeitragsgruppen{
    "N14", "N14u", "N24", "N24u", "L14", "M24", "L14u", "M24u", "N12o", "N13o", "A8y", "A7y",
    "A4y", "A3y",  "A8v", "A7v",  "A4v", "A3v", "D8b",  "D7b",  "D4b",  "D3b",  "D8w", "D7w",
    "D3w", "A2o",  "A6p", "A7pu", "D2k", "D2o", "D2x",  "D4xu", "D3c",  "D6",   "D7u"};

// Whole-text, case-sensitive membership in the sets above.
bool IstArbeiterBeitragsgruppe(std::string_view text);
bool IstGeringfuegigeBeitragsgruppe(std::string_view text);
bool IstUmlagenfreieBeitragsgruppe(std::string_view text);

// AMPFG reduction brackets: base above the previous bound up to and including
// `bis` is reduced by `punkte` percentage points. The group texts are also the
// refund groups of the contribution statement (rate = points).
struct AmpfgStufe {
  const char* gruppe;  // "N25a", "N25b", "N25c"
  int punkte;
  double bis;
};
// The three brackets with the bounds of the given year.
std::array<AmpfgStufe, 3> AmpfgStufen(const YearValues& year);
// The bracket of a base, none for 0 and below or above the last bound.
std::optional<AmpfgStufe> FindAmpfgStufe(double base, const YearValues& year);

// Shown when the employee's share is cut to 20 % of the cash pay.
inline constexpr const char* kMeldungSonderfall20Prozent =
    "Sonderfall zur Berechnung der Versichertenanteile (SV darf 20 % der Geldbezüge nicht "
    "überschreiten ...) wurde berücksichtigt!";

// ---------------------------------------------------------------------------
// Contribution bases of the month, after the special payments have been split
// against the annual sixth.

struct SvGrundlagenInput {
  std::string BeitragsgruppeComboBox;
  double BruttoEdit = 0;
  double SVFreibetragEdit = 0;
  double SachbezuegeAbreEdit = 0;
  double InnerhSechstelEdit = 0;
  double SueberschreitungEdit = 0;
  double InnerhSechstelSVfreiEdit = 0;
  double SummeSonderZlgEdit = 0;      // earlier special payments plus this SV-free one
  double SZSVfreiEdit = 0;            // SV-free special payment of the month
  double SummeSonderzahlungenSV = 0;  // earlier liable special payments alone
  double SonderzahlungEdit = 0;       // the liable special payment of the month
  int TageMaxSV = 30;
  bool freierDNcheckBox = false;
  double beitrGrundlVorAltZeilzEdit = 0;
};

struct SvGrundlagen {
  // Working values, kept until the next calculation.
  double SzUeberJahresgrenze = 0;
  double ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = 0;  // shown in TempEdit1
  double SZSVfreiDifferenz = 0;                       // shown in TempEdit2
  double SzUeberJahresgrenzeDifferenz = 0;
  double KUWFbasisSzUeberSechstel = 0;
  double B = 0;  // the current base before it is written (rounded) into its field
  // The special payment's own base for the AMPFG reduction: the whole payment,
  // up to what the annual ceiling leaves.
  double AmpfgGrundlageSonderzahlung = 0;
  // Fields.
  double fiktiveBMGedit = 0;
  double SVBeitragsgrundlageEdit = 0;
  double SVBeitragsGrundlageSonderzahlungEdit = 0;
};

SvGrundlagen ComputeSvGrundlagen(const SvGrundlagenInput& in, const YearValues& year);

// ---------------------------------------------------------------------------
// The employee's contributions.

struct SvBeitraegeInput {
  std::string BeitragsgruppeComboBox;
  double SVBeitragsgrundlageEdit = 0;
  double SVBeitragsGrundlageSonderzahlungEdit = 0;
  int TageMaxSV = 30;
  double beitrGrundlVorAltZeilzEdit = 0;
  bool KU = false;
  bool WF = false;
  bool LK = false;
  bool SW = false;
  bool KaerntenCheckBox = false;
  double ServiceEntgelt_eCardEdit = 0;
  bool AMPFGautoCheckBox = true;
  // The AMPFG fields as they stand; without the automatic they are kept and
  // the typed amounts are applied.
  std::string AMPFG_RueckVerrGruppeEdit;
  std::string AMPFG_RueckVerrGruppe_SZEdit;
  double AMPFG_SVGrundlageEdit = 0;
  double AMPFG_RueckVerrBetragEdit = 0;
  double AMPFG_SVGrundlage_SZEdit = 0;
  double AMPFG_RueckVerrBetrag_SZEdit = 0;
  int MonatComboBox = 0;
  int JahrComboBox = 0;
  double BruttoEdit = 0;
  double SachbezuegeAbreEdit = 0;
  double SVFreibetragEdit = 0;
  double SueberschreitungEdit = 0;
  // Working values of the contribution bases (0 when those were not computed).
  double ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = 0;
  double KUWFbasisSzUeberSechstel = 0;
  double B = 0;
  double AmpfgGrundlageSonderzahlung = 0;
};

struct SvBeitraege {
  double DGAnteilEdit = 0;
  double DNAnteilEdit = 0;
  double BetragDNAnteilEdit = 0;
  double DN_KU_Edit = 0;
  double DN_WF_Edit = 0;
  double DN_LK_Edit = 0;
  double DN_SW_Edit = 0;
  double SV_DN_GesamtEdit = 0;
  double BetragDNAnteilSonderZEdit = 0;
  double DN_LK_SZ_Edit = 0;
  double DN_SW_SZ_Edit = 0;
  double SV_DN_SZ_GesamtEdit = 0;
  double AMPFG_SVGrundlageEdit = 0;
  std::string AMPFG_RueckVerrGruppeEdit;
  double AMPFG_RueckVerrBetragEdit = 0;
  double AMPFG_SVGrundlage_SZEdit = 0;
  std::string AMPFG_RueckVerrGruppe_SZEdit;
  double AMPFG_RueckVerrBetrag_SZEdit = 0;
  double SVBeitragsgrundlageEdit = 0;  // changed only for "NKand" above the ceiling
  double TempEdit = 0;                 // shows KUWFbasisSzUeberSechstel
  // The share was cut to 20 % of the cash pay: show kMeldungSonderfall20Prozent.
  bool Sonderfall20Prozent = false;
  // Without the automatic the typed AMPFG fields were applied and stay as typed.
  bool AmpfgGetippt = false;
};

// Nothing when the group is neither a known code nor "-" (BeitragsgruppeFehler
// gives the message); the caller refuses the calculation then.
std::optional<SvBeitraege> ComputeSvBeitraege(const SvBeitraegeInput& in, const YearValues& year);

}  // namespace lohn
