#include "payroll/PersFormAbrechnung.h"

#include <filesystem>
#include <string>

#include "elda/EldaPanel.h"
#include "payroll/FormatBetrag.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormNavigation.h"
#include "payroll/PersFormStammdaten.h"
#include "store/AbrechnungStore.h"
#include "store/Cp1252.h"
#include "store/LockFile.h"
#include "store/Numbers.h"
#include "store/RecordFile.h"
#include "store/SvNummer.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

// The month fields that the window shows from a stored payroll and writes
// back into it, in record order. The SV bases are among them; showing them
// has one more rule (ZeigeSvGrundlagen).
template <class R, class V>
void MonatsFelder(R& r, V&& v) {
#define LOHN_TEXT(feld) v.Text(#feld, r.feld, 50)
#define LOHN_GANZ(feld) v.Ganz(#feld, r.feld)
#define LOHN_BETRAG(feld) v.Betrag(#feld, r.feld)
#define LOHN_HAKEN(feld) v.Haken(#feld, r.feld)
  LOHN_BETRAG(NormalstundenEdit);
  LOHN_BETRAG(MehrstundenEdit);
  LOHN_BETRAG(Ueberstunden50Edit);
  LOHN_BETRAG(Ueberstunden100Edit);
  LOHN_BETRAG(UrlaubstundenEdit);
  LOHN_BETRAG(FehlstundenEdit);
  LOHN_BETRAG(LohnNormalstundenEdit);
  LOHN_BETRAG(LohnGehaltMehrstundenEdit);
  LOHN_BETRAG(LohnGehaltUeberstunden50Edit);
  LOHN_BETRAG(LohnGehaltUeberstunden100Edit);
  LOHN_BETRAG(LohnUrlaubstundenEdit);
  LOHN_BETRAG(LohnFehlstundenEdit);
  LOHN_BETRAG(BruttoEdit);
  LOHN_BETRAG(SVBeitragsgrundlageEdit);
  LOHN_BETRAG(BetragDNAnteilEdit);
  LOHN_BETRAG(DN_KU_Edit);
  LOHN_BETRAG(DN_WF_Edit);
  LOHN_BETRAG(DN_LK_Edit);
  LOHN_BETRAG(DN_SW_Edit);
  LOHN_BETRAG(SonderzahlungEdit);
  LOHN_TEXT(SonderZlgComboBox);
  LOHN_BETRAG(SVBeitragsGrundlageSonderzahlungEdit);
  LOHN_BETRAG(BetragDNAnteilSonderZEdit);
  LOHN_BETRAG(DN_LK_SZ_Edit);
  LOHN_BETRAG(DN_SW_SZ_Edit);
  LOHN_BETRAG(BruttoGesamtEdit);
  LOHN_BETRAG(SV_AbzGesEdit);
  LOHN_BETRAG(FreibetrEdit);
  LOHN_BETRAG(GrundlageLSTEdit);
  LOHN_BETRAG(LohnsteuerBetragEdit);
  LOHN_BETRAG(NettoBetragEdit);
  LOHN_BETRAG(SpesenersatzEdit);
  LOHN_BETRAG(VorschussEdit);
  LOHN_BETRAG(AuszahlungsbetragEdit);
  LOHN_BETRAG(KrankenschEdit);
  LOHN_BETRAG(SachbezuegeAbreEdit);
  LOHN_BETRAG(LstFreibetragSZ);
  LOHN_BETRAG(SZSVfreiEdit);
  LOHN_BETRAG(SueberschreitungEdit);
  LOHN_BETRAG(InnerhSechstelEdit);
  LOHN_BETRAG(InnerhSechstelSVfreiEdit);
  LOHN_BETRAG(SonstSZEdit);
  LOHN_BETRAG(SonstSZSVEdit);
  LOHN_BETRAG(SonstSZLSTEdit);
  LOHN_BETRAG(SVFreibetragEdit);
  LOHN_BETRAG(LstGesamt);
  LOHN_BETRAG(LstSZ);
  LOHN_BETRAG(GrundlLstSZ);
  LOHN_BETRAG(SV_DN_GesamtEdit);
  LOHN_BETRAG(SV_DN_SZ_GesamtEdit);
  LOHN_BETRAG(fiktiveBMGedit);
  LOHN_HAKEN(ohneFreibSZCheckBox);
  LOHN_TEXT(SZSVfreiTextEdit);
  LOHN_TEXT(SonstSZTextEdit);
  LOHN_TEXT(AMPFG_RueckVerrGruppeEdit);
  LOHN_TEXT(AMPFG_RueckVerrGruppe_SZEdit);
  LOHN_GANZ(SV_Lohn_TageEdit);
  LOHN_BETRAG(BMVGbetragEdit);
  LOHN_BETRAG(Ueberstunden200Edit);
  LOHN_BETRAG(LohnGehaltUeberstunden200Edit);
  LOHN_BETRAG(davonNachtZuschl);
  LOHN_BETRAG(MVzuschlagEdit);
  LOHN_BETRAG(ServiceEntgelt_eCardEdit);
  LOHN_BETRAG(BMVGUebertragungsBetragEdit);
  LOHN_BETRAG(Ueberstunden75Edit);
  LOHN_BETRAG(LohnGehaltUeberstunden75Edit);
  LOHN_BETRAG(AMPFG_RueckVerrBetragEdit);
  LOHN_BETRAG(AMPFG_RueckVerrBetrag_SZEdit);
  LOHN_BETRAG(AMPFG_SVGrundlageEdit);
  LOHN_BETRAG(AMPFG_SVGrundlage_SZEdit);
  LOHN_BETRAG(ZeitKontoStdEdit);
  LOHN_BETRAG(UrlaubsKontoTageEdit);
  LOHN_BETRAG(ExekutionEdit);
}

