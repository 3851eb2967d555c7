// The sort rules of the reference tables: number keys and the compare routine.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "reference/reference_table.h"

namespace {

TEST(NumberKey, ReadsTheNumberATextBeginsWith) {
    struct Case {
        const char16_t* text;
        double key;
    };
    const Case cases[] = {
        {u"1.0", 1.0},          {u" 60", 60.0},     {u"-", 0.0},           {u"ELF", 0.0},
        {u"3 - 30 kHz", 3.0},   {u"1e3", 1000.0},   {u"+5", 5.0},          {u".5", 0.5},
        {u"1.2.3", 1.2},        {u"300 GHz", 300},  {u"1e", 1.0},          {u"-2.5x", -2.5},
        {u"0000", 0.0},         {u"", 0.0},         {u"2.5E-1 ohm", 0.25}, {u".", 0.0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(NumberKey(c.text), c.key) << std::u16string(c.text).size();
}

struct Row {
    WCHAR name[8];
    WCHAR value[8];
};
const Row kRows[] = {{u"beta", u"10"}, {u"Alpha", u"9"}, {u"alpha", u"10"}};
const ColumnSpec<8> kColumns[] = {{u"Name", 50}, {u"Value", 50}};
SortState testSort;
const SortableTable kTable = DescribeTable(kRows, kColumns, {FieldOf(Row, name), FieldOf(Row, value)},
                                           {ColumnKind::Text, ColumnKind::Number}, &testSort);

// The order by text and by value, both ways, the sorting flow shows.
TEST(CompareRows, TextIgnoresCaseEqualNumbersAndMissingRowsCompareEqual) {
    SortDirection = true;
    EXPECT_EQ(CompareRows(kTable, &kRows[1], &kRows[2], 0), 0) << "letter case is ignored";
    EXPECT_EQ(CompareRows(kTable, &kRows[0], &kRows[2], 1), 0);
    // Missing records and unknown columns compare equal.
    EXPECT_EQ(CompareRows(kTable, nullptr, &kRows[0], 0), 0);
    EXPECT_EQ(CompareRows(kTable, &kRows[0], nullptr, 1), 0);
    EXPECT_EQ(CompareRows(kTable, &kRows[0], &kRows[1], 2), 0);
    EXPECT_EQ(CompareRows(kTable, &kRows[0], &kRows[1], -1), 0);
}

}  // namespace
