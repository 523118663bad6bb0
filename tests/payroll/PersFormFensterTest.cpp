// The employee window's creation, show and close, side panels, field resets,
// status-bar hints, input filters, free-text files and openers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "payroll/PersFormFenster.h"
#include "payroll/PersFormLists.h"
#include "payroll/PersFormTestSupport.h"
#include "store/Numbers.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using namespace lohn;
using persform_test::Fenster;
using persform_test::Person;

TEST(PersFormFenster, CreationFillsTheFixedListsAndPreparesANewEmployee) {
  Fenster w({Person(4, "Huber"), Person(9, "Adler")});
  PersFormModel& f = w.f;
  EXPECT_EQ(f.Items("MonatComboBox").size(), 12u);
  EXPECT_EQ(f.Items("MonatComboBox").back(), "12");
  EXPECT_EQ(f.Text("MonatComboBox"), "");
  const auto& jahre = f.Items("JahrComboBox");
  ASSERT_EQ(jahre.size(), 17u);
  EXPECT_EQ(jahre.front(), "2014");
  EXPECT_EQ(jahre.back(), "2030");
  EXPECT_EQ(f.Items("AbrechngComboBox"), (std::vector<std::string>{"0", "1"}));
  EXPECT_EQ(f.Text("AbrechngComboBox"), "0");

  const auto& gruppen = f.Items("BeitragsgruppeComboBox");
  ASSERT_EQ(gruppen.size(), 134u);
  EXPECT_EQ(gruppen.front(), "-");
  EXPECT_TRUE(std::is_sorted(gruppen.begin(), gruppen.end(), ListenReihenfolge));
  EXPECT_NE(std::find(gruppen.begin(), gruppen.end(), "NKand"), gruppen.end());
  EXPECT_EQ(f.Text("BeitragsgruppeComboBox"), "D1");

  EXPECT_EQ(f.Items("SonderZlgComboBox"),
            (std::vector<std::string>{"Urlaubsgeld", "Weihnachtsgeld", "Url.& Weihnachtsgeld"}));
  EXPECT_EQ(f.Text("SonderZlgComboBox"), "Sonderzahlung");
  EXPECT_FALSE(f.Enabled("TageslohnButton"));
  EXPECT_TRUE(f.Checked("LstBerechnen"));
  EXPECT_TRUE(f.Checked("AngestellterCheckBox"));
  EXPECT_EQ(f.Items("PersonalNrComboBox"),
            (std::vector<std::string>{"", "Adler | Nr. 9", "Huber | Nr. 4"}));
  EXPECT_EQ(f.Text("PersNrEdit"), "10");
  EXPECT_EQ(f.Text("SV_Lohn_TageEdit"), "0");  // the month fields were cleared

  const std::string memo = f.Text("MemoPendlerEuro");
  EXPECT_EQ(memo.rfind("Pendlerinnen/Pendlern steht zusätzlich", 0), 0u);
  EXPECT_NE(memo.find("Pendlerpauschale. \r\n\r\nDer Pendlereuro ist ein Jahresbetrag"),
            std::string::npos);
  EXPECT_TRUE(memo.ends_with("(Arbeitnehmerveranlagung L1) geltend gemacht werden."));
  EXPECT_TRUE(w.dialogs().messages.empty());
}

TEST(PersFormFenster, RegistrationListsStartEmptyAndFollowTheYear) {
  Fenster w;
  for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"})
    EXPECT_EQ(w.f.Items(name).front(), "") << name;
  EXPECT_EQ(w.f.Items("ComboBox1").size(), 12u);
  EXPECT_EQ(w.f.Items("ComboBox1")[4], "06 Änderungsmeldung");
  EXPECT_EQ(w.f.Items("ComboBox3").size(), 4u);
  const auto grund2014 = EldaAbmeldegrundListe(kYear2014);
  const auto grund2013 = EldaAbmeldegrundListe(kYear2013);
  EXPECT_EQ(grund2014.size(), grund2013.size() + 1);
  EXPECT_EQ(grund2014.back(), "00 - sonstige Gründe");
  EXPECT_EQ(grund2014[grund2014.size() - 2], "32 - Bildungskarenz gem. § 12 AVRAG");
  EXPECT_EQ(grund2013[27], "29 - SV-Ende \u2013 Beschäftigung aufrecht");
  // The previous-year build takes only its own year and offers only that.
  EXPECT_EQ(JahrListe(kYear2013), std::vector<std::string>{"2013"});
}

