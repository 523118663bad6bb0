#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/AbrechnungRecord.h"
#include "store/PersonalRecord.h"

using namespace lohn;

namespace {

using B = std::vector<std::uint8_t>;

// Values that differ from field to field, so that two fields sharing bytes
// or a field left out would spoil the round trip.
struct Gen {
  int n = 0;
  std::int32_t i() { return 1000 + ++n; }
  double d() { return ++n + 0.25; }
  std::string s() { return "T" + std::to_string(++n); }
};

B Slice(const std::uint8_t* rec, std::size_t off, std::size_t len) {
  return B(rec + off, rec + off + len);
}

B Str(const std::string& cp1252) {
  B b(1 + cp1252.size());
  b[0] = std::uint8_t(cp1252.size());
  std::copy(cp1252.begin(), cp1252.end(), b.begin() + 1);
  return b;
}

struct Expect {
  std::size_t off;
  B bytes;
};

void ExpectAt(const std::uint8_t* rec, const std::vector<Expect>& table) {
  for (const Expect& e : table)
    EXPECT_EQ(Slice(rec, e.off, e.bytes.size()), e.bytes) << "offset " << e.off;
}

struct Range {
  std::size_t from, to;  // inclusive
};

void ExpectZero(const std::uint8_t* rec, const std::vector<Range>& ranges) {
  for (const Range& r : ranges)
    for (std::size_t o = r.from; o <= r.to; ++o) EXPECT_EQ(rec[o], 0) << "byte " << o;
}

PersonalRecord FullPersonal() {
  Gen g;
  PersonalRecord r;
  r.PersNrEdit = 4711;
  r.SVNrEdit = "1234010190";
  r.VornameEdit = g.s();
  r.FamNameEdit = "Müller";
  r.StrasseEdit = g.s();
  r.PLZEdit = 1010;
  r.OrtEdit = g.s();
  r.TelefonEdit = g.s();
  r.BankEdit = g.s();
  r.BankKtoNrEdit = g.s();
  r.GeburtsdatenEdit = g.s();
  r.FamStandEdit = "verheiratet seit 1999";  // cut to 10
  r.SozialeStellungEdit = 3;
  r.StaatEdit = g.s();
  r.BerufEdit = g.s();
  r.ExekutionCheckBox = true;
  r.EintrittsDatumEdit = "01.02.2014";
  r.AustrittsDatumEdit = g.s();
  r.AngestellterCheckBox = true;
  r.ArbeiterCheckBox = true;
  r.GehaltEdit = 1.0;
  r.StundenlohnEdit = g.d();
  r.BeitragsgruppeComboBox = "D1";
  r.KU = r.WF = r.LK = r.SW = r.EF = r.IE = r.NB = true;
  r.NormArbeitszeitEdit = g.d();
  r.UrlaubsAnspruchEdit = 25;
  r.RestUrlaubEdit = g.d();
  r.ZeitKontoEdit = g.d();
  r.BemerkungenEdit = std::string(120, 'x');  // cut to 100
  r.UeberwiegNachtarbeitCheckBox = r.grPendlPausch = r.Alleinverdiener = r.KaerntenCheckBox = true;
  r.ZulageEdit = g.d();
  r.FreibetragEdit = g.d();
  r.SVFreibetrEdit = g.d();
  r.SachbezuegeEdit = g.d();
  r.FreibetrLtMitteilgEdit = g.d();
  r.AdresseLandEdit = g.s();
  r.AnzahlKinderEdit = g.i();
  r.gehoertZuStandortEdit = 0x01020304;
  r.KostenstelleEdit = g.i();
  r.ArtDesLohnzettelsEdit = g.i();
  r.WERK_Edit = g.i();
  r.UEBMO_Edit = g.i();
  r.beitrGrundlVorAltZeilzEdit = g.d();
  r.LandarbFreiEdit = g.d();
  r.SonstSteuerfrEdit = g.d();
  r.AuslandsTaetEdit = g.d();
  r.freiwillBeitrEdit = g.d();
  r.AufrollungEdit = g.d();
  r.TeilentgeltEdit = g.d();
  r.TageTeilentgeltEdit = g.d();
  r.DbDzKommStFreierBetragEdit = g.d();
  r.MehrstdSatzEdit = g.d();
  r.MehrstdZuschlagEdit = g.d();
  r.ZukunftssicherungEdit = g.d();
  r.AuslPensDGEdit = g.d();
  r.ENTW_Edit = g.d();
  r.PREI_Edit = g.d();
  r.BPEND_Edit = g.d();
  r.BSROL_Edit = -1.5;
  r.BMVGcheckBox = r.ArbeiterCheckBoxNeu = r.weiblichCheckBox = r.TeilzeitCheckBox = true;
  r.freierDNcheckBox = r.GeringfCheckBox = r.SZanspruchCheckBox = true;
  r.SZohneAllgBeitrCheckBox = r.ueberSechzigCheckBox = r.GeschaeftsFuehrerCheckBox = true;
  r.DNabgemeldetCheckBox = r.EPAB_CB = true;
  r.SVtraegerEdit = "11";
  for (auto& slot : r.Lohnarten) slot = g.s();
  return r;
}

AbrechnungRecord FullAbrechnung() {
  Gen g;
  AbrechnungRecord r;
  r.MonatComboBox = 3;
  r.JahrComboBox = 2014;
  r.PersNrEdit = 4711;
  r.FamNameEdit = "Müller";
  r.OrtEdit = g.s();
  r.BankEdit = g.s();
  r.BankKtoNrEdit = g.s();
  r.BeitragsgruppeComboBox = g.s();
  for (double* d : {&r.GehaltEdit,
                    &r.StundenlohnEdit,
                    &r.ZulageEdit,
                    &r.NormalstundenEdit,
                    &r.MehrstundenEdit,
                    &r.Ueberstunden50Edit,
                    &r.Ueberstunden100Edit,
                    &r.UrlaubstundenEdit,
                    &r.FehlstundenEdit,
                    &r.LohnNormalstundenEdit,
                    &r.LohnGehaltMehrstundenEdit,
                    &r.LohnGehaltUeberstunden50Edit,
                    &r.LohnGehaltUeberstunden100Edit,
                    &r.LohnUrlaubstundenEdit,
                    &r.LohnFehlstundenEdit,
                    &r.BruttoEdit,
                    &r.SVBeitragsgrundlageEdit,
                    &r.BetragDNAnteilEdit,
                    &r.DN_KU_Edit,
                    &r.DN_WF_Edit,
                    &r.DN_LK_Edit,
                    &r.DN_SW_Edit,
                    &r.SonderzahlungEdit,
                    &r.SVBeitragsGrundlageSonderzahlungEdit,
                    &r.BetragDNAnteilSonderZEdit,
                    &r.DN_LK_SZ_Edit,
                    &r.DN_SW_SZ_Edit,
                    &r.BruttoGesamtEdit,
                    &r.SV_AbzGesEdit,
                    &r.FreibetrEdit,
                    &r.GrundlageLSTEdit,
                    &r.LohnsteuerBetragEdit,
                    &r.NettoBetragEdit,
                    &r.SpesenersatzEdit,
                    &r.VorschussEdit,
                    &r.AuszahlungsbetragEdit,
                    &r.DGAnteilEdit,
                    &r.DNAnteilEdit,
                    &r.KrankenschEdit,
                    &r.SachbezuegeAbreEdit,
                    &r.LstFreibetragSZ,
                    &r.SZSVfreiEdit,
                    &r.SueberschreitungEdit,
                    &r.InnerhSechstelEdit,
                    &r.InnerhSechstelSVfreiEdit,
                    &r.SonstSZEdit,
                    &r.SonstSZSVEdit,
                    &r.SonstSZLSTEdit,
                    &r.SVFreibetragEdit,
                    &r.LstGesamt,
                    &r.LstSZ,
                    &r.GrundlLstSZ,
                    &r.SV_DN_GesamtEdit,
                    &r.SV_DN_SZ_GesamtEdit,
                    &r.FreibetrLtMitteilgEdit,
                    &r.NormArbeitszeitEdit,
                    &r.fiktiveBMGedit,
                    &r.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV,
                    &r.BMVGbetragEdit,
                    &r.Ueberstunden200Edit,
                    &r.LohnGehaltUeberstunden200Edit,
                    &r.davonNachtZuschl,
                    &r.LandarbFreiEdit,
                    &r.SonstSteuerfrEdit,
                    &r.AuslandsTaetEdit,
                    &r.freiwillBeitrEdit,
                    &r.TeilentgeltEdit,
                    &r.TageTeilentgeltEdit,
                    &r.DbDzKommStFreierBetragEdit,
                    &r.MVzuschlagEdit,
                    &r.ServiceEntgelt_eCardEdit,
                    &r.FreibetragEdit,
                    &r.MehrstdSatzEdit,
                    &r.MehrstdZuschlagEdit,
                    &r.BMVGUebertragungsBetragEdit,
                    &r.ZukunftssicherungEdit,
                    &r.Ueberstunden75Edit,
                    &r.LohnGehaltUeberstunden75Edit,
                    &r.AuslPensDGEdit,
                    &r.AMPFG_RueckVerrBetragEdit,
                    &r.AMPFG_RueckVerrBetrag_SZEdit,
                    &r.AMPFG_SVGrundlageEdit,
                    &r.AMPFG_SVGrundlage_SZEdit,
                    &r.ZeitKontoStdEdit,
                    &r.UrlaubsKontoTageEdit})
    *d = g.d();
  r.BruttoEdit = 2.0;
  r.ExekutionEdit = -1.5;
  for (double& d : r.UmlagenGrundlagen) d = g.d();
  r.Grundlage(Umlage::NB) = 1.0;
  r.SonderZlgComboBox = "Sonderzahlung";
  r.BemerkungenEdit = std::string(120, 'y');
  r.Alleinverdiener = r.GeschaeftsFuehrerCheckBox = r.ueberSechzigCheckBox = true;
  r.ohneFreibSZCheckBox = true;
  r.SZSVfreiTextEdit = g.s();
  r.SonstSZTextEdit = g.s();
  r.VornameEdit = "Eva";
  for (auto& slot : r.Lohnarten) slot = g.s();
  r.AMPFG_RueckVerrGruppeEdit = "N25a";
  r.AMPFG_RueckVerrGruppe_SZEdit = "N25c";
  r.AbrechngComboBox = 1;
  r.gehoertZuStandortEdit = g.i();
  r.SozialeStellungEdit = 2;
  r.KostenstelleEdit = g.i();
  r.SV_Lohn_TageEdit = 30;
  return r;
}

}  // namespace

