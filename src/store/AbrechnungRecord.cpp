#include "store/AbrechnungRecord.h"

#include <stdexcept>

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
void Fields(R& r, V& v) {
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

// The layout's fields counted in their order: a field's number is its bit
// in AbrechnungFelder.
struct Gezaehlt {
  std::size_t n = 0;
  std::size_t Naechstes() {
    if (n >= AbrechnungFelder::kAnzahl) throw std::logic_error("AbrechnungFelder::kAnzahl");
    return n++;
  }
};

// The plan of a choice: the chosen fields in layout order.
struct Planer : Gezaehlt {
  const AbrechnungRecord& r;
  const AbrechnungFelder& felder;
  std::vector<AbrechnungFelder::Schritt>& plan;
  void Nimm(std::size_t off, std::size_t kap, const void* glied, AbrechnungFelder::Art art) {
    if (!felder.gewaehlt(Naechstes())) return;
    const auto at =
        std::size_t(static_cast<const char*>(glied) - reinterpret_cast<const char*>(&r));
    plan.push_back({std::uint16_t(off), std::uint16_t(kap), std::uint32_t(at), art});
  }
  void i32(std::size_t off, const std::int32_t& v) { Nimm(off, 0, &v, AbrechnungFelder::Art::I32); }
  void real(std::size_t off, const double& v) { Nimm(off, 0, &v, AbrechnungFelder::Art::Real); }
  void flag(std::size_t off, const bool& v) { Nimm(off, 0, &v, AbrechnungFelder::Art::Flag); }
  void text(std::size_t off, std::size_t kap, const std::string& v) {
    Nimm(off, kap, &v, AbrechnungFelder::Art::Text);
  }
};

struct Markierer : Gezaehlt {
  const AbrechnungFelder& felder;
  explicit Markierer(const AbrechnungFelder& f) : felder(f) {}
  void i32(std::size_t, std::int32_t& v) {
    if (!felder.gewaehlt(Naechstes())) v = 4711;
  }
  void real(std::size_t, double& v) {
    if (!felder.gewaehlt(Naechstes())) v = 4711.17;
  }
  void flag(std::size_t, bool& v) {
    if (!felder.gewaehlt(Naechstes())) v = true;
  }
  void text(std::size_t, std::size_t, std::string& v) {
    if (!felder.gewaehlt(Naechstes())) v = "#?#";
  }
};

// Chooses the fields whose member lies within [von, bis) of the record.
struct Waehler : Gezaehlt {
  const AbrechnungRecord& r;
  std::size_t von, bis;
  std::bitset<AbrechnungFelder::kAnzahl>& bits;
  template <class T>
  void Pruefe(const T& feld) {
    const std::size_t nr = Naechstes();
    const auto at =
        std::size_t(reinterpret_cast<const char*>(&feld) - reinterpret_cast<const char*>(&r));
    if (at >= von && at < bis) bits.set(nr);
  }
  void i32(std::size_t, const std::int32_t& v) { Pruefe(v); }
  void real(std::size_t, const double& v) { Pruefe(v); }
  void flag(std::size_t, const bool& v) { Pruefe(v); }
  void text(std::size_t, std::size_t, const std::string& v) { Pruefe(v); }
};

}  // namespace

void AbrechnungFelder::Schluessel() {
  Nimm(Versatz(&AbrechnungRecord::PersNrEdit), sizeof(std::int32_t));
  Nimm(Versatz(&AbrechnungRecord::MonatComboBox), sizeof(std::int32_t));
  Nimm(Versatz(&AbrechnungRecord::JahrComboBox), sizeof(std::int32_t));
  Nimm(Versatz(&AbrechnungRecord::AbrechngComboBox), sizeof(std::int32_t));
}

void AbrechnungFelder::Nimm(std::size_t versatz, std::size_t groesse) {
  static const AbrechnungRecord muster;
  Waehler w{{}, muster, versatz, versatz + groesse, bits_};
  Fields(muster, w);
}

void AbrechnungFelder::Planen() {
  static const AbrechnungRecord muster;
  std::vector<Schritt> plan;
  Planer p{{}, muster, *this, plan};
  Fields(muster, p);
  for (auto& teil : plan_) teil.clear();
  for (const Schritt& s : plan) plan_[std::size_t(s.art)].push_back(s);
}

AbrechnungFelder AbrechnungFelder::Alle() {
  AbrechnungFelder f;
  f.Nimm(0, sizeof(AbrechnungRecord));
  f.Planen();
  return f;
}

bool AbrechnungFelder::alle() const { return *this == Alle(); }

void AbrechnungRecord::unpack(const std::uint8_t* bytes, const AbrechnungFelder& felder) {
  // Straight down the plan, a kind at a time: a report reads a few dozen of
  // the fields, nearly all amounts.
  char* const basis = reinterpret_cast<char*>(this);
  using Art = AbrechnungFelder::Art;
  for (const AbrechnungFelder::Schritt& s : felder.plan(Art::Real))
    *reinterpret_cast<double*>(basis + s.glied) = GetReal48(bytes, s.bild);
  for (const AbrechnungFelder::Schritt& s : felder.plan(Art::I32))
    *reinterpret_cast<std::int32_t*>(basis + s.glied) = GetInt32(bytes, s.bild);
  for (const AbrechnungFelder::Schritt& s : felder.plan(Art::Flag))
    *reinterpret_cast<bool*>(basis + s.glied) = GetBool(bytes, s.bild);
  for (const AbrechnungFelder::Schritt& s : felder.plan(Art::Text))
    GetShortString(bytes, s.bild, s.kapazitaet, *reinterpret_cast<std::string*>(basis + s.glied));
}

void AbrechnungRecord::markiereAusser(const AbrechnungFelder& felder) {
  Markierer m(felder);
  Fields(*this, m);
}

AbrechnungBytes AbrechnungRecord::pack() const {
  AbrechnungBytes b{};
  record_image::Packer p{b.data()};
  Fields(*this, p);
  return b;
}

AbrechnungRecord AbrechnungRecord::unpack(const std::uint8_t* bytes) {
  AbrechnungRecord r;
  record_image::Unpacker u{bytes};
  Fields(r, u);
  return r;
}

AbrechnungKey AbrechnungKeyOf(const std::uint8_t* bytes) {
  return {GetInt32(bytes, 12), GetInt32(bytes, 4), GetInt32(bytes, 8), GetInt32(bytes, 1916)};
}

AbrechnungKey AbrechnungKeyOf(const AbrechnungRecord& r) {
  return {r.PersNrEdit, r.MonatComboBox, r.JahrComboBox, r.AbrechngComboBox};
}

}  // namespace lohn
