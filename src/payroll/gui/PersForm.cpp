#include "payroll/gui/PersForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "frame/gui/ClickLabel.h"
#include "frame/gui/HilfeForm.h"
#include "frame/gui/VideosForm.h"
#include "payroll/BerechnenButton.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/gui/PersFormLohnarten.h"

using lohn::PersAspekt;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }

// Geometry of the panels that open over the window.
const QRect kMehrPanel(340, 226, 360, 225);
const QRect kPendlerEuroInfo(664, 256, 320, 300);
const QRect kEldaPanel(342, 32, 638, 532);
const QRect kTagePanel(72, 146, 369, 329);

constexpr int kMenueBreite = 176;
constexpr int kSpalteA = 254;
constexpr int kSpalteB = 256;
constexpr int kSpalteC = 274;
constexpr int kBetrag = 58;  // width of an amount field
constexpr int kStunden = 42;

}  // namespace

// ---------------------------------------------------------------------------
// Building blocks

QLineEdit* TPersForm::Edit(const char* name, int width) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  if (width > 0) e->setFixedWidth(width);
  return e;
}

QComboBox* TPersForm::Combo(const char* name, int width, bool editable) {
  auto* c = new QComboBox(this);
  c->setObjectName(name);
  c->setEditable(editable);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setMaxVisibleItems(20);
  if (width > 0) c->setFixedWidth(width);
  return c;
}

QCheckBox* TPersForm::Check(const char* name, const char* caption) {
  auto* c = new QCheckBox(Q(caption), this);
  c->setObjectName(name);
  return c;
}

QPushButton* TPersForm::Button(const char* name, const char* caption, const char* hint) {
  auto* b = new QPushButton(Q(caption), this);
  b->setObjectName(name);
  b->setAutoDefault(false);
  if (*hint) b->setToolTip(Q(hint));
  return b;
}

QToolButton* TPersForm::Speed(const char* name, const char* hint, const QString& text, int icon) {
  auto* b = new QToolButton(this);
  b->setObjectName(name);
  b->setToolTip(Q(hint));
  b->setAutoRaise(true);
  if (icon >= 0) {
    b->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  }
  b->setText(text);
  return b;
}

ClickLabel* TPersForm::Link(const char* name, const char* caption, const char* hint) {
  auto* l = new ClickLabel(Q(caption), this);
  l->setObjectName(name);
  l->ShowAsLink();
  if (*hint) l->setToolTip(Q(hint));
  return l;
}

QLabel* TPersForm::Text(const QString& caption, int width) {
  auto* l = new QLabel(caption, this);
  if (width > 0) l->setFixedWidth(width);
  return l;
}

QGroupBox* TPersForm::Bereich(const char* name, const char* title) {
  auto* g = new QGroupBox(Q(title), this);
  g->setObjectName(name);
  g->setToolTip(Q(title));
  auto* v = new QVBoxLayout(g);
  v->setContentsMargins(4, 1, 4, 2);
  v->setSpacing(1);
  return g;
}

// One line of a framed area: a caption of fixed width, then the controls
// that the caller adds.
QHBoxLayout* TPersForm::Reihe(QVBoxLayout* spalte, const QString& caption, int labelWidth) {
  auto* h = new QHBoxLayout;
  h->setSpacing(2);
  if (labelWidth > 0) h->addWidget(Text(caption, labelWidth));
  spalte->addLayout(h);
  return h;
}

// A panel that opens over the window at a fixed place.
QFrame* TPersForm::Ueberlagerung(const char* name, const QRect& geometrie, QWidget* parent) {
  auto* p = new QFrame(parent);
  p->setObjectName(name);
  p->setFrameShape(QFrame::Panel);
  p->setFrameShadow(QFrame::Raised);
  p->setAutoFillBackground(true);
  p->setGeometry(geometrie);
  auto* v = new QVBoxLayout(p);
  v->setContentsMargins(6, 4, 6, 4);
  v->setSpacing(3);
  return p;
}

namespace {

QVBoxLayout* Spalte(QGroupBox* g) { return static_cast<QVBoxLayout*>(g->layout()); }

// Adds the widgets and pushes them to the left.
void Fuege(QHBoxLayout* h, std::initializer_list<QWidget*> widgets) {
  for (QWidget* w : widgets) h->addWidget(w);
  h->addStretch(1);
}

}  // namespace

// ---------------------------------------------------------------------------
// Areas

QWidget* TPersForm::BaueWerkzeugleiste() {
  auto* leiste = new QWidget(this);
  auto* h = new QHBoxLayout(leiste);
  h->setContentsMargins(2, 0, 2, 0);
  h->setSpacing(0);
  auto trenner = [&] { h->addSpacing(8); };
  h->addWidget(Speed("SpeedButton21", "neuen Dienstnehmer anlegen", "Neu", QStyle::SP_FileIcon));
  h->addWidget(
      Speed("SpeedButton22", "Dienstnehmer speichern", "Speichern", QStyle::SP_DialogSaveButton));
  h->addWidget(Speed("SpeedButton23", "den Dienstnehmer mit Abrechnungsdaten LÖSCHEN", "Löschen",
                     QStyle::SP_TrashIcon));
  trenner();
  h->addWidget(Speed("SpeedButton17", "erste Personal Nr.", "|<", QStyle::SP_MediaSkipBackward));
  h->addWidget(Speed("SpeedButton16", "vorherige Personal Nr.", "<", QStyle::SP_MediaSeekBackward));
  h->addWidget(Speed("SpeedButton15", "nächste Personal Nr.", ">", QStyle::SP_MediaSeekForward));
  h->addWidget(Speed("SpeedButton18", "letzte Personal Nr.", ">|", QStyle::SP_MediaSkipForward));
  h->addWidget(Speed("SpeedButton4", "aktueller Monat", "akt. Monat"));
  trenner();
  h->addWidget(Speed("SpeedButton19", "Existenz von Abrechnungsdaten für alle DN checken", "Check",
                     QStyle::SP_FileDialogContentsView));
  h->addWidget(
      Speed("SpeedButton7", "Dienstgeber-Daten bearbeiten", "Dienstgeber", QStyle::SP_DirHomeIcon));
  h->addWidget(
      Speed("SpeedButton20", "Standort-Daten bearbeiten", "Standort", QStyle::SP_DriveNetIcon));
  h->addWidget(
      Speed("SpeedButton6", "gescannte Dokumente öffnen", "Dokumente", QStyle::SP_DirOpenIcon));
  h->addWidget(Speed("SpeedButton2", "Kalender", "Kal."));
  h->addWidget(Speed("SpeedButton3", "Rechner", "Rechner", QStyle::SP_ComputerIcon));
  trenner();
  h->addWidget(Speed("SpeedButton8", "Bericht Lohn / Gehaltszettel", "LZ"));
  h->addWidget(
      Speed("SpeedButton14", "Überweisungs- und Buchungsliste Lohn / Gehaltszettel", "ÜB"));
  h->addWidget(Speed("SpeedButton9", "Jahreslohnzettel mit Formular L16 drucken", "L16"));
  h->addWidget(Speed("SpeedButton10", "Bericht Beitragsnachweisung", "BN"));
  h->addWidget(Speed("SpeedButton11", "Bericht Lohnsteuer DB DZ Kommunalsteuer", "LSt"));
  h->addWidget(Speed("SpeedButton12", "Bericht Kommunalsteuererklärung (jährlich)", "KSt"));
  h->addWidget(Speed("SpeedButton13", "Bericht Lohnkonten", "LK"));
  h->addWidget(Speed("SpeedButton27", "Jahreslohnzettel ELDA-Datenträger erstellen", "ELDA"));
  trenner();
  h->addWidget(Speed("SpeedButton1", "Hilfe öffnen", "Hilfe", QStyle::SP_DialogHelpButton));
  h->addWidget(Speed("SpeedButton33", "Schulungs-Videos ansehen", "Videos", QStyle::SP_MediaPlay));
  h->addWidget(Speed("SpeedButton5", "Beenden und Fenster schließen", "Beenden",
                     QStyle::SP_DialogCloseButton));
  h->addStretch(1);
  auto* dg = new QLabel(this);
  dg->setObjectName("DG_Label");
  QFont f = dg->font();
  f.setBold(true);
  dg->setFont(f);
  h->addWidget(dg);
  return leiste;
}

