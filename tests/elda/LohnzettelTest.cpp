// The annual wage slips: .BG and .LF files for the ELDA software.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "elda/EldaSatz.h"
#include "elda/Lohnzettel.h"
#include "reports/BerichtText.h"
#include "reports/Berichte.h"
#include "store/AbrechnungRecord.h"
#include "store/PersonalRecord.h"
#include "support/Fakes.h"
#include "support/Golden.h"

namespace {

namespace fs = std::filesystem;
using lohn::AbrechnungRecord;
using lohn::PersonalRecord;

std::string Datei(const std::string& name) {
  if (!fs::exists(name)) return "<fehlt>";
  auto b = testing_support::ReadBytes(name);
  return {b.begin(), b.end()};
}

PersonalRecord Person(int nr, const char* name, const char* sv) {
  PersonalRecord p;
  p.PersNrEdit = nr;
  p.FamNameEdit = name;
  p.VornameEdit = "Eva";
  p.SVNrEdit = sv;
  p.GeburtsdatenEdit = std::to_string(nr);
  p.StrasseEdit = "Gasse 2";
  p.PLZEdit = 1100;
  p.OrtEdit = "Wien";
  p.StaatEdit = "A";
  p.ArtDesLohnzettelsEdit = 1;
  return p;
}

AbrechnungRecord Monat(int nr, int monat, double brutto) {
  AbrechnungRecord r;
  r.PersNrEdit = nr;
  r.MonatComboBox = monat;
  r.JahrComboBox = 2014;
  r.BruttoEdit = r.SVBeitragsgrundlageEdit = brutto;
  r.SV_AbzGesEdit = r.SV_DN_GesamtEdit = brutto * 0.1807;
  r.LstGesamt = brutto * 0.1;
  return r;
}

struct Lauf {
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  std::vector<PersonalRecord> personal;
  std::vector<AbrechnungRecord> abr;
  lohn::BerichtOptionen o;

