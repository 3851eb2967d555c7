// Dielectric constants of insulating materials: the lower and upper value of each
// material's relative permittivity, shown as text and sorted by value.
#include "reference/reference_table.h"

namespace {

struct DielectricRecord {
    WCHAR material[32];
    WCHAR lower[16];
    WCHAR upper[16];
};

// The order the screen first shows. It is alphabetical but for rows that have always
// stood where they are ("Mica (Electrical)" before "Mica (Clear India)", "Silicone (Glass,
// Molding)" before "Silicone (Glass, Laminate)", "Mineral Waxes" after "Water
// (Distilled)"); a tap on "Material" gives the strict order. Names read as they always
// have on this screen, "Asbestor Fiber" and "Titaniun" included.
const DielectricRecord kRecords[] = {
    {u"Air", u"1.0", u"1.0"},
    {u"Amber", u"2.6", u"2.7"},
    {u"Asbestor Fiber", u"3.1", u"4.8"},
    {u"Bakelite (Asbestos-based)", u"5.0", u"22"},
    {u"Bakelite (Mica-filled)", u"4.5", u"4.8"},
    {u"Barium Titanate", u"100", u"1250"},
    {u"Beeswax", u"2.4", u"2.8"},
    {u"Cambric (Varnished)", u"4.0", u"4.0"},
    {u"Carbon Tetrachloride", u"2.17", u"2.17"},
    {u"Celluloid", u"4.0", u"4.0"},
    {u"Cellulose Acetate", u"2.9", u"4.5"},
    {u"Durite", u"4.7", u"5.1"},
    {u"Ebonite", u"2.7", u"2.7"},
    {u"Epoxy Resin", u"3.4", u"3.7"},
    {u"Ethyl Alcohol (Absolute)", u"6.5", u"25"},
    {u"Fiber", u"5.0", u"5.0"},
    {u"Formica", u"3.6", u"6.0"},
    {u"Glass (Electrical)", u"3.8", u"14.5"},
    {u"Glass (Photographic)", u"7.5", u"7.5"},
    {u"Glass (Pyrex)", u"4.6", u"5.0"},
    {u"Glass (Window)", u"7.6", u"7.6"},
    {u"Gutta Percha", u"2.4", u"2.6"},
    {u"Isolantite", u"6.1", u"6.1"},
    {u"Lucite", u"2.5", u"2.5"},
    {u"Mica (Electrical)", u"4.0", u"9.0"},
    {u"Mica (Clear India)", u"7.5", u"7.5"},
    {u"Mica (Filled Phenolic)", u"4.2", u"5.2"},
    {u"Micaglass (Titaniun Dioxide)", u"9.0", u"9.3"},
    {u"Micarta", u"3.2", u"5.5"},
    {u"Mycalex", u"7.3", u"9.3"},
    {u"Mylar", u"4.7", u"4.7"},
    {u"Neoprene", u"4.0", u"6.7"},
    {u"Nylon", u"3.4", u"22.4"},
    {u"Paper (Dry)", u"1.5", u"3.0"},
    {u"Paper (Paraffin Coated)", u"2.5", u"4.0"},
    {u"Paraffin (Solid)", u"2.0", u"3.0"},
    {u"Plexiglas", u"2.6", u"3.5"},
    {u"Polycarbonate", u"2.9", u"3.2"},
    {u"Polyethylene", u"2.5", u"2.5"},
    {u"Polyimide", u"3.4", u"3.5"},
    {u"Polystyrene", u"2.4", u"3.0"},
    {u"Porcelain (Dry Process)", u"5.0", u"6.5"},
    {u"Porcelain (Wet Process)", u"5.8", u"6.5"},
    {u"Quartz", u"5.0", u"5.0"},
    {u"Quartz (Fused)", u"3.78", u"3.78"},
    {u"Rubber (Hard)", u"2.0", u"4.0"},
    {u"Ruby Mica", u"5.4", u"5.4"},
    {u"Selenium (Amorphous)", u"6.0", u"6.0"},
    {u"Shellac (Natural)", u"2.9", u"3.9"},
    {u"Silicone (Glass, Molding)", u"3.2", u"4.7"},
    {u"Silicone (Glass, Laminate)", u"3.7", u"4.3"},
    {u"Slate", u"7.0", u"7.0"},
    {u"Soil (Dry)", u"2.4", u"2.9"},
    {u"Steatite (Ceramic)", u"5.2", u"6.3"},
    {u"Steatite (Low Loss)", u"4.4", u"4.4"},
    {u"Styrofoam", u"1.03", u"1.03"},
    {u"Teflon", u"2.1", u"2.1"},
    {u"Titanium Dioxide", u"100", u"100"},
    {u"Vaseline", u"2.16", u"2.16"},
    {u"Vinylite", u"2.7", u"7.5"},
    {u"Water (Distilled)", u"34", u"78"},
    {u"Mineral Waxes", u"2.2", u"2.3"},
    {u"Wood (Dry)", u"1.4", u"2.9"},
};

const ColumnSpec<32> kColumns[] = {
    {u"Material", 110},
    {u"Lower", 60},
    {u"Upper", 60},
};

SortState sort;

}  // namespace

constinit const SortableTable DielectricTable =
    DescribeTable(kRecords, kColumns,
                  {FieldOf(DielectricRecord, material),
                   FieldOf(DielectricRecord, lower),
                   FieldOf(DielectricRecord, upper)},
                  {ColumnKind::Text, ColumnKind::Number, ColumnKind::Number},
                  &sort);
