// The chip records against the logic their titles name: every body row of a function
// table, with X taken both ways, gives the output the gate computes, and the rows
// together cover every input combination.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reference/chip_table.h"

namespace {

std::string Narrow(LPCWSTR text) {
    std::string s;
    for (int i = 0; text[i]; ++i) s.push_back(char(text[i]));
    return s;
}

struct Gate {
    int inputs;
    bool (*output)(const std::vector<bool>& in);
};

bool All(const std::vector<bool>& in) { return std::find(in.begin(), in.end(), false) == in.end(); }
bool Any(const std::vector<bool>& in) { return std::find(in.begin(), in.end(), true) != in.end(); }

// What the title says the chip computes.
Gate GateOf(const std::string& title) {
    auto has = [&](const char* word) { return title.find(word) != std::string::npos; };
    int inputs = has("2-input") ? 2 : has("3-input") ? 3 : has("4-input") ? 4 : 1;
    if (has("exclusive-OR")) return {inputs, [](const std::vector<bool>& in) { return in[0] != in[1]; }};
    if (has("NAND")) return {inputs, [](const std::vector<bool>& in) { return !All(in); }};
    if (has("NOR")) return {inputs, [](const std::vector<bool>& in) { return !Any(in); }};
    if (has("AND")) return {inputs, [](const std::vector<bool>& in) { return All(in); }};
    if (has("OR")) return {inputs, [](const std::vector<bool>& in) { return Any(in); }};
    if (has("noninverters")) return {1, [](const std::vector<bool>& in) { return in[0]; }};
    if (has("inverters")) return {1, [](const std::vector<bool>& in) { return !in[0]; }};
    ADD_FAILURE() << "no gate named in " << title;
    return {1, [](const std::vector<bool>&) { return false; }};
}

TEST(ChipTable, FunctionTablesComputeTheGateTheTitleNames) {
    ASSERT_EQ(ChipCount, 25);
    for (int c = 0; c < ChipCount; ++c) {
        const ChipRecord& chip = ChipTable[c];
        SCOPED_TRACE(Narrow(chip.number));
        Gate gate = GateOf(Narrow(chip.title));
        for (int k = 0; k < 7; ++k) EXPECT_EQ(Narrow(chip.header[k]), k < gate.inputs ? std::string(1, char('A' + k)) : k == 5 ? "Y" : " ");
        std::vector<bool> covered(size_t(1) << gate.inputs);
        for (int row = 0; row < 8; ++row) {
            const auto* cells = &chip.cells[row * 7];
            if (Narrow(cells[5]) == " ") {
                for (int k = 0; k < 7; ++k) EXPECT_EQ(Narrow(cells[k]), " ") << "an unused row is blank";
                continue;
            }
            // Every combination the row stands for gives the row's output.
            for (size_t combination = 0; combination < covered.size(); ++combination) {
                std::vector<bool> in(size_t(gate.inputs));
                bool matches = true;
                for (int k = 0; k < gate.inputs; ++k) {
                    in[size_t(k)] = combination >> k & 1;
                    std::string level = Narrow(cells[k]);
                    matches = matches && (level == "X" || level == (in[size_t(k)] ? "H" : "L"));
                }
                if (!matches) continue;
                covered[combination] = true;
                EXPECT_EQ(Narrow(cells[5]), gate.output(in) ? "H" : "L") << "row " << row;
            }
        }
        for (bool c : covered) EXPECT_TRUE(c) << "every input combination has a row";
    }
}

}  // namespace
