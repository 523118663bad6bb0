#include "store/DienstgeberRecord.h"

#include "store/RecordFile.h"

namespace lohn {

namespace {

template <class R, class V>
void Fields(R& r, V&& v) {
  v.text(4, 80, r.AnredeComboBox);
  v.text(166, 80, r.NameEdit);
  v.text(409, 80, r.StrasseEdit);
  v.text(490, 80, r.LandEdit);
  v.i32(572, r.PlzEdit);
  v.text(576, 80, r.OrtEdit);
  v.text(657, 80, r.Telefon1Edit);
  v.text(738, 80, r.Telefon2Edit);
  v.text(819, 80, r.Telefon3Edit);
  v.text(1062, 80, r.Fax1Edit);
  v.text(1143, 80, r.Fax2Edit);
  v.text(1224, 80, r.VersTraegerCodeEdit);
  v.text(1872, 80, r.BankEdit);
  v.text(1953, 80, r.BlzEdit);
  v.text(2034, 80, r.BankKontoEdit);
  v.text(3087, 80, r.NotizEdit);
  v.i16(3574, r.Nummer);
}

}  // namespace

DienstgeberBytes DienstgeberRecord::pack() const {
  DienstgeberBytes b{};
  Fields(*this, record_image::Packer{b.data()});
  return b;
}

DienstgeberRecord DienstgeberRecord::unpack(const std::uint8_t* bytes) {
  DienstgeberRecord r;
  Fields(r, record_image::Unpacker{bytes});
  return r;
}

std::int16_t DienstgeberNummerOf(const std::uint8_t* bytes) { return GetInt16(bytes, 3574); }

DienstgeberGlobals DienstgeberGlobalsFrom(const DienstgeberRecord& r) {
  DienstgeberGlobals g;
  g.DienstgeberAnrede = r.AnredeComboBox;
  g.DienstgeberName = r.NameEdit;
  g.DienstgeberStrasse = r.StrasseEdit;
  g.DienstgeberLand = r.LandEdit;
  g.DienstgeberPlz = std::to_string(r.PlzEdit);
  g.DienstgeberOrt = r.OrtEdit;
  g.DienstgeberTelefon = r.Telefon1Edit;
  g.DienstgeberEMail = r.Telefon2Edit;
  g.DienstgeberBeitragskontoNr = r.Telefon3Edit;
  g.DienstgeberSteuerNr = r.Fax1Edit;
  g.DienstgeberVersTraeger = r.Fax2Edit;
  g.DienstgeberVersTraegerCode = r.VersTraegerCodeEdit;
  g.DienstgeberDvrNr = r.BankEdit;
  g.DienstgeberGemeindeKz = r.BlzEdit;
  g.UebermittlerFaStNr = r.BankKontoEdit;
  g.DienstgeberFinanzamtNr = r.NotizEdit;
  return g;
}

}  // namespace lohn
