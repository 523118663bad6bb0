#include "elda/EldaPanel.h"

#include <algorithm>
#include <stdexcept>

#include "elda/Versichertenmeldung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormStammdaten.h"
#include "store/Cp1252.h"
#include "store/EinAustritt.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"
#include "store/RecordFile.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

using F = FeldFarbe;

// A code list and the code field that a chosen entry fills.
struct CodeListe {
  const char* liste;
  const char* code;
  std::size_t laenge;
};
constexpr CodeListe kCodeListen[] = {
    {"ComboBox1", "DN_Satzart", 2}, {"ComboBox2", "GEGC", 2}, {"ComboBox3", "VWVC", 1},
    {"ComboBox4", "ZUGE", 2},       {"ComboBox5", "AGRD", 2},
};

// A code that switches on a free text (or the apprenticeship dates).
struct CodeFarbe {
  const char* code;
  std::vector<const char*> werte;
  std::vector<const char*> felder;
};
const CodeFarbe kCodeFarben[] = {
    {"GEGC", {"99"}, {"GEGT"}},
    {"VWVC", {"2"}, {"VWVT"}},
    {"ZUGE", {"02", "06"}, {"LVDA", "LBDA"}},
    {"AGRD", {"00"}, {"SAGR"}},
};

// One row of the rules by kind: the kinds it applies to, then what is
// required, what does not apply and which boxes are off.
struct ArtRegel {
  std::vector<const char*> arten;
  std::vector<const char*> pflicht;
  std::vector<const char*> entfaellt;
  std::vector<const char*> aus;
};
const ArtRegel kArtRegeln[] = {
    {{"03"},
     {},
     {"RDAT", "BGMA", "EBSV", "ComboBox5", "SAGR", "KEAB", "KEBI", "UEAB", "UEBI", "TAGE", "ERTG",
      "NSGA", "NSGE", "AECD", "BVEN"},
     {"MALU_CB", "AABG_CB"}},
    {{"04"},
     {"ComboBox3", "ComboBox5"},
     {"FNA1", "FNA2", "STSL", "RDAT", "ComboBox4", "ComboBox2", "GEGT",
      "BETL", "LVDA", "LBDA", "BTAG", "BSTD",      "BKFZ",      "BPLZ",
      "BORT", "TAGE", "E1LJ", "NSGA", "NSGE",      "AECD",      "BVAB"},
     {"BUAK_CB"}},
    {{"05"},
     {},
     {"RDAT", "LVDA", "LBDA", "BTAG", "BSTD", "BGMA", "EBSV", "ComboBox5", "SAGR", "KEAB",
      "KEBI", "UEAB", "UEBI", "E1LJ", "ERTG", "NSGA", "NSGE", "AECD",      "BVAB", "BVEN"},
     {"MALU_CB", "BUAK_CB", "AABG_CB"}},
    {{"06"},
     {},
     {"RDAT", "BGMA", "EBSV", "ComboBox5", "SAGR", "KEAB", "KEBI", "UEAB", "UEBI", "TAGE", "ERTG",
      "BVEN"},
     {"MALU_CB", "AABG_CB"}},
    {{"08", "09", "13", "14", "15", "16", "17"},
     {},
     {"FNA1", "FNA2", "STSL", "ComboBox4", "ComboBox3", "ComboBox2", "GEGT",
      "BETL", "LVDA", "LBDA", "BTAG",      "BSTD",      "BKFZ",      "BPLZ",
      "BORT", "TAGE", "E1LJ", "NSGA",      "NSGE",      "AECD",      "BVAB"},
     {"BUAK_CB"}},
    {{"13", "14", "15", "16", "17"}, {}, {"RDAT"}, {}},
    {{"08", "13", "15", "16", "17"}, {}, {"KEAB", "KEBI", "UEAB", "UEBI", "BVEN"}, {}},
    {{"09"}, {"ComboBox5"}, {}, {}},
};

// The colours of the panel as the window is created.
const std::pair<F, std::vector<const char*>> kStartFarben[] = {
    {F::Pflicht,
     {"ComboBox1", "ADAT", "EBSV", "STSL", "ComboBox2", "ComboBox3", "ComboBox4", "BETR", "BTAG",
      "BSTD", "BKFZ"}},
    {F::Knopf,
     {"DN_Satzart", "GEGC", "GEGT", "VWVC", "VWVT", "ZUGE", "LVDA", "LBDA", "AGRD", "ComboBox5",
      "SAGR", "TAGE", "AECD"}},
};

