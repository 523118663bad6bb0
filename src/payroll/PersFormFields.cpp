// The controls of the employee window that hold data or state, with their
// start state (as the window is created) and their hint, and the rules that
// run when one of them changes.

#include "payroll/PersFormModel.h"
#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

struct FeldDef {
  PersFeldArt art;
  const char* name;
  const char* start;  // text, or "1" for a checked box
  const char* hint;
  bool visible = true;
};

constexpr auto E = PersFeldArt::Edit;
constexpr auto C = PersFeldArt::ComboBox;
constexpr auto K = PersFeldArt::CheckBox;
constexpr auto M = PersFeldArt::Memo;
constexpr auto L = PersFeldArt::Label;
constexpr auto X = PersFeldArt::Control;

constexpr const char* kDatumHint = "Format: TT.MM.JJJJ";

const FeldDef kFelder[] = {
    // Personaldaten
    {C, "MonatComboBox", "", "Abrechnungsmonat (1-12)"},
    {C, "JahrComboBox", "", "Abrechnungsjahr"},
    {C, "AbrechngComboBox", "0",
     "Teilabrechnung für den ausgewählten Monat: 0 = keine Teilabrechnung, 1 = 1. "
     "Teilabrechnung"},
    {C, "PersonalNrComboBox", "", "Dienstnehmer auswählen"},
    {E, "PersNrEdit", "0", "Die Personalnummer wird automatisch vergeben"},
    {E, "FamNameEdit", "", "Familienname des Dienstnehmers"},
    {E, "VornameEdit", "", "Vorname des Dienstnehmers"},
    {E, "SVNrEdit", "",
     "Sozialversicherungsnummer (SVNRTTMMJJ) oder 4 Nullen + Geburtsdatum (0000TTMMJJ)"},
    {E, "AustrittsDatumEdit", "", "SV-Nummer des Partners (für den Alleinverdienerabsetzbetrag)"},
    {E, "GeburtsdatenEdit", "",
     "ELDA-Referenznummer, eindeutig je Dienstgeber und Beschäftigung (leer = Personalnummer)"},
    {E, "StrasseEdit", "", "Straße und Hausnummer"},
    {E, "AdresseLandEdit", "A", "Land der Adresse (A = Österreich)"},
    {E, "PLZEdit", "0", "Postleitzahl"},
    {E, "OrtEdit", "", "Ort"},
    {E, "TelefonEdit", "", "Telefonnummer"},
    {E, "BankEdit", "", "BIC der Bank des Dienstnehmers"},
    {E, "BankKtoNrEdit", "", "IBAN des Dienstnehmers"},
    {E, "EintrittsDatumEdit", "", "Ein-Austrittsdatum im Format: TT.MM.JJJJ-TT.MM.JJJJ"},
    {E, "FamStandEdit", "", "Familienstand"},
    {E, "AnzahlKinderEdit", "0", "Anzahl Kinder - Alleinverdiener(erzieher)"},
    {E, "SozialeStellungEdit", "3", "Lehrling = 1, Arbeiter = 2, Angestellter = 3, ... siehe ?"},
    {E, "StaatEdit", "A", "Staatsbürgerschaft (A = Österreich)"},
    {E, "BerufEdit", "", "Beruf bzw. Tätigkeit"},
    {E, "SVtraegerEdit", "", "Code des Versicherungsträgers ... siehe ?"},
    {E, "gehoertZuStandortEdit", "0", "Nummer des Standorts (Standort-Daten)"},
    {E, "ArtDesLohnzettelsEdit", "1",
     "Art des Lohnzettels für die elektronische Übermittlung ... siehe ?"},
    {E, "KostenstelleEdit", "0",
     "Kostenstelle Nr. 1-99 (nur für Kostenstellenrechnung auszufüllen)"},
    {E, "BemerkungenEdit", "", "Bemerkung wird am Lohzettel u. Lohnkonto gedruckt"},
    {E, "UrlaubsAnspruchEdit", "25", "Urlaubsanspruch in Tagen pro Jahr"},
    {E, "RestUrlaubEdit", "0", "Resturlaub in Stunden"},
    {E, "ZeitKontoEdit", "0", "Stand des Zeitkontos"},
    {L, "DG_Label", "", "Kurzbezeichnung des Dienstgebers"},

    // fixe Lohnarten
    {E, "GehaltEdit", "0", "Monatsgehalt bzw. Stundenlohn (Gehalt/Std-Lohn)"},
    {E, "ZulageEdit", "0", "Zulagen, Provisionen, steuerpflichtige Reisekosten"},
    {E, "StundenlohnEdit", "0", "Überstunden-Satz: Stundenlohn für Überstunden"},
    {E, "MehrstdSatzEdit", "0", "Stundensatz für Mehrstunden"},
    {E, "MehrstdZuschlagEdit", "0", "Zuschlag für Mehrstunden in %"},
    {K, "AngestellterCheckBox", "", "Entlohnung mit Monatsgehalt"},
    {K, "ArbeiterCheckBox", "", "Entlohnung mit Stundenlohn (Zeitlohn)"},

    // Freibeträge
    {E, "FreibetragEdit", "0", "steuerfreie Zulagen (Schmutz-, Erschwernis-, Gefahrenzulage)"},
    {E, "SVFreibetrEdit", "0", "Bezüge, die nicht der Sozialversicherung unterliegen"},
    {E, "FreibetrLtMitteilgEdit", "0", "Freibetrag laut Mitteilung des Finanzamts"},
    {E, "NormArbeitszeitEdit", "0", "Betrag der Pendlerpauschale gem § 16 Abs 1 Z 6"},
    {E, "LandarbFreiEdit", "0", "Landarbeiterfreibetrag"},
    {E, "SonstSteuerfrEdit", "0", "sonstige steuerfreie Bezüge"},
    {E, "AuslandsTaetEdit", "0", "begünstigte Auslandstätigkeit"},
    {E, "freiwillBeitrEdit", "0", "einbehaltene freiwillige Beiträge (z.B. Gewerkschaftsbeitrag)"},
    {E, "SachbezuegeEdit", "0", "Sachbezüge pro Monat"},
    {E, "DbDzKommStFreierBetragEdit", "0",
     "Bezüge frei von DB, DZ und Kommunalsteuer (z.B. Trinkgelder)"},
    {E, "ZukunftssicherungEdit", "0", "Zukunftssicherung (ändert den Bruttobezug nicht)"},
    {E, "AuslPensDGEdit", "0", "Dienstgeberbeiträge an ausländische Pensionskassen"},
    {E, "AufrollungEdit", "0", "Kirchen- und Gewerkschaftsbeiträge für die Aufrollung"},
    {E, "TeilentgeltEdit", "0", "Teilentgelt neben Kranken- oder Wochengeld"},
    {E, "TageTeilentgeltEdit", "0", "Kalendertage mit Teilentgelt"},
    {E, "beitrGrundlVorAltZeilzEdit", "0", "Beitragsgrundlage vor Altersteilzeit (0 = keine)"},

    // Eigenschaften des DN
    {C, "BeitragsgruppeComboBox", "D1", "Beitragsgruppe der Sozialversicherung"},
    {K, "ArbeiterCheckBoxNeu", "", "Arbeiter (sonst Angestellter) am Jahreslohnzettel"},
    {K, "GeringfCheckBox", "", "geringfügige Beschäftigung"},
    {K, "TeilzeitCheckBox", "", "Teilzeitbeschäftigung"},
    {K, "freierDNcheckBox", "", "freier Dienstvertrag"},
    {K, "SZanspruchCheckBox", "", "Anspruch auf Sonderzahlungen"},
    {K, "SZohneAllgBeitrCheckBox", "", "Sonderzahlungen ohne allgemeine Beitragsgrundlage"},
    {K, "ueberSechzigCheckBox", "", "Dienstnehmer ab 60: frei von DB und DZ"},
    {K, "GeschaeftsFuehrerCheckBox", "", "handelsrechtlicher Geschäftsführer"},
    {K, "DNabgemeldetCheckBox", "", "Dienstnehmer ist von der Sozialversicherung abgemeldet"},
    {K, "BMVGcheckBox", "", "Betriebliche Mitarbeitervorsorge (Abfertigung neu)"},
    {K, "weiblichCheckBox", "", "weiblich"},
    {K, "UeberwiegNachtarbeitCheckBox", "", "überwiegend Nachtarbeit"},
    {K, "grPendlPausch", "", "Alleinerzieherabsetzbetrag"},
    {K, "Alleinverdiener", "", "Alleinverdienerabsetzbetrag"},
    {K, "KaerntenCheckBox", "", "in Kärnten ist für Sonderzahlungen LK zu berechnen"},
    {K, "ExekutionCheckBox", "", "Lohnpfändung: am Lohnzettel wird Exekution gedruckt"},
    {K, "LstBerechnen", "", "Lohnsteuer berechnen (sonst gilt der eingegebene Betrag)"},
    {K, "Lst2009Checkbox", "", "Lohnsteuertarif 2009"},
    {K, "KU", "1", "Kammerumlage (AK)"},
    {K, "WF", "1", "Wohnbauförderungsbeitrag"},
    {K, "LK", "", "Landarbeiterkammerumlage"},
    {K, "SW", "", "Schlechtwetterentschädigungsbeitrag"},
    {K, "EF", "", "EF (wird nicht mehr verrechnet)"},
    {K, "IE", "1", "Zuschlag nach dem Insolvenz-Entgeltsicherungsgesetz"},
    {K, "NB", "", "Nachtschwerarbeitsbeitrag"},
    {E, "TageMaxSV", "30", "SV-Tage für die Höchstbeitragsgrundlage (1 bis 30)"},
    {E, "Einkommen", "0", "Einkommen für die Beitragssenkung bei niedrigem Einkommen"},
    {K, "AMPFGautoCheckBox", "1", "automatisch berechnen"},
    {E, "AMPFG_RueckVerrGruppeEdit", "", "Rückverrechnungsgruppe lfd. Bezüge"},
    {E, "AMPFG_RueckVerrGruppe_SZEdit", "", "Rückverrechnungsgruppe Sonderzahlung"},
    {E, "AMPFG_RueckVerrBetragEdit", "0", "Rückverrechnungsbetrag lfd. Bezüge"},
    {E, "AMPFG_RueckVerrBetrag_SZEdit", "0", "Rückverrechnungsbetrag Sonderzahlung"},
    {E, "AMPFG_SVGrundlageEdit", "0", "SV-Grundlage der Rückverrechnung lfd. Bezüge"},
    {E, "AMPFG_SVGrundlage_SZEdit", "0", "SV-Grundlage der Rückverrechnung Sonderzahlung"},

    // Betriebliches Mitarbeitervorsorgegesetz
    {E, "BMVGbetragEdit", "0", "Beitrag zur Mitarbeitervorsorgekasse"},
    {E, "MVzuschlagEdit", "0", "Zuschlag bei jährlicher Abrechnung geringfügig Beschäftigter"},
    {K, "BMVGberechnenCheckBox", "1", "BMVG-Beitrag automatisch berechnen"},
    {E, "BMVGUebertragungsBetragEdit", "0", "Übertragungsbetrag an die Mitarbeitervorsorgekasse"},

    // laufende Lohnarten
    {E, "NormalstundenEdit", "0", "Normalstunden des Monats"},
    {E, "MehrstundenEdit", "0", "Mehrstunden des Monats"},
    {E, "Ueberstunden50Edit", "0", "Überstunden mit 50 % Zuschlag"},
    {E, "Ueberstunden75Edit", "0", "Überstunden mit 75 % Zuschlag"},
    {E, "Ueberstunden100Edit", "0", "Überstunden mit 100 % Zuschlag"},
    {E, "Ueberstunden200Edit", "0", "Überstunden mit 200 % Zuschlag"},
    {E, "davonNachtZuschl", "0",
     "darin enthaltene Zuschläge gem. § 68 (Nacht, Schmutz, Erschwernis)"},
    {E, "UrlaubstundenEdit", "0", "bezahlte Urlaubsstunden"},
    {E, "FehlstundenEdit", "0", "bezahlte Fehlstunden (z.B. Krankenstand)"},
    {E, "LohnNormalstundenEdit", "0", "Lohn für die Normalstunden"},
    {E, "LohnGehaltMehrstundenEdit", "0", "Lohn für die Mehrstunden"},
    {E, "LohnGehaltUeberstunden50Edit", "0", "Lohn für die Überstunden mit 50 %"},
    {E, "LohnGehaltUeberstunden75Edit", "0", "Lohn für die Überstunden mit 75 %"},
    {E, "LohnGehaltUeberstunden100Edit", "0", "Lohn für die Überstunden mit 100 %"},
    {E, "LohnGehaltUeberstunden200Edit", "0", "Lohn für die Überstunden mit 200 %"},
    {E, "LohnUrlaubstundenEdit", "0", "Lohn für die Urlaubsstunden"},
    {E, "LohnFehlstundenEdit", "0", "Lohn für die Fehlstunden"},
    {E, "BruttoEdit", "0", "Bruttobezug des Monats"},
    {C, "SonderZlgComboBox", "Sonderzahlung", "Art der Sonderzahlung"},
    {E, "SonderzahlungEdit", "0", "sozialversicherungspflichtige Sonderzahlung"},
    {E, "SZSVfreiTextEdit", "SZ SV frei", "Bezeichnung der SV-freien Sonderzahlung"},
    {E, "SZSVfreiEdit", "0", "SV-freie Sonderzahlung (z.B. Jubiläumsgeld)"},
    {E, "SonstSZTextEdit", "Sonstige SZ", "Bezeichnung der sonstigen Sonderzahlung"},
    {E, "SonstSZEdit", "0", "sonstige Sonderzahlung (z.B. Abfertigung)"},
    {E, "SonstSZSVEdit", "0", "Sozialversicherung der sonstigen Sonderzahlung"},
    {E, "SonstSZLSTEdit", "0", "Lohnsteuer der sonstigen Sonderzahlung"},
    {E, "ServiceEntgelt_eCardEdit", "0", "Service-Entgelt für die e-card"},
    {E, "BruttoGesamtEdit", "0", "Bruttobezug gesamt"},
    {E, "SachbezuegeAbreEdit", "0", "Sachbezüge des Monats"},
    {E, "SVFreibetragEdit", "0", "SV-freie Bezüge des Monats"},
    {E, "SVBeitragsgrundlageEdit", "0", "SV-Beitragsgrundlage der laufenden Bezüge"},
    {E, "SVBeitragsGrundlageSonderzahlungEdit", "0", "SV-Beitragsgrundlage der Sonderzahlung"},
    {E, "BetragDNAnteilEdit", "0", "SV-Dienstnehmeranteil der laufenden Bezüge"},
    {E, "BetragDNAnteilSonderZEdit", "0", "SV-Dienstnehmeranteil der Sonderzahlung"},
    {E, "DN_KU_Edit", "0", "Kammerumlage"},
    {E, "DN_WF_Edit", "0", "Wohnbauförderungsbeitrag"},
    {E, "DN_LK_Edit", "0", "Landarbeiterkammerumlage"},
    {E, "DN_SW_Edit", "0", "Schlechtwetterentschädigungsbeitrag"},
    {E, "DN_LK_SZ_Edit", "0", "Landarbeiterkammerumlage der Sonderzahlung"},
    {E, "DN_SW_SZ_Edit", "0", "Schlechtwetterentschädigungsbeitrag der Sonderzahlung"},
    {E, "SV_DN_GesamtEdit", "0", "SV-Dienstnehmeranteil gesamt, laufende Bezüge"},
    {E, "SV_DN_SZ_GesamtEdit", "0", "SV-Dienstnehmeranteil gesamt, Sonderzahlung"},
    {E, "SV_AbzGesEdit", "0", "SV-Abzüge gesamt"},
    {E, "DGAnteilEdit", "0", "Dienstgeberanteil in %"},
    {E, "DNAnteilEdit", "0", "Dienstnehmeranteil in %"},
    {E, "JahressechstelEdit", "0", "Jahressechstel"},
    {E, "SummeSonderZlgEdit", "0", "Summe der bisherigen Sonderzahlungen des Jahres"},
    {E, "SummeLstFreibetrSZEdit", "0",
     "bisher verbrauchter Lohnsteuer-Freibetrag für Sonderzahlungen"},
    {E, "InnerhSechstelEdit", "0", "Sonderzahlung innerhalb des Jahressechstels"},
    {E, "InnerhSechstelSVfreiEdit", "0", "SV-freie Sonderzahlung innerhalb des Jahressechstels"},
    {E, "SueberschreitungEdit", "0", "Sonderzahlung über dem Jahressechstel"},
    {E, "fiktiveBMGedit", "0", "fiktive Beitragsgrundlage (Altersteilzeit)"},
    {E, "FreibetrEdit", "0", "abgezogene Freibeträge"},
    {E, "KrankenschEdit", "0", "einbehaltene freiwillige Beiträge"},
    {E, "GrundlageLSTEdit", "0", "Bemessungsgrundlage der Lohnsteuer"},
    {E, "LohnsteuerBetragEdit", "0", "Lohnsteuer der laufenden Bezüge"},
    {E, "LstFreibetragSZ", "0", "Lohnsteuer-Freibetrag der Sonderzahlung"},
    {E, "GrundlLstSZ", "0", "Lohnsteuer-Grundlage der Sonderzahlung"},
    {E, "LstSZ", "0", "Lohnsteuer der Sonderzahlung"},
    {E, "LstGesamt", "0", "Lohnsteuer gesamt"},
    {E, "NettoBetragEdit", "0", "Nettobezug"},
    {E, "SpesenersatzEdit", "0", "steuer- und SV-freier Spesenersatz"},
    {E, "VorschussEdit", "0", "ausbezahlter Vorschuss"},
    {E, "ExekutionEdit", "0", "Exekutionsbetrag (Lohnpfändung)"},
    {E, "AuszahlungsbetragEdit", "0", "Auszahlungsbetrag"},
    {E, "SV_Lohn_TageEdit", "30", "SV- und Lohnsteuertage (normal 30)"},
    {E, "UrlaubsKontoTageEdit", "0", "Urlaubskonto in Tagen"},
    {E, "ZeitKontoStdEdit", "0", "Zeitkonto in Stunden"},
    {K, "ohneFreibSZCheckBox", "",
     "Sonderzahlungen ohne Freibetrag (in einem früheren Dienstverhältnis verbraucht)"},
    // totals of the wage-type window, shown beside its button
    {E, "LohnartenSummeEdit", "0,00", "Summe der weiteren Lohnarten (mehr Lohnarten ...)"},
    {L, "LohnartenFreiLabel", "", ""},
    {E, "TempEdit", "0", "", false},
    {E, "TempEdit1", "0", "", false},
    {E, "TempEdit2", "0", "", false},
    {X, "TageslohnButton", "", "Lohnsteuer für Tageslohn berechnen"},
    {X, "Button4", "", "Ersatzleistungen für Urlaubsentgelt berechnen"},

    // mehr Felder: Pendlereuro und Jahreslohnzettel
    {X, "mehrPanel", "", "Pendlereuro und Jahreslohnzettel", false},
    {E, "PREI_Edit", "0", "pauschale Reiseaufwandsentschädigung (Jahresbetrag)"},
    {E, "WERK_Edit", "0", "Werkverkehr: Anzahl der Kalendermonate"},
    {E, "BPEND_Edit", "0", "Pendler-Euro (Jahresbetrag)"},
    {E, "UEBMO_Edit", "0", "Monate mit Überlassung eines Kfz für Fahrten zur Arbeitsstätte"},
    {E, "BSROL_Edit", "0", "Sonderausgaben in der Aufrollung"},
    {E, "ENTW_Edit", "0", "Bezüge als Entwicklungshelfer/Innen"},
    {K, "EPAB_CB", "", "Erhöhter Pendlerabsetzbetrag berücksichtigt"},
    {K, "CheckBox32", "", "Pendlereuro monatlich berücksichtigen"},
    {X, "PendlerEuroInfo", "", "Pendlereuro", false},
    {M, "MemoPendlerEuro", "", ""},

    // side panel, status bar
    {X, "MenuePanel", "", "Handbuch, Schulungsvideos und Kurzhilfe"},
    {X, "Label172", "", ""},
    {X, "Label193", "", "Infos einblenden", false},
    {L, "StatusBar1", "", ""},

    // Registration panel
    {X, "DnEldaPanel", "", "Versicherten-Meldung", false},
    {C, "ComboBox1", "", "Art der Meldung"},
    {E, "DN_Satzart", "", "Art der Meldung (Code)"},
    {K, "Testdaten_CB", "", "zur Test-Übermittlung erstellen"},
    {E, "ADAT", "", kDatumHint},
    {E, "EBSV", "", kDatumHint},
    {E, "FNA1", "", "früherer Familienname 1"},
    {E, "FNA2", "", "früherer Familienname 2"},
    {E, "AKGR", "", "akademischer Grad, Titel"},
    {E, "STSL", "AUT", "Staatsangehörigkeit (AUT = Österreich)"},
    {E, "RDAT", "", kDatumHint},
    {C, "ComboBox2", "", "gesetzliche Grundlage"},
    {E, "GEGC", "", "gesetzliche Grundlage (Code)"},
    {E, "GEGT", "", "gesetzliche Grundlage (Text)"},
    {C, "ComboBox3", "", "Verwandtschaftsverhältnis"},
    {E, "VWVC", "", "Verwandtschaftsverhältnis (Code)"},
    {E, "VWVT", "", "Verwandtschaftsverhältnis (Text)"},
    {E, "BETL", "", "Art und Höhe (z.B.: Teilhaber 25 %)"},
    {C, "ComboBox4", "", "Zugehörigkeit (Beschäftigtengruppe)"},
    {E, "ZUGE", "", "Zugehörigkeit (Code)"},
    {E, "LVDA", "", kDatumHint},
    {E, "LBDA", "", kDatumHint},
    {K, "TAMO_CB", "", "Tabakmonopolgesetz"},
    {E, "BETR", "0,00", "Gesamtentgelt (brutto + Sachbezüge)"},
    {K, "ABEZ_CB", "", "Zeitlohn (zeitlich begrenzt)"},
    {K, "SBZC_CB", "", "Sachbezug"},
    {E, "BTAG", "0", "Beschäftigungstage pro Woche"},
    {E, "BSTD", "0,00", "Stunden pro Woche (1/4 Stunde = 0025)"},
    {K, "MALU_CB", "", "Malus"},
    {E, "BGMA", "0,00", "Beitragsgrundlage für den Malus"},
    {E, "BKFZ", "A", "Beschäftigungsort: internationales Kfz-Kennzeichen (A = Österreich)"},
    {E, "BPLZ", "", "Beschäftigungsort: Postleitzahl"},
    {E, "BORT", "", "Beschäftigungsort: Ort"},
    {C, "ComboBox5", "", "Abmeldegrund"},
    {E, "AGRD", "", "Abmeldegrund (Code)"},
    {E, "SAGR", "", "Abmeldegrund (Text)"},
    {E, "KEAB", "", kDatumHint},
    {E, "KEBI", "", kDatumHint},
    {E, "UEAB", "", kDatumHint},
    {E, "UEBI", "", kDatumHint},
    {E, "TAGE", "", "Tage fallweiser Beschäftigung bzw. Anzahl der Tage bei Zeitlohn"},
    {E, "E1LJ", "", kDatumHint},
    {K, "BUAK_CB", "", "Bauarbeiter Urlaubskasse"},
    {E, "ERTG", "0", "Urlaubstage abgerundet", false},
    {E, "NSGA", "", kDatumHint},
    {E, "NSGE", "", kDatumHint},
    {E, "AECD", "", "Änderungscode", false},
    {E, "BVAB", "", kDatumHint},
    {E, "BVEN", "", kDatumHint},
    {K, "AABG_CB", "", "Auflösungsabgabe"},
    {X, "TagePanel", "", "Tage der Beschäftigung", false},
    {E, "AnzTageEdit", "", "Anzahl der Tage bei Zeitlohn"},
};

}  // namespace

