#include <gtest/gtest.h>

#include <filesystem>

#include "store/DienstgeberStore.h"
#include "store/RecordBytes.h"
#include "store/StandortRecord.h"
#include "support/Fakes.h"

using namespace lohn;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteBytes;

namespace {

DienstgeberRecord Employer(std::int16_t nummer, const std::string& name) {
  DienstgeberRecord r;
  r.Nummer = nummer;
  r.NameEdit = name;
  r.PlzEdit = 8010;
  r.Fax1Edit = "1234567";
  r.BankEdit = "DVR" + name;
  return r;
}

void WriteAdr(const std::string& stem, const std::vector<DienstgeberRecord>& recs) {
  std::vector<std::uint8_t> all;
  for (const auto& r : recs) {
    DienstgeberBytes b = r.pack();
    all.insert(all.end(), b.begin(), b.end());
  }
  WriteBytes(stem + ".ADR", all);
}

std::vector<std::string> Names(const std::string& stem) {
  auto bytes = ReadBytes(stem + ".ADR");
  std::vector<std::string> names;
  for (std::size_t off = 0; off + kDienstgeberRecordSize <= bytes.size();
       off += kDienstgeberRecordSize) {
    auto r = DienstgeberRecord::unpack(bytes.data() + off);
    names.push_back(std::to_string(r.Nummer) + ":" + r.NameEdit);
  }
  return names;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(DienstgeberRecord, FieldsAtTheirOffsets) {
  DienstgeberRecord r;
  r.AnredeComboBox = "Firma";
  r.NameEdit = std::string(90, 'N');
  r.StrasseEdit = "Hauptstraße 1";
  r.LandEdit = "A";
  r.PlzEdit = 1010;
  r.OrtEdit = "Wien";
  r.Telefon1Edit = "01/1234";
  r.Telefon2Edit = "office@firma.at";
  r.Telefon3Edit = "123456789";
  r.Fax1Edit = "1234567";
  r.Fax2Edit = "WGKK";
  r.VersTraegerCodeEdit = "11";
  r.BankEdit = "0815";
  r.BlzEdit = "90001";
  r.BankKontoEdit = "071234567";
  r.NotizEdit = "07";
  r.Nummer = 1;
  DienstgeberBytes b = r.pack();
  ASSERT_EQ(b.size(), 4136u);
  const std::uint8_t* p = b.data();
  struct Text {
    std::size_t off;
    const char* cp1252;
  };
  for (const Text& t :
       {Text{4, "Firma"},
        Text{409,
             "Hauptstra\xDF"
             "e 1"},
        Text{490, "A"}, Text{576, "Wien"}, Text{657, "01/1234"}, Text{738, "office@firma.at"},
        Text{819, "123456789"}, Text{1062, "1234567"}, Text{1143, "WGKK"}, Text{1224, "11"},
        Text{1872, "0815"}, Text{1953, "90001"}, Text{2034, "071234567"}, Text{3087, "07"}}) {
    std::string s = t.cp1252;
    EXPECT_EQ(p[t.off], s.size()) << t.off;
    EXPECT_EQ(std::string(p + t.off + 1, p + t.off + 1 + s.size()), s) << t.off;
  }
  EXPECT_EQ(p[166], 80);  // the name is cut to 80
  EXPECT_EQ(std::vector<std::uint8_t>(p + 572, p + 576),
            (std::vector<std::uint8_t>{0xF2, 3, 0, 0}));
  EXPECT_EQ(p[3574], 1);
  EXPECT_EQ(p[3575], 0);
  // Reserved fields and fillers are zero.
  for (auto [from, to] : {std::pair{0, 3},
                          {85, 165},
                          {247, 408},
                          {571, 571},
                          {900, 1061},
                          {1305, 1871},
                          {2115, 3086},
                          {3168, 3573},
                          {3576, 4135}})
    for (int o = from; o <= to; ++o) EXPECT_EQ(p[o], 0) << o;
  r.NameEdit.resize(80);
  EXPECT_EQ(DienstgeberRecord::unpack(p), r);
  EXPECT_EQ(DienstgeberNummerOf(p), 1);
  DienstgeberBytes zero{};
  EXPECT_EQ(DienstgeberDefaults().pack(), zero);
}

TEST(DienstgeberStore, LoadTakesRecordOneAndResetsWithoutIt) {
  TempWorkDir dir;
  TestEnv env;
  WriteAdr("FIRMA", {DienstgeberDefaults(), Employer(1, "Firma GmbH")});
  WriteAdr("NEU", {DienstgeberDefaults()});  // as a new employer is created

  env.state.DataFileStem = "FIRMA";
  LoadDienstgeberDaten(env.state);
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberName, "Firma GmbH");
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberPlz, "8010");
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberSteuerNr, "1234567");
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberDvrNr, "DVRFirma GmbH");
  EXPECT_EQ(env.state.CurrentDienstgeber, Employer(1, "Firma GmbH"));

  // Switching to an employer without record 1, or without any .ADR, must not
  // keep the previous employer's name or numbers.
  DienstgeberGlobals defaults;
  defaults.DienstgeberPlz = "0";
  for (const char* stem : {"NEU", "OHNEADR"}) {
    env.state.DataFileStem = stem;
    LoadDienstgeberDaten(env.state);
    EXPECT_EQ(env.state.Dienstgeber, defaults) << stem;
    EXPECT_EQ(env.state.CurrentDienstgeber, DienstgeberDefaults()) << stem;
  }
  EXPECT_TRUE(env.dialogs.messages.empty());
}

