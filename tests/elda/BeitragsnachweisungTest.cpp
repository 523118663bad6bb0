// The contribution statement and its .BN file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "elda/Beitragsnachweisung.h"
#include "elda/EldaDatei.h"
#include "payroll/Beitragsgruppen.h"
#include "reports/BerichtText.h"
#include "reports/Berichte.h"
#include "reports/ShowBericht.h"
#include "store/AbrechnungRecord.h"
#include "store/AbrechnungStore.h"
#include "store/Cp1252.h"
#include "support/Fakes.h"
#include "support/Golden.h"

namespace {

// Every test of this program reads payroll fields a statement or slip did
// not choose as marks, so a forgotten field changes the output.
const bool kMarken = (lohn::gAbrechnungFelderMarkieren = true);

using lohn::AbrechnungRecord;
using lohn::Umlage;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;

std::string Datei(const std::string& name) {
  if (!std::filesystem::exists(name)) return "<fehlt>";
  auto b = ReadBytes(name);
  return {b.begin(), b.end()};
}

AbrechnungRecord Abr(int nr, int monat, const char* gruppe, double sv, double levies) {
  AbrechnungRecord r;
  r.PersNrEdit = nr;
  r.MonatComboBox = monat;
  r.JahrComboBox = 2014;
  r.BeitragsgruppeComboBox = gruppe;
  r.SVBeitragsgrundlageEdit = sv;
  for (Umlage u : {Umlage::KU, Umlage::WF, Umlage::IE}) r.Grundlage(u) = levies;
  return r;
}

void SchreibeAbr(const std::vector<AbrechnungRecord>& saetze) {
  std::vector<std::uint8_t> bytes;
  for (const AbrechnungRecord& r : saetze) {
    auto b = r.pack();
    bytes.insert(bytes.end(), b.begin(), b.end());
  }
  testing_support::WriteBytes("DEMO.ABR", bytes);
}

// January: an employee (D1) and a worker (A1) with the AMPFG refund.
std::vector<AbrechnungRecord> Januar(int monat = 1) {
  AbrechnungRecord p1 = Abr(1, monat, "D1", 3000, 3000);
  p1.BMVGbetragEdit = 45.90;
  AbrechnungRecord p2 = Abr(2, monat, "A1", 1200, 1200);
  p2.AMPFG_RueckVerrGruppeEdit = "N25a";
  p2.AMPFG_SVGrundlageEdit = 1200;
  p2.BMVGbetragEdit = 18.36;
  return {p1, p2};
}

struct Umgebung {
  TempWorkDir dir;
  TestEnv env;
  Umgebung() {
    env.state.DataFileStem = "DEMO";
    env.state.ProgramVersion = env.state.year.programVersion;
    auto& dg = env.state.Dienstgeber;
    dg.DienstgeberName = "Demo Handels GmbH";
    dg.DienstgeberAnrede = "Firma";
    dg.DienstgeberPlz = "1010";
    dg.DienstgeberOrt = "Wien";
    dg.DienstgeberStrasse = "Ring 1";
    dg.DienstgeberTelefon = "01 2345";
    dg.DienstgeberVersTraeger = "Wiener Gebietskrankenkasse";
    dg.DienstgeberDvrNr = "1234567";
    dg.DienstgeberVersTraegerCode = "11";
    dg.DienstgeberBeitragskontoNr = "4711";
    dg.DienstgeberSteuerNr = "12-345/6789";
  }
  lohn::BerichtOptionen Optionen(int von, int bis) const {
    lohn::BerichtOptionen o;
    o.bericht = lohn::Bericht::Beitragsnachweisung;
    o.stem = "DEMO";
    o.monatVon = von;
    o.monatBis = bis;
    o.jahr = 2014;
    o.eldaDatei = true;
    o.eldaTestdaten = true;
    return o;
  }
  // The data record of a .BN file, as its characters.
  static std::string Datensatz(const std::string& name) {
    const std::string bn = lohn::Cp1252ToUtf8(Datei("ELDA/" + name));
    const std::size_t a = bn.find("\r\n") + 2;
    return bn.substr(a, bn.find("\r\n", a) - a);
  }
};

TEST(Beitragsnachweisung, GoldenJanuary) {
  Umgebung u;
  SchreibeAbr(Januar());
  ASSERT_TRUE(lohn::PrintBeitragsnachweisung(u.env.state, u.Optionen(1, 1)));
  const std::string bn = Datei("ELDA/DEMO20140101.BN");
  EXPECT_EQ(bn.size(), 3904u);
  testing_support::ExpectGolden("elda/DEMO20140101.BN", bn);
  testing_support::ExpectGolden("elda/beitragsnachweisung_01.txt", Datei("quan.doc"));
  const std::string d = Umgebung::Datensatz("DEMO20140101.BN");
  EXPECT_EQ(d.substr(1179, 11), "00000170406");  // GESAMTSUMME 1704.06
  EXPECT_EQ(u.env.dialogs.questions,
            std::vector<std::string>{lohn::kBeitragsnachweisungSchlussfrage});

  // The spreadsheet form of the same statement.
  auto o = u.Optionen(1, 1);
  o.excel = true;
  o.eldaDatei = false;
  ASSERT_TRUE(lohn::PrintBeitragsnachweisung(u.env.state, o));
  testing_support::ExpectGolden("elda/beitragsnachweisung_01_excel.txt", Datei("quan.doc"));
  // Quandrel.csv: the base of KU, WF and IE under "Gesamt je Beitrgr" as
  // on paper, the cashier's column empty, then rate, code and amount.
  const std::string quan = Datei("quan.doc");
  const auto csv = lohn::CsvKopie({quan.begin(), quan.end()});
  const std::string text = lohn::Cp1252ToUtf8(std::string(csv.begin(), csv.end()));
  for (const char* zeile :
       {"Beitragsgruppe;Summe allg Beitragsgrundl ;Summe SZ ;Gesamt je Beitrgr ;Berichtig der "
        "Kasse ",
        "Umlage zur Kammer f. Arb. u. Angest ;;;     4200,00;;   0,50; KU;        21,00\r\n",
        "Wohnbauförderungsbeitrag            ;;;     4200,00;;   1,00; WF;        42,00\r\n",
        "IESG-Zuschlag                       ;;;     4200,00;;   0,55; IE;        23,10\r\n"})
    EXPECT_NE(text.find(zeile), std::string::npos) << zeile;
}

TEST(Beitragsnachweisung, AccidentInsuranceFromJuly) {
  Umgebung u;
  auto saetze = Januar(7);
  SchreibeAbr(saetze);
  ASSERT_TRUE(lohn::PrintBeitragsnachweisung(u.env.state, u.Optionen(7, 7)));
  const std::string d = Umgebung::Datensatz("DEMO20140707.BN");
  EXPECT_EQ(d.substr(118, 59), "A1  0000120000          0000000000          377500000045300");
  EXPECT_EQ(d.substr(177, 59), "D1  0000300000          0000000000          377500000113250");
  EXPECT_EQ(d.substr(1179, 11), "00000169986");

  // June and July together: one line per group and rate, June first.
  for (AbrechnungRecord r : Januar(6)) saetze.push_back(r);
  SchreibeAbr(saetze);
  ASSERT_TRUE(lohn::PrintBeitragsnachweisung(u.env.state, u.Optionen(6, 7)));
  const std::string z = Umgebung::Datensatz("DEMO20140607.BN");
  EXPECT_EQ(z.substr(118, 4) + z.substr(162, 4) + z.substr(177, 4) + z.substr(221, 4),
            "A1  3785A1  3775");
  const std::string text = Datei("quan.doc");
  ASSERT_NE(text.find("37.75 A1  "), std::string::npos);
  EXPECT_LT(text.find("37.85 A1  "), text.find("37.75 A1  "));

  // The payroll's employer rate follows the month.
  lohn::SvBeitraegeInput in;
  in.BeitragsgruppeComboBox = "D1";
  in.JahrComboBox = 2014;
  for (auto [monat, dg] : {std::pair{6, 20.78}, std::pair{7, 20.68}}) {
    in.MonatComboBox = monat;
    EXPECT_DOUBLE_EQ(lohn::ComputeSvBeitraege(in, lohn::kYear2014)->DGAnteilEdit, dg) << monat;
    EXPECT_DOUBLE_EQ(lohn::ComputeSvBeitraege(in, lohn::kYear2013)->DGAnteilEdit, 20.78) << monat;
  }
}

// The faults of the statement and its file, each with the sound result.
TEST(Beitragsnachweisung, FaultTable) {
  struct Fall {
    const char* name;
    std::vector<AbrechnungRecord> saetze;
    std::function<void(Umgebung&, lohn::BerichtOptionen&)> vorher;
    std::function<void(Umgebung&, const std::string& datensatz)> pruefe;
    const char* datei = "DEMO20140606.BN";
  };
  AbrechnungRecord neuFoeg = Abr(1, 6, "D1", 3000, 0);
  neuFoeg.SVBeitragsGrundlageSonderzahlungEdit = 3000;
  AbrechnungRecord fiktiv = Abr(1, 6, "D1", 1500, 1500);
  fiktiv.Grundlage(Umlage::KU) = 0;
  fiktiv.fiktiveBMGedit = 1500;
  AbrechnungRecord juli = neuFoeg;
  juli.MonatComboBox = 7;
  std::vector<AbrechnungRecord> dreizehn;
  for (const char* g :
       {"A1", "A1a", "D1", "N14", "N24", "H1", "H1a", "J1", "J1a", "A2", "A13", "L2r", "A1l"})
    dreizehn.push_back(Abr(int(dreizehn.size()) + 1, 6, g, 100, 0));
  auto kst = [](int nr, int k, double sv) {
    AbrechnungRecord r = Abr(nr, 6, "A1", sv, 0);
    r.KostenstelleEdit = k;
    return r;
  };
  const auto keineFrage = [](Umgebung& u, const std::string&) {
    EXPECT_TRUE(u.env.dialogs.questions.empty());
  };

  std::vector<Fall> faelle{
      {"NeuFoeG N44 and N63 from the same bases",
       {neuFoeg},
       [](Umgebung&, lohn::BerichtOptionen& o) { o.rueckVerr = true; },
       [](Umgebung&, const std::string& d) {
         EXPECT_EQ(d.substr(118, 3 * 59),
                   "D1  0000300000          0000300000          378500000227100"
                   "N44 -000300000          0000000000          0190-0000005700"
                   "N63 0000000000          -000300000          0140-0000004200");
       }},
      {"notional base only where the levy is charged",
       {fiktiv},
       {},
       [](Umgebung&, const std::string& d) {
         EXPECT_EQ(d.substr(826, 54),
                   "  0000000000000000000000000"
                   "WF0000300000010000000003000");
       }},
      {"last record of a key",
       {Abr(1, 6, "A1", 1000, 0), Abr(1, 6, "A1", 2000, 0)},
       {},
       [](Umgebung&, const std::string& d) { EXPECT_EQ(d.substr(118, 14), "A1  0000200000"); }},
      {"levy halves to the even cent",
       {Abr(1, 6, "A1", 1001, 1001)},
       {},
       [](Umgebung&, const std::string& d) {
         EXPECT_EQ(d.substr(826, 27), "KU0000100100005000000000500");
       }},
      {"narrowed period names the file",
       {Abr(1, 3, "A1", 1000, 0), Abr(1, 4, "A1", 1000, 0)},
       [](Umgebung& u, lohn::BerichtOptionen& o) {
         o.monatVon = 3;
         o.monatBis = 5;
         u.env.dialogs.answers = {false};
       },
       [](Umgebung& u, const std::string& d) {
         EXPECT_EQ(u.env.dialogs.messages,
                   std::vector<std::string>{"Beitragsnachweisung wird erstellt für Monat: 3"});
         EXPECT_EQ(d.substr(112, 6) + d.substr(118, 14), "032014A1  0000100000");
         EXPECT_FALSE(std::filesystem::exists("ELDA/DEMO20140305.BN"));
       },
       "DEMO20140303.BN"},
      {"cost centre: printed for costing, never filed",
       {kst(1, 3, 1000), kst(2, 4, 500)},
       [](Umgebung&, lohn::BerichtOptionen& o) {
         o.kostenstelle = 3;
         o.mitKostenstelle = true;
       },
       [&](Umgebung& u, const std::string& d) {
         keineFrage(u, d);
         EXPECT_EQ(d, "");
         const std::string text = lohn::Cp1252ToUtf8(Datei("quan.doc"));
         EXPECT_NE(text.find("F Ü R   K O S T E N S T E L L E   N R. 3"), std::string::npos);
         EXPECT_NE(text.find("1000.00"), std::string::npos);
         EXPECT_EQ(text.find("500.00"), std::string::npos);
         EXPECT_NE(text.find("  2 Arbeitern"), std::string::npos) << "head counts: whole company";
       }},
      {"existing file kept on No, statement still shown",
       {Abr(1, 6, "A1", 1000, 0)},
       [](Umgebung& u, lohn::BerichtOptionen&) {
         std::filesystem::create_directory("ELDA");
         testing_support::WriteText("ELDA/DEMO20140606.BN", "alt");
         u.env.dialogs.answers = {false};
       },
       [](Umgebung& u, const std::string&) {
         EXPECT_EQ(Datei("ELDA/DEMO20140606.BN"), "alt");
         EXPECT_EQ(u.env.dialogs.questions.size(), 1u);
         EXPECT_NE(Datei("quan.doc").find("A1 "), std::string::npos);
       }},
      {"ELDA a plain file: no temporary file, no closing question",
       {Abr(1, 6, "A1", 1000, 0)},
       [](Umgebung&, lohn::BerichtOptionen&) { testing_support::WriteText("ELDA", "x"); },
       [&](Umgebung& u, const std::string& d) {
         keineFrage(u, d);
         EXPECT_EQ(u.env.dialogs.messages.size(), 1u);
         EXPECT_EQ(Datei("ELDA"), "x");
       }},
      {"thirteen groups make a longer record",
       dreizehn,
       {},
       [](Umgebung&, const std::string& d) {
         EXPECT_EQ(d.size(), 1359u);
         EXPECT_EQ(d.substr(118 + 12 * 59, 4), "A1l ");
       }},
      {"NeuFoeG entries of one code stay together across the UV rate change",
       {neuFoeg, juli},
       [](Umgebung& u, lohn::BerichtOptionen& o) {
         o.rueckVerr = true;
         o.monatBis = 7;
         u.env.dialogs.answers = {true, false};
       },
       [](Umgebung&, const std::string& d) {
         std::string codes;
         for (std::size_t i = 118; i < 118 + 6 * 59; i += 59)
           codes += d.substr(i, 4) + d.substr(i + 44, 4) + " ";
         EXPECT_EQ(codes, "D1  3785 D1  3775 N44 0190 N44 0180 N63 0140 N63 0130 ");
       },
       "DEMO20140607.BN"},
      {"sub-cent MALUS and Auflösungsabgabe: one rounded value in field, entry and total",
       {Abr(1, 6, "A1", 1000, 0)},
       [](Umgebung&, lohn::BerichtOptionen& o) { o.malusArb = o.aufloesAbgabe = 0.125; },
       [](Umgebung&, const std::string& d) {
         EXPECT_EQ(d.substr(177, 59),
                   "N80 0000000000          0000000000          000000000000012");
         EXPECT_EQ(d.substr(1119, 11) + d.substr(1146, 11) + d.substr(1179, 11),
                   "000000000120000000001200000037874");  // 378.50 + 0.12 + 0.12
         EXPECT_NE(Datei("quan.doc").find("Arb N35        0.12"), std::string::npos);
       }},
      {"MALUS of 10^15: refused, no file, no statement",
       {Abr(1, 6, "A1", 1000, 0)},
       [](Umgebung&, lohn::BerichtOptionen& o) { o.malusAng = 1e15; },
       [&](Umgebung& u, const std::string& d) {
         keineFrage(u, d);
         EXPECT_EQ(d + Datei("quan.doc"), "<fehlt>");
         EXPECT_EQ(u.env.dialogs.messages,
                   std::vector<std::string>{
                       "Der Betrag 1000000000000000,00 im Feld \"MALUS Angestellte\" passt nicht "
                       "in die ELDA-Datei.\nDer Betrag 1000000000000378,50 im Feld "
                       "\"GESAMTSUMME\" passt nicht in die ELDA-Datei.\nEs wurde keine Datei "
                       "erstellt."});
       }},
      {"printed only, 10^15 is refused as well",
       {Abr(1, 6, "A1", 1000, 0)},
       [](Umgebung&, lohn::BerichtOptionen& o) { o.malusAng = 1e15, o.eldaDatei = false; },
       [](Umgebung& u, const std::string& d) {
         EXPECT_EQ(d + Datei("quan.doc"), "<fehlt>");
         ASSERT_EQ(u.env.dialogs.messages.size(), 1u);
         EXPECT_TRUE(
             u.env.dialogs.messages[0].starts_with("Der Betrag 1000000000000000,00 ist zu groß"));
       }},
      {"an amount too large for its field stops the run",
       {Abr(1, 6, "A1", 150000000, 0)},
       {},
       [&](Umgebung& u, const std::string& d) {
         keineFrage(u, d);
         EXPECT_EQ(d, "");
         ASSERT_EQ(u.env.dialogs.messages.size(), 1u);
         EXPECT_NE(u.env.dialogs.messages[0].find("\"Beitragsgrundlage\" der Beitragsgruppe A1"),
                   std::string::npos);
       }},
      {"a levy base too large for its field names the levy",
       {Abr(1, 6, "A1", 1000, 150000000)},
       {},
       [](Umgebung& u, const std::string& d) {
         EXPECT_EQ(d, "");
         ASSERT_EQ(u.env.dialogs.messages.size(), 1u);
         EXPECT_NE(u.env.dialogs.messages[0].find("\"Bemessungsgrundlage\" der Umlage WF"),
                   std::string::npos);
       }},
  };
  // Counts and the employer's digits and codes are never cut or signed.
  const std::vector<std::pair<std::function<void(Umgebung&, lohn::BerichtOptionen&)>, std::string>>
      werte{{[](Umgebung&, lohn::BerichtOptionen& o) { o.anzMalusArb = -1; },
             "Der Wert \"-1\" im Feld \"Anzahl MALUS Arbeiter\" passt nicht in die ELDA-Datei "
             "(keine negative Zahl)."},
            {[](Umgebung&, lohn::BerichtOptionen& o) { o.anzMalusAng = 100000; },
             "Der Wert \"100000\" im Feld \"Anzahl MALUS Angestellte\" passt nicht in die "
             "ELDA-Datei (höchstens 5 Ziffern)."},
            {[](Umgebung& u, lohn::BerichtOptionen&) {
               u.env.state.Dienstgeber.DienstgeberDvrNr = "12-4567";
             },
             "Der Wert \"12-4567\" im Feld \"Absendernummer\" des Dienstgebers passt nicht in die "
             "ELDA-Datei (nur Ziffern)."},
            {[](Umgebung& u, lohn::BerichtOptionen&) {
               u.env.state.Dienstgeber.DienstgeberVersTraegerCode = "1 1";
             },
             "Der Wert \"1 1\" im Feld \"Versicherungsträger-Code\" des Dienstgebers passt nicht "
             "in die ELDA-Datei (höchstens 2 Zeichen)."}};
  for (const auto& w : werte)
    faelle.push_back({w.second.c_str(),
                      {Abr(1, 6, "A1", 1000, 0)},
                      w.first,
                      [&, m = w.second](Umgebung& u, const std::string& d) {
                        keineFrage(u, d);
                        EXPECT_EQ(d, "");
                        EXPECT_EQ(u.env.dialogs.messages,
                                  std::vector<std::string>{m + "\nEs wurde keine Datei erstellt."});
                      }});
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Umgebung u;
    SchreibeAbr(f.saetze);
    auto o = u.Optionen(6, 6);
    if (f.vorher) f.vorher(u, o);
    lohn::PrintBeitragsnachweisung(u.env.state, o);
    const std::string pfad = std::string("ELDA/") + f.datei;
    f.pruefe(u, std::filesystem::is_regular_file(pfad) && Datei(pfad) != "alt"
                    ? Umgebung::Datensatz(f.datei)
                    : "");
    if (std::filesystem::is_directory("ELDA")) {
      for (const auto& e : std::filesystem::directory_iterator("ELDA"))
        EXPECT_NE(e.path().extension(), ".neu~");
    }
  }
}