QWidget* TPersForm::BauePersonaldaten() {
  QGroupBox* g = Bereich("PersonaldatenGroupBox", "Personaldaten");
  QVBoxLayout* v = Spalte(g);
  const int lw = 74;
  const int breit = kSpalteA - lw - 14;
  Fuege(Reihe(v, "Monat / Jahr", lw), {Combo("MonatComboBox", 40), Combo("JahrComboBox", 54),
                                       Text("Teil"), Combo("AbrechngComboBox", 34)});
  Fuege(Reihe(v, "Dienstnehmer", lw), {Combo("PersonalNrComboBox", breit)});
  Fuege(Reihe(v, "Personal-Nr.", lw),
        {Edit("PersNrEdit", 46), Text("ELDA-Ref."), Edit("GeburtsdatenEdit", 66)});
  Fuege(Reihe(v, "Familienname", lw), {Edit("FamNameEdit", breit)});
  Fuege(Reihe(v, "Vorname", lw), {Edit("VornameEdit", breit)});
  Fuege(Reihe(v, "SV-Nummer", lw),
        {Edit("SVNrEdit", 70), Text("Partner"), Edit("AustrittsDatumEdit", 62)});
  Fuege(Reihe(v, "Straße", lw), {Edit("StrasseEdit", breit)});
  Fuege(Reihe(v, "Land/PLZ/Ort", lw),
        {Edit("AdresseLandEdit", 22), Edit("PLZEdit", 38), Edit("OrtEdit", breit - 66)});
  Fuege(Reihe(v, "Telefon", lw), {Edit("TelefonEdit", breit)});
  Fuege(Reihe(v, "BIC", lw), {Edit("BankEdit", breit)});
  Fuege(Reihe(v, "IBAN", lw), {Edit("BankKtoNrEdit", breit)});
  Fuege(Reihe(v, "Ein-/Austritt", lw),
        {Edit("EintrittsDatumEdit", 87), Text("Kinder"), Edit("AnzahlKinderEdit", 26)});
  Fuege(Reihe(v, "Familienstand", lw),
        {Edit("FamStandEdit", 70), Text("Staat"), Edit("StaatEdit", 36)});
  Fuege(Reihe(v, "Beruf", lw), {Edit("BerufEdit", breit)});
  Fuege(Reihe(v, "Soz. Stellung", lw),
        {Edit("SozialeStellungEdit", 24), Speed("SpeedButton36", "Liste Soziale Stellung", "?"),
         Text("SV-Träger"), Edit("SVtraegerEdit", 28),
         Speed("SpeedButton35", "SV-Träger Codes anzeigen", "?")});
  Fuege(Reihe(v, "Art Lohnzettel", lw),
        {Edit("ArtDesLohnzettelsEdit", 24),
         Speed("SpeedButton34", "Liste Art des Lohnzettels anzeigen", "?"), Text("Standort"),
         Edit("gehoertZuStandortEdit", 28)});
  auto* kst = Edit("KostenstelleEdit", 24);
  kst->setMaxLength(2);
  Fuege(Reihe(v, "Kostenstelle", lw),
        {kst, Speed("SpeedButton26", "Kostenstellen bearbeiten", "...")});
  Fuege(Reihe(v, "Bemerkung", lw), {Edit("BemerkungenEdit", breit)});
  Fuege(Reihe(v, "Urlaubsanspr.", lw),
        {Edit("UrlaubsAnspruchEdit", 40), Text("Resturlaub"), Edit("RestUrlaubEdit", 40)});
  Fuege(Reihe(v, "Zeitkonto", lw), {Edit("ZeitKontoEdit", 40)});
  Fuege(Reihe(v, "", 0),
        {Button("Button1", "Neu", "neuen Dienstnehmer anlegen"),
         Button("Button2", "Speichern", "Dienstnehmer speichern"),
         Button("Button5", "Löschen", "den Dienstnehmer mit Abrechnungsdaten LÖSCHEN")});
  Fuege(Reihe(v, "", 0), {Button("BitBtn1", "An-/Abmelden ...", "Dienstnehmer an- abmelden ..."),
                          Button("Button3", "Beenden", "Beenden und Fenster schließen")});
  return g;
}

