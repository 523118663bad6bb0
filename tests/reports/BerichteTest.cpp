// Every registered report run through the options window's OK on the demo
// employer with the options the item proposes: each ends in a viewer, its
// own preview or its files, and none leaves a half-written file behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "fixtures/BerichtFixture.h"
#include "reports/Berichte.h"

namespace {

using lohn::Bericht;

TEST(Berichte, EveryReportRunsFromItsItem) {
  for (std::size_t i = 0; i < lohn::kBerichtAnzahl; ++i) {
    const Bericht b = Bericht(i);
    testing_support::BerichtFixture f;
    f.personal[0].SVNrEdit = "1237010180";  // the ELDA wage slips need them
    f.personal[1].SVNrEdit = "2349150385";
    f.Schreiben();
    lohn::BerichtKontext kontext(f.env.state);
    f.env.state.berichte = &kontext;
    lohn::RegistriereBerichte(kontext);
    int ansichten = 0, vorschauen = 0;
    kontext.hooks.OeffneAnsicht = [&](const lohn::BerichtAnsicht& a, const lohn::AnsichtGroesse&) {
      EXPECT_FALSE(a.bytes.empty()) << i;
      return ++ansichten;
    };
    kontext.hooks.ZeigeL16 = [&](const auto&, bool) { ++vorschauen; };
    ASSERT_TRUE(kontext.Registriert(b)) << i;
    lohn::BerichtPunktOeffnen(f.env.state, b);
    kontext.optionen.UserSetText("AbfrageJahrEdit", "2014");
    kontext.optionen.UserSetText("nurEinePersNrEdit", "2");
    kontext.optionen.UserSetText("DBedit", "4,5");
    kontext.optionen.UserSetText("DZedit", "0,40");
    kontext.optionen.UserSetText("KommunalstEdit", "3");
    kontext.OkClick();
    const bool dateien = std::filesystem::exists("ELDA") || std::filesystem::exists("XML");
    EXPECT_TRUE(ansichten == 1 || vorschauen > 0 || dateien)
        << i << ": " << (f.env.dialogs.shown.empty() ? "" : f.env.dialogs.shown.back());
    for (const auto& e : std::filesystem::recursive_directory_iterator("."))
      EXPECT_EQ(e.path().string().find("~"), std::string::npos) << i << " " << e.path();
  }
}

}  // namespace
