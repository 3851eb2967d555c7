#include "sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace test {

void ExpectSequence(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    if (actual == expected) return;
    std::ostringstream out;
    size_t n = std::max(actual.size(), expected.size());
    out << "expected | actual\n";
    for (size_t i = 0; i < n; ++i) {
        std::string e = i < expected.size() ? expected[i] : "(nothing)";
        std::string a = i < actual.size() ? actual[i] : "(nothing)";
        out << (e == a ? "  " : "> ") << e << " | " << a << "\n";
    }
    ADD_FAILURE() << "the sequences differ:\n" << out.str();
}

}  // namespace test