// Through the report run: a payroll file in use stops everything once, and a
// cost centre unticks and disables the ELDA box.
TEST(Beitragsnachweisung, Dispatch) {
  Umgebung u;
  lohn::BerichtKontext kontext(u.env.state);
  u.env.state.berichte = &kontext;
  lohn::RegistriereBerichte(kontext);
  lohn::BerichtPunktOeffnen(u.env.state, lohn::Bericht::Beitragsnachweisung);
  auto& m = kontext.optionen;
  m.SetChecked("ELDADateiCheckBox", true);
  m.SetText("KostenstelleEdit", "0");
  EXPECT_FALSE(m.Checked("ELDADateiCheckBox"));
  EXPECT_FALSE(m.Enabled("ELDADateiCheckBox"));
  m.SetText("KostenstelleEdit", "");
  EXPECT_TRUE(m.Enabled("ELDADateiCheckBox"));

  m.SetChecked("ELDADateiCheckBox", true);
  m.SetText("AbfrageMonatVonEdit", "1");
  m.SetText("AbfrageMonatBisEdit", "1");
  m.SetText("AbfrageJahrEdit", "2014");
  std::filesystem::create_directory("DEMO.ABR");
  kontext.OkClick();
  EXPECT_EQ(u.env.dialogs.shown, std::vector<std::string>{lohn::kAbrechnungsdateiVerwendet});
  EXPECT_EQ(Datei("quan.doc"), "");
  EXPECT_FALSE(std::filesystem::exists("ELDA"));
}

}  // namespace
