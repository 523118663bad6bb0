#include "reports/DienstnehmerListen.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "reports/BerichtBloecke.h"
#include "reports/BerichtLesen.h"
#include "reports/BerichtText.h"
#include "reports/BetragGrenze.h"
#include "store/Cp1252.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

std::string Label(const char* text, int breite = 22) { return PadText(text, breite, true); }

// `n` characters from character `von` on (fewer at the end of the text).
std::string Zeichen(const std::string& s, std::size_t von, std::size_t n = std::string::npos) {
  const std::string rest = s.substr(CutChars(s, von).size());
  return n == std::string::npos ? rest : CutChars(rest, n);
}

std::string Stellung(std::int32_t s) {
  const char* namen[] = {"", "Lehrling", "Arbeiter", "Angestellter"};
  return BerichtText::I(s, 1) + " = " + (s >= 1 && s <= 3 ? namen[s] : "");
}

// A long remark goes on to a second line below the first one's text.
void Bemerkung(BerichtText& text, const char* label, const std::string& bemerkung) {
  constexpr std::size_t kZeile = 50;
  if (CharCount(bemerkung) <= kZeile) {
    text.Zeile(Label(label) + bemerkung);
    return;
  }
  text.Zeile(Label(label) + CutChars(bemerkung, kZeile) + "-");
  text.Zeile(std::string(22, ' ') + Zeichen(bemerkung, kZeile));
}

std::string Marke(bool teil) { return teil ? "*" : " "; }

// Every employee of the file gets his block.
bool AlleDienstnehmer(std::int32_t) { return true; }

struct StundenZeile {
  int monat = 0;
  bool teil = false;
  std::array<double, 8> stunden{};
};

struct KontoStand {
  int jahr = 0, monat = 0;
  bool teil = false;
  double urlaub = 0, zeit = 0;
};

using R = AbrechnungRecord;
const AbrechnungFelder kStundenFelder(&R::NormalstundenEdit, &R::MehrstundenEdit,
                                      &R::Ueberstunden50Edit, &R::Ueberstunden75Edit,
                                      &R::Ueberstunden100Edit, &R::Ueberstunden200Edit,
                                      &R::UrlaubstundenEdit, &R::FehlstundenEdit);
const AbrechnungFelder kKontoFelder(&R::UrlaubsKontoTageEdit, &R::ZeitKontoStdEdit);

// One employee's page of the hours list and of the holiday list; the first
// starts none.
void ZeitenSeite(BerichtText& text, const BerichtOptionen& o, const std::string& strich,
                 const PersonalRecord& p, std::span<const StundenZeile> eigene, bool erste);
void KontoSeite(BerichtText& text, const BerichtOptionen& o, const std::string& strich,
                const PersonalRecord& p, std::span<const KontoStand> eigene, bool erste);

}  // namespace

bool PrintDienstnehmerZeiten(AppState& state, const BerichtOptionen& o) {
  ZeilenJePerson<StundenZeile> zeilen;
  const bool gelesen = AbrechnungenLesen<StundenZeile>(
      state, o.stem, kStundenFelder,
      [&](const AbrechnungKey& k) {
        return k.Jahr == o.jahr && k.Monat >= o.monatVon && k.Monat <= o.monatBis;
      },
      [](const AbrechnungRecord& r) {
        return StundenZeile{
            r.MonatComboBox,
            r.AbrechngComboBox > 0,
            {r.NormalstundenEdit, r.MehrstundenEdit, r.Ueberstunden50Edit, r.Ueberstunden75Edit,
             r.Ueberstunden100Edit, r.Ueberstunden200Edit, r.UrlaubstundenEdit, r.FehlstundenEdit}};
      },
      zeilen);
  if (!gelesen) return false;

  BerichtText text;
  const std::string strich(101, '-');
  // The employees' pages are made several at once.
  const bool ok = BerichtImRahmen(state, [&] {
    return PersonenBloecke(state, o.stem, text, AlleDienstnehmer,
                           [&](BerichtText& t, const PersonalRecord& p, bool erste) {
                             ZeitenSeite(t, o, strich, p, zeilen[p.PersNrEdit], erste);
                           });
  });
  return ok && text.Zeilen() > 0 && text.Schreiben(state);
}

