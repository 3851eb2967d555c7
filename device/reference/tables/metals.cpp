// Resistances of metals and alloys: the material, its symbol or composition, and its
// resistance, shown as text and sorted by value.
#include "reference/reference_table.h"

namespace {

struct MetalRecord {
    WCHAR material[32];
    WCHAR symbol[32];
    WCHAR resistance[32];
};

// Stored by falling resistance, except "Kovar A" (1732), which has always stood between
// "Steel, Manganese" and "Titanium"; a tap on "Resistance" puts it in its place.
const MetalRecord kRecords[] = {
    {u"Nichrome", u"Ni-Fe-Cr", u"675"},
    {u"Tophet A", u"Ni-Cr", u"659"},
    {u"Nichrome V", u"Ni-Cr", u"650"},
    {u"Chromax", u"Cr-Ni-Fe", u"610"},
    {u"Steel, Stainless", u"C-Cr-Ni-Fe", u"549"},
    {u"Chromel", u"Ni-Cr", u"427"},
    {u"Steel, Manganese", u"Mn-C-Fe", u"427"},
    {u"Kovar A", u"Ni-Co-Mn-Fe", u"1732"},
    {u"Titanium", u"Ti", u"292"},
    {u"Constantan", u"Cu-Ni", u"270"},
    {u"Manganin", u"Cu-Mn-Ni", u"268"},
    {u"Monel", u"Ni-Cu-Fe-Mn", u"256"},
    {u"Arsenic", u"As", u"214"},
    {u"Alumel", u"Ni-Al-Mn-Si", u"203"},
    {u"Nickel-Silver", u"Cu-Zn-Ni", u"171"},
    {u"Lead", u"Pb", u"134"},
    {u"Steel", u"C-Fe", u"103"},
    {u"Manganese-Nickel", u"Ni-Mn", u"85"},
    {u"Tantalum", u"Ta", u"79.9"},
    {u"Tin", u"Sn", u"69.5"},
    {u"Palladium", u"Pd", u"65.9"},
    {u"Platinum", u"Pt", u"63.8"},
    {u"Iron", u"Fe", u"60.14"},
    {u"Nickel, Pure", u"Ni", u"60"},
    {u"Phosphor-Bronze", u"Sn-P-Cu", u"57.38"},
    {u"High-Brass", u"Cu-Zn", u"50"},
    {u"Potassium", u"K", u"42.7"},
    {u"Molybdenum", u"Mo", u"34.27"},
    {u"Tungsten", u"W", u"33.22"},
    {u"Rhodium", u"Rh", u"31"},
    {u"Aluminum", u"Al", u"16.06"},
    {u"Chromium", u"Cr", u"15.87"},
    {u"Gold", u"Au", u"14.55"},
    {u"Copper", u"Cu", u"10.37"},
    {u"Silver", u"Ag", u"9.706"},
    {u"Selenium", u"Se", u"7.3"},
};

const ColumnSpec<32> kColumns[] = {
    {u"Material", 100},
    {u"Symbol", 60},
    {u"Resistance", 70},
};

SortState sort;

}  // namespace

constinit const SortableTable MetalsTable =
    DescribeTable(kRecords, kColumns,
                  {FieldOf(MetalRecord, material),
                   FieldOf(MetalRecord, symbol),
                   FieldOf(MetalRecord, resistance)},
                  {ColumnKind::Text, ColumnKind::Text, ColumnKind::Number},
                  &sort);
