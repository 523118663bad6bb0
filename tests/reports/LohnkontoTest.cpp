// Wage accounts, the totals sheet and the employee lists: the levy base,
// duplicates, remarks and short numbers on small hand-made files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "frame/HauptmenueLogik.h"
#include "reports/BerichtKontext.h"
#include "reports/BerichtText.h"
#include "reports/Berichte.h"
#include "reports/DienstnehmerListen.h"
#include "reports/Lohnkonto.h"
#include "store/AbrechnungRecord.h"
#include "store/Cp1252.h"
#include "store/PersonalRecord.h"
#include "store/TextRoutines.h"
#include "support/Fakes.h"
#include "support/Golden.h"

namespace {

using namespace lohn;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

// A record of the month with gross = total gross.
AbrechnungRecord Satz(int nr, int monat, double brutto, int jahr = 2014) {
  AbrechnungRecord r;
  r.PersNrEdit = nr;
  r.MonatComboBox = monat;
  r.JahrComboBox = jahr;
  r.BruttoEdit = r.BruttoGesamtEdit = brutto;
  return r;
}

PersonalRecord Person(int nr) {
  PersonalRecord p;
  p.PersNrEdit = nr;
  p.FamNameEdit = "DN" + std::to_string(nr);
  return p;
}

// A line of the totals sheet with the given months; the period is their sum.
std::string Summe(const char* label, std::map<int, double> monate) {
  double gesamt = 0;
  for (auto [m, v] : monate) gesamt += v;
  std::string z = PadText(label, 28, true) + BerichtText::A(gesamt, 14);
  for (int m = 1; m <= 12; ++m) z += BerichtText::A(monate.count(m) ? monate[m] : 0, 14);
  return z;
}

// A row of the account's first table with gross = total gross.
std::string Zeile1(int monat, double brutto) {
  std::string z = BerichtText::I(monat, 2) + " ";
  for (int i = 0; i < 23; ++i) z += BerichtText::A(i == 0 || i == 4 ? brutto : 0, 9);
  return z;
}

// The total line of the account's first table with gross = total gross.
std::string Summe1(double brutto) {
  std::string z = BerichtText::A(brutto, 12);
  for (int i = 1; i < 23; ++i) z += BerichtText::A(i == 4 ? brutto : 0, 9);
  return z;
}

std::vector<std::string> Zeilen(const std::string& text) {
  std::vector<std::string> z;
  std::size_t a = 0;
  for (std::size_t e; (e = text.find("\r\n", a)) != std::string::npos; a = e + 2)
    z.push_back(text.substr(a, e - a));
  return z;
}

using Generator = std::function<bool(AppState&, const BerichtOptionen&)>;
const Generator kKonten = [](AppState& s, const BerichtOptionen& o) {
  return PrintLohnkonto(s, o, false);
};
const Generator kSumme = [](AppState& s, const BerichtOptionen& o) {
  return PrintLohnkonto(s, o, true);
};

TEST(Lohnkonto, FaultsAndEdges) {
  AbrechnungRecord alt = Satz(2, 3, 2000);
  alt.ueberSechzigCheckBox = true;
  alt.DbDzKommStFreierBetragEdit = 100;
  AbrechnungRecord sonstSZ = Satz(1, 1, 2000);
  sonstSZ.SonstSZEdit = 1000;
  sonstSZ.BruttoGesamtEdit = 3000;
  AbrechnungRecord bemerkung = Satz(1, 1, 100);
  bemerkung.BemerkungenEdit = "Nachzahlung; März";
  PersonalRecord kurz = Person(1);
  kurz.SVNrEdit = "12345";
  PersonalRecord lang50 = Person(1), lang51 = Person(2);
  lang50.BemerkungenEdit = std::string(50, 'a');
  lang51.BemerkungenEdit = std::string(50, 'b') + "c";
  // Nine month bases whose DB at 4.5 % adds up to 621.79 and DZ at 0.4 % to
  // 55.26, where the levies on their sum 13816.67 would be 621.75 and 55.27.
  const double basen[] = {1462.78, 1485.89, 1485.90, 1499.67, 1526.78,
                          1549.23, 1568.56, 1586.78, 1651.08};
  std::vector<AbrechnungRecord> neunMonate;
  std::map<int, double> db, dz;
  const double dbs[] = {65.83, 66.87, 66.87, 67.49, 68.71, 69.72, 70.59, 71.41, 74.30};
  const double dzs[] = {5.85, 5.94, 5.94, 6.00, 6.11, 6.20, 6.27, 6.35, 6.60};
  for (int m = 1; m <= 9; ++m) {
    neunMonate.push_back(Satz(1, m, basen[m - 1]));
    db[m] = dbs[m - 1], dz[m] = dzs[m - 1];
  }
  // Half cents print to the even cent and add up as printed.
  const std::vector<AbrechnungRecord> halbe = {Satz(1, 1, 10.125), Satz(1, 2, 10.125)};
  // Two amounts within the bound whose sum is beyond it; one beyond alone.
  const std::vector<AbrechnungRecord> zuViel = {Satz(1, 1, 6e10), Satz(1, 2, 6e10)};
  const std::string summeZuGross = "Die Summe 120000000000,00";
  AbrechnungRecord riesig = Satz(1, 1, 1e12);
  // Hours of twelve months in two parts each adding up to just within the
  // bound; hours, holiday days and a salary beyond it.
  std::vector<AbrechnungRecord> stunden;
  for (int i = 0; i < 24; ++i) {
    stunden.push_back(Satz(1, i / 2 + 1, 0));
    stunden.back().AbrechngComboBox = i % 2;
    stunden.back().NormalstundenEdit = i % 2 ? 4166666666.67 : 4166666666.66;
  }
  std::string stundenSumme = "     " + BerichtText::A(99999999999.96, 12);
  for (int i = 0; i < 7; ++i) stundenSumme += BerichtText::A(0, 12);
  AbrechnungRecord zuVieleStunden = Satz(1, 1, 0), zuVieleTage = Satz(1, 1, 0);
  zuVieleStunden.NormalstundenEdit = zuVieleTage.UrlaubsKontoTageEdit = 2e13;
  PersonalRecord zuViel1 = Person(1);
  zuViel1.GehaltEdit = 2e13;
  const std::string betragZuGross =
      "Der Betrag 20000000000000,00 des Dienstnehmers 1 DN1 ist zu "
      "groß für den Bericht ";
  AbrechnungRecord vorjahr = Satz(1, 12, 0, 2013), urlaub = Satz(1, 1, 0);
  vorjahr.UrlaubsKontoTageEdit = 5;
  urlaub.UrlaubsKontoTageEdit = 2;

  struct Fall {
    const char* was;
    std::vector<PersonalRecord> personen;
    std::vector<AbrechnungRecord> saetze;
    Generator generator;
    bool excel;
    std::vector<std::pair<std::string, int>> zeilen;  // line, how often
    std::string meldung = {};                         // the start of the refusal: no report
  } faelle[] = {
      {"DB and DZ of the period are the sums of the months",
       {Person(1)},
       neunMonate,
       kSumme,
       false,
       {{Summe("Dienstgeberbeitrag", db), 1},
        {Summe("Dienstgeberzuschlag", dz), 1},
        {PadText("Dienstgeberbeitrag", 28, true) + BerichtText::A(621.79, 14) +
             BerichtText::A(65.83, 14),
         0}}},
      {"half cents: lines and total as printed",
       {Person(1)},
       halbe,
       kKonten,
       false,
       {{Zeile1(1, 10.12), 1}, {Zeile1(2, 10.12), 1}, {Summe1(20.24), 1}}},
      {"... the sheet",
       {Person(1)},
       halbe,
       kSumme,
       false,
       {{Summe("Bruttobezüge gesamt", {{1, 10.12}, {2, 10.12}}), 1}}},
      {"a sum beyond the bound: no sheet",
       {Person(1)},
       zuViel,
       kSumme,
       false,
       {},
       summeZuGross + " in der Zeile \"Laufende Bezüge brutto\" ist zu groß für das "
                      "Betriebssummenblatt (höchstens 100000000000,00). Es wurde kein Bericht "
                      "erstellt."},
      {"... no account",
       {Person(1)},
       zuViel,
       kKonten,
       false,
       {},
       summeZuGross + " des Dienstnehmers 1 DN1 ist zu groß für das Lohnkonto"},
      {"an amount beyond the bound: no account",
       {Person(1)},
       {riesig},
       kKonten,
       false,
       {},
       "Der Betrag 1000000000000,00 des Dienstnehmers 1 DN1 ist zu groß für das Lohnkonto"},
      {"... no sheet",
       {Person(1)},
       {riesig},
       kSumme,
       false,
       {},
       "Der Betrag 1000000000000,00 des Dienstnehmers 1 DN1 ist zu groß für das "
       "Betriebssummenblatt"},
      {"over 60 adds nothing, its DB-free pay is not taken off twice",
       {Person(1), Person(2)},
       {Satz(1, 3, 3000), alt},
       kSumme,
       false,
       {{Summe("Grundlage DB DZ", {{3, 3000}}), 1},
        {Summe("Dienstgeberbeitrag", {{3, 135}}), 1},
        {Summe("Dienstgeberzuschlag", {{3, 12}}), 1}}},
      {"free amount per month",
       {Person(1)},
       {Satz(1, 1, 1460), Satz(1, 2, 1460.01), Satz(1, 3, 1000)},
       kSumme,
       false,
       {{Summe("Grundlage DB DZ", {{1, 1460}, {2, 1460.01}, {3, 1000}}), 1},
        {Summe("Dienstgeberzuschlag", {{1, 1.46}, {2, 5.84}}), 1}}},
      {"account and sheet agree without other special payments",
       {Person(1)},
       {sonstSZ},
       kKonten,
       false,
       {{" 1   3000.00     0.00     0.00     0.00        0  2000.00     0.00     0.00     0.00"
         "     0.00 ",
         1}}},
      {"... the sheet",
       {Person(1)},
       {sonstSZ},
       kSumme,
       false,
       {{Summe("Grundlage DB DZ", {{1, 2000}}), 1}}},
      {"over 60 shows 0 in the account",
       {Person(2)},
       {alt},
       kKonten,
       false,
       {{" 3   2000.00     0.00     0.00     0.00        0        0     0.00     0.00     0.00"
         "     0.00 ",
         1}}},
      {"remark is a cell of its own",
       {Person(1)},
       {bemerkung},
       kKonten,
       true,
       {{" 1 ;   100.00;     0.00;     0.00;     0.00;        0;   100.00;     0.00;     0.00;"
         "     0.00;     0.00;\"Nachzahlung; März\"",
         1}}},
      {"superseded record counts nowhere",
       {Person(1)},
       {Satz(1, 5, 1000), Satz(1, 5, 1500)},
       kSumme,
       false,
       {{Summe("Bruttobezüge gesamt", {{5, 1500}}), 1}}},
      {"... one account line",
       {Person(1)},
       {Satz(1, 5, 1000), Satz(1, 5, 1500)},
       kKonten,
       false,
       {{Zeile1(5, 1500), 1}, {Zeile1(5, 1000), 0}}},
      {"payroll of an employee not on file counts nowhere",
       {Person(1)},
       {Satz(1, 5, 1000), Satz(9, 5, 700)},
       kSumme,
       false,
       {{Summe("Bruttobezüge gesamt", {{5, 1000}}), 1}}},
      {"short SV number",
       {kurz},
       {},
       PrintDienstnehmerGeburtsdaten,
       false,
       {{"SV-Nr / Geburtsdatum 12345", 1}}},
      {"earlier year opens the holiday account",
       {Person(1)},
       {vorjahr, urlaub},
       PrintUrlaubsZeitkonto,
       false,
       {{"    Anfangsstand:" + BerichtText::A(5, 12) + BerichtText::A(0, 24), 1},
        {"   1 " + BerichtText::A(2, 24) + BerichtText::A(0, 24), 1},
        {"  12 " + BerichtText::A(5, 24) + BerichtText::A(0, 24), 0},
        {"    Gesamt:      " + BerichtText::A(7, 12) + BerichtText::A(0, 24), 1}}},
      {"hours adding up to just within the bound: the sum exact",
       {Person(1)},
       stunden,
       PrintDienstnehmerZeiten,
       false,
       {{stundenSumme, 1}}},
      {"hours beyond the bound: no list",
       {Person(1)},
       {zuVieleStunden},
       PrintDienstnehmerZeiten,
       false,
       {},
       betragZuGross + "\"Dienstnehmer-Zeiten\" (höchstens 100000000000,00). Es wurde kein "
                       "Bericht erstellt."},
      {"holiday days beyond the bound: no list",
       {Person(1)},
       {zuVieleTage},
       PrintUrlaubsZeitkonto,
       false,
       {},
       betragZuGross + "\"Urlaubs- und Zeitkonten\""},
      {"a salary beyond the bound: no list",
       {zuViel1},
       {},
       PrintLohnGehaltsliste,
       false,
       {},
       betragZuGross + "\"Lohn-Gehaltsliste\""},
      {"remark of 50 and 51 characters",
       {lang50, lang51},
       {},
       PrintDienstnehmerDaten,
       false,
       {{PadText("      Bemerkung:", 22, true) + std::string(50, 'a'), 1},
        {PadText("      Bemerkung:", 22, true) + std::string(50, 'b') + "-", 1},
        {std::string(22, ' ') + "c", 1}}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    testing_support::TempWorkDir dir;
    testing_support::TestEnv env;
    std::vector<std::uint8_t> per, abr;
    for (const PersonalRecord& p : f.personen) {
      auto b = p.pack();
      per.insert(per.end(), b.begin(), b.end());
    }
    for (const AbrechnungRecord& r : f.saetze) {
      auto b = r.pack();
      abr.insert(abr.end(), b.begin(), b.end());
    }
    WriteBytes("F.PER", per);
    WriteBytes("F.ABR", abr);
    BerichtOptionen o;
    o.stem = "F";
    o.monatVon = 1, o.monatBis = 12, o.jahr = 2014;
    o.db = 4.5, o.dz = 0.4, o.excel = f.excel;
    if (!f.meldung.empty()) {
      EXPECT_FALSE(f.generator(env.state, o));
      EXPECT_FALSE(std::filesystem::exists(kReportFileName));
      ASSERT_EQ(env.dialogs.messages.size(), 1u);
      EXPECT_TRUE(env.dialogs.messages[0].starts_with(f.meldung)) << env.dialogs.messages[0];
      continue;
    }
    ASSERT_TRUE(f.generator(env.state, o));
    auto b = ReadBytes(kReportFileName);
    const auto zeilen = Zeilen(Cp1252ToUtf8({reinterpret_cast<const char*>(b.data()), b.size()}));
    for (auto& [zeile, wie_oft] : f.zeilen)
      EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), zeile), wie_oft) << zeile;
  }
}