constexpr const char* kAenderungsFelder[] = {"RDAT", "LVDA", "LBDA", "EBSV", "KEAB", "KEBI", "UEAB",
                                             "UEBI", "E1LJ", "NSGA", "NSGE", "BVAB", "BVEN"};
constexpr const char* kBetragsFelder[] = {"BETR", "BSTD", "BGMA"};
constexpr const char* kGanzzahlFelder[] = {"BTAG", "ERTG"};
constexpr const char* kTextFelder[] = {"FNA1", "FNA2", "AKGR", "STSL", "GEGT", "VWVT",
                                       "BETL", "BKFZ", "BPLZ", "BORT", "SAGR"};

template <class Liste>
bool Enthaelt(const Liste& liste, std::string_view name) {
  return std::find_if(std::begin(liste), std::end(liste),
                      [&](const char* n) { return name == n; }) != std::end(liste);
}

// 1 to `maxStellen` digits as a number; -1 otherwise.
int Zahl(std::string_view teil, std::size_t minStellen, std::size_t maxStellen) {
  if (teil.size() < minStellen || teil.size() > maxStellen) return -1;
  int wert = 0;
  for (char c : teil) {
    if (c < '0' || c > '9') return -1;
    wert = wert * 10 + (c - '0');
  }
  return wert;
}

// A value of the data file: one line, and no ";" that would shift the
// values after it.
std::string DateiWert(const std::string& text) {
  std::string wert = ReplaceSemicolons(text);
  for (char& c : wert)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return wert;
}

void CodeFarbenAnwenden(PersFormModel& f, const CodeFarbe& regel) {
  const bool an = Enthaelt(regel.werte, f.Text(regel.code));
  for (const char* feld : regel.felder) f.SetFarbe(feld, an ? F::Weiss : F::Knopf);
}

}  // namespace

const std::vector<const char*>& EldaPanelDateiFelder() {
  static const std::vector<const char*> felder = {
      "Testdaten_CB", "ADAT", "FNA1", "FNA2",    "AKGR", "STSL",   "RDAT",    "GEGC", "GEGT",
      "VWVC",         "VWVT", "BETL", "ZUGE",    "LVDA", "LBDA",   "TAMO_CB", "BETR", "ABEZ_CB",
      "SBZC_CB",      "BTAG", "BSTD", "MALU_CB", "BGMA", "BKFZ",   "BPLZ",    "BORT", "EBSV",
      "AGRD",         "SAGR", "KEAB", "KEBI",    "UEAB", "UEBI",   "TAGE",    "E1LJ", "BUAK_CB",
      "ERTG",         "NSGA", "NSGE", "BVAB",    "BVEN", "AABG_CB"};
  return felder;
}

const std::vector<const char*>& EldaDatumsfelder() {
  static const std::vector<const char*> felder = {"ADAT", "RDAT", "EBSV", "LVDA", "LBDA",
                                                  "KEAB", "KEBI", "UEAB", "UEBI", "E1LJ",
                                                  "NSGA", "NSGE", "BVAB", "BVEN"};
  return felder;
}

std::string ReplaceSemicolons(std::string_view text) {
  std::string s(text);
  std::replace(s.begin(), s.end(), ';', ',');
  return s;
}

std::string NormalizeDateText(std::string_view text, bool tagNull) {
  if (text.empty() || text == "0") return std::string(text);
  const std::string_view t = TrimBlanks(text);
  const std::size_t p1 = t.find('.');
  const std::size_t p2 = p1 == std::string_view::npos ? p1 : t.find('.', p1 + 1);
  if (p2 != std::string_view::npos && t.find('.', p2 + 1) == std::string_view::npos) {
    const int tag = Zahl(t.substr(0, p1), 1, 2);
    const int monat = Zahl(t.substr(p1 + 1, p2 - p1 - 1), 1, 2);
    const std::string_view jahrText = t.substr(p2 + 1);
    int jahr = jahrText.size() == 2 ? Zahl(jahrText, 2, 2) : Zahl(jahrText, 4, 4);
    if (jahrText.size() == 2 && jahr >= 0) jahr += 2000;
    if (jahr >= 1 && monat >= 1 && monat <= 12 && tag >= (tagNull ? 0 : 1) &&
        tag <= MonatsLaenge(jahr, monat))
      return ZeroPadded(tag, 2) + "." + ZeroPadded(monat, 2) + "." + ZeroPadded(jahr, 4);
  }
  throw ConversionError("'" + std::string(text) + "' ist kein gültiges Datum");
}

std::string TodayAsDottedDate(const platform::Clock& clock) {
  const std::string t = TodayAsDDMMYYYY(clock);
  return t.substr(0, 2) + "." + t.substr(2, 2) + "." + t.substr(4);
}