QWidget* TPersForm::BaueFreibetraege() {
  QGroupBox* g = Bereich("FreibetraegeGroupBox", "Freibeträge");
  QVBoxLayout* v = Spalte(g);
  auto paar = [&](const char* l1, const char* e1, const char* l2, const char* e2) {
    Fuege(Reihe(v, Q(l1), 74), {Edit(e1, 47), Text(Q(l2), 70), Edit(e2, 47)});
  };
  paar("Freibetr. § 68", "FreibetragEdit", "SV-frei", "SVFreibetrEdit");
  paar("FB Mitteilung", "FreibetrLtMitteilgEdit", "Pendlerpausch.", "NormArbeitszeitEdit");
  paar("Landarbeiter", "LandarbFreiEdit", "sonst. steuerfr.", "SonstSteuerfrEdit");
  paar("Auslandstätigk.", "AuslandsTaetEdit", "freiw. Beiträge", "freiwillBeitrEdit");
  paar("Sachbezüge", "SachbezuegeEdit", "DB/DZ/KSt-frei", "DbDzKommStFreierBetragEdit");
  paar("Zukunftssich.", "ZukunftssicherungEdit", "ausl. Pension", "AuslPensDGEdit");
  paar("Aufrollung", "AufrollungEdit", "Teilentgelt", "TeilentgeltEdit");
  paar("Tage Teilentg.", "TageTeilentgeltEdit", "BGr. vor ATZ", "beitrGrundlVorAltZeilzEdit");
  Fuege(Reihe(v, "", 0),
        {Button("SpeedButton37", "mehr Felder ...", "Pendlereuro und Jahreslohnzettel")});
  return g;
}

QWidget* TPersForm::BaueFixeLohnarten() {
  QGroupBox* g = Bereich("FixeLohnartenGroupBox", "fixe Lohnarten");
  QVBoxLayout* v = Spalte(g);
  const int lw = 86;
  Fuege(Reihe(v, "Gehalt/Std-Lohn", lw),
        {Edit("GehaltEdit", kBetrag), Text("Zulage"), Edit("ZulageEdit", kBetrag - 6)});
  Fuege(Reihe(v, "Überstd-Satz", lw), {Edit("StundenlohnEdit", kBetrag)});
  Fuege(Reihe(v, "Mehrstd-Satz", lw),
        {Edit("MehrstdSatzEdit", kBetrag), Text("Zuschl. %"), Edit("MehrstdZuschlagEdit", 38)});
  Fuege(Reihe(v, "", 0), {Check("AngestellterCheckBox", "Gehalt"),
                          Check("ArbeiterCheckBox", "Std-Lohn (Zeitlohn)")});
  return g;
}

QWidget* TPersForm::BaueEigenschaften() {
  QGroupBox* g = Bereich("EigenschaftenGroupBox", "Eigenschaften des DN");
  QVBoxLayout* v = Spalte(g);
  Fuege(Reihe(v, "", 0),
        {Link("Label10", "BeitrGruppe", "Beitragsgruppen-Tabelle öffnen"),
         Combo("BeitragsgruppeComboBox", 64),
         Speed("SpeedButton29", "e-Service oder Beitragsgruppen-Tabelle öffnen", "?"),
         Check("ArbeiterCheckBoxNeu", "Arbeiter")});
  auto* raster = new QGridLayout;
  raster->setHorizontalSpacing(4);
  raster->setVerticalSpacing(0);
  const std::pair<const char*, const char*> haken[] = {
      {"GeringfCheckBox", "geringf.Besch."},
      {"TeilzeitCheckBox", "Teilzeit"},
      {"freierDNcheckBox", "freier DN"},
      {"weiblichCheckBox", "weiblich"},
      {"SZanspruchCheckBox", "SZ-Anspruch"},
      {"SZohneAllgBeitrCheckBox", "SZ ohne allg. BGr."},
      {"ueberSechzigCheckBox", "DB,DZ frei"},
      {"GeschaeftsFuehrerCheckBox", "Geschäftsführer"},
      {"grPendlPausch", "Alleinerzieher"},
      {"Alleinverdiener", "Alleinverdiener"},
      {"UeberwiegNachtarbeitCheckBox", "überw. Nachtarbeit"},
      {"KaerntenCheckBox", "LK auch SZ (Ktn.)"},
      {"BMVGcheckBox", "BMVG"},
      {"ExekutionCheckBox", "Exekution"},
      {"DNabgemeldetCheckBox", "DN abgemeldet"},
      {"LstBerechnen", "Lohnsteuer berechnen"},
      {"Lst2009Checkbox", "Lst-Tarif 2009"},
  };
  int i = 0;
  for (auto [name, caption] : haken) {
    raster->addWidget(Check(name, caption), i / 2, i % 2);
    ++i;
  }
  v->addLayout(raster);

  auto* umlagen = new QGroupBox("Umlagen", this);
  umlagen->setObjectName("UmlagenGroupBox");
  umlagen->setToolTip(
      "manche Beitragsgruppen zB. geringfügig Beschäftigte und Lehrlinge sind befreit von "
      "Umlagen");
  auto* uh = new QHBoxLayout(umlagen);
  uh->setContentsMargins(4, 0, 2, 1);
  uh->setSpacing(0);
  for (const char* name : {"KU", "WF", "LK", "SW", "EF", "IE", "NB"})
    uh->addWidget(Check(name, name));
  v->addWidget(umlagen);

  const int lw = 96;
  Fuege(Reihe(v, "max. SV-Tage", lw), {Edit("TageMaxSV", 30)});
  Fuege(Reihe(v, "", 0),
        {Speed("SpeedButton28", "Informationen zur Beitragssenkung [PDF] ...", "i"),
         Text("Beitragssenkung f.niedrige Einkommen")});
  Fuege(Reihe(v, "Rückverr. Gruppe", lw),
        {Edit("AMPFG_RueckVerrGruppeEdit", 44), Edit("AMPFG_RueckVerrGruppe_SZEdit", 44),
         Check("AMPFGautoCheckBox", "auto")});
  Fuege(Reihe(v, "Rückverr. Betrag", lw),
        {Edit("AMPFG_RueckVerrBetragEdit", 56), Edit("AMPFG_RueckVerrBetrag_SZEdit", 56)});
  Fuege(Reihe(v, "Rückverr. SV-Grdl.", lw),
        {Edit("AMPFG_SVGrundlageEdit", 56), Edit("AMPFG_SVGrundlage_SZEdit", 56)});
  Fuege(Reihe(v, "Einkommen", lw), {Edit("Einkommen", 56)});
  return g;
}

