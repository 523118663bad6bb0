#include "payroll/Hilfsrechner.h"

#include <algorithm>
#include <cmath>

#include "payroll/BerechnenButton.h"
#include "payroll/FormatBetrag.h"
#include "payroll/Lohnsteuer.h"
#include "payroll/PersFormAbrechnung.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

// Remaining holiday is kept in hours; a day has 7.7 of them.
constexpr double kTageJeUrlaubsstunde = 0.12987012987012987;
// Beyond this an aliquot entitlement is no number of days.
constexpr double kGroessteTagzahl = 1e9;

struct EingabenSammler : RechnerFeldBesucher {
  std::vector<std::string> werte;
  void Text(const char*, std::string& text, RechnerFeld art) override {
    if (art != RechnerFeld::Ergebnis) werte.push_back(text);
  }
  void Haken(const char*, bool& checked) override { werte.push_back(checked ? "1" : "0"); }
};

// Keeps digits, ",", "-" and "." of the named field.
struct BetragFilter : RechnerFeldBesucher {
  explicit BetragFilter(std::string_view n) : name(n) {}
  std::string_view name;
  void Text(const char* feld, std::string& text, RechnerFeld) override {
    if (name == feld) text = FilterNumber(text);
  }
  void Haken(const char*, bool&) override {}
};

template <class T>
std::vector<std::string> Eingaben(T texte) {
  EingabenSammler s;
  texte.Felder(s);
  return s.werte;
}

// Results of an earlier opening (perhaps for another employee) are not
// shown again.
struct ErgebnisseLeeren : RechnerFeldBesucher {
  void Text(const char*, std::string& text, RechnerFeld art) override {
    if (art == RechnerFeld::Ergebnis) text = "0";
  }
  void Haken(const char*, bool&) override {}
};

template <class T>
void Oeffnen(Rechner<T>& r) {
  ErgebnisseLeeren leeren;
  r.texte.Felder(leeren);
  r.beimOeffnen = r.texte;
  r.berechnetMit.reset();
  r.ohneErgebnis = false;
}

template <class T>
bool Aktuell(const Rechner<T>& r) {
  return r.berechnetMit && *r.berechnetMit == Eingaben(r.texte);
}

// Runs a computation on a copy of the texts; only a successful one is kept.
// A text that does not convert leaves no earlier result to take over.
template <class T, class F>
bool Berechne(PersFormKontext& k, Rechner<T>& r, F&& rechne) {
  T neu = r.texte;
  try {
    if (!rechne(neu)) return false;
  } catch (const ConversionError& e) {
    k.state.dialogs().ShowMessage(e.what());
    ErgebnisseLeeren leeren;
    r.texte.Felder(leeren);
    r.berechnetMit.reset();
    r.ohneErgebnis = true;
    return false;
  }
  r.texte = std::move(neu);
  r.berechnetMit = Eingaben(r.texte);
  r.ohneErgebnis = false;
  return true;
}

// An amount that a calculation wrote; an overflow is no amount.
std::string Betrag(double v) {
  if (!std::isfinite(v))
    throw ConversionError("'" + FloatToStrGeneral(v) + "' ist kein gültiger Fließkommawert");
  return FormatBetrag(v);
}

bool AuswahlFehlt(const PersFormModel& f) {
  return f.Text("MonatComboBox").empty() || f.Text("JahrComboBox").empty() ||
         f.Text("FamNameEdit").empty();
}

bool IstNull(const std::string& text) {
  try {
    return StrToFloat(text) == 0;
  } catch (const ConversionError&) {
    return true;
  }
}

void LeseUrlErsatzTage(const std::string& stem, std::string& tage) {
  auto inhalt = ReadTextFileUtf8(UrlErsatzTageDatei(stem));
  if (!inhalt) return;
  std::string text = inhalt->substr(0, inhalt->find(';'));
  const char* leer = " \t\r\n";
  const std::size_t von = text.find_first_not_of(leer);
  if (von == std::string::npos) return;
  tage = text.substr(von, text.find_last_not_of(leer) - von + 1);
}

}  // namespace

