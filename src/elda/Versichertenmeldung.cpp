#include "elda/Versichertenmeldung.h"

#include "elda/EldaPanel.h"
#include "elda/EldaSatz.h"
#include "payroll/PersFormLists.h"
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

namespace {

// The registration record in the making: the fields of the panel and the
// employee window, written into the record in its order, step by step.
struct VmSatz {
  const AppState& state;
  const PersFormModel& f;
  const std::string& art;
  EldaSatz& s;
  const DienstgeberGlobals& dg = state.Dienstgeber;
  // Deregistrations leave sex, group, occupation and levies empty.
  const bool abmeldung = art == "04" || art == "08" || art == "09";

  void text(int pos, const char* feld, int breite) { s.Text(pos, breite, feld, f.Text(feld)); }
  void code(int pos, int breite, const char* feld, std::span<const std::string> codes) {
    s.Code(pos, breite, feld, f.Text(feld), codes);
  }
  const char* jn(const char* box) const { return f.Checked(box) ? "J" : "N"; }
  void datum(int pos, const char* feld) {
    s.Ziffern(pos, 8, feld, DatumZiffern(NormalizeDateText(f.Text(feld))));
  }
  // Amounts are filed as digits without a sign.
  void betrag(int pos, const char* feld, int breite) {
    s.Betrag(pos, breite, feld, 2, EldaPanelBetrag(f.Text(feld)), EldaSatz::Vorzeichen::Keins);
  }

  // Positions 1-130: the kind, the employer and who is registered.
  void Kennung(std::int32_t nr, const std::string& svNr) {
    std::string geburt = "00000000";
    if (auto g = GeburtsdatumAusSvNr(svNr, state.year.year))
      geburt = ZeroPadded(g->tag, 2) + ZeroPadded(g->monat, 2) + ZeroPadded(g->jahr, 4);
    s.Code(1, 2, "DN_Satzart", art, EldaCodes(EldaMeldungsartListe(), 2, false));
    s.Fest(3, "0000002").Fest(10, "14");
    s.Dienstgeber().Ziffern(12, 7, "Absendernummer", dg.DienstgeberDvrNr);
    s.Dienstgeber().Code(19, 2, "Versicherungsträger-Code", dg.DienstgeberVersTraegerCode);
    s.Text(21, 10, "Beitragskontonummer", dg.DienstgeberBeitragskontoNr)
        .Text(31, 70, "Name des Dienstgebers", dg.DienstgeberName)
        .Text(101, 12, "Personal-Nr", std::to_string(nr))
        .Ziffern(113, 10, "SV-Nummer", svNr)
        .Fest(123, geburt);
  }

  // Positions 131-546: the employee's names, sex and address.
  void Person() {
    text(131, "FamNameEdit", 70);
    text(201, "FNA1", 70);
    text(271, "FNA2", 70);
    text(341, "VornameEdit", 70);
    text(411, "AKGR", 30);
    s.Fest(441, abmeldung ? "0" : f.Checked("weiblichCheckBox") ? "2" : "1");
    text(442, "STSL", 3);
    text(445, "AdresseLandEdit", 3);
    text(448, "PLZEdit", 9);
    text(457, "OrtEdit", 40);
    text(497, "StrasseEdit", 50);
  }

