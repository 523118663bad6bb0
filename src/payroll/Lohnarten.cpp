#include "payroll/Lohnarten.h"

#include <algorithm>

#include "payroll/FormatBetrag.h"
#include "store/AbrechnungStore.h"
#include "store/Cp1252.h"
#include "store/Numbers.h"

namespace lohn {

namespace {

// 1 = subject to the charge, 0 = free of it.
constexpr LohnartKatalogEintrag kKatalog[] = {
    {10, "Akkordlohn", 1, 1, 1},
    {11, "Aushilfslohn", 1, 1, 1},
    {12, "Altersteilzeit", 1, 1, 1},
    {13, "Auslandsmontage steuerfrei", 0, 1, 0},
    {20, "Prämie", 1, 1, 1},
    {40, "Diäten frei - Std. ", 0, 0, 0},
    {41, "Diäten frei - Tag", 0, 0, 0},
    {42, "Diäten pflichtig", 1, 1, 1},
    {49, "Erschwerniszulage steuerfrei bis max. Freibetrag", 0, 1, 1},
    {50, "Erschwerniszulage steuerpflichtig", 1, 1, 1},
    {59, "Feiertagsentgelt steuerfrei bis max. Freibetrag", 0, 1, 1},
    {60, "Feiertagsentgelt steuerpflichtig", 1, 1, 1},
    {61, "Freier Dienstn. Entgelt", 0, 1, 0},
    {62, "Fahrtkosteners.(Whg-Arb)", 1, 1, 1},
    {63, "Fahrtkostenersatz - frei", 0, 0, 0},
    {64, "Fehlgeldentsch. SV-frei", 1, 0, 1},
    {110, "Krankenentgelt", 1, 1, 1},
    {111, "Km-Geld frei - Std.", 0, 0, 0},
    {112, "Km-Geld frei - Tag", 0, 0, 0},
    {113, "Kranken-Teilentgelt (49%) SV-frei", 1, 0, 1},
    {114, "Kleiderpauschale", 1, 1, 1},
    {120, "Lehrlingsentschädigung", 1, 1, 1},
    {130, "Montagezulage frei", 0, 0, 0},
    {131, "Montagezulage pflichtig", 1, 1, 1},
    {139, "Nachtzulage steuerpflichtig", 1, 1, 1},
    {140, "Nachtzulage steuerfrei bis EUR 360 (in Feld $ 68 eintr.)", 0, 1, 1},
    {141, "Nächtigungsgeld frei (KV)", 0, 0, 0},
    {160, "Prämie lfd.Bezug", 1, 1, 1},
    {161, "Provision lfd.Bezug pflichtig", 1, 1, 1},
    {162, "Pflegefreistellung", 1, 1, 1},
    {170, "Sachbezug laufend", 1, 1, 1},
    {171, "Spätdienstzulage", 1, 1, 1},
    {180, "Schmutzzulage steuerfrei bis max. Freibetrag", 0, 0, 1},
    {181, "Schmutzzulage steuerpflichtig", 1, 1, 1},
    {190, "Stücklohn", 1, 1, 1},
    {210, "Urlaubsentgelt", 1, 1, 1},
    {211, "Urlaubsersatzleistung", 1, 1, 1},
    {212, "Unbezahlter Urlaub steuerfrei", 0, 1, 0},
    {213, "Urlaubsabfindung", 1, 1, 1},
    {214, "Umsatzprovision - frei", 0, 0, 0},
    {230, "Werkzeugentgelt", 1, 1, 1},
    {240, "Zulage pflichtig, laufend", 1, 1, 1},
    {300, "Bauarbeiterurlaubskasse", 1, 1, 1},
    {400, "Zukunftssicherung gem § 3", 0, 1, 0},
};

}  // namespace

std::span<const LohnartKatalogEintrag> LohnartKatalog() { return kKatalog; }

std::optional<LohnartInfo> FindLohnart(std::int32_t code) {
  auto it =
      std::lower_bound(std::begin(kKatalog), std::end(kKatalog), code,
                       [](const LohnartKatalogEintrag& e, std::int32_t c) { return e.code < c; });
  if (it == std::end(kKatalog) || it->code != code) return std::nullopt;
  return LohnartInfo{it->text, it->lst, it->sv, it->dbKomm};
}

LohnartInfo LookupLohnart(platform::Dialogs& dialogs, std::int32_t code) {
  if (auto info = FindLohnart(code)) return *info;
  dialogs.ShowMessage("Code " + std::to_string(code) + " ist nicht verfügbar!");
  return {};
}

std::string FilterLohnartText(std::string_view text) {
  std::u32string kept;
  for (char32_t c : DecodeUtf8(text)) {
    int code = Cp1252Code(c);
    if (code >= 32 && code <= 252) kept += c;
  }
  return EncodeUtf8(kept);
}

double LohnartBetrag(const LohnartLine& line) {
  return RoundBetrag(StrToFloat(line.anzahl) * StrToFloat(line.satz));
}

LohnartenSummen BerechneLohnartenSummen(const LohnartenZeilen& zeilen) {
  LohnartenSummen s;
  for (const LohnartLine& line : zeilen) {
    double betrag = LohnartBetrag(line);
    s.LohnartenSumme += betrag;
    if (!line.flagLst) s.LohnartenLstFrei += betrag;
    if (!line.flagSv) s.LohnartenSvFrei += betrag;
    if (!line.flagDbKomm) s.LohnartenDbKommFrei += betrag;
  }
  // Sums of cent amounts, taken to the cent so that binary remainders do not
  // travel into the calculation.
  s.LohnartenSumme = RoundBetrag(s.LohnartenSumme);
  s.LohnartenLstFrei = RoundBetrag(s.LohnartenLstFrei);
  s.LohnartenSvFrei = RoundBetrag(s.LohnartenSvFrei);
  s.LohnartenDbKommFrei = RoundBetrag(s.LohnartenDbKommFrei);
  return s;
}

std::string FreiBetrLabel(const LohnartenSummen& s) {
  return "(Lst-frei: " + FormatBetrag(s.LohnartenLstFrei) +
         "  SV-frei: " + FormatBetrag(s.LohnartenSvFrei) +
         "  DB,Komm-frei: " + FormatBetrag(s.LohnartenDbKommFrei) + ")";
}

void LohnartenInAbrechnung(const LohnartenZeilen& zeilen, AbrechnungRecord& record) {
  // Packed first, so that a line that does not fit leaves the record whole.
  std::array<std::string, kLohnartenZeilen> slots;
  for (std::size_t i = 0; i < kLohnartenZeilen; ++i) slots[i] = PackLohnartLine(zeilen[i]);
  record.Lohnarten = std::move(slots);
}

void LohnartenAusAbrechnung(const AbrechnungRecord& record, LohnartenZeilen& zeilen) {
  for (std::size_t i = 0; i < kLohnartenZeilen; ++i)
    if (!record.Lohnarten[i].empty()) zeilen[i] = UnpackLohnartLine(record.Lohnarten[i]);
}

Vormonat VormonatVon(std::int32_t monat, std::int32_t jahr) {
  if (monat == 1) return {12, jahr - 1};
  return {monat - 1, jahr};
}

std::string VormonatLabel(const Vormonat& vm) {
  return "von " + std::to_string(vm.monat) + "/" + std::to_string(vm.jahr);
}

void UebernimmVormonat(const AbrechnungRecord& vormonat, bool mitAnzahl, LohnartenZeilen& zeilen) {
  for (std::size_t i = 0; i < kLohnartenZeilen; ++i) {
    if (vormonat.Lohnarten[i].empty()) continue;
    std::string anzahl = zeilen[i].anzahl;
    zeilen[i] = UnpackLohnartLine(vormonat.Lohnarten[i]);
    if (!mitAnzahl) zeilen[i].anzahl = anzahl;
  }
}

std::optional<std::string> LoadLohnartLines(const std::string& stem,
                                            const AbrechnungsSchluesselTexte& key, bool mitAnzahl,
                                            LohnartenZeilen& zeilen) {
  if (key.PersNrEdit.empty() || key.MonatComboBox.empty() || key.JahrComboBox.empty() ||
      key.AbrechngComboBox.empty())
    return std::nullopt;
  std::int32_t monat = StrToInt(key.MonatComboBox);
  std::int32_t jahr = StrToInt(key.JahrComboBox);
  std::int32_t persNr = StrToInt(key.PersNrEdit);
  std::int32_t teil = StrToInt(key.AbrechngComboBox);
  Vormonat vm = VormonatVon(monat, jahr);
  if (auto record =
          ReadAbrechnungRecord(stem, kAbrechnungExt, persNr, false, teil, vm.jahr, vm.monat))
    UebernimmVormonat(*record, mitAnzahl, zeilen);
  return VormonatLabel(vm);
}

}  // namespace lohn
