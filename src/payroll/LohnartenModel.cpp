#include "payroll/LohnartenModel.h"

#include "payroll/FormatBetrag.h"
#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

LohnartenModel::LohnartenModel(platform::Dialogs& dialogs) : dialogs_(dialogs) { Anzeigen(); }

LohnartLine& LohnartenModel::Zeile(std::size_t n) { return zeilen_.at(n - 1); }

void LohnartenModel::SetZeilen(const LohnartenZeilen& zeilen) {
  zeilen_ = zeilen;
  Anzeigen();
}

void LohnartenModel::Leeren() {
  SetZeilen(LohnartenZeilen{});
  // Cleared lines show a plain "0", as their code, quantity and rate do.
  betrag_.fill("0");
}

bool LohnartenModel::Passt(std::string_view code, std::string_view anzahl, std::string_view satz) {
  std::string problem = LohnartLineCheck(code, anzahl, satz);
  if (problem.empty()) return true;
  dialogs_.ShowMessage(problem);
  return false;
}

void LohnartenModel::CodeEditChange(std::size_t n, std::string_view text) {
  std::string code = FilterDigits(text);
  if (Passt(code, "0", "0")) Zeile(n).code = code;
}

void LohnartenModel::CodeEditExit(std::size_t n) {
  LohnartLine& z = Zeile(n);
  if (z.code == "0") return;
  std::int32_t code = 0;
  try {
    code = StrToInt(z.code);
  } catch (const ConversionError& e) {
    dialogs_.ShowMessage(e.what());
    return;
  }
  LohnartInfo info = LookupLohnart(dialogs_, code);
  if (!info.text.empty()) z.text = info.text;
  z.flagLst = info.lst;
  z.flagSv = info.sv;
  z.flagDbKomm = info.dbKomm;
  Anzeigen();
}

void LohnartenModel::AnzahlEditChange(std::size_t n, std::string_view text) {
  std::string anzahl = FilterNumber(text);
  if (!Passt("0", anzahl, "0")) return;
  Zeile(n).anzahl = anzahl;
  // A lone minus sign is the start of a negative number, not a mistake.
  if (anzahl != "-") BetraegeBerechnen();
}

void LohnartenModel::SatzEditChange(std::size_t n, std::string_view text) {
  std::string satz = FilterNumber(text);
  if (!Passt("0", "0", satz)) return;
  Zeile(n).satz = satz;
  if (satz != "-") BetraegeBerechnen();
}

void LohnartenModel::TextEditChange(std::size_t n, std::string_view text) {
  Zeile(n).text = n == 5 ? FilterLohnartText(text) : std::string(text);
}

void LohnartenModel::TextEditExit(std::size_t n, std::string_view text) {
  Zeile(n).text = FilterLohnartText(text);
}

void LohnartenModel::CheckClick(std::size_t n, LohnartFlag flag, bool checked) {
  LohnartLine& z = Zeile(n);
  switch (flag) {
    case LohnartFlag::Lst:
      z.flagLst = checked;
      break;
    case LohnartFlag::SV:
      z.flagSv = checked;
      break;
    case LohnartFlag::DB_Komm:
      z.flagDbKomm = checked;
      break;
  }
  BetraegeBerechnen();
}

std::optional<std::string> LohnartenModel::Anzeigen() {
  std::optional<std::string> fehler;
  for (std::size_t i = 0; i < kLohnartenZeilen; ++i) {
    try {
      betrag_[i] = FormatBetrag(LohnartBetrag(zeilen_[i]));
    } catch (const ConversionError& e) {
      // No amount rather than the amount of an earlier text.
      betrag_[i].clear();
      if (!fehler) fehler = e.what();
    }
  }
  if (fehler) {
    summe_.clear();
    freiBetrLabel_.clear();
    return fehler;
  }
  LohnartenSummen s = Summen();
  summe_ = FormatBetrag(s.LohnartenSumme);
  freiBetrLabel_ = lohn::FreiBetrLabel(s);
  return std::nullopt;
}

bool LohnartenModel::BetraegeBerechnen() {
  // The first line that does not convert is the one the totals stop at.
  if (auto fehler = Anzeigen()) {
    dialogs_.ShowMessage(*fehler);
    return false;
  }
  return true;
}

bool LohnartenModel::FormClose() { return BetraegeBerechnen(); }

void LohnartenModel::SpeedButton4Click() {
  if (!quelle_) return;
  Schluessel k = quelle_();
  try {
    if (auto label = LoadLohnartLines(k.stem, k.texte, mitAnzahl, zeilen_)) {
      label9_ = *label;
      BetraegeBerechnen();
    }
  } catch (const ConversionError& e) {
    dialogs_.ShowMessage(e.what());
  }
}

}  // namespace lohn
