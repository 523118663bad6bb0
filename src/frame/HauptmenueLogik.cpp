#include "frame/HauptmenueLogik.h"

#include "frame/Daten.h"
#include "frame/Videos.h"
#include "store/AutoBackup.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/LockFile.h"
#include "store/Numbers.h"
#include "store/ProgramState.h"

namespace lohn {

namespace {

constexpr const char* kEldaPortal = "https://www.elda.at";
constexpr const char* kUspFormulare =
    "https://www.usp.gv.at/Portal.Node/usp/public/formularsuche/start";
constexpr const char* kSvDokumentation = "https://www.sozialversicherung.at";
constexpr const char* kSupportSeite = "https://www.quandrel.at/support";
constexpr const char* kBestellSeite = "https://www.quandrel.at/bestellung";
constexpr const char* kUpdateSeite = "https://www.quandrel.at/updates";
constexpr const char* kLogoDatei = "LOGO.bmp";
constexpr const char* kInternetHinweis = "Hinweis: Internetverbindung erforderlich ...";

constexpr Bericht kKeiner = Bericht::LohnGehaltszettel;  // unused for other actions

MenueEintrag Item(Menue m, const char* name, const char* caption, Aktion a,
                  const char* shortcut = "", bool trenner = false) {
  return {m, name, caption, shortcut, a, kKeiner, trenner};
}

// Writes a small marker file with one line, as the platform's text files end it.
bool WriteMarker(AppState& state, const char* name, const std::string& line) {
  std::string text = Utf8ToCp1252(line) + "\r\n";
  int err = 0;
  if (WriteFileAtomic(name, Bytes(text.begin(), text.end()), &err)) return true;
  state.dialogs().ShowMessage(std::string(name) + ": " + IoErrorText(err));
  return false;
}

void Oeffne(AppState& state, const std::string& target) { state.services.shell.Open(target); }

void Internet(AppState& state, const char* seite) {
  state.dialogs().ShowMessage(kInternetHinweis);
  Oeffne(state, seite);
}

}  // namespace

const std::vector<MenueKopf>& MenueKoepfe() {
  static const std::vector<MenueKopf> koepfe = {
      {Menue::Datei, "Datei1", "&Datei"},
      {Menue::DateiDienstgeber, "Dienstgeber1", "&Dienstgeber"},
      {Menue::Lohndaten, "Lohndaten1", "&Lohndaten"},
      {Menue::Berichte, "Berichte1", "&Berichte"},
      {Menue::Elda, "ELDA1", "&ELDA"},
      {Menue::Extras, "Extras1", "E&xtras"},
      {Menue::Hilfe, "Hilfe1", "&Hilfe"},
  };
  return koepfe;
}

std::vector<MenueEintrag> MenueTabelle(const YearValues& year) {
  using A = Aktion;
  using M = Menue;
  std::vector<MenueEintrag> t = {
      Item(M::DateiDienstgeber, "neu1", "neu", A::DienstgeberNeu),
      Item(M::Datei, "Dienstgeberauswaehlen1", "&Dienstgeber auswählen", A::DienstgeberAuswaehlen,
           "Ctrl+F"),
      Item(M::Datei, "Kennwortaendern1", "&Kennwort ändern", A::KennwortAendern, "", true),
      Item(M::Datei, "Datensichern1", "Daten &sichern und wiederherstellen", A::DatenSichern, "",
           true),
      Item(M::Datei, "Lohndatenfreigeben1", "Lohndaten &freigeben", A::LohndatenFreigeben),
      Item(M::Datei, "Autobackupausschalten1", "Autobackup ausschalten", A::AutobackupUmschalten),
      Item(M::Datei, "Vorjahr1", "", A::Vorjahr, "", true),
      Item(M::Datei, "Beenden1", "B&eenden", A::Beenden, "", true),
      Item(M::Lohndaten, "DienstnehmerundAbrechnung1", "Dienstnehmer und &Abrechnung",
           A::DienstnehmerUndAbrechnung, "Ctrl+A"),
      Item(M::Lohndaten, "DienstgeberDatenbearbeiten1", "&Dienstgeber-Daten bearbeiten",
           A::DienstgeberDaten, "Ctrl+D", true),
      Item(M::Lohndaten, "StandortDatenbearbeiten1", "&Standort-Daten bearbeiten",
           A::StandortDaten),
      Item(M::Lohndaten, "KostenstellenDatenbearbeiten1", "&Kostenstellen-Daten bearbeiten",
           A::KostenstellenDaten),
      Item(M::Lohndaten, "LOGObearbeiten1", "LOGO (für Berichte) bearbeiten", A::Logo, "", true),
  };
  // Reports: the monthly ones, the yearly ones, then the confirmation and the lists.
  for (const BerichtEintrag& b : BerichtTabelle()) {
    bool trenner = b.bericht == Bericht::JahreslohnzettelL16 ||
                   b.bericht == Bericht::ArbeitsUndLohnbestaetigung;
    t.push_back({M::Berichte, b.objectName, b.caption, b.shortcut, A::Bericht, b.bericht, trenner});
  }
  std::vector<MenueEintrag> rest = {
      Item(M::Elda, "ELDAOnline1", "ELDA &Online", A::EldaOnline),
      Item(M::Elda, "AnAbmeldungvonDienstnehmern1", "An- Abmeldung von Dienstnehmern",
           A::Versichertenmeldung, "", true),
      Item(M::Elda, "HilfezurelektronischenUebermittlung1",
           "Hilfe zur elektronischen Übermittlung (ELDA)", A::HilfeElda),
      Item(M::Elda, "ELDAFehlercodes1", "ELDA-Fehlercodes", A::EldaFehlercodes),
  };
  t.insert(t.end(), rest.begin(), rest.end());
  if (year.hasZerAruDokumentation)
    t.push_back(
        Item(M::Elda, "ZerAruDokumentation1", "ZerAru Dokumentation", A::ZerAruDokumentation));
  rest = {
      Item(M::Extras, "Notizen1", "&Notizen", A::Notizen),
      Item(M::Extras, "Exploreroeffnen1", "E&xplorer öffnen", A::ExplorerOeffnen),
      Item(M::Extras, "Formulare1", "Formulare ...", A::Formulare, "", true),
      Item(M::Extras, "FormularevonBehoerden1", "Formulare von Behörden (USP)", A::FormulareUsp),
      Item(M::Hilfe, "Handbuch1", "&Handbuch", A::Handbuch, "F1"),
      Item(M::Hilfe, "SchulungsVideos1", "&Schulungs-Videos", A::SchulungsVideos),
      Item(M::Hilfe, "HilfezuElda1", "Hilfe zu Elda", A::HilfeElda),
      Item(M::Hilfe, "Versichertenmeldungen1", "Versichertenmeldungen", A::Versichertenmeldung),
      Item(M::Hilfe, "Supportonline1", "Support online", A::SupportOnline, "", true),
      Item(M::Hilfe, "SupportperMail1", "&Support per Mail", A::SupportMail),
      Item(M::Hilfe, "BestellungperInternet1", "Bestellung per Internet", A::BestellungInternet, "",
           true),
      Item(M::Hilfe, "UpdateperMailbestellen1", "Update per Mail bestellen ...", A::UpdateMail),
      Item(M::Hilfe, "onlineueberUpdatesinformieren1", "online über Updates informieren ...",
           A::UpdatesOnline),
      Item(M::Hilfe, "VersionsInfo1", "Versions-Info", A::VersionsInfo, "", true),
      Item(M::Hilfe, "OrdnerInfo1", "Ordner-Info", A::OrdnerInfo),
  };
  t.insert(t.end(), rest.begin(), rest.end());
  return t;
}

const std::vector<ToolbarEintrag>& ToolbarTabelle() {
  using A = Aktion;
  using B = Bericht;
  static const std::vector<ToolbarEintrag> t = {
      {"DienstgeberSpeedButton", "Dienstgeber auswählen", "DG", A::DienstgeberAuswaehlen, kKeiner},
      {"DienstgeberDatenSpeedButton", "Dienstgeber-Daten bearbeiten", "DG-D", A::DienstgeberDaten,
       kKeiner},
      {"DienstnehmerSpeedButton", "Dienstnehmer und Abrechnung", "DN", A::DienstnehmerUndAbrechnung,
       kKeiner},
      {"LohnzettelSpeedButton", "Bericht Lohn / Gehaltszettel", "LZ", A::Bericht,
       B::LohnGehaltszettel},
      {"UeberweisungSpeedButton", "Überweisungs- und Buchungsliste Lohn / Gehaltszettel", "ÜW",
       A::Bericht, B::Ueberweisungsliste},
      {"L16SpeedButton", "Jahreslohnzettel mit Formular L16 drucken", "L16", A::Bericht,
       B::JahreslohnzettelL16},
      {"EldaLohnzettelSpeedButton", "Jahreslohnzettel ELDA-Datenträger erstellen", "ELDA",
       A::Bericht, B::JahreslohnzettelElda},
      {"BeitragsnachweisungSpeedButton", "Bericht Beitragsnachweisung", "BN", A::Bericht,
       B::Beitragsnachweisung},
      {"LohnsteuerSpeedButton", "Bericht Lohnsteuer DB DZ Kommunalsteuer", "LSt", A::Bericht,
       B::LohnsteuerDbDzKommSt},
      {"KommunalsteuerSpeedButton", "Bericht Kommunalsteuererklärung (jährlich)", "KSt", A::Bericht,
       B::Kommunalsteuererklaerung},
      {"LohnkontenSpeedButton", "Bericht Lohnkonten", "LK", A::Bericht, B::Lohnkonten},
      {"DatensichernSpeedButton", "Daten sichern und wiederherstellen", "Sich", A::DatenSichern,
       kKeiner},
      {"KalenderSpeedButton", "Kalender", "Kal", A::Kalender, kKeiner},
      {"RechnerSpeedButton", "Rechner", "Rech", A::Rechner, kKeiner},
      {"DokumenteSpeedButton", "gescannte Dokumente anzeigen", "Dok", A::Dokumente, kKeiner},
      {"HandbuchSpeedButton", "Handbuch", "?", A::Handbuch, kKeiner},
      {"VideosSpeedButton", "Schulungs-Videos ansehen", "Vid", A::SchulungsVideos, kKeiner},
      {"BeendenSpeedButton", "Einstellungen speichern und Programm beenden", "Ende", A::Beenden,
       kKeiner},
  };
  return t;
}

const std::vector<DashboardEintrag>& DashboardTabelle() {
  static const std::vector<DashboardEintrag> t = [] {
    using A = Aktion;
    using S = Spalte;
    std::vector<DashboardEintrag> d = {
        {"DienstnehmerLabel", "· Dienstnehmer und Abrechnung", S::Abrechnung,
         A::DienstnehmerUndAbrechnung, kKeiner},
        {"DienstgeberDatenLabel", "· Dienstgeber-Daten ", S::Abrechnung, A::DienstgeberDaten,
         kKeiner},
        {"StandortLabel", "· Standort-Daten", S::Abrechnung, A::StandortDaten, kKeiner},
    };
    // A report label carries its item's name with "Label" in place of the "1".
    for (const BerichtEintrag& b : BerichtTabelle()) {
      std::string item = b.objectName;
      d.push_back({item.substr(0, item.size() - 1) + "Label", b.dashboardLabel, S::Berichte,
                   A::Bericht, b.bericht});
    }
    std::vector<DashboardEintrag> hilfe = {
        {"HandbuchLabel", "Handbuch", S::Hilfe, A::Handbuch, kKeiner},
        {"SchulungsVideosLabel", "Schulungs-Videos", S::Hilfe, A::SchulungsVideos, kKeiner},
        {"SupportOnlineLabel", "Support online", S::Hilfe, A::SupportOnline, kKeiner},
        {"BestellungLabel", "Bestellung", S::Hilfe, A::BestellungInternet, kKeiner},
        {"EMailLabel", "e-Mail an Quandrel", S::Hilfe, A::SupportMail, kKeiner},
        {"HandbuchPunkteLabel", "Handbuch ...", S::Hilfe, A::Handbuch, kKeiner},
    };
    d.insert(d.end(), hilfe.begin(), hilfe.end());
    return d;
  }();
  return t;
}

bool FuehreAus(AppState& state, Aktion aktion) {
  platform::Dialogs& dialogs = state.dialogs();
  platform::Shell& shell = state.services.shell;
  switch (aktion) {
    case Aktion::KennwortAendern:
      if (dialogs.AskYesNo("Wollen Sie Ihr Kennwort wirklich ändern?")) {
        ChangePassword(state);
        SaveProgramState(state);
      }
      return true;
    case Aktion::DatenSichern:
      shell.StartProgram(kBackupProgramm, {"ZR"});
      return true;
    case Aktion::LohndatenFreigeben:
      LohndatenFreigeben(state);
      return true;
    case Aktion::Vorjahr:
      dialogs.ShowMessage("Quandrel öffnet jetzt das Fenster für das Abrechnungsjahr " +
                          std::to_string(state.year.year - 1) + " klicken Sie auf OK!");
      shell.StartProgram(state.year.previousYearProgram, {});
      return true;
    case Aktion::StandortDaten:
      shell.StartProgram(kStandortProgramm, {state.DataFileStem});
      return true;
    case Aktion::KostenstellenDaten:
      shell.StartProgram(kKostenstellenProgramm, {state.DataFileStem});
      return true;
    case Aktion::Logo:
      dialogs.ShowMessage(
          "Quandrel öffnet jetzt die Datei \"LOGO.bmp\" mit dem in Ihrer Version von Windows "
          "registrierten Programm. Wählen Sie zur Bearbeitung einen Bild-Editor (z.B. Paint) "
          "aus. Wenn Sie Hilfe zum Einfügen Ihres Firmenlogos benötigen, kontaktieren Sie uns "
          "bitte!");
      if (!FileExists(kLogoDatei))
        dialogs.ShowMessage(
            "Die Datei LOGO.bmp existiert nicht. Erstellen Sie bitte eine neue Datei mit Ihrem "
            "Bildbearbeitungsprogramm.");
      Oeffne(state, kLogoDatei);
      return true;
    case Aktion::EldaOnline:
      Oeffne(state, kEldaPortal);
      return true;
    case Aktion::Versichertenmeldung:
      Oeffne(state, kVersichertenMeldungFile);
      return true;
    case Aktion::EldaFehlercodes:
      Oeffne(state, "EldaFehlerCodes.xls");
      return true;
    case Aktion::FormulareUsp:
      Oeffne(state, kUspFormulare);
      return true;
    case Aktion::ZerAruDokumentation:
      Oeffne(state, kSvDokumentation);
      return true;
    case Aktion::Notizen:
      Oeffne(state, "ElUeNoti.TXT");
      return true;
    case Aktion::ExplorerOeffnen:
      DatenOrdnerOeffnen(state);
      return true;
    case Aktion::Formulare:
      Oeffne(state, DatenOrdner() + "/Formulare");
      return true;
    case Aktion::Handbuch:
      Oeffne(state, kHandbuchFile);
      return true;
    case Aktion::SupportOnline:
      Internet(state, kSupportSeite);
      return true;
    case Aktion::BestellungInternet:
      Internet(state, kBestellSeite);
      return true;
    case Aktion::UpdatesOnline:
      Internet(state, kUpdateSeite);
      return true;
    case Aktion::SupportMail:
      dialogs.ShowMessage(
          std::string("Ihre Anfrage an den Quandrel-Support senden Sie bitte an: ") +
          kHerstellerMail);
      Oeffne(state, MailtoAdresse(kHerstellerMail, "Support Quandrel Lohnverrechnung Version " +
                                                       state.ProgramVersion));
      return true;
    case Aktion::UpdateMail:
      dialogs.ShowMessage(std::string("Ihre Update-Bestellung senden Sie bitte an: ") +
                          kHerstellerMail);
      Oeffne(state, MailtoAdresse(kHerstellerMail, "Update-Bestellung Quandrel Lohnverrechnung " +
                                                       std::to_string(state.year.year + 1)));
      return true;
    case Aktion::VersionsInfo:
      dialogs.ShowMessage("Sie arbeiten mit Version: " + state.ProgramVersion);
      return true;
    case Aktion::Rechner:
      shell.StartProgram(kRechnerProgramm, {});
      return true;
    case Aktion::DienstgeberNeu:
    case Aktion::DienstgeberAuswaehlen:
    case Aktion::AutobackupUmschalten:
    case Aktion::Beenden:
    case Aktion::DienstnehmerUndAbrechnung:
    case Aktion::DienstgeberDaten:
    case Aktion::Bericht:
    case Aktion::HilfeElda:
    case Aktion::SchulungsVideos:
    case Aktion::OrdnerInfo:
    case Aktion::Kalender:
    case Aktion::Dokumente:
      break;
  }
  return false;
}

void HilfeEldaHinweis(AppState& state) {
  state.dialogs().ShowMessage(
      "Wählen Sie bitte im folgenden Fenster das Video >> elektronische Übermittlung ...");
}

void DemoTipp(AppState& state) {
  if (state.DataFileStem == kDemoStem)
    state.dialogs().ShowMessage(
        "Tipp: Für Ihre Lohndaten legen Sie bitte einen neuen Dienstgeber an (im Hauptmenü: "
        "Datei / Dienstgeber auswählen). Derzeit ist der DEMO-Dienstgeber geöffnet.");
}

bool LohndatenFreigeben(AppState& state) {
  RunAutoBackup(state);
  state.dialogs().ShowMessage(
      "Beenden Sie bitte alle anderen Quandrel-Lohn-Programme und klicken Sie dann auf OK, um "
      "die Lohn-Daten für andere Benutzer freizugeben!");
  const std::string& stem = state.DataFileStem;
  if (ReleaseAllLockFiles(stem)) {
    state.dialogs().ShowMessage("Daten wurden freigegeben.");
    return true;
  }
  // A lock that stays keeps the other users out: say which one.
  for (const char* ext : kAllLockExts)
    if (LockFilePresent(stem, ext))
      state.dialogs().ShowMessage("Die Datei " + LockFileName(stem, ext) +
                                  " konnte nicht gelöscht werden.");
  return false;
}

std::string AutobackupCaption() {
  return FileExists(kStopAutoBackupFile) ? "Autobackup einschalten" : "Autobackup ausschalten";
}

std::string AutobackupUmschalten(AppState& state) {
  if (FileExists(kStopAutoBackupFile)) {
    if (!RemoveFileIfPresent(kStopAutoBackupFile))
      state.dialogs().ShowMessage(std::string("Die Datei ") + kStopAutoBackupFile +
                                  " konnte nicht gelöscht werden.");
    else
      state.dialogs().ShowMessage("Autobackup eingeschaltet!");
  } else if (state.dialogs().AskYesNo("Autobackup erhöht die Sicherheit Ihrer Daten. Wollen Sie "
                                      "Autobackup wirklich ausschalten?") &&
             WriteMarker(state, kStopAutoBackupFile, "Autobackup ausgeschaltet!")) {
    state.dialogs().ShowMessage("Autobackup wurde ausgeschaltet!");
  }
  return AutobackupCaption();
}

bool BildAusblenden(AppState& state) {
  return state.dialogs().AskYesNo("Wollen Sie das Bild wirklich ausblenden?") &&
         WriteMarker(state, kBildMarkerFile, "Bild ausgeblendet");
}

bool BildAusgeblendet() { return FileExists(kBildMarkerFile); }

bool EntwicklerWerkzeuge() { return FileExists(kDevelopmentToolsFile); }

std::string VorjahrCaption(const YearValues& year) {
  return "Jahr " + std::to_string(year.year - 1) + " bearbeiten ...";
}

std::optional<std::string> NeuesJahrHinweis(const YearValues& year, const platform::DateTime& now) {
  bool faellig =
      (now.month == 12 && now.year > year.year - 1) || (now.month == 1 && now.year > year.year);
  if (!faellig) return std::nullopt;
  return "HINWEIS: Aufgrund gesetzlicher Bestimmungen haben sich die Berechnungsgrundlagen für "
         "das neue Abrechnungs-Jahr " +
         std::to_string(year.year + 1) +
         " geändert. Bitte erkundigen Sie sich rechtzeitig über ein Update unter " +
         kHerstellerWeb + " oder per e-Mail an " + kHerstellerMail + "!";
}

std::string TextLaenge(const std::string& text) { return std::to_string(CharCount(text)); }

std::string TeilText(const std::string& text, const std::string& von, const std::string& laenge) {
  // Positions count from 1; a start before the text starts at its first
  // character, and what lies beyond its end is not there.
  long long start = StrToInt(von);
  long long count = StrToInt(laenge);
  std::u32string chars = DecodeUtf8(text);
  if (start < 1) start = 1;
  if (count <= 0 || start > static_cast<long long>(chars.size())) return {};
  return EncodeUtf8(std::u32string_view(chars).substr(std::size_t(start - 1), std::size_t(count)));
}

std::string MailtoAdresse(const std::string& adresse, const std::string& betreff) {
  static const char* hex = "0123456789ABCDEF";
  std::string out = "mailto:" + adresse + "?subject=";
  for (unsigned char c : betreff) {
    bool frei = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                c == '-' || c == '.' || c == '_' || c == '~';
    if (frei) {
      out += char(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

}  // namespace lohn