TEST(PersFormFenster, SortedListsIgnoreCaseAndPlaceUmlautsBesideTheirLetter) {
  std::vector<std::string> names = {"Zach",  "Öller", "adler",  "Oberer", "Ärmel",
                                    "Bauer", "Ab",    "Straße", "Strasse"};
  SortiereListe(names);
  EXPECT_EQ(names, (std::vector<std::string>{"Ab", "adler", "Ärmel", "Bauer", "Oberer", "Öller",
                                             "Strasse", "Straße", "Zach"}));
}

TEST(PersFormFenster, SidePanelsSetTheWidth) {
  struct Schritt {
    void (*klick)(PersFormModel&);
    int breite;
    bool menue, mehr, info;
  };
  const Schritt schritte[] = {
      {Label191Click, 810, false, false, false},     {PersFormShow, 810, false, false, false},
      {SpeedButton37Click, 810, false, true, false}, {Label195Click, 1006, true, true, true},
      {Label196Click, 1006, true, true, false},      {Label195Click, 1006, true, true, true},
      {Label194Click, 1006, true, false, false},     {PersFormShow, 990, true, false, false},
  };
  Fenster w;
  for (const Schritt& s : schritte) {
    s.klick(w.f);
    EXPECT_EQ(w.f.Width(), s.breite);
    EXPECT_EQ(w.f.Visible("MenuePanel"), s.menue);
    EXPECT_EQ(w.f.Visible("Label172"), s.menue);
    EXPECT_EQ(w.f.Visible("Label193"), !s.menue);
    EXPECT_EQ(w.f.Visible("mehrPanel"), s.mehr);
    EXPECT_EQ(w.f.Visible("PendlerEuroInfo"), s.info);
  }
}

TEST(PersFormFenster, ShowResetsTheRegistrationPanelAndCloseClosesIt) {
  Fenster w;
  PersFormModel& f = w.f;
  f.SetText("ComboBox1", "03 Anmeldung");
  f.SetText("DN_Satzart", "03");
  f.SetText("ADAT", "01.03.2014");
  f.SetText("STSL", "DEU");
  f.SetText("BETR", "1200,00");
  f.SetChecked("Testdaten_CB", true);
  PersFormShow(f);
  EXPECT_EQ(f.Text("ComboBox1"), "");
  EXPECT_EQ(f.Text("DN_Satzart"), "");  // no kind of the previous employee
  EXPECT_EQ(f.Text("ADAT"), "");
  EXPECT_EQ(f.Text("STSL"), "AUT");
  EXPECT_EQ(f.Text("BETR"), "");
  EXPECT_FALSE(f.Checked("Testdaten_CB"));
  EXPECT_TRUE(f.Checked("Lst2009Checkbox"));
  EXPECT_EQ(PersFormTitel(kYear2014), "Dienstnehmer und Abrechnungsdaten 2014");

  Label191Click(f);
  f.SetVisible("DnEldaPanel", true);
  PersFormClose(f);
  EXPECT_FALSE(f.Visible("DnEldaPanel"));
  EXPECT_EQ(f.Width(), 990);
}

TEST(PersFormFenster, ClearingTheMonthFieldsLeavesTheirEmptyState) {
  Fenster w;
  PersFormModel& f = w.f;
  int zeilen = 0;
  f.Steps.ClearLohnartLines = [&] { ++zeilen; };
  f.SetText("SV_Lohn_TageEdit", "30");
  f.SetText("BruttoEdit", "2400,00");
  f.SetText("AMPFG_RueckVerrGruppeEdit", "N25a");
  f.SetText("SonstSZTextEdit", "Abfertigung");
  f.SetChecked("ohneFreibSZCheckBox", true);
  f.SetText("GehaltEdit", "2400,00");
  ClearAbrechnungFields(f);
  EXPECT_EQ(f.Text("SV_Lohn_TageEdit"), "0");
  EXPECT_EQ(f.Text("BruttoEdit"), "0");
  EXPECT_EQ(f.Text("AMPFG_RueckVerrGruppeEdit"), "");
  EXPECT_EQ(f.Text("SonstSZTextEdit"), "Sonstige SZ");
  EXPECT_EQ(f.Text("SZSVfreiTextEdit"), "SZ SV frei");
  EXPECT_FALSE(f.Checked("ohneFreibSZCheckBox"));
  EXPECT_EQ(f.Text("GehaltEdit"), "2400,00");  // master data stays
  EXPECT_EQ(zeilen, 1);
}

