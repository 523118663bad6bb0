#include "payroll/PersFormFenster.h"

#include <set>

#include "elda/EldaPanel.h"
#include "frame/Videos.h"
#include "payroll/PersFormEingaben.h"
#include "payroll/PersFormLists.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/PersFormVersicherung.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

const char* const kMonatsfelderNull[] = {
    "ZeitKontoStdEdit",
    "UrlaubsKontoTageEdit",
    "SVFreibetragEdit",
    "NormalstundenEdit",
    "MehrstundenEdit",
    "Ueberstunden50Edit",
    "Ueberstunden75Edit",
    "Ueberstunden100Edit",
    "Ueberstunden200Edit",
    "davonNachtZuschl",
    "UrlaubstundenEdit",
    "FehlstundenEdit",
    "LohnNormalstundenEdit",
    "LohnGehaltMehrstundenEdit",
    "LohnGehaltUeberstunden50Edit",
    "LohnGehaltUeberstunden75Edit",
    "LohnGehaltUeberstunden100Edit",
    "LohnGehaltUeberstunden200Edit",
    "LohnUrlaubstundenEdit",
    "LohnFehlstundenEdit",
    "BruttoEdit",
    "BruttoGesamtEdit",
    "SVBeitragsgrundlageEdit",
    "SVBeitragsGrundlageSonderzahlungEdit",
    "DNAnteilEdit",
    "DGAnteilEdit",
    "BetragDNAnteilEdit",
    "DN_KU_Edit",
    "DN_WF_Edit",
    "DN_LK_Edit",
    "DN_SW_Edit",
    "SV_DN_GesamtEdit",
    "DN_LK_SZ_Edit",
    "DN_SW_SZ_Edit",
    "SV_DN_SZ_GesamtEdit",
    "BetragDNAnteilSonderZEdit",
    "SV_AbzGesEdit",
    "FreibetrEdit",
    "BMVGbetragEdit",
    "GrundlageLSTEdit",
    "LohnsteuerBetragEdit",
    "NettoBetragEdit",
    "AuszahlungsbetragEdit",
    "KrankenschEdit",
    "SonderzahlungEdit",
    "SZSVfreiEdit",
    "VorschussEdit",
    "SV_Lohn_TageEdit",
    "ExekutionEdit",
    "SachbezuegeAbreEdit",
    "SpesenersatzEdit",
    "JahressechstelEdit",
    "LstFreibetragSZ",
    "LstSZ",
    "LstGesamt",
    "GrundlLstSZ",
    "SummeLstFreibetrSZEdit",
    "SummeSonderZlgEdit",
    "SueberschreitungEdit",
    "InnerhSechstelEdit",
    "InnerhSechstelSVfreiEdit",
    "SonstSZEdit",
    "SonstSZSVEdit",
    "SonstSZLSTEdit",
    "fiktiveBMGedit",
    "MVzuschlagEdit",
    "ServiceEntgelt_eCardEdit",
    "AMPFG_RueckVerrBetragEdit",
    "AMPFG_RueckVerrBetrag_SZEdit",
    "AMPFG_SVGrundlageEdit",
    "AMPFG_SVGrundlage_SZEdit",
    "BMVGUebertragungsBetragEdit",
};

