// The monthly wage tax and levy report, the yearly municipal tax return and
// its XML file for FinanzOnline, which the portal's schema must accept.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "fixtures/BerichtFixture.h"
#include "reports/BerichtText.h"
#include "reports/DgaDaten.h"
#include "reports/KommStXml.h"
#include "reports/Kommunalsteuererklaerung.h"
#include "reports/LohnsteuerDbDzKommSt.h"
#include "store/AbrechnungRecord.h"
#include "store/Cp1252.h"
#include "store/StandortRecord.h"
#include "support/Fakes.h"
#include "support/Golden.h"
#include "support/ZweiProzesse.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
using testing_support::WriteText;

const std::string kXml = "XML/DEMO_KommSt20140.XML";

std::string Datei(const std::string& name) {
  if (!fs::exists(name)) return "<fehlt>";
  auto b = ReadBytes(name);
  return {b.begin(), b.end()};
}

// xmllint against the portal's schema.
bool SchemaGueltig(const std::string& datei) {
  const std::string schema = std::string(LOHN_GOLDEN_DIR) + "/../schemas/KommSt1_KommSt2.xsd";
  return std::system(
             ("xmllint --noout --schema '" + schema + "' '" + datei + "' 2>/dev/null").c_str()) ==
         0;
}

// The report fixture's DEMO, its clock at the golden files' time.
struct Demo : testing_support::BerichtFixture {
  Demo() { env.clock.Set({2015, 1, 20, 10, 11, 12, 0}); }
  lohn::AbrechnungRecord& Lohn(int nr, int monat, double brutto) {
    lohn::AbrechnungRecord r;
    r.PersNrEdit = nr;
    r.MonatComboBox = monat;
    r.JahrComboBox = 2014;
    r.BruttoEdit = brutto;
    abrechnungen.push_back(r);
    return abrechnungen.back();
  }
  static lohn::BerichtOptionen Optionen() {
    lohn::BerichtOptionen o = BerichtFixture::Optionen(lohn::Bericht::LohnsteuerDbDzKommSt, 3);
    o.db = 4.5, o.dz = 0.40, o.kommunalsteuer = 3;
    o.wochen = 4, o.dgaAnzMitarb = 1, o.dgaBeitrag = 2.00;
    return o;
  }
};

TEST(Kommunalsteuer, GoldenReportReturnAndXml) {
  Demo d;
  lohn::BerichtOptionen o = Demo::Optionen();
  o.dga = true;
  ASSERT_TRUE(lohn::PrintLohnsteuerDbDzKommSt(d.env.state, o));
  testing_support::ExpectGolden("reports/lohnsteuer_db_dz_kommst_3_2014.txt",
                                ReadBytes("quan.doc"));

  o.dga = false;
  ASSERT_TRUE(lohn::PrintKommunalsteuerErklaerung(d.env.state, o));
  testing_support::ExpectGolden("reports/kommunalsteuererklaerung_2014.txt", ReadBytes("quan.doc"));
  testing_support::ExpectGolden("reports/DEMO_KommSt20140.XML", ReadBytes(kXml));
  EXPECT_EQ(Datei(kXml).find("KUNDENINFO"), std::string::npos);
  EXPECT_TRUE(SchemaGueltig(kXml));
  EXPECT_EQ(Datei("PaketNr.dat"), "1");
  EXPECT_TRUE(d.env.dialogs.shown.empty());
}

