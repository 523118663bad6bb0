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
// employee window, and the record they go into field by field.
struct VmFelder {
  const AppState& state;
  const PersFormModel& f;
  EldaSatz& s;
  // Deregistrations leave sex, group, occupation and levies empty.
  bool abmeldung;

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
};

// Positions 1-130: the kind, the employer and who is registered.
void VmKennung(VmFelder& v, const std::string& art, std::int32_t nr, const std::string& svNr) {
  const auto& dg = v.state.Dienstgeber;
  EldaSatz& s = v.s;
  std::string geburt = "00000000";
  if (auto g = GeburtsdatumAusSvNr(svNr, v.state.year.year))
    geburt = ZeroPadded(g->tag, 2) + ZeroPadded(g->monat, 2) + ZeroPadded(g->jahr, 4);
  s.Code(1, 2, "DN_Satzart", art, EldaCodes(EldaMeldungsartListe(), 2, false))
      .Fest(3, "0000002")
      .Fest(10, "14");
  s.Dienstgeber().Ziffern(12, 7, "Absendernummer", dg.DienstgeberDvrNr);
  s.Dienstgeber().Code(19, 2, "Versicherungsträger-Code", dg.DienstgeberVersTraegerCode);
  s.Text(21, 10, "Beitragskontonummer", dg.DienstgeberBeitragskontoNr)
      .Text(31, 70, "Name des Dienstgebers", dg.DienstgeberName)
      .Text(101, 12, "Personal-Nr", std::to_string(nr))
      .Ziffern(113, 10, "SV-Nummer", svNr)
      .Fest(123, geburt);
}

// Positions 131-546: the employee's names, sex and address.
void VmPerson(VmFelder& v) {
  v.text(131, "FamNameEdit", 70);
  v.text(201, "FNA1", 70);
  v.text(271, "FNA2", 70);
  v.text(341, "VornameEdit", 70);
  v.text(411, "AKGR", 30);
  v.s.Fest(441, v.abmeldung ? "0" : v.f.Checked("weiblichCheckBox") ? "2" : "1");
  v.text(442, "STSL", 3);
  v.text(445, "AdresseLandEdit", 3);
  v.text(448, "PLZEdit", 9);
  v.text(457, "OrtEdit", 40);
  v.text(497, "StrasseEdit", 50);
}

// Positions 547-733: the employment, its amounts and levies.
void VmBeschaeftigung(VmFelder& v, const std::string& art) {
  EldaSatz& s = v.s;
  s.Leer(547, 4);
  if (v.abmeldung)
    s.Leer(551, 4);
  else
    v.text(551, "BeitragsgruppeComboBox", 4);
  s.Ziffern(555, 8, "ADAT", DatumZiffern(AdatFuerArt(v.f.Text("ADAT"), art)));
  v.datum(563, "RDAT");
  v.code(571, 2, "ZUGE", EldaCodes(EldaZugehoerigkeitListe(), 2, true));
  s.Fest(573, v.jn("GeringfCheckBox"));
  if (v.abmeldung)
    s.Leer(574, 30);
  else
    v.text(574, "BerufEdit", 30);
  v.code(604, 2, "GEGC", EldaCodes(EldaGesetzlicheGrundlageListe(), 2, true));
  v.text(606, "GEGT", 8);
  v.code(614, 1, "VWVC", EldaCodes(EldaVerwandtschaftListe(), 1, true));
  v.text(615, "VWVT", 15);
  v.text(630, "BETL", 20);
  v.datum(650, "LVDA");
  v.datum(658, "LBDA");
  s.Fest(666, v.jn("TAMO_CB")).Fest(667, v.f.Checked("ABEZ_CB") ? "6" : "4");
  v.betrag(668, "BETR", 8);
  s.Fest(676, v.f.Checked("SBZC_CB") ? "1" : "0").Leer(677, 24).Leer(701, 6);
  const std::string& btag = v.f.Text("BTAG");
  s.Ziffern(707, 1, "BTAG", btag.empty() ? std::string_view("0") : std::string_view(btag));
  v.betrag(708, "BSTD", 4);
  s.Fest(712, v.jn("MALU_CB"));
  v.betrag(713, "BGMA", 6);
  if (v.abmeldung)
    s.Leer(719, 15);
  else
    s.Fest(719, std::string(v.jn("KU")) + v.jn("LK") + v.jn("WF") + v.jn("SW") + " " + v.jn("IE") +
                    v.jn("NB") + EldaLeer(8));
}

// Positions 734-1400: the place of work, the end of the employment and its
// periods, the employer's contacts and the product.
void VmBetriebUndEnde(VmFelder& v) {
  const auto& dg = v.state.Dienstgeber;
  EldaSatz& s = v.s;
  v.text(734, "BKFZ", 3);
  v.text(737, "BPLZ", 9);
  v.text(746, "BORT", 40);
  v.datum(786, "EBSV");
  v.code(794, 2, "AGRD", EldaCodes(EldaAbmeldegrundListe(v.state.year), 2, true));
  v.text(796, "SAGR", 20);
  v.datum(816, "KEAB");
  v.datum(824, "KEBI");
  v.datum(832, "UEAB");
  v.datum(840, "UEBI");
  v.code(848, 62, "TAGE", {});
  v.datum(910, "E1LJ");
  s.Fest(918, v.jn("BUAK_CB")).Text(919, 50, "Telefon", dg.DienstgeberTelefon);
  v.text(969, "GeburtsdatenEdit", 15);
  s.Leer(984, 1).Leer(985, 3);
  v.datum(988, "NSGA");
  v.datum(996, "NSGE");
  s.Leer(1004, 70).Leer(1074, 70).Leer(1144, 30);
  v.code(1174, 90, "AECD", {});
  v.datum(1264, "BVAB");
  v.datum(1272, "BVEN");
  s.Fest(1280, v.jn("AABG_CB"))
      .Leer(1281, 4)
      .Text(1285, 60, "E-Mail", dg.DienstgeberEMail)
      .Fest(1345, EldaProduktFeld(v.state))
      .Leer(1375, 26);
}

// EldaVmRecord, the registration record: 1400 characters from the panel and
// the employee window (ConversionError for what does not fit).
std::string EldaVmRecord(const AppState& state, const PersFormModel& f, const std::string& svNr) {
  const std::string art = f.Text("DN_Satzart");
  const std::int32_t nr = StrToInt(f.Text("PersNrEdit"));
  EldaFehler fehler;
  EldaSatz s(fehler, " für den Dienstnehmer " + std::to_string(nr));
  VmFelder v{state, f, s, art == "04" || art == "08" || art == "09"};
  VmKennung(v, art, nr, svNr);
  VmPerson(v);
  VmBeschaeftigung(v, art);
  VmBetriebUndEnde(v);
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
