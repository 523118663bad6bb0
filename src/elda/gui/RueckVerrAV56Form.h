#pragma once
#include <QDialog>
#include <array>

#include "store/AppState.h"

class QLineEdit;

// "Rückverrechnung von AV-Beiträgen für Männer ab 56. Lebensjahr": the bases
// of the one-time refund, current pay and special payment per refund code.
// The texts live in AppState for the rest of the run; the window only shows
// and filters them.
class TRueckVerrAV56Form : public QDialog {
  Q_OBJECT
 public:
  TRueckVerrAV56Form(lohn::AppState& state, QWidget* parent);

  // N15gLfdEdit, N15gSZEdit, N25gLfdEdit, ... N25nSZEdit, in AppState's order.
  std::array<QLineEdit*, 12> Felder{};

  // Closing (any way) refuses while a base does not convert: the message
  // names it, and the focus goes there.
  void done(int result) override;

 private:
  void FeldChange(std::size_t i);

  lohn::AppState& state_;
};

// The options window's button: a new window over it, shown modally.
void ZeigeRueckVerrAV56Form(lohn::AppState& state, QWidget* parent);