TEST(Kommunalsteuer, CasesTable) {
  const std::string kNullen = "        0.00        0.00        0.00        0.00        0.00";
  struct Fall {
    const char* name;
    std::function<void(Demo&, lohn::BerichtOptionen&)> vorher;
    bool monatsbericht;  // else the yearly return
    bool ergebnis;
    std::vector<std::string> zeilen;  // lines of the report
    const char* meldung;              // part of the one message, or nullptr for none
    const char* paketNr;              // PaketNr.dat afterwards
  } faelle[] = {
      {"over 60 pay carries no DB and DZ, but Kommunalsteuer",
       [](Demo& d, lohn::BerichtOptionen& o) {
         d.abrechnungen.clear();
         d.Lohn(1, 3, 1000.00);
         d.Lohn(2, 3, 1000.00).ueberSechzigCheckBox = true;
         o.dz = 0.42;
       },
       true,
       true,
       {"DB              4.50 % von         0.00 =           0.00",
        "DZ              0.42 % von         0.00 =           0.00",
        "Kommunalsteuer  3.00 % von      2000.00 =          60.00 EUR"},
       nullptr,
       "<fehlt>"},
      {"over 60 by the date of birth in the SV number, in March",
       [](Demo& d, lohn::BerichtOptionen&) {
         d.abrechnungen.clear();
         // Free: born 01.01., 02.01., 28.02., 01.03.1954; not yet: 31.03.,
         // 15.06., 01.12.1954. The payroll's box counts only without a date.
         const char* geboren[] = {"010154", "020154", "280254", "010354",
                                  "310354", "150654", "011254", ""};
         for (int i = 0; i < 8; ++i) {
           lohn::PersonalRecord p;
           p.PersNrEdit = 11 + i;
           p.SVNrEdit = *geboren[i] ? std::string("0000") + geboren[i] : "";
           d.personal.push_back(p);
           d.Lohn(11 + i, 3, 1000.00).ueberSechzigCheckBox = i >= 4;
         }
       },
       true,
       true,
       {"DB und DZ -freie Bezüge älterer Dienstnehmer:          -     5000.00",
        "DB              4.50 % von      3000.00 =         135.00",
        "Kommunalsteuer  3.00 % von      8000.00 =         240.00 EUR"},
       nullptr,
       "<fehlt>"},
      {"DZ and the Vienna levy print their rates with the digits they have",
       [](Demo& d, lohn::BerichtOptionen& o) {
         d.abrechnungen.clear();
         d.Lohn(1, 3, 1700.00);
         o.dz = 0.385;
         o.dga = true, o.wochen = 4, o.dgaAnzMitarb = 25, o.dgaBeitrag = 0.725;
       },
       true,
       true,
       {"DZ              0.385 % von      1700.00 =           6.55",
        "DGA: ((4.00 Wochen *  25 DN - 0.00 Wo) * 0.725) =               72.50 EUR"},
       nullptr,
       "<fehlt>"},
      {"a site's share of an enterprise above the limit",
       [](Demo& d, lohn::BerichtOptionen& o) {
         d.personal[0].gehoertZuStandortEdit = 1;
         d.abrechnungen.clear();
         for (int m = 1; m <= 12; ++m) d.Lohn(1, m, 1000.00), d.Lohn(2, m, 5000.00);
         lohn::StandortRecord s;
         s.Nummer = 1, s.Strasse = "Hauptplatz 2", s.Plz = 8010, s.Ort = "Graz";
         s.GemeindeKz = "60101";
         auto b = s.pack();
         WriteBytes("DEMO.STO", {b.begin(), b.end()});
         o.standort = 1;
       },
       false,
       true,
       {"März      "
        "     1000.00"
        "        0.00"
        "     1000.00"
        "       30.00",
        "Summen:                               12000.00      360.00"},
       nullptr,
       "1"},
      {"1460.00 gets the free amount",
       [](Demo& d, lohn::BerichtOptionen&) {
         d.abrechnungen.clear();
         d.Lohn(1, 1, 1460.00), d.Lohn(1, 2, 1460.01), d.Lohn(1, 3, 800.00);
       },
       false,
       true,
       {"Jänner    "
        "     1460.00"
        "     1095.00"
        "      365.00"
        "       10.95",
        "Februar   "
        "     1460.01"
        "        0.00"
        "     1460.01"
        "       43.80",
        "März      "
        "      800.00"
        "      800.00"
        "        0.00"
        "        0.00"},
       nullptr,
       "1"},
      {"a year base above 100 million keeps its cents, report and XML",
       [](Demo& d, lohn::BerichtOptionen&) {
         d.abrechnungen.clear();
         d.Lohn(1, 1, 100038517.56);
       },
       false,
       true,
       {"Summen:                 "
        "          100038517.56"
        "  3001155.53",
        "    <GESAMT_BMG type=\"kz\">100038517.56</GESAMT_BMG>",
        "    <STEUER type=\"kz\">3001155.53</STEUER>"},
       nullptr,
       "1"},
      {"Vienna levy of 4.33 weeks",
       [](Demo&, lohn::BerichtOptionen& o) {
         o.dga = true;
         for (int m = 1; m <= 12; ++m) {
           o.dgaWerte[lohn::DgaDaten::Feld(2, m) - 1] = 3;
           o.dgaWerte[lohn::DgaDaten::Feld(3, m) - 1] = 2.00;
           o.dgaWerte[lohn::DgaDaten::Feld(4, m) - 1] = 4.33;
         }
       },
       false,
       true,
       {"   Juni      "
        "            0.00"
        "            3.00"
        "           25.98",
        "   Jahressumme DGA "
        "                                    311.76"},
       nullptr,
       "1"},
      {"a town with digits is refused",
       [](Demo& d, lohn::BerichtOptionen&) { d.env.state.Dienstgeber.DienstgeberOrt = "Wien 10"; },
       false,
       true,
       {},
       "Ort: \"Wien 10\"",
       "<fehlt>"},
      {"an empty municipality code is refused",
       [](Demo& d, lohn::BerichtOptionen&) { d.env.state.Dienstgeber.DienstgeberGemeindeKz = ""; },
       false,
       true,
       {},
       "Gemeindekennziffer: \"\"",
       "<fehlt>"},
      {"the counter goes on from its text",
       [](Demo&, lohn::BerichtOptionen&) { WriteText("PaketNr.dat", "7\r\n"); },
       false,
       true,
       {},
       nullptr,
       "8"},
      {"the counter's lock file cannot be opened: the message names it",
       [](Demo&, lohn::BerichtOptionen&) { fs::create_directory("PaketNr.lck"); },
       false,
       true,
       {},
       "\"PaketNr.lck\" kann nicht angelegt werden: Ein Verzeichnis dieses Namens ist vorhanden",
       "<fehlt>"},
      {"a counter that is no number",
       [](Demo&, lohn::BerichtOptionen&) { WriteText("PaketNr.dat", "abc"); },
       false,
       true,
       {},
       "\"abc\"",
       "abc"},
      {"a negative rate",
       [](Demo&, lohn::BerichtOptionen& o) { o.kommunalsteuer = -3; },
       false,
       false,
       {},
       lohn::kSaetzeNegativ,
       "<fehlt>"},
      {"a negative rate in the monthly report",
       [](Demo&, lohn::BerichtOptionen& o) { o.db = -3; },
       true,
       false,
       {},
       lohn::kSaetzeNegativ,
       "<fehlt>"},
      {"a year base just within the bound: exact in the return and the XML file",
       [](Demo& d, lohn::BerichtOptionen&) {
         // Month amounts small enough for the stored reals to hold their cents.
         d.abrechnungen.clear();
         for (int m = 1; m <= 12; ++m) d.Lohn(1, m, 4166666666.66), d.Lohn(2, m, 4166666666.67);
       },
       false,
       true,
       {"Summen:                         99999999999.963000000000.00",
        "    <GESAMT_BMG type=\"kz\">99999999999.96</GESAMT_BMG>"},
       nullptr,
       "1"},
      {"a year base beyond the bound: no return, no XML file",
       [](Demo& d, lohn::BerichtOptionen&) {
         d.abrechnungen.clear();
         for (int m = 1; m <= 12; ++m) d.Lohn(1, m, 1e10);
       },
       false,
       false,
       {},
       "Die Summe 120000000000,00 der Bemessungsgrundlage ist zu groß für die "
       "Kommunalsteuererklärung (höchstens 100000000000,00). Es wurden keine "
       "Kommunalsteuererklärung und keine XML-Datei erstellt.",
       "<fehlt>"},
      {"an amount beyond the bound: the employee named",
       [](Demo& d, lohn::BerichtOptionen&) { d.Lohn(2, 5, 2e13); },
       false,
       false,
       {},
       "Der Betrag 20000000000000,00 des Dienstnehmers 2 Berger ist zu groß",
       "<fehlt>"},
      {"a month just within the bound: every sum exact in the levy report",
       [](Demo& d, lohn::BerichtOptionen&) {
         d.abrechnungen.clear();
         for (int teil = 0; teil < 12; ++teil) {
           d.Lohn(1, 3, 4166666666.66).AbrechngComboBox = teil;
           d.Lohn(2, 3, 4166666666.67).AbrechngComboBox = teil;
         }
       },
       true,
       true,
       {"49999999999.92" + kNullen, "50000000000.04" + kNullen, "99999999999.96" + kNullen,
        "Gesamt:                                    4900000000.00 EUR"},
       nullptr,
       "<fehlt>"},
      {"a month beyond the bound: no levy report",
       [](Demo& d, lohn::BerichtOptionen&) {
         d.abrechnungen.clear();
         d.Lohn(1, 3, 6e10), d.Lohn(2, 3, 6e10);
       },
       true,
       false,
       {},
       "Die Summe 120000000000,00 der Basis für DB, DZ, Kommunalsteuer ist zu groß für den "
       "Bericht \"Lohnsteuer DB DZ Kommunalsteuer\" (höchstens 100000000000,00). Es wurde kein "
       "Bericht erstellt.",
       "<fehlt>"},
      {"a payroll file in use",
       [](Demo&, lohn::BerichtOptionen&) {
         fs::remove("DEMO.ABR");
         fs::create_directory("DEMO.ABR");
       },
       false,
       false,
       {},
       lohn::kAbrechnungsdateiVerwendet,
       "<fehlt>"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Demo d;
    lohn::BerichtOptionen o = Demo::Optionen();
    f.vorher(d, o);
    if (!fs::is_directory("DEMO.ABR")) d.Schreiben();
    WriteText("quan.doc", "alt");
    const bool ok = f.monatsbericht ? lohn::PrintLohnsteuerDbDzKommSt(d.env.state, o)
                                    : lohn::PrintKommunalsteuerErklaerung(d.env.state, o);
    EXPECT_EQ(ok, f.ergebnis);
    const std::string xml = lohn::KommStXmlDateiName("XML/DEMO", 2014, o.standort);
    // The lines looked for are the report's or the XML file's.
    const std::string bericht = lohn::Cp1252ToUtf8(Datei("quan.doc"));
    const std::string ausgabe = bericht + lohn::Cp1252ToUtf8(Datei(xml));
    if (!f.ergebnis) {
      EXPECT_EQ(bericht, "alt");
    }
    for (const std::string& z : f.zeilen)
      EXPECT_NE(ausgabe.find(z + "\r\n"), std::string::npos) << z << "\n" << ausgabe;
    if (f.meldung) {
      ASSERT_EQ(d.env.dialogs.shown.size(), 1u);
      EXPECT_NE(d.env.dialogs.shown[0].find(f.meldung), std::string::npos)
          << d.env.dialogs.shown[0];
    } else {
      EXPECT_TRUE(d.env.dialogs.shown.empty());
    }
    EXPECT_EQ(Datei("PaketNr.dat"), f.paketNr);
    EXPECT_EQ(fs::exists(xml), std::string(f.paketNr) != "<fehlt>" && !f.meldung);
    if (fs::exists(xml)) {
      EXPECT_TRUE(SchemaGueltig(xml));
      EXPECT_NE(Datei(xml).find("<PAKET_NR>3" + std::string(f.paketNr) + "</PAKET_NR>"),
                std::string::npos);
    }
  }
}

}  // namespace