namespace {

void ZeitenSeite(BerichtText& text, const BerichtOptionen& o, const std::string& strich,
                 const PersonalRecord& p, std::span<const StundenZeile> eigene, bool erste) {
  if (!erste) text.Seitenwechsel();
  text.Zeile("DIENSTNEHMER-ZEITEN von " + o.stem);
  text.Zeile("DN: " + p.FamNameEdit + " " + p.VornameEdit + ", " + p.OrtEdit);
  text.Zeile("SV-Nr: " + p.SVNrEdit + " BeitragsGruppe: " + p.BeitragsgruppeComboBox);
  text.Zeile("Für den Zeitraum von: " + BerichtText::I(o.monatVon, 2) + " bis " +
             BerichtText::I(o.monatBis, 2) + " " + BerichtText::I(o.jahr, 4));
  text.Zeile(strich);
  text.Zeile(
      "Monat   Normalstd     MehrStd  UeberStd50  UeberStd75 UeberStd100 UeberStd200   "
      "UrlaubStd     FehlStd");
  text.Zeile(strich);
  // The hours in hundredths, each sum that of the lines as printed.
  const BetragGrenze grenze{"den Bericht \"Dienstnehmer-Zeiten\""};
  const std::string wessen = DesDienstnehmers(p.PersNrEdit, p.FamNameEdit);
  std::array<Cent, 8> summe{};
  std::string zeile;
  for (const StundenZeile& z : eigene) {
    zeile = BerichtText::I(z.monat, 4) + Marke(z.teil);
    for (std::size_t i = 0; i < summe.size(); ++i) {
      const Cent c = grenze.Cents(z.stunden[i], wessen);
      BerichtText::A(zeile, AlsBetrag(c), 12);
      grenze.Addiere(summe[i], c, wessen);
    }
    text.Zeile(zeile);
  }
  text.Zeile(strich);
  zeile.assign(5, ' ');
  for (Cent s : summe) BerichtText::A(zeile, AlsBetrag(s), 12);
  text.Zeile(zeile);
  text.Zeile(std::string(101, '='));
  text.Zeile("*) Teilabrechnung");
}

}  // namespace

bool PrintUrlaubsZeitkonto(AppState& state, const BerichtOptionen& o) {
  const int persNr = o.personalNr, jahr = o.jahr;
  ZeilenJePerson<KontoStand> zeilen;
  const bool gelesen = AbrechnungenLesen<KontoStand>(
      state, o.stem, kKontoFelder,
      [&](const AbrechnungKey& k) { return k.Jahr <= jahr && (persNr == 0 || k.PersNr == persNr); },
      [](const AbrechnungRecord& r) {
        return KontoStand{r.JahrComboBox, r.MonatComboBox, r.AbrechngComboBox > 0,
                          r.UrlaubsKontoTageEdit, r.ZeitKontoStdEdit};
      },
      zeilen);
  if (!gelesen) return false;

  BerichtText text;
  const std::string strich(55, '-');
  // The employees' pages are made several at once.
  const bool ok = BerichtImRahmen(state, [&] {
    return PersonenBloecke(
        state, o.stem, text, [&](std::int32_t nr) { return persNr == 0 || nr == persNr; },
        [&](BerichtText& t, const PersonalRecord& p, bool erste) {
          KontoSeite(t, o, strich, p, zeilen[p.PersNrEdit], erste);
        });
  });
  return ok && text.Zeilen() > 0 && text.Schreiben(state);
}

