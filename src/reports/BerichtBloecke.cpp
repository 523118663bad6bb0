#include "reports/BerichtBloecke.h"

#include <algorithm>
#include <limits>
#include <system_error>
#include <utility>

#include "reports/BerichtLesen.h"

namespace lohn {

unsigned HelferAnzahl() {
  if (gHelferAnzahl) return gHelferAnzahl();
  const unsigned n = std::thread::hardware_concurrency();
  return std::clamp(n > 1 ? n - 1 : 1u, 1u, 6u);
}

Helfer::Helfer() : Helfer(HelferAnzahl()) {}

// Threads and both barriers from one count: barriers sized apart from the
// threads would wait for ever.
Helfer::Helfer(unsigned anzahl)
    : start_(std::ptrdiff_t(anzahl) + 1), fertig_(std::ptrdiff_t(anzahl) + 1) {
  for (unsigned t = 0; t < anzahl; ++t) {
    try {
      threads_.emplace_back([this] {
        for (;;) {
          start_.arrive_and_wait();
          if (schluss_) return;
          aufgabe_();
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

Helfer::~Helfer() {
  if (threads_.empty()) return;
  Warte();
  schluss_ = true;
  start_.arrive_and_wait();
  for (std::thread& t : threads_) t.join();
}

void Helfer::Starte(std::function<void()> aufgabe) {
  Warte();
  aufgabe_ = std::move(aufgabe);
  if (threads_.empty()) {
    aufgabe_();
    return;
  }
  start_.arrive_and_wait();
  laeuft_ = true;
}

void Helfer::Warte() {
  if (!laeuft_) return;
  fertig_.arrive_and_wait();
  laeuft_ = false;
}

void Helfer::Je(std::size_t n, const std::function<void(std::size_t)>& f) {
  std::atomic<std::size_t> naechster{0};
  std::mutex sperre;
  std::size_t fehlerIndex = n;
  std::exception_ptr fehler;
  auto arbeit = [&] {
    for (std::size_t i; (i = naechster++) < n;) {
      try {
        f(i);
      } catch (...) {
        std::lock_guard<std::mutex> l(sperre);
        if (i < fehlerIndex) {
          fehlerIndex = i;
          fehler = std::current_exception();
        }
      }
    }
  };
  Starte(arbeit);
  arbeit();
  Warte();
  if (fehler) std::rethrow_exception(fehler);
}

BerichtBloecke::BerichtBloecke(BerichtText& ziel, std::size_t jeLauf)
    : ziel_(ziel), jeLauf_(std::max<std::size_t>(jeLauf, 1)) {
  bloecke_.reserve(jeLauf_);
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
  // The helpers work on it while the caller gathers the next run.
  helfer_.Starte([this] { Arbeiten(); });
  laeuft_ = true;
}

void BerichtBloecke::Abschliessen() {
  if (!laeuft_) return;
  helfer_.Warte();
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
