#include "reports/L16.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "output/L16Formular.h"
#include "payroll/Beitragsgruppen.h"
#include "payroll/FormatBetrag.h"
#include "reports/BerichtBloecke.h"
#include "reports/BerichtLesen.h"
#include "reports/BerichtText.h"
#include "reports/BetragGrenze.h"
#include "reports/Lohnzettelsummen.h"
#include "store/Cp1252.h"
#include "store/Numbers.h"
#include "store/StandortRecord.h"

namespace lohn {

namespace {

using namespace lohnzettel;

// What the slip shows of the employee record, kept from the one pass.
struct Person {
  std::int32_t nr = 0, plz = 0, sozialeStellung = 0, kinder = 0, standort = 0, werk = 0, uebmo = 0;
  std::string famName, vorname, strasse, ort, svNr, partnerNr, svTraeger, einAustritt;
  double entw = 0, prei = 0, bpend = 0, aufrollung = 0;
  bool weiblich = false, teilzeit = false, alleinverdiener = false, alleinerzieher = false,
       arbeiter = false, freierDn = false, geringf = false, szAnspruch = false,
       szOhneAllgBeitr = false;
};

Person PersonAus(const PersonalRecord& p) {
  Person x;
  x.nr = p.PersNrEdit;
  x.plz = p.PLZEdit;
  x.sozialeStellung = p.SozialeStellungEdit;
  x.kinder = p.AnzahlKinderEdit;
  x.standort = p.gehoertZuStandortEdit;
  x.werk = p.WERK_Edit;
  x.uebmo = p.UEBMO_Edit;
  x.famName = p.FamNameEdit;
  x.vorname = p.VornameEdit;
  x.strasse = p.StrasseEdit;
  x.ort = p.OrtEdit;
  x.svNr = p.SVNrEdit;
  x.partnerNr = p.AustrittsDatumEdit;    // the partner's SV number
  x.einAustritt = p.EintrittsDatumEdit;  // "TT.MM.JJJJ-TT.MM.JJJJ"
  x.svTraeger = p.SVtraegerEdit;
  x.entw = p.ENTW_Edit;
  x.prei = p.PREI_Edit;
  x.bpend = p.BPEND_Edit;
  x.aufrollung = p.AufrollungEdit;
  x.weiblich = p.weiblichCheckBox;
  x.teilzeit = p.TeilzeitCheckBox;
  x.alleinverdiener = p.Alleinverdiener;
  x.alleinerzieher = p.grPendlPausch;
  x.arbeiter = p.ArbeiterCheckBoxNeu;
  x.freierDn = p.freierDNcheckBox;
  x.geringf = p.GeringfCheckBox;
  x.szAnspruch = p.SZanspruchCheckBox;
  x.szOhneAllgBeitr = p.SZohneAllgBeitrCheckBox;
  return x;
}

const char* JN(bool ja) { return ja ? "J" : "N"; }

std::string ZuGrossMeldung(const Person& p, double betrag) {
  return lohn::ZuGrossMeldung("Der Betrag", betrag, DesDienstnehmers(p.nr, p.famName),
                              "den Lohnzettel",
                              "Für diesen Dienstnehmer wird kein Lohnzettel gedruckt.");
}

// The run's fixed values.
struct Lauf {
  const BerichtOptionen& o;
  const DienstgeberGlobals& dg;
  const std::map<std::int32_t, StandortRecord>& standorte;
  std::array<std::string, 2> hintergrund;
  // The slip, or nothing when an amount or sum lies beyond kMaxCents (then
  // `zuGross` holds the first of them).
  std::optional<L16Blatt> Blatt(const Person& p, const Jahr& j,
                                std::optional<double>& zuGross) const {
    zuGross = j.zuGross;
    if (zuGross) return std::nullopt;
    auto Betrag = [&](Cent c) {
      if (!ImRahmen(c) && !zuGross) zuGross = AlsBetrag(c);
      return FormatL16Amount15(AlsBetrag(c));
    };
    auto Cents = [&](double v) {
      const auto c = lohnzettel::Cents(v);
      if (!c && !zuGross) zuGross = v;
      return c.value_or(0);
    };
    L16Blatt b;
    b.personalNr = p.nr;
    b.seiten[0].texte.reserve(64);
    b.seiten[1].texte.reserve(32);
    auto text = [](L16Seite& s, int x, int y, std::string t) {
      if (!t.empty()) s.texte.push_back({x, y, std::move(t)});
    };
    auto zahl = [](long long v) { return std::to_string(v); };
    L16Seite& s1 = b.seiten[0];
    auto t1 = [&](int x, int y, std::string t) { text(s1, x, y, std::move(t)); };
    const auto& c = j.cent;

    const Tage tage = PeriodenTage(o, j, p.einAustritt);
    // Both credits need a child, as the wage tax grants them.
    const bool kind = p.kinder >= 1;
    const Cent prei = Cents(p.prei);

    t1(129, 60, zahl(tage.von));
    t1(176, 60, zahl(j.ersterMonat));
    t1(289, 60, zahl(tage.bis));
    t1(330, 60, zahl(j.letzterMonat));
    t1(380, 60, zahl(o.jahr));
    t1(570, 40, dg.DienstgeberFinanzamtNr);
    t1(610, 40, dg.DienstgeberSteuerNr);
    t1(70, 130, p.famName);
    t1(500, 95, zahl(p.sozialeStellung));
    t1(573, 95, p.svNr);
    t1(p.weiblich ? 500 : 585, 130, "J");
    if (p.alleinerzieher && kind) t1(673, 165, "J");
    t1(p.teilzeit ? 814 : 699, 130, "J");
    t1(70, 165, p.vorname);
    t1(546, 165, JN(p.alleinverdiener && kind));
    t1(814, 165, JN(p.alleinerzieher && kind));
    t1(800, 200, zahl(p.kinder));
    t1(70, 200, p.strasse);
    t1(70, 235, zahl(p.plz));
    t1(180, 235, p.ort);
    t1(620, 235, p.partnerNr);
    t1(665, 275,
       Betrag(c[kBrutto] + c[kSonderzahlung] + c[kSzSvFrei] + c[kSonstSz] + c[kSachbezuege]));
    t1(665, 310, Betrag(c[kFreibetr]));
    t1(665, 348, Betrag(c[kSzSvFrei] + c[kSonderzahlung] - c[kUeberschreitung]));
    t1(430, 385, Betrag(c[kSvAbzGes]));
    t1(430, 422, Betrag(c[kSvDnSzGesamt]));
    t1(430, 457, Betrag(c[kSonstSzSv]));
    t1(665, 419, Betrag(c[kSvDnGesamt]));
    t1(665, 485, Betrag(c[kLandarbFrei]));
    t1(430, 516, Betrag(c[kAuslandsTaet]));
    t1(430, 554, Betrag(Cents(p.entw)));
    t1(430, 591, Betrag(prei));
    Cents(p.bpend);  // only checked: the field shows it as stored
    t1(320, 663, FormatL16Amount8(p.bpend));
    t1(430, 625, Betrag(c[kNormArbeitszeit]));
    t1(430, 690, Betrag(c[kFreiwillBeitr]));
    t1(430, 728, Betrag(c[kSonstSz]));
    t1(430, 763, Betrag(c[kSonstSteuerfr]));
    t1(665, 690,
       Betrag(c[kSonstSz] + prei + c[kNormArbeitszeit] + c[kAuslandsTaet] + c[kFreiwillBeitr] +
              c[kSonstSteuerfr]));
    t1(665, 763,
       Betrag(c[kBrutto] - prei + c[kSachbezuege] - c[kFreibetr] - c[kSvAbzGes] + c[kSvDnSzGesamt] +
              c[kSonstSzSv] + c[kUeberschreitung] - c[kNormArbeitszeit] - c[kAuslandsTaet] -
              c[kFreiwillBeitr] - c[kSonstSteuerfr] - c[kLandarbFrei]));
    t1(430, 799, Betrag(c[kLstGesamt]));
    t1(430, 836, Betrag(c[kSonstSzLst]));
    t1(665, 835, Betrag(c[kLstGesamt] - c[kSonstSzLst]));
    t1(277, 871, Betrag(c[kUeberschreitung]));
    t1(665, 871, Betrag(c[kFreibetrLtMitteilg]));
    t1(277, 909, Betrag(c[kSpesenersatz]));
    t1(665, 909, Betrag(Cents(p.aufrollung)));
    t1(408, 978, zahl(p.werk));
    t1(793, 978, zahl(p.uebmo));
    t1(665, 944, Betrag(c[kBmvgUebertragung]));
    t1(277, 944, Betrag(c[kAuslPensDg]));

    L16Seite& s2 = b.seiten[1];
    auto t2 = [&](int x, int y, std::string t) { text(s2, x, y, std::move(t)); };
    if (p.standort != 0) {
      const auto it = standorte.find(p.standort);
      if (it != standorte.end()) {
        const StandortRecord& st = it->second;
        t2(273, 682, st.Strasse);
        t2(273, 719, st.AdressZusatz);
        t2(273, 756, zahl(st.Plz));
        t2(467, 755, st.Ort);
        t2(274, 827, st.GemeindeKz);
      }
    }
    t2(266, 47, p.svTraeger);
    t2(637, 48, dg.DienstgeberBeitragskontoNr);
    t2(637, 83, JN(p.szAnspruch));
    t2(829, 83, JN(p.szOhneAllgBeitr));
    t2(215, 119, JN(p.arbeiter));
    t2(413, 120, JN(!p.arbeiter));
    t2(637, 120, JN(p.freierDn));
    t2(830, 120, JN(p.geringf));
    t2(678, 157, Betrag(c[kTeilentgelt]));
    t2(788, 195, FormatL16Whole(4, double(c[kTageTeilentgelt]) / 100));
    t2(327, 83, zahl(j.ersterMonat));
    t2(395, 83, zahl(j.letzterMonat));
    t2(261, 157, Betrag(c[kFiktiv] + c[kSvAllgemein] - c[kTeilentgelt]));
    t2(261, 195, Betrag(c[kSvSonder]));
    t2(261, 230, Betrag(Cents(j.bmvg * 100 / kBmvgSatz)));
    t2(639, 230, zahl(j.ersterBmvgMonat));
    t2(707, 230, zahl(j.letzterBmvgMonat));
    t2(261, 266, Betrag(c[kBmvgGerundet]));
    t2(81, 935, CutChars(dg.DienstgeberAnrede + " " + dg.DienstgeberName, 50));
    t2(81, 955,
       CutChars(dg.DienstgeberPlz + " " + dg.DienstgeberOrt + ", " + dg.DienstgeberStrasse, 50));
    t2(81, 975, CutChars(dg.DienstgeberTelefon, 50));
    if (zuGross) return std::nullopt;
    return b;
  }
};

// An employee in file order: a slip, or a line of the deregistered list.
struct Eintrag {
  std::optional<Person> person;
  std::string zeile;
};

// The employees with payroll (one alone when the options name him) and the
// deregistered ones. They are gathered first, so no file stays open while
// the previews show.
bool EintraegeLesen(AppState& state, const BerichtOptionen& o, const ZeilenJePerson<Monat>& monate,
                    std::vector<Eintrag>& eintraege) {
  const int nur = o.personalNr;
  return PersonalLesen(state, o.stem, [&](const PersonalRecord& p) {
    if (nur != 0 && p.PersNrEdit != nur) return;
    // Alone by his number a deregistered employee gets his slip.
    if (nur == 0 && p.DNabgemeldetCheckBox) {
      eintraege.push_back({std::nullopt, BerichtText::I(p.PersNrEdit, 12) + " " + p.FamNameEdit});
      return;
    }
    const auto it = monate.find(p.PersNrEdit);
    if (it != monate.end() && !it->second.empty()) eintraege.push_back({PersonAus(p), {}});
  });
}

// The slips made on the helpers a run at a time and shown in order, the
// deregistered listed between them; "Nein" to the question about the next
// slip ends both (leaving at most two runs made for nothing). True when
// the list names anyone.
bool BlaetterZeigen(AppState& state, const BerichtOptionen& o, Lauf& lauf,
                    const ZeilenJePerson<Monat>& monate, const std::vector<Eintrag>& eintraege,
                    BerichtText& liste) {
  auto& dlg = state.dialogs();
  BerichtHooks* hooks = state.berichte ? &state.berichte->hooks : nullptr;
  // The question about the next slip only where another one follows.
  std::size_t letzter = 0;
  for (std::size_t i = 0; i < eintraege.size(); ++i)
    if (eintraege[i].person) letzter = i;
  struct Ergebnis {
    std::optional<L16Blatt> blatt;
    std::optional<double> zuGross;
  };
  std::size_t i = 0;  // the entry of the next result
  bool erster = true, abgemeldete = false, weiter = true;
  Laeufe<Ergebnis> laeufe([&](std::span<Ergebnis> gemacht) {
    for (Ergebnis& r : gemacht) {
      const std::size_t k = i++;
      const Eintrag& e = eintraege[k];
      if (!weiter) return;
      if (!e.person) {
        liste.Zeile(e.zeile);
        abgemeldete = true;
      } else if (!r.blatt) {
        dlg.ShowMessage(ZuGrossMeldung(*e.person, *r.zuGross));
      } else {
        // The bitmaps are read (and a missing one named) for the first slip only.
        if (erster) lauf.hintergrund = L16Hintergruende(dlg);
        for (std::size_t s = 0; s < 2; ++s) r.blatt->seiten[s].hintergrund = lauf.hintergrund[s];
        if (hooks && hooks->ZeigeL16) hooks->ZeigeL16(*r.blatt, erster);
        erster = false;
        weiter = o.personalNr != 0 || k >= letzter || dlg.AskYesNo(kL16Naechster);
      }
    }
  });
  for (const Eintrag& e : eintraege) {
    if (!weiter) break;
    laeufe.Neu([&lauf, &monate, &e](Ergebnis& r) {
      if (e.person) r.blatt = lauf.Blatt(*e.person, Addieren(monate[e.person->nr]), r.zuGross);
    });
  }
  laeufe.Ende();
  return abgemeldete;
}

}  // namespace

bool PrintL16(AppState& state, const BerichtOptionen& o) {
  BerichtText liste;
  liste.Zeile("Für folgende(n) Dienstnehmer ist die Checkbox \"[x] DN abgemeldet ...\" ");
  liste.Zeile("im Fenster \"Dienstnehmer und Abrechnungsdaten\" angehakt,");
  liste.Zeile("daher wird für diese(n) DN kein Lohnzettel gedruckt");
  liste.Zeile();
  liste.Zeile("Personal-Nr. Name ");
  liste.Zeile(std::string(94, '-'));

  // One payroll pass; a later record of a key replaces an earlier one, and
  // one the foreign-activity choice leaves out drops its month.
  ZeilenJePerson<Monat> monate;
  if (!MonateLesen(state, o, monate)) return false;
  const auto standorte = ReadAllStandortRecords(o.stem, kStandortExt);
  std::vector<Eintrag> eintraege;
  if (!EintraegeLesen(state, o, monate, eintraege)) return false;

  Lauf lauf{o, state.Dienstgeber, standorte, {}};
  const bool abgemeldete = BlaetterZeigen(state, o, lauf, monate, eintraege, liste);
  if (!liste.Schreiben(state)) return false;
  if (abgemeldete && state.dialogs().AskYesNo(kL16AbgemeldeteZeigen)) {
    if (state.berichte)
      state.berichte->ZeigeBericht(AnsichtGroesse{10, false, 10},
                                   "JahresLohnzettel mit Formular L16");
    else
      ShowBericht(state);
  }
  return true;
}

}  // namespace lohn
