#include "reports/BerichtBloecke.h"

#include <algorithm>
#include <limits>
#include <system_error>
#include <utility>

#include "reports/BerichtLesen.h"

namespace lohn {

unsigned BerichtHelfer() {
  const unsigned n = std::thread::hardware_concurrency();
  return std::clamp(n > 1 ? n - 1 : 1u, 1u, 6u);
}

BerichtBloecke::BerichtBloecke(BerichtText& ziel, std::size_t jeLauf)
    : ziel_(ziel),
      jeLauf_(std::max<std::size_t>(jeLauf, 1)),
      start_(std::ptrdiff_t(BerichtHelfer()) + 1),
      fertig_(std::ptrdiff_t(BerichtHelfer()) + 1) {
  bloecke_.reserve(jeLauf_);
}

BerichtBloecke::~BerichtBloecke() {
  if (threads_.empty()) return;
  if (laeuft_) fertig_.arrive_and_wait();
  schluss_ = true;
  start_.arrive_and_wait();
  for (std::thread& t : threads_) t.join();
}

void BerichtBloecke::Neu(Block block) {
  bloecke_.push_back(std::move(block));
  if (bloecke_.size() >= jeLauf_) {
    Abschliessen();
    Starten();
  }
}

void BerichtBloecke::Ende() {
  Abschliessen();
  Starten();
  Abschliessen();
}

void BerichtBloecke::Arbeiten() {
  for (std::size_t i; (i = naechster_++) < laufend_.size();) {
    try {
      laufend_[i](texte_[i]);
    } catch (...) {
      std::lock_guard<std::mutex> l(sperre_);
      if (i < fehlerBlock_) {
        fehlerBlock_ = i;
        fehler_ = std::current_exception();
      }
    }
  }
}

void BerichtBloecke::Starten() {
  if (bloecke_.empty()) return;
  laufend_.swap(bloecke_);
  // Each block's text is held whole until it is joined.
  texte_.clear();
  for (std::size_t i = 0; i < laufend_.size(); ++i)
    texte_.emplace_back(std::numeric_limits<std::size_t>::max());
  naechster_ = 0;
  fehlerBlock_ = laufend_.size();
  fehler_ = nullptr;
  if (!gestartet_) {
    gestartet_ = true;
    for (unsigned t = 0; t < BerichtHelfer(); ++t) {
      try {
        threads_.emplace_back([this] {
          for (;;) {
            start_.arrive_and_wait();
            if (schluss_) return;
            Arbeiten();
            fertig_.arrive_and_wait();
          }
        });
      } catch (const std::system_error&) {
        // A helper the system refuses is counted out of both barriers.
        start_.arrive_and_drop();
        fertig_.arrive_and_drop();
      }
    }
  }
  if (threads_.empty()) {  // no helper at all: the caller makes the run
    Arbeiten();
    laeuft_ = true;
    return;
  }
  // The helpers work on it while the caller gathers the next run.
  start_.arrive_and_wait();
  laeuft_ = true;
}

void BerichtBloecke::Abschliessen() {
  if (!laeuft_) return;
  if (!threads_.empty()) fertig_.arrive_and_wait();
  laeuft_ = false;
  ziel_.Uebernehmen(std::span(texte_).first(std::min(fehlerBlock_, texte_.size())));
  laufend_.clear();
  texte_.clear();
  if (fehler_) {
    bloecke_.clear();  // what follows the failed block is never made
    std::rethrow_exception(std::exchange(fehler_, nullptr));
  }
}

bool PersonenBloecke(
    AppState& state, const std::string& stem, BerichtText& text,
    const std::function<bool(std::int32_t nr)>& nimm,
    const std::function<void(BerichtText&, const PersonalRecord&, bool erste)>& block) {
  BerichtBloecke bloecke(text);
  bool erste = true;
  const bool ok = PersonalBilderLesen(state, stem, [&](const std::uint8_t* b) {
    if (!nimm(PersonalNrOf(b))) return;
    PersonalBytes bild;
    std::copy_n(b, bild.size(), bild.begin());
    bloecke.Neu([&block, bild, erste](BerichtText& t) {
      block(t, PersonalRecord::unpack(bild.data()), erste);
    });
    erste = false;
  });
  if (ok) bloecke.Ende();
  return ok;
}

}  // namespace lohn