// Amount fields that an empty text turns into "0,00".
const char* const kBetragsfelder[] = {
    "SonderzahlungEdit",
    "SZSVfreiEdit",
    "StundenlohnEdit",
    "MehrstdSatzEdit",
    "MehrstdZuschlagEdit",
    "NormalstundenEdit",
    "ZeitKontoStdEdit",
    "UrlaubsKontoTageEdit",
    "MehrstundenEdit",
    "Ueberstunden50Edit",
    "Ueberstunden75Edit",
    "Ueberstunden100Edit",
    "Ueberstunden200Edit",
    "LohnGehaltUeberstunden50Edit",
    "LohnGehaltUeberstunden75Edit",
    "LohnGehaltUeberstunden100Edit",
    "LohnGehaltUeberstunden200Edit",
    "UrlaubstundenEdit",
    "FehlstundenEdit",
    "GehaltEdit",
    "LohnNormalstundenEdit",
    "LohnGehaltMehrstundenEdit",
    "davonNachtZuschl",
    "LohnUrlaubstundenEdit",
    "LohnFehlstundenEdit",
    "ZulageEdit",
    "SonstSZEdit",
    "SonstSZSVEdit",
    "SonstSZLSTEdit",
    "LohnsteuerBetragEdit",
    "SpesenersatzEdit",
    "VorschussEdit",
    "ExekutionEdit",
    "KrankenschEdit",
    "FreibetragEdit",
    "SVFreibetrEdit",
    "SachbezuegeEdit",
    "UrlaubsAnspruchEdit",
    "NormArbeitszeitEdit",
    "RestUrlaubEdit",
    "ZeitKontoEdit",
    "FreibetrLtMitteilgEdit",
    "BMVGbetragEdit",
    "MVzuschlagEdit",
    "BMVGUebertragungsBetragEdit",
    "ServiceEntgelt_eCardEdit",
    "LandarbFreiEdit",
    "SonstSteuerfrEdit",
    "AuslandsTaetEdit",
    "freiwillBeitrEdit",
    "AufrollungEdit",
    "TeilentgeltEdit",
    "TageTeilentgeltEdit",
    "DbDzKommStFreierBetragEdit",
    "ZukunftssicherungEdit",
    "AuslPensDGEdit",
    "ENTW_Edit",
    "PREI_Edit",
    "BPEND_Edit",
    "BSROL_Edit",
};

// Whole-number fields that an empty text turns into "0". WERK_Edit and
// UEBMO_Edit are whole numbers in the record, so they get "0" and not the
// "0,00" of the amounts, which the save could not read back.
const char* const kGanzzahlfelder[] = {
    "PersNrEdit",
    "SV_Lohn_TageEdit",
    "PLZEdit",
    "SozialeStellungEdit",
    "AnzahlKinderEdit",
    "KostenstelleEdit",
    "gehoertZuStandortEdit",
    "WERK_Edit",
    "UEBMO_Edit",
};

// Fields whose entering shows their hint in the status bar.
const std::set<std::string, std::less<>>& HinweisFelder() {
  static const std::set<std::string, std::less<>> names = {
      "GehaltEdit", "SVNrEdit", "GeburtsdatenEdit", "AustrittsDatumEdit", "SozialeStellungEdit",
      "EintrittsDatumEdit", "StaatEdit", "BerufEdit", "BeitragsgruppeComboBox",
      "ArbeiterCheckBoxNeu", "AnzahlKinderEdit", "UrlaubsAnspruchEdit", "RestUrlaubEdit",
      "ZeitKontoEdit", "AngestellterCheckBox", "ArbeiterCheckBox", "MehrstdSatzEdit",
      "MehrstdZuschlagEdit", "ZulageEdit", "StundenlohnEdit", "SVFreibetrEdit", "FreibetragEdit",
      "LandarbFreiEdit", "SonstSteuerfrEdit", "freiwillBeitrEdit", "BemerkungenEdit",
      "SachbezuegeEdit", "DbDzKommStFreierBetragEdit", "FreibetrLtMitteilgEdit",
      "NormArbeitszeitEdit", "AuslandsTaetEdit", "gehoertZuStandortEdit", "AufrollungEdit",
      "TeilentgeltEdit", "TageTeilentgeltEdit", "GeschaeftsFuehrerCheckBox", "grPendlPausch",
      "Alleinverdiener", "ExekutionCheckBox", "UeberwiegNachtarbeitCheckBox", "KaerntenCheckBox",
      "KU", "WF", "LK", "SW", "IE", "NB", "beitrGrundlVorAltZeilzEdit", "SVtraegerEdit",
      "BMVGcheckBox", "weiblichCheckBox", "TeilzeitCheckBox", "freierDNcheckBox", "GeringfCheckBox",
      "SZanspruchCheckBox", "SZohneAllgBeitrCheckBox", "ueberSechzigCheckBox", "NormalstundenEdit",
      "MehrstundenEdit", "davonNachtZuschl", "SonderZlgComboBox", "SonderzahlungEdit",
      "SZSVfreiTextEdit", "SZSVfreiEdit", "SonstSZTextEdit", "SonstSZEdit",
      "ServiceEntgelt_eCardEdit", "SonstSZSVEdit", "SonstSZLSTEdit", "SpesenersatzEdit",
      "VorschussEdit", "BMVGbetragEdit", "BMVGberechnenCheckBox", "MVzuschlagEdit",
      "BMVGUebertragungsBetragEdit", "MonatComboBox", "JahrComboBox", "AbrechngComboBox",
      "FamStandEdit", "FamNameEdit", "VornameEdit", "BankEdit", "BankKtoNrEdit",
      "Ueberstunden50Edit", "Ueberstunden75Edit", "Ueberstunden100Edit", "Ueberstunden200Edit",
      "UrlaubstundenEdit", "FehlstundenEdit", "KrankenschEdit", "fiktiveBMGedit",
      "DNabgemeldetCheckBox", "KostenstelleEdit", "ZukunftssicherungEdit", "ohneFreibSZCheckBox",
      "AuslPensDGEdit",
      // the window's extra fields
      "UrlaubsKontoTageEdit", "ZeitKontoStdEdit", "TageMaxSV", "ExekutionEdit", "SV_Lohn_TageEdit",
      "ArtDesLohnzettelsEdit", "ENTW_Edit", "PREI_Edit", "WERK_Edit", "BPEND_Edit", "UEBMO_Edit",
      "BSROL_Edit"};
  return names;
}