// DEMO: worker 1 at 160 h x 9.00, salaried 2 at 2000.00, every month of
// 2014; the reports run through the options window's OK.
struct Demo {
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  BerichtKontext kontext{env.state};

  Demo() {
    env.state.DataFileStem = "DEMO";
    env.state.berichte = &kontext;
    RegistriereBerichte(kontext);
    auto& dg = env.state.Dienstgeber;
    dg.DienstgeberAnrede = "Firma", dg.DienstgeberName = "Muster GmbH";
    dg.DienstgeberStrasse = "Ring 1", dg.DienstgeberPlz = "1010", dg.DienstgeberOrt = "Wien";
    PersonalRecord p1 = Person(1), p2 = Person(2);
    p1.FamNameEdit = "Huber", p1.VornameEdit = "Hans", p1.SVNrEdit = "1234010185";
    p2.FamNameEdit = "Berger", p2.VornameEdit = "Eva", p2.SVNrEdit = "2345150390";
    p1.BeitragsgruppeComboBox = "A1", p2.BeitragsgruppeComboBox = "D1";
    p1.OrtEdit = p2.OrtEdit = "Wien", p1.PLZEdit = p2.PLZEdit = 1100;
    p1.ArbeiterCheckBox = true, p1.GehaltEdit = 9, p2.GehaltEdit = 2000;
    std::vector<std::uint8_t> per, abr;
    for (const PersonalRecord& p : {p1, p2}) {
      auto b = p.pack();
      per.insert(per.end(), b.begin(), b.end());
    }
    for (int m = 1; m <= 12; ++m) {
      AbrechnungRecord a = Satz(1, m, 1440), d = Satz(2, m, 2000);
      a.NormalstundenEdit = 160;
      a.SV_AbzGesEdit = a.SV_DN_GesamtEdit = 247.68;
      a.LohnsteuerBetragEdit = a.LstGesamt = 66.02, a.NettoBetragEdit = 1126.30;
      d.SV_AbzGesEdit = d.SV_DN_GesamtEdit = 361.40;
      d.LohnsteuerBetragEdit = d.LstGesamt = 228.92, d.NettoBetragEdit = 1409.68;
      for (const AbrechnungRecord& r : {a, d}) {
        auto b = r.pack();
        abr.insert(abr.end(), b.begin(), b.end());
      }
    }
    WriteBytes("DEMO.PER", per);
    WriteBytes("DEMO.ABR", abr);
  }