TEST(PersFormFenster, NormalizingFillsOnlyEmptyNumberFields) {
  Fenster w;
  PersFormModel& f = w.f;
  for (const char* name : {"GehaltEdit", "ENTW_Edit", "PLZEdit", "WERK_Edit", "UEBMO_Edit",
                           "ArtDesLohnzettelsEdit", "PersNrEdit"}) {
    try {
      f.SetText(name, "");
    } catch (const ConversionError&) {
      // an empty Personal-Nr does not key the record buffer
    }
  }
  f.SetText("ZulageEdit", "12,5");
  NormalizeNumericFields(f);
  EXPECT_EQ(f.Text("GehaltEdit"), "0,00");
  EXPECT_EQ(f.Text("ENTW_Edit"), "0,00");
  EXPECT_EQ(f.Text("PLZEdit"), "0");
  EXPECT_EQ(f.Text("WERK_Edit"), "0");
  EXPECT_EQ(f.Text("UEBMO_Edit"), "0");
  EXPECT_EQ(f.Text("PersNrEdit"), "0");
  EXPECT_EQ(f.Text("ArtDesLohnzettelsEdit"), "01");
  EXPECT_EQ(f.Text("ZulageEdit"), "12,5");
}

TEST(PersFormFenster, LeavingAFieldFiltersAndLimitsIt) {
  struct Fall {
    const char* feld;
    const char* eingabe;
    const char* ergebnis;
    const char* meldung;  // "" for none
  };
  const Fall faelle[] = {
      {"TageMaxSV", "0", "1", "Anzahl Tage mindestens 1"},
      {"TageMaxSV", "45", "30", "Anzahl Tage maximal 30"},
      {"TageMaxSV", "99999999999999999999", "30", "Anzahl Tage maximal 30"},
      {"TageMaxSV", "17", "17", ""},
      {"WERK_Edit", "1a3", "12", ""},
      {"WERK_Edit", "", "0", ""},
      {"UEBMO_Edit", "7", "7", ""},
      {"ArtDesLohnzettelsEdit", "123", "99", ""},
      {"ArtDesLohnzettelsEdit", "2", "2", ""},
      {"PREI_Edit", "12x,5", "12,5", ""},
      {"BSROL_Edit", "", "0", ""},
      {"ENTW_Edit", "1,2,3", "1,2,3", "'1,2,3' ist kein gültiger Fließkommawert"},
      {"ExekutionEdit", "-", "-", "'-' ist kein gültiger Fließkommawert"},
      {"FamNameEdit", "a1", "a1", ""},  // no filter of its own
  };
  for (const Fall& c : faelle) {
    Fenster w;
    w.f.SetText(c.feld, c.eingabe);
    PersFormFeldVerlassen(w.env.state, w.f, c.feld);
    EXPECT_EQ(w.f.Text(c.feld), c.ergebnis) << c.feld << " " << c.eingabe;
    if (*c.meldung)
      EXPECT_EQ(w.dialogs().messages, std::vector<std::string>{c.meldung}) << c.feld;
    else
      EXPECT_TRUE(w.dialogs().messages.empty()) << c.feld;
  }
}

TEST(PersFormFenster, TypedTextThatDoesNotConvertIsReportedAndKept) {
  Fenster w;
  PersFormBenutzerText(w.env.state, w.f, "KrankenschEdit", "1,2,3");
  EXPECT_EQ(w.f.Text("KrankenschEdit"), "1,2,3");
  EXPECT_EQ(w.dialogs().messages,
            std::vector<std::string>{"'1,2,3' ist kein gültiger Fließkommawert"});
}

