#include "store/PersonalRecord.h"

#include "store/RecordFile.h"

namespace lohn {

namespace {

constexpr std::size_t kFamNameOffset = 117;

// The layout of <stem>.PER, one line per field, in offset order.
template <class R, class V>
void Fields(R& r, V&& v) {
  v.i32(0, r.PersNrEdit);
  v.text(4, 50, r.SVNrEdit);
  v.text(66, 50, r.VornameEdit);
  v.text(kFamNameOffset, 50, r.FamNameEdit);
  v.text(168, 50, r.StrasseEdit);
  v.i32(220, r.PLZEdit);
  v.text(224, 50, r.OrtEdit);
  v.text(275, 50, r.TelefonEdit);
  v.text(326, 50, r.BankEdit);
  v.text(377, 50, r.BankKtoNrEdit);
  v.text(428, 50, r.GeburtsdatenEdit);
  v.text(479, 10, r.FamStandEdit);
  v.i32(492, r.SozialeStellungEdit);
  v.text(496, 50, r.StaatEdit);
  v.text(547, 50, r.BerufEdit);
  v.flag(598, r.ExekutionCheckBox);
  v.text(599, 50, r.EintrittsDatumEdit);
  v.text(650, 50, r.AustrittsDatumEdit);
  v.flag(701, r.AngestellterCheckBox);
  v.flag(702, r.ArbeiterCheckBox);
  v.real(704, r.GehaltEdit);
  v.real(710, r.StundenlohnEdit);
  v.text(716, 50, r.BeitragsgruppeComboBox);
  v.flag(767, r.KU);
  v.flag(768, r.WF);
  v.flag(769, r.LK);
  v.flag(770, r.SW);
  v.flag(771, r.EF);
  v.flag(772, r.IE);
  v.flag(773, r.NB);
  v.real(774, r.NormArbeitszeitEdit);
  v.real(780, r.UrlaubsAnspruchEdit);
  v.real(786, r.RestUrlaubEdit);
  v.real(792, r.ZeitKontoEdit);
  v.text(798, 100, r.BemerkungenEdit);
  v.flag(899, r.UeberwiegNachtarbeitCheckBox);
  v.flag(900, r.grPendlPausch);
  v.flag(901, r.Alleinverdiener);
  v.flag(902, r.KaerntenCheckBox);
  v.real(904, r.ZulageEdit);
  v.real(910, r.FreibetragEdit);
  v.real(916, r.SVFreibetrEdit);
  v.real(922, r.SachbezuegeEdit);
  v.real(928, r.FreibetrLtMitteilgEdit);
  v.text(985, 50, r.AdresseLandEdit);
  v.i32(1192, r.AnzahlKinderEdit);
  v.i32(1196, r.gehoertZuStandortEdit);
  v.i32(1200, r.KostenstelleEdit);
  v.i32(1204, r.ArtDesLohnzettelsEdit);
  v.i32(1212, r.WERK_Edit);
  v.i32(1216, r.UEBMO_Edit);
  v.real(1292, r.beitrGrundlVorAltZeilzEdit);
  v.real(1298, r.LandarbFreiEdit);
  v.real(1304, r.SonstSteuerfrEdit);
  v.real(1310, r.AuslandsTaetEdit);
  v.real(1316, r.freiwillBeitrEdit);
  v.real(1322, r.AufrollungEdit);
  v.real(1328, r.TeilentgeltEdit);
  v.real(1334, r.TageTeilentgeltEdit);
  v.real(1340, r.DbDzKommStFreierBetragEdit);
  v.real(1346, r.MehrstdSatzEdit);
  v.real(1352, r.MehrstdZuschlagEdit);
  v.real(1358, r.ZukunftssicherungEdit);
  v.real(1364, r.AuslPensDGEdit);
  v.real(1370, r.ENTW_Edit);
  v.real(1376, r.PREI_Edit);
  v.real(1388, r.BPEND_Edit);
  v.real(1400, r.BSROL_Edit);
  v.flag(1532, r.BMVGcheckBox);
  v.flag(1533, r.ArbeiterCheckBoxNeu);
  v.flag(1534, r.weiblichCheckBox);
  v.flag(1535, r.TeilzeitCheckBox);
  v.flag(1536, r.freierDNcheckBox);
  v.flag(1537, r.GeringfCheckBox);
  v.flag(1538, r.SZanspruchCheckBox);
  v.flag(1539, r.SZohneAllgBeitrCheckBox);
  v.flag(1540, r.ueberSechzigCheckBox);
  v.flag(1541, r.GeschaeftsFuehrerCheckBox);
  v.flag(1542, r.DNabgemeldetCheckBox);
  v.flag(1543, r.EPAB_CB);
  v.text(1552, 50, r.SVtraegerEdit);
  for (std::size_t i = 0; i < kPersonalLohnartSlots; ++i) v.text(1603 + 51 * i, 50, r.Lohnarten[i]);
}

}  // namespace

PersonalBytes PersonalRecord::pack() const {
  PersonalBytes b{};
  Fields(*this, record_image::Packer{b.data()});
  return b;
}

PersonalRecord PersonalRecord::unpack(const std::uint8_t* bytes) {
  PersonalRecord r;
  r.unpackFrom(bytes);
  return r;
}

void PersonalRecord::unpackFrom(const std::uint8_t* bytes) {
  Fields(*this, record_image::Unpacker{bytes});
}

std::int32_t PersonalNrOf(const std::uint8_t* bytes) { return GetInt32(bytes, 0); }

std::string PersonalFamNameOf(const std::uint8_t* bytes) {
  return GetShortString(bytes, kFamNameOffset, 50);
}

}  // namespace lohn
