// Transfer and booking list and the confirmation of work and pay on DEMO's
// March: goldens, then the faults and edge cases as one table.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/BerichtFixture.h"
#include "frame/HauptmenueLogik.h"
#include "reports/BerichtText.h"
#include "reports/Ueberweisungsliste.h"
#include "store/Cp1252.h"
#include "store/LohnartLine.h"
#include "support/Golden.h"

namespace {

using namespace lohn;
using testing_support::BerichtFixture;

// Employee 2's part payroll 1 of the month, saved after the main records.
AbrechnungRecord Teilabrechnung(std::int32_t persNr, std::int32_t monat) {
  AbrechnungRecord r = BerichtFixture::Abrechnung(2, monat);
  r.PersNrEdit = persNr;
  r.AbrechngComboBox = 1;
  r.GehaltEdit = r.BruttoEdit = r.BruttoGesamtEdit = r.NettoBetragEdit = 100.00;
  r.AuszahlungsbetragEdit = 100.00;
  r.SV_AbzGesEdit = r.SV_DN_GesamtEdit = r.LohnsteuerBetragEdit = r.LstGesamt = 0;
  return r;
}

int Anzahl(const std::string& text, const std::string& teil) {
  int n = 0;
  for (auto p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1)) ++n;
  return n;
}

// The amounts of the section that starts with `titel`, by label, up to its
// closing "=" rule.
std::map<std::string, double> Abschnitt(const std::string& text, const std::string& titel) {
  std::map<std::string, double> werte;
  bool drin = false;
  std::istringstream in(text);
  for (std::string z; std::getline(in, z);) {
    if (z.ends_with('\r')) z.pop_back();
    drin = drin || z == titel;
    if (!drin) continue;
    if (z.starts_with("=====")) break;
    const auto p = z.find(':');
    if (p == std::string::npos) continue;
    std::istringstream(z.substr(p + 1)) >> werte[z.substr(0, p + 1)];
  }
  return werte;
}

struct Lauf {
  bool ok = false;
  std::string text;  // UTF-8
  std::vector<std::string> meldungen;
};

Lauf Drucken(BerichtFixture& f, const BerichtOptionen& o, int modus) {
  Lauf l;
  l.ok = PrintUeberweisungsliste(f.env.state, o, modus);
  if (std::filesystem::is_regular_file(kReportFileName)) {
    const auto b = f.BerichtBytes();
    l.text = Cp1252ToUtf8(std::string(b.begin(), b.end()));
  }
  l.meldungen = f.env.dialogs.messages;
  return l;
}

// Every group's net follows from its gross, its wage tax is not negative,
// the groups add up to the total and the booking proposal balances.
void PruefeBuchungsliste(const std::string& text) {
  const char* const gruppen[] = {"L E H R L I N G E  Soziale Stellung = 1",
                                 "A R B E I T E R  Soziale Stellung = 2",
                                 "A N G E S T E L L T E  Soziale Stellung = 3"};
  std::map<std::string, double> summe;
  for (const char* g : gruppen) {
    auto w = Abschnitt(text, g);
    EXPECT_GE(w["Lohnsteuer:"], 0) << g;
    EXPECT_NEAR(w["Bruttobezüge:"] - w["Sozialversicherung:"] - w["Lohnsteuer:"], w["Nettobezüge:"],
                0.005)
        << g;
    for (auto [label, v] : w) summe[label] += v;
  }
  auto g = Abschnitt(text, "G E S A M T");
  for (const char* label : {"Bruttobezüge:", "Sozialversicherung:", "Lohnsteuer:", "Auszahlung:"})
    EXPECT_NEAR(summe[label], g[label], 0.005) << label;
  EXPECT_NEAR(g["Bruttobezüge:"] + g["Spesenersatz:"],
              g["Sozialversicherung:"] + g["Lohnsteuer:"] + g["Vorschuss:"] + g["Exekution:"] +
                  g["Einbehaltene.freiw.Beiträge:"] + g["Auszahlung:"],
              0.005);
}

