// The radio frequency spectrum by ITU band number, from ELF to the band above EHF.
#include "reference/reference_table.h"

namespace {

struct RfBandRecord {
    WCHAR frequency[18];
    WCHAR bandNumber[4];
    WCHAR classification[40];
    WCHAR abbreviation[6];
};

// Band 12 is shown without a name, hence the dashes. "Classification" and "Abbreviation"
// hold names, not numbers, so they sort alphabetically.
const RfBandRecord kRecords[] = {
    {u"30 - 300 Hz", u"2", u"Extremely Low Frequencies", u"ELF"},
    {u"300 - 3000 Hz", u"3", u"Voice Frequencies", u"VF"},
    {u"3 - 30 kHz", u"4", u"Very Low Frequencies", u"VLF"},
    {u"30 - 300 kHz", u"5", u"Low Frequencies", u"LF"},
    {u"300 - 3000 kHz", u"6", u"Medium Frequencies", u"MF"},
    {u"3 - 30 MHz", u"7", u"High Frequencies", u"HF"},
    {u"30 - 300 MHz", u"8", u"Very High Frequencies", u"VHF"},
    {u"300 - 3000 MHz", u"9", u"Ultra High Frequencies", u"UHF"},
    {u"3 - 30 GHz", u"10", u"Super High Frequencies", u"SHF"},
    {u"30 - 300 GHz", u"11", u"Extremely High Frequencies", u"EHF"},
    {u"300 GHz - 3 THz", u"12", u"----------", u"---"},
};

const ColumnSpec<16> kColumns[] = {
    {u"Frequency", 100},
    {u"Band No.", 70},
    {u"Classification", 170},
    {u"Abbreviation", 80},
};

SortState sort;

}  // namespace

constinit const SortableTable RadioSpectrumTable =
    DescribeTable(kRecords, kColumns,
                  {FieldOf(RfBandRecord, frequency),
                   FieldOf(RfBandRecord, bandNumber),
                   FieldOf(RfBandRecord, classification),
                   FieldOf(RfBandRecord, abbreviation)},
                  {ColumnKind::Number, ColumnKind::Number, ColumnKind::Text, ColumnKind::Text},
                  &sort);