// Written into the record but never shown back: the master data as they were
// at the time of the payroll, and the two percentages that the calculation
// fills again.
template <class R, class V>
void NurGespeicherteFelder(R& r, V&& v) {
  LOHN_TEXT(FamNameEdit);
  LOHN_TEXT(OrtEdit);
  LOHN_TEXT(BankEdit);
  LOHN_TEXT(BankKtoNrEdit);
  LOHN_TEXT(BeitragsgruppeComboBox);
  LOHN_BETRAG(GehaltEdit);
  LOHN_BETRAG(StundenlohnEdit);
  LOHN_BETRAG(ZulageEdit);
  v.Text("BemerkungenEdit", r.BemerkungenEdit, 100);
  LOHN_HAKEN(Alleinverdiener);
  LOHN_BETRAG(DGAnteilEdit);
  LOHN_BETRAG(DNAnteilEdit);
  LOHN_BETRAG(FreibetrLtMitteilgEdit);
  LOHN_BETRAG(NormArbeitszeitEdit);
  LOHN_HAKEN(GeschaeftsFuehrerCheckBox);
  LOHN_HAKEN(ueberSechzigCheckBox);
  LOHN_TEXT(VornameEdit);
  LOHN_GANZ(gehoertZuStandortEdit);
  LOHN_GANZ(SozialeStellungEdit);
  LOHN_GANZ(KostenstelleEdit);
  LOHN_BETRAG(LandarbFreiEdit);
  LOHN_BETRAG(SonstSteuerfrEdit);
  LOHN_BETRAG(AuslandsTaetEdit);
  LOHN_BETRAG(freiwillBeitrEdit);
  LOHN_BETRAG(TeilentgeltEdit);
  LOHN_BETRAG(TageTeilentgeltEdit);
  LOHN_BETRAG(FreibetragEdit);
  LOHN_BETRAG(MehrstdSatzEdit);
  LOHN_BETRAG(MehrstdZuschlagEdit);
  LOHN_BETRAG(ZukunftssicherungEdit);
  LOHN_BETRAG(AuslPensDGEdit);
#undef LOHN_TEXT
#undef LOHN_GANZ
#undef LOHN_BETRAG
#undef LOHN_HAKEN
}

// A special-payment base below zero belongs to the month: the monthly base
// shows it folded in, the special payment's base shows none.
void ZeigeSvGrundlagen(PersFormModel& f, const AbrechnungRecord& r) {
  if (r.SVBeitragsGrundlageSonderzahlungEdit >= 0) return;
  f.SetText("SVBeitragsgrundlageEdit",
            BetragText(r.SVBeitragsgrundlageEdit + r.SVBeitragsGrundlageSonderzahlungEdit));
  f.SetText("SVBeitragsGrundlageSonderzahlungEdit", BetragText(0));
}