// March with employee 2's part payroll, both boxes ticked; the confirmation
// of employee 2.
TEST(Ueberweisungsliste, Golden) {
  for (int modus : {kModusUeberweisungsliste, kModusArbeitsbestaetigung}) {
    BerichtFixture f;
    f.abrechnungen.push_back(Teilabrechnung(2, 3));
    f.Schreiben();
    BerichtOptionen o = BerichtFixture::Optionen(Bericht::Ueberweisungsliste, 3);
    o.lohnartenDetail = o.kontierung = true;
    o.personalNr = modus == kModusArbeitsbestaetigung ? 2 : 0;
    const Lauf l = Drucken(f, o, modus);
    ASSERT_TRUE(l.ok);
    testing_support::ExpectGolden(modus == kModusUeberweisungsliste
                                      ? "reports/ueberweisungsliste_3_2014.txt"
                                      : "reports/arbeitsbestaetigung_2_3_2014.txt",
                                  f.BerichtBytes());
    if (modus == kModusUeberweisungsliste) PruefeBuchungsliste(l.text);
  }
}

TEST(Ueberweisungsliste, FehlerUndGrenzfaelle) {
  using Vorbereitung =
      std::function<void(BerichtFixture&, AbrechnungRecord & maerz1, BerichtOptionen&)>;
  struct Fall {
    const char* name;
    Vorbereitung vorbereiten;
    int modus;
    std::vector<std::string> meldungen;
    std::vector<std::pair<std::string, int>> anzahl;                  // text, occurrences
    std::vector<std::tuple<std::string, std::string, double>> werte;  // section, label, amount
  };
  auto arbeiter3 = [](BerichtFixture& f) {
    f.personal.push_back(f.personal[0]);
    f.personal.back().PersNrEdit = 3;
  };
  const std::string arbeiter = "A R B E I T E R  Soziale Stellung = 2";
  const Fall faelle[] = {
      {"negative Lohnsteuer sonstiger Bezüge",
       [](BerichtFixture&, AbrechnungRecord& r, BerichtOptionen&) {
         r.LohnsteuerBetragEdit = 30.00;
         r.SonstSZLSTEdit = -50.00;
         r.LstGesamt = 0;
         r.NettoBetragEdit = r.AuszahlungsbetragEdit = 1192.32;
       },
       kModusUeberweisungsliste,
       {},
       {},
       {{arbeiter, "Lohnsteuer:", 0.00}}},
      {"ersetzte Abrechnung zählt nicht",
       [](BerichtFixture& f, AbrechnungRecord& r, BerichtOptionen&) {
         f.abrechnungen.push_back(r);
         f.abrechnungen.back().SpesenersatzEdit = 73.70;
         f.abrechnungen.back().AuszahlungsbetragEdit = 1200.00;
       },
       kModusUeberweisungsliste,
       {},
       {{"Auszahlungsbetrag:", 2}, {"Auszahlungsbetrag:                    1200.00", 1}},
       {{arbeiter, "Auszahlung:", 1200.00}, {"G E S A M T", "Auszahlung:", 2609.68}}},
      {"Abrechnungsdatei in Verwendung",
       [](BerichtFixture&, AbrechnungRecord&, BerichtOptionen&) {
         std::filesystem::remove("DEMO.ABR");
         std::filesystem::create_directory("DEMO.ABR");
       },
       kModusUeberweisungsliste,
       {kAbrechnungsdateiVerwendet},
       {},
       {}},
      {"Kostenstelle 5",
       [](BerichtFixture& f, AbrechnungRecord& r, BerichtOptionen& o) {
         r.KostenstelleEdit = f.abrechnungen[2].KostenstelleEdit = 5;  // and February's
         o.kostenstelle = 5;
       },
       kModusUeberweisungsliste,
       {},
       {{"Auszahlungsbetrag:", 1}, {"\nF Ü R   K O S T E N S T E L L E   N R. 5\r", 2}},
       {{"G E S A M T", "Bruttobezüge:", 1440.00}}},
      {"Lohnart 120 zweier Arbeiter",
       [&](BerichtFixture& f, AbrechnungRecord& r, BerichtOptionen& o) {
         arbeiter3(f);
         r.Lohnarten[0] = PackLohnartLine("120", "10", "Zulage", true, true, true, "15");
         f.abrechnungen.push_back(r);
         f.abrechnungen.back().PersNrEdit = 3;
         f.abrechnungen.back().Lohnarten[0] =
             PackLohnartLine("120", "2", "", true, true, true, "15");
         // Does not convert: counts nothing, the run goes on.
         f.abrechnungen.back().Lohnarten[1] =
             PackLohnartLine("7", "1,2,3", "", true, true, true, "1");
         o.lohnartenDetail = true;
       },
       kModusUeberweisungsliste,
       {},
       {{"Lohnart Code 120:", 1}, {"Lohnart Code   7:", 0}},
       {{arbeiter, "   Lohnart Code 120:", 180.00}}},
      {"Zeitraum 3 bis 5",
       [](BerichtFixture&, AbrechnungRecord&, BerichtOptionen& o) { o.monatBis = 5; },
       kModusUeberweisungsliste,
       {kEinAbrechnungsmonat},
       {{"Abrechnungsmonat:     3 / 2014\r", 1}, {"Auszahlungsbetrag:", 2}},
       {}},
      {"Teile bis knapp an die Grenze: Summe genau",
       [](BerichtFixture& f, AbrechnungRecord& r, BerichtOptionen& o) {
         o.personalNr = r.PersNrEdit;
         const AbrechnungRecord muster = r;  // r lies in the vector that grows
         for (int teil = 0; teil < 24; ++teil) {
           f.abrechnungen.push_back(muster);
           f.abrechnungen.back().AbrechngComboBox = teil;
           f.abrechnungen.back().AuszahlungsbetragEdit = teil % 2 ? 4166666666.67 : 4166666666.66;
         }
       },
       kModusArbeitsbestaetigung,
       {},
       {{"Auszahlung:" + std::string(20, ' ') + "99999999999.96\r", 1}},
       {}},
      {"Betrag über der Grenze: Meldung, kein Bericht",
       [](BerichtFixture&, AbrechnungRecord& r, BerichtOptionen&) {
         r.AuszahlungsbetragEdit = 2e13;
       },
       kModusUeberweisungsliste,
       {"Der Betrag 20000000000000,00 des Dienstnehmers 1 Huber ist zu groß für den Bericht "
        "\"Überweisungsliste Lohn- / Gehaltsabrechnung\" (höchstens 100000000000,00). Es wurde "
        "kein Bericht erstellt."},
       {},
       {}},
      {"Bestätigung nur mit Teilabrechnung",
       [&](BerichtFixture& f, AbrechnungRecord&, BerichtOptionen& o) {
         arbeiter3(f);
         f.abrechnungen.push_back(Teilabrechnung(3, 3));
         o.personalNr = 3;
       },
       kModusArbeitsbestaetigung,
       {},
       {{"Dienstnehmer:", 0}},
       {{"ARBEITS- UND LOHNBESTÄTIGUNG", "Bruttobezüge:", 100.00},
        {"ARBEITS- UND LOHNBESTÄTIGUNG", "Auszahlung:", 100.00}}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    BerichtFixture f;
    BerichtOptionen o = BerichtFixture::Optionen(Bericht::Ueberweisungsliste, 3);
    fall.vorbereiten(f, f.abrechnungen[4], o);
    if (std::filesystem::is_regular_file("DEMO.ABR")) f.Schreiben();
    const Lauf l = Drucken(f, o, fall.modus);
    EXPECT_EQ(l.meldungen, fall.meldungen);
    EXPECT_EQ(l.ok, !l.text.empty());
    for (const auto& [teil, n] : fall.anzahl) EXPECT_EQ(Anzahl(l.text, teil), n) << teil;
    for (const auto& [abschnitt, label, wert] : fall.werte)
      EXPECT_NEAR(Abschnitt(l.text, abschnitt)[label], wert, 0.005) << label;
    if (l.ok && fall.modus == kModusUeberweisungsliste) PruefeBuchungsliste(l.text);
  }
}

}  // namespace
