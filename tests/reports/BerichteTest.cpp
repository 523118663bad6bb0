// Every registered report run through the options window's OK on the demo
// employer with the options the item proposes: each ends in a viewer, its
// own preview or its files, and none leaves a half-written file behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "fixtures/BerichtFixture.h"
#include "output/L16Formular.h"
#include "reports/Berichte.h"

namespace {

using lohn::Bericht;

// Runs report b from its item on the fixture's data with the options of
// the item (all employees unless `nurPersNr`); what it put out, as text:
// its viewer's bytes, its L16 pages, its files and its messages.
std::string Lauf(testing_support::BerichtFixture& f, Bericht b, const std::string& nurPersNr,
                 int& ansichten, int& vorschauen) {
  lohn::BerichtKontext kontext(f.env.state);
  f.env.state.berichte = &kontext;
  lohn::RegistriereBerichte(kontext);
  std::string aus;
  kontext.hooks.OeffneAnsicht = [&](const lohn::BerichtAnsicht& a, const lohn::AnsichtGroesse&) {
    EXPECT_FALSE(a.bytes.empty()) << int(b);
    aus.append(a.bytes.begin(), a.bytes.end());
    return ++ansichten;
  };
  kontext.hooks.ZeigeL16 = [&](const lohn::L16Blatt& blatt, bool) {
    ++vorschauen;
    for (const auto& seite : blatt.seiten)
      for (const auto& t : seite.texte) aus += t.text + "|";
  };
  EXPECT_TRUE(kontext.Registriert(b)) << int(b);
  lohn::BerichtPunktOeffnen(f.env.state, b);
  kontext.optionen.UserSetText("AbfrageJahrEdit", "2014");
  kontext.optionen.UserSetText("nurEinePersNrEdit", nurPersNr);
  kontext.optionen.UserSetText("DBedit", "4,5");
  kontext.optionen.UserSetText("DZedit", "0,40");
  kontext.optionen.UserSetText("KommunalstEdit", "3");
  kontext.OkClick();
  for (const char* ordner : {"ELDA", "XML"})
    if (std::filesystem::exists(ordner))
      for (const auto& e : std::filesystem::directory_iterator(ordner)) {
        const auto bytes = testing_support::ReadBytes(e.path());
        aus += e.path().string() + ":" + std::string(bytes.begin(), bytes.end());
      }
  for (const std::string& m : f.env.dialogs.shown) aus += m + "\n";
  f.env.state.berichte = nullptr;
  return aus;
}

void MitSvNummern(testing_support::BerichtFixture& f) {
  f.personal[0].SVNrEdit = "1237010180";  // the ELDA wage slips need them
  f.personal[1].SVNrEdit = "2349150385";
}

TEST(Berichte, EveryReportRunsFromItsItem) {
  for (std::size_t i = 0; i < lohn::kBerichtAnzahl; ++i) {
    const Bericht b = Bericht(i);
    testing_support::BerichtFixture f;
    MitSvNummern(f);
    f.Schreiben();
    int ansichten = 0, vorschauen = 0;
    Lauf(f, b, "2", ansichten, vorschauen);
    const bool dateien = std::filesystem::exists("ELDA") || std::filesystem::exists("XML");
    EXPECT_TRUE(ansichten == 1 || vorschauen > 0 || dateien)
        << i << ": " << (f.env.dialogs.shown.empty() ? "" : f.env.dialogs.shown.back());
    for (const auto& e : std::filesystem::recursive_directory_iterator("."))
      EXPECT_EQ(e.path().string().find("~"), std::string::npos) << i << " " << e.path();
  }
}

// An employee or a payroll stored twice counts once, by the last record:
// every report and file comes out byte for byte as from the data with that
// record alone.
TEST(Berichte, RecordStoredTwiceCountsOnceByTheLast) {
  using Daten = testing_support::BerichtFixture;
  // An earlier record of employee 2 that must not count anywhere.
  auto frueherer = [](const Daten& f) {
    lohn::PersonalRecord p = f.personal[1];
    p.FamNameEdit = "Früher";
    p.BeitragsgruppeComboBox = "A1";
    p.SVNrEdit = "1111010170";
    p.ueberSechzigCheckBox = true;
    p.DNabgemeldetCheckBox = true;
    return p;
  };
  struct Fall {
    const char* was;
    std::function<void(Daten&)> doppelt;  // the data stored twice
  } faelle[] = {
      {"employee twice in a row",
       [&](Daten& f) { f.personal.insert(f.personal.begin() + 1, frueherer(f)); }},
      {"employee twice, apart",
       [&](Daten& f) { f.personal.insert(f.personal.begin(), frueherer(f)); }},
      {"payroll twice",
       [](Daten& f) {
         for (std::int32_t monat = 1; monat <= 12; ++monat) {
           lohn::AbrechnungRecord r = Daten::Abrechnung(2, monat);
           r.BruttoEdit = r.BruttoGesamtEdit = 3000;
           r.LstGesamt = 500;
           r.BeitragsgruppeComboBox = "A1";
           f.abrechnungen.insert(f.abrechnungen.begin(), r);
         }
       }},
  };
  for (const Fall& fall : faelle)
    for (std::size_t i = 0; i < lohn::kBerichtAnzahl; ++i) {
      for (const char* nur : {"", "2"}) {
        std::string aus[2];
        for (int doppelt = 0; doppelt < 2; ++doppelt) {
          Daten f;
          MitSvNummern(f);
          if (doppelt) fall.doppelt(f);
          f.Schreiben();
          int ansichten = 0, vorschauen = 0;
          aus[doppelt] = Lauf(f, Bericht(i), nur, ansichten, vorschauen);
        }
        EXPECT_FALSE(aus[0].empty()) << fall.was << " " << i;
        EXPECT_EQ(aus[1], aus[0]) << fall.was << ", report " << i << ", Personal-Nr " << nur;
      }
    }
}

}  // namespace
