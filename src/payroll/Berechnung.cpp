#include "payroll/Berechnung.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "payroll/Beitragsgruppen.h"
#include "payroll/FormatBetrag.h"
#include "payroll/Jahressechstel.h"
#include "payroll/Lohnsteuer.h"
#include "payroll/PersFormFenster.h"
#include "store/AbrechnungStore.h"
#include "store/Numbers.h"
#include "store/RecordFile.h"

namespace lohn {

namespace {

// Tax-free overtime surcharges: half the overtime rate for at most ten hours
// a month, at most 86 in all.
constexpr double kUeberstundenFreiStunden = 10;
constexpr double kUeberstundenFreiHoechstens = 86;
// Night and hardship surcharges under § 68, tax-free up to this much a month.
constexpr double kNachtZuschlagFrei = 360;
constexpr double kNachtZuschlagFreiUeberwiegend = 540;
// Tax-free amount of the year's special payments within the sixth.
constexpr double kLstFreibetragSZ = 620;

double Wert(const PersFormModel& f, const char* name) { return StrToBetrag(f.Text(name)); }

// Writes an amount as the field shows it and gives back what the field now
// holds, which is what every later step reads.
double Schreibe(PersFormModel& f, const char* name, double value) {
  f.SetText(name, FormatBetrag(value));
  return StrToFloat(f.Text(name));
}

// The hours that count for the tax-free surcharge: the first ten, taken from
// the 50 % hours first, then 75 %, 100 % and 200 %.
double SteuerfreieUeberstundenzuschlaege(std::array<double, 4> stunden, double satz) {
  double rest = kUeberstundenFreiStunden;
  double frei = 0;
  for (double h : stunden) {
    const double gezaehlt = std::min(std::max(h, 0.0), rest);
    rest -= gezaehlt;
    frei += gezaehlt * satz * 0.5;
  }
  return std::min(std::max(frei, 0.0), kUeberstundenFreiHoechstens);
}

double SteuerfreieNachtzuschlaege(const PersFormModel& f) {
  const double grenze = f.Checked("UeberwiegNachtarbeitCheckBox") ? kNachtZuschlagFreiUeberwiegend
                                                                  : kNachtZuschlagFrei;
  return std::min(std::max(Wert(f, "davonNachtZuschl"), 0.0), grenze);
}

// An AMPFG amount or base without a refund group is shown as a plain "0".
void SchreibeAmpfg(PersFormModel& f, const char* name, const std::string& gruppe, double value) {
  if (gruppe.empty() && value == 0)
    f.SetText(name, "0");
  else
    Schreibe(f, name, value);
}

}  // namespace

void ClearResultFields(PersFormModel& f) {
  for (const char* name : {"InnerhSechstelEdit", "SueberschreitungEdit", "InnerhSechstelSVfreiEdit",
                           "JahressechstelEdit", "LstFreibetragSZ", "LstSZ", "LstGesamt",
                           "GrundlLstSZ", "LohnNormalstundenEdit", "LohnGehaltMehrstundenEdit",
                           "LohnGehaltUeberstunden50Edit", "LohnGehaltUeberstunden75Edit",
                           "LohnGehaltUeberstunden100Edit", "LohnGehaltUeberstunden200Edit",
                           "LohnUrlaubstundenEdit", "LohnFehlstundenEdit", "fiktiveBMGedit"})
    f.SetText(name, "0,00");
}

bool BerechnungMoeglich(platform::Dialogs& dlg, const PersFormModel& f) {
  // Without a pay kind there is no wage to start from; calculating on what
  // the result fields still hold would give a payroll of an earlier run.
  if (f.Checked("AngestellterCheckBox") == f.Checked("ArbeiterCheckBox")) {
    dlg.ShowMessage(kMeldungGehaltOderStdLohn);
    return false;
  }
  if (std::string fehler = BeitragsgruppeFehler(f.Text("BeitragsgruppeComboBox"));
      !fehler.empty()) {
    dlg.ShowMessage(fehler);
    return false;
  }
  return true;
}

bool CalculateAbrechnung(PersFormKontext& k, std::span<const AbrechnungRecord> frueher) {
  PersFormModel& f = k.form;
  platform::Dialogs& dlg = k.state.dialogs();
  const YearValues& year = k.state.year;

  if (!BerechnungMoeglich(dlg, f)) return false;
  const bool angestellter = f.Checked("AngestellterCheckBox");
  const bool arbeiter = f.Checked("ArbeiterCheckBox");
  const std::string gruppe = f.Text("BeitragsgruppeComboBox");

  NormalizeNumericFields(f);
  ClearResultFields(f);
  BerechnungsWerte& werte = k.werte;
  werte = {};
  f.SetText("SachbezuegeAbreEdit", f.Text("SachbezuegeEdit"));
  const LohnartenSummen lohnarten = k.lohnarten.Summen();

  // Hours and their pay.
  if (arbeiter) {
    if (Wert(f, "GehaltEdit") == 0) {
      f.SetText("GehaltEdit", f.Text("StundenlohnEdit"));
      dlg.ShowMessage(kMeldungStundenlohnUebernommen);
    }
    Schreibe(f, "LohnNormalstundenEdit", Wert(f, "NormalstundenEdit") * Wert(f, "GehaltEdit"));
  }
  const double stundenlohn = Wert(f, "StundenlohnEdit");
  Schreibe(f, "LohnGehaltMehrstundenEdit",
           Wert(f, "MehrstundenEdit") * Wert(f, "MehrstdSatzEdit") *
               (1 + Wert(f, "MehrstdZuschlagEdit") * 0.01));
  const std::array<double, 4> ueberstunden{
      Wert(f, "Ueberstunden50Edit"), Wert(f, "Ueberstunden75Edit"), Wert(f, "Ueberstunden100Edit"),
      Wert(f, "Ueberstunden200Edit")};
  Schreibe(f, "LohnGehaltUeberstunden50Edit", ueberstunden[0] * stundenlohn * 1.5);
  Schreibe(f, "LohnGehaltUeberstunden75Edit", ueberstunden[1] * stundenlohn * 1.75);
  Schreibe(f, "LohnGehaltUeberstunden100Edit", ueberstunden[2] * stundenlohn * 2);
  Schreibe(f, "LohnGehaltUeberstunden200Edit", ueberstunden[3] * stundenlohn * 3);
  double steuerfrei = SteuerfreieUeberstundenzuschlaege(ueberstunden, stundenlohn);
  steuerfrei += SteuerfreieNachtzuschlaege(f);
  if (arbeiter) {
    Schreibe(f, "LohnUrlaubstundenEdit", Wert(f, "UrlaubstundenEdit") * Wert(f, "GehaltEdit"));
    Schreibe(f, "LohnFehlstundenEdit", Wert(f, "FehlstundenEdit") * Wert(f, "GehaltEdit"));
  }
  double brutto = Wert(f, "ZulageEdit") + lohnarten.LohnartenSumme;
  for (const char* name :
       {"LohnNormalstundenEdit", "LohnGehaltMehrstundenEdit", "LohnGehaltUeberstunden50Edit",
        "LohnGehaltUeberstunden75Edit", "LohnGehaltUeberstunden100Edit",
        "LohnGehaltUeberstunden200Edit", "LohnUrlaubstundenEdit", "LohnFehlstundenEdit"})
    brutto += Wert(f, name);
  if (angestellter) brutto += Wert(f, "GehaltEdit");
  brutto = Schreibe(f, "BruttoEdit", brutto);
  const double sachbezuege = Wert(f, "SachbezuegeAbreEdit");

  // Special payments against the annual sixth.
  const std::string& teil = f.Text("AbrechngComboBox");
  const Jahressechstel sechstel = ComputeJahressechstel(
      {StrToInt(f.Text("MonatComboBox")), brutto, sachbezuege, teil.empty() ? 0 : StrToInt(teil)},
      frueher);
  // Shown as every amount, with two decimals; the sixth itself keeps its
  // digits for the split and the tax below.
  f.SetText("JahressechstelEdit", FormatBetrag(sechstel.JahressechstelEdit));
  f.SetText("SummeLstFreibetrSZEdit", FormatBetrag(sechstel.SummeLstFreibetrSZEdit));
  f.SetText("SummeSonderZlgEdit", FormatBetrag(sechstel.SummeSonderZlgEdit));
  werte.Jahressechstel = sechstel.JahressechstelEdit;
  const double sonderzahlung = Wert(f, "SonderzahlungEdit");
  const double szSvFrei = Wert(f, "SZSVfreiEdit");
  const SechstelAufteilung teile = TeileSonderzahlungen(
      sechstel.JahressechstelEdit, sechstel.SummeSonderZlgEdit, szSvFrei, sonderzahlung);
  const double innerhSVfrei =
      Schreibe(f, "InnerhSechstelSVfreiEdit", teile.InnerhSechstelSVfreiEdit);
  const double innerh = Schreibe(f, "InnerhSechstelEdit", teile.InnerhSechstelEdit);
  const double ueber = Schreibe(f, "SueberschreitungEdit", teile.SueberschreitungEdit);
  const double summeSZ = Schreibe(f, "SummeSonderZlgEdit", teile.SummeSonderZlgEdit);

  const double bruttoGesamt =
      Schreibe(f, "BruttoGesamtEdit", brutto + sonderzahlung + szSvFrei + Wert(f, "SonstSZEdit"));
  if (!f.Checked("BMVGcheckBox"))
    f.SetText("BMVGbetragEdit", "0,00");
  else if (f.Checked("BMVGberechnenCheckBox"))
    Schreibe(f, "BMVGbetragEdit", (bruttoGesamt + Wert(f, "SachbezuegeEdit")) * kBmvgSatz * 0.01);
  const double svFrei =
      Schreibe(f, "SVFreibetragEdit", Wert(f, "SVFreibetrEdit") + lohnarten.LohnartenSvFrei);

  // Contribution bases.
  SvGrundlagenInput gin;
  gin.BeitragsgruppeComboBox = gruppe;
  gin.BruttoEdit = brutto;
  gin.SVFreibetragEdit = svFrei;
  gin.SachbezuegeAbreEdit = sachbezuege;
  gin.InnerhSechstelEdit = innerh;
  gin.SueberschreitungEdit = ueber;
  gin.InnerhSechstelSVfreiEdit = innerhSVfrei;
  gin.SummeSonderZlgEdit = summeSZ;
  gin.SZSVfreiEdit = szSvFrei;
  gin.SummeSonderzahlungenSV = sechstel.SummeSonderzahlungenSV;
  gin.SonderzahlungEdit = sonderzahlung;
  gin.TageMaxSV = StrToInt(f.Text("TageMaxSV"));
  gin.freierDNcheckBox = f.Checked("freierDNcheckBox");
  gin.beitrGrundlVorAltZeilzEdit = Wert(f, "beitrGrundlVorAltZeilzEdit");
  const SvGrundlagen gl = ComputeSvGrundlagen(gin, year);
  werte.SzUeberJahresgrenze = gl.SzUeberJahresgrenze;
  werte.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = gl.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV;
  werte.SzUeberJahresgrenzeDifferenz = gl.SzUeberJahresgrenzeDifferenz;
  werte.SZSVfreiDifferenz = gl.SZSVfreiDifferenz;
  Schreibe(f, "fiktiveBMGedit", gl.fiktiveBMGedit);
  Schreibe(f, "TempEdit1", gl.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV);
  Schreibe(f, "TempEdit2", gl.SZSVfreiDifferenz);
  const double svBasis = Schreibe(f, "SVBeitragsgrundlageEdit", gl.SVBeitragsgrundlageEdit);
  const double szBasis =
      Schreibe(f, "SVBeitragsGrundlageSonderzahlungEdit", gl.SVBeitragsGrundlageSonderzahlungEdit);

  // Contributions.
  SvBeitraegeInput bin;
  bin.BeitragsgruppeComboBox = gruppe;
  bin.SVBeitragsgrundlageEdit = svBasis;
  bin.SVBeitragsGrundlageSonderzahlungEdit = szBasis;
  bin.TageMaxSV = gin.TageMaxSV;
  bin.beitrGrundlVorAltZeilzEdit = gin.beitrGrundlVorAltZeilzEdit;
  bin.KU = f.Checked("KU");
  bin.WF = f.Checked("WF");
  bin.LK = f.Checked("LK");
  bin.SW = f.Checked("SW");
  bin.KaerntenCheckBox = f.Checked("KaerntenCheckBox");
  bin.ServiceEntgelt_eCardEdit = Wert(f, "ServiceEntgelt_eCardEdit");
  bin.AMPFGautoCheckBox = f.Checked("AMPFGautoCheckBox");
  bin.AMPFG_RueckVerrGruppeEdit = f.Text("AMPFG_RueckVerrGruppeEdit");
  bin.AMPFG_RueckVerrGruppe_SZEdit = f.Text("AMPFG_RueckVerrGruppe_SZEdit");
  bin.AMPFG_SVGrundlageEdit = Wert(f, "AMPFG_SVGrundlageEdit");
  bin.AMPFG_RueckVerrBetragEdit = Wert(f, "AMPFG_RueckVerrBetragEdit");
  bin.AMPFG_SVGrundlage_SZEdit = Wert(f, "AMPFG_SVGrundlage_SZEdit");
  bin.AMPFG_RueckVerrBetrag_SZEdit = Wert(f, "AMPFG_RueckVerrBetrag_SZEdit");
  bin.MonatComboBox = StrToInt(f.Text("MonatComboBox"));
  bin.JahrComboBox = StrToInt(f.Text("JahrComboBox"));
  bin.BruttoEdit = brutto;
  bin.SachbezuegeAbreEdit = sachbezuege;
  bin.SVFreibetragEdit = svFrei;
  bin.SueberschreitungEdit = ueber;
  bin.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = gl.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV;
  bin.KUWFbasisSzUeberSechstel = gl.KUWFbasisSzUeberSechstel;
  bin.B = gl.B;
  bin.AmpfgGrundlageSonderzahlung = gl.AmpfgGrundlageSonderzahlung;
  // The group was checked above, so the contributions are always there.
  const SvBeitraege sv = *ComputeSvBeitraege(bin, year);
  Schreibe(f, "DGAnteilEdit", sv.DGAnteilEdit);
  Schreibe(f, "DNAnteilEdit", sv.DNAnteilEdit);
  Schreibe(f, "BetragDNAnteilEdit", sv.BetragDNAnteilEdit);
  Schreibe(f, "DN_KU_Edit", sv.DN_KU_Edit);
  Schreibe(f, "TempEdit", sv.TempEdit);
  Schreibe(f, "SVBeitragsgrundlageEdit", sv.SVBeitragsgrundlageEdit);
  Schreibe(f, "DN_WF_Edit", sv.DN_WF_Edit);
  Schreibe(f, "DN_LK_Edit", sv.DN_LK_Edit);
  Schreibe(f, "DN_SW_Edit", sv.DN_SW_Edit);
  Schreibe(f, "BetragDNAnteilSonderZEdit", sv.BetragDNAnteilSonderZEdit);
  Schreibe(f, "DN_LK_SZ_Edit", sv.DN_LK_SZ_Edit);
  Schreibe(f, "DN_SW_SZ_Edit", sv.DN_SW_SZ_Edit);
  if (!sv.AmpfgGetippt) {
    f.SetText("AMPFG_RueckVerrGruppeEdit", sv.AMPFG_RueckVerrGruppeEdit);
    f.SetText("AMPFG_RueckVerrGruppe_SZEdit", sv.AMPFG_RueckVerrGruppe_SZEdit);
    SchreibeAmpfg(f, "AMPFG_SVGrundlageEdit", sv.AMPFG_RueckVerrGruppeEdit,
                  sv.AMPFG_SVGrundlageEdit);
    SchreibeAmpfg(f, "AMPFG_RueckVerrBetragEdit", sv.AMPFG_RueckVerrGruppeEdit,
                  sv.AMPFG_RueckVerrBetragEdit);
    SchreibeAmpfg(f, "AMPFG_SVGrundlage_SZEdit", sv.AMPFG_RueckVerrGruppe_SZEdit,
                  sv.AMPFG_SVGrundlage_SZEdit);
    SchreibeAmpfg(f, "AMPFG_RueckVerrBetrag_SZEdit", sv.AMPFG_RueckVerrGruppe_SZEdit,
                  sv.AMPFG_RueckVerrBetrag_SZEdit);
  }
  const double svLaufend = Schreibe(f, "SV_DN_GesamtEdit", sv.SV_DN_GesamtEdit);
  const double svSZ = Schreibe(f, "SV_DN_SZ_GesamtEdit", sv.SV_DN_SZ_GesamtEdit);
  if (sv.Sonderfall20Prozent) dlg.ShowMessage(kMeldungSonderfall20Prozent);
  const double svAbzug = Schreibe(f, "SV_AbzGesEdit", svLaufend + svSZ + Wert(f, "SonstSZSVEdit"));

  // Tax allowances and the wage-tax base.
  for (const char* name :
       {"FreibetragEdit", "FreibetrLtMitteilgEdit", "NormArbeitszeitEdit", "LandarbFreiEdit",
        "SonstSteuerfrEdit", "AuslandsTaetEdit", "freiwillBeitrEdit"})
    steuerfrei += Wert(f, name);
  const double freibetr = Schreibe(f, "FreibetrEdit", steuerfrei + lohnarten.LohnartenLstFrei);
  Schreibe(f, "KrankenschEdit", Wert(f, "freiwillBeitrEdit"));
  const double grundlageLst = Schreibe(
      f, "GrundlageLSTEdit", std::max(brutto + sachbezuege + ueber - svLaufend - freibetr, 0.0));

  // Special payments within the sixth: the 620 free, once a year.
  double grundlLstSZ = 0;
  if (sonderzahlung > 0 || szSvFrei > 0) {
    const double x = innerh - svSZ + innerhSVfrei;
    double frei = 0;
    if (!f.Checked("ohneFreibSZCheckBox")) {
      frei = kLstFreibetragSZ - sechstel.SummeLstFreibetrSZEdit;
      if (x <= kLstFreibetragSZ) frei = std::min(frei, x);
    }
    frei = Schreibe(f, "LstFreibetragSZ", std::max(frei, 0.0));
    grundlLstSZ = Schreibe(f, "GrundlLstSZ", std::max(x - frei, 0.0));
  }

  // Wage tax. The commuter euro is a credit against the tariff tax of the
  // current pay only: it lowers that tax down to 0 at most, leaves the tax
  // on special payments alone and never touches a typed tax, so a new run
  // never credits it twice.
  const bool credit = f.Checked("Alleinverdiener") || f.Checked("grPendlPausch");
  const int kinder = AnzahlKinderFuerLohnsteuer(credit, f.Text("AnzahlKinderEdit"));
  if (f.Checked("LstBerechnen")) {
    double lst = RoundBetrag(MonthlyLohnsteuer(grundlageLst, credit, kinder));
    const double pendlerEuro = Wert(f, "BPEND_Edit");
    if (pendlerEuro > 0 && f.Checked("CheckBox32"))
      lst = std::max(lst - RoundBetrag(pendlerEuro / 12), 0.0);
    Schreibe(f, "LohnsteuerBetragEdit", lst);
  }
  SonderzahlungTarifInput szTarif;
  szTarif.grundlLstSZ = grundlLstSZ;
  szTarif.bisherGrundlLstSZ = sechstel.SummeGrundlLstSZ;
  szTarif.jahressechstel = sechstel.JahressechstelEdit;
  szTarif.grundlageLST = grundlageLst;
  szTarif.creditFlag = credit;
  szTarif.anzahlKinder = kinder;
  const double lstSZ = Schreibe(f, "LstSZ", LohnsteuerSonderzahlung(szTarif));
  const double lstGesamt =
      Schreibe(f, "LstGesamt",
               std::max(Wert(f, "LohnsteuerBetragEdit") + lstSZ + Wert(f, "SonstSZLSTEdit"), 0.0));

  // Net and payout.
  const double netto = Schreibe(f, "NettoBetragEdit", bruttoGesamt - svAbzug - lstGesamt);
  Schreibe(f, "AuszahlungsbetragEdit",
           netto + Wert(f, "SpesenersatzEdit") - Wert(f, "VorschussEdit") -
               Wert(f, "ExekutionEdit") - Wert(f, "KrankenschEdit"));
  return true;
}

}  // namespace lohn