  // Positions 547-733: the employment, its amounts and levies.
  void Beschaeftigung() {
    s.Leer(547, 4);
    if (abmeldung)
      s.Leer(551, 4);
    else
      text(551, "BeitragsgruppeComboBox", 4);
    s.Ziffern(555, 8, "ADAT", DatumZiffern(AdatFuerArt(f.Text("ADAT"), art)));
    datum(563, "RDAT");
    code(571, 2, "ZUGE", EldaCodes(EldaZugehoerigkeitListe(), 2, true));
    s.Fest(573, jn("GeringfCheckBox"));
    if (abmeldung)
      s.Leer(574, 30);
    else
      text(574, "BerufEdit", 30);
    code(604, 2, "GEGC", EldaCodes(EldaGesetzlicheGrundlageListe(), 2, true));
    text(606, "GEGT", 8);
    code(614, 1, "VWVC", EldaCodes(EldaVerwandtschaftListe(), 1, true));
    text(615, "VWVT", 15);
    text(630, "BETL", 20);
    datum(650, "LVDA");
    datum(658, "LBDA");
    s.Fest(666, jn("TAMO_CB")).Fest(667, f.Checked("ABEZ_CB") ? "6" : "4");
    betrag(668, "BETR", 8);
    s.Fest(676, f.Checked("SBZC_CB") ? "1" : "0").Leer(677, 24).Leer(701, 6);
    const std::string& btag = f.Text("BTAG");
    s.Ziffern(707, 1, "BTAG", btag.empty() ? std::string_view("0") : std::string_view(btag));
    betrag(708, "BSTD", 4);
    s.Fest(712, jn("MALU_CB"));
    betrag(713, "BGMA", 6);
    if (abmeldung)
      s.Leer(719, 15);
    else
      s.Fest(719, std::string(jn("KU")) + jn("LK") + jn("WF") + jn("SW") + " " + jn("IE") +
                      jn("NB") + EldaLeer(8));
  }

  // Positions 734-1400: the place of work, the end of the employment and
  // its periods, the employer's contacts and the product.
  void BetriebUndEnde() {
    text(734, "BKFZ", 3);
    text(737, "BPLZ", 9);
    text(746, "BORT", 40);
    datum(786, "EBSV");
    code(794, 2, "AGRD", EldaCodes(EldaAbmeldegrundListe(state.year), 2, true));
    text(796, "SAGR", 20);
    datum(816, "KEAB");
    datum(824, "KEBI");
    datum(832, "UEAB");
    datum(840, "UEBI");
    code(848, 62, "TAGE", {});
    datum(910, "E1LJ");
    s.Fest(918, jn("BUAK_CB")).Text(919, 50, "Telefon", dg.DienstgeberTelefon);
    text(969, "GeburtsdatenEdit", 15);
    s.Leer(984, 1).Leer(985, 3);
    datum(988, "NSGA");
    datum(996, "NSGE");
    s.Leer(1004, 70).Leer(1074, 70).Leer(1144, 30);
    code(1174, 90, "AECD", {});
    datum(1264, "BVAB");
    datum(1272, "BVEN");
    s.Fest(1280, jn("AABG_CB"))
        .Leer(1281, 4)
        .Text(1285, 60, "E-Mail", dg.DienstgeberEMail)
        .Fest(1345, EldaProduktFeld(state))
        .Leer(1375, 26);
  }
};

// EldaVmRecord, the registration record: 1400 characters from the panel and
// the employee window (ConversionError for what does not fit).
std::string EldaVmRecord(const AppState& state, const PersFormModel& f, const std::string& svNr) {
  const std::string art = f.Text("DN_Satzart");
  const std::int32_t nr = StrToInt(f.Text("PersNrEdit"));
  EldaFehler fehler;
  EldaSatz s(fehler, " für den Dienstnehmer " + std::to_string(nr));
  VmSatz v{state, f, art, s};
  v.Kennung(nr, svNr);
  v.Person();
  v.Beschaeftigung();
  v.BetriebUndEnde();
  const std::string satz = s.Ende(EldaSatzlaenge(EldaArt::VM));
  if (!fehler.empty()) throw ConversionError(fehler.Meldung(kVmNichtErstellt));
  return satz;
}

}  // namespace

EldaDateiBild VersichertenMeldungBild(const AppState& state, const PersFormModel& f,
                                      const std::string& svNr) {
  const std::string satz = EldaVmRecord(state, f, svNr);
  return {VmDateiName(state.DataFileStem, StrToInt(f.Text("PersNrEdit")), f.Text("FamNameEdit"),
                      f.Text("DN_Satzart")),
          EldaHeaderRecord(state, EldaArt::VM, f.Checked("Testdaten_CB")) + satz +
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