namespace {

void KontoSeite(BerichtText& text, const BerichtOptionen& o, const std::string& strich,
                const PersonalRecord& p, std::span<const KontoStand> eigene, bool erste) {
  const int jahr = o.jahr;
  if (!erste) text.Seitenwechsel();
  text.Zeile("URLAUBS- UND ZEITKONTO von " + o.stem);
  text.Zeile("DN: " + p.FamNameEdit + " " + p.VornameEdit);
  text.Zeile("    " + p.OrtEdit);
  text.Zeile("SV-Nr: " + p.SVNrEdit + " BeitragsGruppe: " + p.BeitragsgruppeComboBox);
  text.Zeile("Für den Zeitraum von: 1 bis 12 " + BerichtText::I(jahr, 4));
  text.Zeile(strich);
  text.Zeile("Monat                  Urlaub               Zeitkonto");
  text.Zeile(strich);
  // Days and hours in hundredths, each sum that of the lines as printed.
  const BetragGrenze grenze{"den Bericht \"Urlaubs- und Zeitkonten\""};
  const std::string wessen = DesDienstnehmers(p.PersNrEdit, p.FamNameEdit);
  Cent urlaub = 0, zeit = 0;
  auto addiere = [&](const KontoStand& z) {
    const Cent u = grenze.Cents(z.urlaub, wessen), s = grenze.Cents(z.zeit, wessen);
    grenze.Addiere(urlaub, u, wessen);
    grenze.Addiere(zeit, s, wessen);
    return std::pair{u, s};
  };
  for (const KontoStand& z : eigene)
    if (z.jahr < jahr) addiere(z);
  text.Zeile("    Anfangsstand:" + BerichtText::A(AlsBetrag(urlaub), 12) +
             BerichtText::A(AlsBetrag(zeit), 24));
  text.Zeile(strich);
  for (const KontoStand& z : eigene) {
    if (z.jahr != jahr) continue;
    const auto [u, s] = addiere(z);
    if (z.monat >= 1 && z.monat <= 12)
      text.Zeile(BerichtText::I(z.monat, 4) + Marke(z.teil) + BerichtText::A(AlsBetrag(u), 24) +
                 BerichtText::A(AlsBetrag(s), 24));
  }
  text.Zeile(strich);
  text.Zeile("    Gesamt:      " + BerichtText::A(AlsBetrag(urlaub), 12) +
             BerichtText::A(AlsBetrag(zeit), 24));
  text.Zeile(std::string(56, '='));
  text.Zeile("*) Teilabrechnung");
}

}  // namespace

bool PrintDienstnehmerDaten(AppState& state, const BerichtOptionen& o) {
  BerichtText text;
  const std::string strich(73, '-');
  const BetragGrenze grenze{"den Bericht \"Dienstnehmer-Daten gesamt\""};
  const bool ok = BerichtImRahmen(state, [&] {
    return PersonenBloecke(
        state, o.stem, text, AlleDienstnehmer,
        [&](BerichtText& t, const PersonalRecord& p, bool erste) {
          const std::string wessen = DesDienstnehmers(p.PersNrEdit, p.FamNameEdit);
          if (!erste) t.Seitenwechsel();
          t.Zeile("DIENSTNEHMER-DATEN von " + o.stem);
          t.Zeile(Label("Personal-Nr:") + BerichtText::I(p.PersNrEdit));
          t.Zeile(strich);
          t.Zeile(Label("Anschrift:") + p.FamNameEdit + " " + p.VornameEdit);
          t.Zeile(Label("") + p.StrasseEdit);
          t.Zeile(Label("") + BerichtText::I(p.PLZEdit, 4) + " " + p.OrtEdit);
          t.Zeile();
          t.Zeile(Label("Telefon:") + p.TelefonEdit);
          t.Zeile();
          t.Zeile(Label("Versicherungsdaten:"));
          t.Zeile(Label("      SV-Nr:") + p.SVNrEdit);
          t.Zeile(Label("      BeitragsGr.:") + p.BeitragsgruppeComboBox);
          t.Zeile();
          t.Zeile(Label("Soziale Stellung:") + Stellung(p.SozialeStellungEdit));
          t.Zeile();
          t.Zeile(Label("Bezüge:"));
          t.Zeile(Label("      Gehalt:") + grenze.A(p.GehaltEdit, 9, wessen));
          t.Zeile(Label("      Stundenlohn:") + grenze.A(p.StundenlohnEdit, 9, wessen));
          t.Zeile(Label("      Sonst.Bezüge:") + grenze.A(p.ZulageEdit, 9, wessen));
          t.Zeile(Label("      Sachbezüge:") + grenze.A(p.SachbezuegeEdit, 9, wessen));
          Bemerkung(t, "      Bemerkung:", p.BemerkungenEdit);
          t.Zeile();
          t.Zeile(Label("Sonstiges:"));
          t.Zeile(Label("      BIC (BLZ/Bank):") + p.BankEdit);
          t.Zeile(Label("      IBAN (Konto):") + p.BankKtoNrEdit);
          t.Zeile(Label("      Familienstand:") + p.FamStandEdit);
          t.Zeile(Label("      Landeskennz.:") + p.StaatEdit);
          t.Zeile(Label("      Beruf:") + p.BerufEdit);
          t.Zeile(Label("      Ein/Austritt:") + p.EintrittsDatumEdit);
          t.Zeile();
          t.Zeile(Label("Urlaubsanspruch:", 19) + grenze.A(p.UrlaubsAnspruchEdit, 9, wessen) +
                  " Tage");
          t.Zeile(strich);
        });
  });
  return ok && text.Zeilen() > 0 && text.Schreiben(state);
}