double EldaPanelBetrag(std::string_view text) { return StrToBetrag(FilterNumber(text)); }

std::string AdatFuerArt(std::string_view adat, std::string_view art) {
  if (art == "05" || art == "15") {
    // Casual employment is filed for the month: the day is "00".
    std::string datum = NormalizeDateText(adat, true);
    if (datum.size() == 10) datum.replace(0, 2, "00");
    return datum;
  }
  std::string datum(adat);
  if (datum.starts_with("00")) datum[1] = '1';
  return NormalizeDateText(datum);
}

void ResetEldaFieldColours(PersFormModel& f) {
  for (const char* name :
       {"RDAT", "BGMA", "EBSV", "KEAB", "KEBI", "UEAB", "UEBI", "ERTG", "NSGA", "NSGE", "AECD",
        "BVAB", "BVEN", "FNA1", "FNA2", "BETL", "LVDA", "LBDA", "BPLZ", "BORT", "E1LJ"})
    f.SetFarbe(name, F::Fenster);
  for (const char* name : {"STSL", "BTAG", "BSTD", "BKFZ", "ComboBox2", "ComboBox3", "ComboBox4"})
    f.SetFarbe(name, F::Pflicht);
  f.SetFarbe("ComboBox5", F::Knopf);
  for (const char* name : {"MALU_CB", "AABG_CB", "BUAK_CB"}) f.SetEnabled(name, true);
}

void DN_SatzartChange(PersFormModel& f) {
  const std::string art = f.Text("DN_Satzart");
  ResetEldaFieldColours(f);
  f.SetText("AECD", "");
  // A date that does not convert is reported once the colours of the kind
  // are set; the field keeps its text.
  std::optional<ConversionError> fehler;
  try {
    f.SetText("ADAT", AdatFuerArt(f.Text("ADAT"), art));
  } catch (const ConversionError& e) {
    fehler = e;
  }
  for (const ArtRegel& regel : kArtRegeln) {
    if (!Enthaelt(regel.arten, art)) continue;
    for (const char* name : regel.pflicht) f.SetFarbe(name, F::Pflicht);
    for (const char* name : regel.entfaellt) f.SetFarbe(name, F::Knopf);
    for (const char* name : regel.aus) f.SetEnabled(name, false);
  }
  if (art == "06") f.SetText("AECD", std::string(90, 'J'));
  if (fehler) throw *fehler;
}

void EldaPanelAnbinden(PersFormModel& f) {
  for (const auto& [farbe, felder] : kStartFarben)
    for (const char* name : felder) f.SetFarbe(name, farbe);
  // Only the user's choice sets a code: the program resets the lists
  // without touching the codes that a loaded file brought.
  for (const CodeListe& c : kCodeListen) {
    f.OnChange(
        c.liste,
        [c](PersFormModel& m) {
          const std::string& text = m.Text(c.liste);
          if (CharCount(text) > 5) m.SetText(c.code, CutChars(text, c.laenge));
        },
        true);
  }
  for (const CodeFarbe& regel : kCodeFarben)
    f.OnChange(regel.code, [&regel](PersFormModel& m) { CodeFarbenAnwenden(m, regel); });
  f.OnChange("DN_Satzart", [](PersFormModel& m) { DN_SatzartChange(m); });
  f.Steps.SaveEldaPanelData = [](AppState& s, PersFormModel& m) { SaveEldaPanelData(s, m); };
  f.Steps.LoadEldaPanelData = [](AppState& s, PersFormModel& m) { LoadEldaPanelData(s, m); };
}

void EldaPanelFeldVerlassen(PersFormModel& f, std::string_view name) {
  if (name == "ADAT") {
    f.SetText(name, AdatFuerArt(f.Text(name), f.Text("DN_Satzart")));
  } else if (Enthaelt(kAenderungsFelder, name)) {
    f.SetText(name, NormalizeDateText(f.Text(name)));
  } else if (Enthaelt(kBetragsFelder, name)) {
    f.SetText(name, FilterNumber(f.Text(name)));
    f.SetText(name, FloatToStrFixed(EldaPanelBetrag(f.Text(name)), 12, 2));
  } else if (Enthaelt(kGanzzahlFelder, name)) {
    f.SetText(name, FilterDigits(f.Text(name)));
  } else if (Enthaelt(kTextFelder, name)) {
    f.SetText(name, ReplaceSemicolons(f.Text(name)));
  }
}

void BitBtn1Click(PersFormModel& f) {
  f.SetWidth(kPersFormBreite);
  f.SetVisible("MenuePanel", true);
  f.SetVisible("Label172", true);
  // The side panel is shown: its ">" has nothing left to show.
  f.SetVisible("Label193", false);
  f.SetVisible("DnEldaPanel", true);
}

