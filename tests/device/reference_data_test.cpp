// The seven reference tables as data: their shape, and for the two tables of computed
// values the rules they follow and the rows that break them on purpose.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "reference/reference_table.h"

namespace {

std::string Cell(const SortableTable& t, int row, int column) {
    LPCWSTR text = t.Field(t.Record(row), column);
    std::string s;
    for (int i = 0; i < t.fieldWidths[column] && text[i]; ++i) s.push_back(text[i] < 0x80 ? char(text[i]) : '?');
    return s;
}

std::vector<std::string> Column(const SortableTable& t, int column) {
    std::vector<std::string> cells;
    for (int r = 0; r < t.rowCount; ++r) cells.push_back(Cell(t, r, column));
    return cells;
}

bool WholeNumber(const std::string& text, double* value = nullptr) {
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') return false;
    if (value) *value = v;
    return true;
}

double Value(const SortableTable& t, int row, int column) {
    double v = 0;
    EXPECT_TRUE(WholeNumber(Cell(t, row, column), &v)) << "row " << row << " column " << column;
    return v;
}

struct TableCase {
    const char* name;
    const SortableTable* table;
    int rows;
    const char* kinds;  // T or N per column
};

const TableCase kTables[] = {
    {"dielectric", &DielectricTable, 63, "TNN"},      {"metals", &MetalsTable, 36, "TTN"},
    {"citizens band", &CitizensBandTable, 40, "NTNN"}, {"TV channels", &TvChannelsTable, 82, "NNNNNN"},
    {"copper wire", &CopperWireTable, 64, "NNNNNNNN"}, {"K factors", &KFactorsTable, 78, "NN"},
    {"radio spectrum", &RadioSpectrumTable, 11, "NNTT"},
};

// Kinds (they choose how a column sorts); every field filled, terminated inside its width, without
// stray blanks (but the TV table's right-aligned columns), and Number columns hold
// numbers (but the copper wire table's "-" and the spectrum's ranges).
TEST(ReferenceDataShape, KindsAndEveryField) {
    for (const TableCase& c : kTables) {
        SCOPED_TRACE(c.name);
        const SortableTable& t = *c.table;
        ASSERT_EQ(t.rowCount, c.rows);
        ASSERT_EQ(t.columnCount, int(std::string(c.kinds).size()));
        for (int col = 0; col < t.columnCount; ++col) {
            EXPECT_EQ(t.kinds[col], c.kinds[col] == 'N' ? ColumnKind::Number : ColumnKind::Text) << col;
            for (int r = 0; r < t.rowCount; ++r) {
                std::string text = Cell(t, r, col);
                SCOPED_TRACE("row " + std::to_string(r) + " column " + std::to_string(col) + ": \"" + text + "\"");
                ASSERT_LT(text.size(), size_t(t.fieldWidths[col]));
                ASSERT_FALSE(text.empty());
                EXPECT_NE(text.back(), ' ');
                EXPECT_TRUE(text.front() != ' ' || (t.records == TvChannelsTable.records && col >= 2));
                bool range = t.records == RadioSpectrumTable.records && col == 0;
                EXPECT_TRUE(t.kinds[col] == ColumnKind::Text || range || text == "-" || WholeNumber(text));
            }
        }
    }
}

// Channels 1 to 40 at 5 kHz steps (23 above 24 and 25); the edges 0.005 percent either
// side, save two whose last digits stray and are kept.
TEST(ReferenceData, CitizensBandPlanAndEdges) {
    const SortableTable& t = CitizensBandTable;
    double previous = 0;
    for (int r = 0; r < t.rowCount; ++r) {
        SCOPED_TRACE("channel " + std::to_string(r + 1));
        EXPECT_EQ(Cell(t, r, 0), std::to_string(r + 1));
        double f = Value(t, r, 1);
        EXPECT_EQ(Cell(t, r, 1).substr(5), "5000");
        if (r != 22) {
            EXPECT_GT(f, previous);
            previous = f;
        }
        for (int col = 1; col <= 3; ++col) EXPECT_EQ(Cell(t, r, col).size(), 9u) << "two digits, point, six";
        EXPECT_NEAR(Value(t, r, 2), f * (1 - 0.00005), r == 38 ? 1e-5 : 2e-6);
        EXPECT_NEAR(Value(t, r, 3), f * (1 + 0.00005), r == 4 ? 1e-4 : 2e-6);
    }
    EXPECT_EQ(Cell(t, 22, 1), "27.255000");
    EXPECT_EQ(Cell(t, 38, 2), "27.393639");
    EXPECT_EQ(Cell(t, 4, 3), "27.016450");
}

// Gauges 0000 to 60. S film turns from gauge 14 on, H film for 4 to 56. Circular mils
// are the diameter in mils squared; ohms and weight go as one over the area, capacity
// as the area over 700 (tolerances take the table's own rounding).
TEST(ReferenceData, CopperWireRowsAgreeWithTheirArea) {
    const SortableTable& t = CopperWireTable;
    std::vector<std::string> gauges = {"0000", "000", "00", "0"};
    for (int g = 1; g <= 60; ++g) gauges.push_back(std::to_string(g));
    EXPECT_EQ(Column(t, 0), gauges);
    for (int r = 0; r < t.rowCount; ++r) {
        SCOPED_TRACE("gauge " + Cell(t, r, 0));
        int gauge = r - 3;
        EXPECT_EQ(Cell(t, r, 6) == "-", gauge < 14);
        EXPECT_EQ(Cell(t, r, 7) == "-", gauge < 4 || gauge > 56);
        double mils = Value(t, r, 1) * 1000, area = Value(t, r, 2);
        EXPECT_NEAR(area / (mils * mils), 1, 0.07);
        EXPECT_NEAR(Value(t, r, 4) * area / 10370, 1, 0.07);
        EXPECT_NEAR(Value(t, r, 3) * area / 330300, 1, 0.07);
        EXPECT_NEAR(Value(t, r, 5) / (area / 700), 1, 0.1);
        for (int col : {6, 7}) {
            bool both = r > 0 && Cell(t, r, col) != "-" && Cell(t, r - 1, col) != "-";
            EXPECT_TRUE(!both || Value(t, r, col) > Value(t, r - 1, col)) << "turns rise with the gauge";
        }
    }
}

}  // namespace
