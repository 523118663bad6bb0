#include "reports/Lohnzettelsummen.h"

#include <algorithm>
#include <cmath>

#include "elda/SvGrundlagenTeilung.h"
#include "payroll/FormatBetrag.h"
#include "reports/BerichtLesen.h"

namespace lohn::lohnzettel {

// An amount that already lies on a cent (the usual stored value) needs no
// decimal text: the result is the same.
Cent Cents(double v) {
  if (v == 0) return 0;
  const double c = v * 100;
  if (std::fabs(v) < 1e7) {
    const double n = std::nearbyint(c);
    if (std::fabs(c - n) < 1e-6) return static_cast<Cent>(n);
  }
  return std::llround(RoundBetragHalfEven(v) * 100);
}

double AlsBetrag(Cent c) { return double(c) / 100; }

Monat MonatAus(const AbrechnungRecord& r) {
  Monat m;
  m.monat = std::int8_t(r.MonatComboBox);
  auto& c = m.cent;
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
  m.bmvg = r.BMVGbetragEdit;
  return m;
}

Jahr Addieren(const std::vector<Monat>& monate) {
  Jahr j;
  for (const Monat& m : monate) {
    j.ersterMonat = std::min<int>(j.ersterMonat, m.monat);
    j.letzterMonat = std::max<int>(j.letzterMonat, m.monat);
    for (std::size_t i = 0; i < kSummenAnzahl; ++i) j.cent[i] += m.cent[i];
    j.bmvg += m.bmvg;
    if (m.bmvg != 0) {
      if (j.ersterBmvgMonat == 0 || m.monat < j.ersterBmvgMonat) j.ersterBmvgMonat = m.monat;
      j.letzterBmvgMonat = std::max<int>(j.letzterBmvgMonat, m.monat);
    }
  }
  return j;
}

bool MonateLesen(AppState& state, const BerichtOptionen& o, ZeilenJePerson<Monat>& monate) {
  const int jahr = o.jahr, von = o.monatVon, bis = o.monatBis, nur = o.personalNr;
  const bool ausland = o.auslandstaetigkeit;
  return AbrechnungenLesen<Monat>(
      state, o.stem,
      [&](const AbrechnungKey& k) {
        return k.Jahr == jahr && k.Monat >= von && k.Monat <= bis && (nur == 0 || k.PersNr == nur);
      },
      [&](const AbrechnungRecord& r) -> std::optional<Monat> {
        if ((r.AuslandsTaetEdit != 0) != ausland) return std::nullopt;
        return MonatAus(r);
      },
      monate);
}

int MonatsLaenge(int jahr, int monat) {
  static constexpr std::array<int, 12> kTage{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (monat < 1 || monat > 12) return 31;
  const bool schaltjahr = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
  return monat == 2 && schaltjahr ? 29 : kTage[std::size_t(monat - 1)];
}

}  // namespace lohn::lohnzettel
