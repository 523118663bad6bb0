#pragma once
// Work of a large report spread over helper threads: `Helfer` makes one
// run of tasks, `Laeufe` hands a report's employees to it a run at a time,
// `BerichtBloecke` joins the texts made so into the report. Whatever runs
// on a helper must only read what it shares with the others.

#include <algorithm>
#include <atomic>
#include <barrier>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "reports/BerichtText.h"
#include "store/PersonalRecord.h"

namespace lohn {

// How many helpers a report takes: one fewer than the machine runs at
// once, at least 1, at most 6.
// Tests may set gHelferAnzahl to answer in its place, and gHelferVerweigert
// to have the system refuse the start of helper t (counted from 0).
unsigned HelferAnzahl();
inline std::function<unsigned()> gHelferAnzahl;
inline std::function<bool(unsigned t)> gHelferVerweigert;

// How many employees' blocks, pages or records go to the helpers at a time.
inline constexpr std::size_t kHelferLauf = 512;

// The helper threads of one report, given one run of tasks at a time.
class Helfer {
 public:
  Helfer();  // HelferAnzahl() helpers, asked once
  ~Helfer();
  Helfer(const Helfer&) = delete;
  Helfer& operator=(const Helfer&) = delete;

  // aufgabe(0) ... aufgabe(n - 1), each once, on whichever helper comes
  // first; returns at once. Without helpers (the system refused them all)
  // the caller makes them in Warte.
  void Starte(std::size_t n, std::function<void(std::size_t)> aufgabe);
  // The caller takes the tasks still open, then waits for the helpers.
  // How many tasks stand before the first that threw (n when none did);
  // that one's exception in `fehler`.
  std::size_t Warte(std::exception_ptr& fehler);
  bool Laeuft() const { return laeuft_; }

 private:
  explicit Helfer(unsigned anzahl);
  void Arbeiten();  // the next task until none is left

  std::function<void(std::size_t)> aufgabe_;
  std::size_t anzahl_ = 0;
  std::atomic<std::size_t> naechste_{0};
  std::mutex sperre_;
  std::size_t fehlerIndex_ = 0;
  std::exception_ptr fehler_;
  bool laeuft_ = false;
  bool schluss_ = false;
  std::vector<std::thread> threads_;
  std::barrier<> start_, fertig_;
};

// A report's work per employee made on the helpers a run at a time:
// `Neu` queues one task; a full run goes to the helpers, which make it
// while the caller gathers the next, once the run before it is handed
// over. `abgeben` sees a run's results on the caller, in the order the
// tasks were queued, so the report never holds more than two runs. A
// task's exception comes out of a later Neu or of Ende once its run is
// done: the results before it are handed over, the tasks after it dropped.
template <class Ergebnis>
class Laeufe {
 public:
  using Aufgabe = std::function<void(Ergebnis&)>;

  explicit Laeufe(
      std::function<void(std::span<Ergebnis>)> abgeben,
      std::function<Ergebnis()> leer = [] { return Ergebnis(); }, std::size_t jeLauf = kHelferLauf)
      : abgeben_(std::move(abgeben)),
        leer_(std::move(leer)),
        jeLauf_(std::max<std::size_t>(jeLauf, 1)) {
    gesammelt_.reserve(jeLauf_);
  }
  Laeufe(const Laeufe&) = delete;
  Laeufe& operator=(const Laeufe&) = delete;

  void Neu(Aufgabe aufgabe) {
    gesammelt_.push_back(std::move(aufgabe));
    if (gesammelt_.size() < jeLauf_) return;
    Abschliessen();
    Starten();
  }
  // Makes and hands over the rest.
  void Ende() {
    Abschliessen();
    Starten();
    Abschliessen();
  }

 private:
  void Starten() {
    if (gesammelt_.empty()) return;
    laufend_.clear();  // left over when handing the last run over threw
    ergebnisse_.clear();
    laufend_.swap(gesammelt_);
    for (std::size_t i = 0; i < laufend_.size(); ++i) ergebnisse_.push_back(leer_());
    helfer_.Starte(laufend_.size(), [this](std::size_t i) { laufend_[i](ergebnisse_[i]); });
  }
  void Abschliessen() {
    if (!helfer_.Laeuft()) return;
    std::exception_ptr fehler;
    const std::size_t fertig = helfer_.Warte(fehler);
    abgeben_(std::span(ergebnisse_).first(fertig));
    laufend_.clear();
    ergebnisse_.clear();
    if (fehler) {
      gesammelt_.clear();  // what follows the failed task is never made
      std::rethrow_exception(fehler);
    }
  }

  std::function<void(std::span<Ergebnis>)> abgeben_;
  std::function<Ergebnis()> leer_;
  std::size_t jeLauf_;
  std::vector<Aufgabe> gesammelt_, laufend_;
  std::vector<Ergebnis> ergebnisse_;  // of the run the helpers work on
  Helfer helfer_;                     // last: gone (its run done) before what the run works on
};

// The blocks of a report (one per employee), each a function writing into
// a text of its own, joined into the report in the order they were queued.
class BerichtBloecke {
 public:
  using Block = std::function<void(BerichtText&)>;

  explicit BerichtBloecke(BerichtText& ziel, std::size_t jeLauf = kHelferLauf);
  void Neu(Block block) { laeufe_.Neu(std::move(block)); }
  // Makes and joins the rest; a block's exception as in Laeufe.
  void Ende() { laeufe_.Ende(); }

 private:
  Laeufe<BerichtText> laeufe_;
};

// One block per employee of "<stem>.PER" that `nimm` takes by number, in
// file order, made from his record unpacked on a helper; `erste` for the
// first one taken. False after the message when the file cannot be read.
bool PersonenBloecke(
    AppState& state, const std::string& stem, BerichtText& text,
    const std::function<bool(std::int32_t nr)>& nimm,
    const std::function<void(BerichtText&, const PersonalRecord&, bool erste)>& block);

}  // namespace lohn