void HeuteClick(AppState& state, PersFormModel& f, std::string_view feld) {
  if (!Enthaelt(EldaDatumsfelder(), feld))
    throw std::logic_error("Kein Datumsfeld der Versichertenmeldung: " + std::string(feld));
  const std::string heute = TodayAsDottedDate(state.services.clock);
  f.SetText(feld, feld == "ADAT" ? AdatFuerArt(heute, f.Text("DN_Satzart")) : heute);
}

void TageButtonClick(PersFormModel& f) { f.SetVisible("TagePanel", true); }

void TagePanelOKButtonClick(PersFormModel& f) {
  f.SetText("TAGE", "");
  const std::string anzahl = FilterDigits(TrimBlanks(f.Text("AnzTageEdit")));
  if (ZiffernWert(anzahl) != 0) {
    f.SetText("TAGE", anzahl);
    f.SetText("AnzTageEdit", anzahl);
  } else {
    std::string tage;
    for (int tag = 1; tag <= 31; ++tag)
      if (f.Checked(TagCheckBoxName(tag))) tage += ZeroPadded(tag, 2);
    f.SetText("TAGE", tage);
  }
  f.SetVisible("TagePanel", false);
}

void AnzTageLoeschenButtonClick(PersFormModel& f) { f.SetText("AnzTageEdit", ""); }

void TagePanelBeendenButtonClick(PersFormModel& f) { f.SetVisible("TagePanel", false); }

std::optional<std::string> EldaPanelDataFile(const std::string& stem, std::string_view persNr) {
  // The number becomes part of a file name: only a whole number may.
  std::int32_t nr = 0;
  try {
    nr = StrToInt(persNr);
  } catch (const ConversionError&) {
    return std::nullopt;
  }
  return CutChars(stem + "_EldaVM_", 21) + std::to_string(nr) + ".DAT";
}

bool SaveEldaPanelData(AppState& state, PersFormModel& f) {
  // A number that is no number is reported by the save itself.
  const auto name = EldaPanelDataFile(state.DataFileStem, f.Text("PersNrEdit"));
  if (!name) return false;
  std::string inhalt;
  for (const char* feld : EldaPanelDateiFelder()) {
    if (f.Art(feld) == FeldArt::CheckBox)
      inhalt += f.Checked(feld) ? "1" : "0";
    else
      inhalt += DateiWert(f.Text(feld));
    inhalt += ';';
  }
  const std::string bytes = Utf8ToCp1252(inhalt);
  int err = 0;
  if (!WriteFileAtomic(*name, Bytes(bytes.begin(), bytes.end()), &err)) {
    // Named with its cause (a read-only data folder, a full disk): the old
    // file stays as it was.
    state.dialogs().ShowMessage(WriteFailedMessage(*name, err));
    return false;
  }
  return true;
}

void LoadEldaPanelData(AppState& state, PersFormModel& f) {
  const auto name = EldaPanelDataFile(state.DataFileStem, f.Text("PersNrEdit"));
  if (!name || !FileExists(*name)) return;
  const auto text = ReadTextFileUtf8(*name);
  if (!text) {
    state.dialogs().ShowMessage(kEldaPanelLesefehler);
    return;
  }
  // Each value ends with ";"; a last one without it still counts. Values
  // beyond the 42nd belong to nothing.
  std::vector<std::string> werte;
  std::string wert;
  for (char c : *text) {
    if (c != ';') {
      wert += c;
      continue;
    }
    werte.push_back(std::move(wert));
    wert.clear();
    if (werte.size() == std::size_t(kEldaPanelWerte)) break;
  }
  if (werte.size() < std::size_t(kEldaPanelWerte) && !wert.empty()) werte.push_back(wert);
  const auto& felder = EldaPanelDateiFelder();
  for (std::size_t i = 0; i < werte.size(); ++i) {
    if (f.Art(felder[i]) == FeldArt::CheckBox)
      f.SetChecked(felder[i], werte[i] == "1");
    else
      f.SetText(felder[i], werte[i]);
  }
}

void BitBtn2Click(AppState& state, PersFormModel& f) {
  try {
    // A registration is filed only for what the store holds.
    if (!Button2Click(state, f)) return;
    WriteEldaVersichertenMeldung(state, f);
  } catch (const ConversionError& e) {
    state.dialogs().ShowMessage(e.what());
  } catch (const std::exception&) {
    state.dialogs().ShowMessage(kEldaErstellungsfehler);
  }
}

}  // namespace lohn
