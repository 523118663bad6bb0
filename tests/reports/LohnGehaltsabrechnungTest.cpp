// The pay slips: both forms byte for byte, and the cases where a slip could
// land in the wrong envelope, show the wrong tax or not come out at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fixtures/BerichtFixture.h"
#include "frame/HauptmenueLogik.h"
#include "reports/BerichtText.h"
#include "reports/LohnGehaltsabrechnung.h"
#include "support/Golden.h"

namespace {

using lohn::AbrechnungRecord;
using testing_support::BerichtFixture;

// Employee 2's part payroll 1 of March, saved before his main payroll.
AbrechnungRecord TeilVorHauptabrechnung(BerichtFixture& f) {
  AbrechnungRecord teil = BerichtFixture::Abrechnung(2, 3);
  teil.AbrechngComboBox = 1;
  teil.GehaltEdit = teil.SV_AbzGesEdit = teil.SV_DN_GesamtEdit = teil.GrundlageLSTEdit = 0;
  teil.LohnsteuerBetragEdit = teil.LstGesamt = teil.UrlaubsKontoTageEdit = 0;
  teil.SVBeitragsgrundlageEdit = 100;
  teil.BMVGbetragEdit = 1.53;
  teil.BruttoEdit = teil.BruttoGesamtEdit = teil.NettoBetragEdit = teil.AuszahlungsbetragEdit = 100;
  auto haupt = std::find_if(f.abrechnungen.begin(), f.abrechnungen.end(), [](const auto& r) {
    return r.PersNrEdit == 2 && r.MonatComboBox == 3;
  });
  f.abrechnungen.insert(haupt, teil);
  return teil;
}

AbrechnungRecord& Satz(BerichtFixture& f, int nr, int monat) {
  return *std::find_if(f.abrechnungen.begin(), f.abrechnungen.end(), [&](const auto& r) {
    return r.PersNrEdit == nr && r.MonatComboBox == monat && r.AbrechngComboBox == 0;
  });
}

std::string Bericht(const BerichtFixture& f) {
  const auto b = f.BerichtBytes();
  return std::string(b.begin(), b.end());
}

// The texts appear in this order.
::testing::AssertionResult InReihe(const std::string& text, const std::vector<std::string>& teile) {
  std::size_t at = 0;
  for (const std::string& t : teile) {
    at = text.find(t, at);
    if (at == std::string::npos) return ::testing::AssertionFailure() << "missing: " << t;
    at += t.size();
  }
  return ::testing::AssertionSuccess();
}

TEST(LohnGehaltsabrechnung, MarchWithAPartPayrollSavedFirst) {
  for (bool excel : {false, true}) {
    BerichtFixture f;
    TeilVorHauptabrechnung(f);
    f.Schreiben();
    f.env.state.ExcelExportFlag = excel;
    ASSERT_TRUE(lohn::PrintLohnGehaltsabrechnung(
        f.env.state, BerichtFixture::Optionen(lohn::Bericht::LohnGehaltszettel, 3)));
    const std::string text = Bericht(f);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 1);
    testing_support::ExpectGolden(excel ? "reports/lohngehaltsabrechnung_3_2014_excel.txt"
                                        : "reports/lohngehaltsabrechnung_3_2014.txt",
                                  text);
  }
}

struct Lauf {
  bool ok;
  std::string text;
  std::vector<std::string> meldungen;
};