TEST(PersonalRecordLayout, FieldsAtTheirOffsets) {
  PersonalRecord r = FullPersonal();
  PersonalBytes b = r.pack();
  const std::uint8_t* p = b.data();
  ASSERT_EQ(b.size(), 2420u);
  const std::vector<Expect> table = {
      {0, {0x67, 0x12, 0, 0}},                          // PersNrEdit 4711
      {4, Str("1234010190")},                           // SVNrEdit
      {117, Str("M\xFCller")},                          // FamNameEdit, cp1252
      {220, {0xF2, 0x03, 0, 0}},                        // PLZEdit 1010
      {479, Str("verheirate")},                         // string[10], cut
      {492, {3, 0, 0, 0}},                              // SozialeStellungEdit
      {598, {1}},                                       // ExekutionCheckBox
      {599, Str("01.02.2014")},                         // EintrittsDatumEdit
      {701, {1, 1, 0}},                                 // two flags, zero
      {704, {0x81, 0, 0, 0, 0, 0}},                     // GehaltEdit 1.0
      {716, Str("D1")},                                 // Beitragsgruppe
      {767, {1, 1, 1, 1, 1, 1, 1}},                     // KU .. NB
      {780, {0x85, 0, 0, 0, 0, 0x48}},                  // 25 = 1.5625 * 16
      {798, Str(std::string(100, 'x'))},                // remark cut to 100
      {899, {1, 1, 1, 1, 0}},                           // flags, filler
      {1196, {4, 3, 2, 1}},                             // Standort
      {1400, {0x81, 0, 0, 0, 0, 0xC0}},                 // BSROL_Edit -1.5
      {1532, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}},  // 1532..1543, zero
      {1552, Str("11")},                                // SVtraegerEdit
  };
  ExpectAt(p, table);
  // Slot 16 of the wage types ends at 2418; the last byte is filler.
  EXPECT_EQ(Slice(p, 1603 + 15 * 51, 1 + r.Lohnarten[15].size()), Str(r.Lohnarten[15]));
  ExpectZero(p, {{55, 65},
                 {219, 219},
                 {490, 491},
                 {703, 703},
                 {903, 903},
                 {934, 984},
                 {1036, 1191},
                 {1208, 1211},
                 {1220, 1291},
                 {1382, 1387},
                 {1394, 1399},
                 {1406, 1531},
                 {1544, 1551},
                 {2419, 2419}});
  // Unused text bytes are zero-filled.
  ExpectZero(p, {{4 + 11, 4 + 50}});
}

