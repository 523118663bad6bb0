#pragma once
// The field model of the wage-type window: the ten lines with what the window
// shows beside them (amounts, sum, the label of the free totals, the source of
// the lines), and the window's handlers as functions over it. The employee
// window owns one model for the whole run; the wage-type window binds its
// widgets to it, and the calculation and the payroll save read the lines and
// the totals from it.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "payroll/Lohnarten.h"
#include "platform/Dialogs.h"

namespace lohn {

// The three check boxes of a line.
enum class LohnartFlag { Lst, SV, DB_Komm };

inline constexpr const char* kLohnartenQuelleLeer = "von ...";

class LohnartenModel {
 public:
  // Where "Werte vom Vormonat laden" finds the payroll: the employer's stem
  // and the key fields of the employee window at the moment of the click.
  struct Schluessel {
    std::string stem;
    AbrechnungsSchluesselTexte texte;
  };
  using SchluesselQuelle = std::function<Schluessel()>;

  explicit LohnartenModel(platform::Dialogs& dialogs);

  platform::Dialogs& dialogs() const { return dialogs_; }

  // The lines. Setting them (a stored payroll shown, the month cleared)
  // recomputes what the window shows without asking anybody.
  const LohnartenZeilen& Zeilen() const { return zeilen_; }
  void SetZeilen(const LohnartenZeilen& zeilen);
  // Every line back to code, quantity and rate "0", no text, no flag.
  void Leeren();

  // The totals of the current lines; throws ConversionError when a quantity
  // or a rate is not a number (the caller's action then shows it and stops).
  LohnartenSummen Summen() const { return BerechneLohnartenSummen(zeilen_); }

  // What the window shows beside the lines.
  const std::array<std::string, kLohnartenZeilen>& BetragEdit() const { return betrag_; }
  const std::string& SummeLohnartenEdit() const { return summe_; }
  const std::string& FreiBetrLabel() const { return freiBetrLabel_; }
  const std::string& Label9() const { return label9_; }
  bool mitAnzahl = false;

  void SetSchluesselQuelle(SchluesselQuelle quelle) { quelle_ = std::move(quelle); }

  // Handlers; n is the line number 1 to 10. A handler that refuses a text
  // tells the user and keeps the line's previous text; the window shows the
  // model's text afterwards either way.
  void CodeEditChange(std::size_t n, std::string_view text);
  void CodeEditExit(std::size_t n);
  void AnzahlEditChange(std::size_t n, std::string_view text);
  void SatzEditChange(std::size_t n, std::string_view text);
  void TextEditChange(std::size_t n, std::string_view text);  // line 5 only
  void TextEditExit(std::size_t n, std::string_view text);
  void CheckClick(std::size_t n, LohnartFlag flag, bool checked);

  // Amounts, sum and label from the lines. A quantity or rate that is not a
  // number stops it with the conversion message; the amounts of the lines
  // before it are shown, the rest stays as it was. False then.
  bool BetraegeBerechnen();
  // Closing the window: the amounts once more; false (the window stays open)
  // while a quantity or rate is not a number.
  bool FormClose();
  // "Schließen": the source label back to "von ...".
  void SchliessenButtonClick() { label9_ = kLohnartenQuelleLeer; }
  // "Werte vom Vormonat laden ...": the previous month's lines of this
  // employee and Teilabrechnung.
  void SpeedButton4Click();

 private:
  LohnartLine& Zeile(std::size_t n);
  // Takes a filtered number text for one column unless it is too wide.
  bool Passt(std::string_view code, std::string_view anzahl, std::string_view satz);
  // Amounts and totals without messages; the conversion message of the first
  // line that is not a number, if any.
  std::optional<std::string> Anzeigen();

  platform::Dialogs& dialogs_;
  LohnartenZeilen zeilen_{};
  std::array<std::string, kLohnartenZeilen> betrag_;
  std::string summe_;
  std::string freiBetrLabel_;
  std::string label9_ = kLohnartenQuelleLeer;
  SchluesselQuelle quelle_;
};

}  // namespace lohn