  Lauf() {
    auto& s = env.state;
    s.DataFileStem = o.stem = "DEMO";
    s.ProgramVersion = s.year.programVersion;
    auto& dg = s.Dienstgeber;
    dg.DienstgeberAnrede = "Firma", dg.DienstgeberName = "Muster GmbH";
    dg.DienstgeberStrasse = "Ring 1", dg.DienstgeberLand = "A", dg.DienstgeberPlz = "1010";
    dg.DienstgeberOrt = "Wien", dg.DienstgeberTelefon = "01 2345";
    dg.DienstgeberBeitragskontoNr = "4711", dg.DienstgeberSteuerNr = "123/4567";
    dg.DienstgeberVersTraegerCode = "11", dg.DienstgeberDvrNr = "1234567";
    dg.DienstgeberFinanzamtNr = "07";
    PersonalRecord p1 = Person(1, "Huber", "1237010180");
    p1.ArbeiterCheckBoxNeu = p1.SZanspruchCheckBox = p1.Alleinverdiener = true;
    p1.SozialeStellungEdit = 2;
    p1.AnzahlKinderEdit = 1;
    PersonalRecord p2 = Person(2, "Berger", "2349150385");
    p2.weiblichCheckBox = p2.TeilzeitCheckBox = p2.grPendlPausch = true;  // no child: no mark
    p2.SozialeStellungEdit = 3;
    personal = {p1, p2};
    for (int m = 1; m <= 12; ++m) {
      abr.push_back(Monat(1, m, 3000));
      abr.back().BMVGbetragEdit = 45.90;
      if (m == 6)
        abr.back().SonderzahlungEdit = abr.back().SVBeitragsGrundlageSonderzahlungEdit = 3000;
      if (m >= 3 && m <= 6) abr.push_back(Monat(2, m, 1500));
    }
    o.bericht = lohn::Bericht::JahreslohnzettelElda;
    o.monatVon = 1, o.monatBis = 12, o.jahr = 2014, o.vonTag = 1, o.bisTag = 31;
    o.eldaTestdaten = true;
  }
  void Schreiben() const {
    auto schreibe = [](const char* name, const auto& saetze) {
      std::vector<std::uint8_t> bytes;
      for (const auto& s : saetze) {
        const auto b = s.pack();
        bytes.insert(bytes.end(), b.begin(), b.end());
      }
      testing_support::WriteBytes(name, bytes);
    };
    schreibe("DEMO.PER", personal);
    schreibe("DEMO.ABR", abr);
  }
  bool Export() {
    Schreiben();
    return lohn::ExportEldaLohnzettel(env.state, o);
  }
};

// "L2:296=+0003900000": record 2 (0 = header) of the .LF ('B': .BG) holds
// the text from position 296 (from 1) on.
void Pruefe(const std::string& name, const std::vector<const char*>& stellen) {
  const std::string bg = Datei(name + ".BG"), lf = Datei(name + ".LF");
  for (const char* s : stellen) {
    char datei = 0;
    int satz = 0, pos = 0;
    ASSERT_EQ(std::sscanf(s, "%c%d:%d=", &datei, &satz, &pos), 3) << s;
    const std::string& d = datei == 'B' ? bg : lf;
    std::size_t a = 0;
    for (int i = 0; i < satz; ++i) a = d.find("\r\n", a) + 2;
    const std::string wert = std::strchr(s, '=') + 1;
    EXPECT_EQ(d.substr(std::min(a + std::size_t(pos - 1), d.size()), wert.size()), wert) << s;
  }
}

// Through the options window, as the user runs it.
TEST(Lohnzettel, GoldenYear) {
  Lauf l;
  l.Schreiben();
  lohn::BerichtKontext kontext(l.env.state);
  l.env.state.berichte = &kontext;
  lohn::RegistriereBerichte(kontext);
  lohn::BerichtPunktOeffnen(l.env.state, lohn::Bericht::JahreslohnzettelElda);
  auto& m = kontext.optionen;
  const char* felder[][2] = {{"AbfrageMonatVonEdit", "1"},
                             {"AbfrageMonatBisEdit", "12"},
                             {"AbfrageJahrEdit", "2014"},
                             {"vonTagEdit", "1"},
                             {"bisTagEdit", "31"},
                             {"nurEinePersNrEdit", ""},
                             {"LohnzettelSatzartComboBox", "Lohnzettel"}};
  for (auto& [feld, text] : felder) m.SetText(feld, text);
  m.SetChecked("ELDATestDatenCheckBox", true);
  kontext.OkClick();
  EXPECT_EQ(l.env.dialogs.shown, std::vector<std::string>{lohn::kLohnzettelSchlussfrage});
  const std::string bg = Datei("ELDA/DEMO20140112.BG"), lf = Datei("ELDA/DEMO20140112.LF");
  EXPECT_EQ(bg.size() + lf.size(), 1806u + 5508u);
  testing_support::ExpectGolden("elda/DEMO20140112.BG", bg);
  testing_support::ExpectGolden("elda/DEMO20140112.LF", lf);
  EXPECT_EQ(Datei("DEMO.ELZ"), "");
  // 12 x 3000; BMV 12 x 45.90 = 550.80, base 550.80 x 100 / 1.53; gross
  // 36000 + 3000; employee 2 ends in June, not the period's last month.
  Pruefe("ELDA/DEMO20140112",
         {"B1:113=12370101800112", "B1:131=36000000300000", "B1:159=1", "B1:301=J",
          "B1:367=011200036000000000055080", "B2:131=0600000", "B2:159=5", "B2:367=0000",
          "L1:237=00000020000002", "L1:35=071234567", "L2:296=+0003900000", "L2:318=+0000300000",
          "L3:120=01033006"});
}

TEST(Lohnzettel, FaultTable) {
  const auto abgemeldet = [](Lauf& l) {
    l.personal.push_back(Person(3, "Maier", "3455200790"));
    l.personal.back().DNabgemeldetCheckBox = true;
    for (int m : {1, 2}) l.abr.push_back(Monat(3, m, 1000));
  };
  struct Fall {
    std::function<void(Lauf&)> vorher;
    std::string datei;
    std::vector<const char*> stellen;
    std::string meldung = {};
    bool ohneFrage = false;  // the pair is written, but the run fails after it
  };
  // Setting up, then the name of the pair and what it holds; no name: no
  // file at all and no question. `meldung` begins the only message. Rows:
  // the period end within June, May's foreign activity left out and alone,
  // a deregistered employee, a replaced record, the split of the bases, an SV
  // number of nine digits, an amount too large, a failed write, a cancellation,
  // integers negative or too long, the employer's codes, an employee stored
  // twice, a failed .ELZ.
  const std::vector<Fall> faelle{
      {[](Lauf& l) { l.o.monatBis = 6; }, "DEMO20140106", {"L2:124=3006"}},
      {[](Lauf& l) { l.abr[6].AuslandsTaetEdit = 500; },  // employee 1, May
       "DEMO20140112",
       {"B1:131=3300000", "L1:237=00000020000002"}},
      {[](Lauf& l) { l.abr[6].AuslandsTaetEdit = 500, l.o.auslandstaetigkeit = true; },
       "DEMO20140112Ausland",
       {"B1:131=0300000", "L1:237=00000010000001", "L2:122=053105", "L3:1=99"}},
      {abgemeldet,  // named, not filed
       "DEMO20140112",
       {"L1:237=0000002"},
       std::string(lohn::kLohnzettelAbgemeldet) + "\n3 Maier"},
      {[&](Lauf& l) { abgemeldet(l), l.o.personalNr = 3; },  // filed by his number
       "DEMO_DN320140112",
       {"L2:120=01012802"}},
      {[](Lauf& l) { l.abr.push_back(Monat(2, 3, 2000)); },  // replaces March
       "DEMO20140112",
       {"B2:131=0650000"}},
      {[](Lauf& l) {  // split as in the contribution statement
         l.abr = {Monat(1, 1, 4500)};
         l.abr[0].SueberschreitungEdit = 2000;
         l.abr[0].ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = 500;
       },
       "DEMO20140112",
       {"B1:131=03000000150000"}},
      {[](Lauf& l) { l.personal[0].SVNrEdit = "123401018"; },
       "",
       {},
       std::string(lohn::kLohnzettelSvNrFehler) + "\n1 Huber: SV-Nr. \"123401018\""},
      {[](Lauf& l) { l.abr[0].SVBeitragsgrundlageEdit = 99999; }, "", {}, "Der Betrag"},
      {[](Lauf& l) { l.abr[0].BruttoEdit = 1e17; },  // beyond any sum in cents
       "",
       {},
       "Der Betrag 100000000000000000,00 im Feld \"Abrechnungen im Zeitraum\" für den "
       "Dienstnehmer 1 Huber passt nicht in die ELDA-Datei."},
      {[](Lauf& l) {  // the .BG carries the months with payroll, as the .LF
         std::erase_if(l.abr,
                       [](const auto& r) { return r.PersNrEdit == 2 && r.MonatComboBox != 3; });
       },
       "DEMO20140112",
       {"B2:123=03032014", "L3:120=01033103"}},
      {[](Lauf& l) {  // entry and exit days within the first and last month
         l.personal[0].EintrittsDatumEdit = "15.01.2014";
         l.personal[1].EintrittsDatumEdit = "01.02.2014 - 20.06.2014";  // entered before March
       },
       "DEMO20140112",
       {"L2:120=15013112", "L3:120=01032006"}},
      {[](Lauf& l) { l.personal[0].EintrittsDatumEdit = "31.02.2014-20.12.2014"; },  // no entry
       "DEMO20140112",
       {"L2:120=01012012"}},
      {[](Lauf&) { fs::create_directories("ELDA/DEMO20140112.LF"); }, "", {}, "Die Datei"},
      {[](Lauf& l) { l.o.lohnzettelSatzart = 1; },  // "Storno Lohnzettel, Korrektur"
       "DEMO20140112",
       {"B1:1=42", "L2:296= 0000000000", "L2:656=K"}},
      {[](Lauf& l) { l.personal[0].AnzahlKinderEdit = 123, l.personal[0].WERK_Edit = -1; },
       "",
       {},
       "Der Wert \"123\" im Feld \"Anzahl Kinder\" für den Dienstnehmer 1 Huber passt nicht in "
       "die ELDA-Datei (höchstens 2 Ziffern).\nDer Wert \"-1\" im Feld \"WERK\" für den "
       "Dienstnehmer 1 Huber passt nicht in die ELDA-Datei (keine negative Zahl).\nEs wurden "
       "keine ELDA-Dateien erstellt."},
      {[](Lauf& l) { l.personal[1].UEBMO_Edit = 100; },
       "",
       {},
       "Der Wert \"100\" im Feld \"UEBMO\" für den Dienstnehmer 2 Berger passt nicht"},
      {[](Lauf& l) { l.personal[1].ArtDesLohnzettelsEdit = -1; }, "", {}, "Der Wert \"-1\""},
      {[](Lauf& l) {  // named once, however many records carry them
         l.env.state.Dienstgeber.DienstgeberDvrNr = "12345678";
         l.env.state.Dienstgeber.DienstgeberVersTraegerCode = "111";
       },
       "",
       {},
       "Der Wert \"12345678\" im Feld \"Absendernummer\" des Dienstgebers passt nicht in die "
       "ELDA-Datei (höchstens 7 Ziffern).\nDer Wert \"111\" im Feld \"Versicherungsträger-Code\" "
       "des Dienstgebers passt nicht in die ELDA-Datei (höchstens 2 Zeichen).\nEs wurden keine "
       "ELDA-Dateien erstellt."},
      {[](Lauf& l) {  // the last record of a number counts
         l.personal.push_back(l.personal[1]);
         l.personal.back().FamNameEdit = "Bergmann";
       },
       "DEMO20140112",
       {"L1:237=00000020000002", "B2:160=Bergmann ", "B3:1=99", "L3:143=Bergmann Eva"}},
      {[](Lauf&) { fs::create_directory("DEMO.ELZ"); },
       "DEMO20140112",
       {"B3:1=99"},
       std::string(lohn::kLohnzettelElzFehler) + "\n\"DEMO.ELZ\": ",
       true},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE("row " + std::to_string(&f - faelle.data()));
    Lauf l;
    f.vorher(l);
    EXPECT_EQ(l.Export(), !f.datei.empty() && !f.ohneFrage);
    const auto& d = l.env.dialogs;
    EXPECT_EQ(d.messages.size(), f.meldung.empty() ? 0u : 1u);
    if (!d.messages.empty()) {
      EXPECT_EQ(d.messages[0].substr(0, f.meldung.size()), f.meldung);
    }
    if (f.datei.empty()) {
      EXPECT_EQ(Datei("ELDA/DEMO20140112.BG") + Datei("DEMO.ELZ"), "<fehlt><fehlt>");
    }
    EXPECT_EQ(d.questions.empty(), f.datei.empty() || f.ohneFrage);
    Pruefe("ELDA/" + f.datei, f.stellen);
  }
}

// A payroll file in use: one message, no files at all, no question.
TEST(Lohnzettel, PayrollFileInUse) {
  Lauf l;
  l.Schreiben();
  fs::remove("DEMO.ABR");
  fs::create_directory("DEMO.ABR");
  lohn::BerichtKontext kontext(l.env.state);
  l.env.state.berichte = &kontext;
  lohn::RegistriereBerichte(kontext);
  lohn::BerichtPunktOeffnen(l.env.state, lohn::Bericht::JahreslohnzettelElda);
  kontext.OkClick();
  EXPECT_EQ(l.env.dialogs.shown, std::vector<std::string>{lohn::kAbrechnungsdateiVerwendet});
  EXPECT_FALSE(fs::exists("ELDA") || fs::exists("DEMO.ELZ"));
}

TEST(Lohnzettel, AmountInWholeEuros) {
  for (auto [wert, feld] : {std::pair{1234.56, "+0000123500"},
                            {1234.50, "+0000123400"},
                            {1235.50, "+0000123600"},
                            {-2.50, "-0000000200"},
                            {-0.40, " 0000000000"},
                            {1e15, "           "}})
    EXPECT_EQ(lohn::LohnzettelBetrag(wert), feld) << wert;
  // A field out of its place, or a record of another length, is a fault of
  // the layout, found by every record the tests write.
  lohn::EldaFehler fehler;
  lohn::EldaSatz s(fehler, "");
  s.Fest(1, "L1");
  EXPECT_THROW(s.Leer(4, 1), std::logic_error);
  EXPECT_THROW(s.Ende(1100), std::logic_error);
}

}  // namespace