TEST(DienstgeberStore, GlobalsMapping) {
  DienstgeberRecord r;
  r.AnredeComboBox = "a";
  r.NameEdit = "b";
  r.StrasseEdit = "c";
  r.LandEdit = "d";
  r.PlzEdit = 0;
  r.OrtEdit = "e";
  r.Telefon1Edit = "f";
  r.Telefon2Edit = "g";
  r.Telefon3Edit = "h";
  r.Fax1Edit = "i";
  r.Fax2Edit = "j";
  r.VersTraegerCodeEdit = "k";
  r.BankEdit = "l";
  r.BlzEdit = "m";
  r.BankKontoEdit = "n";
  r.NotizEdit = "o";
  DienstgeberGlobals g = DienstgeberGlobalsFrom(r);
  EXPECT_EQ(
      (Texts{g.DienstgeberAnrede, g.DienstgeberName, g.DienstgeberStrasse, g.DienstgeberLand,
             g.DienstgeberPlz, g.DienstgeberOrt, g.DienstgeberTelefon, g.DienstgeberEMail,
             g.DienstgeberBeitragskontoNr, g.DienstgeberSteuerNr, g.DienstgeberVersTraeger,
             g.DienstgeberVersTraegerCode, g.DienstgeberDvrNr, g.DienstgeberGemeindeKz,
             g.UebermittlerFaStNr, g.DienstgeberFinanzamtNr}),
      (Texts{"a", "b", "c", "d", "0", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o"}));
}

TEST(DienstgeberStore, FirstSaveInsertsRecordOneBehindTheDefault) {
  TempWorkDir dir;
  TestEnv env;
  WriteAdr("NEU", {DienstgeberDefaults()});
  EXPECT_FALSE(DienstgeberRecordExists("NEU", 1));
  EXPECT_TRUE(InsertDienstgeberRecord(env.dialogs, "NEU", Employer(1, "Neu")));
  EXPECT_EQ(Names("NEU"), (Texts{"0:", "1:Neu"}));
  EXPECT_TRUE(DienstgeberRecordExists("NEU", 1));
  EXPECT_FALSE(std::filesystem::exists("NEU.TMD"));
  // An existing number is refused silently; number 0 with a message.
  EXPECT_FALSE(InsertDienstgeberRecord(env.dialogs, "NEU", Employer(1, "Nochmal")));
  EXPECT_TRUE(env.dialogs.messages.empty());
  EXPECT_FALSE(InsertDienstgeberRecord(env.dialogs, "NEU", Employer(0, "Null")));
  EXPECT_EQ(env.dialogs.messages, Texts{"Adresse mit Nummer: 0 kann nicht angelegt werden!"});
  EXPECT_EQ(Names("NEU"), (Texts{"0:", "1:Neu"}));
}

TEST(DienstgeberStore, ReplaceAndLoadUseTheSameRecord) {
  TempWorkDir dir;
  TestEnv env;
  WriteAdr("DOPPELT", {Employer(1, "Erster"), Employer(1, "Zweiter"), Employer(3, "Filiale")});
  EXPECT_TRUE(ReplaceDienstgeberRecord(env.dialogs, "DOPPELT", Employer(1, "Gespeichert")));
  EXPECT_EQ(Names("DOPPELT"), (Texts{"1:Gespeichert", "1:Zweiter", "3:Filiale"}));
  env.state.DataFileStem = "DOPPELT";
  LoadDienstgeberDaten(env.state);
  EXPECT_EQ(env.state.Dienstgeber.DienstgeberName, "Gespeichert");
  EXPECT_EQ(ReadDienstgeberRecord("DOPPELT", 1)->NameEdit, "Gespeichert");

  // No record with the number: nothing written, and the user is told.
  auto before = ReadBytes("DOPPELT.ADR");
  EXPECT_FALSE(ReplaceDienstgeberRecord(env.dialogs, "DOPPELT", Employer(2, "Zwei")));
  EXPECT_EQ(ReadBytes("DOPPELT.ADR"), before);
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_NE(env.dialogs.messages[0].find("nichts gespeichert"), std::string::npos);
}

TEST(DienstgeberStore, MissingFileAndFailedRewrite) {
  TempWorkDir dir;
  TestEnv env;
  EXPECT_FALSE(ReplaceDienstgeberRecord(env.dialogs, "FEHLT", Employer(1, "x")));
  EXPECT_FALSE(InsertDienstgeberRecord(env.dialogs, "FEHLT", Employer(1, "x")));
  EXPECT_EQ(env.dialogs.messages, Texts(2, "Dienstgeber-Daten nicht verfügbar!"));
  EXPECT_FALSE(std::filesystem::exists("FEHLT.ADR"));
  EXPECT_FALSE(DienstgeberRecordExists("FEHLT", 1));

  env.dialogs.messages.clear();
  WriteAdr("X", {DienstgeberDefaults()});
  auto before = ReadBytes("X.ADR");
  std::filesystem::create_directory("X.TMD");
  EXPECT_FALSE(InsertDienstgeberRecord(env.dialogs, "X", Employer(1, "x")));
  EXPECT_EQ(ReadBytes("X.ADR"), before);
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_NE(env.dialogs.messages[0].find("konnte nicht geschrieben werden"), std::string::npos);
}

TEST(StandortRecord, ReadBySiteNumber) {
  TempWorkDir dir;
  // Site records built byte by byte in the site program's layout.
  auto site = [](std::int32_t nr, const std::string& street, std::int32_t employees) {
    std::vector<std::uint8_t> b(kStandortRecordSize, 0);
    PutInt32(b.data(), 0, nr);
    PutShortString(b.data(), 66, 50, "GF " + street);
    PutShortString(b.data(), 168, 50, street);
    PutInt32(b.data(), 220, 9020);
    PutShortString(b.data(), 224, 50, "Klagenfurt");
    PutShortString(b.data(), 326, 50, "KS-4711");
    PutShortString(b.data(), 377, 50, "Stiege 2");
    PutShortString(b.data(), 650, 50, "20101");
    PutInt32(b.data(), 1192, employees);
    return b;
  };
  std::vector<std::uint8_t> all;
  for (auto rec : {site(1, "Erste Gasse", 3), site(2, "Alte Gasse", 4), site(2, "Neue Gasse", 5)})
    all.insert(all.end(), rec.begin(), rec.end());
  WriteBytes("FIRMA.STO", all);

  auto s = ReadStandortRecord("FIRMA", kStandortExt, 2);
  ASSERT_TRUE(s);
  EXPECT_EQ(*s, (StandortRecord{2, "GF Neue Gasse", "Neue Gasse", 9020, "Klagenfurt", "KS-4711",
                                "Stiege 2", "20101", 5}));
  EXPECT_EQ(StandortRecord::unpack(s->pack().data()), *s);
  EXPECT_FALSE(ReadStandortRecord("FIRMA", kStandortExt, 7));
  EXPECT_FALSE(ReadStandortRecord("ANDERE", kStandortExt, 1));
}