namespace {

// Two returns written at the same moment, by two programs on one data
// folder, for two employers: never one package number twice, and the
// counter counts every return written.
TEST(Kommunalsteuer, TwoProgramsNeverShareAPackageNumber) {
  Demo d;
  for (const char* ext : {".PER", ".ABR", ".ADR"})
    if (fs::exists(std::string("DEMO") + ext))
      fs::copy_file(std::string("DEMO") + ext, std::string("ZWEI") + ext);
  const int runden = 150;
  const auto ergebnisse = testing_support::ZweiProzesse(runden, [&](int prozess, int) {
    lohn::BerichtOptionen o = Demo::Optionen();
    o.stem = prozess == 0 ? "DEMO" : "ZWEI";
    d.env.dialogs.shown.clear();
    if (!lohn::PrintKommunalsteuerErklaerung(d.env.state, o) || !d.env.dialogs.shown.empty())
      return std::string("Fehler");
    const std::string xml = Datei(lohn::KommStXmlDateiName("XML/" + o.stem, 2014, 0));
    const auto a = xml.find("<PAKET_NR>"), e = xml.find("</PAKET_NR>");
    return a == std::string::npos || e == std::string::npos ? std::string("kaputt")
                                                            : xml.substr(a + 10, e - a - 10);
  });
  std::set<std::string> nummern;
  for (const auto& prozess : ergebnisse) {
    ASSERT_EQ(prozess.size(), std::size_t(runden));
    for (const std::string& nr : prozess) {
      ASSERT_EQ(nr.front(), '3') << nr;
      EXPECT_TRUE(nummern.insert(nr).second) << "twice: " << nr;
    }
  }
  EXPECT_EQ(Datei("PaketNr.dat"), std::to_string(2 * runden));
}

}  // namespace