// The 31 day boxes of the day panel: "TagCheckBox01" to "TagCheckBox31".
std::string TagCheckBoxName(int day) { return "TagCheckBox" + ZeroPadded(day, 2); }

void PersFormModel::DeclareFields() {
  for (const FeldDef& d : kFelder) Declare(d.art, d.name, d.start, d.hint, d.visible);
  for (int day = 1; day <= 31; ++day)
    Declare(K, TagCheckBoxName(day).c_str(), "", "Kalendertag der fallweisen Beschäftigung", true);
}

void PersFormModel::AttachRules() {
  // The employee number also keys the record buffer; a new number means a
  // new employee, so the SV days start again at 30.
  OnChange("PersNrEdit", [](PersFormModel& f) {
    f.SetText("TageMaxSV", "30");
    f.CurrentPersonal.PersNrEdit = StrToInt(f.Text("PersNrEdit"));
  });
  OnChange("TageMaxSV",
           [](PersFormModel& f) { f.SetText("TageMaxSV", FilterDigits(f.Text("TageMaxSV"))); });
  for (const char* name : {"Einkommen", "KrankenschEdit"}) {
    OnChange(name, [name](PersFormModel& f) {
      f.SetText(name, FilterNumber(f.Text(name)));
      StrToFloat(f.Text(name));
    });
  }
  OnChange("SV_Lohn_TageEdit", [](PersFormModel& f) {
    f.SetText("SV_Lohn_TageEdit", FilterNumber(f.Text("SV_Lohn_TageEdit")));
    if (f.Steps.SetTeilGehaltTage) f.Steps.SetTeilGehaltTage(f.Text("SV_Lohn_TageEdit"));
  });
}