// The bases of the seven levies (record offsets 656 to 692).
void BerechneUmlagenGrundlagen(const PersFormModel& f, const BerechnungsWerte& w,
                               AbrechnungRecord& r) {
  const double sv = r.SVBeitragsgrundlageEdit;
  const double svSz = r.SVBeitragsGrundlageSonderzahlungEdit;
  const double ueber = r.SueberschreitungEdit;
  const double sz = w.SzUeberJahresgrenze;
  // The SV-free special payment outside the sixth that is not above the
  // ceiling (what the calculation calls SZSVfreiDifferenz).
  double rest = r.SZSVfreiEdit - r.InnerhSechstelSVfreiEdit - sz;
  if (rest <= 0) rest = 0;
  const double laufend = sv + sz - ueber;
  auto basis = [&](const char* box, Umlage u, double wert) {
    r.Grundlage(u) = f.Checked(box) ? RoundBetrag(wert) : 0;
  };
  basis("KU", Umlage::KU, laufend - (sz - w.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV) + rest);
  basis("WF", Umlage::WF, laufend - (sz - w.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV) + rest);
  basis("LK", Umlage::LK, laufend);
  if (r.DN_LK_SZ_Edit > 0) r.Grundlage(Umlage::LK) = RoundBetrag(r.Grundlage(Umlage::LK) + svSz);
  basis("SW", Umlage::SW, sv + svSz);
  basis("EF", Umlage::EF, laufend);
  basis("IE", Umlage::IE, sv + svSz);
  basis("NB", Umlage::NB, laufend);
}

bool AbrechnungsdateiUnlesbar(const std::string& stem) {
  return FileInUse(DataFileName(stem, kAbrechnungExt));
}

}  // namespace

PersFormKontext::PersFormKontext(AppState& s) : state(s), lohnarten(s.dialogs()) {
  form.Steps.LoadAbrechnungToForm = [this](AppState&, PersFormModel&) {
    LoadAbrechnungToForm(*this);
  };
  // Clearing the month fields also clears the wage-type lines; the fields
  // then show no stored payroll any more.
  form.Steps.ClearLohnartLines = [this] {
    lohnarten.Leeren();
    LohnartenSummenZeigen(*this);
    angezeigt = {};
    rechner.abfindungImMonat.reset();
  };
  form.OnChange("AbrechngComboBox", [this](PersFormModel&) { AbrechngComboBoxChange(*this); });
  lohnarten.SetSchluesselQuelle([this] {
    return LohnartenModel::Schluessel{state.DataFileStem,
                                      {form.Text("PersNrEdit"), form.Text("MonatComboBox"),
                                       form.Text("JahrComboBox"), form.Text("AbrechngComboBox")}};
  });
  LohnartenSummenZeigen(*this);
  // The registration panel's rules and its data file in the save and select.
  EldaPanelAnbinden(form);
  PersFormNavigationAnbinden(*this);
  HilfsrechnerAnbinden(*this);
}

