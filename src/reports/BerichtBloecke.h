#pragma once
// Work of a large report spread over helper threads. `Helfer`: the
// helpers of one report run, given one task at a time. `BerichtBloecke`:
// the blocks of a report (one per employee), each a function writing into
// a text of its own, made on the helpers and joined into the report in the
// order they were handed in; runs of a few hundred blocks are made at a
// time, one while the caller gathers the next, so the report never holds
// more than two runs beside its own text. Whatever runs on a helper must
// only read what it shares with the others.

#include <atomic>
#include <barrier>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "reports/BerichtText.h"
#include "store/PersonalRecord.h"

namespace lohn {

// How many helpers a report takes: one fewer than the machine runs at
// once, at least 1, at most 6.
// Tests may set gHelferAnzahl to answer in its place.
unsigned HelferAnzahl();
inline std::function<unsigned()> gHelferAnzahl;

// How many employees' blocks, pages or records go to the helpers at a time.
inline constexpr std::size_t kHelferLauf = 512;

class Helfer {
 public:
  Helfer();  // HelferAnzahl() helpers, asked once
  ~Helfer();
  Helfer(const Helfer&) = delete;
  Helfer& operator=(const Helfer&) = delete;

  // Every helper runs `aufgabe` once; returns at once. Without helpers
  // (the system refused them all) the caller runs it here.
  void Starte(std::function<void()> aufgabe);
  // Until every helper is done with its task.
  void Warte();
  // f(0) ... f(n - 1) on the helpers and the caller; waits for them. The
  // first exception (by index) comes out once all calls are done.
  void Je(std::size_t n, const std::function<void(std::size_t)>& f);

 private:
  explicit Helfer(unsigned anzahl);
  std::function<void()> aufgabe_;
  bool laeuft_ = false;
  bool schluss_ = false;
  std::vector<std::thread> threads_;
  std::barrier<> start_, fertig_;
};

class BerichtBloecke {
 public:
  using Block = std::function<void(BerichtText&)>;

  explicit BerichtBloecke(BerichtText& ziel, std::size_t jeLauf = kHelferLauf);
  BerichtBloecke(const BerichtBloecke&) = delete;
  BerichtBloecke& operator=(const BerichtBloecke&) = delete;

  // Queues a block. A full run goes to the helpers, which make it while
  // the next one is gathered; the run before it is joined first.
  void Neu(Block block);
  // Makes and joins the rest. A block's exception comes out here or from
  // a later Neu, once its run is done; the blocks after it are dropped.
  void Ende();

 private:
  void Starten();       // hands the gathered blocks to the helpers
  void Abschliessen();  // waits for them and joins their texts
  void Arbeiten();      // a helper's part: the next block until none is left

  BerichtText& ziel_;
  std::size_t jeLauf_;
  std::vector<Block> bloecke_;  // gathered
  // The run the helpers work on: its blocks, their texts, the next block
  // to take, the first block that threw.
  std::vector<Block> laufend_;
  std::vector<BerichtText> texte_;
  std::atomic<std::size_t> naechster_{0};
  std::mutex sperre_;
  std::size_t fehlerBlock_ = 0;
  std::exception_ptr fehler_;
  bool laeuft_ = false;
  Helfer helfer_;  // last: gone (its task done) before the run it works on
};

// One block per employee of "<stem>.PER" that `nimm` takes by number, in
// file order, made from his record unpacked on a helper; `erste` for the
// first one taken. False after the message when the file cannot be read.
bool PersonenBloecke(
    AppState& state, const std::string& stem, BerichtText& text,
    const std::function<bool(std::int32_t nr)>& nimm,
    const std::function<void(BerichtText&, const PersonalRecord&, bool erste)>& block);

}  // namespace lohn