// Fields whose entering empties the status bar.
const std::set<std::string, std::less<>>& LeereHinweisFelder() {
  static const std::set<std::string, std::less<>> names = {
      "StrasseEdit",           "PLZEdit",        "OrtEdit", "TelefonEdit",
      "AuszahlungsbetragEdit", "NettoBetragEdit"};
  return names;
}

}  // namespace

std::string PersFormTitel(const YearValues& year) {
  return "Dienstnehmer und Abrechnungsdaten " + std::to_string(year.year);
}

void PersFormCreate(AppState& state, PersFormModel& f, bool mitDaten) {
  f.SetTitel(PersFormTitel(state.year));
  f.SetText("MemoPendlerEuro", PendlerEuroErklaerung());
  f.SetItems("MonatComboBox", MonatListe());
  f.SetItems("JahrComboBox", JahrListe(state.year));
  f.SetItems("AbrechngComboBox", TeilabrechnungListe());
  f.SetText("AbrechngComboBox", "0");
  f.SetItems("BeitragsgruppeComboBox", BeitragsgruppenListe());
  f.SetItems("SonderZlgComboBox", SonderzahlungListe());
  f.SetEnabled("TageslohnButton", false);
  // Choosing an employee in the list loads him; only a choice of the user
  // does this, the program empties the list's text often.
  f.OnChange(
      "PersonalNrComboBox", [&state](PersFormModel& m) { PersonalNrComboBoxChange(state, m); },
      true);
  VersicherungsRegelnAnhaengen(state.dialogs(), f);
  PersFormEingabenAnbinden(state.dialogs(), f);
  if (mitDaten) FillPersonalNrList(state, f);
  f.SetChecked("LstBerechnen", true);
  f.SetChecked("AngestellterCheckBox", true);
  if (mitDaten) NewPersonal(state, f);
  f.SetItems("ComboBox1", EldaMeldungsartListe());
  f.SetItems("ComboBox2", EldaGesetzlicheGrundlageListe());
  f.SetItems("ComboBox3", EldaVerwandtschaftListe());
  f.SetItems("ComboBox4", EldaZugehoerigkeitListe());
  f.SetItems("ComboBox5", EldaAbmeldegrundListe(state.year));
}

void PersFormShow(PersFormModel& f) {
  ResetEldaPanel(f);
  f.SetWidth(f.Visible("MenuePanel") ? kPersFormBreite : kPersFormBreiteOhneMenue);
  f.SetChecked("Lst2009Checkbox", true);
}