  // The report text file after OK, or "" when no report was written.
  std::string Lauf(Bericht b, std::vector<std::pair<const char*, const char*>> felder,
                   bool excel = false) {
    testing_support::WriteText(kReportFileName, "");
    BerichtPunktOeffnen(env.state, b);
    env.dialogs.messages.clear();
    kontext.optionen.SetChecked("CheckBox1", excel);
    env.state.ExcelExportFlag = excel;
    for (auto& [name, wert] : felder) kontext.optionen.SetText(name, wert);
    kontext.OkClick();
    auto bytes = ReadBytes(kReportFileName);
    return {bytes.begin(), bytes.end()};
  }
};

TEST(Lohnkonto, DemoGoldenFiles) {
  Demo d;
  const std::vector<std::pair<const char*, const char*>> jahr = {
      {"AbfrageMonatVonEdit", "1"}, {"AbfrageMonatBisEdit", "12"}, {"AbfrageJahrEdit", "2014"}};
  auto mit = [&](std::vector<std::pair<const char*, const char*>> mehr) {
    mehr.insert(mehr.begin(), jahr.begin(), jahr.end());
    return mehr;
  };
  testing_support::ExpectGolden("reports/lohnkonto_dn2.txt",
                                d.Lauf(Bericht::Lohnkonten, mit({{"nurEinePersNrEdit", "2"}})));
  testing_support::ExpectGolden("reports/betriebssummenblatt.txt",
                                d.Lauf(Bericht::Betriebssummenblatt, mit({{"DZedit", "0,40"}})));

  // Spreadsheet form: every row of the sheet has the same cells.
  const std::string csv = d.Lauf(Bericht::Betriebssummenblatt, mit({{"DZedit", "0,40"}}), true);
  testing_support::ExpectGolden("reports/betriebssummenblatt_excel.txt", csv);
  const auto zeilen = Zeilen(csv);
  ASSERT_GE(zeilen.size(), 43u);
  for (std::size_t i = 5; i <= 42; ++i)
    if (i != 6) {
      EXPECT_EQ(std::count(zeilen[i].begin(), zeilen[i].end(), ';'), 14) << zeilen[i];
    }
  const std::string konto = d.Lauf(Bericht::Lohnkonten, mit({{"nurEinePersNrEdit", "1"}}), true);
  const auto kz = Zeilen(konto);
  const auto tabelle2 = std::find_if(
      kz.begin(), kz.end(), [](const std::string& z) { return z.starts_with("Monat;MV"); });
  ASSERT_NE(tabelle2, kz.end());
  EXPECT_EQ(std::count(tabelle2[2].begin(), tabelle2[2].end(), ';'), 11) << tabelle2[2];

  std::string listen;
  for (Bericht b : {Bericht::DienstnehmerZeiten, Bericht::UrlaubsUndZeitkonten,
                    Bericht::DienstnehmerDatenGesamt, Bericht::LohnGehaltsliste,
                    Bericht::DienstnehmerAdressen, Bericht::DienstnehmerGeburtsdaten})
    listen += d.Lauf(b, {{"AbfrageMonatVonEdit", "1"}, {"AbfrageMonatBisEdit", "3"}});
  testing_support::ExpectGolden("reports/dienstnehmerlisten.txt", listen);

  // A rate that is not a number stops the run before anything is written.
  for (const char* feld : {"DBedit", "DZedit"}) {
    EXPECT_EQ(d.Lauf(Bericht::Betriebssummenblatt, mit({{feld, "0.40"}})), "");
    EXPECT_EQ(d.env.dialogs.messages,
              std::vector<std::string>{"'0.40' ist kein gültiger Fließkommawert"});
  }
}

}  // namespace