bool PrintLohnGehaltsliste(AppState& state, const BerichtOptionen& o) {
  BerichtText text;
  text.Zeile("LOHN-GEHALTSLISTE von " + o.stem);
  const BetragGrenze grenze{"den Bericht \"Lohn-Gehaltsliste\""};
  const bool ok = BerichtImRahmen(state, [&] {
    return PersonalLesen(state, o.stem, [&](const PersonalRecord& p) {
      const std::string wessen = DesDienstnehmers(p.PersNrEdit, p.FamNameEdit);
      text.Zeile(std::string(73, '-'));
      text.Zeile(Label("Personal-Nr:") + BerichtText::I(p.PersNrEdit));
      text.Zeile(Label("Dienstnehmer:") + p.FamNameEdit + " " + p.VornameEdit);
      text.Zeile(Label("Soziale Stellung:") + Stellung(p.SozialeStellungEdit));
      text.Zeile(Label(p.ArbeiterCheckBox ? "   Std-Lohn:" : "   Gehalt:") +
                 grenze.A(p.GehaltEdit, 9, wessen));
      text.Zeile(Label("   Überstd-Satz") + grenze.A(p.StundenlohnEdit, 9, wessen));
      text.Zeile(Label("   Sonst.Bezüge:") + grenze.A(p.ZulageEdit, 9, wessen));
      text.Zeile(Label("   Sachbezüge:") + grenze.A(p.SachbezuegeEdit, 9, wessen));
      Bemerkung(text, "   Bemerkung:", p.BemerkungenEdit);
      text.Zeile();
    });
  });
  return ok && text.Schreiben(state);
}

bool PrintDienstnehmerAdressen(AppState& state, const BerichtOptionen& o) {
  BerichtText text;
  const bool ok = PersonenBloecke(state, o.stem, text, AlleDienstnehmer,
                                  [](BerichtText& t, const PersonalRecord& p, bool erste) {
                                    if (!erste) t.Seitenwechsel();
                                    for (int i = 0; i < 9; ++i) t.Zeile();
                                    t.Zeile("   " + p.VornameEdit + " " + p.FamNameEdit);
                                    t.Zeile("   " + p.StrasseEdit);
                                    t.Zeile("   " + BerichtText::I(p.PLZEdit, 4) + " " + p.OrtEdit);
                                  });
  return ok && text.Zeilen() > 0 && text.Schreiben(state);
}

bool PrintDienstnehmerGeburtsdaten(AppState& state, const BerichtOptionen& o) {
  BerichtText text;
  text.Zeile("DIENSTNEHMER-GEBURTSDATEN von " + o.stem);
  const bool ok = PersonalLesen(state, o.stem, [&](const PersonalRecord& p) {
    text.Zeile(std::string(94, '-'));
    text.Zeile(Label("Personal-Nr:", 21) + BerichtText::I(p.PersNrEdit));
    text.Zeile(Label("Dienstnehmer:", 21) + p.FamNameEdit + " " + p.VornameEdit);
    const std::string& sv = p.SVNrEdit;
    // A shorter number (older or hand-edited records) has no date to split.
    if (CharCount(sv) < 10)
      text.Zeile("SV-Nr / Geburtsdatum " + sv);
    else
      text.Zeile("SV-Nr / Geburtsdatum " + Zeichen(sv, 0, 4) + " / " + Zeichen(sv, 4, 2) + "." +
                 Zeichen(sv, 6, 2) + "." + Zeichen(sv, 8, 2) + " " + Zeichen(sv, 10));
  });
  if (!ok) return false;
  text.Zeile();
  return text.Schreiben(state);
}

}  // namespace lohn
