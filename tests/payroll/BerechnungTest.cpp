// The gross-to-net calculation on the employee window's fields, against
// worked examples computed by hand to the cent.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "payroll/Beitragsgruppen.h"
#include "payroll/Berechnung.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormTestSupport.h"
#include "store/AbrechnungStore.h"
#include "store/Numbers.h"
#include "support/Fakes.h"

namespace {

using namespace lohn;
using persform_test::kStem;
using Felder = std::map<std::string, std::string>;

// An employee window prepared as the program creates it, with a new salaried
// employee (group D1, KU and WF, wage tax computed) and the period March 2014.
struct Rechner {
  Rechner() {
    persform_test::WritePersonal({});
    persform_test::WriteAbrechnungen({});
    env.state.DataFileStem = kStem;
    PersFormCreate(env.state, k.form);
    Setze({{"PersNrEdit", "1"}, {"MonatComboBox", "3"}, {"JahrComboBox", "2014"}});
  }
  void Setze(const Felder& felder) {
    for (const auto& [name, text] : felder) k.form.SetText(name, text);
  }
  void Haken(const char* name, bool on) { k.form.SetChecked(name, on); }
  void Arbeiter() {
    Haken("AngestellterCheckBox", false);
    Haken("ArbeiterCheckBox", true);
  }
  bool Rechne(const std::vector<AbrechnungRecord>& frueher = {}) {
    return CalculateAbrechnung(k, frueher);
  }
  const std::string& T(const char* name) const { return k.form.Text(name); }
  std::vector<std::string>& Meldungen() { return env.dialogs.messages; }

  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  PersFormKontext k{env.state};
};

void ErwarteFelder(const Rechner& r, const Felder& erwartet) {
  for (const auto& [name, text] : erwartet) EXPECT_EQ(r.T(name.c_str()), text) << name;
}

AbrechnungRecord Frueher(std::int32_t monat, double brutto, double sonderzahlung = 0) {
  AbrechnungRecord a = persform_test::Abrechnung(1, monat);
  a.BruttoEdit = brutto;
  a.SonderzahlungEdit = sonderzahlung;
  return a;
}

TEST(Berechnung, SalariedD1WithTwoThousandInMarch) {
  Rechner r;
  r.Setze({{"GehaltEdit", "2000"}});
  ASSERT_TRUE(r.Rechne());
  // 17.07 % of 2000 = 341.40, KU and WF 0.5 % each = 10.00; the AMPFG base
  // 2000 lies above the last bracket. Wage tax: (1638.60 x 12 - 192 - 11000)
  // x 0.365 = 3092.00, less 345 = 2747.00, a twelfth = 228.92.
  ErwarteFelder(r, {{"BruttoEdit", "2000,00"},
                    {"BruttoGesamtEdit", "2000,00"},
                    {"SVBeitragsgrundlageEdit", "2000,00"},
                    {"DGAnteilEdit", "20,78"},
                    {"DNAnteilEdit", "17,07"},
                    {"BetragDNAnteilEdit", "341,40"},
                    {"DN_KU_Edit", "10,00"},
                    {"DN_WF_Edit", "10,00"},
                    {"SV_DN_GesamtEdit", "361,40"},
                    {"SV_DN_SZ_GesamtEdit", "0,00"},
                    {"SV_AbzGesEdit", "361,40"},
                    {"AMPFG_RueckVerrGruppeEdit", ""},
                    {"AMPFG_RueckVerrBetragEdit", "0"},
                    {"FreibetrEdit", "0,00"},
                    {"GrundlageLSTEdit", "1638,60"},
                    {"LohnsteuerBetragEdit", "228,92"},
                    {"LstSZ", "0,00"},
                    {"LstGesamt", "228,92"},
                    {"NettoBetragEdit", "1409,68"},
                    {"AuszahlungsbetragEdit", "1409,68"},
                    {"JahressechstelEdit", "4000,00"},
                    {"SachbezuegeAbreEdit", "0"}});
  EXPECT_TRUE(r.Meldungen().empty());
}

TEST(Berechnung, WorkerPaidByTheHourWithOvertime) {
  Rechner r;
  r.Arbeiter();
  r.Setze({{"BeitragsgruppeComboBox", "A1"},
           {"GehaltEdit", "12,50"},
           {"NormalstundenEdit", "173"},
           {"StundenlohnEdit", "18"},
           {"Ueberstunden50Edit", "4"}});
  ASSERT_TRUE(r.Rechne());
  // 173 x 12.50 = 2162.50; 4 x 18 x 1.5 = 108.00; tax-free 4 x 18 x 0.5 = 36.
  // 17.2 % of 2270.50 = 390.526 -> 390.53; KU and WF 11.3525 -> 11.35 each.
  // Tax base 2270.50 - 413.23 - 36 = 1821.27; tax (21663.24 - 11000) x 0.365
  // = 3892.0826, less 345, a twelfth = 295.5902 -> 295.59.
  ErwarteFelder(r, {{"LohnNormalstundenEdit", "2162,50"},
                    {"LohnGehaltUeberstunden50Edit", "108,00"},
                    {"BruttoEdit", "2270,50"},
                    {"BetragDNAnteilEdit", "390,53"},
                    {"DN_KU_Edit", "11,35"},
                    {"SV_DN_GesamtEdit", "413,23"},
                    {"FreibetrEdit", "36,00"},
                    {"GrundlageLSTEdit", "1821,27"},
                    {"LohnsteuerBetragEdit", "295,59"},
                    {"NettoBetragEdit", "1561,68"}});
}

TEST(Berechnung, WorkerHoursForHolidayAbsenceAndExtraHours) {
  Rechner r;
  r.Arbeiter();
  r.Setze({{"GehaltEdit", "10"},
           {"NormalstundenEdit", "100"},
           {"UrlaubstundenEdit", "16"},
           {"FehlstundenEdit", "8,5"},
           {"MehrstundenEdit", "3"},
           {"MehrstdSatzEdit", "11"},
           {"MehrstdZuschlagEdit", "25"},
           {"ZulageEdit", "50"}});
  ASSERT_TRUE(r.Rechne());
  ErwarteFelder(r, {{"LohnNormalstundenEdit", "1000,00"},
                    {"LohnUrlaubstundenEdit", "160,00"},
                    {"LohnFehlstundenEdit", "85,00"},
                    {"LohnGehaltMehrstundenEdit", "41,25"},
                    {"BruttoEdit", "1336,25"}});
}

TEST(Berechnung, SpecialPaymentWithinTheSixth) {
  Rechner r;
  r.Setze({{"GehaltEdit", "2000"}, {"SonderzahlungEdit", "1000"}});
  ASSERT_TRUE(r.Rechne({Frueher(1, 2000), Frueher(2, 2000)}));
  // Sixth 6000 x 2 / 3 = 4000. The payment's share 17.07 % = 170.70, less the
  // AMPFG reduction of its base 1000 (N25a, 3 %) = 140.70. Taxable within the
  // sixth 1000 - 140.70 = 859.30, less 620 free = 239.30, 6 % = 14.358.
  ErwarteFelder(r, {{"JahressechstelEdit", "4000,00"},
                    {"SummeSonderZlgEdit", "0,00"},
                    {"InnerhSechstelEdit", "1000,00"},
                    {"SueberschreitungEdit", "0,00"},
                    {"BruttoGesamtEdit", "3000,00"},
                    {"SVBeitragsgrundlageEdit", "2000,00"},
                    {"SVBeitragsGrundlageSonderzahlungEdit", "1000,00"},
                    {"BetragDNAnteilSonderZEdit", "170,70"},
                    {"AMPFG_RueckVerrGruppe_SZEdit", "N25a"},
                    {"AMPFG_RueckVerrBetrag_SZEdit", "-30,00"},
                    {"SV_DN_SZ_GesamtEdit", "140,70"},
                    {"SV_AbzGesEdit", "502,10"},
                    {"LstFreibetragSZ", "620,00"},
                    {"GrundlLstSZ", "239,30"},
                    {"LohnsteuerBetragEdit", "228,92"},
                    {"LstSZ", "14,36"},
                    {"LstGesamt", "243,28"},
                    {"NettoBetragEdit", "2254,62"}});
}

TEST(Berechnung, AmpfgOnASpecialPaymentTakesThePaymentWhole) {
  // 1000 a month January to October, 1000 special payment in June; November
  // pays 1000 with a special payment of 2000. The sixth leaves 1000 of it
  // within; the reduction on special payments looks at the 2000, which lies
  // above every bracket, so only the current pay's 30.00 is reduced.
  std::vector<AbrechnungRecord> frueher;
  for (int monat = 1; monat <= 10; ++monat) {
    frueher.push_back(Frueher(monat, 1000, monat == 6 ? 1000 : 0));
    if (monat == 6) frueher.back().LstFreibetragSZ = 620;
  }
  Rechner r;
  r.Setze({{"MonatComboBox", "11"}, {"GehaltEdit", "1000"}, {"SonderzahlungEdit", "2000"}});
  ASSERT_TRUE(r.Rechne(frueher));
  ErwarteFelder(r, {{"AMPFG_SVGrundlage_SZEdit", "2000,00"},
                    {"AMPFG_RueckVerrGruppe_SZEdit", ""},
                    {"AMPFG_RueckVerrBetrag_SZEdit", "0"},
                    {"AMPFG_RueckVerrBetragEdit", "-30,00"},
                    {"SV_AbzGesEdit", "492,10"},
                    {"NettoBetragEdit", "2264,38"}});
}

TEST(Berechnung, TypedAmpfgFieldsStayAsTyped) {
  Rechner r;
  r.Haken("AMPFGautoCheckBox", false);
  const Felder getippt = {{"GehaltEdit", "2000"},
                          {"AMPFG_RueckVerrGruppeEdit", "N25a"},
                          {"AMPFG_SVGrundlageEdit", "1200"},
                          {"AMPFG_RueckVerrBetragEdit", "-20"},
                          {"AMPFG_SVGrundlage_SZEdit", "0"},
                          {"AMPFG_RueckVerrBetrag_SZEdit", "-0,5"}};
  r.Setze(getippt);
  ASSERT_TRUE(r.Rechne());
  ErwarteFelder(r, getippt);
  EXPECT_EQ(r.T("SV_DN_GesamtEdit"), "341,40");  // 361.40 less the typed 20
}

TEST(Berechnung, SpecialPaymentAboveTheSixth) {
  Rechner r;
  r.Setze({{"GehaltEdit", "2000"}, {"SonderzahlungEdit", "5000"}});
  ASSERT_TRUE(r.Rechne());
  // No earlier month: sixth 2000 x 2 = 4000; 1000 lies above it and is
  // current pay: base 3000, of which KU and WF leave the 1000 out. Tax base
  // 2000 + 1000 - 532.10 = 2467.90: (29422.80 - 25000) x 0.43214... + 5110
  // - 345 = 6676.267, a twelfth 556.36. Within the sixth 4000 - 682.80 -
  // 620 = 2697.20 at 6 % = 161.83.
  ErwarteFelder(r, {{"JahressechstelEdit", "4000,00"},
                    {"InnerhSechstelEdit", "4000,00"},
                    {"SueberschreitungEdit", "1000,00"},
                    {"BruttoGesamtEdit", "7000,00"},
                    {"SVBeitragsgrundlageEdit", "3000,00"},
                    {"SVBeitragsGrundlageSonderzahlungEdit", "4000,00"},
                    {"BetragDNAnteilEdit", "512,10"},
                    {"DN_KU_Edit", "10,00"},
                    {"DN_WF_Edit", "10,00"},
                    {"TempEdit", "1000,00"},
                    {"SV_DN_GesamtEdit", "532,10"},
                    {"SV_DN_SZ_GesamtEdit", "682,80"},
                    {"GrundlageLSTEdit", "2467,90"},
                    {"LohnsteuerBetragEdit", "556,36"},
                    {"GrundlLstSZ", "2697,20"},
                    {"LstSZ", "161,83"},
                    {"NettoBetragEdit", "5066,91"}});
  EXPECT_EQ(r.k.werte.SzUeberJahresgrenze, 0);
}

TEST(Berechnung, SpecialPaymentsAboveTheAnnualCeilingLeaveWorkingValues) {
  Rechner r;
  r.Setze({{"GehaltEdit", "6000"}, {"SonderzahlungEdit", "14000"}});
  // Earlier special payments of 4000 in February; sixth (6000 x 3) x 2 / 3 = 12000.
  ASSERT_TRUE(r.Rechne({Frueher(1, 6000), Frueher(2, 6000, 4000)}));
  // 8000 within, 6000 above it. Above the ceiling 9060: 8000 + 6000 + 4000
  // - 9060 = 8940, cut to the 6000 above the sixth, both ways of counting.
  ErwarteFelder(r, {{"InnerhSechstelEdit", "8000,00"},
                    {"SueberschreitungEdit", "6000,00"},
                    {"SVBeitragsGrundlageSonderzahlungEdit", "5060,00"},
                    {"TempEdit1", "6000,00"},
                    {"TempEdit2", "0,00"}});
  EXPECT_DOUBLE_EQ(r.k.werte.SzUeberJahresgrenze, 6000);
  EXPECT_DOUBLE_EQ(r.k.werte.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV, 6000);
  EXPECT_DOUBLE_EQ(r.k.werte.SzUeberJahresgrenzeDifferenz, 0);
  EXPECT_DOUBLE_EQ(r.k.werte.SZSVfreiDifferenz, 0);
}

TEST(Berechnung, ChamberLevyAndHousingContributionOnTheCurrentPayAsStored) {
  struct Fall {
    const char* name;
    std::vector<AbrechnungRecord> frueher;
    Felder felder;
    const char* beitrag;  // DN_KU_Edit and DN_WF_Edit
    double grundlage;     // KU and WF levy bases of the saved payroll
  };
  AbrechnungRecord svFrei = Frueher(2, 3000);
  svFrei.SZSVfreiEdit = 5000;
  const Fall faelle[] = {
      {"no special payment", {}, {{"GehaltEdit", "3000"}}, "15,00", 3000},
      // Sixth 6000: 1000 over it goes into the base, and out of KU and WF.
      {"over the sixth",
       {Frueher(1, 3000), Frueher(2, 3000)},
       {{"GehaltEdit", "3000"}, {"SonderzahlungEdit", "7000"}},
       "15,00",
       3000},
      // 14000 with 4000 earlier: 6000 over the sixth, all of it above 9060.
      {"over the annual ceiling",
       {Frueher(1, 6000), Frueher(2, 6000, 4000)},
       {{"GehaltEdit", "6000"}, {"SonderzahlungEdit", "14000"}},
       "22,65",
       4530},
      // The SV-free 5000 of February count against 9060 for the special
      // payments in all (1940 above it), but not for the SV-liable ones:
      // the 5000 over the sixth stay in the base and out of KU and WF.
      {"SV-free special payment earlier in the year",
       {Frueher(1, 3000), svFrei},
       {{"GehaltEdit", "3000"}, {"SonderzahlungEdit", "6000"}},
       "15,00",
       3000},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Rechner r;
    r.Setze(fall.felder);
    ASSERT_TRUE(r.Rechne(fall.frueher));
    EXPECT_EQ(r.T("DN_KU_Edit"), fall.beitrag);
    EXPECT_EQ(r.T("DN_WF_Edit"), fall.beitrag);
    ASSERT_TRUE(SaveAbrechnungFromForm(r.k));
    auto gespeichert = ReadAbrechnungRecord(kStem, kAbrechnungExt, 1, false, 0, 2014, 3);
    ASSERT_TRUE(gespeichert);
    EXPECT_NEAR(gespeichert->Grundlage(Umlage::KU), fall.grundlage, 1e-9);
    EXPECT_NEAR(gespeichert->Grundlage(Umlage::WF), fall.grundlage, 1e-9);
  }
}

TEST(Berechnung, OnlyLiableSpecialPaymentsCountAgainstTheAnnualCeiling) {
  struct Fall {
    const char* name;
    std::vector<AbrechnungRecord> frueher;
    const char* szSvFrei;
    const char* basis;   // SVBeitragsGrundlageSonderzahlungEdit
    const char* anteil;  // BetragDNAnteilSonderZEdit
  };
  AbrechnungRecord feb = Frueher(2, 6000, 4530);
  AbrechnungRecord febSvFrei = feb;
  febSvFrei.SZSVfreiEdit = 500;
  // 4530 in February and 4530 in March reach 9060 exactly; 17.07 % of
  // 4530 = 773.27. An SV-free payment uses none of the ceiling.
  const Fall faelle[] = {
      {"liable ones alone", {Frueher(1, 6000), feb}, "0", "4530,00", "773,27"},
      {"SV-free payment in the same month", {Frueher(1, 6000), feb}, "1000", "4530,00", "773,27"},
      {"SV-free payment earlier in the year",
       {Frueher(1, 6000), febSvFrei},
       "0",
       "4530,00",
       "773,27"},
      // 6000 liable in February leave 3060: 17.07 % = 522.34.
      {"ceiling reached by liable ones",
       {Frueher(1, 6000), Frueher(2, 6000, 6000)},
       "0",
       "3060,00",
       "522,34"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Rechner r;
    r.Setze(
        {{"GehaltEdit", "6000"}, {"SonderzahlungEdit", "4530"}, {"SZSVfreiEdit", fall.szSvFrei}});
    ASSERT_TRUE(r.Rechne(fall.frueher));
    EXPECT_EQ(r.T("SueberschreitungEdit"), "0,00");
    EXPECT_EQ(r.T("SVBeitragsgrundlageEdit"), "4530,00");
    EXPECT_EQ(r.T("SVBeitragsGrundlageSonderzahlungEdit"), fall.basis);
    EXPECT_EQ(r.T("BetragDNAnteilSonderZEdit"), fall.anteil);
  }
}

TEST(Berechnung, ContributionBasesWithCeilings) {
  struct Fall {
    const char* name;
    Felder felder;
    bool freierDN;
    const char* basis;
  };
  const Fall faelle[] = {
      {"salaried 3000", {{"GehaltEdit", "3000"}}, false, "3000,00"},
      {"6000 with 30 days", {{"GehaltEdit", "6000"}}, false, "4530,00"},
      {"6000 with 20 days", {{"GehaltEdit", "6000"}, {"TageMaxSV", "20"}}, false, "3020,00"},
      {"free service contract", {{"GehaltEdit", "6000"}}, true, "5285,00"},
      {"NKand minimum",
       {{"GehaltEdit", "1000"}, {"BeitragsgruppeComboBox", "NKand"}},
       false,
       "2257,20"},
      {"benefits in kind less SV-free pay",
       {{"GehaltEdit", "2000"}, {"SachbezuegeEdit", "150"}, {"SVFreibetrEdit", "100"}},
       false,
       "2050,00"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Rechner r;
    r.Setze(fall.felder);
    r.Haken("freierDNcheckBox", fall.freierDN);
    ASSERT_TRUE(r.Rechne());
    EXPECT_EQ(r.T("SVBeitragsgrundlageEdit"), fall.basis);
  }
}

TEST(Berechnung, TaxFreeSurchargesForOvertimeAndNightWork) {
  struct Fall {
    const char* name;
    Felder felder;
    bool nachtUeberwiegend;
    const char* freibetrag;
  };
  const Fall faelle[] = {
      // 10 x 20 x 0.5 = 100, cut to 86; the 100 % hours count nothing.
      {"overtime cut at 86",
       {{"StundenlohnEdit", "20"}, {"Ueberstunden50Edit", "12"}, {"Ueberstunden100Edit", "4"}},
       false,
       "86,00"},
      // 6 + 3 hours, then one of the 100 % hours: 10 x 8 x 0.5 = 40.
      {"first ten hours in order",
       {{"StundenlohnEdit", "8"},
        {"Ueberstunden50Edit", "6"},
        {"Ueberstunden75Edit", "3"},
        {"Ueberstunden100Edit", "5"},
        {"Ueberstunden200Edit", "2"}},
       false,
       "40,00"},
      {"negative hours count nothing",
       {{"StundenlohnEdit", "8"}, {"Ueberstunden50Edit", "-5"}, {"Ueberstunden200Edit", "2"}},
       false,
       "8,00"},
      {"night 500 counts 360", {{"davonNachtZuschl", "500"}}, false, "360,00"},
      {"night 500 predominantly at night", {{"davonNachtZuschl", "500"}}, true, "500,00"},
      {"night 600 predominantly at night", {{"davonNachtZuschl", "600"}}, true, "540,00"},
      {"allowances add up",
       {{"FreibetragEdit", "10"},
        {"FreibetrLtMitteilgEdit", "20"},
        {"NormArbeitszeitEdit", "30"},
        {"LandarbFreiEdit", "1"},
        {"SonstSteuerfrEdit", "2"},
        {"AuslandsTaetEdit", "3"},
        {"freiwillBeitrEdit", "4"}},
       false,
       "70,00"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Rechner r;
    r.Setze({{"GehaltEdit", "2500"}});
    r.Setze(fall.felder);
    r.Haken("UeberwiegNachtarbeitCheckBox", fall.nachtUeberwiegend);
    ASSERT_TRUE(r.Rechne());
    EXPECT_EQ(r.T("FreibetrEdit"), fall.freibetrag);
  }
}

TEST(Berechnung, VoluntaryContributionsAreWithheldFromThePayout) {
  Rechner r;
  r.Setze({{"GehaltEdit", "2000"},
           {"freiwillBeitrEdit", "20"},
           {"SpesenersatzEdit", "50"},
           {"VorschussEdit", "100"}});
  ASSERT_TRUE(r.Rechne());
  // Tax base 1618.60: (19423.20 - 11192) x 0.365 = 3004.388, less 345, a twelfth 221.62.
  ErwarteFelder(r, {{"KrankenschEdit", "20,00"},
                    {"FreibetrEdit", "20,00"},
                    {"GrundlageLSTEdit", "1618,60"},
                    {"LohnsteuerBetragEdit", "221,62"},
                    {"NettoBetragEdit", "1416,98"},
                    {"AuszahlungsbetragEdit", "1346,98"}});
}

TEST(Berechnung, AdvanceAndGarnishmentMayMakeThePayoutNegative) {
  Rechner r;
  r.Setze({{"GehaltEdit", "1000"}, {"VorschussEdit", "600"}, {"ExekutionEdit", "700"}});
  ASSERT_TRUE(r.Rechne());
  // 1000 - 170.70 - 5 - 5 + 30 AMPFG (N25a) = net 849.30, no wage tax.
  ErwarteFelder(r, {{"LohnsteuerBetragEdit", "0,00"},
                    {"NettoBetragEdit", "849,30"},
                    {"AuszahlungsbetragEdit", "-450,70"}});
}

TEST(Berechnung, WageTypeTotalsEnterGrossPayAndAllowances) {
  Rechner r;
  r.Setze({{"GehaltEdit", "2000"}});
  LohnartenModel& l = r.k.lohnarten;
  l.CodeEditChange(1, "64");
  l.CodeEditExit(1);
  l.AnzahlEditChange(1, "2");
  l.SatzEditChange(1, "15,5");
  l.CodeEditChange(2, "40");
  l.CodeEditExit(2);
  l.AnzahlEditChange(2, "1");
  l.SatzEditChange(2, "26,4");
  ASSERT_TRUE(r.Rechne());
  // 31.00 SV-free (code 64) and 26.40 free of both (code 40).
  ErwarteFelder(r, {{"BruttoEdit", "2057,40"},
                    {"SVFreibetragEdit", "57,40"},
                    {"SVBeitragsgrundlageEdit", "2000,00"},
                    {"FreibetrEdit", "26,40"}});
}

TEST(Berechnung, WorkerWithoutHourlyWageTakesTheOvertimeRate) {
  Rechner r;
  r.Arbeiter();
  r.Setze({{"GehaltEdit", "0"}, {"StundenlohnEdit", "12"}, {"NormalstundenEdit", "10"}});
  ASSERT_TRUE(r.Rechne());
  EXPECT_EQ(r.T("GehaltEdit"), "12");
  EXPECT_EQ(r.T("LohnNormalstundenEdit"), "120,00");
  EXPECT_EQ(r.Meldungen(), std::vector<std::string>{kMeldungStundenlohnUebernommen});
}

TEST(Berechnung, TaxOnSpecialPaymentsOnlyAboveASixthOf2100) {
  struct Fall {
    const char* brutto;
    const char* lstSZ;
  };
  // January: the sixth is twice the month's pay. 1000 within the sixth, its
  // SV share 170.70 less the AMPFG 30 = 140.70; 859.30 - 620 = 239.30 taxable.
  const Fall faelle[] = {{"1050", "0,00"}, {"1050,01", "14,36"}};
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.brutto);
    Rechner r;
    r.Setze({{"MonatComboBox", "1"}, {"GehaltEdit", fall.brutto}, {"SonderzahlungEdit", "1000"}});
    ASSERT_TRUE(r.Rechne());
    EXPECT_EQ(r.T("GrundlLstSZ"), "239,30");
    EXPECT_EQ(r.T("LstSZ"), fall.lstSZ);
  }
  // July: 7350.01 x 2 / 7 = 2100.0029 shows as 2100,00 and is taxed.
  Rechner r;
  r.Setze({{"MonatComboBox", "7"}, {"GehaltEdit", "1050,01"}, {"SonderzahlungEdit", "1000"}});
  ASSERT_TRUE(r.Rechne({Frueher(1, 1050), Frueher(2, 1050), Frueher(3, 1050), Frueher(4, 1050),
                        Frueher(5, 1050), Frueher(6, 1050)}));
  EXPECT_EQ(r.T("JahressechstelEdit"), "2100,00");
  EXPECT_NE(r.T("LstSZ"), "0,00");
}

TEST(Berechnung, TaxFreeAmountOfSpecialPayments) {
  struct Fall {
    const char* name;
    std::vector<AbrechnungRecord> frueher;
    bool ohneFreibetrag;
    const char* freibetrag;
    const char* grundlage;
  };
  AbrechnungRecord verbraucht = Frueher(2, 2000, 800);
  verbraucht.LstFreibetragSZ = 500;
  const Fall faelle[] = {
      // 500 within the sixth less its share 85.35 - AMPFG 15 = 70.35: 429.65, all free.
      {"small payment is free", {}, false, "429,65", "0,00"},
      {"free amount used earlier", {verbraucht}, false, "120,00", "309,65"},
      {"no free amount", {}, true, "0,00", "429,65"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Rechner r;
    r.Setze({{"GehaltEdit", "2000"}, {"SonderzahlungEdit", "500"}});
    r.Haken("ohneFreibSZCheckBox", fall.ohneFreibetrag);
    ASSERT_TRUE(r.Rechne(fall.frueher));
    EXPECT_EQ(r.T("LstFreibetragSZ"), fall.freibetrag);
    EXPECT_EQ(r.T("GrundlLstSZ"), fall.grundlage);
  }
}

TEST(Berechnung, CommuterEuroIsACreditAgainstTheTariffTaxOnly) {
  struct Fall {
    const char* name;
    Felder felder;
    bool monatlich;
    Felder erwartet;
  };
  const Fall faelle[] = {
      {"credited monthly",
       {{"GehaltEdit", "2000"}, {"BPEND_Edit", "120"}},
       true,
       {{"LohnsteuerBetragEdit", "218,92"}, {"SonstSZLSTEdit", "0"}, {"LstGesamt", "218,92"}}},
      {"not ticked",
       {{"GehaltEdit", "2000"}, {"BPEND_Edit", "120"}},
       false,
       {{"LohnsteuerBetragEdit", "228,92"}, {"LstGesamt", "228,92"}}},
      // Tax 5.00 on a base of 1025.14: the credit of 10 takes it to 0, not below.
      {"tax below the credit",
       {{"GehaltEdit", "2000"}, {"FreibetragEdit", "613,46"}, {"BPEND_Edit", "120"}},
       true,
       {{"LohnsteuerBetragEdit", "0,00"}, {"LstGesamt", "0,00"}}},
      // The typed tax of another special payment stays, and so does the tax
      // on the special payment within the sixth.
      {"typed tax and special payment untouched",
       {{"GehaltEdit", "2000"},
        {"BPEND_Edit", "120"},
        {"SonstSZLSTEdit", "7"},
        {"SonderzahlungEdit", "1000"}},
       true,
       {{"LohnsteuerBetragEdit", "218,92"},
        {"SonstSZLSTEdit", "7"},
        {"LstSZ", "14,36"},
        {"LstGesamt", "240,28"}}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Rechner r;
    r.Setze(fall.felder);
    r.Haken("CheckBox32", fall.monatlich);
    ASSERT_TRUE(r.Rechne({Frueher(1, 2000), Frueher(2, 2000)}));
    ErwarteFelder(r, fall.erwartet);
    // A second run credits it once again, not twice.
    ASSERT_TRUE(r.Rechne({Frueher(1, 2000), Frueher(2, 2000)}));
    ErwarteFelder(r, fall.erwartet);
  }
}

TEST(Berechnung, TypedWageTaxStaysWhenNotComputed) {
  Rechner r;
  r.Haken("LstBerechnen", false);
  r.Setze({{"GehaltEdit", "2000"}, {"LohnsteuerBetragEdit", "100"}});
  ASSERT_TRUE(r.Rechne());
  ErwarteFelder(r, {{"LohnsteuerBetragEdit", "100"}, {"NettoBetragEdit", "1538,60"}});
}

TEST(Berechnung, SoleEarnerCreditWithChildren) {
  Rechner r;
  r.Haken("Alleinverdiener", true);
  r.Setze({{"GehaltEdit", "2000"}, {"AnzahlKinderEdit", "2"}});
  ASSERT_TRUE(r.Rechne());
  // (3092.00 - 345 - 669) / 12 = 173.17.
  EXPECT_EQ(r.T("LohnsteuerBetragEdit"), "173,17");
}

TEST(Berechnung, ProvisionFund) {
  struct Fall {
    bool bmvg;
    bool automatisch;
    const char* betrag;
  };
  // (2000 + 100 special payment + 150 benefits in kind) x 1.53 % = 34.425.
  const Fall faelle[] = {{true, true, "34,43"}, {true, false, "12,34"}, {false, true, "0,00"}};
  for (const Fall& fall : faelle) {
    Rechner r;
    r.Haken("BMVGcheckBox", fall.bmvg);
    r.Haken("BMVGberechnenCheckBox", fall.automatisch);
    r.Setze({{"GehaltEdit", "2000"},
             {"SonderzahlungEdit", "100"},
             {"SachbezuegeEdit", "150"},
             {"BMVGbetragEdit", "12,34"}});
    ASSERT_TRUE(r.Rechne());
    EXPECT_EQ(r.T("BMVGbetragEdit"), fall.betrag);
  }
}

TEST(Berechnung, TwentyPercentLimitIsAnnounced) {
  Rechner r;
  r.Setze({{"GehaltEdit", "100"}, {"SachbezuegeEdit", "1000"}});
  ASSERT_TRUE(r.Rechne());
  EXPECT_EQ(r.T("BetragDNAnteilEdit"), "20,00");
  EXPECT_EQ(r.Meldungen(), std::vector<std::string>{kMeldungSonderfall20Prozent});
}

TEST(Berechnung, EmptyFieldsCountAsZero) {
  Rechner r;
  r.Setze({{"GehaltEdit", "2000"}, {"ZulageEdit", ""}, {"SonstSZLSTEdit", ""}});
  ASSERT_TRUE(r.Rechne());
  EXPECT_EQ(r.T("ZulageEdit"), "0,00");
  EXPECT_EQ(r.T("NettoBetragEdit"), "1409,68");
}

TEST(Berechnung, RefusesWithoutExactlyOnePayKindOrWithAnUnknownGroup) {
  struct Fall {
    const char* name;
    bool angestellter;
    bool arbeiter;
    const char* gruppe;
    std::string meldung;
  };
  const Fall faelle[] = {
      {"neither", false, false, "D1", kMeldungGehaltOderStdLohn},
      {"both", true, true, "D1", kMeldungGehaltOderStdLohn},
      {"unknown group", true, false, "a1", BeitragsgruppeFehler("a1")},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Rechner r;
    r.Setze({{"GehaltEdit", "2000"}, {"SonderzahlungEdit", "5000"}});
    ASSERT_TRUE(r.Rechne());
    const BerechnungsWerte vorher = r.k.werte;
    r.Haken("AngestellterCheckBox", fall.angestellter);
    r.Haken("ArbeiterCheckBox", fall.arbeiter);
    r.Setze({{"BeitragsgruppeComboBox", fall.gruppe}, {"GehaltEdit", "3000"}, {"ZulageEdit", ""}});
    EXPECT_FALSE(r.Rechne());
    EXPECT_EQ(r.Meldungen(), std::vector<std::string>{fall.meldung});
    // Nothing of the earlier run is touched, nothing new is computed.
    ErwarteFelder(r,
                  {{"BruttoEdit", "2000,00"}, {"NettoBetragEdit", "5066,91"}, {"ZulageEdit", ""}});
    EXPECT_EQ(r.k.werte.SzUeberJahresgrenze, vorher.SzUeberJahresgrenze);
  }
}

TEST(Berechnung, ResultsOfAnEarlierRunAreCleared) {
  Rechner r;
  r.Setze({{"GehaltEdit", "2000"}, {"SonderzahlungEdit", "5000"}});
  ASSERT_TRUE(r.Rechne());
  r.Setze({{"SonderzahlungEdit", "0"}});
  ASSERT_TRUE(r.Rechne());
  ErwarteFelder(r, {{"InnerhSechstelEdit", "0,00"},
                    {"SueberschreitungEdit", "0,00"},
                    {"LstFreibetragSZ", "0,00"},
                    {"GrundlLstSZ", "0,00"},
                    {"LstSZ", "0,00"},
                    {"NettoBetragEdit", "1409,68"}});
}

TEST(Berechnung, ConversionErrorStopsTheRun) {
  Rechner r;
  r.Setze({{"GehaltEdit", "2000"}, {"ZulageEdit", "zehn"}});
  EXPECT_THROW(r.Rechne(), ConversionError);
}

TEST(JahresAbrechnungen, GathersTheEarlierMonthsAndThePlaceOfTheKeyInOnePass) {
  testing_support::TempWorkDir dir;
  AbrechnungRecord teil = Frueher(2, 300);
  teil.AbrechngComboBox = 1;
  AbrechnungRecord anderesJahr = Frueher(1, 400);
  anderesJahr.JahrComboBox = 2013;
  persform_test::WriteAbrechnungen({Frueher(1, 100), Frueher(3, 1), persform_test::Abrechnung(2, 1),
                                    teil, anderesJahr, Frueher(4, 5), Frueher(3, 2)});
  auto j = LeseJahresAbrechnungen(kStem, {1, 3, 2014, 0});
  ASSERT_TRUE(j);
  ASSERT_EQ(j->frueher.size(), 2u);
  EXPECT_EQ(j->frueher[0].BruttoEdit, 100);
  EXPECT_EQ(j->frueher[1].BruttoEdit, 300);
  EXPECT_EQ(j->position, 6u);  // the last of two records with the key

  EXPECT_FALSE(LeseJahresAbrechnungen(kStem, {1, 5, 2014, 0})->position);
}

TEST(JahresAbrechnungen, MissingFileHoldsNothingAndAnUnreadableOneRefuses) {
  testing_support::TempWorkDir dir;
  auto leer = LeseJahresAbrechnungen(kStem, {1, 3, 2014, 0});
  ASSERT_TRUE(leer);
  EXPECT_TRUE(leer->frueher.empty());
  EXPECT_FALSE(leer->position);
  std::filesystem::create_directory(kStem + ".ABR");
  EXPECT_FALSE(LeseJahresAbrechnungen(kStem, {1, 3, 2014, 0}));
}

}  // namespace

namespace {

TEST(JahresAbrechnungen, SaveAtTheKnownPlaceReplacesOrAppendsWithoutAnotherPass) {
  struct Fall {
    const char* name;
    std::int32_t monat;
    std::optional<std::size_t> position;
    std::vector<double> brutto;  // the file afterwards, in order
  };
  const Fall faelle[] = {
      {"replaced in place", 2, 1, {100, 999, 300}},
      {"appended", 4, std::nullopt, {100, 200, 300, 999}},
      // The place no longer holds the key: the key is looked up again.
      {"stale place", 2, 2, {100, 999, 300}},
      {"place behind the end", 2, 7, {100, 999, 300}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    testing_support::TempWorkDir dir;
    testing_support::FakeDialogs dlg;
    persform_test::WriteAbrechnungen({Frueher(1, 100), Frueher(2, 200), Frueher(3, 300)});
    AbrechnungRecord neu = Frueher(fall.monat, 999);
    ASSERT_TRUE(SaveAbrechnungRecordAt(dlg, kStem, kAbrechnungExt, neu, fall.position));
    std::vector<double> brutto;
    ScanAbrechnungRecords(kStem, kAbrechnungExt,
                          [&](const AbrechnungRecord& r) { brutto.push_back(r.BruttoEdit); });
    EXPECT_EQ(brutto, fall.brutto);
    EXPECT_TRUE(dlg.messages.empty());
  }
}

}  // namespace
