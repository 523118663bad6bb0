// The list of employees without a payroll in a period.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "payroll/PersFormModel.h"
#include "reports/BerichtKontext.h"
#include "reports/BerichtText.h"
#include "reports/FehlendeAbrechnungen.h"
#include "store/AbrechnungRecord.h"
#include "store/PersonalRecord.h"
#include "support/Fakes.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteBytes;

struct Abr {
  int nr, monat, jahr, teil;
};

void WriteFirma(int anzahl, const std::vector<Abr>& abrechnungen, int abgemeldet = 0,
                const std::string& einAustritt1 = "01.02.2010") {
  std::vector<std::uint8_t> per, abr;
  for (int nr = 1; nr <= anzahl; ++nr) {
    lohn::PersonalRecord p;
    p.PersNrEdit = nr;
    p.FamNameEdit = nr == 1 ? "Huber" : "Mitarbeiter" + std::to_string(nr);
    p.EintrittsDatumEdit = nr == 1 ? einAustritt1 : "01.02.2010";
    p.DNabgemeldetCheckBox = nr == abgemeldet;
    auto b = p.pack();
    per.insert(per.end(), b.begin(), b.end());
  }
  for (const Abr& a : abrechnungen) {
    lohn::AbrechnungRecord r;
    r.PersNrEdit = a.nr;
    r.MonatComboBox = a.monat;
    r.JahrComboBox = a.jahr;
    r.AbrechngComboBox = a.teil;
    auto b = r.pack();
    abr.insert(abr.end(), b.begin(), b.end());
  }
  WriteBytes("FIRMA.PER", per);
  WriteBytes("FIRMA.ABR", abr);
}

std::vector<Abr> MaerzOhne(std::initializer_list<int> ohne, int anzahl = 8) {
  std::vector<Abr> v;
  for (int nr = 1; nr <= anzahl; ++nr)
    if (std::find(ohne.begin(), ohne.end(), nr) == ohne.end()) v.push_back({nr, 3, 2014, 0});
  return v;
}

std::vector<std::string> Zeilen(const std::string& datei) {
  auto b = ReadBytes(datei);
  std::string s(b.begin(), b.end());
  std::vector<std::string> z;
  for (std::size_t p; (p = s.find("\r\n")) != std::string::npos; s.erase(0, p + 2))
    z.push_back(s.substr(0, p));
  return z;
}

struct Umgebung {
  TempWorkDir dir;
  TestEnv env;
  lohn::BerichtKontext kontext{env.state};
  std::vector<std::string> ablauf;
  Umgebung() {
    env.state.DataFileStem = "FIRMA";
    env.state.berichte = &kontext;
    kontext.hooks.OeffneAnsicht = [this](const lohn::BerichtAnsicht& a,
                                         const lohn::AnsichtGroesse& g) {
      ablauf.push_back("auf " + std::to_string(a.zeilen.size()) + " " +
                       std::to_string(g.schriftgrad));
      return 5;
    };
    kontext.hooks.SchliesseAnsicht = [this](int h) { ablauf.push_back("zu " + std::to_string(h)); };
  }
};

TEST(ListMissingAbrechnungen, PreCheckAsksShowsAndClosesItsViewer) {
  Umgebung u;
  WriteFirma(8, MaerzOhne({1, 7}));
  EXPECT_TRUE(lohn::ListMissingAbrechnungen(u.env.state, "FIRMA", "ABR", 3, 3, 2014, 0, 0));
  EXPECT_EQ(u.env.dialogs.questions,
            std::vector<std::string>{"HINWEIS: Für die Dienstnehmer mit Personal Nr.: 1, 7,  wurde "
                                     "im Zeitraum 3/2014 keine Abrechnung erfasst! DETAILS "
                                     "ANZEIGEN ?"});
  EXPECT_EQ(u.env.dialogs.messages, std::vector<std::string>{lohn::kListeSchliessen});
  EXPECT_EQ(u.ablauf, (std::vector<std::string>{"auf 6 10", "zu 5"}));
  const auto z = Zeilen("quan.doc");
  ASSERT_EQ(z.size(), 6u);
  EXPECT_EQ(z[0],
            "F\xfcr folgende nicht abgemeldete Dienstnehmer wurde im Zeitraum 3/2014 keine "
            "Abrechnung erfasst!");
  EXPECT_EQ(z[3], std::string(94, '-'));
  EXPECT_EQ(z[4], std::string(11, ' ') + "1 Huber" + std::string(25, ' ') + " 01.02.2010");
}

constexpr const char* kLeaver = "03.03.2014-19.09.2014";
std::string Frage1(const std::string& zeitraum) {
  return "Für die Dienstnehmer mit Personal Nr.: 1,  wurde im Zeitraum " + zeitraum +
         " keine Abrechnung erfasst! DETAILS ANZEIGEN ?";
}