TEST(PersFormFenster, EnteringAFieldShowsItsHintInTheStatusBar) {
  Fenster w;
  PersFormFeldBetreten(w.f, "GehaltEdit");
  EXPECT_EQ(w.f.Text("StatusBar1"), "Hinweis: Monatsgehalt bzw. Stundenlohn (Gehalt/Std-Lohn)");
  PersFormFeldBetreten(w.f, "TageMaxSV");
  EXPECT_EQ(w.f.Text("StatusBar1"), "Hinweis: SV-Tage für die Höchstbeitragsgrundlage (1 bis 30)");
  PersFormFeldBetreten(w.f, "StrasseEdit");
  EXPECT_EQ(w.f.Text("StatusBar1"), "");
  PersFormFeldBetreten(w.f, "KostenstelleEdit");
  PersFormFeldBetreten(w.f, "PersonalNrComboBox");  // no handler: the bar stays
  EXPECT_EQ(w.f.Text("StatusBar1"),
            "Hinweis: Kostenstelle Nr. 1-99 (nur für Kostenstellenrechnung auszufüllen)");
}

TEST(PersFormFenster, FreeTextFilesAreCreatedOnceAndOpened) {
  Fenster w;
  w.f.SetText("PersNrEdit", "0");
  OeffneFreiText(w.env.state, w.f, FreiText::Vorschuss);
  ASSERT_TRUE(fs::exists("MUSTER_0_Vorschuss.TXT"));
  EXPECT_EQ(testing_support::ReadBytes("MUSTER_0_Vorschuss.TXT"),
            (std::vector<std::uint8_t>{'V', 'o', 'r', 's', 'c', 'h', 'u', 's', 's', ':', ' '}));
  testing_support::WriteText("MUSTER_0_Vorschuss.TXT", "Vorschuss: 200 EUR am 3.3.");
  OeffneFreiText(w.env.state, w.f, FreiText::Vorschuss);
  EXPECT_EQ(testing_support::ReadBytes("MUSTER_0_Vorschuss.TXT").size(), 26u);

  w.f.SetText("PersNrEdit", "12");
  OeffneFreiText(w.env.state, w.f, FreiText::Spesen);
  auto spesen = testing_support::ReadBytes("MUSTER_12_Spesen.TXT");
  EXPECT_EQ(std::string(spesen.begin(), spesen.end()), "Spesenersatz: ");
  EXPECT_EQ(w.env.shell.opened,
            (std::vector<std::string>{"MUSTER_0_Vorschuss.TXT", "MUSTER_0_Vorschuss.TXT",
                                      "MUSTER_12_Spesen.TXT"}));
  EXPECT_TRUE(w.dialogs().messages.empty());
}

TEST(PersFormFenster, AFreeTextNeedsAWholePersonalNumberAsFileNamePart) {
  Fenster w;
  try {
    w.f.UserSetText("PersNrEdit", "../x");
  } catch (const ConversionError&) {
  }
  OeffneFreiText(w.env.state, w.f, FreiText::Vorschuss);
  EXPECT_EQ(w.dialogs().messages.back(), "'../x' ist kein gültiger Integerwert");
  EXPECT_TRUE(w.env.shell.opened.empty());
  EXPECT_FALSE(fs::exists(fs::path("..") / "x_Vorschuss.TXT"));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2);
}

TEST(PersFormFenster, OpenersStartManualsVideosAndTheCommuterVideo) {
  testing_support::FakeShell shell;
  for (const char* c : {"SpeedButton1", "Label166", "Label10", "Label176", "Label199"})
    EXPECT_TRUE(PersFormOeffnen(shell, c)) << c;
  EXPECT_EQ(shell.opened,
            (std::vector<std::string>{
                "ZR_Handbuch.pdf", "ZR_Handbuch.pdf", "HTML/Beitragsgruppen.pdf",
                "HTML/VersichertenMeldungElda.pdf", "https://www.quandrel.at/videos/pendlereuro"}));
  for (const char* c : {"Label174", "Label173", "Label175", "Label177", "Label178"})
    EXPECT_TRUE(PersFormOeffnen(shell, c)) << c;
  std::vector<std::string> programs;
  for (const auto& s : shell.started) programs.push_back(s.program);
  EXPECT_EQ(programs,
            (std::vector<std::string>{"S-Videos/Lernvideo01.exe", "S-Videos/Lernvideo02.exe",
                                      "S-Videos/Lernvideo03.exe", "S-Videos/Lernvideo05.exe",
                                      "S-Videos/Lernvideo06.exe"}));
  EXPECT_FALSE(PersFormOeffnen(shell, "Label55"));
}

}  // namespace
