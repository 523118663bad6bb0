#pragma once
// Golden files: expected outputs kept byte for byte under tests/golden/.
// Run a test with LOHN_UPDATE_GOLDEN=1 to write the file afresh from the
// actual bytes (then review the diff before committing it).

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// Compares `actual` with tests/golden/<name>; on a difference the failure
// names the first differing byte and its line.
void ExpectGolden(const std::string& name, const std::vector<std::uint8_t>& actual);
void ExpectGolden(const std::string& name, const std::string& actual);

}  // namespace testing_support
