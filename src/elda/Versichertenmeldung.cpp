#include "elda/Versichertenmeldung.h"

#include "elda/EldaPanel.h"
#include "store/Cp1252.h"
#include "store/Numbers.h"
#include "store/SvNummer.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

// A date field as eight digits DDMMYYYY; an empty date as zeros.
std::string DatumZiffern(const std::string& datum) {
  if (datum.size() != 10) return "00000000";
  return datum.substr(0, 2) + datum.substr(3, 2) + datum.substr(6, 4);
}

// An amount field: cents as digits, right-aligned with "0" in front.
std::string BetragZiffern(const PersFormModel& f, const char* feld, int breite) {
  const std::string& text = f.Text(feld);
  const std::string ziffern = FormatAmountFieldUnsigned(2, breite, EldaPanelBetrag(text));
  if (ziffern.find_first_not_of(' ') == std::string::npos)
    throw ConversionError("Der Betrag '" + text + "' im Feld " + feld +
                          " ist für die Versichertenmeldung zu groß!");
  return ziffern;
}

}  // namespace

std::string VmNamensteil(std::string_view famName) {
  std::u32string name = DecodeUtf8(TrimBlanks(famName));
  for (char32_t& c : name)
    if (c < 0x20 || c == 0x7F ||
        std::u32string_view(U"/\\:*?\"<>|").find(c) != std::u32string_view::npos)
      c = U'_';
  return PadText(EncodeUtf8(name), 5, true, U'_');
}

std::string VmDateiName(std::string_view stem, std::int32_t persNr, std::string_view famName,
                        std::string_view art) {
  return CutChars(stem, 13) + "_P_" + std::to_string(persNr) + "_" + VmNamensteil(famName) + "_" +
         std::string(art) + ".VM";
}

EldaDateiBild VersichertenMeldungBild(const AppState& state, const PersFormModel& f,
                                      const std::string& svNr) {
  const std::string art = f.Text("DN_Satzart");
  const std::int32_t nr = StrToInt(f.Text("PersNrEdit"));
  const bool abmeldung = art == "04" || art == "08" || art == "09";
  const auto& dg = state.Dienstgeber;
  auto text = [&](const char* feld, int breite) { return EldaText(f.Text(feld), breite); };
  auto jn = [&](const char* box) { return std::string(f.Checked(box) ? "J" : "N"); };
  auto datum = [&](const char* feld) { return DatumZiffern(NormalizeDateText(f.Text(feld))); };
  auto betrag = [&](const char* feld, int breite) { return BetragZiffern(f, feld, breite); };

  std::string geburt = "00000000";
  if (auto g = GeburtsdatumAusSvNr(svNr, state.year.year))
    geburt = ZeroPadded(g->tag, 2) + ZeroPadded(g->monat, 2) + ZeroPadded(g->jahr, 4);
  const std::string& btag = f.Text("BTAG");
  const std::string umlagen =
      jn("KU") + jn("LK") + jn("WF") + jn("SW") + " " + jn("IE") + jn("NB") + EldaLeer(8);

  std::string s = EldaText(art, 2) + "0000002" + "14" + EldaZiffern(dg.DienstgeberDvrNr, 7) +
                  EldaText(dg.DienstgeberVersTraegerCode, 2) +
                  EldaText(dg.DienstgeberBeitragskontoNr, 10) + EldaText(dg.DienstgeberName, 70) +
                  EldaText(std::to_string(nr), 12) + EldaText(svNr, 10) + geburt;
  s += text("FamNameEdit", 70) + text("FNA1", 70) + text("FNA2", 70) + text("VornameEdit", 70) +
       text("AKGR", 30);
  s += abmeldung ? "0" : f.Checked("weiblichCheckBox") ? "2" : "1";
  s += text("STSL", 3) + text("AdresseLandEdit", 3) + text("PLZEdit", 9) + text("OrtEdit", 40) +
       text("StrasseEdit", 50) + EldaLeer(4);
  s += abmeldung ? EldaLeer(4) : text("BeitragsgruppeComboBox", 4);
  s += DatumZiffern(AdatFuerArt(f.Text("ADAT"), art)) + datum("RDAT") + text("ZUGE", 2) +
       jn("GeringfCheckBox");
  s += abmeldung ? EldaLeer(30) : text("BerufEdit", 30);
  s += text("GEGC", 2) + text("GEGT", 8) + text("VWVC", 1) + text("VWVT", 15) + text("BETL", 20) +
       datum("LVDA") + datum("LBDA") + jn("TAMO_CB") + (f.Checked("ABEZ_CB") ? "6" : "4") +
       betrag("BETR", 8) + (f.Checked("SBZC_CB") ? "1" : "0") + EldaLeer(24) + EldaLeer(6);
  s += btag.empty() ? std::string("0") : EldaText(btag, 1);
  s += betrag("BSTD", 4) + jn("MALU_CB") + betrag("BGMA", 6);
  s += abmeldung ? EldaLeer(15) : umlagen;
  s += text("BKFZ", 3) + text("BPLZ", 9) + text("BORT", 40) + datum("EBSV") + text("AGRD", 2) +
       text("SAGR", 20) + datum("KEAB") + datum("KEBI") + datum("UEAB") + datum("UEBI") +
       text("TAGE", 62) + datum("E1LJ") + jn("BUAK_CB");
  s += EldaText(dg.DienstgeberTelefon, 50) + text("GeburtsdatenEdit", 15) + EldaLeer(1) +
       EldaLeer(3) + datum("NSGA") + datum("NSGE") + EldaLeer(70) + EldaLeer(70) + EldaLeer(30);
  s += text("AECD", 90) + datum("BVAB") + datum("BVEN") + jn("AABG_CB") + EldaLeer(4) +
       EldaText(dg.DienstgeberEMail, 60) + EldaProduktFeld(state) + EldaLeer(26) + "\r\n";

  return {VmDateiName(state.DataFileStem, nr, f.Text("FamNameEdit"), art),
          EldaHeaderRecord(state, EldaArt::VM, f.Checked("Testdaten_CB")) + s +
              EldaTrailerRecord(state, EldaArt::VM, 3)};
}

bool WriteEldaVersichertenMeldung(AppState& state, PersFormModel& f) {
  platform::Dialogs& dlg = state.dialogs();
  // The digits are filed, and the date of birth read from them.
  const std::string svNr = FilterDigits(f.Text("SVNrEdit"));
  if (svNr.size() != 10) {
    dlg.ShowMessage(kVmSvNrUngueltig);
    return false;
  }
  if (f.Text("DN_Satzart").empty() || TrimBlanks(f.Text("FamNameEdit")).empty()) {
    dlg.ShowMessage(kVmArtFehlt);
    return false;
  }
  EldaDateiBild bild;
  try {
    bild = VersichertenMeldungBild(state, f, svNr);
  } catch (const ConversionError& e) {
    dlg.ShowMessage(e.what());
    return false;
  }
  return SchreibeEldaDateien(state, {bild}, kVmSchlussfrage) == EldaSchreibErgebnis::Geschrieben;
}

}  // namespace lohn
