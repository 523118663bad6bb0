// The annual wage slip on form L16: the texts of both pages, the days of the
// period, the credits, the severance fund, the last record of a key, and the
// run over all employees with its list of deregistered employees.
#include <gtest/gtest.h>

#include <functional>

#include "fixtures/BerichtFixture.h"
#include "output/L16Formular.h"
#include "reports/L16.h"
#include "reports/ShowBericht.h"
#include "store/Cp1252.h"
#include "support/Golden.h"

namespace {

using lohn::L16Blatt;
using testing_support::BerichtFixture;

// A run of the report with a recording preview.
struct Lauf {
  BerichtFixture f;
  lohn::BerichtKontext kontext{f.env.state};
  std::vector<L16Blatt> blaetter;
  std::vector<bool> neueLaeufe;
  lohn::BerichtOptionen o = BerichtFixture::Optionen(lohn::Bericht::JahreslohnzettelL16, 1);

  Lauf() {
    f.env.state.berichte = &kontext;
    kontext.hooks.ZeigeL16 = [this](const L16Blatt& b, bool neu) {
      blaetter.push_back(b);
      neueLaeufe.push_back(neu);
    };
    o.monatBis = 12;
    o.vonTag = 1;
    o.bisTag = 31;
    o.personalNr = 2;
  }
  bool Starte() {
    f.Schreiben();
    return lohn::PrintL16(f.env.state, o);
  }
};

// The text at (x, y) of page 1 or 2, or "-" when there is none.
std::string TextBei(const L16Blatt& b, int seite, int x, int y) {
  for (const lohn::L16Text& t : b.seiten[std::size_t(seite - 1)].texte)
    if (t.x == x && t.y == y) return t.text;
  return "-";
}

void NurMonate(BerichtFixture& f, int bis) {
  std::erase_if(f.abrechnungen, [&](const lohn::AbrechnungRecord& r) {
    return r.PersNrEdit != 2 || r.MonatComboBox > bis;
  });
}

TEST(L16, GoldenSlipOfASalariedEmployee) {
  Lauf l;
  for (auto& r : l.f.abrechnungen) r.BMVGbetragEdit = 0;  // no provision fund months: "0", "0"
  ASSERT_TRUE(l.Starte());
  ASSERT_EQ(l.blaetter.size(), 1u);
  std::string text;
  for (const lohn::L16Seite& s : l.blaetter[0].seiten) {
    text += "Seite " + std::to_string(s.nummer) + "\n";
    for (const lohn::L16Text& t : s.texte)
      text += std::to_string(t.x) + "," + std::to_string(t.y) + " \"" + t.text + "\"\n";
  }
  testing_support::ExpectGolden("reports/l16_dn2_2014.txt", text);
  EXPECT_TRUE(l.f.env.dialogs.shown.empty());  // one employee: no question
}

TEST(L16, FieldsOfTheSlip) {
  struct Feld {
    int seite, x, y;
    const char* text;
  };
  struct Fall {
    const char* name;
    std::function<void(Lauf&)> vorbereiten;
    std::vector<Feld> erwartet;
  } faelle[] = {
      {"period ends in the last month with payroll: day to within the month",
       [](Lauf& l) {
         NurMonate(l.f, 4);
         l.o.monatBis = 4;
       },
       {{1, 289, 60, "30"}, {1, 330, 60, "4"}}},
      {"period beyond the last month: that month's last day",
       [](Lauf& l) { NurMonate(l.f, 2); },
       {{1, 289, 60, "28"}, {1, 330, 60, "2"}}},
      {"leap year",
       [](Lauf& l) {
         NurMonate(l.f, 2);
         for (auto& r : l.f.abrechnungen) r.JahrComboBox = 2016;
         l.o.jahr = 2016;
       },
       {{1, 289, 60, "29"}, {1, 380, 60, "2016"}}},
      {"entry in the first month with payroll: from the entry day",
       [](Lauf& l) { l.f.personal[1].EintrittsDatumEdit = "15.01.2014"; },
       {{1, 129, 60, "15"}, {1, 176, 60, "1"}, {1, 289, 60, "31"}}},
      {"entry of an earlier year: the options' day; exit in the last month: to the exit day",
       [](Lauf& l) { l.f.personal[1].EintrittsDatumEdit = "03.02.2013-20.12.2014"; },
       {{1, 129, 60, "1"}, {1, 289, 60, "20"}}},
      {"credits without a child are not given",
       [](Lauf& l) { l.f.personal[1].Alleinverdiener = l.f.personal[1].grPendlPausch = true; },
       {{1, 546, 165, "N"}, {1, 673, 165, "-"}, {1, 814, 165, "N"}}},
      {"credits with a child",
       [](Lauf& l) {
         l.f.personal[1].Alleinverdiener = l.f.personal[1].grPendlPausch = true;
         l.f.personal[1].AnzahlKinderEdit = 1;
       },
       {{1, 546, 165, "J"}, {1, 673, 165, "J"}, {1, 814, 165, "J"}, {1, 800, 200, "1"}}},
      {"severance fund in months 3 to 5",
       [](Lauf& l) {
         for (auto& r : l.f.abrechnungen)
           r.BMVGbetragEdit = r.MonatComboBox >= 3 && r.MonatComboBox <= 5 ? 30.60 : 0;
       },
       {{2, 639, 230, "3"},
        {2, 707, 230, "5"},
        {2, 261, 266, "          91,80"},
        {2, 261, 230, "        6000,00"}}},
      {"no severance fund contribution",
       [](Lauf& l) {
         for (auto& r : l.f.abrechnungen) r.BMVGbetragEdit = 0;
       },
       {{2, 639, 230, "0"}, {2, 707, 230, "0"}, {2, 261, 266, "           0,00"}}},
      {"a key appended twice counts its last record once",
       [](Lauf& l) {
         auto r = BerichtFixture::Abrechnung(2, 5);
         r.BruttoEdit = r.BruttoGesamtEdit = 2100.00;
         l.f.abrechnungen.push_back(r);
       },
       {{1, 665, 275, "       24100,00"}, {1, 176, 60, "1"}, {1, 330, 60, "12"}}},
      {"a year just within the bound prints to the cent",
       [](Lauf& l) {
         // Month amounts small enough for the stored reals to hold their
         // cents: 12 x (2000 + 4e9 + 4e9 + 333331333.33) = 99999999999.96.
         for (auto& r : l.f.abrechnungen) {
           if (r.PersNrEdit != 2) continue;
           r.SonderzahlungEdit = r.SonstSZEdit = 4e9;
           r.SachbezuegeAbreEdit = 333331333.33;
         }
       },
       {{1, 665, 275, " 99999999999,96"}, {1, 430, 728, " 48000000000,00"}}},
      {"foreign activity: only its months",
       [](Lauf& l) {
         l.f.abrechnungen[3].AuslandsTaetEdit = 100;  // employee 2, February
         l.o.auslandstaetigkeit = true;
       },
       {{1, 665, 275, "        2000,00"}, {1, 430, 516, "         100,00"}, {1, 176, 60, "2"}}},
  };
  for (Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Lauf l;
    fall.vorbereiten(l);
    ASSERT_TRUE(l.Starte());
    ASSERT_EQ(l.blaetter.size(), 1u);
    for (const Feld& e : fall.erwartet)
      EXPECT_EQ(TextBei(l.blaetter[0], e.seite, e.x, e.y), e.text) << e.x << "," << e.y;
  }
}

// A stored gross of 10^17 would overflow the sums in cents: the employee
// gets one message and no slip, the next one his slip.
TEST(L16, AnAmountBeyondTheBoundDrawsNoSlip) {
  Lauf l;
  l.o.personalNr = 0;
  l.f.abrechnungen[0].BruttoEdit = 1e17;  // employee 1, January
  l.f.env.dialogs.answers = {true};
  ASSERT_TRUE(l.Starte());
  ASSERT_EQ(l.blaetter.size(), 1u);
  EXPECT_EQ(l.blaetter[0].personalNr, 2);
  EXPECT_EQ(l.f.env.dialogs.messages,
            std::vector<std::string>{
                "Der Betrag 100000000000000000,00 des Dienstnehmers 1 Huber ist zu groß für den "
                "Lohnzettel (höchstens 100000000000,00). Für diesen Dienstnehmer wird kein "
                "Lohnzettel gedruckt."});
}

TEST(L16, AllEmployeesListTheDeregisteredAndStopOnNein) {
  for (int nur : {0, 1}) {
    SCOPED_TRACE(nur);
    Lauf l;
    l.o.personalNr = nur;
    l.f.personal[0].DNabgemeldetCheckBox = true;
    lohn::PersonalRecord dritter = l.f.personal[1];
    dritter.PersNrEdit = 3;
    dritter.FamNameEdit = "Dritter";
    l.f.personal.push_back(dritter);
    for (int monat = 1; monat <= 12; ++monat) {
      auto r = BerichtFixture::Abrechnung(2, monat);
      r.PersNrEdit = 3;
      l.f.abrechnungen.push_back(r);
    }
    // A bitmap that cannot be read: its message once, the built-in form.
    testing_support::WriteText("L16_Seite1_2013.bmp", "kein Bild");
    l.f.env.dialogs.answers = {false, true};
    ASSERT_TRUE(l.Starte());
    const auto bytes = l.f.BerichtBytes();
    const std::string liste = lohn::Cp1252ToUtf8(std::string(bytes.begin(), bytes.end()));
    ASSERT_EQ(l.blaetter.size(), 1u);
    EXPECT_EQ(l.blaetter[0].personalNr, nur == 0 ? 2 : 1);
    EXPECT_EQ(l.blaetter[0].seiten[0].hintergrund, "");
    EXPECT_EQ(l.neueLaeufe, std::vector<bool>{true});
    const std::vector<std::string> bildFehlt{"Bilddatei: L16_Seite1_2013.bmp nicht gefunden!"};
    if (nur == 0) {
      EXPECT_EQ(l.f.env.dialogs.messages, bildFehlt);
      EXPECT_EQ(l.f.env.dialogs.questions,
                (std::vector<std::string>{lohn::kL16Naechster, lohn::kL16AbgemeldeteZeigen}));
      EXPECT_NE(liste.find("\r\n           1 Huber\r\n"), std::string::npos) << liste;
      EXPECT_EQ(liste.find("Dritter"), std::string::npos);
      // "Ja" to the list: it is shown.
      EXPECT_FALSE(testing_support::ReadBytes(lohn::kQuanTxtFile).empty());
    } else {
      EXPECT_EQ(l.f.env.dialogs.shown, bildFehlt);
      EXPECT_EQ(liste.find("Huber"), std::string::npos);
      EXPECT_EQ(TextBei(l.blaetter[0], 1, 70, 130), "Huber");
    }
    EXPECT_TRUE(liste.starts_with(
        "Für folgende(n) Dienstnehmer ist die Checkbox \"[x] DN abgemeldet ...\" \r\n"))
        << liste;
  }
}

}  // namespace
