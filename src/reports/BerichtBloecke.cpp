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
      if (gHelferVerweigert && gHelferVerweigert(t))
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
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

Helfer::~Helfer() {
  std::exception_ptr fehler;
  if (laeuft_) Warte(fehler);
  if (threads_.empty()) return;
  schluss_ = true;
  start_.arrive_and_wait();
  for (std::thread& t : threads_) t.join();
}

void Helfer::Starte(std::size_t n, std::function<void(std::size_t)> aufgabe) {
  aufgabe_ = std::move(aufgabe);
  anzahl_ = n;
  naechste_ = 0;
  fehlerIndex_ = n;
  fehler_ = nullptr;
  laeuft_ = true;
  if (!threads_.empty()) start_.arrive_and_wait();
}

std::size_t Helfer::Warte(std::exception_ptr& fehler) {
  Arbeiten();
  if (!threads_.empty()) fertig_.arrive_and_wait();
  laeuft_ = false;
  fehler = std::exchange(fehler_, nullptr);
  return fehlerIndex_;
}

void Helfer::Arbeiten() {
  for (std::size_t i; (i = naechste_++) < anzahl_;) {
    try {
      aufgabe_(i);
    } catch (...) {
      std::lock_guard<std::mutex> l(sperre_);
      if (i < fehlerIndex_) {
        fehlerIndex_ = i;
        fehler_ = std::current_exception();
      }
    }
  }
}

// Each block's text is held whole until it is joined.
BerichtBloecke::BerichtBloecke(BerichtText& ziel, std::size_t jeLauf)
    : laeufe_([&ziel](std::span<BerichtText> texte) { ziel.Uebernehmen(texte); },
              [] { return BerichtText(std::numeric_limits<std::size_t>::max()); }, jeLauf) {}

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
