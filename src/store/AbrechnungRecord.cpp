#include "store/AbrechnungRecord.h"

#include "store/RecordFile.h"

namespace lohn {

namespace {

// Consecutive real48 fields from `off` on, six bytes apart.
template <class V, class... D>
void Reals(V& v, std::size_t off, D&... fields) {
  ((v.real(off, fields), off += 6), ...);
}

// The layout of <stem>.ABR, in offset order.
template <class R, class V>
void Fields(R& r, V&& v) {
  v.i32(4, r.MonatComboBox);
  v.i32(8, r.JahrComboBox);
  v.i32(12, r.PersNrEdit);
  v.text(16, 50, r.FamNameEdit);
  v.text(67, 50, r.OrtEdit);
  v.text(118, 50, r.BankEdit);
  v.text(169, 50, r.BankKtoNrEdit);
  v.text(220, 50, r.BeitragsgruppeComboBox);
  Reals(v, 272, r.GehaltEdit, r.StundenlohnEdit, r.ZulageEdit, r.NormalstundenEdit,
        r.MehrstundenEdit, r.Ueberstunden50Edit, r.Ueberstunden100Edit, r.UrlaubstundenEdit,
        r.FehlstundenEdit, r.LohnNormalstundenEdit, r.LohnGehaltMehrstundenEdit,
        r.LohnGehaltUeberstunden50Edit, r.LohnGehaltUeberstunden100Edit, r.LohnUrlaubstundenEdit,
        r.LohnFehlstundenEdit, r.BruttoEdit, r.SVBeitragsgrundlageEdit, r.BetragDNAnteilEdit,
        r.DN_KU_Edit, r.DN_WF_Edit, r.DN_LK_Edit, r.DN_SW_Edit, r.SonderzahlungEdit);  // 272 .. 404
  v.text(410, 50, r.SonderZlgComboBox);
  Reals(v, 462, r.SVBeitragsGrundlageSonderzahlungEdit, r.BetragDNAnteilSonderZEdit,
        r.DN_LK_SZ_Edit, r.DN_SW_SZ_Edit, r.BruttoGesamtEdit, r.SV_AbzGesEdit,
        r.FreibetrEdit);  // 462 .. 498
  v.text(504, 100, r.BemerkungenEdit);
  v.real(606, r.GrundlageLSTEdit);
  v.flag(612, r.Alleinverdiener);
  Reals(v, 614, r.LohnsteuerBetragEdit, r.NettoBetragEdit, r.SpesenersatzEdit, r.VorschussEdit,
        r.AuszahlungsbetragEdit, r.DGAnteilEdit, r.DNAnteilEdit);  // 614 .. 650
  for (std::size_t i = 0; i < kUmlagenCount; ++i) v.real(656 + 6 * i, r.UmlagenGrundlagen[i]);
  Reals(v, 756, r.KrankenschEdit, r.SachbezuegeAbreEdit, r.LstFreibetragSZ, r.SZSVfreiEdit,
        r.SueberschreitungEdit, r.InnerhSechstelEdit, r.InnerhSechstelSVfreiEdit, r.SonstSZEdit,
        r.SonstSZSVEdit, r.SonstSZLSTEdit, r.SVFreibetragEdit, r.LstGesamt, r.LstSZ, r.GrundlLstSZ,
        r.SV_DN_GesamtEdit, r.SV_DN_SZ_GesamtEdit, r.FreibetrLtMitteilgEdit, r.NormArbeitszeitEdit,
        r.fiktiveBMGedit);  // 756 .. 864
  v.flag(876, r.GeschaeftsFuehrerCheckBox);
  v.flag(877, r.ueberSechzigCheckBox);
  v.flag(878, r.ohneFreibSZCheckBox);
  v.text(896, 50, r.SZSVfreiTextEdit);
  v.text(947, 50, r.SonstSZTextEdit);
  v.text(998, 50, r.VornameEdit);
  for (std::size_t i = 0; i < kAbrechnungLohnartSlots; ++i)
    v.text(1049 + 51 * i, 50, r.Lohnarten[i]);
  v.text(1559, 50, r.AMPFG_RueckVerrGruppeEdit);
  v.text(1610, 50, r.AMPFG_RueckVerrGruppe_SZEdit);
  v.i32(1916, r.AbrechngComboBox);
  v.i32(1920, r.gehoertZuStandortEdit);
  v.i32(1924, r.SozialeStellungEdit);
  v.i32(1928, r.KostenstelleEdit);
  v.i32(1932, r.SV_Lohn_TageEdit);
  Reals(v, 1996, r.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV, r.BMVGbetragEdit, r.Ueberstunden200Edit,
        r.LohnGehaltUeberstunden200Edit, r.davonNachtZuschl, r.LandarbFreiEdit, r.SonstSteuerfrEdit,
        r.AuslandsTaetEdit, r.freiwillBeitrEdit, r.TeilentgeltEdit, r.TageTeilentgeltEdit,
        r.DbDzKommStFreierBetragEdit, r.MVzuschlagEdit, r.ServiceEntgelt_eCardEdit,
        r.FreibetragEdit, r.MehrstdSatzEdit, r.MehrstdZuschlagEdit, r.BMVGUebertragungsBetragEdit,
        r.ZukunftssicherungEdit, r.Ueberstunden75Edit, r.LohnGehaltUeberstunden75Edit,
        r.AuslPensDGEdit, r.AMPFG_RueckVerrBetragEdit, r.AMPFG_RueckVerrBetrag_SZEdit,
        r.AMPFG_SVGrundlageEdit, r.AMPFG_SVGrundlage_SZEdit, r.ZeitKontoStdEdit,
        r.UrlaubsKontoTageEdit, r.ExekutionEdit);  // 1996 .. 2164
}

}  // namespace

AbrechnungBytes AbrechnungRecord::pack() const {
  AbrechnungBytes b{};
  Fields(*this, record_image::Packer{b.data()});
  return b;
}

AbrechnungRecord AbrechnungRecord::unpack(const std::uint8_t* bytes) {
  AbrechnungRecord r;
  Fields(r, record_image::Unpacker{bytes});
  return r;
}

AbrechnungKey AbrechnungKeyOf(const std::uint8_t* bytes) {
  return {GetInt32(bytes, 12), GetInt32(bytes, 4), GetInt32(bytes, 8), GetInt32(bytes, 1916)};
}

AbrechnungKey AbrechnungKeyOf(const AbrechnungRecord& r) {
  return {r.PersNrEdit, r.MonatComboBox, r.JahrComboBox, r.AbrechngComboBox};
}

}  // namespace lohn