void PersFormClose(PersFormModel& f) {
  if (f.Visible("DnEldaPanel")) Button9Click(f);
}

void Button9Click(PersFormModel& f) {
  f.SetVisible("DnEldaPanel", false);
  f.SetWidth(kPersFormBreite);
}

void Label191Click(PersFormModel& f) {
  f.SetWidth(kPersFormBreiteOhneMenue);
  f.SetVisible("MenuePanel", false);
  f.SetVisible("Label172", false);
  f.SetVisible("Label193", true);
}

void Label193Click(PersFormModel& f) {
  f.SetWidth(kPersFormBreiteMitMenue);
  f.SetVisible("MenuePanel", true);
  f.SetVisible("Label172", true);
  f.SetVisible("Label193", false);
}

void SpeedButton37Click(PersFormModel& f) { f.SetVisible("mehrPanel", true); }

void Label194Click(PersFormModel& f) {
  f.SetVisible("mehrPanel", false);
  f.SetVisible("PendlerEuroInfo", false);
}

void Label195Click(PersFormModel& f) {
  Label193Click(f);
  f.SetVisible("PendlerEuroInfo", true);
}

void Label196Click(PersFormModel& f) { f.SetVisible("PendlerEuroInfo", false); }

std::span<const char* const> MonatsfelderNull() { return kMonatsfelderNull; }

void ClearAbrechnungFields(PersFormModel& f) {
  for (const char* name : kMonatsfelderNull) f.SetText(name, "0");
  f.SetText("SonderZlgComboBox", "Sonderzahlung");
  f.SetText("SZSVfreiTextEdit", "SZ SV frei");
  f.SetText("SonstSZTextEdit", "Sonstige SZ");
  f.SetText("AMPFG_RueckVerrGruppeEdit", "");
  f.SetText("AMPFG_RueckVerrGruppe_SZEdit", "");
  f.SetChecked("ohneFreibSZCheckBox", false);
  if (f.Steps.ClearLohnartLines) f.Steps.ClearLohnartLines();
}

void NormalizeNumericFields(PersFormModel& f) {
  for (const char* name : kBetragsfelder)
    if (f.Text(name).empty()) f.SetText(name, "0,00");
  for (const char* name : kGanzzahlfelder)
    if (f.Text(name).empty()) f.SetText(name, "0");
  if (f.Text("ArtDesLohnzettelsEdit").empty()) f.SetText("ArtDesLohnzettelsEdit", "01");
}

void ResetEldaPanel(PersFormModel& f) {
  for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"})
    f.SetText(name, "");
  for (const char* name :
       {"Testdaten_CB", "TAMO_CB", "ABEZ_CB", "SBZC_CB", "MALU_CB", "BUAK_CB", "AABG_CB"})
    f.SetChecked(name, false);
  f.SetText("STSL", "AUT");
  f.SetText("BKFZ", "A");
  for (const char* name :
       {"ADAT", "FNA1", "FNA2", "AKGR", "RDAT", "GEGC", "GEGT", "VWVC", "VWVT", "BETL", "ZUGE",
        "LVDA", "LBDA", "BETR", "BTAG", "BSTD", "BGMA", "BPLZ", "BORT", "EBSV", "AGRD", "SAGR",
        "KEAB", "KEBI", "UEAB", "UEBI", "TAGE", "E1LJ", "ERTG", "NSGA", "NSGE", "BVAB", "BVEN"})
    f.SetText(name, "");
  // The previous employee's kind of registration must not be filed for the
  // next one; emptying it resets the colours of the kind (ADAT is empty by
  // now, so its rule has nothing to refuse).
  f.SetText("AECD", "");
  f.SetText("DN_Satzart", "");
}

