#include "reports/FehlendeAbrechnungen.h"

#include <cerrno>
#include <unordered_set>

#include "payroll/PersFormModel.h"
#include "reports/BerichtKontext.h"
#include "reports/BerichtText.h"
#include "store/AbrechnungStore.h"
#include "store/Cp1252.h"
#include "store/EinAustritt.h"
#include "store/FileUtil.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

// More numbers would make the question taller than the screen.
constexpr std::size_t kMaxNummernInFrage = 100;

std::string ZeitraumText(int von, int bis, int jahr) {
  std::string t =
      von == bis ? std::to_string(bis) : std::to_string(von) + "-" + std::to_string(bis);
  return t + "/" + std::to_string(jahr);
}

}  // namespace

bool ListMissingAbrechnungen(AppState& state, const std::string& stem, const std::string& kind,
                             std::int32_t monthFrom, std::int32_t monthTo, std::int32_t year,
                             std::int32_t personalNr, int mode) {
  auto& dlg = state.dialogs();
  const std::string perName = DataFileName(stem, "PER"), abrName = DataFileName(stem, kind);
  if (FileInUse(perName)) {
    dlg.ShowMessage(FileInUseMessage(perName, kPersonaldateiVerwendet));
    return false;
  }
  if (FileInUse(abrName)) {
    dlg.ShowMessage(FileInUseMessage(abrName, kAbrechnungsdateiVerwendet));
    return false;
  }

  // One pass over the payrolls collects who has one; the keys suffice.
  std::unordered_set<std::int32_t> abgerechnet;
  if (FileExists(abrName)) {
    errno = 0;
    const bool ok = ScanAbrechnungRecords(
        stem, kind, [](const AbrechnungRecord&) {},
        [&](const AbrechnungKey& k) {
          if (k.Jahr == year && k.Monat >= monthFrom && k.Monat <= monthTo &&
              (personalNr == 0 || k.PersNr == personalNr))
            abgerechnet.insert(k.PersNr);
          return false;
        });
    if (!ok) {
      dlg.ShowMessage(ReadFailedMessage(abrName, errno ? errno : EIO));
      return false;
    }
  }

  const std::string zeitraum = ZeitraumText(monthFrom, monthTo, year);
  BerichtText text;
  text.Zeile("Für folgende nicht abgemeldete Dienstnehmer wurde im Zeitraum " + zeitraum +
             " keine Abrechnung erfasst!");
  text.Zeile();
  text.Zeile("Personal-Nr. Name                           Ein-/Austrittsdatum");
  text.Zeile(std::string(94, '-'));
  std::string frage = mode == 0 ? "HINWEIS: Für die Dienstnehmer mit Personal Nr.: "
                                : "Für die Dienstnehmer mit Personal Nr.: ";
  std::size_t fehlend = 0;
  if (FileExists(perName)) {
    errno = 0;
    // Only an employee without a payroll is unpacked; one stored twice
    // counts once, by his last record.
    const bool ok = ScanLetztePersonalImages(stem, "PER", [&](const std::uint8_t* bild) {
      const std::int32_t nr = PersonalNrOf(bild);
      if ((personalNr != 0 && nr != personalNr) || abgerechnet.contains(nr)) return;
      const PersonalRecord p = PersonalRecord::unpack(bild);
      if (personalNr == 0 && p.DNabgemeldetCheckBox) return;
      // Months before the entry day or after the exit day miss nothing.
      const EinAustritt beschaeftigt = LeseEinAustritt(p.EintrittsDatumEdit);
      bool beschaeftigtImZeitraum = false;
      for (std::int32_t m = monthFrom; m <= monthTo && !beschaeftigtImZeitraum; ++m)
        beschaeftigtImZeitraum = !AusserhalbDerBeschaeftigung(beschaeftigt, year, m);
      if (!beschaeftigtImZeitraum) return;
      if (++fehlend <= kMaxNummernInFrage)
        frage += std::to_string(p.PersNrEdit) + ", ";
      else if (fehlend == kMaxNummernInFrage + 1)
        frage += "...";
      std::string name = p.FamNameEdit;
      if (const std::size_t n = CharCount(name); n < 30) name.append(30 - n, ' ');
      text.Zeile(BerichtText::I(p.PersNrEdit, 12) + " " + name + " " + p.EintrittsDatumEdit);
    });
    if (!ok) {
      dlg.ShowMessage(ReadFailedMessage(perName, errno ? errno : EIO));
      return false;
    }
  }
  frage += " wurde im Zeitraum " + zeitraum + " keine Abrechnung erfasst!";
  if (!text.Schreiben(state)) return false;

  if (fehlend == 0) {
    if (mode == 1) dlg.ShowMessage(kAlleAbgerechnet);
    return true;
  }
  if (!dlg.AskYesNo(frage + " DETAILS ANZEIGEN ?") || !state.berichte) return true;
  const std::optional<int> ansicht =
      state.berichte->ZeigeBericht(AnsichtGroesse{}, "Dienstnehmer ohne Abrechnung");
  if (mode == 0 && ansicht) {
    dlg.ShowMessage(kListeSchliessen);
    if (state.berichte->hooks.SchliesseAnsicht) state.berichte->hooks.SchliesseAnsicht(*ansicht);
  }
  return true;
}

void SpeedButton19Click(AppState& state, const PersFormModel& model) {
  const std::string& monat = model.Text("MonatComboBox");
  const std::string& jahr = model.Text("JahrComboBox");
  if (monat.empty() || jahr.empty()) {
    state.dialogs().ShowMessage(kZeitraumWaehlen);
    return;
  }
  const auto m = std::int32_t(ZiffernWert(monat)), y = std::int32_t(ZiffernWert(jahr));
  ListMissingAbrechnungen(state, state.DataFileStem, "ABR", m, m, y, 0, 1);
}

}  // namespace lohn
