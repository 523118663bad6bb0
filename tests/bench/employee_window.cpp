// The employee window at 5,000 employees x 12 months (about 146 MB of data):
// opening the window, refilling the employee list, a calculate-and-save
// click, deleting one payroll and deleting an employee with all his
// payrolls. Prints each median against its floor: one read of .PER for the
// opening (its aim is 40 ms whatever the data), one read of .PER + .ABR for
// the list and the click, one read+write+fsync+rename of .ABR for the
// deletes, whose peak memory is measured in a fresh process that does
// nothing else.

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "payroll/BerechnenButton.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/gui/PersForm.h"
#include "store/AbrechnungStore.h"
#include "store/PersonalStore.h"
#include "support/Fakes.h"

using namespace lohn;
using bench::kStem;

namespace {

// The store calls of one delete as the window makes them: count, then
// delete.
bool DeleteAsTheWindow(const std::string& what, std::int32_t nr) {
  testing_support::FakeDialogs dlg;
  if (what == "abrechnung") {
    return DeleteAbrechnungRecord(dlg, kStem, kAbrechnungExt, nr, false, false, 0, 2014, 12)
                   .count == 1 &&
           DeleteAbrechnungRecord(dlg, kStem, kAbrechnungExt, nr, true, true, 0, 2014, 12).deleted;
  }
  return DeletePersonalRecord(dlg, kStem, kPersonalExt, nr, false, false).count == 1 &&
         DeleteAbrechnungRecordsOfPersonal(dlg, kStem, kAbrechnungExt, nr, false, false).count ==
             bench::kMonths &&
         DeleteAbrechnungRecordsOfPersonal(dlg, kStem, kAbrechnungExt, nr, true, true).deleted &&
         DeletePersonalRecord(dlg, kStem, kPersonalExt, nr, true, true).deleted;
}

}  // namespace