QWidget* TPersForm::BaueBmvg() {
  // The title is longer than the column; it wraps inside the frame.
  QGroupBox* g = Bereich("BmvgGroupBox", "");
  g->setToolTip("Betriebliches Mitarbeitervorsorgegesetz (Abfertigung neu)");
  QVBoxLayout* v = Spalte(g);
  auto* titel = Text("Betriebliches Mitarbeitervorsorgegesetz (Abfertigung neu)");
  titel->setObjectName("BmvgTitel");
  titel->setWordWrap(true);
  v->addWidget(titel);
  Fuege(Reihe(v, "BMVG-Beitrag", 86),
        {Edit("BMVGbetragEdit", kBetrag), Check("BMVGberechnenCheckBox", "auto")});
  Fuege(Reihe(v, "MV-Zuschlag", 86),
        {Edit("MVzuschlagEdit", kBetrag), Speed("Button8", "MV-Zuschlag berechnen", "...")});
  Fuege(Reihe(v, "Übertragung", 86), {Edit("BMVGUebertragungsBetragEdit", kBetrag)});
  return g;
}

QWidget* TPersForm::BaueLaufendeLohnarten() {
  QGroupBox* g = Bereich("LaufendeLohnartenGroupBox", "laufende Lohnarten");
  QVBoxLayout* v = Spalte(g);
  const int lw = 98;
  auto kopf = Reihe(v, "", lw);
  Fuege(kopf, {Text("Stunden", kStunden), Text("Betrag", kBetrag)});
  const std::array<std::array<const char*, 3>, 9> stunden = {{
      {"Normalstunden", "NormalstundenEdit", "LohnNormalstundenEdit"},
      {"Mehrstunden", "MehrstundenEdit", "LohnGehaltMehrstundenEdit"},
      {"Überstd. 50 %", "Ueberstunden50Edit", "LohnGehaltUeberstunden50Edit"},
      {"Überstd. 75 %", "Ueberstunden75Edit", "LohnGehaltUeberstunden75Edit"},
      {"Überstd. 100 %", "Ueberstunden100Edit", "LohnGehaltUeberstunden100Edit"},
      {"Überstd. 200 %", "Ueberstunden200Edit", "LohnGehaltUeberstunden200Edit"},
      {"davon Zuschl. § 68", "davonNachtZuschl", nullptr},
      {"Urlaubsstunden", "UrlaubstundenEdit", "LohnUrlaubstundenEdit"},
      {"Fehlstunden", "FehlstundenEdit", "LohnFehlstundenEdit"},
  }};
  for (const auto& z : stunden) {
    QHBoxLayout* h = Reihe(v, Q(z[0]), lw);
    h->addWidget(Edit(z[1], kStunden));
    if (z[2]) h->addWidget(Edit(z[2], kBetrag));
    h->addStretch(1);
  }
  Fuege(Reihe(v, "Brutto", lw), {Edit("BruttoEdit", kBetrag)});
  Fuege(Reihe(v, "", 0), {Combo("SonderZlgComboBox", lw + 8), Edit("SonderzahlungEdit", kBetrag),
                          Speed("SpeedButton31", "Sonderzahlung berechnen", "SZ")});
  Fuege(Reihe(v, "", 0), {Edit("SZSVfreiTextEdit", lw), Edit("SZSVfreiEdit", kBetrag)});
  Fuege(Reihe(v, "", 0), {Edit("SonstSZTextEdit", lw), Edit("SonstSZEdit", kBetrag)});
  auto paar = [&](const char* l, const char* e1, const char* e2) {
    Fuege(Reihe(v, Q(l), lw), {Edit(e1, kBetrag), Edit(e2, kBetrag)});
  };
  paar("SV / LSt sonst. SZ", "SonstSZSVEdit", "SonstSZLSTEdit");
  paar("e-card / Sachbezug", "ServiceEntgelt_eCardEdit", "SachbezuegeAbreEdit");
  paar("Brutto ges. / SV-frei", "BruttoGesamtEdit", "SVFreibetragEdit");
  paar("SV-Grundl. lfd/SZ", "SVBeitragsgrundlageEdit", "SVBeitragsGrundlageSonderzahlungEdit");
  paar("SV-DN-Ant. lfd/SZ", "BetragDNAnteilEdit", "BetragDNAnteilSonderZEdit");
  paar("KU / WF", "DN_KU_Edit", "DN_WF_Edit");
  paar("LK / SW", "DN_LK_Edit", "DN_SW_Edit");
  paar("LK / SW SZ", "DN_LK_SZ_Edit", "DN_SW_SZ_Edit");
  paar("SV ges. lfd/SZ", "SV_DN_GesamtEdit", "SV_DN_SZ_GesamtEdit");
  Fuege(Reihe(v, "SV-Abz. / DG DN %", lw),
        {Edit("SV_AbzGesEdit", kBetrag), Edit("DGAnteilEdit", 36), Edit("DNAnteilEdit", 36)});
  paar("1/6 / Summe SZ", "JahressechstelEdit", "SummeSonderZlgEdit");
  paar("innerh. 1/6 / SV-frei", "InnerhSechstelEdit", "InnerhSechstelSVfreiEdit");
  paar("über 1/6 / fikt. BMG", "SueberschreitungEdit", "fiktiveBMGedit");
  paar("Freibetr. / fr. Beitr.", "FreibetrEdit", "KrankenschEdit");
  paar("Grundl. LSt / LSt", "GrundlageLSTEdit", "LohnsteuerBetragEdit");
  paar("LSt-FB SZ / Summe", "LstFreibetragSZ", "SummeLstFreibetrSZEdit");
  paar("Grundl. / LSt SZ", "GrundlLstSZ", "LstSZ");
  Fuege(Reihe(v, "LSt gesamt", lw),
        {Edit("LstGesamt", kBetrag), Check("ohneFreibSZCheckBox", "ohne FB SZ")});
  Fuege(Reihe(v, "Netto", lw), {Edit("NettoBetragEdit", kBetrag)});
  // The free-text openers stand where the captions of their amounts would.
  auto* spesen =
      Link("Label55", "Steuerfr. § 26, § 3 (Diäten-Km)", "Text für Lohnzettel frei definieren ...");
  auto* vorschuss =
      Link("Label56", "Vorschuss (freier Text)", "Text für Lohnzettel frei definieren ...");
  for (ClickLabel* l : {spesen, vorschuss}) {
    l->setWordWrap(true);
    l->setFixedWidth(lw);
  }
  Fuege(Reihe(v, "", 0), {spesen, Edit("SpesenersatzEdit", kBetrag)});
  Fuege(Reihe(v, "", 0), {vorschuss, Edit("VorschussEdit", kBetrag)});
  paar("Exekution / Auszahl.", "ExekutionEdit", "AuszahlungsbetragEdit");
  Fuege(Reihe(v, "SV-Tage / Url. / Std.", lw),
        {Edit("SV_Lohn_TageEdit", 26),
         Speed("SpeedButton30", "berechne Gehalt für Teil des Monats", "..."),
         Edit("UrlaubsKontoTageEdit", 40), Edit("ZeitKontoStdEdit", 40)});
  Fuege(Reihe(v, "", 0),
        {Button("BerechnenButon", "Berechnen", "Abrechnung berechnen und speichern"),
         Button("Button6", "Abr. löschen", "Abrechnung des Monats löschen"),
         Button("SpeedButton32", "Konto ...", "Konto anzeigen")});
  Fuege(Reihe(v, "", 0),
        {Button("TageslohnButton", "Lst. Tageslohn", "Lohnsteuer für Tageslohn berechnen"),
         Button("Button4", "Urlaubsabfindung", "Ersatzleistungen für Urlaubsentgelt berechnen")});
  QLineEdit* lohnartenSumme = Edit("LohnartenSummeEdit", kBetrag);
  lohnartenSumme->setReadOnly(true);
  lohnartenSumme->setFocusPolicy(Qt::NoFocus);
  Fuege(Reihe(v, "", 0),
        {Button("SpeedButton24", "mehr Lohnarten ...", "weitere Lohnarten erfassen"),
         Speed("SpeedButton25", "weitere Lohnarten erfassen", "..."), lohnartenSumme});
  auto* lohnartenFrei = Text("");
  lohnartenFrei->setObjectName("LohnartenFreiLabel");
  v->addWidget(lohnartenFrei);
  for (const char* name : {"TempEdit", "TempEdit1", "TempEdit2"}) Edit(name, 10);
  return g;
}

