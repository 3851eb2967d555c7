// Compares a recorded sequence with the expected one and, when they differ, prints
// both in full, side by side, marking where they part.
#pragma once

#include <string>
#include <vector>

namespace test {

void ExpectSequence(const std::vector<std::string>& actual, const std::vector<std::string>& expected);

}  // namespace test
