#include "store/AbrechnungRecord.h"

#include <stdexcept>
#include <type_traits>

#include "store/RecordBytes.h"

namespace lohn {

namespace {

using R = AbrechnungRecord;
using UmlageFach = AbrechnungFelder::Fach<double, kUmlagenCount>;
using LohnartFach = AbrechnungFelder::Fach<std::string, kAbrechnungLohnartSlots>;

// Consecutive real48 fields from `off` on, six bytes apart.
template <class V, class... G>
void Reals(V& v, std::size_t off, G... glieder) {
  ((v.real(off, glieder), off += 6), ...);
}

// The layout of <stem>.ABR, in offset order: each field by its member, a
// field of an array by member and slot.
template <class V>
void Glieder(V& v) {
  v.i32(4, &R::MonatComboBox);
  v.i32(8, &R::JahrComboBox);
  v.i32(12, &R::PersNrEdit);
  v.text(16, 50, &R::FamNameEdit);
  v.text(67, 50, &R::OrtEdit);
  v.text(118, 50, &R::BankEdit);
  v.text(169, 50, &R::BankKtoNrEdit);
  v.text(220, 50, &R::BeitragsgruppeComboBox);
  Reals(v, 272, &R::GehaltEdit, &R::StundenlohnEdit, &R::ZulageEdit, &R::NormalstundenEdit,
        &R::MehrstundenEdit, &R::Ueberstunden50Edit, &R::Ueberstunden100Edit, &R::UrlaubstundenEdit,
        &R::FehlstundenEdit, &R::LohnNormalstundenEdit, &R::LohnGehaltMehrstundenEdit,
        &R::LohnGehaltUeberstunden50Edit, &R::LohnGehaltUeberstunden100Edit,
        &R::LohnUrlaubstundenEdit, &R::LohnFehlstundenEdit, &R::BruttoEdit,
        &R::SVBeitragsgrundlageEdit, &R::BetragDNAnteilEdit, &R::DN_KU_Edit, &R::DN_WF_Edit,
        &R::DN_LK_Edit, &R::DN_SW_Edit, &R::SonderzahlungEdit);  // 272 .. 404
  v.text(410, 50, &R::SonderZlgComboBox);
  Reals(v, 462, &R::SVBeitragsGrundlageSonderzahlungEdit, &R::BetragDNAnteilSonderZEdit,
        &R::DN_LK_SZ_Edit, &R::DN_SW_SZ_Edit, &R::BruttoGesamtEdit, &R::SV_AbzGesEdit,
        &R::FreibetrEdit);  // 462 .. 498
  v.text(504, 100, &R::BemerkungenEdit);
  v.real(606, &R::GrundlageLSTEdit);
  v.flag(612, &R::Alleinverdiener);
  Reals(v, 614, &R::LohnsteuerBetragEdit, &R::NettoBetragEdit, &R::SpesenersatzEdit,
        &R::VorschussEdit, &R::AuszahlungsbetragEdit, &R::DGAnteilEdit,
        &R::DNAnteilEdit);  // 614 .. 650
  for (std::size_t i = 0; i < kUmlagenCount; ++i)
    v.real(656 + 6 * i, UmlageFach{&R::UmlagenGrundlagen, std::uint8_t(i)});
  Reals(v, 756, &R::KrankenschEdit, &R::SachbezuegeAbreEdit, &R::LstFreibetragSZ, &R::SZSVfreiEdit,
        &R::SueberschreitungEdit, &R::InnerhSechstelEdit, &R::InnerhSechstelSVfreiEdit,
        &R::SonstSZEdit, &R::SonstSZSVEdit, &R::SonstSZLSTEdit, &R::SVFreibetragEdit, &R::LstGesamt,
        &R::LstSZ, &R::GrundlLstSZ, &R::SV_DN_GesamtEdit, &R::SV_DN_SZ_GesamtEdit,
        &R::FreibetrLtMitteilgEdit, &R::NormArbeitszeitEdit,
        &R::fiktiveBMGedit);  // 756 .. 864
  v.flag(876, &R::GeschaeftsFuehrerCheckBox);
  v.flag(877, &R::ueberSechzigCheckBox);
  v.flag(878, &R::ohneFreibSZCheckBox);
  v.text(896, 50, &R::SZSVfreiTextEdit);
  v.text(947, 50, &R::SonstSZTextEdit);
  v.text(998, 50, &R::VornameEdit);
  for (std::size_t i = 0; i < kAbrechnungLohnartSlots; ++i)
    v.text(1049 + 51 * i, 50, LohnartFach{&R::Lohnarten, std::uint8_t(i)});
  v.text(1559, 50, &R::AMPFG_RueckVerrGruppeEdit);
  v.text(1610, 50, &R::AMPFG_RueckVerrGruppe_SZEdit);
  v.i32(1916, &R::AbrechngComboBox);
  v.i32(1920, &R::gehoertZuStandortEdit);
  v.i32(1924, &R::SozialeStellungEdit);
  v.i32(1928, &R::KostenstelleEdit);
  v.i32(1932, &R::SV_Lohn_TageEdit);
  Reals(v, 1996, &R::ueberMaxSVBeitrGrdlSZUeberJSechstel_SV, &R::BMVGbetragEdit,
        &R::Ueberstunden200Edit, &R::LohnGehaltUeberstunden200Edit, &R::davonNachtZuschl,
        &R::LandarbFreiEdit, &R::SonstSteuerfrEdit, &R::AuslandsTaetEdit, &R::freiwillBeitrEdit,
        &R::TeilentgeltEdit, &R::TageTeilentgeltEdit, &R::DbDzKommStFreierBetragEdit,
        &R::MVzuschlagEdit, &R::ServiceEntgelt_eCardEdit, &R::FreibetragEdit, &R::MehrstdSatzEdit,
        &R::MehrstdZuschlagEdit, &R::BMVGUebertragungsBetragEdit, &R::ZukunftssicherungEdit,
        &R::Ueberstunden75Edit, &R::LohnGehaltUeberstunden75Edit, &R::AuslPensDGEdit,
        &R::AMPFG_RueckVerrBetragEdit, &R::AMPFG_RueckVerrBetrag_SZEdit, &R::AMPFG_SVGrundlageEdit,
        &R::AMPFG_SVGrundlage_SZEdit, &R::ZeitKontoStdEdit, &R::UrlaubsKontoTageEdit,
        &R::ExekutionEdit);  // 1996 .. 2164
}

// A member, or a slot of one, in a record.
template <class Rec, class T>
auto& In(Rec& r, T R::*glied) {
  return r.*glied;
}
template <class Rec, class T, std::size_t N>
auto& In(Rec& r, AbrechnungFelder::Fach<T, N> f) {
  return (r.*f.feld)[f.i];
}

// Visits the layout's fields in their order as f(number, offset, capacity,
// member); a field's number is its bit in AbrechnungFelder.
template <class F>
struct Jeder {
  F& f;
  std::size_t n = 0;
  void Feld(std::size_t off, std::size_t kap, auto glied) {
    if (n >= AbrechnungFelder::kAnzahl) throw std::logic_error("AbrechnungFelder::kAnzahl");
    f(n++, off, kap, glied);
  }
  void i32(std::size_t off, auto g) { Feld(off, 0, g); }
  void real(std::size_t off, auto g) { Feld(off, 0, g); }
  void flag(std::size_t off, auto g) { Feld(off, 0, g); }
  void text(std::size_t off, std::size_t kap, auto g) { Feld(off, kap, g); }
};
template <class F>
void FuerJedes(F&& f) {
  Jeder<F> v{f};
  Glieder(v);
}

// One field between image and member, by the member's type.
void Lies(const std::uint8_t* b, std::size_t o, std::size_t, double& v) { v = GetReal48(b, o); }
void Lies(const std::uint8_t* b, std::size_t o, std::size_t, std::int32_t& v) {
  v = GetInt32(b, o);
}
void Lies(const std::uint8_t* b, std::size_t o, std::size_t, bool& v) { v = GetBool(b, o); }
void Lies(const std::uint8_t* b, std::size_t o, std::size_t kap, std::string& v) {
  GetShortString(b, o, kap, v);
}
void Schreib(std::uint8_t* b, std::size_t o, std::size_t, double v) { PutReal48(b, o, v); }
void Schreib(std::uint8_t* b, std::size_t o, std::size_t, std::int32_t v) { PutInt32(b, o, v); }
void Schreib(std::uint8_t* b, std::size_t o, std::size_t, bool v) { PutBool(b, o, v); }
void Schreib(std::uint8_t* b, std::size_t o, std::size_t kap, const std::string& v) {
  PutShortString(b, o, kap, v);
}
// The marks of markiereAusser.
void Markiere(double& v) { v = 4711.17; }
void Markiere(std::int32_t& v) { v = 4711; }
void Markiere(bool& v) { v = true; }
void Markiere(std::string& v) { v = "#?#"; }

// Chooses the fields stored in the member `gesucht` (every slot of an array).
template <class G>
void Waehle(std::bitset<AbrechnungFelder::kAnzahl>& bits, G gesucht) {
  FuerJedes([&](std::size_t nr, std::size_t, std::size_t, auto glied) {
    if constexpr (std::is_same_v<decltype(glied), G>) {
      if (glied == gesucht) bits.set(nr);
    } else if constexpr (requires { glied.feld == gesucht; }) {
      if (glied.feld == gesucht) bits.set(nr);
    }
  });
}

}  // namespace

void AbrechnungFelder::Schluessel() {
  for (auto feld : {&R::PersNrEdit, &R::MonatComboBox, &R::JahrComboBox, &R::AbrechngComboBox})
    Nimm(feld);
}

void AbrechnungFelder::Nimm(Glied feld) {
  std::visit([&](auto glied) { Waehle(bits_, glied); }, feld);
}

void AbrechnungFelder::Planen() {
  plan_ = {};
  FuerJedes([&](std::size_t nr, std::size_t off, std::size_t kap, auto glied) {
    if (gewaehlt(nr))
      std::get<std::vector<Schritt<decltype(glied)>>>(plan_).push_back(
          {std::uint16_t(off), std::uint16_t(kap), glied});
  });
}

AbrechnungFelder AbrechnungFelder::Alle() {
  AbrechnungFelder f;
  FuerJedes([&](std::size_t nr, std::size_t, std::size_t, auto) { f.bits_.set(nr); });
  f.Planen();
  return f;
}

void AbrechnungRecord::unpack(const std::uint8_t* bytes, const AbrechnungFelder& felder) {
  // Straight down the plan, a kind of member at a time: a report reads a
  // few dozen of the fields, nearly all amounts.
  auto lies = [&](const auto& schritte) {
    for (const auto& s : schritte) Lies(bytes, s.bild, s.kapazitaet, In(*this, s.glied));
  };
  std::apply([&](const auto&... teile) { (lies(teile), ...); }, felder.plan());
}

void AbrechnungRecord::markiereAusser(const AbrechnungFelder& felder) {
  FuerJedes([&](std::size_t nr, std::size_t, std::size_t, auto glied) {
    if (!felder.gewaehlt(nr)) Markiere(In(*this, glied));
  });
}

AbrechnungBytes AbrechnungRecord::pack() const {
  AbrechnungBytes b{};
  FuerJedes([&](std::size_t, std::size_t off, std::size_t kap, auto glied) {
    Schreib(b.data(), off, kap, In(*this, glied));
  });
  return b;
}

AbrechnungRecord AbrechnungRecord::unpack(const std::uint8_t* bytes) {
  AbrechnungRecord r;
  FuerJedes([&](std::size_t, std::size_t off, std::size_t kap, auto glied) {
    Lies(bytes, off, kap, In(r, glied));
  });
  return r;
}

AbrechnungKey AbrechnungKeyOf(const std::uint8_t* bytes) {
  return {GetInt32(bytes, 12), GetInt32(bytes, 4), GetInt32(bytes, 8), GetInt32(bytes, 1916)};
}

AbrechnungKey AbrechnungKeyOf(const AbrechnungRecord& r) {
  return {r.PersNrEdit, r.MonatComboBox, r.JahrComboBox, r.AbrechngComboBox};
}

}  // namespace lohn