QWidget* TPersForm::BaueMenuePanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName("MenuePanel");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFixedWidth(kMenueBreite);
  panel->setToolTip("Handbuch, Schulungsvideos und Kurzhilfe");
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(6, 4, 4, 4);
  v->setSpacing(4);
  auto* zu = Link("Label191", " << ", "Infos ausblenden");
  v->addWidget(zu, 0, Qt::AlignRight);
  v->addWidget(Link("Label166", "Handbuch öffnen"));
  auto* videos = new QLabel("Schulungsvideos:", panel);
  videos->setObjectName("Label172");
  QFont f = videos->font();
  f.setBold(true);
  videos->setFont(f);
  v->addWidget(videos);
  v->addWidget(Link("Label174", "neuen Mitarbeiter anlegen"));
  v->addWidget(Link("Label173", "eine neue Firma anlegen"));
  v->addWidget(Link("Label175", "eine Abrechnung erstellen"));
  v->addWidget(Link("Label177", "monatl. Bericht Sozialvers."));
  v->addWidget(Link("Label178", "elektronische Übermittlung"));
  v->addWidget(Link("Label169", "mehr Schulungs-Videos"));
  v->addSpacing(8);
  auto* kurz = new QLabel("Kurzhilfe:", panel);
  kurz->setFont(f);
  v->addWidget(kurz);
  v->addWidget(Link("Label176", "Mitarbeiter an-/abmelden"));
  v->addStretch(1);
  return panel;
}

QFrame* TPersForm::BaueMehrPanel() {
  QFrame* p = Ueberlagerung("mehrPanel", kMehrPanel, this);
  auto* v = static_cast<QVBoxLayout*>(p->layout());
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(new QLabel(" mehr Felder: Pendlereuro und Jahreslohnzettel", p));
  kopf->addStretch(1);
  kopf->addWidget(Link("Label195", " ? "));
  kopf->addWidget(Link("Label194", " X "));
  v->addLayout(kopf);
  auto zeile = [&](const char* name, const char* caption) {
    auto* h = new QHBoxLayout;
    h->addWidget(Text(Q(caption), 200));
    h->addWidget(Edit(name, 80));
    h->addStretch(1);
    v->addLayout(h);
  };
  zeile("PREI_Edit", "pausch. Reiseaufw. (Jahresbetrag)");
  zeile("WERK_Edit", "Werkverkehr K-Monate");
  zeile("BPEND_Edit", "Pendler-Euro (Jahresbetrag)");
  zeile("UEBMO_Edit", "Monate-Überlassung-Kfz");
  zeile("BSROL_Edit", "Sonderausgaben-Aufrollung");
  zeile("ENTW_Edit", "Entwicklungshelfer/Innen");
  v->addWidget(Check("EPAB_CB", "Erhöhter PAB berücksichtigt"));
  auto* h = new QHBoxLayout;
  h->addWidget(Check("CheckBox32", "monatlich berücksichtigen"));
  h->addStretch(1);
  h->addWidget(Link("Label199", "> Schulungs-Video", "Internetverbindung erforderlich"));
  v->addLayout(h);
  return p;
}

QFrame* TPersForm::BauePendlerEuroInfo() {
  QFrame* p = Ueberlagerung("PendlerEuroInfo", kPendlerEuroInfo, this);
  auto* v = static_cast<QVBoxLayout*>(p->layout());
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(Text("Pendlereuro"));
  kopf->addStretch(1);
  kopf->addWidget(Link("Label196", "X"));
  v->addLayout(kopf);
  auto* memo = new QPlainTextEdit(p);
  memo->setObjectName("MemoPendlerEuro");
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  v->addWidget(memo);
  return p;
}

QFrame* TPersForm::BaueTagePanel(QWidget* parent) {
  QFrame* p = Ueberlagerung("TagePanel", kTagePanel, parent);
  auto* v = static_cast<QVBoxLayout*>(p->layout());
  v->addWidget(Text(" Bei fallweiser Beschäft. haken Sie bitte jeden Kalendertag an: "));
  auto* raster = new QGridLayout;
  raster->setSpacing(2);
  for (int tag = 1; tag <= 31; ++tag) {
    QString caption = QString("%1").arg(tag, 2, 10, QChar('0'));
    auto* c = new QCheckBox(caption, p);
    c->setObjectName(Q(lohn::TagCheckBoxName(tag)));
    raster->addWidget(c, (tag - 1) / 7, (tag - 1) % 7);
  }
  v->addLayout(raster);
  v->addWidget(Text(" Bei Zeitlohn geben Sie bitte die Anzahl der Tage ein: "));
  auto* h = new QHBoxLayout;
  auto* anzahl = Edit("AnzTageEdit", 36);
  anzahl->setMaxLength(2);
  h->addWidget(anzahl);
  h->addWidget(Button("AnzTageLoeschenButton", "X"));
  h->addStretch(1);
  v->addLayout(h);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch(1);
  knoepfe->addWidget(Button("TagePanelOKButton", "OK"));
  knoepfe->addWidget(Button("TagePanelBeendenButton", "Beenden"));
  v->addLayout(knoepfe);
  return p;
}