TEST(LohnGehaltsabrechnung, SlipsGoToTheRightEnvelopeWithTheTaxWithheld) {
  const std::string leer31 = [] {
    std::string s;
    for (int i = 0; i < 31; ++i) s += "\r\n";
    return s;
  }();
  struct Fall {
    const char* name;
    bool excel;
    std::function<void(BerichtFixture&, lohn::BerichtOptionen&)> vorbereiten;
    std::function<void(const Lauf&)> pruefen;
  } faelle[] = {
      {"part payroll without main payroll starts its own slip", false,
       [](BerichtFixture& f, lohn::BerichtOptionen&) {
         TeilVorHauptabrechnung(f);
         std::erase_if(f.abrechnungen, [](const auto& r) {
           return r.PersNrEdit == 2 && r.MonatComboBox == 3 && r.AbrechngComboBox == 0;
         });
       },
       [](const Lauf& l) {
         EXPECT_TRUE(InReihe(
             l.text,
             {"Anna Huber", "\f\r\nFirma Muster GmbH", "     Herrn", "     Karl Berger",
              "L O H N - / G E H A L T S", "Abrechnungsmonat: 3 / 2014\r\n\r\n",
              "A B R E C H N U N G - T E I L : 2\r\n", "S U M M E N - bis Abrechnung-Teil 2"}));
       }},
      {"the tax withheld, not wage tax plus credit", true,
       [](BerichtFixture& f, lohn::BerichtOptionen&) {
         TeilVorHauptabrechnung(f);
         AbrechnungRecord& r = Satz(f, 2, 3);
         r.LohnsteuerBetragEdit = 30;
         r.SonstSZLSTEdit = -50;
         r.LstGesamt = 0;
         r.NettoBetragEdit = r.AuszahlungsbetragEdit = 1638.60;
       },
       [](const Lauf& l) {
         EXPECT_TRUE(InReihe(
             l.text, {"Absetzbetrag Lohnsteuer ;;;      -50.00", "Lohnsteuer ;;;; -        0.00"}));
         // 2100.00 - 361.40 - 0.00 = 1738.60
         EXPECT_TRUE(InReihe(l.text, {"Brutto Gesamtbetrag ;;;;     2100.00",
                                      "Sozialversicherung Gesamtbetrag ;;;;      361.40",
                                      "Lohnsteuer Gesamtbetrag ;;;;        0.00",
                                      "Netto Gesamtbetrag ;;;;     1738.60"}));
       }},
      {"a superseded record gives no second slip", false,
       [](BerichtFixture& f, lohn::BerichtOptionen&) {
         AbrechnungRecord neu = Satz(f, 2, 3);
         neu.AuszahlungsbetragEdit = 1500;
         f.abrechnungen.push_back(neu);
       },
       [](const Lauf& l) {
         const std::string label = "Auszahlungsbetrag:" + std::string(26, ' ');
         EXPECT_TRUE(InReihe(l.text, {"Karl Berger", label + "     1500.00"}));
         EXPECT_EQ(l.text.find(label + "     1409.68"), std::string::npos);
         EXPECT_EQ(l.text.find("Karl Berger"), l.text.rfind("Karl Berger"));
       }},
      {"a payroll file in use: message, no report", false,
       [](BerichtFixture&, lohn::BerichtOptionen&) {
         std::filesystem::remove("DEMO.ABR");
         std::filesystem::create_directory("DEMO.ABR");
       },
       [](const Lauf& l) {
         EXPECT_FALSE(l.ok);
         EXPECT_EQ(l.meldungen, std::vector<std::string>{lohn::kAbrechnungsdateiVerwendet});
         EXPECT_FALSE(std::filesystem::exists(lohn::kReportFileName));
       }},
      {"parts adding up to just within the bound: the sum exact", false,
       [](BerichtFixture& f, lohn::BerichtOptionen&) {
         for (int teil = 0; teil < 24; ++teil) {
           AbrechnungRecord r = Satz(f, 2, 3);
           r.AbrechngComboBox = teil;
           r.BruttoGesamtEdit = teil % 2 ? 4166666666.67 : 4166666666.66;
           f.abrechnungen.push_back(r);
         }
       },
       [](const Lauf& l) {
         EXPECT_TRUE(InReihe(
             l.text, {"S U M M E N - bis Abrechnung-Teil 24",
                      "Brutto Gesamtbetrag:" + std::string(24, ' ') + "99999999999.96\r\n"}));
       }},
      {"an amount beyond the bound: message, no report", false,
       [](BerichtFixture& f, lohn::BerichtOptionen&) { Satz(f, 2, 3).BruttoGesamtEdit = 2e13; },
       [](const Lauf& l) {
         EXPECT_FALSE(l.ok);
         EXPECT_EQ(l.meldungen,
                   std::vector<std::string>{
                       "Der Betrag 20000000000000,00 des Dienstnehmers 2 Berger ist zu groß für "
                       "den Bericht \"Lohn- / Gehaltsabrechnung\" (höchstens 100000000000,00). "
                       "Es wurde kein Bericht erstellt."});
         EXPECT_FALSE(std::filesystem::exists(lohn::kReportFileName));
       }},
      {"address spacing is bounded", false,
       [](BerichtFixture&, lohn::BerichtOptionen& o) { o.zeilen = 99999999; },
       [&](const Lauf& l) {
         EXPECT_TRUE(InReihe(l.text, {"1010 Wien Ring 1\r\n" + leer31 + "     Frau",
                                      "1010 Wien\r\n" + leer31 + "L O H N"}));
       }},
      {"expense text from the desktop editor", false,
       [](BerichtFixture& f, lohn::BerichtOptionen&) {
         Satz(f, 2, 3).SpesenersatzEdit = 50;
         testing_support::WriteText("DEMO_2_Spesen.TXT", "Kilometergeld Graz ü\n\fWien; Linz\n");
       },
       [](const Lauf& l) {
         EXPECT_TRUE(InReihe(l.text, {"Kilometergeld Graz \xFC\r\nWien; Linz\r\n\r\n" +
                                      std::string(44, ' ') + "       50.00\r\n"}));
         EXPECT_EQ(std::count(l.text.begin(), l.text.end(), '\f'), 1);
       }},
      {"expense text in a spreadsheet cell", true,
       [](BerichtFixture& f, lohn::BerichtOptionen&) {
         Satz(f, 2, 3).SpesenersatzEdit = 50;
         testing_support::WriteText("DEMO_2_Spesen.TXT", "Kilometergeld Graz ü\n\fWien; Linz\n");
       },
       [](const Lauf& l) {
         EXPECT_TRUE(
             InReihe(l.text, {"Kilometergeld Graz \xFC\r\n\"Wien; Linz\"\r\n ;;;;       50.00"}));
       }},
      {"one month only", false, [](BerichtFixture&, lohn::BerichtOptionen& o) { o.monatBis = 5; },
       [](const Lauf& l) {
         EXPECT_EQ(l.meldungen, std::vector<std::string>{lohn::kNurEinAbrechnungsmonat});
         EXPECT_TRUE(InReihe(l.text, {"Abrechnungsmonat: 3 / 2014", "Abrechnungsmonat: 3 / 2014"}));
         EXPECT_EQ(l.text.find("Abrechnungsmonat: 4"), std::string::npos);
         EXPECT_EQ(l.text.find("Abrechnungsmonat: 5"), std::string::npos);
       }},
      {"SV bases split as the statement splits them", false,
       [](BerichtFixture& f, lohn::BerichtOptionen& o) {
         // D1, 2000.00 a month, 2000.00 paid in June: November's 4000.00
         // exceed the sixth of 4000.00 by 2000.00, which the calculation
         // stores in the current base.
         AbrechnungRecord& r = Satz(f, 2, 11);
         r.SonderzahlungEdit = 4000;
         r.SueberschreitungEdit = 2000;
         r.SVBeitragsgrundlageEdit = 4000;
         r.SVBeitragsGrundlageSonderzahlungEdit = 2000;
         o.monatVon = o.monatBis = 11;
       },
       [](const Lauf& l) {
         EXPECT_TRUE(InReihe(
             l.text,
             {"Karl Berger", "SV-Beitragsgrundlage lfd:" + std::string(19, ' ') + "     2000.00",
              "SV-Beitragsgrundlage SZ:" + std::string(20, ' ') + "     4000.00"}));
       }},
      {"country and postcode", false,
       [](BerichtFixture& f, lohn::BerichtOptionen&) {
         f.personal[1].AdresseLandEdit = "D";
         f.personal[1].PLZEdit = 1234;
         f.personal[1].OrtEdit = "Berlin";
       },
       [](const Lauf& l) {
         EXPECT_TRUE(InReihe(l.text, {"     A-1010 Wien\r\n", "     D-01234 Berlin\r\n"}));
       }},
  };
  for (const Fall& c : faelle) {
    SCOPED_TRACE(c.name);
    BerichtFixture f;
    lohn::BerichtOptionen o = BerichtFixture::Optionen(lohn::Bericht::LohnGehaltszettel, 3);
    c.vorbereiten(f, o);
    if (std::filesystem::is_regular_file("DEMO.ABR")) f.Schreiben();
    f.env.state.ExcelExportFlag = c.excel;
    Lauf l;
    l.ok = lohn::PrintLohnGehaltsabrechnung(f.env.state, o);
    if (l.ok) l.text = Bericht(f);
    l.meldungen = f.env.dialogs.messages;
    c.pruefen(l);
  }
}

}  // namespace