std::optional<AbrechnungKey> AbrechnungsSchluesselAusFeldern(const PersFormModel& f) {
  for (const char* name : {"PersNrEdit", "MonatComboBox", "JahrComboBox", "AbrechngComboBox"})
    if (f.Text(name).empty()) return std::nullopt;
  try {
    return AbrechnungKey{StrToInt(f.Text("PersNrEdit")), StrToInt(f.Text("MonatComboBox")),
                         StrToInt(f.Text("JahrComboBox")), StrToInt(f.Text("AbrechngComboBox"))};
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

void LoadAbrechnungToForm(PersFormKontext& k) {
  PersFormModel& f = k.form;
  k.angezeigt = {};
  k.rechner.abfindungImMonat.reset();
  // A month without a payroll of its own starts from the employee file, also
  // right after a calculator's take-over for another month.
  StammTexteZurueck(f);
  if (auto key = AbrechnungsSchluesselAusFeldern(f)) {
    const std::string& stem = k.state.DataFileStem;
    auto bild = ReadAbrechnungImage(stem, kAbrechnungExt, *key);
    if (bild) {
      const AbrechnungRecord r = AbrechnungRecord::unpack(bild->data());
      MonatsFelder(r, ZeigeFelder{f});
      ZeigeSvGrundlagen(f, r);
      // The payroll's own salary and allowance (a part month, a holiday
      // compensation), so that calculating it again pays the same.
      MonatsbetragZeigen(f, "GehaltEdit", BetragText(r.GehaltEdit));
      MonatsbetragZeigen(f, "ZulageEdit", BetragText(r.ZulageEdit));
      AbfindungGeladen(k.rechner, stem, r);
      LohnartenZeilen zeilen = k.lohnarten.Zeilen();
      LohnartenAusAbrechnung(r, zeilen);
      k.lohnarten.SetZeilen(zeilen);
      LohnartenSummenZeigen(k);
      k.angezeigt = {true, key, std::move(bild)};
    } else if (!AbrechnungsdateiUnlesbar(stem)) {
      // Known to have no record; a file that could not be read leaves the
      // key unknown, so that the calculate button looks again.
      k.angezeigt = {false, key, std::nullopt};
    }
  }
  f.SetText("PersonalNrComboBox", "");
}

namespace {

// The question of a payroll that another program changed; a no shows the
// stored payroll again.
bool AbrechnungTrotzdemSpeichern(PersFormKontext& k, const AbrechnungKey& key) {
  std::string name = PersonalAnzeigeName(k.form) + " (Abrechnung " + std::to_string(key.Monat) +
                     "/" + std::to_string(key.Jahr);
  if (key.Teilabrechnung != 0) name += ", Teilabrechnung " + std::to_string(key.Teilabrechnung);
  if (k.state.dialogs().AskYesNo(FrageInzwischenGeaendert(name + ")"))) return true;
  AbrechnungNeuLaden(k);
  return false;
}

}  // namespace

bool AbrechnungSpeichernTrotzAenderung(PersFormKontext& k, const AbrechnungKey& key,
                                       const std::uint8_t* jetzt) {
  if (k.angezeigt.schluessel != key ||
      !InzwischenGeaendert(k.angezeigt.bild, jetzt, kAbrechnungRecordSize))
    return true;
  return AbrechnungTrotzdemSpeichern(k, key);
}

void AbrechnungNeuLaden(PersFormKontext& k) {
  ClearAbrechnungFields(k.form);
  LoadAbrechnungToForm(k);
}

void AbrechngComboBoxChange(PersFormKontext& k) {
  PersFormModel& f = k.form;
  const std::string text = f.Text("AbrechngComboBox");
  std::string teil = FilterDigits(text);
  // There is one part payroll: any higher number means it.
  const std::size_t erste = teil.find_first_not_of('0');
  if (erste != std::string::npos && (teil.size() - erste > 1 || teil[erste] > '1')) teil = "1";
  if (teil != text) {
    // The corrected key comes back through this rule and is loaded there.
    f.SetText("AbrechngComboBox", teil);
    return;
  }
  AbrechnungNeuLaden(k);
}

void PeriodeNeuLaden(PersFormKontext& k) {
  // A changed part payroll number loads through its own rule.
  if (k.form.Text("AbrechngComboBox") != "0")
    k.form.SetText("AbrechngComboBox", "0");
  else
    AbrechnungNeuLaden(k);
}

bool GespeicherteAbrechnungAngezeigt(PersFormKontext& k) {
  auto key = AbrechnungsSchluesselAusFeldern(k.form);
  if (!key || k.angezeigt.schluessel == key) return k.angezeigt.gespeichert;
  return AbrechnungRecordExists(k.state.DataFileStem, kAbrechnungExt, key->PersNr,
                                key->Teilabrechnung, key->Jahr, key->Monat);
}

namespace {

// `position`: where a pass of the caller found the key's record; without it
// the store looks the key up itself.
bool SpeichereAbrechnung(PersFormKontext& k, const std::optional<std::size_t>* position) {
  PersFormModel& f = k.form;
  auto key = AbrechnungsSchluesselAusFeldern(f);
  if (!key || key->PersNr < 1 || key->Monat < 1 || key->Jahr < 1) {
    k.state.dialogs().ShowMessage(
        "Folgende Felder müssen Zahlenwerte enthalten; PersNr., Monat, Jahr");
    return false;
  }
  AbrechnungRecord r;
  r.PersNrEdit = key->PersNr;
  r.MonatComboBox = key->Monat;
  r.JahrComboBox = key->Jahr;
  r.AbrechngComboBox = key->Teilabrechnung;
  MonatsFelder(r, LeseFelder{f});
  NurGespeicherteFelder(r, LeseFelder{f});
  // The levies follow the payroll's own month, not the day it is calculated
  // on; the window's box stands where the SV number gives no birth date.
  if (auto frei = UeberSechzigImMonat(f.Text("SVNrEdit"), k.state.year.year, key->Jahr, key->Monat))
    r.ueberSechzigCheckBox = *frei;
  BerechneUmlagenGrundlagen(f, k.werte, r);
  r.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = k.werte.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV;
  r.DbDzKommStFreierBetragEdit = RoundBetrag(FeldBetrag(f, "DbDzKommStFreierBetragEdit") +
                                             k.lohnarten.Summen().LohnartenDbKommFrei);
  LohnartenInAbrechnung(k.lohnarten.Zeilen(), r);
  k.CurrentAbrechnung = r;
  platform::Dialogs& dlg = k.state.dialogs();
  const std::string& stem = k.state.DataFileStem;
  // A caller with a position has compared the record in its own pass; here
  // the store's pass does it.
  const Vorher vorher{k.angezeigt.bild, [&] { return AbrechnungTrotzdemSpeichern(k, *key); }};
  const bool vergleichen = !position && k.angezeigt.schluessel == key;
  if (!(position ? SaveAbrechnungRecordAt(dlg, stem, kAbrechnungExt, k.CurrentAbrechnung, *position)
                 : SaveAbrechnungRecord(dlg, stem, kAbrechnungExt, k.CurrentAbrechnung, true,
                                        vergleichen ? &vorher : nullptr)))
    return false;
  const AbrechnungBytes bytes = k.CurrentAbrechnung.pack();
  k.angezeigt = {true, key, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
  AbfindungGespeichert(k.rechner, stem, k.CurrentAbrechnung);
  return true;
}

}  // namespace

bool SaveAbrechnungFromForm(PersFormKontext& k) { return SpeichereAbrechnung(k, nullptr); }

bool SaveAbrechnungFromForm(PersFormKontext& k, std::optional<std::size_t> position) {
  return SpeichereAbrechnung(k, &position);
}

void Button6Click(PersFormKontext& k) {
  PersFormModel& f = k.form;
  platform::Dialogs& dlg = k.state.dialogs();
  const std::string& stem = k.state.DataFileStem;
  if (f.Text("PersNrEdit").empty() || f.Text("MonatComboBox").empty() ||
      f.Text("JahrComboBox").empty()) {
    dlg.ShowMessage("Es ist keine Abrechnung ausgewählt!");
    return;
  }
  try {
    const std::string nr = f.Text("PersNrEdit"), monat = f.Text("MonatComboBox"),
                      jahr = f.Text("JahrComboBox"), teil = f.Text("AbrechngComboBox");
    const AbrechnungKey key{StrToInt(nr), StrToInt(monat), StrToInt(jahr), StrToInt(teil)};
    LockGuard lock(dlg, stem, {kLockSAB, kLockSPE});
    if (!lock) return;
    if (DeleteAbrechnungRecord(dlg, stem, kAbrechnungExt, key.PersNr, false, false,
                               key.Teilabrechnung, key.Jahr, key.Monat)
            .count == 0)
      return;
    if (!dlg.AskYesNo("Abrechnung mit PersNr: " + nr + " Monat: " + monat + " Jahr: " + jahr +
                      " Teilabrechnung: " + teil + " wirklich löschen?"))
      return;
    if (DeleteAbrechnungRecord(dlg, stem, kAbrechnungExt, key.PersNr, true, true,
                               key.Teilabrechnung, key.Jahr, key.Monat)
            .deleted) {
      AbfindungGeloescht(k.rechner, stem, key);
      ClearAbrechnungFields(f);
    }
  } catch (const ConversionError& e) {
    dlg.ShowMessage(e.what());
  }
}

bool SpeedButton24Click(PersFormKontext& k) {
  const PersFormModel& f = k.form;
  // A name of blanks is no employee.
  if (TrimBlanks(f.Text("FamNameEdit")).empty() || TrimBlanks(f.Text("MonatComboBox")).empty() ||
      TrimBlanks(f.Text("JahrComboBox")).empty()) {
    k.state.dialogs().ShowMessage("Wählen Sie bitte vorher einen Dienstnehmer und Zeitraum aus!");
    return false;
  }
  return true;
}

void LohnartenSummenZeigen(PersFormKontext& k) {
  k.form.SetText("LohnartenSummeEdit", k.lohnarten.SummeLohnartenEdit());
  k.form.SetText("LohnartenFreiLabel", k.lohnarten.FreiBetrLabel());
}

}  // namespace lohn