QFrame* TPersForm::BaueEldaPanel() {
  QFrame* p = Ueberlagerung("DnEldaPanel", kEldaPanel, this);
  auto* v = static_cast<QVBoxLayout*>(p->layout());
  auto* kopf = new QHBoxLayout;
  auto* titel = new QLabel(" Versicherten-Meldung", p);
  QFont f = titel->font();
  f.setBold(true);
  titel->setFont(f);
  kopf->addWidget(titel);
  kopf->addStretch(1);
  auto* x = Link("Label198", " X ", "schließen");
  x->setStyleSheet("color: #cc0000; font-weight: bold;");
  kopf->addWidget(x);
  v->addLayout(kopf);
  v->addWidget(
      Text("Hier erfassen Sie die Daten für die Versichertenmeldungen und klicken auf [Daten für "
           "ELDA erstellen] um die Meldungen mit"));
  v->addWidget(
      Text("ELDA Software an die Sozialversicherungsanstalt zu übertragen. Prüfen Sie dann bitte "
           "die Meldebestätigung von ELDA!"));

  auto* art = new QHBoxLayout;
  art->addWidget(Text("Art der Meldung:", 100));
  art->addWidget(Combo("ComboBox1", 220, false));
  auto* satzart = Edit("DN_Satzart", 26);
  satzart->setReadOnly(true);
  art->addWidget(satzart);
  art->addWidget(Check("Testdaten_CB", "ELDA Testdaten"));
  art->addStretch(1);
  v->addLayout(art);

  auto* raster = new QGridLayout;
  raster->setHorizontalSpacing(4);
  raster->setVerticalSpacing(2);
  int zeile = 0, spalte = 0;
  auto zelle = [&](const char* caption, QWidget* a, QWidget* b = nullptr) {
    auto* h = new QHBoxLayout;
    h->setSpacing(2);
    h->addWidget(Text(Q(caption), 136));
    h->addWidget(a);
    if (b) h->addWidget(b);
    h->addStretch(1);
    raster->addLayout(h, zeile, spalte);
    if (++spalte == 2) {
      spalte = 0;
      ++zeile;
    }
  };
  auto datum = [&](const char* name) { return Edit(name, 74); };
  auto heute = [&](const char* feld) {
    return Button((std::string("Heute") + feld).c_str(), "heute", "heutiges Datum einsetzen");
  };
  auto code = [&](const char* name, int width) {
    auto* e = Edit(name, width);
    e->setReadOnly(true);
    return e;
  };
  zelle("An/Abmeld/Änd.-Datum", datum("ADAT"), heute("ADAT"));
  zelle("Ende Beschäftig. Datum", datum("EBSV"), heute("EBSV"));
  zelle("früherer Fam-Name 1", Edit("FNA1", 110));
  zelle("früherer Fam-Name 2", Edit("FNA2", 110));
  zelle("Akad. Grad, Titel", Edit("AKGR", 110));
  zelle("Staatsangehörigkeit", Edit("STSL", 40), Text("AUT = Österr."));
  zelle("Richtiges An/Abmeldedatum", datum("RDAT"), heute("RDAT"));
  zelle("Gesetzl. Grundlage Code", code("GEGC", 26), Combo("ComboBox2", 95, false));
  zelle("Gesetzl. Grundlage Text", Edit("GEGT", 110));
  zelle("Verwantsch.Verhältnis Code", code("VWVC", 26), Combo("ComboBox3", 95, false));
  zelle("Verwantsch.Verhältnis Text", Edit("VWVT", 110));
  zelle("Beteiligung", Edit("BETL", 110));
  zelle("Zugehörigkeit", code("ZUGE", 26), Combo("ComboBox4", 95, false));
  zelle("Tabakmonopolgesetz", Check("TAMO_CB", "z.B. Trafik od. TabMG "));
  zelle("Lehrzeitdatum von", datum("LVDA"), heute("LVDA"));
  zelle("Lehrzeitdatum bis", datum("LBDA"), heute("LBDA"));
  zelle("Gesamtentgelt (btto+Sachb)", Edit("BETR", 74));
  zelle("Zeitlohn (zeitlich begrenzt)", Check("ABEZ_CB", ""));
  zelle("Sachbezug", Check("SBZC_CB", ""));
  zelle("Tage pro Woche", Edit("BTAG", 40));
  zelle("Stunden pro Woche", Edit("BSTD", 50), Text("(1/4 Stunde = 0025)"));
  zelle("Malus", Check("MALU_CB", ""));
  zelle("BG für Malus", Edit("BGMA", 74));
  zelle("Beschäftigungsort Int. KFZ-K.", Edit("BKFZ", 40), Text("A = Österreich"));
  zelle("Besch.Ort Postleitzahl", Edit("BPLZ", 60));
  zelle("Beschäftigungsort Ort", Edit("BORT", 110));
  zelle("Abmeldegrund Code", code("AGRD", 26), Combo("ComboBox5", 95, false));
  zelle("Abmeldegrund Text", Edit("SAGR", 110));
  zelle("Kündigungsentschäd. ab", datum("KEAB"), heute("KEAB"));
  zelle("Kündigungsentschäd. bis", datum("KEBI"), heute("KEBI"));
  zelle("Urlaubsersatzleistung ab", datum("UEAB"), heute("UEAB"));
  zelle("Urlaubsersatzleistung bis", datum("UEBI"), heute("UEBI"));
  zelle("Tage fallw. Besch. / Zeitlohn", code("TAGE", 90),
        Button("TageButton", "Eingabe Tage ..."));
  zelle("Ende 1. Lehrjahr", datum("E1LJ"), heute("E1LJ"));
  zelle("Bauarbeiter Urlaubskasse", Check("BUAK_CB", ""));
  zelle("Werktage Ersatzleistung", Edit("ERTG", 40));
  zelle("Nacht-Schwerarb. Anfang", datum("NSGA"), heute("NSGA"));
  zelle("Nacht-Schwerarb. Ende", datum("NSGE"), heute("NSGE"));
  zelle("Änderungscode", code("AECD", 60));
  zelle("Betr. Vorsorgebeitr. ab", datum("BVAB"), heute("BVAB"));
  zelle("Betr. Vorsorgebeitr. Ende", datum("BVEN"), heute("BVEN"));
  zelle("Auflösungsabgabe", Check("AABG_CB", ""), Link("Label192", "(?)"));
  v->addLayout(raster);
  v->addStretch(1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch(1);
  knoepfe->addWidget(Button("BitBtn2", "Daten für ELDA erstellen"));
  knoepfe->addWidget(Button("Button9", "Schließen"));
  v->addLayout(knoepfe);
  BaueTagePanel(p);
  return p;
}

// ---------------------------------------------------------------------------

TPersForm::TPersForm(lohn::AppState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      state_(state),
      kontext_(state),
      model_(kontext_.form) {
  setObjectName("PersForm");
  setModal(true);
  QFont schrift = font();
  schrift.setPointSizeF(7.5);
  setFont(schrift);
  // Dense like a form of its kind: many small fields on one surface.
  setStyleSheet(
      "QLineEdit { padding: 0px 1px; min-height: 15px; max-height: 16px; }"
      "QComboBox { padding: 0px 2px; min-height: 15px; max-height: 16px; }"
      "QPushButton { padding: 1px 6px; min-height: 15px; }"
      "QCheckBox { spacing: 2px; }");

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(2);
  auto band = [&](const char* name) {
    auto* b = new QLabel(this);
    b->setObjectName(name);
    b->setFixedHeight(3);
    b->setStyleSheet("background: #2f5f9f;");
    return b;
  };
  v->addWidget(band("Image2"));
  v->addWidget(BaueWerkzeugleiste());

  auto* mitte = new QHBoxLayout;
  mitte->setContentsMargins(3, 0, 3, 0);
  mitte->setSpacing(3);
  auto* a = new QVBoxLayout;
  a->addWidget(BauePersonaldaten());
  a->addWidget(BaueFreibetraege());
  a->addStretch(1);
  auto* b = new QVBoxLayout;
  b->addWidget(BaueFixeLohnarten());
  b->addWidget(BaueEigenschaften());
  b->addWidget(BaueBmvg());
  b->addStretch(1);
  auto* c = new QVBoxLayout;
  c->addWidget(BaueLaufendeLohnarten());
  c->addStretch(1);
  auto spalte = [&](QVBoxLayout* l, int breite) {
    auto* w = new QWidget(this);
    w->setLayout(l);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    w->setFixedWidth(breite);
    mitte->addWidget(w);
  };
  spalte(a, kSpalteA);
  spalte(b, kSpalteB);
  spalte(c, kSpalteC);
  mitte->addWidget(Link("Label193", ">", "Infos einblenden"), 0, Qt::AlignTop);
  mitte->addStretch(1);
  mitte->addWidget(BaueMenuePanel());
  v->addLayout(mitte, 1);
  v->addWidget(band("Image5"));

  auto* status = new QStatusBar(this);
  status->setObjectName("StatusBar1");
  status->setSizeGripEnabled(false);
  status->addWidget(new QLabel(status), 1);
  v->addWidget(status);

  BaueMehrPanel();
  BauePendlerEuroInfo();
  BaueEldaPanel();

  // The wage-type window exists before the creation clears its lines.
  lohnarten_ = new TPersFormLohnarten(kontext_.lohnarten, state_.services.shell, this);
  connect(lohnarten_, &TPersFormLohnarten::LohnartenGeaendert, this,
          [this] { lohn::LohnartenSummenZeigen(kontext_); });
  connect(lohnarten_, &TPersFormLohnarten::Geschlossen, this,
          [this] { lohn::LohnartenSummenZeigen(kontext_); });
  Binden();
  Verbinden();
  lohn::PersFormCreate(state_, model_);
  setFixedHeight(sizeHint().height());
  setFixedWidth(model_.Width());
}

void TPersForm::Binden() {
  for (const std::string& name : model_.Names()) {
    auto* w = findChild<QWidget*>(Q(name));
    if (!w) throw std::logic_error("Steuerelement fehlt im Dienstnehmerfenster: " + name);
    widgets_[name] = w;
    if (!model_.Hint(name).empty() && w->toolTip().isEmpty()) w->setToolTip(Q(model_.Hint(name)));
    for (PersAspekt a : {PersAspekt::Items, PersAspekt::Text, PersAspekt::Checked,
                         PersAspekt::Enabled, PersAspekt::Visible})
      Zeige(name, a);

    const char* n = widgets_.find(name)->first.c_str();
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      connect(e, &QLineEdit::textEdited, this, [this, n](const QString& t) {
        lohn::PersFormBenutzerText(state_, model_, n, t.toStdString());
      });
      fokusNamen_[e] = name;
      e->installEventFilter(this);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
      auto gewaehlt = [this, n](const QString& t) {
        lohn::PersFormBenutzerText(state_, model_, n, t.toStdString());
      };
      connect(c, &QComboBox::textActivated, this, gewaehlt);
      if (QLineEdit* le = c->lineEdit()) connect(le, &QLineEdit::textEdited, this, gewaehlt);
      fokusNamen_[c] = name;
      c->installEventFilter(this);
    } else if (auto* k = qobject_cast<QCheckBox*>(w)) {
      connect(k, &QCheckBox::clicked, this,
              [this, n](bool on) { lohn::PersFormBenutzerHaken(state_, model_, n, on); });
      fokusNamen_[k] = name;
      k->installEventFilter(this);
    }
  }
  model_.SetObserver([this](const std::string& name, PersAspekt a) { Zeige(name, a); });
}

void TPersForm::Zeige(const std::string& name, PersAspekt aspekt) {
  if (aspekt == PersAspekt::Width) {
    setFixedWidth(model_.Width());
    return;
  }
  QWidget* w = widgets_.at(name);
  switch (aspekt) {
    case PersAspekt::Text: {
      // Buttons, panels and link labels keep their captions.
      if (model_.Art(name) == lohn::PersFeldArt::Control) break;
      const QString text = Q(model_.Text(name));
      // A text set by the program is shown from its start, as a form
      // shows it; the user's own typing keeps its cursor.
      if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->text() != text) {
          e->setText(text);
          if (!e->hasFocus()) e->setCursorPosition(0);
        }
      } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->isEditable()) {
          if (c->currentText() != text) {
            c->setEditText(text);
            if (!c->hasFocus()) c->lineEdit()->setCursorPosition(0);
          }
        } else {
          c->setCurrentIndex(c->findText(text));
        }
      } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
        m->setPlainText(QString(text).replace("\r\n", "\n"));
      } else if (auto* s = qobject_cast<QStatusBar*>(w)) {
        if (auto* l = s->findChild<QLabel*>()) l->setText(text);
      } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(text);
      }
      break;
    }
    case PersAspekt::Checked:
      if (auto* k = qobject_cast<QCheckBox*>(w)) k->setChecked(model_.Checked(name));
      break;
    case PersAspekt::Items:
      if (auto* c = qobject_cast<QComboBox*>(w)) {
        c->clear();
        for (const std::string& item : model_.Items(name)) c->addItem(Q(item));
        Zeige(name, PersAspekt::Text);
      }
      break;
    case PersAspekt::Enabled:
      w->setEnabled(model_.Enabled(name));
      break;
    case PersAspekt::Visible:
      w->setVisible(model_.Visible(name));
      if (model_.Visible(name)) w->raise();
      break;
    case PersAspekt::Focus:
      w->setFocus(Qt::OtherFocusReason);
      break;
    case PersAspekt::Width:
      break;
  }
}