TEST(PersonalRecordLayout, RoundTripKeepsEveryField) {
  PersonalRecord r = FullPersonal();
  PersonalRecord back = PersonalRecord::unpack(r.pack().data());
  // Texts longer than their capacity come back cut.
  r.FamStandEdit = "verheirate";
  r.BemerkungenEdit.resize(100);
  EXPECT_EQ(back, r);
  EXPECT_EQ(PersonalNrOf(r.pack().data()), 4711);
}

TEST(AbrechnungRecordLayout, FieldsAtTheirOffsets) {
  AbrechnungRecord r = FullAbrechnung();
  AbrechnungBytes b = r.pack();
  const std::uint8_t* p = b.data();
  ASSERT_EQ(b.size(), 2236u);
  const std::vector<Expect> table = {
      {4, {3, 0, 0, 0}},                  // MonatComboBox
      {8, {0xDE, 0x07, 0, 0}},            // JahrComboBox 2014
      {12, {0x67, 0x12, 0, 0}},           // PersNrEdit
      {16, Str("M\xFCller")},             // FamNameEdit
      {362, {0x82, 0, 0, 0, 0, 0}},       // BruttoEdit 2.0
      {410, Str("Sonderzahlung")},        // SonderZlgComboBox
      {504, Str(std::string(100, 'y'))},  // BemerkungenEdit, cut
      {612, {1, 0}},                      // Alleinverdiener, filler
      {692, {0x81, 0, 0, 0, 0, 0}},       // levy base NB
      {876, {1, 1, 1, 0}},                // three flags, then zero
      {998, Str("Eva")},                  // VornameEdit
      {1559, Str("N25a")},                // slot 11
      {1610, Str("N25c")},                // slot 12
      {1916, {1, 0, 0, 0}},               // AbrechngComboBox
      {1924, {2, 0, 0, 0}},               // SozialeStellungEdit
      {1932, {30, 0, 0, 0}},              // SV_Lohn_TageEdit
      {2164, {0x81, 0, 0, 0, 0, 0xC0}},   // ExekutionEdit -1.5
  };
  ExpectAt(p, table);
  EXPECT_EQ(Slice(p, 1049, 1 + r.Lohnarten[0].size()), Str(r.Lohnarten[0]));
  EXPECT_EQ(Slice(p, 1049 + 9 * 51, 1 + r.Lohnarten[9].size()), Str(r.Lohnarten[9]));
  ExpectZero(p, {{0, 3},
                 {271, 271},
                 {461, 461},
                 {605, 605},
                 {613, 613},
                 {698, 755},
                 {870, 875},
                 {879, 895},
                 {1661, 1915},
                 {1936, 1995},
                 {2170, 2235}});
}

TEST(AbrechnungRecordLayout, RoundTripAndKey) {
  AbrechnungRecord r = FullAbrechnung();
  AbrechnungBytes b = r.pack();
  AbrechnungRecord back = AbrechnungRecord::unpack(b.data());
  r.BemerkungenEdit.resize(100);
  EXPECT_EQ(back, r);
  AbrechnungKey key{4711, 3, 2014, 1};
  EXPECT_EQ(AbrechnungKeyOf(b.data()), key);
  EXPECT_EQ(AbrechnungKeyOf(r), key);
}

TEST(RecordLayout, AmountsBeyondReal48AreRefused) {
  PersonalRecord p;
  p.GehaltEdit = 1e300;
  EXPECT_THROW(p.pack(), std::range_error);
  AbrechnungRecord a;
  a.NettoBetragEdit = std::numeric_limits<double>::infinity();
  EXPECT_THROW(a.pack(), std::range_error);
}
