// The report options window's OK: normalise, convert, save the option
// files, check the period, dispatch to the registered generator.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "reports/BerichtKontext.h"
#include "reports/DzTabelle.h"
#include "store/Numbers.h"
#include "support/Fakes.h"

namespace {

using lohn::Bericht;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteText;

std::string Datei(const std::string& name) {
  if (!std::filesystem::exists(name)) return "<fehlt>";
  auto b = ReadBytes(name);
  return {b.begin(), b.end()};
}

struct Lauf {
  TempWorkDir dir;
  TestEnv env;
  lohn::BerichtKontext kontext{env.state};
  std::vector<std::string> aufrufe;  // generator calls and viewers
  bool ergebnis = true;

  Lauf() {
    env.state.DataFileStem = "FIRMA";
    env.state.berichte = &kontext;
    for (const auto& e : lohn::BerichtTabelle())
      kontext.Registriere(e.bericht, [this](lohn::AppState&, const lohn::BerichtOptionen& o) {
        aufrufe.push_back("gen " + std::to_string(o.monatVon) + ".." + std::to_string(o.monatBis) +
                          "/" + std::to_string(o.jahr));
        WriteText("quan.doc", "Bericht\r\n");
        return ergebnis;
      });
    kontext.hooks.OeffneAnsicht = [this](const lohn::BerichtAnsicht& a,
                                         const lohn::AnsichtGroesse& g) {
      aufrufe.push_back("ansicht " + a.zeilen.at(0) + " " + std::to_string(g.schriftgrad));
      return 1;
    };
  }
};

TEST(BerichtKontext, OkTable) {
  const std::string lst = "Lohnsteuer DB DZ Kommunalsteuer";
  const std::string periode =
      "Die Felder müssen folgende Daten enthalten: \"Monat\" 1 - 12 / \"Jahr\" ab 2014";
  struct Fall {
    const char* name;
    Bericht bericht;
    std::vector<std::pair<const char*, const char*>> felder;
    bool ergebnis;
    std::vector<std::string> aufrufe, meldungen;
    std::vector<std::pair<std::string, std::string>> dateien;  // name, content or "<fehlt>"
  } faelle[] = {
      {"levy report saves both files",
       Bericht::LohnsteuerDbDzKommSt,
       {{"DZedit", "0,40"}, {"AbfrageMonatVonEdit", "3"}, {"AbfrageJahrEdit", "2014"}},
       true,
       {"gen 3..3/2014", "ansicht Bericht 10"},
       {},
       {{"FIRMADruOpt.dat", "3;4,5;0,40;1;4;0;2,00;0;0,00;0;0,00;0,00;6;0"},
        {"FIRMA20143DGADruOpt.dat", "1;4;0;2,00;0"}}},
      {"levy file named by the month's number, weeks keep their comma",
       Bericht::LohnsteuerDbDzKommSt,
       {{"AbfrageMonatVonEdit", "01"}, {"Wochen", "4,33"}},
       true,
       {"gen 1..1/2014", "ansicht Bericht 10"},
       {},
       {{"FIRMA20141DGADruOpt.dat", "1;4,33;0;2,00;0"}, {"FIRMA201401DGADruOpt.dat", "<fehlt>"}}},
      {"monthly only",
       Bericht::LohnsteuerDbDzKommSt,
       {{"AbfrageMonatVonEdit", "1"}, {"AbfrageMonatBisEdit", "3"}},
       true,
       {"gen 1..1/2014", "ansicht Bericht 10"},
       {lohn::kMonatlichErstellen},
       {}},
      {"2013 kept",
       Bericht::Lohnkonten,
       {{"AbfrageJahrEdit", "2013"}},
       true,
       {"gen 1..12/2013", "ansicht Bericht 7"},
       {lohn::kQuerformatHinweis},
       {}},
      {"2012 becomes 2014",
       Bericht::Lohnkonten,
       {{"AbfrageJahrEdit", "2012"}},
       true,
       {"gen 1..12/2014", "ansicht Bericht 7"},
       {lohn::kQuerformatHinweis},
       {}},
      {"2031 becomes 2014",
       Bericht::Lohnkonten,
       {{"AbfrageJahrEdit", "2031"}},
       true,
       {"gen 1..12/2014", "ansicht Bericht 7"},
       {lohn::kQuerformatHinweis},
       {}},
      {"invalid period writes no levy file",
       Bericht::LohnsteuerDbDzKommSt,
       {{"AbfrageJahrEdit", "201"}, {"AbfrageMonatVonEdit", "41"}},
       true,
       {},
       {periode},
       {{"quan.doc", ""}, {"FIRMA20141DGADruOpt.dat", "<fehlt>"}}},
      {"rate not a number",
       Bericht::LohnsteuerDbDzKommSt,
       {{"DBedit", "4.5"}},
       true,
       {},
       {"'4.5' ist kein gültiger Fließkommawert"},
       {{"FIRMADruOpt.dat", "<fehlt>"}}},
      {"municipal return keeps no levy file",
       Bericht::Kommunalsteuererklaerung,
       {{"AbfrageMonatVonEdit", "3"}},
       true,
       {"gen 3..3/2014", "ansicht Bericht 10"},
       {lohn::kQuerformatHinweis},  // the levy box is ticked: the wide form
       {{"FIRMA20143DGADruOpt.dat", "<fehlt>"}}},
      {"confirmation needs a number",
       Bericht::ArbeitsUndLohnbestaetigung,
       {},
       true,
       {},
       {lohn::kPersonalNrEingeben},
       {}},
      {"nothing written, nothing shown",
       Bericht::Lohnkonten,
       {},
       false,
       {"gen 1..12/2014"},
       {},
       {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Lauf l;
    l.ergebnis = f.ergebnis;
    WriteText("quan.doc", "alt\r\n");
    lohn::BerichtPunktOeffnen(l.env.state, f.bericht);
    ASSERT_EQ(l.kontext.Aktuell(), f.bericht);
    l.env.dialogs.messages.clear();
    for (auto& [name, wert] : f.felder) l.kontext.optionen.UserSetText(name, wert);
    const char* boxen[] = {"KontierungCheckBox", "DGACheckBox", "ELDADateiCheckBox"};
    for (const char* box : boxen) l.kontext.optionen.SetChecked(box, true);
    l.kontext.OkClick();
    // Every run ends with nothing of this report shown or ticked; a text
    // that does not convert keeps the window as it is.
    const bool offen = l.kontext.Aktuell().has_value();
    for (const char* box : boxen) EXPECT_EQ(l.kontext.optionen.Checked(box), offen) << box;
    for (const std::string& name : lohn::DruOptModel::AlleOptionsFelder())
      EXPECT_TRUE(offen || !l.kontext.optionen.Visible(name)) << name;
    EXPECT_EQ(l.aufrufe, f.aufrufe);
    EXPECT_EQ(l.env.dialogs.messages, f.meldungen);
    for (auto& [name, inhalt] : f.dateien) EXPECT_EQ(Datei(name), inhalt) << name;
  }
}

// The period lies in the build's year whatever the clock says.
TEST(BerichtKontext, ProposedPeriodLiesInTheBuildYear) {
  struct Fall {
    const lohn::YearValues& build;
    int clockJahr, clockMonat;
    const char *monat, *jahr;
  } faelle[] = {
      {lohn::kYear2014, 2014, 3, "3", "2014"},   {lohn::kYear2014, 2026, 5, "12", "2014"},
      {lohn::kYear2014, 2012, 8, "1", "2014"},   {lohn::kYear2013, 2014, 2, "12", "2013"},
      {lohn::kYear2013, 2013, 11, "11", "2013"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.build.year) + " at " + std::to_string(f.clockJahr));
    TestEnv env(f.build);
    env.clock.Set({f.clockJahr, f.clockMonat, 15, 9, 0, 0, 0});
    lohn::BerichtKontext kontext(env.state);
    kontext.Registriere(Bericht::LohnGehaltszettel,
                        [](lohn::AppState&, const lohn::BerichtOptionen&) { return true; });
    kontext.Oeffnen(Bericht::LohnGehaltszettel);
    EXPECT_EQ(kontext.optionen.Text("AbfrageMonatVonEdit"), f.monat);
    EXPECT_EQ(kontext.optionen.Text("AbfrageJahrEdit"), f.jahr);
  }
}

TEST(BerichtKontext, ItemsShowTheirOptionsOnly) {
  Lauf l;
  auto& m = l.kontext.optionen;
  bool gezeigt = false;
  l.kontext.hooks.ZeigeOptionen = [&] { gezeigt = true; };
  m.SetChecked("ELDADateiCheckBox", true);
  lohn::BerichtPunktOeffnen(l.env.state, Bericht::Kommunalsteuererklaerung);
  EXPECT_TRUE(gezeigt);
  EXPECT_EQ(m.Text("DruckErgebnis"), "Kommunalsteuererklaerung");
  EXPECT_EQ(m.Text("ELDADateiCheckBox"), lohn::kXmlDateiCaption);
  for (const char* name : {"DGACheckBox", "AbfrageJahrEdit", "nurStandortEdit", "KommunalstEdit"})
    EXPECT_TRUE(m.Visible(name)) << name;
  for (const char* name : {"DGAAnzMitarbCBox", "Wochen", "AbfrageMonatVonEdit", "DBedit"})
    EXPECT_FALSE(m.Visible(name)) << name;

  // The next item sets every option from its own bits.
  m.UserSetChecked("CheckBox1", true);
  EXPECT_TRUE(l.env.state.ExcelExportFlag);
  lohn::BerichtPunktOeffnen(l.env.state, Bericht::Betriebssummenblatt);
  EXPECT_TRUE(m.Visible("DZedit"));
  EXPECT_FALSE(m.Visible("nurStandortEdit"));
  EXPECT_FALSE(m.Visible("KommunalstEdit"));
  lohn::BerichtPunktOeffnen(l.env.state, Bericht::Ueberweisungsliste);
  EXPECT_FALSE(l.env.state.ExcelExportFlag);
  EXPECT_FALSE(m.Checked("CheckBox1"));

  // The DZ table; an employer change closes the window.
  lohn::DzUebernehmen(m, 3);
  EXPECT_EQ(m.Text("DZedit"), "0,36");
  bool zu = false;
  l.kontext.hooks.SchliesseOptionen = [&] { zu = true; };
  l.kontext.DienstgeberGewechselt();
  EXPECT_TRUE(zu);
  EXPECT_FALSE(l.kontext.Aktuell());
}

TEST(DruOptModel, FieldRules) {
  lohn::DruOptModel m(2014);
  struct {
    const char* feld;
    const char* eingabe;
    const char* ergebnis;
  } faelle[] = {
      {"AbfrageJahrEdit", "2013", "2013"},
      {"AbfrageJahrEdit", "2010", "2014"},
      {"AbfrageJahrEdit", "201", "201"},
      {"AbfrageJahrEdit", "2031", "2014"},
      {"AbfrageJahrEdit", "20a15", "2015"},
      {"DBedit", "4,5 %", "4,5"},
      {"ZeilenEdit", "", "0"},
      {"nurEinePersNrEdit", " ", ""},
      {"AbfrageMonatVonEdit", "7", "7"},
      {"AbfrageMonatBisEdit", "x", "0"},
  };
  for (const auto& f : faelle) {
    m.UserSetText(f.feld, f.eingabe);
    EXPECT_EQ(m.Text(f.feld), f.ergebnis) << f.feld << " " << f.eingabe;
  }
  // The proposed period follows the first month.
  EXPECT_EQ(m.Text("AbfrageMonatBisEdit"), "0");
  m.UserSetText("AbfrageMonatVonEdit", "5");
  EXPECT_EQ(m.Text("AbfrageMonatBisEdit"), "5");

  m.SetChecked("ELDADateiCheckBox", true);
  m.UserSetText("KostenstelleEdit", "12");
  EXPECT_FALSE(m.Checked("ELDADateiCheckBox"));

  m.UserSetText("MalusArbEdit", "1234,5");
  m.FeldVerlassen("MalusArbEdit");
  EXPECT_EQ(m.Text("MalusArbEdit"), "1234,50");
  m.UserSetText("unbezUrlEdit", "12-");
  m.FeldVerlassen("unbezUrlEdit");
  EXPECT_EQ(m.Text("unbezUrlEdit"), "0,00");
  m.UserSetText("DZedit", "0,4,2");
  EXPECT_THROW(m.FeldVerlassen("DZedit"), lohn::ConversionError);
  EXPECT_EQ(m.Text("DZedit"), "0,4,2");
  m.FeldBetreten("DBedit");
  EXPECT_EQ(m.Text("StatusBar1"), "Hinweis: Dienstgeberbeitrag FLAG %");
}

}  // namespace