void TPersForm::Klick(const char* name, std::function<void()> handler) {
  QWidget* w = findChild<QWidget*>(name);
  if (!w)
    throw std::logic_error(std::string("Steuerelement fehlt im Dienstnehmerfenster: ") + name);
  if (auto* b = qobject_cast<QAbstractButton*>(w))
    connect(b, &QAbstractButton::clicked, this, handler);
  else if (auto* l = qobject_cast<ClickLabel*>(w))
    connect(l, &ClickLabel::clicked, this, handler);
}

void TPersForm::Verbinden() {
  using namespace lohn;
  auto& st = state_;
  auto& m = model_;
  Klick("Button1", [&] { Button1Click(st, m); });
  Klick("SpeedButton21", [&] { Button1Click(st, m); });
  Klick("Button2", [&] { Button2Click(st, m); });
  Klick("SpeedButton22", [&] { Button2Click(st, m); });
  Klick("Button5", [&] { Button5Click(st, m); });
  Klick("SpeedButton23", [&] { Button5Click(st, m); });
  Klick("Button3", [this] { accept(); });
  Klick("SpeedButton5", [this] { accept(); });
  Klick("Label191", [&] { Label191Click(m); });
  Klick("Label193", [&] { Label193Click(m); });
  Klick("SpeedButton37", [&] { SpeedButton37Click(m); });
  Klick("Label194", [&] { Label194Click(m); });
  Klick("Label195", [&] { Label195Click(m); });
  Klick("Label196", [&] { Label196Click(m); });
  Klick("Button9", [&] { Button9Click(m); });
  Klick("Label198", [&] { Button9Click(m); });
  Klick("Label56", [&] { OeffneFreiText(st, m, FreiText::Vorschuss); });
  Klick("Label55", [&] { OeffneFreiText(st, m, FreiText::Spesen); });
  Klick("Label192", [&] { st.dialogs().ShowMessage(kAufloesungsabgabeHinweis); });
  for (const PersFormOeffner& o : PersFormOeffnerListe()) {
    const char* control = o.control;
    Klick(control, [&st, control] { PersFormOeffnen(st.services.shell, control); });
  }
  for (const PersFormInfo& i : PersFormInfoListe()) {
    const char* control = i.control;
    Klick(control, [this, control] { ZeigeInfo(control); });
  }
  Klick("SpeedButton33", [this] { ZeigeVideos(); });
  Klick("SpeedButton24", [this] { ZeigeLohnarten(); });
  Klick("SpeedButton25", [this] { ZeigeLohnarten(); });
  Klick("Button6", [this] { Button6Click(kontext_); });
  Klick("BerechnenButon", [this] { BerechnenButonClick(kontext_); });
  Klick("Label169", [this] { ZeigeVideos(); });
}

