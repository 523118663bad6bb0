#include "payroll/Beitragsgruppen.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "payroll/FormatBetrag.h"

namespace lohn {

namespace {

constexpr std::array<BeitragsgruppeRate, 141> kBeitragsgruppen{{
    {"A1", 20.65, 17.2, true},
    {"A1a", 20.65, 17.2, true},
    {"D1", 20.78, 17.07, true},
    {"N14", 1.4, 0, true},
    {"N24", 1.4, 0, true},
    {"D2x", 0, 31.85},
    {"D4xu", 0, 30.45},
    {"H1", 19.15, 17.2, true},
    {"H1a", 19.15, 17.2, true},
    {"J1", 17.65, 17.2, true},
    {"J1a", 17.65, 17.2, true},
    {"A2", 17.65, 14.2, true},
    {"A13", 7.65, 0},
    {"L2r", 17.73, 14.12, true},
    {"A1l", 20.73, 17.12, true},
    {"H1l", 19.3, 17.05, true},
    {"J1l", 17.73, 17.12, true},
    {"A2l", 17.73, 14.12, true},
    {"A13l", 7.85, 0},
    {"X1", 19.28, 17.07, true},
    {"Y1", 17.78, 17.07, true},
    {"D1e", 20.65, 17.2, true},
    {"X1e", 19.075, 17.275, true},
    {"Y1e", 17.65, 17.2, true},
    {"D1p", 20.73, 17.12, true},
    {"X1p", 19.225, 17.125, true},
    {"Y1p", 17.73, 17.12, true},
    {"NKand", 0, 15},
    {"D2", 17.78, 14.07, true},
    {"D2p", 17.73, 14.12, true},
    {"M2r", 17.73, 14.12, true},
    {"N21r", 8.23, 6.82, true},
    {"R21r", 6.6, 6.8, true},
    {"S21r", 5.23, 6.82, true},
    {"L14", 1.4, 0, true},
    {"M24", 1.4, 0, true},
    {"A8y", 15.55, 13.25},
    {"A7y", 12.55, 10.25},
    {"A4y", 16.25, 14.2},
    {"A3y", 19.25, 17.2},
    {"A8v", 15.55, 13.25},
    {"A7v", 12.55, 10.25},
    {"A4v", 16.33, 14.12},
    {"A3v", 19.33, 17.12},
    {"D8b", 15.55, 13.25},
    {"D7b", 12.55, 10.25},
    {"D4b", 16.25, 14.2},
    {"D3b", 19.25, 17.2},
    {"D7w", 12.55, 10.25},
    {"D8w", 15.55, 13.25},
    {"D3w", 19.28, 17.07},
    {"A2u", 17.65, 14.2, true},
    {"J3u", 16.25, 17.2},
    {"A4u", 16.25, 14.2},
    {"L4ru", 16.33, 14.12},
    {"A2lu", 17.73, 14.12, true},
    {"A4lu", 16.33, 14.12},
    {"D2u", 17.78, 14.07, true},
    {"D4u", 16.38, 14.07},
    {"D2eu", 17.65, 14.2, true},
    {"D4eu", 16.25, 14.2},
    {"D2pu", 17.73, 14.12, true},
    {"D4pu", 16.33, 14.12},
    {"M4ru", 16.33, 14.12},
    {"N22r", 5.23, 3.82, true},
    {"N22u", 5.23, 3.82, true},
    {"N23u", 3.83, 3.82},
    {"N14u", 0, 0},
    {"N24u", 0, 0},
    {"N72", 17.8, 0, true},
    {"N74", 16.4, 0},
    {"L14u", 0, 0},
    {"M24u", 0, 0},
    {"N12o", 8.95, 0, true},
    {"N13o", 7.55, 0},
    {"K22", 0, 8.95},
    {"K23u", 0, 7.55},
    {"G22p", 0, 9.05},
    {"G23u", 0, 7.65},
    {"A11", 8.1, 6.95, true},
    {"A12u", 5.1, 3.95, true},
    {"A12", 5.1, 3.95, true},
    {"A13u", 3.7, 3.95},
    {"A11l", 8.18, 6.87, true},
    {"A22u", 5.18, 3.87, true},
    {"A12l", 5.18, 3.87, true},
    {"A23u", 3.78, 3.87},
    {"M1r", 20.73, 17.12, true},
    {"Y1r", 17.73, 17.12, true},
    {"M2ru", 17.73, 14.12, true},
    {"L1r", 20.73, 17.12, true},
    {"J1r", 17.73, 17.12, true},
    {"L2ru", 17.73, 14.12, true},
    {"A2au", 17.65, 14.2, true},
    {"A2a", 17.65, 14.2, true},
    {"A4au", 16.25, 14.2},
    {"A1p", 20.73, 17.12, true},
    {"J1p", 17.73, 17.12, true},
    {"A2pu", 16.25, 14.2},
    {"A2p", 17.73, 14.12, true},
    {"A4pu", 16.33, 14.12},
    {"A1t", 17.2, 20.65, true},
    {"J1t", 17.65, 17.2, true},
    {"A2tu", 17.65, 14.2, true},
    {"A2t", 17.65, 14.2, true},
    {"A4tu", 16.25, 14.2},
    {"A2o", 31.5, 0, true},
    {"A4z", 16.25, 14.2},
    {"A6p", 13.95, 10.25, true},
    {"A7pu", 12.55, 10.25},
    {"Q15", 3, 3},
    {"Q15u", 0, 0},
    {"D1t", 20.65, 17.2, true},
    {"Y1t", 17.65, 17.2, true},
    {"D2tu", 17.65, 14.2, true},
    {"D2t", 17.65, 14.2, true},
    {"D4tu", 16.25, 14.2},
    {"D2k", 17.78, 13.97, true},
    {"D2o", 31.75, 0, true},
    {"D3c", 36.25, 0},
    {"D3u", 19.38, 17.07},
    {"D4z", 12.55, 10.25},
    {"D6", 13.95, 10.25, true},
    {"D7u", 12.55, 10.25},
    {"D7", 12.55, 10.25},
    {"Q25", 3, 3},
    {"Q25u", 0, 0},
    {"G12p", 0, 9.05},
    {"G13u", 0, 7.65},
    {"N13x", 9.1, 0},
    {"N22p", 0, 9.05},
    {"N13u", 0, 7.65},
    {"N23c", 7.45, 0},
    {"P11p", 0, 15.05},
    {"P12u", 0, 9.05},
    {"P12p", 0, 9.05},
    {"P13u", 0, 7.65},
    {"T22", 0, 8.95},
    {"T23u", 0, 7.55},
    {"Z22", 0, 8.95},
    {"Z23u", 0, 7.55},
}};

constexpr std::array<std::string_view, 24> kAmpfgGruppen{
    "A1",   "J1",   "A1l",  "J1l", "D1",  "Y1",  "D1p", "Y1p", "L1r", "M1r", "J1r", "Y1r",
    "N21r", "S21r", "A11l", "A11", "A8y", "A3y", "A8v", "A3v", "D8b", "D3b", "D8w", "D3w"};

// Notary candidates: contributions on at least this daily base, and no cut
// at the ceiling while the bases are worked out.
constexpr std::string_view kNKand = "NKand";
constexpr double kNKandMindestTagesgrundlage = 75.24;

// The reduction exists from July 2008 on.
constexpr int kAmpfgAb = 200807;

constexpr double kKuSatz = 0.5;
constexpr double kWfSatz = 0.5;
constexpr double kLkSatz = 0.75;
constexpr double kSwSatz = 0.7;
constexpr double kHoechstanteilProzent = 20;

double Prozent(double base, double satz) { return base * satz * 0.01; }

}  // namespace

std::span<const BeitragsgruppeRate> Beitragsgruppen() { return kBeitragsgruppen; }

const BeitragsgruppeRate* FindBeitragsgruppe(std::string_view text) {
  // The table by code, made once: the reports look up every payroll's
  // group. Of a code listed twice the first counts.
  using Index = std::array<const BeitragsgruppeRate*, kBeitragsgruppen.size()>;
  static const Index index = [] {
    Index i{};
    for (std::size_t k = 0; k < i.size(); ++k) i[k] = &kBeitragsgruppen[k];
    std::stable_sort(i.begin(), i.end(), [](const auto* a, const auto* b) {
      return std::string_view(a->code) < std::string_view(b->code);
    });
    return i;
  }();
  const auto it = std::lower_bound(index.begin(), index.end(), text,
                                   [](const BeitragsgruppeRate* g, std::string_view t) {
                                     return std::string_view(g->code) < t;
                                   });
  return it != index.end() && (*it)->code == text ? *it : nullptr;
}

double DgAnteil(const BeitragsgruppeRate& gruppe, const YearValues& year, int jahr, int monat) {
  if (!gruppe.dgMitUv) return gruppe.dgAnteil;
  // Kept to the table's thousandths of a percent, without binary residue.
  return std::round((gruppe.dgAnteil - year.uvSatz + year.UvSatz(jahr, monat)) * 1000) / 1000;
}

std::string BeitragsgruppeFehler(std::string_view text) {
  if (text == kKeineBeitragsgruppe || FindBeitragsgruppe(text)) return {};
  return "Die Beitragsgruppe \"" + std::string(text) +
         "\" ist nicht verfügbar, wählen Sie bitte eine andere Beitragsgruppe aus und klicken Sie "
         "dann nochmals auf \"Berechnen\"!";
}

bool IsAmpfgBeitragsgruppe(std::string_view text) {
  return std::find(kAmpfgGruppen.begin(), kAmpfgGruppen.end(), text) != kAmpfgGruppen.end();
}

bool IstArbeiterBeitragsgruppe(std::string_view text) {
  return std::ranges::find(kArbeiterBeitragsgruppen, text) != kArbeiterBeitragsgruppen.end();
}

bool IstGeringfuegigeBeitragsgruppe(std::string_view text) {
  return std::ranges::find(kGeringfuegigBeitragsgruppen, text) !=
         kGeringfuegigBeitragsgruppen.end();
}

bool IstUmlagenfreieBeitragsgruppe(std::string_view text) {
  return std::ranges::find(kUmlagenfreieBeitragsgruppen, text) !=
         kUmlagenfreieBeitragsgruppen.end();
}

std::array<AmpfgStufe, 3> AmpfgStufen(const YearValues& year) {
  return {{{"N25a", 3, year.ampfgN25a}, {"N25b", 2, year.ampfgN25b}, {"N25c", 1, year.ampfgN25c}}};
}

std::optional<AmpfgStufe> FindAmpfgStufe(double base, const YearValues& year) {
  if (base <= 0) return std::nullopt;
  for (const AmpfgStufe& s : AmpfgStufen(year))
    if (base <= s.bis) return s;
  return std::nullopt;
}

SvGrundlagen ComputeSvGrundlagen(const SvGrundlagenInput& in, const YearValues& year) {
  SvGrundlagen out;
  const double jahresgrenze = year.annualSpecialCeiling;
  const double In = in.InnerhSechstelEdit;
  const double Ue = in.SueberschreitungEdit;
  const double Sum = in.SummeSonderZlgEdit;
  const double F = in.SZSVfreiEdit;
  const bool nkand = in.BeitragsgruppeComboBox == kNKand;
  auto overCeiling = [&](double total) {
    return std::min(std::max(total - jahresgrenze, 0.0), Ue);
  };

  out.SzUeberJahresgrenze = overCeiling(In + Ue + Sum);
  out.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = overCeiling(In + Ue + in.SummeSonderzahlungenSV + F);

  double B = in.BruttoEdit - in.SVFreibetragEdit + in.SachbezuegeAbreEdit;
  const double ceiling =
      in.freierDNcheckBox ? year.freeServiceCeiling : in.TageMaxSV * year.dailyCeiling;
  double fiktiv = 0;
  if (B > ceiling) {
    if (!nkand) B = ceiling;
  } else {
    // The notional base tops the pay up to the base before part-time
    // retirement, but never beyond the ceiling.
    fiktiv = std::max(in.beitrGrundlVorAltZeilzEdit - B, 0.0);
    fiktiv = std::min(fiktiv, ceiling - B);
  }
  out.fiktiveBMGedit = RoundBetrag(fiktiv);
  if (nkand) B = std::max(B, in.TageMaxSV * kNKandMindestTagesgrundlage);

  out.SZSVfreiDifferenz = std::max(F - in.InnerhSechstelSVfreiEdit - out.SzUeberJahresgrenze, 0.0);
  B = B + Ue - out.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV - out.SZSVfreiDifferenz;
  out.SzUeberJahresgrenzeDifferenz =
      out.SzUeberJahresgrenze - out.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV;
  B = std::max(B, 0.0);
  out.B = B;
  out.SVBeitragsgrundlageEdit = RoundBetrag(B);

  // What KU and WF leave out of the base: the special payments over the sixth
  // that went into it (the part above the annual ceiling is added back where
  // they are charged). The SV-free part of them never went in, so it is not
  // taken out again, whatever the annual ceiling leaves; nor are the earlier
  // SV-free special payments, which count against the ceiling for the special
  // payments in all but were never in any base. So KU and WF are charged on
  // the current pay alone, the same base that the payroll stores for them.
  out.KUWFbasisSzUeberSechstel = Ue - out.SZSVfreiDifferenz;
  // The special payment's base up to what the annual ceiling leaves. Only the
  // liable special payments of the year use the ceiling; an SV-free one, of
  // this month or an earlier one, takes none of it.
  const double SumSV = in.SummeSonderzahlungenSV;
  double BS = In;
  if (SumSV + In + Ue > jahresgrenze) {
    if (jahresgrenze - SumSV > 0 && In > 0)
      BS = std::min(std::max(jahresgrenze - SumSV, 0.0), In);
    else
      BS = 0;
  }
  out.SVBeitragsGrundlageSonderzahlungEdit = RoundBetrag(BS);
  // Social insurance takes a special payment whole, whatever the tax sixth
  // does with it; so does the unemployment-insurance reduction.
  out.AmpfgGrundlageSonderzahlung =
      RoundBetrag(std::min(in.SonderzahlungEdit, std::max(jahresgrenze - SumSV, 0.0)));
  return out;
}

std::optional<SvBeitraege> ComputeSvBeitraege(const SvBeitraegeInput& in, const YearValues& year) {
  const std::string& gruppe = in.BeitragsgruppeComboBox;
  const BeitragsgruppeRate* rate = FindBeitragsgruppe(gruppe);
  if (!rate && gruppe != kKeineBeitragsgruppe) return std::nullopt;

  SvBeitraege out;
  out.SVBeitragsgrundlageEdit = in.SVBeitragsgrundlageEdit;
  // "NKand" skipped the ceiling while the bases were worked out; cut it here,
  // before any contribution is charged on it.
  double B = in.B;
  if (gruppe == kNKand) {
    const double ceiling = in.TageMaxSV * year.dailyCeiling;
    if (B > ceiling) {
      B = ceiling;
      out.SVBeitragsgrundlageEdit = RoundBetrag(B);
    }
  }
  if (rate) {
    out.DGAnteilEdit = RoundBetrag(DgAnteil(*rate, year, in.JahrComboBox, in.MonatComboBox));
    out.DNAnteilEdit = RoundBetrag(rate->dnAnteil);
  }
  const double svbg = out.SVBeitragsgrundlageEdit;
  out.BetragDNAnteilEdit = RoundBetrag(Prozent(svbg, out.DNAnteilEdit));

  // KU and WF are charged on the base before part-time retirement where there
  // is one, and on the special payments above the annual ceiling.
  const double umlageBasis =
      in.beitrGrundlVorAltZeilzEdit > 0 ? in.beitrGrundlVorAltZeilzEdit : svbg;
  const double kuwfBasis =
      in.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV + umlageBasis - in.KUWFbasisSzUeberSechstel;
  if (in.KU) out.DN_KU_Edit = RoundBetrag(Prozent(kuwfBasis, kKuSatz));
  out.TempEdit = in.KUWFbasisSzUeberSechstel;
  if (in.WF) {
    const double wfBasis = gruppe == kNKand ? B - in.KUWFbasisSzUeberSechstel : kuwfBasis;
    out.DN_WF_Edit = RoundBetrag(Prozent(wfBasis, kWfSatz));
  }
  if (in.LK) out.DN_LK_Edit = RoundBetrag(Prozent(svbg, kLkSatz));
  if (in.SW) out.DN_SW_Edit = RoundBetrag(Prozent(svbg, kSwSatz));
  auto laufendGesamt = [&] {
    return RoundBetrag(out.BetragDNAnteilEdit + out.DN_KU_Edit + out.DN_WF_Edit + out.DN_LK_Edit +
                       in.ServiceEntgelt_eCardEdit + out.DN_SW_Edit);
  };
  out.SV_DN_GesamtEdit = laufendGesamt();

  const double bs = in.SVBeitragsGrundlageSonderzahlungEdit;
  out.BetragDNAnteilSonderZEdit = RoundBetrag(Prozent(bs, out.DNAnteilEdit));
  if (in.LK && in.KaerntenCheckBox) out.DN_LK_SZ_Edit = RoundBetrag(Prozent(bs, kLkSatz));
  if (in.SW) out.DN_SW_SZ_Edit = RoundBetrag(Prozent(bs, kSwSatz));
  out.SV_DN_SZ_GesamtEdit =
      RoundBetrag(out.BetragDNAnteilSonderZEdit + out.DN_LK_SZ_Edit + out.DN_SW_SZ_Edit);

  const bool ampfgZeit = in.MonatComboBox + 100 * in.JahrComboBox >= kAmpfgAb;
  if (ampfgZeit && in.AMPFGautoCheckBox && IsAmpfgBeitragsgruppe(gruppe)) {
    // Each base finds its own bracket: the current pay's and the special
    // payment's own, which the annual ceiling caps.
    auto reduce = [&](double base, std::string& gruppeFeld, double& betrag, double& gesamt) {
      if (auto stufe = FindAmpfgStufe(base, year)) {
        gruppeFeld = stufe->gruppe;
        betrag = RoundBetrag(-Prozent(base, stufe->punkte));
        gesamt = RoundBetrag(gesamt + betrag);
      }
    };
    out.AMPFG_SVGrundlageEdit =
        RoundBetrag(in.BruttoEdit + in.SachbezuegeAbreEdit - in.SVFreibetragEdit);
    reduce(out.AMPFG_SVGrundlageEdit, out.AMPFG_RueckVerrGruppeEdit, out.AMPFG_RueckVerrBetragEdit,
           out.SV_DN_GesamtEdit);
    out.AMPFG_SVGrundlage_SZEdit = in.AmpfgGrundlageSonderzahlung;
    reduce(out.AMPFG_SVGrundlage_SZEdit, out.AMPFG_RueckVerrGruppe_SZEdit,
           out.AMPFG_RueckVerrBetrag_SZEdit, out.SV_DN_SZ_GesamtEdit);
    // A reduction larger than the special payment's own share (its part over
    // the sixth went into the current base) is taken from the current pay.
    if (out.SV_DN_SZ_GesamtEdit < 0) {
      out.SV_DN_GesamtEdit = RoundBetrag(out.SV_DN_GesamtEdit + out.AMPFG_RueckVerrBetrag_SZEdit);
      out.SV_DN_SZ_GesamtEdit =
          RoundBetrag(out.SV_DN_SZ_GesamtEdit - out.AMPFG_RueckVerrBetrag_SZEdit);
    }
  } else if (ampfgZeit && !in.AMPFGautoCheckBox) {
    out.AmpfgGetippt = true;
    out.AMPFG_RueckVerrGruppeEdit = in.AMPFG_RueckVerrGruppeEdit;
    out.AMPFG_RueckVerrGruppe_SZEdit = in.AMPFG_RueckVerrGruppe_SZEdit;
    out.AMPFG_SVGrundlageEdit = in.AMPFG_SVGrundlageEdit;
    out.AMPFG_SVGrundlage_SZEdit = in.AMPFG_SVGrundlage_SZEdit;
    out.AMPFG_RueckVerrBetragEdit = in.AMPFG_RueckVerrBetragEdit;
    out.AMPFG_RueckVerrBetrag_SZEdit = in.AMPFG_RueckVerrBetrag_SZEdit;
    out.SV_DN_GesamtEdit = RoundBetrag(out.SV_DN_GesamtEdit + in.AMPFG_RueckVerrBetragEdit);
    out.SV_DN_SZ_GesamtEdit =
        RoundBetrag(out.SV_DN_SZ_GesamtEdit + in.AMPFG_RueckVerrBetrag_SZEdit);
  }

  // The employee's share may not exceed 20 % of the cash pay when benefits in
  // kind push it up; the employer bears the rest.
  const double hoechstanteil = Prozent(in.BruttoEdit, kHoechstanteilProzent);
  if (out.BetragDNAnteilEdit + out.AMPFG_RueckVerrBetragEdit + out.AMPFG_RueckVerrBetrag_SZEdit >
          hoechstanteil &&
      in.SachbezuegeAbreEdit > in.SueberschreitungEdit) {
    out.Sonderfall20Prozent = true;
    out.BetragDNAnteilEdit = RoundBetrag(hoechstanteil);
    out.SV_DN_GesamtEdit = laufendGesamt();
  }
  return out;
}

}  // namespace lohn
