#include "support/Golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace testing_support {

void ExpectGolden(const std::string& name, const std::vector<std::uint8_t>& actual) {
  const std::filesystem::path path = std::filesystem::path(LOHN_GOLDEN_DIR) / name;
  if (const char* u = std::getenv("LOHN_UPDATE_GOLDEN"); u && std::string(u) == "1") {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(actual.data()), std::streamsize(actual.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in.good()) << "missing golden file " << path << " (LOHN_UPDATE_GOLDEN=1 writes it)";
  const std::vector<std::uint8_t> expected{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
  if (expected == actual) return;
  const auto [e, a] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
  const std::size_t at = std::size_t(e - expected.begin());
  const std::size_t line = 1 + std::size_t(std::count(expected.begin(), e, std::uint8_t('\n')));
  ADD_FAILURE() << name << ": " << expected.size() << " bytes expected, " << actual.size()
                << " found; first difference at byte " << at << " (line " << line << ")";
}

void ExpectGolden(const std::string& name, const std::string& actual) {
  ExpectGolden(name, std::vector<std::uint8_t>(actual.begin(), actual.end()));
}

}  // namespace testing_support