void TPersForm::ZeigeInfo(const char* control) {
  for (const lohn::PersFormInfo& i : lohn::PersFormInfoListe()) {
    if (std::string_view(control) != i.control) continue;
    ZeigeHilfeText(state_.dialogs(), i.datei, Q(i.titel), this);
  }
}

void TPersForm::ZeigeVideos() {
  if (!videos_) videos_ = new TVideosForm(state_.services.shell, this);
  videos_->show();
  videos_->raise();
}

void TPersForm::ZeigeLohnarten() {
  if (lohn::SpeedButton24Click(kontext_)) lohnarten_->exec();
}

void TPersForm::Vorbereiten() {
  lohn::FillPersonalNrList(state_, model_);
  lohn::NewPersonal(state_, model_);
  model_.SetText("DG_Label", state_.DataFileStem);
}

void TPersForm::showEvent(QShowEvent* e) {
  lohn::PersFormShow(model_);
  setWindowTitle(Q(lohn::PersFormTitel(state_.year)));
  if (QScreen* screen = this->screen()) {
    QRect r = frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    move(r.topLeft());
  }
  QDialog::showEvent(e);
}

void TPersForm::done(int result) {
  lohn::PersFormClose(model_);
  QDialog::done(result);
}

bool TPersForm::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
    auto it = fokusNamen_.find(watched);
    if (it != fokusNamen_.end()) {
      auto reason = static_cast<QFocusEvent*>(e)->reason();
      // Another window taking the focus (a message box) is no leaving of
      // the field.
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        const std::string name = it->second;
        if (e->type() == QEvent::FocusIn)
          lohn::PersFormFeldBetreten(model_, name);
        else
          lohn::PersFormFeldVerlassen(state_, model_, name);
      }
    }
  }
  return QDialog::eventFilter(watched, e);
}

// ---------------------------------------------------------------------------

namespace {
QPointer<TPersForm> gPersForm;
lohn::AppState* gPersFormState = nullptr;
}  // namespace

TPersForm* PersForm() { return gPersForm; }

void ShowPersForm(lohn::AppState& state, QWidget* parent) {
  if (!gPersForm || gPersFormState != &state) {
    delete gPersForm;
    gPersForm = new TPersForm(state, parent);
    gPersFormState = &state;
    // The creation has filled the list and prepared a new employee.
    gPersForm->Model().SetText("DG_Label", state.DataFileStem);
  } else {
    gPersForm->Vorbereiten();
  }
  gPersForm->exec();
  if (gPersForm) lohn::ClearAbrechnungFields(gPersForm->Model());
}