const std::vector<std::string>& SpeichernZahlenfelder() {
  static const std::vector<std::string> names = {
      "Einkommen",
      "KrankenschEdit",
      "AuslandsTaetEdit",
      "SonderzahlungEdit",
      "SZSVfreiEdit",
      "SonstSZEdit",
      "SonstSZSVEdit",
      "SonstSZLSTEdit",
      "NormalstundenEdit",
      "MehrstundenEdit",
      "Ueberstunden50Edit",
      "Ueberstunden75Edit",
      "Ueberstunden100Edit",
      "Ueberstunden200Edit",
      "davonNachtZuschl",
      "UrlaubstundenEdit",
      "FehlstundenEdit",
      "ServiceEntgelt_eCardEdit",
      "BMVGbetragEdit",
      "MVzuschlagEdit",
      "BMVGUebertragungsBetragEdit",
      "AufrollungEdit",
      "TeilentgeltEdit",
      "TageTeilentgeltEdit",
      "beitrGrundlVorAltZeilzEdit",
      "SpesenersatzEdit",
      "VorschussEdit",
      "ExekutionEdit",
      "RestUrlaubEdit",
      "UrlaubsAnspruchEdit",
      "ZeitKontoEdit",
      "GehaltEdit",
      "StundenlohnEdit",
      "MehrstdSatzEdit",
      "MehrstdZuschlagEdit",
      "ZulageEdit",
      "SVFreibetrEdit",
      "FreibetragEdit",
      "SachbezuegeEdit",
      "DbDzKommStFreierBetragEdit",
      "ZukunftssicherungEdit",
      "AuslPensDGEdit",
      "LandarbFreiEdit",
      "SonstSteuerfrEdit",
      "freiwillBeitrEdit",
      "FreibetrLtMitteilgEdit",
      "NormArbeitszeitEdit",
      "AMPFG_SVGrundlageEdit",
      "AMPFG_RueckVerrBetragEdit",
      "AMPFG_RueckVerrBetrag_SZEdit",
      "AMPFG_SVGrundlage_SZEdit",
  };
  return names;
}

void PersFormFeldBetreten(PersFormModel& f, std::string_view name) {
  PersFormEingabeBreite(f, name, true);
  if (HinweisFelder().contains(name))
    f.SetText("StatusBar1", "Hinweis: " + f.Hint(name));
  else if (LeereHinweisFelder().contains(name))
    f.SetText("StatusBar1", "");
}

void PersFormFeldVerlassen(AppState& state, PersFormModel& f, std::string_view name) {
  PersFormEingabeBreite(f, name, false);
  f.TextVerlassen(name);
  // The program moving the focus elsewhere is no leaving by the user.
  if (f.FocusRequestRunning()) return;
  try {
    PersFormEingabeVerlassen(state.dialogs(), f, name);
    EldaPanelFeldVerlassen(f, name);
    if (name == "TageMaxSV") {
      long long tage = ZiffernWert(f.Text(name));
      if (tage < 1) {
        state.dialogs().ShowMessage("Anzahl Tage mindestens 1");
        f.SetText(name, "1");
      } else if (tage > 30) {
        state.dialogs().ShowMessage("Anzahl Tage maximal 30");
        f.SetText(name, "30");
      }
    } else if (name == "BeitragsgruppeComboBox") {
      BeitragsgruppeComboBoxExit(state.dialogs(), f);
    } else if (name == "WERK_Edit" || name == "UEBMO_Edit") {
      f.SetText(name, FilterDigits(f.Text(name)));
      if (ZiffernWert(f.Text(name)) > 12) f.SetText(name, "12");
    } else if (name == "ArtDesLohnzettelsEdit") {
      f.SetText(name, FilterDigits(f.Text(name)));
      if (ZiffernWert(f.Text(name)) > 99) f.SetText(name, "99");
    }
  } catch (const FeldKonversionsFehler& e) {
    ZeigeKonversionsFehler(state.dialogs(), f, e);
  } catch (const ConversionError& e) {
    // The field keeps its text; the clerk is taken back to it.
    ZeigeKonversionsFehler(state.dialogs(), f, FeldKonversionsFehler(name, e));
  }
}