std::string UrlErsatzTageDatei(std::string_view stem) {
  return std::string(stem) + kUrlErsatzTageSuffix;
}

void TeilGehaltTexte::Felder(RechnerFeldBesucher& v) {
  v.Text("MonatsGehaltEdit", MonatsGehaltEdit, RechnerFeld::Eingabe);
  v.Text("TageEdit", TageEdit, RechnerFeld::Eingabe);
  v.Text("Tage_MonatEdit", Tage_MonatEdit, RechnerFeld::Eingabe);
  v.Text("GehaltEdit", GehaltEdit, RechnerFeld::Ergebnis);
}

void SonderzahlungTexte::Felder(RechnerFeldBesucher& v) {
  // The input in use is highlighted.
  const auto art = [](bool benutzt) {
    return benutzt ? RechnerFeld::FarbigeEingabe : RechnerFeld::Eingabe;
  };
  v.Text("BruttoLfdEdit", BruttoLfdEdit, art(!DurchschnittCheckBox));
  v.Text("BruttoDurchschnittEdit", BruttoDurchschnittEdit, art(DurchschnittCheckBox));
  v.Text("AnzahlMonateEdit", AnzahlMonateEdit, RechnerFeld::Eingabe);
  v.Haken("DurchschnittCheckBox", DurchschnittCheckBox);
  v.Text("SonderZahlungEdit", SonderZahlungEdit, RechnerFeld::Ergebnis);
}

void TagesLohnsteuerTexte::Felder(RechnerFeldBesucher& v) {
  v.Text("BruttoBezugEdit", BruttoBezugEdit, RechnerFeld::Eingabe);
  v.Text("TageEdit", TageEdit, RechnerFeld::Eingabe);
  v.Haken("AlleinErzVerdCheckBox", AlleinErzVerdCheckBox);
  v.Text("TagesLohnEdit", TagesLohnEdit, RechnerFeld::Ergebnis);
  v.Text("TagesLohnsteuerEdit", TagesLohnsteuerEdit, RechnerFeld::Ergebnis);
}

void UrlaubsAbfindungTexte::Felder(RechnerFeldBesucher& v) {
  v.Text("UrlaubsAnspruchEdit", UrlaubsAnspruchEdit, RechnerFeld::Eingabe);
  v.Text("TageJahrEdit", TageJahrEdit, RechnerFeld::Eingabe);
  v.Text("KalenderTageEdit", KalenderTageEdit, RechnerFeld::Eingabe);
  v.Text("verbrauchterUrlaubEdit", verbrauchterUrlaubEdit, RechnerFeld::Eingabe);
  v.Text("MonatsentgeltEdit", MonatsentgeltEdit, RechnerFeld::Eingabe);
  v.Text("Sonderzahlung12telEdit", Sonderzahlung12telEdit, RechnerFeld::Eingabe);
  v.Text("TageEdit", TageEdit, RechnerFeld::Eingabe);
  v.Text("AliquoterUrlaubEdit", AliquoterUrlaubEdit, RechnerFeld::Ergebnis);
  v.Text("aliqResturlaubEdit", aliqResturlaubEdit, RechnerFeld::Ergebnis);
  v.Text("aliqResturlaubLabel", aliqResturlaubLabel, RechnerFeld::Ergebnis);
  v.Text("ErsatzleistungLfdEdit", ErsatzleistungLfdEdit, RechnerFeld::Ergebnis);
  v.Text("ErsatzleistungSZEdit", ErsatzleistungSZEdit, RechnerFeld::Ergebnis);
  v.Text("ErsatzleistungGesEdit", ErsatzleistungGesEdit, RechnerFeld::Ergebnis);
}