// What the calculation writes cannot be typed. The wage tax, the provision
// fund amount and the AMPFG fields are typed while their automatic box is off.
void PersFormModel::MarkResultFields() {
  const char* const ergebnisse[] = {
      // gross pay, the annual sixth and the contribution bases
      "SachbezuegeAbreEdit", "LohnNormalstundenEdit", "LohnGehaltMehrstundenEdit",
      "LohnGehaltUeberstunden50Edit", "LohnGehaltUeberstunden75Edit",
      "LohnGehaltUeberstunden100Edit", "LohnGehaltUeberstunden200Edit", "LohnUrlaubstundenEdit",
      "LohnFehlstundenEdit", "BruttoEdit", "InnerhSechstelSVfreiEdit", "InnerhSechstelEdit",
      "SueberschreitungEdit", "SummeSonderZlgEdit", "JahressechstelEdit", "SummeLstFreibetrSZEdit",
      "BruttoGesamtEdit", "SVFreibetragEdit", "fiktiveBMGedit", "SVBeitragsgrundlageEdit",
      "SVBeitragsGrundlageSonderzahlungEdit", "TempEdit", "TempEdit1", "TempEdit2",
      // contributions
      "DGAnteilEdit", "DNAnteilEdit", "BetragDNAnteilEdit", "DN_KU_Edit", "DN_WF_Edit",
      "DN_LK_Edit", "DN_SW_Edit", "SV_DN_GesamtEdit", "BetragDNAnteilSonderZEdit", "DN_LK_SZ_Edit",
      "DN_SW_SZ_Edit", "SV_DN_SZ_GesamtEdit", "SV_AbzGesEdit",
      // wage tax, net and payout
      "FreibetrEdit", "KrankenschEdit", "GrundlageLSTEdit", "LstFreibetragSZ", "GrundlLstSZ",
      "LstSZ", "LstGesamt", "NettoBetragEdit", "AuszahlungsbetragEdit", "LohnartenSummeEdit"};
  for (const char* name : ergebnisse) SetReadOnly(name, true);
  const std::pair<const char*, std::vector<const char*>> automatik[] = {
      {"LstBerechnen", {"LohnsteuerBetragEdit"}},
      {"BMVGberechnenCheckBox", {"BMVGbetragEdit"}},
      {"AMPFGautoCheckBox",
       {"AMPFG_RueckVerrGruppeEdit", "AMPFG_RueckVerrGruppe_SZEdit", "AMPFG_RueckVerrBetragEdit",
        "AMPFG_RueckVerrBetrag_SZEdit", "AMPFG_SVGrundlageEdit", "AMPFG_SVGrundlage_SZEdit"}},
  };
  for (const auto& eintrag : automatik) {
    // Named copies: clang 14 cannot capture a structured binding in a lambda.
    const char* box = eintrag.first;
    const std::vector<const char*> fields = eintrag.second;
    auto folgen = [box, fields](PersFormModel& f) {
      for (const char* name : fields) f.SetReadOnly(name, f.Checked(box));
    };
    folgen(*this);
    OnChange(box, folgen);
  }
}

}  // namespace lohn
