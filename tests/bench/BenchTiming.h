#pragma once
// Wall-clock timing shared by the benchmarks.

#include <chrono>
#include <functional>

// Average milliseconds of `runs` calls of f.
inline double Millis(const std::function<void()>& f, int runs) {
  auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) f();
  auto t1 = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(t1 - t0).count() / runs;
}
