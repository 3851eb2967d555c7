// The seven reference tables as data: their shape, and per table the rules the values
// follow and the rows that break them on purpose. A typo anywhere in a table breaks a
// rule; the flows hold the first, last and a few telling rows as shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
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

// Alphabetical (case ignored), but for three rows kept where they have always stood.
TEST(ReferenceData, DielectricOrderAndRanges) {
    const SortableTable& t = DielectricTable;
    std::vector<std::string> names = Column(t, 0);
    EXPECT_EQ(names[61], "Mineral Waxes");
    names.erase(names.begin() + 61);
    for (const char* first : {"Mica (Electrical)", "Silicone (Glass, Molding)"}) {
        auto at = std::find(names.begin(), names.end(), first);
        ASSERT_TRUE(at + 1 < names.end()) << first;
        std::swap(at[0], at[1]);
    }
    auto lower = [](std::string s) {
        for (char& c : s) c = char(std::tolower(c));
        return s;
    };
    for (size_t i = 1; i < names.size(); ++i) EXPECT_LT(lower(names[i - 1]), lower(names[i])) << names[i];
    for (int r = 0; r < t.rowCount; ++r) EXPECT_LE(Value(t, r, 1), Value(t, r, 2)) << Cell(t, r, 0);
}

TEST(ReferenceData, MetalsByFallingResistanceExceptKovar) {
    const SortableTable& t = MetalsTable;
    double previous = INFINITY;
    for (int r = 0; r < t.rowCount; ++r) {
        if (r == 7) {
            EXPECT_EQ(Cell(t, r, 0), "Kovar A");
            continue;
        }
        EXPECT_LE(Value(t, r, 2), previous) << Cell(t, r, 0);
        previous = Value(t, r, 2);
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

// Channels 2 to 83 from their lower edge; values below 100 MHz carry one leading blank.
TEST(ReferenceData, TvChannelsFollowTheChannelRule) {
    const SortableTable& t = TvChannelsTable;
    for (int r = 0; r < t.rowCount; ++r) {
        int n = r + 2;
        int edge = n <= 4 ? 54 + 6 * (n - 2) : n <= 6 ? 76 + 6 * (n - 5) : n <= 13 ? 174 + 6 * (n - 7) : 470 + 6 * (n - 14);
        auto text = [](int hundredths, bool decimals) {
            char out[16];
            std::snprintf(out, sizeof out, decimals ? "%s%d.%02d" : "%s%d", hundredths < 10000 ? " " : "",
                          hundredths / 100, hundredths % 100);
            return std::string(out);
        };
        std::vector<std::string> row;
        for (int c = 0; c < 6; ++c) row.push_back(Cell(t, r, c));
        EXPECT_EQ(row, (std::vector<std::string>{std::to_string(n), std::to_string(edge), text(edge * 100 + 600, false),
                                                 text(edge * 100 + 125, true), text(edge * 100 + 483, true),
                                                 text(edge * 100 + 575, true)}));
    }
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

// dB: 0.05, 0.1, 0.5 to 10 by 0.5, 11 to 52, 54 to 58, 60, 65 to 100 by 5. K is ten to
// the dB over twenty, with fewer decimals as it grows, but for two rows kept as written.
TEST(ReferenceData, KFactorsFollowTheirSteps) {
    std::vector<int> steps = {5, 10};
    for (int d = 50; d <= 1000; d += 50) steps.push_back(d);
    for (int d = 1100; d <= 5800; d += 100)
        if (d != 5300) steps.push_back(d);
    steps.push_back(6000);
    for (int d = 6500; d <= 10000; d += 500) steps.push_back(d);
    const SortableTable& t = KFactorsTable;
    ASSERT_EQ(t.rowCount, int(steps.size()));
    for (int r = 0; r < t.rowCount; ++r) {
        int d = steps[size_t(r)];
        char db[16], k[32];
        std::snprintf(db, sizeof db, d == 5 ? "%.2f" : "%.1f", d / 100.0);
        int decimals = d <= 2100 ? 4 : d <= 4100 ? 3 : d <= 5800 ? 2 : d <= 7500 ? 1 : 0;
        std::snprintf(k, sizeof k, "%.*f", decimals, std::pow(10.0, d / 2000.0));
        EXPECT_EQ(Cell(t, r, 0), db);
        EXPECT_EQ(Cell(t, r, 1), d == 550 ? "1.8837" : d == 800 ? "2.5118" : k) << db << " dB";
    }
}

// Band n spans 3 x 10^(n-1) to 3 x 10^n Hz, in the unit of its lower end (the last
// band apart); the abbreviation is the initials, dashes for the last band.
TEST(ReferenceData, RadioSpectrumBandsAndInitials) {
    const SortableTable& t = RadioSpectrumTable;
    const char* units[] = {"Hz", "kHz", "MHz", "GHz"};
    for (int r = 0; r < t.rowCount; ++r) {
        int band = r + 2, low = int(3 * std::pow(10.0, (band - 1) % 3));
        std::string range = std::to_string(low) + " - " + std::to_string(low * 10) + " " + units[(band - 1) / 3];
        EXPECT_EQ(Cell(t, r, 0), band == 12 ? "300 GHz - 3 THz" : range);
        EXPECT_EQ(Cell(t, r, 1), std::to_string(band));
        std::string name = Cell(t, r, 2), initials;
        for (size_t i = 0; i < name.size(); ++i)
            if (i == 0 || name[i - 1] == ' ') initials.push_back(name[i]);
        EXPECT_EQ(Cell(t, r, 3), band == 12 ? "---" : initials) << name;
    }
}

}  // namespace