void HilfsrechnerAnbinden(PersFormKontext& k) {
  k.form.Steps.SetTeilGehaltTage = [&k](const std::string& tage) {
    k.rechner.teilGehalt.texte.TageEdit = tage;
  };
  k.form.Steps.TeilGehaltTage = [&k] { return k.rechner.teilGehalt.texte.TageEdit; };
  for (const char* name : {"GehaltEdit", "ZulageEdit"}) {
    k.form.OnChange(name, [name](PersFormModel& f) {
      auto it = f.Uebernahmen.find(name);
      if (it != f.Uebernahmen.end() && f.Text(name) != it->second.uebernommen)
        f.Uebernahmen.erase(it);
    });
  }
}

const std::string& StammText(const PersFormModel& f, std::string_view name) {
  auto it = f.Uebernahmen.find(name);
  return it != f.Uebernahmen.end() ? it->second.stamm : f.Text(name);
}

void StammTexteZurueck(PersFormModel& f) {
  auto uebernahmen = std::move(f.Uebernahmen);
  f.Uebernahmen.clear();
  for (const auto& [name, u] : uebernahmen) f.SetText(name, u.stamm);
}

void MonatsbetragZeigen(PersFormModel& f, std::string_view name, const std::string& text) {
  const std::string stamm = StammText(f, name);
  f.SetText(name, text);  // drops an earlier take-over
  if (f.Text(name) != stamm)
    f.Uebernahmen.insert_or_assign(std::string(name), PersFormModel::Uebernahme{stamm, text});
}

namespace {

std::vector<GespeicherteAbfindung>::iterator AbfindungVon(Hilfsrechner& h, const std::string& stem,
                                                          const AbrechnungKey& key) {
  return std::ranges::find_if(h.gespeicherteAbfindungen, [&](const GespeicherteAbfindung& a) {
    return a.stem == stem && a.key == key;
  });
}

}  // namespace

void AbfindungGeladen(Hilfsrechner& h, const std::string& stem, const AbrechnungRecord& r) {
  h.abfindungImMonat.reset();
  auto it = AbfindungVon(h, stem, AbrechnungKeyOf(r));
  if (it == h.gespeicherteAbfindungen.end()) return;
  // Saved again elsewhere since: what it holds is no longer known. (The
  // record's 6-byte reals hold the amounts to well within a cent.)
  const auto anders = [](double a, double b) { return !(std::fabs(a - b) < 0.005); };
  if (anders(it->zulage, r.ZulageEdit) || anders(it->sonderzahlung, r.SonderzahlungEdit))
    h.gespeicherteAbfindungen.erase(it);
  else
    h.abfindungImMonat = it->teile;
}

void AbfindungGespeichert(Hilfsrechner& h, const std::string& stem, const AbrechnungRecord& r) {
  const AbrechnungKey key = AbrechnungKeyOf(r);
  AbfindungGeloescht(h, stem, key);
  if (h.abfindungImMonat)
    h.gespeicherteAbfindungen.push_back(
        {stem, key, r.ZulageEdit, r.SonderzahlungEdit, *h.abfindungImMonat});
}

void AbfindungGeloescht(Hilfsrechner& h, const std::string& stem, const AbrechnungKey& key) {
  auto it = AbfindungVon(h, stem, key);
  if (it != h.gespeicherteAbfindungen.end()) h.gespeicherteAbfindungen.erase(it);
}