void PersFormBenutzerText(AppState& state, PersFormModel& f, std::string_view name,
                          std::string text) {
  try {
    f.UserSetText(name, std::move(text));
  } catch (const ConversionError& e) {
    state.dialogs().ShowMessage(e.what());
  }
}

void PersFormBenutzerHaken(AppState& state, PersFormModel& f, std::string_view name, bool on) {
  try {
    f.UserSetChecked(name, on);
  } catch (const ConversionError& e) {
    state.dialogs().ShowMessage(e.what());
  }
}

std::string FreiTextDateiName(std::string_view stem, std::string_view persNr, FreiText art) {
  return std::string(stem) + "_" + std::string(persNr) +
         (art == FreiText::Vorschuss ? "_Vorschuss.TXT" : "_Spesen.TXT");
}

void OeffneFreiText(AppState& state, PersFormModel& f, FreiText art) {
  // The number becomes part of a file name: only digits may get there.
  const std::string& nr = f.Text("PersNrEdit");
  if (nr.empty() || nr.find_first_not_of("0123456789") != std::string::npos) {
    state.dialogs().ShowMessage("'" + nr + "' ist kein gültiger Integerwert");
    return;
  }
  const std::string name = FreiTextDateiName(state.DataFileStem, nr, art);
  const std::string anfang =
      Utf8ToCp1252(art == FreiText::Vorschuss ? "Vorschuss: " : "Spesenersatz: ");
  // Created only when missing, never over a text the user already wrote.
  int err = 0;
  if (!CreateFileIfMissing(name, Bytes(anfang.begin(), anfang.end()), &err)) {
    state.dialogs().ShowMessage(CreateFailedMessage(name, err));
    return;
  }
  state.services.shell.Open(name);
}

const std::vector<PersFormOeffner>& PersFormOeffnerListe() {
  using A = PersFormOeffner::Art;
  static const std::string v01 = LernvideoProgramm(1), v02 = LernvideoProgramm(2),
                           v03 = LernvideoProgramm(3), v05 = LernvideoProgramm(5),
                           v06 = LernvideoProgramm(6);
  static const std::vector<PersFormOeffner> list = {
      {"SpeedButton1", A::Dokument, kHandbuchFile},
      {"Label166", A::Dokument, kHandbuchFile},
      {"Label10", A::Dokument, kBeitragsgruppenTabelle},
      {"SpeedButton28", A::Dokument, kBeitragssenkungInfo},
      {"Label176", A::Dokument, kVersichertenMeldungFile},
      {"Label174", A::Programm, v01.c_str()},
      {"Label173", A::Programm, v02.c_str()},
      {"Label175", A::Programm, v03.c_str()},
      {"Label177", A::Programm, v05.c_str()},
      {"Label178", A::Programm, v06.c_str()},
      {"Label199", A::Dokument, "https://www.quandrel.at/videos/pendlereuro"},
  };
  return list;
}

bool PersFormOeffnen(platform::Shell& shell, std::string_view control) {
  for (const PersFormOeffner& o : PersFormOeffnerListe()) {
    if (control != o.control) continue;
    if (o.art == PersFormOeffner::Art::Programm)
      shell.StartProgram(o.ziel, {});
    else
      shell.Open(o.ziel);
    return true;
  }
  return false;
}

const std::vector<PersFormInfo>& PersFormInfoListe() {
  static const std::vector<PersFormInfo> list = {
      {"SpeedButton34", "ArtLohnzettel.txt",
       "INFO: Art des Lohnzettels (elektronische Übermittlung)"},
      {"SpeedButton35", "VersicherungsTraeger.txt", "INFO: Versicherungsträger"},
      {"SpeedButton36", "SozialeStellung.txt", "INFO: Soziale Stellung"},
  };
  return list;
}

const char* const kAufloesungsabgabeHinweis =
    "Diese Abgabe haben Dienstgeber grundsätzlich dann zu entrichten, wenn ein "
    "arbeitslosenversicherungspflichtiges (\"echtes\" oder freies) Dienstverhältnis beendet "
    "wird. (Vorauss. Höhe 2013 = EUR 113,-)";

}  // namespace lohn
