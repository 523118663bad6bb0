#pragma once
// The further wage types (Lohnarten) of a month's payroll: the built-in
// catalogue of codes, the ten lines as the wage-type window shows them, their
// amounts and the four totals that the calculation and the payroll save read,
// and the lines' way in and out of the payroll record.
//
// The totals are never kept: they are computed from the lines whenever they
// are needed, so a text that does not convert stops whoever asks for them
// instead of leaving an old value behind.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/Dialogs.h"
#include "store/AbrechnungRecord.h"
#include "store/LohnartLine.h"

namespace lohn {

inline constexpr std::size_t kLohnartenZeilen = kAbrechnungLohnartSlots;  // ten lines

// Line n of the window is element n - 1.
using LohnartenZeilen = std::array<LohnartLine, kLohnartenZeilen>;

// One entry of the catalogue; flags true = subject to the charge.
struct LohnartKatalogEintrag {
  std::int32_t code;
  const char* text;
  bool lst;
  bool sv;
  bool dbKomm;
};

// All codes in ascending order.
std::span<const LohnartKatalogEintrag> LohnartKatalog();

// What a code stands for; an unknown code gives an empty text and three false
// flags.
struct LohnartInfo {
  std::string text;
  bool lst = false;
  bool sv = false;
  bool dbKomm = false;
  bool operator==(const LohnartInfo&) const = default;
};

// The catalogue entry, silently; nothing for an unknown code.
std::optional<LohnartInfo> FindLohnart(std::int32_t code);
// The same, telling the user "Code <n> ist nicht verfügbar!" for an unknown code.
LohnartInfo LookupLohnart(platform::Dialogs& dialogs, std::int32_t code);

// Keeps the characters whose Windows-1252 code is 32 to 252; drops control
// characters, the three highest codes and whatever Windows-1252 cannot hold.
std::string FilterLohnartText(std::string_view text);

// Quantity x rate of one line, rounded to the cent as the amount field shows
// it. Throws ConversionError when the quantity or the rate is not a number.
double LohnartBetrag(const LohnartLine& line);

// The four totals of the ten lines.
struct LohnartenSummen {
  double LohnartenSumme = 0;       // all amounts; added to the gross pay
  double LohnartenLstFrei = 0;     // amounts of lines not subject to wage tax
  double LohnartenSvFrei = 0;      // ... not subject to social insurance
  double LohnartenDbKommFrei = 0;  // ... not subject to DB and municipal tax
  bool operator==(const LohnartenSummen&) const = default;
};

// All four in one pass. Throws ConversionError (with the platform's message)
// when a quantity or rate of any line is not a number, so a caller never
// works on an old total.
LohnartenSummen BerechneLohnartenSummen(const LohnartenZeilen& zeilen);

// "(Lst-frei: 0,00  SV-frei: 31,00  DB,Komm-frei: 0,00)".
std::string FreiBetrLabel(const LohnartenSummen& summen);

// The lines into the record's ten wage-type slots: every slot is emptied, then
// each line is packed (also an unused one). Throws ConversionError, with
// nothing changed, when a code, quantity or rate does not fit its column.
void LohnartenInAbrechnung(const LohnartenZeilen& zeilen, AbrechnungRecord& record);
// The record's slots into the lines; an empty slot leaves its line as it is.
void LohnartenAusAbrechnung(const AbrechnungRecord& record, LohnartenZeilen& zeilen);

// The previous month's lines are taken over from the payroll record of the
// month before, with the same Teilabrechnung.
struct Vormonat {
  std::int32_t monat = 0;
  std::int32_t jahr = 0;
  bool operator==(const Vormonat&) const = default;
};
// January goes back to December of the year before.
Vormonat VormonatVon(std::int32_t monat, std::int32_t jahr);
// "von 12/2013".
std::string VormonatLabel(const Vormonat& vm);

// Codes, texts, rates and flags of the record's non-empty slots replace those
// of the lines; the quantities only with `mitAnzahl`.
void UebernimmVormonat(const AbrechnungRecord& vormonat, bool mitAnzahl, LohnartenZeilen& zeilen);

// The key of the employee window's month as its fields hold it.
struct AbrechnungsSchluesselTexte {
  std::string PersNrEdit;
  std::string MonatComboBox;
  std::string JahrComboBox;
  std::string AbrechngComboBox;
};

// "Werte vom Vormonat laden": nothing (and nothing changed) unless all four
// key texts are given; otherwise the label of the previous month, and the
// lines of that month's record in <stem>.ABR taken over when there is one
// (a missing record or an unreadable file changes no line). Throws
// ConversionError when a key text is not a whole number.
std::optional<std::string> LoadLohnartLines(const std::string& stem,
                                            const AbrechnungsSchluesselTexte& key, bool mitAnzahl,
                                            LohnartenZeilen& zeilen);

}  // namespace lohn