int KalenderTageBisMonatsende(int monat) {
  static constexpr int kTage[12] = {31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
  return kTage[std::clamp(monat, 1, 12) - 1];
}

// ---------------------------------------------------------------------------
// Openers

bool SpeedButton30Click(PersFormKontext& k) {
  auto& r = k.rechner.teilGehalt;
  r.texte.MonatsGehaltEdit = StammText(k.form, "GehaltEdit");
  if (IstNull(k.form.Text("SV_Lohn_TageEdit"))) r.texte.TageEdit = "30";
  r.texte.GehaltEdit = "0";
  Oeffnen(r);
  return true;
}

bool SpeedButton31Click(PersFormKontext& k) {
  if (!k.state.dialogs().AskYesNo(kFrageSonderzahlungSpeichern)) return false;
  if (!BerechnenButonClick(k)) return false;
  auto& r = k.rechner.sonderzahlung;
  // The sixth as computed, not as the field shows it.
  r.texte.BruttoDurchschnittEdit = FormatBetrag(k.werte.Jahressechstel * 0.5);
  r.texte.BruttoLfdEdit = k.form.Text("BruttoEdit");
  r.texte.AnzahlMonateEdit = "12";
  r.texte.SonderZahlungEdit = "0";
  Oeffnen(r);
  return true;
}

bool TageslohnButtonClick(PersFormKontext& k) {
  const PersFormModel& f = k.form;
  if (AuswahlFehlt(f)) {
    k.state.dialogs().ShowMessage(kMeldungTageslohnAuswahl);
    return false;
  }
  auto& r = k.rechner.tagesLohnsteuer;
  try {
    r.texte.BruttoBezugEdit = Betrag(StrToFloat(f.Text("GrundlageLSTEdit")));
  } catch (const ConversionError& e) {
    k.state.dialogs().ShowMessage(e.what());
    return false;
  }
  r.texte.AlleinErzVerdCheckBox = f.Checked("grPendlPausch") || f.Checked("Alleinverdiener");
  Oeffnen(r);
  return true;
}

namespace {

// The monthly pay that a compensation is figured on: a salaried employee's
// salary and allowance from the employee file, as the window may show a
// part month's salary or an allowance that holds a compensation already;
// without them (paid by the hour) the month's gross less the compensation
// it holds.
double AbfindungsMonatsentgelt(const PersFormKontext& k) {
  const PersFormModel& f = k.form;
  const double stamm =
      StrToBetrag(StammText(f, "GehaltEdit")) + StrToBetrag(StammText(f, "ZulageEdit"));
  if (f.Checked("AngestellterCheckBox") && stamm != 0) return stamm;
  const double brutto = StrToFloat(f.Text("BruttoEdit"));
  if (brutto == 0) return stamm;
  return brutto - (k.rechner.abfindungImMonat ? k.rechner.abfindungImMonat->lfd : 0);
}

}  // namespace

bool Button4Click(PersFormKontext& k) {
  const PersFormModel& f = k.form;
  platform::Dialogs& dlg = k.state.dialogs();
  if (AuswahlFehlt(f)) {
    dlg.ShowMessage(kMeldungUrlaubAuswahl);
    return false;
  }
  UrlaubsAbfindungTexte t = k.rechner.urlaubsAbfindung.texte;
  try {
    const int monat = StrToInt(f.Text("MonatComboBox"));
    t.MonatsentgeltEdit = Betrag(AbfindungsMonatsentgelt(k));
    t.Sonderzahlung12telEdit = Betrag(StrToFloat(t.MonatsentgeltEdit) * 2);
    t.KalenderTageEdit = std::to_string(KalenderTageBisMonatsende(monat));
    t.UrlaubsAnspruchEdit = f.Text("UrlaubsAnspruchEdit");
    t.verbrauchterUrlaubEdit =
        FloatToStrGeneral(StrToFloat(t.UrlaubsAnspruchEdit) -
                          StrToBetrag(f.Text("RestUrlaubEdit")) * kTageJeUrlaubsstunde);
  } catch (const ConversionError& e) {
    dlg.ShowMessage(e.what());
    return false;
  }
  LeseUrlErsatzTage(k.state.DataFileStem, t.TageEdit);
  k.rechner.urlaubsAbfindung.texte = std::move(t);
  Oeffnen(k.rechner.urlaubsAbfindung);
  return true;
}

// ---------------------------------------------------------------------------
// Calculations

bool TeilGehaltBerechnen(PersFormKontext& k) {
  return Berechne(k, k.rechner.teilGehalt, [&](TeilGehaltTexte& t) {
    const double gehalt = StrToFloat(t.MonatsGehaltEdit);
    const double tage = StrToFloat(t.TageEdit);
    const double tageMonat = StrToFloat(t.Tage_MonatEdit);
    // A part of the month is never more than the month.
    if (tageMonat <= 0) {
      k.state.dialogs().ShowMessage(kMeldungTageMonatNull);
      return false;
    }
    if (tage < 0 || tage > tageMonat) {
      k.state.dialogs().ShowMessage(tage < 0 ? kMeldungTageNichtPlausibel
                                             : kMeldungTageUeberTageMonat);
      return false;
    }
    t.GehaltEdit = Betrag(gehalt * tage / tageMonat);
    return true;
  });
}

bool SonderzahlungBerechnen(PersFormKontext& k) {
  return Berechne(k, k.rechner.sonderzahlung, [](SonderzahlungTexte& t) {
    const double brutto =
        StrToFloat(t.DurchschnittCheckBox ? t.BruttoDurchschnittEdit : t.BruttoLfdEdit);
    t.SonderZahlungEdit = Betrag(brutto * StrToFloat(t.AnzahlMonateEdit) * (1.0 / 12));
    return true;
  });
}

bool TagesLohnsteuerBerechnen(PersFormKontext& k) {
  const PersFormModel& f = k.form;
  return Berechne(k, k.rechner.tagesLohnsteuer, [&](TagesLohnsteuerTexte& t) {
    const double tage = StrToFloat(t.TageEdit);
    if (tage <= 0) {
      k.state.dialogs().ShowMessage(kMeldungTageGroesserNull);
      return false;
    }
    t.TagesLohnEdit = Betrag(StrToFloat(t.BruttoBezugEdit) / tage);
    const double monatsBasis = StrToFloat(t.TagesLohnEdit) * 30;
    const std::string& kinderText = f.Text("AnzahlKinderEdit");
    const int kinder =
        AnzahlKinderFuerLohnsteuer(t.AlleinErzVerdCheckBox, kinderText.empty() ? "0" : kinderText);
    double steuer =
        RoundBetrag(MonthlyLohnsteuer(monatsBasis, t.AlleinErzVerdCheckBox, kinder) / 30 * tage);
    // The commuter euro for these days, as the month's calculation credits
    // it for a month; it is lost once the tax is taken over as typed.
    if (f.Checked("CheckBox32")) {
      const double pendlerEuro = StrToBetrag(f.Text("BPEND_Edit"));
      if (pendlerEuro > 0) steuer = std::max(steuer - RoundBetrag(pendlerEuro * tage / 360), 0.0);
    }
    t.TagesLohnsteuerEdit = Betrag(steuer);
    return true;
  });
}

bool UrlaubsAbfindungBerechnen(PersFormKontext& k) {
  return Berechne(k, k.rechner.urlaubsAbfindung, [&](UrlaubsAbfindungTexte& t) {
    if (StrToFloat(t.TageEdit) < 1) t.TageEdit = "1";
    const double tage = StrToFloat(t.TageEdit);
    const double tageJahr = StrToFloat(t.TageJahrEdit);
    const double aliquot =
        tageJahr > 0 ? StrToFloat(t.UrlaubsAnspruchEdit) / tageJahr * StrToFloat(t.KalenderTageEdit)
                     : 0;
    // Rounding is defined for a count of days only.
    if (tageJahr <= 0 || !(std::fabs(aliquot) < kGroessteTagzahl)) {
      k.state.dialogs().ShowMessage(kMeldungTageNichtPlausibelRufz);
      return false;
    }
    // Ties to the even number: 12,5 gives 12, 13,5 gives 14.
    t.AliquoterUrlaubEdit = std::to_string(static_cast<long long>(std::nearbyint(aliquot)));
    const double rest = StrToFloat(t.AliquoterUrlaubEdit) - StrToFloat(t.verbrauchterUrlaubEdit);
    t.aliqResturlaubEdit = FloatToStrGeneral(rest);
    t.aliqResturlaubLabel = t.aliqResturlaubEdit;
    const double restTage = StrToFloat(t.aliqResturlaubEdit);
    t.ErsatzleistungLfdEdit = Betrag(restTage * (StrToFloat(t.MonatsentgeltEdit) / tage));
    t.ErsatzleistungSZEdit =
        Betrag(restTage * (StrToFloat(t.Sonderzahlung12telEdit) * (1.0 / 12) / tage));
    const double lfd = StrToFloat(t.ErsatzleistungLfdEdit);
    const double sz = StrToFloat(t.ErsatzleistungSZEdit);
    t.ErsatzleistungGesEdit = Betrag(lfd + sz);
    if (lfd < 0 || sz < 0)
      t.ErsatzleistungLfdEdit = t.ErsatzleistungSZEdit = t.ErsatzleistungGesEdit = "0";
    return true;
  });
}

// ---------------------------------------------------------------------------
// Take-overs

namespace {

// The result as "Berechnen" leaves it for the inputs on screen.
template <class T, class F>
bool Berechnet(Rechner<T>& r, F&& berechne) {
  return !r.ohneErgebnis && (Aktuell(r) || berechne());
}

}  // namespace

bool TeilGehaltUebernehmen(PersFormKontext& k) {
  auto& r = k.rechner.teilGehalt;
  if (!Berechnet(r, [&] { return TeilGehaltBerechnen(k); })) return false;
  try {
    StrToFloat(r.texte.GehaltEdit);
  } catch (const ConversionError& e) {
    k.state.dialogs().ShowMessage(e.what());
    return false;
  }
  MonatsbetragZeigen(k.form, "GehaltEdit", r.texte.GehaltEdit);
  return true;
}

bool SonderzahlungUebernehmen(PersFormKontext& k) {
  auto& r = k.rechner.sonderzahlung;
  if (!Berechnet(r, [&] { return SonderzahlungBerechnen(k); })) return false;
  try {
    StrToFloat(r.texte.SonderZahlungEdit);
  } catch (const ConversionError& e) {
    k.state.dialogs().ShowMessage(e.what());
    return false;
  }
  k.form.SetText("SonderzahlungEdit", r.texte.SonderZahlungEdit);
  return true;
}

bool TagesLohnsteuerUebernehmen(PersFormKontext& k, const std::function<void()>& schliessen) {
  auto& r = k.rechner.tagesLohnsteuer;
  if (!Berechnet(r, [&] { return TagesLohnsteuerBerechnen(k); })) return false;
  try {
    StrToFloat(r.texte.TagesLohnsteuerEdit);
  } catch (const ConversionError& e) {
    k.state.dialogs().ShowMessage(e.what());
    return false;
  }
  k.form.SetChecked("LstBerechnen", false);
  k.form.SetText("LohnsteuerBetragEdit", r.texte.TagesLohnsteuerEdit);
  if (schliessen) schliessen();
  k.state.dialogs().ShowMessage(kMeldungTagesLstUebernommen);
  k.state.dialogs().ShowMessage(kMeldungTagesLstBerechnen);
  return true;
}

bool UrlaubsAbfindungUebernehmen(PersFormKontext& k, const std::function<void()>& schliessen) {
  auto& r = k.rechner.urlaubsAbfindung;
  platform::Dialogs& dlg = k.state.dialogs();
  if (!Berechnet(r, [&] { return UrlaubsAbfindungBerechnen(k); })) return false;
  std::string zulage, sonderzahlung;
  Urlaubsabfindung neu;
  // A compensation that the month holds already is replaced, not added to.
  const std::optional<Urlaubsabfindung> alt = k.rechner.abfindungImMonat;
  try {
    if (StrToFloat(r.texte.ErsatzleistungGesEdit) == 0) {
      dlg.ShowMessage(kMeldungErsatzleistungNull);
      return false;
    }
    neu = {StrToFloat(r.texte.ErsatzleistungLfdEdit), StrToFloat(r.texte.ErsatzleistungSZEdit)};
    const Urlaubsabfindung weg = alt.value_or(Urlaubsabfindung{});
    // All first: either both fields are written or none.
    zulage = Betrag(StrToFloat(k.form.Text("ZulageEdit")) - weg.lfd + neu.lfd);
    sonderzahlung = Betrag(StrToFloat(k.form.Text("SonderzahlungEdit")) - weg.sz + neu.sz);
  } catch (const ConversionError& e) {
    dlg.ShowMessage(e.what());
    return false;
  }
  if (alt && !dlg.AskYesNo(kFrageUrlaubsabfindungErsetzen)) return false;
  MonatsbetragZeigen(k.form, "ZulageEdit", zulage);
  k.form.SetText("SonderzahlungEdit", sonderzahlung);
  k.rechner.abfindungImMonat = neu;
  k.form.SetEnabled("Button4", false);
  if (schliessen) schliessen();
  dlg.ShowMessage(kMeldungErsatzleistungUebernommen);
  return true;
}

// ---------------------------------------------------------------------------
// Field events

void TeilGehaltFeldGeaendert(PersFormKontext& k, std::string_view name) {
  TeilGehaltTexte& t = k.rechner.teilGehalt.texte;
  if (name == "Tage_MonatEdit") t.Tage_MonatEdit = FilterNumber(t.Tage_MonatEdit);
  if (name != "TageEdit") return;
  t.TageEdit = FilterDigitsAllowEmpty(t.TageEdit);
  // More than two digits are more than 31 days whatever they say.
  const std::string ziffern =
      t.TageEdit.substr(std::min(t.TageEdit.find_first_not_of('0'), t.TageEdit.size()));
  if (ziffern.size() > 2 || (!ziffern.empty() && std::stoi(ziffern) > 31)) {
    k.state.dialogs().ShowMessage(kMeldungTageNichtPlausibel);
    t.TageEdit = "30";
  }
}

void TeilGehaltFeldVerlassen(PersFormKontext& k, std::string_view name) {
  if (name != "MonatsGehaltEdit" && name != "GehaltEdit") return;
  BetragFilter filter{name};
  k.rechner.teilGehalt.texte.Felder(filter);
}

void SonderzahlungFeldVerlassen(PersFormKontext& k, std::string_view name) {
  // Its four edits are amounts.
  BetragFilter filter{name};
  k.rechner.sonderzahlung.texte.Felder(filter);
}

void TagesLohnsteuerFeldGeaendert(PersFormKontext& k, std::string_view name) {
  TagesLohnsteuerTexte& t = k.rechner.tagesLohnsteuer.texte;
  if (name != "TageEdit") return;
  try {
    if (StrToFloat(t.TageEdit) > 31) t.TageEdit = "31";
  } catch (const ConversionError&) {
    // Half typed; "Berechnen" reports it.
  }
}

void UrlaubsAbfindungFeldVerlassen(PersFormKontext& k, std::string_view name) {
  if (name != "TageEdit") return;
  platform::Dialogs& dlg = k.state.dialogs();
  std::string& tage = k.rechner.urlaubsAbfindung.texte.TageEdit;
  tage = FilterDigits(tage);
  const std::string ziffern = tage.substr(std::min(tage.find_first_not_of('0'), tage.size()));
  if (ziffern.empty()) {
    dlg.ShowMessage(kMeldungTageNichtPlausibelRufz);
    tage = "1";
  } else if (ziffern.size() > 2 || std::stoi(ziffern) >= 32) {
    dlg.ShowMessage(kMeldungTageNichtPlausibelRufz);
  }
  const std::string datei = UrlErsatzTageDatei(k.state.DataFileStem);
  int err = 0;
  if (!WriteFileAtomic(datei, Bytes(tage.begin(), tage.end()), &err))
    dlg.ShowMessage("Die Datei \"" + datei +
                    "\" kann nicht gespeichert werden: " + IoErrorText(err));
}

}  // namespace lohn