TEST(ListMissingAbrechnungen, Cases) {
  struct Fall {
    const char* name;
    std::vector<Abr> abr;
    int abgemeldet, von, bis, nr, mode;
    std::string frage;    // empty: no question
    std::string meldung;  // empty: no message
    std::string einAustritt1 = "01.02.2010";
  } faelle[] = {
      {"deregistered skipped", MaerzOhne({7}), 7, 3, 3, 0, 1, "", lohn::kAlleAbgerechnet},
      {"deregistered by number", MaerzOhne({7}), 7, 3, 3, 7, 1,
       "Für die Dienstnehmer mit Personal Nr.: 7,  wurde im Zeitraum 3/2014 keine Abrechnung "
       "erfasst! DETAILS ANZEIGEN ?",
       ""},
      {"February only",
       {{1, 2, 2014, 0}},
       0,
       3,
       3,
       1,
       0,
       "HINWEIS: Für die Dienstnehmer mit Personal Nr.: 1,  wurde im Zeitraum 3/2014 keine "
       "Abrechnung erfasst! DETAILS ANZEIGEN ?",
       ""},
      {"part payroll counts", {{1, 3, 2014, 1}}, 0, 3, 3, 1, 1, "", lohn::kAlleAbgerechnet},
      {"year period",
       {{1, 12, 2013, 0}},
       0,
       1,
       12,
       1,
       0,
       "HINWEIS: Für die Dienstnehmer mit Personal Nr.: 1,  wurde im Zeitraum 1-12/2014 keine "
       "Abrechnung erfasst! DETAILS ANZEIGEN ?",
       ""},
      {"all present, mode 0 silent", MaerzOhne({}), 0, 3, 3, 0, 0, "", ""},
      // Employed from 3 March to 19 September.
      {"before the entry", {}, 0, 2, 2, 1, 1, "", lohn::kAlleAbgerechnet, kLeaver},
      {"after the exit", {}, 0, 10, 11, 1, 1, "", lohn::kAlleAbgerechnet, kLeaver},
      {"the entry month", {}, 0, 3, 3, 1, 1, Frage1("3/2014"), "", kLeaver},
      {"the exit month", {}, 0, 9, 12, 1, 1, Frage1("9-12/2014"), "", kLeaver},
      {"no calendar entry date", {}, 0, 2, 2, 1, 1, Frage1("2/2014"), "", "31.02.2014-19.09.2014"},
      {"entered later", {}, 0, 12, 12, 1, 1, "", lohn::kAlleAbgerechnet, "02.01.2015"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Umgebung u;
    u.env.dialogs.answers = {false};
    WriteFirma(8, f.abr, f.abgemeldet, f.einAustritt1);
    EXPECT_TRUE(lohn::ListMissingAbrechnungen(u.env.state, "FIRMA", "ABR", f.von, f.bis, 2014, f.nr,
                                              f.mode));
    EXPECT_EQ(u.env.dialogs.questions,
              f.frage.empty() ? std::vector<std::string>{} : std::vector<std::string>{f.frage});
    EXPECT_EQ(u.env.dialogs.messages,
              f.meldung.empty() ? std::vector<std::string>{} : std::vector<std::string>{f.meldung});
    EXPECT_TRUE(u.ablauf.empty());
  }
}

TEST(ListMissingAbrechnungen, FailuresAndLongLists) {
  Umgebung u;
  WriteFirma(8, {});
  std::filesystem::remove("FIRMA.ABR");
  std::filesystem::create_directory("FIRMA.ABR");
  EXPECT_FALSE(lohn::ListMissingAbrechnungen(u.env.state, "FIRMA", "ABR", 3, 3, 2014, 0, 1));
  EXPECT_EQ(u.env.dialogs.messages, std::vector<std::string>{lohn::kAbrechnungsdateiVerwendet});
  EXPECT_TRUE(u.env.dialogs.questions.empty());
  EXPECT_FALSE(std::filesystem::exists("quan.doc"));

  // A missing payroll file holds none; the question names 100 numbers.
  std::filesystem::remove("FIRMA.ABR");
  WriteFirma(150, {});
  std::filesystem::remove("FIRMA.ABR");
  u.env.dialogs.answers = {false};
  EXPECT_TRUE(lohn::ListMissingAbrechnungen(u.env.state, "FIRMA", "ABR", 3, 3, 2014, 0, 1));
  ASSERT_EQ(u.env.dialogs.questions.size(), 1u);
  EXPECT_NE(u.env.dialogs.questions[0].find(" 99, 100, ... wurde im Zeitraum"), std::string::npos);
  EXPECT_EQ(Zeilen("quan.doc").size(), 154u);

  // The employee window's button wants a period first.
  lohn::PersFormModel model;
  lohn::SpeedButton19Click(u.env.state, model);
  EXPECT_EQ(u.env.dialogs.messages.back(), lohn::kZeitraumWaehlen);
}

}  // namespace