int main(int argc, char** argv) {
  bench::Ordner ordner(argc, argv, [] { bench::WriteEmployer(); });
  if (ordner.Peak().size() == 2)
    return bench::PrintPeakOf(
        [&] { return DeleteAsTheWindow(ordner.Peak()[0], std::atoi(ordner.Peak()[1].c_str())); });
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform's notices would break the table.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication app(argc, argv);
  const std::string per = kStem + ".PER", abr = kStem + ".ABR";
  const auto perSize = std::filesystem::file_size(per);
  const auto abrSize = std::filesystem::file_size(abr);

  testing_support::TestEnv env;
  env.state.DataFileStem = kStem;
  PersFormKontext k(env.state);
  PersFormCreate(env.state, k.form);
  auto waehle = [&](std::int32_t nr) {
    k.form.SetText("MonatComboBox", "12");
    k.form.SetText("JahrComboBox", "2014");
    k.form.SetText("AbrechngComboBox", "0");
    SelectPersonal(env.state, k.form, nr);
  };

  const int runs = 7;
  bench::ReadOnce(per);
  bench::ReadOnce(abr);
  waehle(2500);  // his December is stored
  env.dialogs.messages.clear();
  Samples read, list, click;
  bool listOk = true;
  for (int i = 0; i < runs; ++i) {
    read.Time([&] {
      bench::ReadOnce(per);
      bench::ReadOnce(abr);
    });
    list.Time([&] { FillPersonalNrList(env.state, k.form); });
    listOk = listOk && k.form.Items("PersonalNrComboBox").size() == bench::kEmployees + 1;
    // Recalculating the stored month: the overwrite question (answered Yes
    // by the fake), the employee saved, the payroll replaced in place.
    k.form.SetText("GehaltEdit", "2345,6" + std::to_string(i));
    click.Time([&] { BerechnenButonClick(k); });
  }
  const bool clickOk = env.dialogs.messages.empty() && std::filesystem::file_size(abr) == abrSize &&
                       k.form.Text("BruttoEdit") == "2345,66";
  const std::vector<std::string> clickMessages = env.dialogs.messages;

  // The window as the program opens it the first time: built ahead while
  // the main window waits (without data), then filled (the list, a new
  // employee) and shown; and opened again. Built and filled at once as
  // well, for comparison. The very first window also loads what Qt keeps
  // for the whole run, as the main window has done before, so it is not
  // counted.
  auto zeige = [](TPersForm& f) {
    f.show();
    QApplication::processEvents();
  };
  std::unique_ptr<TPersForm> form = std::make_unique<TPersForm>(env.state);
  zeige(*form);
  TPersForm wiederGeoeffnet(env.state);
  Samples readPer, vorbauen, oeffnen, gebautUndGeoeffnet, wieder;
  auto aufraeumen = [&] {
    // The last window's leftovers are handled before the clock runs.
    form.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  };
  for (int i = 0; i < runs; ++i) {
    aufraeumen();
    readPer.Time([&] { bench::ReadOnce(per); });
    vorbauen.Time([&] { form = std::make_unique<TPersForm>(env.state, nullptr, false); });
    oeffnen.Time([&] {
      form->Vorbereiten();
      zeige(*form);
    });
    aufraeumen();
    gebautUndGeoeffnet.Time([&] {
      form = std::make_unique<TPersForm>(env.state);
      form->Model().SetText("DG_Label", kStem);
      zeige(*form);
    });
    wiederGeoeffnet.hide();
    wieder.Time([&] {
      wiederGeoeffnet.Vorbereiten();
      zeige(wiederGeoeffnet);
    });
  }
  form.reset();
  wiederGeoeffnet.hide();

  // Each run deletes another employee's December, then another employee.
  env.dialogs.messages.clear();
  Samples rewrite, abrDelete, persDelete;
  for (int i = 0; i < runs; ++i) {
    rewrite.Time([&] { bench::RewriteOnce(abr); });
    waehle(100 + i);
    abrDelete.Time([&] { Button6Click(k); });
    waehle(1000 + i);
    persDelete.Time([&] { Button5Click(env.state, k.form); });
  }
  const bool deletesOk = std::filesystem::file_size(per) == perSize - runs * kPersonalRecordSize &&
                         std::filesystem::file_size(abr) ==
                             abrSize - runs * (1 + bench::kMonths) * kAbrechnungRecordSize;

  const long kbAbr = bench::PeakInFreshProcess("abrechnung 3000");
  const long kbPers = bench::PeakInFreshProcess("dienstnehmer 3001");

  const double tRead = read.Median(), tRewrite = rewrite.Median(), tPer = readPer.Median();
  std::printf("employees: %d (%.1f MB), payrolls: %zu (%.1f MB), medians of %d runs\n",
              bench::kEmployees, double(perSize) / 1e6,
              std::size_t(abrSize / kAbrechnungRecordSize), double(abrSize) / 1e6, runs);
  std::printf(
      "one read of .PER: %.1f ms, of .PER + .ABR: %.1f ms; .ABR read, written, synced and "
      "renamed: %.1f ms\n",
      tPer, tRead, tRewrite);
  bench::DruckeKopf("employee window (floor)");
  bench::DruckeZeile("built ahead, no data", vorbauen.Median(), tPer, {});
  bool ok = bench::DruckeZeile("opened (.PER read)", oeffnen.Median(), tPer, {0, 40});
  bench::DruckeZeile("built and opened at once (.PER read)", gebautUndGeoeffnet.Median(), tPer, {});
  ok = bench::DruckeZeile("opened again (.PER read)", wieder.Median(), tPer, {0, 40}) && ok;
  ok = bench::DruckeZeile("employee list filled (read)", list.Median(), tRead, {1.2}) && ok;
  ok = bench::DruckeZeile("calculate-and-save click (read)", click.Median(), tRead, {4.0}) && ok;
  ok = bench::DruckeZeile("payroll deleted (rewrite)", abrDelete.Median(), tRewrite, {1.5, 0, 16},
                          kbAbr) &&
       ok;
  ok = bench::DruckeZeile("employee and payrolls deleted (rewrite)", persDelete.Median(), tRewrite,
                          {2.5, 0, 16}, kbPers) &&
       ok;
  const bool right = listOk && clickOk && deletesOk;
  if (!right)
    std::printf("WRONG RESULT: list %d, click %d, deletes %d\n", listOk, clickOk, deletesOk);
  for (const std::string& m : clickMessages) std::printf("message of the click: %s\n", m.c_str());
  std::printf("%s\n", ok && right ? "OK" : "NOT MET");
  return ok && right ? 0 : 1;
}
