#include "reports/Lohnzettelsummen.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "elda/SvGrundlagenTeilung.h"
#include "payroll/FormatBetrag.h"
#include "reports/BerichtLesen.h"
#include "store/EinAustritt.h"

namespace lohn::lohnzettel {

Monat MonatAus(const AbrechnungRecord& r) {
  Monat m;
  m.monat = std::int8_t(r.MonatComboBox);
  auto& c = m.cent;
  // A stored amount beyond the bound counts 0 and is noted: the slip is refused.
  auto Cents = [&m](double v) -> Cent {
    const auto cent = lohnzettel::Cents(v);
    if (!cent && !m.zuGross) m.zuGross = v;
    return cent.value_or(0);
  };
  const SvGrundlagenTeile teile = TeileSvGrundlagen(r, false);
  c[kBrutto] = Cents(r.BruttoEdit);
  c[kFiktiv] = Cents(r.fiktiveBMGedit);
  c[kSvAllgemein] = Cents(teile.allgemein);
  c[kSvSonder] = Cents(teile.sonderzahlung);
  c[kTeilentgelt] = Cents(r.TeilentgeltEdit);
  c[kTageTeilentgelt] = Cents(r.TageTeilentgeltEdit);
  c[kSonderzahlung] = Cents(r.SonderzahlungEdit);
  c[kSzSvFrei] = Cents(r.SZSVfreiEdit);
  c[kSonstSz] = Cents(r.SonstSZEdit);
  c[kSachbezuege] = Cents(r.SachbezuegeAbreEdit);
  c[kUeberschreitung] = Cents(r.SueberschreitungEdit);
  c[kSvAbzGes] = Cents(r.SV_AbzGesEdit);
  c[kSvDnSzGesamt] = Cents(r.SV_DN_SZ_GesamtEdit);
  c[kSonstSzSv] = Cents(r.SonstSZSVEdit);
  c[kSvDnGesamt] = Cents(r.SV_DN_GesamtEdit);
  c[kLandarbFrei] = Cents(r.LandarbFreiEdit);
  c[kAuslandsTaet] = Cents(r.AuslandsTaetEdit);
  c[kNormArbeitszeit] = Cents(r.NormArbeitszeitEdit);
  c[kFreiwillBeitr] = Cents(r.freiwillBeitrEdit);
  c[kSonstSteuerfr] = Cents(r.SonstSteuerfrEdit);
  c[kLstGesamt] = Cents(r.LstGesamt);
  c[kSonstSzLst] = Cents(r.SonstSZLSTEdit);
  c[kFreibetrLtMitteilg] = Cents(r.FreibetrLtMitteilgEdit);
  c[kSpesenersatz] = Cents(r.SpesenersatzEdit);
  c[kBmvgUebertragung] = Cents(r.BMVGUebertragungsBetragEdit);
  c[kAuslPensDg] = Cents(r.AuslPensDGEdit);
  c[kBmvgGerundet] = Cents(r.BMVGbetragEdit);
  c[kFreibetr] = Cents(r.FreibetrEdit) - c[kFreibetrLtMitteilg] - c[kNormArbeitszeit] -
                 c[kAuslandsTaet] - c[kFreiwillBeitr] - c[kSonstSteuerfr] - c[kLandarbFrei];
  if (!ImRahmen(c[kFreibetr]) && !m.zuGross) m.zuGross = AlsBetrag(c[kFreibetr]);
  m.bmvg = r.BMVGbetragEdit;
  return m;
}

Jahr Addieren(std::span<const Monat> monate) {
  Jahr j;
  for (const Monat& m : monate) {
    j.ersterMonat = std::min<int>(j.ersterMonat, m.monat);
    j.letzterMonat = std::max<int>(j.letzterMonat, m.monat);
    if (j.zuGross) continue;  // the months are still noted; the sums stop
    if (m.zuGross) {
      j.zuGross = m.zuGross;
      continue;
    }
    for (std::size_t i = 0; i < kSummenAnzahl; ++i) {
      j.cent[i] += m.cent[i];  // both within the bound: no overflow
      if (!ImRahmen(j.cent[i]) && !j.zuGross) j.zuGross = AlsBetrag(j.cent[i]);
    }
    j.bmvg += m.bmvg;
    if (m.bmvg != 0) {
      if (j.ersterBmvgMonat == 0 || m.monat < j.ersterBmvgMonat) j.ersterBmvgMonat = m.monat;
      j.letzterBmvgMonat = std::max<int>(j.letzterBmvgMonat, m.monat);
    }
  }
  return j;
}

// The fields MonatAus reads (TeileSvGrundlagen's among them) and the
// foreign-activity test.
using R = AbrechnungRecord;
const AbrechnungFelder kFelder(&R::BruttoEdit, &R::fiktiveBMGedit, &R::SVBeitragsgrundlageEdit,
                               &R::SVBeitragsGrundlageSonderzahlungEdit, &R::SueberschreitungEdit,
                               &R::ueberMaxSVBeitrGrdlSZUeberJSechstel_SV, &R::TeilentgeltEdit,
                               &R::TageTeilentgeltEdit, &R::SonderzahlungEdit, &R::SZSVfreiEdit,
                               &R::SonstSZEdit, &R::SachbezuegeAbreEdit, &R::SV_AbzGesEdit,
                               &R::SV_DN_SZ_GesamtEdit, &R::SonstSZSVEdit, &R::SV_DN_GesamtEdit,
                               &R::LandarbFreiEdit, &R::AuslandsTaetEdit, &R::NormArbeitszeitEdit,
                               &R::freiwillBeitrEdit, &R::SonstSteuerfrEdit, &R::LstGesamt,
                               &R::SonstSZLSTEdit, &R::FreibetrLtMitteilgEdit, &R::SpesenersatzEdit,
                               &R::BMVGUebertragungsBetragEdit, &R::AuslPensDGEdit,
                               &R::BMVGbetragEdit, &R::FreibetrEdit);

bool MonateLesen(AppState& state, const BerichtOptionen& o, ZeilenJePerson<Monat>& monate) {
  const int jahr = o.jahr, von = o.monatVon, bis = o.monatBis, nur = o.personalNr;
  const bool ausland = o.auslandstaetigkeit;
  return AbrechnungenLesen<Monat>(
      state, o.stem, kFelder,
      [&](const AbrechnungKey& k) {
        return k.Jahr == jahr && k.Monat >= von && k.Monat <= bis && (nur == 0 || k.PersNr == nur);
      },
      [&](const AbrechnungRecord& r) -> std::optional<Monat> {
        if ((r.AuslandsTaetEdit != 0) != ausland) return std::nullopt;
        return MonatAus(r);
      },
      monate);
}

Tage PeriodenTage(const BerichtOptionen& o, const Jahr& j, const std::string& einAustritt) {
  const int vonTag = o.vonTag >= 1 && o.vonTag <= 31 ? o.vonTag : 1;
  const int bisTag = o.bisTag >= 1 && o.bisTag <= 31 ? o.bisTag : 31;
  const int letzterTag = MonatsLaenge(o.jahr, j.letzterMonat);
  Tage t{std::min(vonTag, MonatsLaenge(o.jahr, j.ersterMonat)),
         j.letzterMonat == o.monatBis ? std::min(bisTag, letzterTag) : letzterTag};
  const Tage optionen = t;
  const auto [eintritt, austritt] = LeseEinAustritt(einAustritt);
  if (eintritt && eintritt->jahr == o.jahr && eintritt->monat == j.ersterMonat)
    t.von = std::max(t.von, eintritt->tag);
  if (austritt && austritt->jahr == o.jahr && austritt->monat == j.letzterMonat)
    t.bis = std::min(t.bis, austritt->tag);
  // An exit before the entry within one month: the dates cannot both be right.
  return t.von <= t.bis ? t : optionen;
}

}  // namespace lohn::lohnzettel
